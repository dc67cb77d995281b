// The check box's picture: square, glyph, caption, border, background,
// transparency and sizing, painted through its messages into a bitmap.

#include <gtest/gtest.h>

#include <string>

#include "orvo/OrvoGlyphs.h"
#include "test_checkbox_support.h"

using namespace Orvo;

using namespace checkbox_test;

namespace {

// The 14 x 14 shaded square at (x0, yc - 7): an outer ring clBtnShadow /
// clBtnHighlight, an inner ring clWindowFrame / cl3DLight, and `inside`
// within (x0 + 2, yc - 5, x0 + 12, yc + 5).
void ExpectShadedSquare(const TSnapshot& s, int x0, int yc, TColor inside) {
    const int top = yc - 7;
    for (int i = 0; i < 14; ++i) {
        // Outer ring: top-left colour on the left column and top row except
        // their last pixel; bottom-right colour on the right column and bottom row.
        if (i < 13) {
            ASSERT_EQ(s.At(x0, top + i), Plain(clBtnShadow)) << "left " << i;
            ASSERT_EQ(s.At(x0 + i, top), Plain(clBtnShadow)) << "top " << i;
        }
        ASSERT_EQ(s.At(x0 + 13, top + i), Plain(clBtnHighlight)) << "right " << i;
        ASSERT_EQ(s.At(x0 + i, top + 13), Plain(clBtnHighlight)) << "bottom " << i;
    }
    for (int i = 1; i < 13; ++i) {
        if (i < 12) {
            ASSERT_EQ(s.At(x0 + 1, top + i), Plain(clWindowFrame)) << "inner left " << i;
            ASSERT_EQ(s.At(x0 + i, top + 1), Plain(clWindowFrame)) << "inner top " << i;
        }
        ASSERT_EQ(s.At(x0 + 12, top + i), Plain(cl3DLight)) << "inner right " << i;
        ASSERT_EQ(s.At(x0 + i, top + 12), Plain(cl3DLight)) << "inner bottom " << i;
    }
    for (int y = yc - 5; y < yc + 5; ++y)
        for (int x = x0 + 2; x < x0 + 12; ++x) ASSERT_EQ(s.At(x, y), inside) << x << "," << y;
}

// Every pixel of `rect` is the caption in `ink` over `background`, as the
// font draws it.
void ExpectCaption(const TSnapshot& s, const TFont* font, std::string_view caption, const TRect& rect, TColor ink,
                   TColor background) {
    const TTextMask mask(font, caption, rect.Width(), rect.Height(), 0);
    ASSERT_GT(mask.InkCount(), 0);
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            ASSERT_TRUE(NearColour(s.At(x, y), mask.Over(background, ink, x - rect.Left, y - rect.Top))) << x << "," << y;
}

// The caption rectangle of "Sound" without a border on a 19-pixel-high box.
TRect SoundRect(const TFont* font, int left) {
    const TSize size = MeasureText(font, "Sound");
    const int top = (19 - size.cy) / 2;
    return Rect(left, top, left + size.cx, top + size.cy);
}

// A column range holds nothing but `colour`.
void ExpectColumns(const TSnapshot& s, int fromX, int toX, TColor colour) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = fromX; x < toX; ++x) ASSERT_EQ(s.At(x, y), colour) << x << "," << y;
}

}  // namespace

TEST(CheckBoxPaint, NewBoxShowsTheSquareAtTwoAndTheCaptionAtTwenty) {
    TCheckBoxForm f;
    const TSnapshot s(*f.Box);
    ExpectShadedSquare(s, 2, 9, clWhite);
    EXPECT_EQ(f.Box->CaptionRect(), SoundRect(f.Box->Font(), 20));
    ExpectCaption(s, f.Box->Font(), "Sound", SoundRect(f.Box->Font(), 20), Plain(clWindowText), kBoxColour);
    // Between the square and the caption, and the first two columns: background.
    ExpectColumns(s, 0, 2, kBoxColour);
    ExpectColumns(s, 16, 20, kBoxColour);
    EXPECT_EQ(s.At(96, 0), kBoxColour);
}

