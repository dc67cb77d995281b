// The shaped button's face: the picture centred and cut, the pressed look,
// the hot wash over face and picture, frames and outlines, glyph frames and
// their key colour, and where the caption and glyph go.

#include <gtest/gtest.h>

#include <algorithm>

#include "test_button_support.h"

using namespace Orvo;

using namespace button_test;

namespace {

const TRect kWhole = Rect(0, 0, 81, 41);

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

// What DrawText needs for word-wrapped text in a room, in a font.
TSize WrappedSize(const TFont* font, const std::string& text, int width, int height) {
    TBitmap b;
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

TEST(ButtonPaint, PictureIsCentredAndCutPressedMovesItAndDrawsAShadowOutline) {
    TButtonForm f;
    auto marble = Picture(89, 40);
    f.Button->SetImage(marble.get());
    f.Button->SetCaption("Go");
    TDrawn up(*f.Button);
    EXPECT_EQ(up.Result, 1);
    const TRect captionUp = f.Button->CaptionRect();
    // 89 x 40 on 81 x 41: at (-4, 0); seen inside the 3-D frame's two rings.
    for (const TPoint p : {TPoint{2, 2}, TPoint{78, 38}, TPoint{10, 30}})
        EXPECT_EQ(up.At(p.X, p.Y), PictureAt(p.X + 4, p.Y)) << p.X << ", " << p.Y;

    TDrawn down(*f.Button, ODS_SELECTED);
    const TColor shadow = Plain(clBtnShadow);
    for (const TPoint p : {TPoint{0, 20}, TPoint{80, 20}, TPoint{40, 0}, TPoint{40, 40}})
        EXPECT_EQ(down.At(p.X, p.Y), shadow) << p.X << ", " << p.Y;
    // No 3-D rings inside the outline: the picture, one pixel right and down.
    for (const TPoint p : {TPoint{1, 1}, TPoint{1, 20}, TPoint{79, 39}})
        EXPECT_EQ(down.At(p.X, p.Y), PictureAt(p.X + 3, p.Y - 1)) << p.X << ", " << p.Y;
    const TRect captionDown = f.Button->CaptionRect();
    EXPECT_EQ(captionDown.Left, captionUp.Left + 1);
    EXPECT_EQ(captionDown.Top, captionUp.Top + 1);
}

TEST(ButtonPaint, HotWashCoversFaceAndPictureUntilThePointerLeaves) {
    TButtonForm f;
    auto marble = Picture(89, 40);
    f.Button->SetImage(marble.get());
    f.Button->SetCaption("Go");
    f.Button->SetHotTrackFontColor(clRed);
    f.Button->Perform(CM_MOUSEENTER, 0, 0);
    TDrawn hot(*f.Button);
    for (const TPoint p : {TPoint{2, 2}, TPoint{12, 30}, TPoint{78, 38}})
        EXPECT_EQ(hot.At(p.X, p.Y), Washed(PictureAt(p.X + 4, p.Y))) << p.X << ", " << p.Y;
    int red = 0;  // the caption in the hot colour, antialiased over the washed picture
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 81; ++x) {
            const TColor c = hot.At(x, y);
            red += GetRValue(c) > std::max(GetGValue(c), GetBValue(c)) + 64;
        }
    EXPECT_GT(red, 0);

    // Switched off while hot: the next paint shows no wash.
    f.Button->SetHotTrack(false);
    EXPECT_EQ(TDrawn(*f.Button).At(12, 30), PictureAt(16, 30));
    // A button disabled while hot is not left washed once the pointer goes.
    f.Button->SetHotTrack(true);
    f.Button->SetEnabled(false);
    f.Button->Perform(CM_MOUSELEAVE, 0, 0);
    f.Button->SetEnabled(true);
    TDrawn cold(*f.Button);
    EXPECT_EQ(cold.At(12, 30), PictureAt(16, 30));
    EXPECT_EQ(CountColour(cold, kWhole, clRed), 0);
    // Not enabled, or not hot-tracking: the pointer is not caught.
    f.Button->SetEnabled(false);
    f.Button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(f.Button->MouseOver());
}

TEST(ButtonPaint, FramesAndOutlinesOfFlatRaisedDefaultAndEllipse) {
    TButtonForm f;
    const TColor frame = Plain(clWindowFrame), light = Plain(clBtnHighlight), dark = Plain(clBtnShadow);
    f.Button->SetCtl3D(false);
    TDrawn flat(*f.Button);
    EXPECT_EQ(flat.At(0, 20), frame);
    EXPECT_EQ(flat.At(80, 20), frame);
    EXPECT_EQ(flat.At(40, 40), frame);
    EXPECT_EQ(flat.At(1, 20), kFaceColour);

    f.Button->SetCtl3D(true);
    TDrawn raised(*f.Button);
    EXPECT_EQ(raised.At(0, 20), light);
    EXPECT_EQ(raised.At(79, 20), dark);
    EXPECT_EQ(raised.At(2, 20), kFaceColour);
    // The Default button: an outline, and the whole frame inside it.
    f.Button->SetDefault(true);
    TDrawn def(*f.Button);
    EXPECT_EQ(def.At(0, 20), frame);
    EXPECT_EQ(def.At(80, 20), frame);
    EXPECT_EQ(def.At(1, 20), light);
    EXPECT_EQ(def.At(78, 20), dark);

    f.Button->SetDefault(false);
    f.Button->SetShape(stEllipse);
    TDrawn ellipse(*f.Button);
    EXPECT_EQ(ellipse.At(1, 1), kFaceColour);  // outside the ellipse: no frame
    EXPECT_EQ(ellipse.At(0, 20), light);
    EXPECT_EQ(ellipse.At(80, 20), frame);
    EXPECT_EQ(ellipse.At(79, 20), dark);
}

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
    // frame sits at (4 - 2 + (73 - 19) / 2, 3 + (33 - 20) / 2).
    const TPoint at{29, 9};
    EXPECT_EQ(FirstOf(d, kWhole, clRed), at);
    EXPECT_EQ(d.At(at.X + 1, at.Y + 1), kFaceColour);
    EXPECT_EQ(d.At(at.X + 9, at.Y + 9), kFaceColour);
    EXPECT_EQ(d.At(at.X + 6, at.Y + 6), clRed);
    EXPECT_EQ(CountColour(d, kWhole, kOlive), 0);
    // Stretched by one pixel each way: the ink ends 19 - 4 + 1 columns in.
    EXPECT_EQ(d.At(at.X + 15, at.Y + 10), clRed);
    EXPECT_EQ(d.At(at.X + 16, at.Y + 10), kFaceColour);
}

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
    const TRect inside = Rect(4, 4, 77, 37);
    EXPECT_EQ(CountColour(off, inside, Plain(f.Button->Font()->Color())), 0);
    const TPoint shadow = FirstOf(off, inside, Plain(clBtnShadow));
    const TPoint light = FirstOf(off, inside, Plain(clBtnHighlight));
    EXPECT_EQ(light.X, shadow.X + 1);
}

