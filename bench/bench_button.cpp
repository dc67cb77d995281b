// One owner-drawn paint of the demonstration form's picture button (81 x 41
// with a glyph, a face picture and a wrapped caption) in each shape, plain
// and hot: every 3-D paint makes one off-screen frame bitmap and a hot paint
// also blends the whole face. And the paint of its window at device pixel
// ratios 1 to 3.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/framework/Forms.h"
#include "host/services/DeviceContextQt.h"
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

// The demonstration form's picture button in a shape, hot or not.
struct TPictureButton {
    TForm Form{nullptr};
    TOrvoButton* Button = new TOrvoButton(&Form);
    std::unique_ptr<TBitmap> Glyph = Filled(19, 20, TColor(RGB(128, 128, 0)));
    std::unique_ptr<TBitmap> Image = Filled(89, 40, TColor(RGB(200, 210, 230)));

    TPictureButton(TShapeType shape, bool hot) {
        Button->SetParent(&Form);
        Button->SetBounds(0, 0, 81, 41);
        Button->SetCaption("OrvoButton Click Me!");
        Button->SetWordWrap(true);
        Glyph->Canvas()->Brush()->SetColor(clBlack);
        Glyph->Canvas()->FillRect(Rect(5, 5, 14, 15));
        Button->SetGlyph(Glyph.get());
        Button->SetImage(Image.get());
        Button->SetShape(shape);
        if (hot) Button->Perform(CM_MOUSEENTER, 0, 0);
    }
    void Draw(HDC dc) {
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.hDC = dc;
        item.rcItem = Rect(0, 0, Button->Width(), Button->Height());
        Button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
};

void BM_ButtonDraw(benchmark::State& state) {
    TPictureButton b(static_cast<TShapeType>(state.range(0)), state.range(1) != 0);
    auto surface = Filled(b.Button->Width(), b.Button->Height(), clWhite);
    for (auto _ : state) b.Draw(surface->Canvas()->Handle());
}
// Shapes: 0 rectangle, 2 rounded rectangle, 4 ellipse; second argument: hot.
BENCHMARK(BM_ButtonDraw)->Args({0, 0})->Args({2, 0})->Args({4, 0})->Args({0, 1})->Args({4, 1});

// The same paint as a window of the form gets it, on a DC of a device pixel
// ratio: at 2 and 3 a curved shape's outline, 3-D frame and the parent's
// picture along the curve at the device's resolution (the window itself is
// on the benchmark's screen of ratio 1, so its region is the ratio-1 one).
void BM_ButtonWindowDrawAtScale(benchmark::State& state) {
    TPictureButton b(static_cast<TShapeType>(state.range(0)), false);
    b.Form.SetBounds(0, 0, 120, 80);
    b.Button->HandleNeeded();
    const int scale = int(state.range(1));
    QImage image(81 * scale, 41 * scale, QImage::Format_RGB32);
    auto dc = CreateImageDC(image, scale);
    for (auto _ : state) {
        b.Draw(dc.get());
        benchmark::DoNotOptimize(image.constBits());
    }
}
// Shapes: 0 rectangle, 4 ellipse; second argument: the ratio.
BENCHMARK(BM_ButtonWindowDrawAtScale)->Args({0, 1})->Args({4, 1})->Args({0, 2})->Args({4, 2})->Args({4, 3});

}  // namespace