TEST(CheckBoxPaint, LeftJustifyPutsTheCaptionAtThreeAndTheSquareAtTheRight) {
    TCheckBoxForm f;
    f.Box->SetAlignment(taLeftJustify);
    const TSnapshot s(*f.Box);
    ExpectShadedSquare(s, 81, 9, clWhite);
    EXPECT_EQ(f.Box->CaptionRect(), SoundRect(f.Box->Font(), 3));
    ExpectCaption(s, f.Box->Font(), "Sound", SoundRect(f.Box->Font(), 3), Plain(clWindowText), kBoxColour);
    ExpectColumns(s, 0, 3, kBoxColour);
    ExpectColumns(s, 95, 97, kBoxColour);
}

TEST(CheckBoxPaint, CheckedShowsTheRedShadedCrossOverTheSquareWithItsKeyUnpainted) {
    TCheckBoxForm f;
    const TSnapshot unchecked(*f.Box);
    f.Box->SetChecked(true);
    const TSnapshot checked(*f.Box);

    const TGlyphPicture* cross = FindGlyphPicture("CB_3D_CROSS");
    ASSERT_NE(cross, nullptr);
    // The glyph's cell is one pixel larger than the square: (1, 1)-(17, 17).
    int marked = 0;
    for (int gy = 0; gy < 16; ++gy)
        for (int gx = 0; gx < 16; ++gx) {
            const int x = 1 + gx, y = 1 + gy;
            TColor expected = unchecked.At(x, y);
            switch (cross->Rows[std::size_t(gy)][std::size_t(gx)]) {
                case 'R': expected = TColor(RGB(255, 0, 0)); break;
                case 'm': expected = TColor(RGB(127, 0, 0)); break;
                case 'y': expected = TColor(RGB(255, 192, 192)); break;
                default: break;
            }
            if (expected != unchecked.At(x, y)) ++marked;
            ASSERT_EQ(checked.At(x, y), expected) << x << "," << y;
        }
    EXPECT_GT(marked, 60);
    // Nothing outside the glyph's cell changed.
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 97; ++x)
            if (x < 1 || x >= 17 || y < 1 || y >= 17) {
                ASSERT_EQ(checked.At(x, y), unchecked.At(x, y)) << x << "," << y;
            }
}

TEST(CheckBoxPaint, CheckColourRecoloursBodyShadowAndLight) {
    TCheckBoxForm f;
    f.Box->SetCheckColor(clBlue);
    f.Box->SetChecked(true);
    const TSnapshot s(*f.Box);
    // From the picture: row 1 is "..yym........yR." and row 3 "..RRRRm....yRm..".
    EXPECT_EQ(s.At(1 + 2, 1 + 1), TColor(RGB(192, 192, 255)));  // yellow light
    EXPECT_EQ(s.At(1 + 4, 1 + 1), TColor(RGB(0, 0, 127)));      // dark red shadow
    EXPECT_EQ(s.At(1 + 14, 1 + 1), TColor(RGB(0, 0, 255)));     // red body
    EXPECT_EQ(s.At(1 + 5, 1 + 3), TColor(RGB(0, 0, 255)));
    EXPECT_EQ(s.At(1 + 6, 1 + 3), TColor(RGB(0, 0, 127)));
}

TEST(CheckBoxPaint, FlatFrameWhenNotCtl3D) {
    TCheckBoxForm f;
    f.Box->SetCtl3D(false);
    EXPECT_TRUE(static_cast<TControl*>(f.Box)->Ctl3D());  // the framework's flag is another one
    const TSnapshot s(*f.Box);
    // Outline (3, 3)-(15, 15) in clWindowFrame; the outer ring shows the background.
    for (int i = 0; i < 12; ++i) {
        ASSERT_EQ(s.At(3 + i, 3), Plain(clWindowFrame)) << i;
        ASSERT_EQ(s.At(3 + i, 14), Plain(clWindowFrame)) << i;
        ASSERT_EQ(s.At(3, 3 + i), Plain(clWindowFrame)) << i;
        ASSERT_EQ(s.At(14, 3 + i), Plain(clWindowFrame)) << i;
    }
    EXPECT_EQ(s.At(2, 2), kBoxColour);
    EXPECT_EQ(s.At(15, 15), kBoxColour);
    EXPECT_EQ(s.At(4, 4), clWhite);
    EXPECT_EQ(s.At(13, 13), clWhite);

    f.Box->SetEnabled(false);
    const TSnapshot disabled(*f.Box);
    EXPECT_EQ(disabled.At(3, 3), Plain(clBtnShadow));
    EXPECT_EQ(disabled.At(14, 14), Plain(clBtnShadow));
    EXPECT_EQ(disabled.At(8, 8), kBoxColour);
}

