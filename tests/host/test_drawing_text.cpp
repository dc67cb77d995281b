// Fonts, text metrics, TextOut and the DrawText formatter.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include <cstring>

#include "drawing_test_support.h"
#include "host/services/FontMapping.h"

using namespace Orvo;

namespace {

// A surface with a font selected, black text, transparent background.
struct TTextSurface : TTestSurface {
    HFONT Font;
    TTextSurface(int width, int height, int fontHeight = -11) : TTestSurface(width, height) {
        LOGFONT log;
        log.lfHeight = fontHeight;
        std::strcpy(log.lfFaceName, "MS Sans Serif");
        Font = CreateFontIndirect(&log);
        SelectObject(dc(), Font);
        SetBkMode(dc(), TRANSPARENT);
        SetTextColor(dc(), clBlack);
    }
    ~TTextSurface() {
        SelectObject(dc(), GetStockObject(SYSTEM_FONT));
        DeleteObject(Font);
    }
    int LineHeight() {
        TEXTMETRIC tm;
        GetTextMetrics(dc(), &tm);
        return tm.tmHeight;
    }
    int Width(std::string_view text) { return TextExtent(dc(), text).cx; }
    // Bounding box of the ink of text in a colour over white (empty when none).
    TRect InkBox(TColor color) const {
        TRect box{Image.width(), Image.height(), -1, -1};
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                if (IsInk(At(x, y), color, clWhite)) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.Right < 0 ? TRect{} : box;
    }
    int CalcHeight(std::string_view text, int width, unsigned flags) {
        TRect r = Rect(0, 0, width, 1000);
        return DrawText(dc(), text, r, flags | DT_CALCRECT);
    }
};

}  // namespace

TEST(DrawingText, FormFontNamesMapToTheInstalledFamilies) {
    EXPECT_EQ(MapFontFamily("MS Sans Serif"), "DejaVu Sans Condensed");
    EXPECT_EQ(MapFontFamily("tahoma"), "DejaVu Sans Condensed");
    EXPECT_EQ(MapFontFamily("Segoe UI"), "DejaVu Sans");
    EXPECT_EQ(MapFontFamily("Courier New"), "DejaVu Sans Mono");
    EXPECT_EQ(MapFontFamily("Times New Roman"), "DejaVu Serif");
    EXPECT_EQ(MapFontFamily("Comic Something"), "DejaVu Sans");
    EXPECT_EQ(PointsToPixels(8), 11);
    EXPECT_EQ(PixelsToPoints(11), 8);
    TFont font;
    // The dialog faces are set at 9/11 of the asked height.
    EXPECT_EQ(FontOf(font.Handle())->family(), "DejaVu Sans Condensed");
    EXPECT_EQ(FontOf(font.Handle())->pixelSize(), 9);
    EXPECT_EQ(MapFontPixelSize("MS Sans Serif", 16), 13);
    EXPECT_EQ(MapFontPixelSize("ms sans serif", 1), 1);
    EXPECT_EQ(MapFontPixelSize("DejaVu Sans", 11), 11);
}

TEST(DrawingText, DialogFontsGetTheNarrowerCondensedCut) {
    // Forms are laid out for the narrow dialog face: its stand-in must be
    // really installed and narrower than the plain family, or captions spill.
    TTextSurface surface(200, 20, -11);  // selects MS Sans Serif
    const int narrow = surface.Width("Transparent Center");
    TFont plain;
    plain.SetName("Verdana");
    plain.SetHeight(-11);
    SelectObject(surface.dc(), plain.Handle());
    const int wide = surface.Width("Transparent Center");
    SelectObject(surface.dc(), surface.Font);
    EXPECT_GT(narrow, 0);
    EXPECT_LT(narrow, wide * 95 / 100);
}

