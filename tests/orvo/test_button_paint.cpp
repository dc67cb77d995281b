// The shaped button's face: the picture centred and cut, the pressed look,
// the hot wash over face and picture, the frames and outlines, glyph frames
// and their key colour, and where the caption and glyph go.

#include <gtest/gtest.h>

#include <algorithm>

#include "test_button_support.h"

using namespace button_test;

namespace {

// Number of pixels of a colour in a rectangle of a drawing.
int CountColour(const TDrawn& d, const TRect& r, TColor c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) n += d.At(x, y) == c;
    return n;
}

// The leftmost column and topmost row where a colour appears, or -1.
TPoint FirstOf(const TDrawn& d, const TRect& r, TColor c) {
    TPoint p{-1, -1};
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (d.At(x, y) == c) {
                if (p.X < 0 || x < p.X) p.X = x;
                if (p.Y < 0 || y < p.Y) p.Y = y;
            }
    return p;
}

// What DrawText needs for word-wrapped text in a room, in the button's font.
TSize WrappedSize(const TFont* font, const std::string& text, int width, int height) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(4, 4);
    b.Canvas()->SetFont(font);
    TRect r = Rect(0, 0, width, height);
    DrawText(b.Canvas()->Handle(), text, r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    return TSize{std::min(width, r.Width()), std::min(height, r.Height())};
}

int LineHeight(const TFont* font) {
    TBitmap b;
    b.SetSize(4, 4);
    b.Canvas()->SetFont(font);
    return b.Canvas()->TextHeight("Ag");
}

}  // namespace

// ---------------------------------------------------------------- face picture

TEST(ButtonPaint, LargerPictureIsCentredAndCutAtTheEdges) {
    TButtonForm f;
    auto marble = Picture(89, 40);
    f.Button->SetImage(marble.get());
    TDrawn d(*f.Button);
    EXPECT_EQ(d.Result, 1);
    // 89 x 40 on 81 x 41: at (-4, 0); inside the 3-D frame's two rings.
    for (const TPoint p : {TPoint{2, 2}, TPoint{40, 20}, TPoint{78, 38}, TPoint{10, 30}})
        EXPECT_EQ(d.At(p.X, p.Y), PictureAt(p.X + 4, p.Y)) << p.X << ", " << p.Y;
}

TEST(ButtonPaint, PressedDrawsOnlyAShadowOutlineAndMovesPictureAndCaption) {
    TButtonForm f;
    auto marble = Picture(89, 40);
    f.Button->SetImage(marble.get());
    f.Button->SetCaption("Go");
    TDrawn up(*f.Button);
    const TRect captionUp = f.Button->CaptionRect();
    TDrawn down(*f.Button, ODS_SELECTED);
    const TRect captionDown = f.Button->CaptionRect();

    const TColor shadow = Plain(clBtnShadow);
    for (int x = 0; x < 81; x += 10) {
        EXPECT_EQ(down.At(x, 0), shadow) << x;
        EXPECT_EQ(down.At(x, 40), shadow) << x;
    }
    EXPECT_EQ(down.At(0, 20), shadow);
    EXPECT_EQ(down.At(80, 20), shadow);
    // No 3-D rings inside the outline: the picture, one pixel right and down.
    EXPECT_EQ(down.At(1, 1), PictureAt(1 + 3, 0));
    EXPECT_EQ(down.At(1, 20), PictureAt(1 + 3, 19));
    EXPECT_EQ(down.At(79, 39), PictureAt(79 + 3, 38));
    EXPECT_EQ(down.At(20, 8), PictureAt(20 + 3, 7));
    // The caption moves one right and one down.
    EXPECT_EQ(captionDown.Left, captionUp.Left + 1);
    EXPECT_EQ(captionDown.Top, captionUp.Top + 1);
    EXPECT_EQ(captionDown.Width(), captionUp.Width());
}

TEST(ButtonPaint, HotWashCoversFaceAndPictureAndCaptionTakesHotColour) {
    TButtonForm f;
    auto marble = Picture(89, 40);
    f.Button->SetImage(marble.get());
    f.Button->SetCaption("Go");
    f.Button->SetHotTrackFontColor(clRed);
    f.Button->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(f.Button->MouseOver());
    TDrawn hot(*f.Button);
    for (const TPoint p : {TPoint{2, 2}, TPoint{12, 30}, TPoint{78, 38}})
        EXPECT_EQ(hot.At(p.X, p.Y), Washed(PictureAt(p.X + 4, p.Y))) << p.X << ", " << p.Y;
    const TRect whole = Rect(0, 0, 81, 41);
    EXPECT_GT(CountColour(hot, whole, clRed), 0);

    f.Button->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(f.Button->MouseOver());
    TDrawn cold(*f.Button);
    EXPECT_EQ(cold.At(12, 30), PictureAt(16, 30));
    EXPECT_EQ(CountColour(cold, whole, clRed), 0);
    EXPECT_GT(CountColour(cold, whole, Plain(f.Button->Font()->Color())), 0);
}

