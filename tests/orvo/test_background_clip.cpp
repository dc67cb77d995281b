// The background paints only what meets the clip box: whatever clip a paint
// has, the pixels inside it are those of a whole, unclipped paint and the
// pixels outside it are left alone; a parent-background copy for a small
// control gives the same picture as copying from a whole paint.

#include <gtest/gtest.h>

#include "test_background_support.h"

using namespace Orvo;

using namespace background_test;

namespace {

// The background painted into a form-sized picture through its messages,
// with the DC clipped to `clip` (logical; empty = no clip).
std::unique_ptr<TBitmap> PaintClipped(TOrvoBackground& back, const TRect& clip) {
    auto b = MarkedBitmap(kFormWidth, kFormHeight);
    HDC dc = b->Canvas()->Handle();
    if (!clip.IsEmpty()) IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
    back.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    return b;
}

struct TClipCase {
    const char* Name;
    TRect Clip;
};

const TClipCase kClips[] = {
    {"one band", Rect(0, 100, kFormWidth, 101)},
    {"a check box", Rect(15, 24, 75, 43)},
    {"top left corner", Rect(0, 0, 3, 2)},
    {"bottom right corner", Rect(640, 290, kFormWidth, kFormHeight)},
    {"across a tile seam", Rect(390, 50, 420, 70)},
    {"partly outside", Rect(-20, -10, 30, 25)},
};

void ExpectClippedPaintsMatch(TOrvoBackground& back) {
    const auto whole = PaintClipped(back, TRect{});
    for (const TClipCase& c : kClips) {
        const auto part = PaintClipped(back, c.Clip);
        for (int y = 0; y < kFormHeight; ++y)
            for (int x = 0; x < kFormWidth; ++x) {
                const bool inside = x >= c.Clip.Left && x < c.Clip.Right && y >= c.Clip.Top && y < c.Clip.Bottom;
                ASSERT_EQ(part->Pixel(x, y), inside ? whole->Pixel(x, y) : kMarker) << c.Name << " " << x << "," << y;
            }
    }
}

// A borderless form of the given client size with a background on it.
TOrvoBackground* BackgroundOn(TForm& form, int width, int height) {
    form.SetBorderStyle(bsNone);
    form.SetClientWidth(width);
    form.SetClientHeight(height);
    auto* back = new TOrvoBackground(&form);
    back->SetParent(&form);
    return back;
}

}  // namespace

TEST(BackgroundClipping, ClippedGradientsMatchTheWholePaintInBothDirections) {
    TForm form(nullptr);
    TOrvoBackground* back = BackgroundOn(form, kFormWidth, kFormHeight);
    back->SetGradientStartColor(clNavy);
    back->SetGradientEndColor(TColor(RGB(250, 200, 7)));
    ExpectClippedPaintsMatch(*back);
    back->SetStyle(gsHorizontal);
    ExpectClippedPaintsMatch(*back);
}

TEST(BackgroundClipping, ClippedTilesMatchTheWholePaint) {
    TForm form(nullptr);
    TOrvoBackground* back = BackgroundOn(form, kFormWidth, kFormHeight);
    auto tile = MakeTile(400, 60);
    back->SetTileImage(tile.get());
    ExpectClippedPaintsMatch(*back);
}

TEST(BackgroundClipping, TheCanvasBrushEndsOnTheLastBandWhateverTheClip) {
    // The ramp leaves its canvas's brush on the band just past the edge,
    // also when a clip made it skip bands.
    TForm form(nullptr);
    TOrvoBackground* back = BackgroundOn(form, 100, 50);
    back->SetGradientStartColor(clBlack);
    back->SetGradientEndColor(clWhite);
    auto picture = MarkedBitmap(100, 50);
    HDC dc = picture->Canvas()->Handle();
    IntersectClipRect(dc, 0, 10, 100, 12);
    back->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(back->Canvas()->Brush()->Color(), TGradientRamp(clBlack, clWhite, 50).Band(50));
}