TEST(DrawingText, MetricsOfCharacterAndCellHeights) {
    TTextSurface em(10, 10, -11);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(em.dc(), &tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - MapFontPixelSize("MS Sans Serif", 11));
    EXPECT_GE(tm.tmInternalLeading, 0);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);

    TTextSurface cell(10, 10, 20);  // a positive height is the cell height
    TEXTMETRIC ctm;
    GetTextMetrics(cell.dc(), &ctm);
    EXPECT_LE(ctm.tmHeight, 20);
    EXPECT_GE(ctm.tmHeight, 18);

    TSize size;
    ASSERT_TRUE(GetTextExtentPoint32(em.dc(), "", 0, &size));
    EXPECT_EQ(size, (TSize{0, tm.tmHeight}));
    ASSERT_TRUE(GetTextExtentPoint32(em.dc(), "abc", 2, &size));
    EXPECT_EQ(size.cx, em.Width("ab"));
}

TEST(DrawingText, TextPixelsBlendTheTextColourIntoTheBackground) {
    TTextSurface s(80, 20);
    SetTextColor(s.dc(), clRed);
    ASSERT_TRUE(TextOut(s.dc(), 2, 2, "Hello, world"));
    // Grey antialiasing: every pixel lies between white and red (no colour
    // fringes), more than a few are mostly red, and some are in between.
    EXPECT_EQ(s.CountBetween(clRed, clWhite), 80 * 20);
    EXPECT_GT(s.CountInk(clRed, clWhite), 20);
    EXPECT_GT(80 * 20 - s.Count(clWhite) - s.Count(clRed), 20);
}

TEST(DrawingText, TextOutOpaqueFillsTheCellWithTheBackgroundColour) {
    TTextSurface s(60, 20);
    SetBkMode(s.dc(), OPAQUE);
    SetBkColor(s.dc(), clYellow);
    TextOut(s.dc(), 3, 1, "ab");
    const int w = s.Width("ab"), h = s.LineHeight();
    EXPECT_EQ(s.Count(clWhite), 60 * 20 - w * h);
    EXPECT_EQ(s.CountBetween(clYellow, clBlack, 3, 1, 3 + w, 1 + h), w * h);
    EXPECT_GT(s.CountInk(clBlack, clYellow, 3, 1, 3 + w, 1 + h), 0);
}

