// The transparency blend over a whole frame of the demonstration form's
// client area: the hot-tracking wash's colour at 50 percent, and the ends of
// the range.
#include <benchmark/benchmark.h>

#include "bench_timing.h"
#include "host/framework/Graphics.h"
#include "orvo/OrvoClasses.h"

using namespace Orvo;

namespace {

constexpr int kWidth = 645;
constexpr int kHeight = 294;

void BM_BlendColorFrame(benchmark::State& state) {
    TBitmap frame;
    frame.SetPixelFormat(pf32bit);
    frame.SetSize(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) frame.SetPixel(x, y, TColor(RGB(std::uint8_t(x), std::uint8_t(y), 77)));
    TCanvas* canvas = frame.Canvas();
    const auto percent = std::uint8_t(state.range(0));
    TCallTimer timer;
    for (auto _ : state) {
        timer.Time([&] { BlendColor(canvas, clBtnHighlight, percent); });
        benchmark::DoNotOptimize(frame.ScanLine(0));
    }
    timer.Report(state);
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_BlendColorFrame)->Arg(50)->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