TEST(ButtonPaint, WrappedCaptionBreaksBesideOrBelowTheGlyph) {
    struct TCase {
        TButtonLayout Layout;
        int Height;
        TSize Room;  // the focus area less the glyph's 19 + 4 across or 20 + 4 down
    };
    for (const TCase& c : {TCase{blGlyphLeft, 41, {50, 33}}, TCase{blGlyphTop, 81, {73, 49}}}) {
        SCOPED_TRACE(int(c.Layout));
        TButtonForm f;
        f.Button->SetBounds(10, 10, 81, c.Height);
        auto strip = GlyphStrip(19, 20, {clRed});
        f.Button->SetGlyph(strip.get());
        f.Button->SetWordWrap(true);
        f.Button->SetLayout(c.Layout);
        const std::string caption = "OrvoButton Click Me!";
        f.Button->SetCaption(caption);
        TDrawn d(*f.Button);
        const TSize size = WrappedSize(f.Button->Font(), caption, c.Room.cx, c.Room.cy);
        const TRect r = f.Button->CaptionRect();
        EXPECT_EQ(r.Width(), size.cx);
        EXPECT_EQ(r.Height(), size.cy);
        EXPECT_GE(r.Height(), 2 * LineHeight(f.Button->Font()));
        const TPoint glyph = FirstOf(d, Rect(0, 0, 81, c.Height), clRed);
        const int h = c.Height - 8;  // the focus area (4, 3)-(77, c.Height - 5)
        if (c.Layout == blGlyphLeft) {
            EXPECT_EQ(r.Left, 4 + (73 - size.cx + 23) / 2);
            EXPECT_EQ(r.Top, 3 + (h - size.cy) / 2);
            EXPECT_NEAR(r.Left - (glyph.X + 19), 4, 1);
        } else {
            EXPECT_EQ(r.Left, 4 + (73 - size.cx) / 2);
            EXPECT_EQ(r.Top, 3 + (h - size.cy + 24) / 2);
            EXPECT_EQ(glyph.X, 4 + (73 - 19) / 2);
            EXPECT_NEAR(r.Top - (glyph.Y + 20), 4, 1);
        }
    }
}