TEST(ButtonPaint, HotTrackingNeedsHotTrackAndAnEnabledButton) {
    TButtonForm f;
    f.Button->SetHotTrack(false);
    f.Button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(f.Button->MouseOver());
    f.Button->SetHotTrack(true);
    f.Button->SetEnabled(false);
    f.Button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(f.Button->MouseOver());
    // Caught while hot, then switched off: the wash goes with the flag.
    f.Button->SetEnabled(true);
    f.Button->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(f.Button->MouseOver());
    f.Button->SetHotTrack(false);
    TDrawn d(*f.Button);
    EXPECT_EQ(d.At(20, 20), kFaceColour);
    // A button disabled while hot is not left washed once the pointer goes.
    f.Button->SetHotTrack(true);
    f.Button->SetEnabled(false);
    f.Button->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(f.Button->MouseOver());
}

// ---------------------------------------------------------------- frames

TEST(ButtonPaint, FlatLookIsAWindowFrameOutlineAndDefaultAddsOne) {
    TButtonForm f;
    const TColor frame = Plain(clWindowFrame);
    f.Button->SetCtl3D(false);
    TDrawn flat(*f.Button);
    EXPECT_EQ(flat.At(0, 20), frame);
    EXPECT_EQ(flat.At(80, 20), frame);
    EXPECT_EQ(flat.At(40, 0), frame);
    EXPECT_EQ(flat.At(40, 40), frame);
    EXPECT_EQ(flat.At(1, 20), kFaceColour);

    f.Button->SetCtl3D(true);
    TDrawn raised(*f.Button);
    // The push-button frame: highlight top-left, dark bottom-right.
    EXPECT_EQ(raised.At(0, 20), Plain(clBtnHighlight));
    EXPECT_EQ(raised.At(79, 20), Plain(clBtnShadow));
    EXPECT_EQ(raised.At(2, 20), kFaceColour);

    // The Default button: an outline, and the whole frame inside it.
    f.Button->SetDefault(true);
    TDrawn def(*f.Button);
    EXPECT_EQ(def.At(0, 20), frame);
    EXPECT_EQ(def.At(80, 20), frame);
    EXPECT_EQ(def.At(1, 20), Plain(clBtnHighlight));
    EXPECT_EQ(def.At(78, 20), Plain(clBtnShadow));
    EXPECT_EQ(def.At(3, 20), kFaceColour);
}

TEST(ButtonPaint, EllipseFrameStaysInsideTheEllipse) {
    TButtonForm f;
    f.Button->SetShape(stEllipse);
    TDrawn d(*f.Button);
    // The corners are not painted by the frame: the face fill shows.
    EXPECT_EQ(d.At(1, 1), kFaceColour);
    EXPECT_EQ(d.At(79, 39), kFaceColour);
    // Along the middle row: highlight on the left; the dark ring and the
    // shadow inside it on the right.
    EXPECT_EQ(d.At(0, 20), Plain(clBtnHighlight));
    EXPECT_EQ(d.At(80, 20), Plain(clWindowFrame));
    EXPECT_EQ(d.At(79, 20), Plain(clBtnShadow));
    EXPECT_EQ(d.At(40, 20), kFaceColour);
}

// ---------------------------------------------------------------- glyphs

TEST(ButtonPaint, GlyphStripsCountTheirFramesAndShowTheRightOne) {
    struct TCase {
        int Width;
        std::initializer_list<TColor> Inks;
        int Frames;
        TColor Shown, ShownDisabled;
    };
    const TCase cases[] = {
        {19, {clRed}, 1, clRed, clRed},
        {40, {clRed, clGreen}, 2, clRed, clGreen},
        {60, {clRed, clGreen, clBlue}, 3, clRed, clRed},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Width);
        TButtonForm f;
        auto strip = GlyphStrip(c.Width, 20, c.Inks);
        f.Button->SetGlyph(strip.get());
        EXPECT_EQ(f.Button->NumGlyphs(), c.Frames);
        TDrawn enabled(*f.Button);
        ASSERT_FALSE(f.Button->GlyphFrame()->Empty());
        EXPECT_EQ(f.Button->GlyphFrame()->Width(), c.Width / c.Frames);
        EXPECT_EQ(f.Button->GlyphFrame()->Height(), 20);
        EXPECT_EQ(f.Button->GlyphFrame()->Pixel(0, 0), c.Shown);
        f.Button->SetEnabled(false);
        TDrawn disabled(*f.Button, ODS_DISABLED);
        EXPECT_EQ(f.Button->GlyphFrame()->Pixel(0, 0), c.ShownDisabled);
    }
}