TEST(CheckBoxPaint, DisabledCheckedShowsTheEmptySquareAndAnEmbossedCaption) {
    TCheckBoxForm f;
    f.Box->SetChecked(true);
    f.Box->SetEnabled(false);
    const TSnapshot s(*f.Box);
    // The rings stay; inside, neither white nor the glyph.
    ExpectShadedSquare(s, 2, 9, kBoxColour);
    EXPECT_EQ(s.At(1, 1), kBoxColour);  // the glyph's corner would be here

    const TRect r = SoundRect(f.Box->Font(), 20);
    const TTextMask mask(f.Box->Font(), "Sound", r.Width(), r.Height(), 0);
    int highlights = 0;
    for (int y = r.Top; y < r.Bottom + 1; ++y)
        for (int x = r.Left; x < r.Right + 1; ++x) {
            // Drawn in the font's colour, then the highlight one pixel down
            // and right, then the shadow where the first lay.
            const int mx = x - r.Left, my = y - r.Top;
            const TColor inFont = mask.Over(kBoxColour, Plain(f.Box->Font()->Color()), mx, my);
            const TColor expected =
                mask.Over(mask.Over(inFont, Plain(clBtnHighlight), mx - 1, my - 1), Plain(clBtnShadow), mx, my);
            highlights += mask.Ink(mx - 1, my - 1) && mask.Coverage(mx, my) == 0;
            ASSERT_TRUE(NearColour(s.At(x, y), expected)) << x << "," << y;
        }
    EXPECT_GT(highlights, 0);
}

TEST(CheckBoxPaint, TransparentCentreShowsTheBackgroundInsideTheSquare) {
    TCheckBoxForm f;
    f.Box->SetTransparentCenter(true);
    ExpectShadedSquare(TSnapshot(*f.Box), 2, 9, kBoxColour);
    f.Box->SetChecked(true);
    const TSnapshot checked(*f.Box);
    EXPECT_EQ(checked.At(1 + 5, 1 + 3), TColor(RGB(255, 0, 0)));  // the glyph still shows
    EXPECT_EQ(checked.At(1 + 3, 1 + 6), kBoxColour);              // its key shows the background
}

TEST(CheckBoxPaint, SimpleBorderFramesTheWholeControlInBorderColour) {
    TCheckBoxForm f;
    f.Box->SetBorder(obSimple);
    f.Box->SetBorderColor(clMaroon);
    const TSnapshot s(*f.Box);
    for (int x = 0; x < 97; ++x) {
        ASSERT_EQ(s.At(x, 0), clMaroon) << x;
        ASSERT_EQ(s.At(x, 18), clMaroon) << x;
    }
    for (int y = 0; y < 19; ++y) {
        ASSERT_EQ(s.At(0, y), clMaroon) << y;
        ASSERT_EQ(s.At(96, y), clMaroon) << y;
    }
    // The caption keeps x 20 and is centred in the rows 1 to 17.
    const TSize size = MeasureText(f.Box->Font(), "Sound");
    const int top = 1 + (17 - size.cy) / 2;
    EXPECT_EQ(f.Box->CaptionRect(), Rect(20, top, 20 + size.cx, top + size.cy));
}

TEST(CheckBoxPaint, LoweredAndRaisedBordersUseTheShadeColours) {
    TCheckBoxForm f;
    f.Box->SetBorder(obLowered);
    const TSnapshot lowered(*f.Box);
    EXPECT_EQ(lowered.At(0, 0), Plain(clBtnShadow));
    EXPECT_EQ(lowered.At(96, 18), Plain(clBtnHighlight));
    f.Box->SetBorder(obRaised);
    const TSnapshot raised(*f.Box);
    EXPECT_EQ(raised.At(0, 0), Plain(clBtnHighlight));
    EXPECT_EQ(raised.At(96, 18), Plain(clBtnShadow));
}

