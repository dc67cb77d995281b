// Drawing services at the size of the demonstration form's client area.
#include <benchmark/benchmark.h>

#include <QImage>

#include "host/services/DeviceContextQt.h"
#include "host/framework/Graphics.h"

using namespace Orvo;

namespace {

constexpr int kWidth = 645;
constexpr int kHeight = 294;

// A whole-form copy, as the parent-background copy does for a control that
// covers the form.
void BM_BitBltFormSizedImage(benchmark::State& state) {
    QImage source(kWidth, kHeight, QImage::Format_RGB32);
    source.fill(Qt::darkCyan);
    QImage dest(kWidth, kHeight, QImage::Format_RGB32);
    dest.fill(Qt::white);
    auto from = CreateImageDC(source);
    auto to = CreateImageDC(dest);
    for (auto _ : state) {
        BitBlt(to.get(), 0, 0, kWidth, kHeight, from.get(), 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(dest.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_BitBltFormSizedImage);

// The same copy through a shifted origin and a clip rectangle.
void BM_BitBltShiftedAndClipped(benchmark::State& state) {
    QImage source(kWidth, kHeight, QImage::Format_RGB32);
    source.fill(Qt::darkCyan);
    QImage dest(200, 100, QImage::Format_RGB32);
    auto from = CreateImageDC(source);
    auto to = CreateImageDC(dest);
    for (auto _ : state) {
        SaveDC(to.get());
        SetViewportOrgEx(to.get(), -120, -60, nullptr);
        IntersectClipRect(to.get(), 0, 0, kWidth, kHeight);
        BitBlt(to.get(), 0, 0, kWidth, kHeight, from.get(), 0, 0, SRCCOPY);
        RestoreDC(to.get(), -1);
        benchmark::DoNotOptimize(dest.constBits());
    }
}
BENCHMARK(BM_BitBltShiftedAndClipped);

// A per-pixel pass over the row memory of a bitmap, as the transparency
// blend does.
void BM_ScanLineRowLoop(benchmark::State& state) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(kWidth, kHeight);
    for (auto _ : state) {
        for (int y = 0; y < bitmap.Height(); ++y) {
            std::uint8_t* p = bitmap.ScanLine(y);
            for (int x = 0; x < kWidth; ++x, p += 4) {
                p[0] = std::uint8_t(255 - (50 * (255 - p[0])) / 100);
                p[1] = std::uint8_t(255 - (50 * (255 - p[1])) / 100);
                p[2] = std::uint8_t(255 - (50 * (255 - p[2])) / 100);
                p[3] = 0;
            }
        }
        benchmark::DoNotOptimize(bitmap.ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_ScanLineRowLoop);

void BM_DrawTextWordBreak(benchmark::State& state) {
    QImage image(200, 60, QImage::Format_RGB32);
    auto dc = CreateImageDC(image);
    for (auto _ : state) {
        TRect r = Rect(0, 0, 200, 60);
        DrawText(dc.get(), "A caption that wraps over &two lines", r, DT_WORDBREAK);
    }
}
BENCHMARK(BM_DrawTextWordBreak);

// Measuring a caption never measured before, as a big form's check boxes
// each do once ("Box 1", "Box 2", ...): the shaping, not the cache.
void BM_MeasureNewCaption(benchmark::State& state) {
    QImage image(200, 60, QImage::Format_RGB32);
    auto dc = CreateImageDC(image);
    TFont font;
    font.SetName("MS Sans Serif");
    font.SetHeight(-11);
    SelectObject(dc.get(), font.Handle());
    long i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(TextExtent(dc.get(), "Box " + std::to_string(++i)));
}
BENCHMARK(BM_MeasureNewCaption);

}  // namespace
