// One owner-drawn paint of the demonstration form's picture button (81 x 41
// with a glyph, a face picture and a wrapped caption) in each shape, plain
// and hot: every 3-D paint makes one off-screen frame bitmap and a hot paint
// also blends the whole face.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/framework/Forms.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;

namespace {

std::unique_ptr<TBitmap> Filled(int w, int h, TColor c) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(c);
    b->Canvas()->FillRect(Rect(0, 0, w, h));
    return b;
}

void BM_ButtonDraw(benchmark::State& state) {
    TForm form(nullptr);
    auto* button = new TOrvoButton(&form);
    button->SetParent(&form);
    button->SetBounds(0, 0, 81, 41);
    button->SetCaption("OrvoButton Click Me!");
    button->SetWordWrap(true);
    auto glyph = Filled(19, 20, TColor(RGB(128, 128, 0)));
    glyph->Canvas()->Brush()->SetColor(clBlack);
    glyph->Canvas()->FillRect(Rect(5, 5, 14, 15));
    button->SetGlyph(glyph.get());
    auto image = Filled(89, 40, TColor(RGB(200, 210, 230)));
    button->SetImage(image.get());
    button->SetShape(static_cast<TShapeType>(state.range(0)));
    if (state.range(1)) button->Perform(CM_MOUSEENTER, 0, 0);

    auto surface = Filled(button->Width(), button->Height(), clWhite);
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.hDC = surface->Canvas()->Handle();
    item.rcItem = Rect(0, 0, button->Width(), button->Height());
    for (auto _ : state) button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}
// Shapes: 0 rectangle, 2 rounded rectangle, 4 ellipse; second argument: hot.
BENCHMARK(BM_ButtonDraw)->Args({0, 0})->Args({2, 0})->Args({4, 0})->Args({0, 1})->Args({4, 1});

}  // namespace