TEST(CheckBoxPaint, AutoSizeMakesTheWidthTheTextWidthPlus24) {
    TCheckBoxForm f;
    f.Box->SetCaption("A&&B");
    f.Box->SetAutoSize(true);
    // Measured with only the first "&" removed: "A&B".
    const int expected = MeasureText(f.Box->Font(), "A&B").cx + 24;
    ASSERT_NE(expected, 97);
    TSnapshot first(*f.Box);
    EXPECT_EQ(f.Box->Width(), expected);
    EXPECT_EQ(f.Box->Left(), 10);
    EXPECT_EQ(f.Box->Height(), 19);
    // Drawn the same: the doubled ampersand shows as one.
    const TSnapshot s(*f.Box);
    const TSize size = MeasureText(f.Box->Font(), "A&B");
    const TRect r = Rect(20, (19 - size.cy) / 2, 20 + size.cx, (19 - size.cy) / 2 + size.cy);
    EXPECT_EQ(f.Box->CaptionRect(), r);
    ExpectCaption(s, f.Box->Font(), "A&&B", r, Plain(clWindowText), kBoxColour);
    const TTextMask shown(f.Box->Font(), "A&B", r.Width(), r.Height(), DT_NOPREFIX);
    const TTextMask drawn(f.Box->Font(), "A&&B", r.Width(), r.Height(), 0);
    EXPECT_EQ(shown.InkCount(), drawn.InkCount());
}

TEST(CheckBoxPaint, AutoSizeWithLeftJustifyKeepsTheRightEdge) {
    TCheckBoxForm f;
    f.Box->SetAlignment(taLeftJustify);
    f.Box->SetAutoSize(true);
    f.Box->SetWordWrap(true);  // plays no part in the width
    const int right = f.Box->Left() + f.Box->Width();
    const int expected = MeasureText(f.Box->Font(), "Sound").cx + 24;
    TSnapshot s(*f.Box);
    EXPECT_EQ(f.Box->Width(), expected);
    EXPECT_EQ(f.Box->Left() + f.Box->Width(), right);
    EXPECT_EQ(f.Box->Left(), right - expected);
}

TEST(CheckBoxPaint, WordWrapBreaksWithinTheWidthAndCentresTheBlock) {
    TCheckBoxForm f;
    f.Box->SetBounds(10, 10, 80, 60);
    f.Box->SetWordWrap(true);
    f.Box->SetCaption("Very long caption text");
    TSnapshot s(*f.Box);
    const TSize line = MeasureText(f.Box->Font(), "Very");
    const TRect r = f.Box->CaptionRect();
    EXPECT_EQ(r.Left, 20);
    EXPECT_LE(r.Right, 80);
    EXPECT_GE(r.Height(), 2 * line.cy);  // more than one line
    EXPECT_EQ(r.Top, (60 - r.Height()) / 2);
}

TEST(CheckBoxPaint, FocusHighlightAndBorderWhenFocusedFollowTheFocus) {
    TCheckBoxForm f;
    TOrvoCheckBox* other = f.AddOther();
    f.Box->SetFocusHighlight(true);
    f.Box->SetBorder(obRaised);
    f.Box->SetBorderVisible(bvWhenFocused);
    f.Show();
    other->SetFocus();
    ProcessPendingPaints();
    ASSERT_FALSE(f.Box->MouseOver());
    ASSERT_FALSE(f.Box->Focused());
    const TSnapshot unfocused(*f.Box);
    EXPECT_EQ(unfocused.At(0, 0), kBoxColour);
    EXPECT_EQ(unfocused.At(96, 18), kBoxColour);

    f.Box->SetFocus();
    ProcessPendingPaints();
    ASSERT_TRUE(f.Box->Focused());
    const TSnapshot focused(*f.Box);
    EXPECT_EQ(focused.At(0, 0), Plain(clBtnHighlight));
    EXPECT_EQ(focused.At(96, 18), Plain(clBtnShadow));
    EXPECT_EQ(focused.At(50, 1), clLime);  // HighlightColor
    // The dotted focus frame one pixel outside the caption inverts every
    // other pixel of the lime.
    const TRect r = f.Box->CaptionRect();
    int inverted = 0, kept = 0;
    for (int x = r.Left - 1; x <= r.Right; ++x) {
        const TColor c = focused.At(x, r.Top - 1);
        if (c == TColor(RGB(255, 0, 255))) ++inverted;
        else if (c == clLime) ++kept;
    }
    EXPECT_GT(inverted, r.Width() / 3);
    EXPECT_GT(kept, r.Width() / 3);
    EXPECT_EQ(inverted + kept, r.Width() + 2);

    f.Box->SetTransparent(true);  // the highlight does not show over the parent's picture
    const TSnapshot transparent(*f.Box);
    EXPECT_EQ(transparent.At(50, 1), kFormColour);
}

