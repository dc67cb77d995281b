// Painting the background at the size of the demonstration form's client
// area, as a gradient and as tiles, and a transparent static text's paint
// over it (the parent-background copy repaints the background each time).
#include <benchmark/benchmark.h>

#include <memory>

#include "host/framework/Forms.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "orvo/OrvoEditControls.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;

namespace {

constexpr int kWidth = 645;
constexpr int kHeight = 294;

std::unique_ptr<TBitmap> Surface(int w, int h) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(w, h);
    return b;
}

std::unique_ptr<TBitmap> Tile(int size) {
    auto tile = Surface(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) tile->SetPixel(x, y, TColor(RGB(std::uint8_t(x), std::uint8_t(y), 128)));
    return tile;
}

// A borderless form with the demonstration form's client area and a
// background filling it.
struct TBackgroundForm {
    TForm Form{nullptr};
    TOrvoBackground* Back = nullptr;
    TBackgroundForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, kWidth, kHeight);
        Form.SetClientWidth(kWidth);
        Form.SetClientHeight(kHeight);
        Back = new TOrvoBackground(&Form);
        Back->SetParent(&Form);
    }
};

void PaintBackground(benchmark::State& state, TBackgroundForm& f) {
    auto surface = Surface(kWidth, kHeight);
    const WPARAM dc = reinterpret_cast<WPARAM>(surface->Canvas()->Handle());
    for (auto _ : state) {
        f.Back->Perform(WM_PAINT, dc, 0);
        benchmark::DoNotOptimize(surface->ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_BackgroundVerticalGradient(benchmark::State& state) {
    TBackgroundForm f;
    PaintBackground(state, f);
}
BENCHMARK(BM_BackgroundVerticalGradient);

void BM_BackgroundHorizontalGradient(benchmark::State& state) {
    TBackgroundForm f;
    f.Back->SetStyle(gsHorizontal);
    PaintBackground(state, f);
}
BENCHMARK(BM_BackgroundHorizontalGradient);

// Tiles of 400 (2 tiles), 64 (55) and 16 (779) pixels a side.
void BM_BackgroundTiles(benchmark::State& state) {
    TBackgroundForm f;
    auto tile = Tile(int(state.range(0)));
    f.Back->SetTileImage(tile.get());
    PaintBackground(state, f);
}
BENCHMARK(BM_BackgroundTiles)->Arg(400)->Arg(64)->Arg(16);

// A 150 x 40 transparent static text on the form, painted as its window
// would be: the framework's erase, then Paint with the parent-background
// copy (and the blend below 100 percent).
void BM_TransparentStaticTextOverBackground(benchmark::State& state) {
    TBackgroundForm f;
    auto* text = new TOrvoStaticText(&f.Form);
    text->SetParent(&f.Form);
    text->SetAutoSize(false);
    text->SetBounds(100, 120, 150, 40);
    text->SetCaption("Static text over the background");
    text->SetBorder(obRaised);
    text->SetColor(clBlue);
    text->SetTransparent(true);
    text->SetTransparency(std::uint8_t(state.range(0)));
    auto surface = Surface(150, 40);
    const WPARAM dc = reinterpret_cast<WPARAM>(surface->Canvas()->Handle());
    for (auto _ : state) {
        text->Perform(WM_ERASEBKGND, dc, 0);
        text->Perform(WM_PAINT, dc, 0);
        benchmark::DoNotOptimize(surface->ScanLine(0));
    }
}
BENCHMARK(BM_TransparentStaticTextOverBackground)->Arg(100)->Arg(75);

}  // namespace