TEST(ButtonPaint, GlyphKeyColourIsLeftOutWhereverItOccurs) {
    TButtonForm f;
    auto strip = GlyphStrip(19, 20, {clRed});
    strip->SetPixel(9, 9, kOlive);  // a hole inside the ink
    f.Button->SetGlyph(strip.get());
    TDrawn d(*f.Button);
    // blGlyphLeft, no caption: inside the focus area (4, 3)-(77, 36) the
    // 19 x 20 frame sits at (4 - 2 + (73 - 19) / 2, 3 + (33 - 20) / 2).
    const TPoint at{29, 9};
    EXPECT_EQ(d.At(at.X, at.Y), clRed);
    EXPECT_EQ(FirstOf(d, Rect(0, 0, 81, 41), clRed).X, at.X);
    EXPECT_EQ(FirstOf(d, Rect(0, 0, 81, 41), clRed).Y, at.Y);
    EXPECT_EQ(d.At(at.X + 1, at.Y + 1), kFaceColour);
    EXPECT_EQ(d.At(at.X + 9, at.Y + 9), kFaceColour);
    EXPECT_EQ(d.At(at.X + 6, at.Y + 6), clRed);
    EXPECT_EQ(CountColour(d, Rect(0, 0, 81, 41), kOlive), 0);
    // Stretched by one pixel each way: the ink ends at 19 - 4 + 1 columns in.
    EXPECT_EQ(d.At(at.X + 15, at.Y + 10), clRed);
    EXPECT_EQ(d.At(at.X + 16, at.Y + 10), kFaceColour);
}

// ---------------------------------------------------------------- caption

TEST(ButtonPaint, AmpersandIsMeasuredWithoutItAndDisabledCaptionIsEngraved) {
    TButtonForm f;
    f.Button->SetCaption("&Click");
    TDrawn d(*f.Button);
    TBitmap probe;
    probe.SetSize(4, 4);
    probe.Canvas()->SetFont(f.Button->Font());
    EXPECT_EQ(f.Button->CaptionRect().Width(), probe.Canvas()->TextWidth("Click"));

    f.Button->SetEnabled(false);
    TDrawn off(*f.Button, ODS_DISABLED);
    const TRect whole = Rect(0, 0, 81, 41);
    EXPECT_GT(CountColour(off, whole, Plain(clBtnShadow)), 0);
    EXPECT_EQ(CountColour(off, Rect(4, 4, 77, 37), Plain(f.Button->Font()->Color())), 0);
    // The highlight shows one pixel right and below the shadow letters.
    const TPoint shadow = FirstOf(off, Rect(4, 4, 77, 37), Plain(clBtnShadow));
    const TPoint light = FirstOf(off, Rect(4, 4, 77, 37), Plain(clBtnHighlight));
    EXPECT_EQ(light.X, shadow.X + 1);
}

TEST(ButtonPaint, WrappedCaptionBreaksBesideTheGlyph) {
    TButtonForm f;
    auto strip = GlyphStrip(19, 20, {clRed});
    f.Button->SetGlyph(strip.get());
    f.Button->SetWordWrap(true);
    const std::string caption = "OrvoButton Click Me!";
    f.Button->SetCaption(caption);
    TDrawn d(*f.Button);
    // Room: the focus area's 73 less the glyph's 19 + 4, and 33 high.
    const TSize expected = WrappedSize(f.Button->Font(), caption, 50, 33);
    const TRect c = f.Button->CaptionRect();
    EXPECT_EQ(c.Width(), expected.cx);
    EXPECT_EQ(c.Height(), expected.cy);
    EXPECT_GE(c.Height(), 2 * LineHeight(f.Button->Font()));
    // Centred in the room beside the glyph, the glyph 4 pixels to its left.
    EXPECT_EQ(c.Left, 4 + (73 - expected.cx + 23) / 2);
    const TPoint glyph = FirstOf(d, Rect(0, 0, 81, 41), clRed);
    EXPECT_EQ(glyph.X, 4 - 2 + (73 - expected.cx - 19) / 2);
    EXPECT_NEAR(c.Left - (glyph.X + 19), 4, 1);
}

TEST(ButtonPaint, WrappedCaptionBreaksBelowATopGlyph) {
    TButtonForm f;
    f.Button->SetBounds(10, 10, 81, 81);
    auto strip = GlyphStrip(19, 20, {clRed});
    f.Button->SetGlyph(strip.get());
    f.Button->SetWordWrap(true);
    f.Button->SetLayout(blGlyphTop);
    const std::string caption = "Click here, then wait";
    f.Button->SetCaption(caption);
    TDrawn d(*f.Button);
    // Focus area (4, 3)-(77, 76): 73 wide, 73 less the glyph's 24 high.
    const TSize expected = WrappedSize(f.Button->Font(), caption, 73, 73 - 24);
    const TRect c = f.Button->CaptionRect();
    EXPECT_EQ(c.Width(), expected.cx);
    EXPECT_EQ(c.Height(), expected.cy);
    EXPECT_GE(c.Height(), 2 * LineHeight(f.Button->Font()));
    EXPECT_EQ(c.Left, 4 + (73 - expected.cx) / 2);
    EXPECT_EQ(c.Top, 3 + (73 - expected.cy + 24) / 2);
    const TPoint glyph = FirstOf(d, Rect(0, 0, 81, 81), clRed);
    EXPECT_EQ(glyph.X, 4 + (73 - 19) / 2);
    EXPECT_NEAR(c.Top - (glyph.Y + 20), 4, 1);
}