TEST(CheckBoxPaint, TransparentShowsTheParentsPictureAndIsNeverErased) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 100);
    auto* parent = new TPatternParent(&form);
    parent->SetParent(&form);
    parent->SetBounds(0, 0, 200, 100);
    auto* box = new TCountingCheckBox(parent);
    box->SetParent(parent);
    box->SetBounds(10, 20, 97, 19);
    box->SetAutoSize(false);
    box->SetCaption("Sound");
    box->SetTransparent(true);

    const TSnapshot s(*box);
    EXPECT_EQ(s.EraseResult, 1);
    EXPECT_EQ(s.At(0, 0), PatternAt(10, 20));
    EXPECT_EQ(s.At(96, 18), PatternAt(106, 38));
    EXPECT_EQ(s.At(18, 9), PatternAt(28, 29));  // between square and caption
    EXPECT_EQ(s.At(8, 8), clWhite);             // the square keeps its white

    // The erase alone paints nothing.
    TBitmap untouched;
    untouched.SetPixelFormat(pf32bit);
    untouched.SetSize(4, 4);
    untouched.Canvas()->Brush()->SetColor(kMarker);
    untouched.Canvas()->FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(box->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(untouched.Canvas()->Handle()), 0), 1);
    EXPECT_EQ(untouched.Pixel(0, 0), kMarker);

    // Moving repaints over the picture now under it.
    ShowFormForAutomation(&form);
    MoveMouse(&form, Point(185, 85));
    MoveMouse(&form, Point(190, 90));
    const int paints = box->Paints;
    box->SetLeft(30);
    ProcessPendingPaints();
    EXPECT_GT(box->Paints, paints);
    EXPECT_EQ(TSnapshot(*box).At(0, 0), PatternAt(30, 20));
}

TEST(CheckBoxPaint, HotLookWashesTheBackgroundAndColoursTheCaption) {
    TCheckBoxForm f;
    f.Show();
    MoveMouse(f.Box, Point(50, 9));
    ASSERT_TRUE(f.Box->MouseOver());
    const TSnapshot s(*f.Box);
    // Halfway from clBtnHighlight to the box colour, rounding toward the highlight.
    const COLORREF h = ColorToRGB(clBtnHighlight), c = ColorToRGB(kBoxColour);
    auto half = [](int hc, int pc) { return std::uint8_t(hc - 50 * (hc - pc) / 100); };
    const TColor washed = TColor(RGB(half(GetRValue(h), GetRValue(c)), half(GetGValue(h), GetGValue(c)),
                                     half(GetBValue(h), GetBValue(c))));
    EXPECT_EQ(s.At(0, 0), washed);
    ExpectCaption(s, f.Box->Font(), "Sound", SoundRect(f.Box->Font(), 20), clBlue, washed);
    EXPECT_EQ(s.At(8, 8), clWhite);

    MoveMouse(&f.Form, Point(200, 100));
    ASSERT_FALSE(f.Box->MouseOver());
    const TSnapshot cold(*f.Box);
    EXPECT_EQ(cold.At(0, 0), kBoxColour);
    ExpectCaption(cold, f.Box->Font(), "Sound", SoundRect(f.Box->Font(), 20), Plain(clWindowText), kBoxColour);
}