TEST(DrawingText, CalcRectMeasuresSingleLines) {
    TTextSurface s(10, 10);
    TRect r = Rect(5, 7, 6, 8);
    const int height = DrawText(s.dc(), "Caption", r, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(height, s.LineHeight());
    EXPECT_EQ(r, Rect(5, 7, 5 + s.Width("Caption"), 7 + s.LineHeight()));
    EXPECT_EQ(s.Count(clBlack), 0);  // measuring draws nothing

    TRect empty = Rect(5, 7, 50, 80);
    EXPECT_EQ(DrawText(s.dc(), "", empty, DT_SINGLELINE | DT_CALCRECT), s.LineHeight());
    EXPECT_EQ(empty, Rect(5, 7, 5, 7 + s.LineHeight()));
    TRect emptyMulti = Rect(5, 7, 50, 80);
    EXPECT_EQ(DrawText(s.dc(), "", emptyMulti, DT_WORDBREAK | DT_CALCRECT), 0);
    EXPECT_EQ(emptyMulti, Rect(5, 7, 5, 7));
}

TEST(DrawingText, WordBreakBreaksAtSpacesToFitTheWidth) {
    TTextSurface s(10, 10);
    const int lh = s.LineHeight();
    const int twoWords = s.Width("aaa aaa");
    EXPECT_EQ(s.CalcHeight("aaa aaa aaa", twoWords, DT_WORDBREAK), 2 * lh);
    EXPECT_EQ(s.CalcHeight("aaa aaa aaa", twoWords - 1, DT_WORDBREAK), 3 * lh);
    EXPECT_EQ(s.CalcHeight("aaa aaa aaa", 1000, DT_WORDBREAK), lh);
    TRect two = Rect(0, 0, twoWords, 100);
    DrawText(s.dc(), "aaa aaa aaa", two, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(two.Right, twoWords);  // the widest line; the spaces at the break are dropped
    // A word wider than the rectangle keeps its own line and sets the width.
    TRect r = Rect(0, 0, 5, 100);
    DrawText(s.dc(), "abcdefgh ij", r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(r.Right, s.Width("abcdefgh"));
    EXPECT_EQ(r.Bottom, 2 * lh);
    // Without DT_WORDBREAK the text stays on one line.
    EXPECT_EQ(s.CalcHeight("aaa bbb ccc", 5, 0), lh);
}

TEST(DrawingText, LineBreaksStartNewLinesUnlessSingleLine) {
    TTextSurface s(10, 10);
    const int lh = s.LineHeight();
    EXPECT_EQ(s.CalcHeight("a\r\nb\nc\rd", 100, 0), 4 * lh);
    EXPECT_EQ(s.CalcHeight("one\r\ntwo", 100, DT_WORDBREAK), 2 * lh);
    EXPECT_EQ(s.CalcHeight("a\n\nb", 100, 0), 3 * lh);
    EXPECT_EQ(s.CalcHeight("line\r\n", 100, 0), lh);  // a final break adds no line
    TRect r = Rect(0, 0, 100, 100);
    EXPECT_EQ(DrawText(s.dc(), "a\r\nb", r, DT_SINGLELINE | DT_CALCRECT), lh);
    EXPECT_EQ(r.Right, s.Width("ab"));
}

TEST(DrawingText, PrefixesUnderlineAndDoubleAmpersandsShowOne) {
    TTextSurface s(10, 10);
    auto width = [&](std::string_view text, unsigned flags) {
        TRect r = Rect(0, 0, 1000, 100);
        DrawText(s.dc(), text, r, flags | DT_SINGLELINE | DT_CALCRECT);
        return r.Right;
    };
    EXPECT_EQ(width("&File", 0), s.Width("File"));
    EXPECT_EQ(width("A&&B", 0), s.Width("A&B"));
    EXPECT_EQ(width("&File", DT_NOPREFIX), s.Width("&File"));
    EXPECT_EQ(width("A&&B", DT_NOPREFIX), s.Width("A&&B"));

    // The prefixed letter gets an underline below the baseline, nothing else changes.
    TTextSurface plain(40, 20), prefixed(40, 20);
    TRect r1 = Rect(2, 2, 40, 20), r2 = Rect(2, 2, 40, 20);
    DrawText(plain.dc(), "Fx", r1, DT_SINGLELINE);
    DrawText(prefixed.dc(), "&Fx", r2, DT_SINGLELINE);
    TEXTMETRIC tm;
    GetTextMetrics(plain.dc(), &tm);
    const int baseline = 2 + tm.tmAscent;
    const int fWidth = plain.Width("F");
    int extra = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool a = plain.At(x, y) == clBlack, b = prefixed.At(x, y) == clBlack;
            EXPECT_FALSE(a && !b) << "prefix removed a pixel at " << x << "," << y;
            if (b && !a) {
                ++extra;
                EXPECT_GE(y, baseline);
                EXPECT_GE(x, 2);
                EXPECT_LT(x, 2 + fWidth);
            }
        }
    EXPECT_GE(extra, fWidth / 2);
    // With DT_HIDEPREFIX the ampersand is removed but nothing is underlined.
    TTextSurface hidden(40, 20);
    TRect r3 = Rect(2, 2, 40, 20);
    DrawText(hidden.dc(), "&Fx", r3, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(hidden.Image, plain.Image);
}

TEST(DrawingText, HorizontalAndVerticalAlignment) {
    TTextSurface s(100, 40);
    const int w = s.Width("Mm"), lh = s.LineHeight();
    TRect r = Rect(10, 5, 90, 35);
    DrawText(s.dc(), "Mm", r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    const TRect ink = s.InkBox(clBlack);
    EXPECT_LE(ink.Right, 90);
    EXPECT_GE(ink.Left, 90 - w);
    EXPECT_LE(ink.Bottom, 35);
    EXPECT_GE(ink.Top, 35 - lh);

    TTextSurface c(100, 40);
    TRect rc = Rect(10, 5, 90, 35);
    const int returned = DrawText(c.dc(), "Mm", rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const TRect cink = c.InkBox(clBlack);
    const int left = 10 + (80 - w) / 2, top = 5 + (30 - lh) / 2;
    EXPECT_GE(cink.Left, left);
    EXPECT_LE(cink.Right, left + w);
    EXPECT_GE(cink.Top, top);
    EXPECT_LE(cink.Bottom, top + lh);
    EXPECT_EQ(returned, top + lh - 5);
}

TEST(DrawingText, DrawTextClipsToTheRectangleUnlessNoClip) {
    TTextSurface s(100, 30);
    TRect r = Rect(0, 0, 12, 30);
    DrawText(s.dc(), "WWWWWWWW", r, DT_SINGLELINE);
    EXPECT_GT(s.CountInk(clBlack, clWhite, 0, 0, 12, 30), 0);
    EXPECT_EQ(s.Count(clWhite, 12, 0, 100, 30), 88 * 30);
    TTextSurface n(100, 30);
    TRect rn = Rect(0, 0, 12, 30);
    DrawText(n.dc(), "WWWWWWWW", rn, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(n.CountInk(clBlack, clWhite, 12, 0, 100, 30), 0);
}

TEST(DrawingText, OpaqueDrawTextFillsEachLineWithTheBackgroundColour) {
    TTextSurface s(100, 40);
    SetBkMode(s.dc(), OPAQUE);
    SetBkColor(s.dc(), clAqua);
    TRect r = Rect(0, 0, 100, 40);
    DrawText(s.dc(), "ab\r\nabc", r, 0);
    const int lh = s.LineHeight();
    EXPECT_EQ(100 * 40 - s.Count(clWhite), (s.Width("ab") + s.Width("abc")) * lh);
    EXPECT_EQ(s.CountBetween(clAqua, clBlack, 0, 0, s.Width("ab"), lh), s.Width("ab") * lh);
    EXPECT_EQ(s.CountBetween(clAqua, clBlack, 0, lh, s.Width("abc"), 2 * lh), s.Width("abc") * lh);
    EXPECT_EQ(s.Count(clWhite, 0, 2 * lh, 100, 40), 100 * (40 - 2 * lh));
}

TEST(DrawingText, ExpandTabsAdvancesToTheNextTabStop) {
    TTextSurface s(10, 10);
    TEXTMETRIC tm;
    GetTextMetrics(s.dc(), &tm);
    TRect r = Rect(0, 0, 1000, 100);
    DrawText(s.dc(), "a\tb", r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(r.Right, 8 * tm.tmAveCharWidth + s.Width("b"));
}

TEST(DrawingText, DrawTextAHonoursItsCount) {
    TTextSurface s(10, 10);
    TRect r = Rect(0, 0, 100, 100);
    DrawTextA(s.dc(), "abcdef", 3, &r, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(r.Right, s.Width("abc"));
    TRect all = Rect(0, 0, 100, 100);
    DrawTextA(s.dc(), "abcdef", -1, &all, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(all.Right, s.Width("abcdef"));
    EXPECT_EQ(DrawTextA(s.dc(), nullptr, 3, &all, 0), 0);
}

TEST(DrawingText, CanvasTextRectClipsAndFillsWithASolidBrush) {
    TTestCanvas t(60, 20);
    t.Canvas.Font()->SetColor(clBlack);
    t.Canvas.Brush()->SetColor(clYellow);
    t.Canvas.TextRect(Rect(5, 2, 15, 12), 5, 2, "WWWWWW");
    EXPECT_EQ(t.Surface.CountBetween(clYellow, clBlack, 5, 2, 15, 12), 10 * 10);
    EXPECT_EQ(t.Surface.Count(clWhite), 60 * 20 - 10 * 10);
    EXPECT_EQ(t.Canvas.TextHeight("x"), t.Canvas.TextExtent("").cy);
}

// A caption's layout is kept with its font and its glyphs shaped once: drawn
// again elsewhere and in another colour it gives the same ink there, and the
// same as text drawn without the cache (TextOut lays out every time).
TEST(DrawingText, ACachedLayoutDrawsTheSameGlyphsWhereverAndInAnyColour) {
    TTextSurface s(200, 60);
    TRect first = Rect(2, 2, 100, 20);
    DrawText(s.dc(), "Hot caption Wq", first, DT_SINGLELINE | DT_LEFT);
    SetTextColor(s.dc(), clBlue);
    TRect second = Rect(97, 31, 195, 49);
    DrawText(s.dc(), "Hot caption Wq", second, DT_SINGLELINE | DT_LEFT);
    TTextSurface reference(200, 60);
    TextOut(reference.dc(), 2, 2, "Hot caption Wq");
    int ink = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 95; ++x) {
            // The same coverage: black over white and blue over white give
            // the same grey level in the red channel.
            const int coverage = 255 - qRed(s.Image.pixel(2 + x, 2 + y));
            ink += coverage > 127;
            ASSERT_EQ(coverage, 255 - qRed(s.Image.pixel(97 + x, 31 + y))) << x << "," << y;
            ASSERT_EQ(s.At(2 + x, 2 + y), reference.At(2 + x, 2 + y)) << x << "," << y;
        }
    EXPECT_GT(ink, 40);
}

// Text is measured from its runs shaped once; the widths must stay Qt's own
// measure of the text, before and after it is drawn, for every kind of text
// (spaces at either end, ligatures, right-to-left, combining marks, control
// characters, separators, a wide character).
TEST(DrawingText, ExtentsAreQtsOwnMeasureBeforeAndAfterDrawing) {
    TTextSurface s(300, 40);
    const QFontMetrics metrics(s.Font->Data->Font);
    const char* const texts[] = {"Box 1",        "OK ",          "   lead",         "trail   ",
                                 "fi ffl WAVE",  "\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d world", "e\xcc\x81 x", "a\x01\x02 b",
                                 "x\xe2\x80\xa8y", "\xc2\x9c" "a", "\xe6\x97\xa5\xe6\x9c\xac", " "};
    for (const char* text : texts) {
        const int qt = metrics.horizontalAdvance(QString::fromUtf8(text));
        EXPECT_EQ(TextExtent(s.dc(), text).cx, qt) << text;
        TRect r = Rect(0, 0, 300, 40);
        DrawText(s.dc(), text, r, DT_SINGLELINE | DT_NOPREFIX);
        EXPECT_EQ(TextExtent(s.dc(), text).cx, qt) << text;
        TRect calc = Rect(0, 0, 300, 40);
        DrawText(s.dc(), text, calc, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        EXPECT_EQ(calc.Width(), qt) << text;
    }
}

// A form's controls each make a font object, mostly of one description:
// they share one QFont and one text cache, and a changed font is another.
TEST(DrawingText, FontObjectsOfOneDescriptionShareWhatTheyMake) {
    LOGFONT log;
    log.lfHeight = -11;
    std::strcpy(log.lfFaceName, "MS Sans Serif");
    HFONT a = CreateFontIndirect(&log);
    HFONT b = CreateFontIndirect(&log);
    log.lfWeight = 700;
    HFONT bold = CreateFontIndirect(&log);
    EXPECT_EQ(a->Data, b->Data);
    EXPECT_NE(a->Data, bold->Data);
    EXPECT_TRUE(bold->Data->Font.bold());
    for (HFONT f : {a, b, bold}) DeleteObject(f);
}
