// Drawing on a window at a device pixel ratio of 2 against ratio 1, on a
// form-sized DC: tiling a picture (every picture pixel a 2 x 2 block) and
// text (drawn at the finer resolution).
#include <benchmark/benchmark.h>

#include <QImage>

#include "host/services/DeviceContextQt.h"
#include "host/framework/Graphics.h"

using namespace Orvo;

namespace {

constexpr int kWidth = 645;
constexpr int kHeight = 294;

// The form covered with a 64-pixel tile, as the background draws it.
void BM_TileFormAtScale(benchmark::State& state) {
    const int scale = int(state.range(0));
    TBitmap tile;
    tile.SetPixelFormat(pf32bit);
    tile.SetSize(64, 64);
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    auto dc = CreateImageDC(image, scale);
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    for (auto _ : state) {
        for (int y = 0; y < kHeight; y += 64)
            for (int x = 0; x < kWidth; x += 64) canvas.Draw(x, y, &tile);
        benchmark::DoNotOptimize(image.constBits());
    }
    canvas.SetHandle(nullptr);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight * scale * scale);
}
BENCHMARK(BM_TileFormAtScale)->Arg(1)->Arg(2);

void BM_DrawTextAtScale(benchmark::State& state) {
    const int scale = int(state.range(0));
    QImage image(200 * scale, 60 * scale, QImage::Format_RGB32);
    auto dc = CreateImageDC(image, scale);
    for (auto _ : state) {
        TRect r = Rect(0, 0, 200, 60);
        DrawText(dc.get(), "A caption that wraps over &two lines", r, DT_WORDBREAK);
    }
}
BENCHMARK(BM_DrawTextAtScale)->Arg(1)->Arg(2);

}  // namespace
