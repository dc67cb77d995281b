// The drawing paths that skip per-pixel work: unscaled image copies (with and
// without a key colour) against the scaled copy they stand in for, straight
// lines under a clip region of several rectangles, direct row access to the
// paintable pixels, solid fills under simple and complex clips, and the text
// layouts a font keeps.

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

#include "drawing_test_support.h"
#include "host/services/GdiInternal.h"

using namespace Orvo;

namespace {

// An image whose every pixel differs (the reserved byte too).
QImage Pattern(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) *gdi::PixelAt(image, x, y) = 0x11000000u | QRgb(x * 7) << 16 | QRgb(y * 9) << 8 | QRgb(x + y);
    return image;
}

// The copy as the scaled path computes it, pixel by pixel: the source pixel
// under each destination pixel's centre, keyed pixels skipped or replaced.
QImage ReferenceCopy(QImage target, const TPoint& origin, const QRegion& clip, const TRect& dest,
                     const gdi::TImageCopy& copy) {
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            const int lx = x - origin.X, ly = y - origin.Y;
            if (!clip.contains(QPoint(x, y)) || lx < dest.Left || lx >= dest.Right || ly < dest.Top || ly >= dest.Bottom)
                continue;
            const int sx = copy.Source.left() + (lx - dest.Left), sy = copy.Source.top() + (ly - dest.Top);
            if (!copy.Image->rect().contains(sx, sy)) continue;
            const QRgb p = *gdi::PixelAt(*copy.Image, sx, sy);
            if (copy.Key && gdi::PixelToRGB(p) == *copy.Key) {
                if (copy.KeyReplacement) *gdi::PixelAt(target, x, y) = *copy.KeyReplacement;
                continue;
            }
            *gdi::PixelAt(target, x, y) = p;
        }
    return target;
}

}  // namespace

TEST(UnscaledImageCopy, MatchesThePixelByPixelCopyUnderClipsKeysAndEdges) {
    const QImage source = Pattern(40, 30);
    // A key colour that occurs: the colour bits of pixel (3, 4).
    const COLORREF key = gdi::PixelToRGB(*gdi::PixelAt(source, 3, 4));
    struct TCase {
        const char* Name;
        TRect Dest;
        QRect Source;
        bool Keyed, Replaced;
    };
    const TCase cases[] = {
        {"plain", Bounds(5, 6, 40, 30), QRect(0, 0, 40, 30), false, false},
        {"part of the source", Bounds(-3, 2, 20, 15), QRect(10, 8, 20, 15), false, false},
        {"source beyond the image", Bounds(0, 0, 30, 30), QRect(25, 20, 30, 30), false, false},
        {"key skipped", Bounds(2, 1, 16, 16), QRect(0, 0, 16, 16), true, false},
        {"key replaced", Bounds(2, 1, 16, 16), QRect(0, 0, 16, 16), true, true},
    };
    for (const TCase& c : cases) {
        TTestSurface surface(50, 40, clYellow);
        SetViewportOrgEx(surface.dc(), 4, -2, nullptr);
        // A clip of two rectangles with a gap between them.
        const QRegion clip = QRegion(0, 0, 50, 12) | QRegion(10, 20, 25, 15);
        HRGN region = CreateRegionFrom(clip);
        SelectClipRgn(surface.dc(), region);
        DeleteObject(region);
        gdi::TImageCopy copy;
        copy.Image = &source;
        copy.Source = c.Source;
        if (c.Keyed) copy.Key = key;
        if (c.Replaced) copy.KeyReplacement = 0xFF00FF00u;
        const QImage expected = ReferenceCopy(surface.Image, TPoint{4, -2}, clip, c.Dest, copy);
        ASSERT_TRUE(gdi::StretchImage(surface.dc(), c.Dest, copy)) << c.Name;
        EXPECT_EQ(surface.Image, expected) << c.Name;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 50; ++x)
                ASSERT_EQ(*gdi::PixelAt(surface.Image, x, y), *gdi::PixelAt(expected, x, y)) << c.Name << " " << x << "," << y;
    }
}

TEST(UnscaledImageCopy, AnImageDrawnOntoItselfReadsTheOldPixels) {
    QImage image = Pattern(20, 10);
    const QImage before = image;
    auto dc = CreateImageDC(image);
    gdi::TImageCopy copy;
    copy.Image = &image;
    copy.Source = QRect(0, 0, 10, 10);
    gdi::StretchImage(dc.get(), Bounds(3, 0, 10, 10), copy);  // overlapping, shifted right
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(*gdi::PixelAt(image, x + 3, y), *gdi::PixelAt(before, x, y)) << x << "," << y;
}

TEST(StraightLines, FollowAClipOfSeveralRectanglesAndLeaveTheEndPointOut) {
    // Lines drawn in all four directions under a clip with a hole; each
    // pixel is painted exactly when it is on the line (end point excluded)
    // and inside the clip.
    struct TLine {
        int X0, Y0, X1, Y1;
    };
    const TLine lines[] = {{1, 5, 28, 5}, {28, 7, 1, 7}, {6, 1, 6, 18}, {9, 18, 9, 1}};
    const QRegion clip = QRegion(0, 0, 30, 20).subtracted(QRegion(10, 3, 8, 10));
    for (const TLine& l : lines) {
        TTestSurface surface(30, 20, clWhite);
        HRGN region = CreateRegionFrom(clip);
        SelectClipRgn(surface.dc(), region);
        DeleteObject(region);
        HPEN pen = CreatePen(PS_SOLID, 1, clRed);
        SelectObject(surface.dc(), pen);
        MoveToEx(surface.dc(), l.X0, l.Y0, nullptr);
        LineTo(surface.dc(), l.X1, l.Y1);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                const bool onLine = l.Y0 == l.Y1 ? y == l.Y0 && x >= std::min(l.X0, l.X1) && x <= std::max(l.X0, l.X1) &&
                                                       x != l.X1
                                                 : x == l.X0 && y >= std::min(l.Y0, l.Y1) && y <= std::max(l.Y0, l.Y1) &&
                                                       y != l.Y1;
                const bool painted = onLine && clip.contains(QPoint(x, y));
                ASSERT_EQ(surface.At(x, y), painted ? clRed : clWhite) << l.X0 << "," << l.Y0 << " " << x << "," << y;
            }
        SelectObject(surface.dc(), GetStockObject(BLACK_PEN));
        DeleteObject(pen);
    }
}

TEST(SolidFills, PaintExactlyTheRectangleWithinImageClipAndOrigin) {
    // FillRect and an opaque ExtTextOut take a shortcut when the clip is one
    // rectangle; every clip must give the pixels the region path gives.
    struct TClipCase {
        const char* Name;
        std::optional<QRegion> Clip;
    };
    const TClipCase clips[] = {
        {"no clip", std::nullopt},
        {"one rectangle", QRegion(3, 2, 10, 6)},
        {"two rectangles", QRegion(0, 0, 6, 12) | QRegion(10, 5, 8, 3)},
        {"empty", QRegion()},
    };
    const TRect rects[] = {Rect(2, 1, 9, 7), Rect(-4, -3, 30, 4), Rect(15, 8, 40, 20), Rect(5, 5, 5, 9)};
    for (const bool opaqueText : {false, true})
        for (const TClipCase& c : clips)
            for (const TRect& rect : rects) {
                TTestSurface surface(20, 12, clWhite);
                SetViewportOrgEx(surface.dc(), 1, 2, nullptr);
                if (c.Clip) {
                    HRGN region = CreateRegionFrom(*c.Clip);
                    SelectClipRgn(surface.dc(), region);
                    DeleteObject(region);
                }
                if (opaqueText) {
                    SetBkColor(surface.dc(), clRed);
                    ExtTextOut(surface.dc(), 0, 0, ETO_OPAQUE, &rect, {});
                } else {
                    HBRUSH brush = CreateSolidBrush(clRed);
                    FillRect(surface.dc(), rect, brush);
                    DeleteObject(brush);
                }
                for (int y = 0; y < 12; ++y)
                    for (int x = 0; x < 20; ++x) {
                        const bool inRect = x - 1 >= rect.Left && x - 1 < rect.Right && y - 2 >= rect.Top && y - 2 < rect.Bottom;
                        const bool painted = inRect && (!c.Clip || c.Clip->contains(QPoint(x, y)));
                        ASSERT_EQ(surface.At(x, y), painted ? clRed : clWhite)
                            << c.Name << (opaqueText ? " text" : " brush") << " rect " << rect.Left << "," << rect.Top
                            << " pixel " << x << "," << y;
                    }
            }
}

TEST(SolidFills, BandsAreEachRowOrColumnInItsOwnColourWithinTheClip) {
    // The colour of a band is asked by its logical coordinate; a clip of two
    // rectangles and a viewport origin shift what is painted, not the colours.
    const QRegion clip = QRegion(0, 0, 9, 12) | QRegion(12, 3, 8, 5);
    const TRect rect = Rect(-1, 1, 16, 20);  // device (1, 3) to (18, 22)
    auto colour = [](int i) { return TColor(RGB(std::uint8_t(10 * (i + 5)), 7, 9)); };
    for (const TBandDirection direction : {TBandDirection::Rows, TBandDirection::Columns}) {
        TTestSurface surface(20, 12, clWhite);
        SetViewportOrgEx(surface.dc(), 2, 2, nullptr);
        HRGN region = CreateRegionFrom(clip);
        SelectClipRgn(surface.dc(), region);
        DeleteObject(region);
        ASSERT_TRUE(FillBands(surface.dc(), rect, direction, colour));
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool painted = x >= 1 && x < 18 && y >= 3 && clip.contains(QPoint(x, y));
                const TColor expected = direction == TBandDirection::Rows ? colour(y - 2) : colour(x - 2);
                ASSERT_EQ(surface.At(x, y), painted ? expected : clWhite) << int(direction) << " " << x << "," << y;
            }
    }
    EXPECT_FALSE(FillBands(nullptr, rect, TBandDirection::Rows, colour));
}

TEST(PaintableSpans, CoverExactlyTheClippedRectangleOnce) {
    TTestSurface surface(20, 12, clWhite);
    SetViewportOrgEx(surface.dc(), 2, 1, nullptr);
    const QRegion clip = QRegion(0, 0, 8, 12) | QRegion(12, 4, 8, 4);
    HRGN region = CreateRegionFrom(clip);
    SelectClipRgn(surface.dc(), region);
    DeleteObject(region);
    std::vector<int> visits(20 * 12, 0);
    const TRect logical = Rect(3, -5, 30, 6);  // device (5, -4) to (32, 7)
    ASSERT_TRUE(ForEachPaintableSpan(surface.dc(), logical, [&](std::uint8_t* pixels, int count) {
        for (int i = 0; i < count; ++i) {
            const auto offset = (pixels + 4 * i) - surface.Image.bits();
            ++visits[std::size_t(offset / surface.Image.bytesPerLine() * 20 + (offset % surface.Image.bytesPerLine()) / 4)];
        }
    }));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = clip.contains(QPoint(x, y)) && x >= 5 && y < 7;
            ASSERT_EQ(visits[std::size_t(y * 20 + x)], inside ? 1 : 0) << x << "," << y;
        }
    EXPECT_FALSE(ForEachPaintableSpan(nullptr, logical, [](std::uint8_t*, int) {}));
}

TEST(TextLayoutCache, MeasuresFollowTheTextTheFormatAndTheFont) {
    // The same DC measures and draws texts again and again; every answer must
    // be what a fresh font gives, after the text, the width or the font change.
    TTestSurface surface(300, 80, clWhite);
    LOGFONT log;
    log.lfHeight = -11;
    std::strncpy(log.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
    HFONT small = CreateFontIndirect(&log);
    log.lfHeight = -20;
    log.lfWeight = FW_BOLD;
    HFONT large = CreateFontIndirect(&log);

    auto measure = [&](HFONT font, const char* text, int width, unsigned format) {
        SelectObject(surface.dc(), font);
        TRect r = Rect(0, 0, width, 80);
        DrawText(surface.dc(), text, r, format | DT_CALCRECT);
        return std::pair(r.Width(), r.Height());
    };
    const auto wrapped = measure(small, "one two three four", 40, DT_WORDBREAK);
    const auto wider = measure(small, "one two three four", 200, DT_WORDBREAK);
    EXPECT_GT(wrapped.second, wider.second);  // the width is part of what is kept
    EXPECT_EQ(measure(small, "one two three four", 40, DT_WORDBREAK), wrapped);
    EXPECT_NE(measure(small, "one two three four!", 200, DT_WORDBREAK).first, wider.first);
    const auto bold = measure(large, "one two three four", 200, DT_WORDBREAK);
    EXPECT_GT(bold.first, wider.first);
    EXPECT_GT(bold.second, wider.second);
    // "&&" is one character unless prefixes are off.
    EXPECT_LT(measure(small, "a&&b", 200, 0).first, measure(small, "a&&b", 200, DT_NOPREFIX).first);
    SelectObject(surface.dc(), small);
    const TSize extent = TextExtent(surface.dc(), "caption");
    SelectObject(surface.dc(), large);
    EXPECT_GT(TextExtent(surface.dc(), "caption").cx, extent.cx);
    SelectObject(surface.dc(), small);
    EXPECT_EQ(TextExtent(surface.dc(), "caption"), extent);

    // Drawn twice from the kept layout, with an underline, the pixels agree
    // with a first drawing on a DC of its own.
    TTestSurface first(300, 80, clWhite);
    HFONT fresh = CreateFontIndirect(&log);
    SelectObject(first.dc(), fresh);
    SetBkMode(first.dc(), TRANSPARENT);
    TRect r1 = Rect(5, 5, 290, 75);
    DrawText(first.dc(), "&Drawn text\twith a tab", r1, DT_EXPANDTABS);
    SelectObject(surface.dc(), large);
    SetBkMode(surface.dc(), TRANSPARENT);
    for (int i = 0; i < 2; ++i) {
        surface.Image.fill(Qt::white);
        TRect r2 = Rect(5, 5, 290, 75);
        DrawText(surface.dc(), "&Drawn text\twith a tab", r2, DT_EXPANDTABS);
        EXPECT_EQ(surface.Image, first.Image) << i;
    }
    EXPECT_LT(first.Count(clWhite), 300 * 80);  // something was drawn

    SelectObject(surface.dc(), GetStockObject(SYSTEM_FONT));
    SelectObject(first.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(small);
    DeleteObject(large);
    DeleteObject(fresh);
}

TEST(TextLayoutCache, AFontAssignedWithOnlyANewColourKeepsItsObject) {
    TFont a, b;
    b.Assign(&a);
    HFONT before = b.Handle();
    const int sizeBefore = FontOf(before)->pixelSize();
    a.SetColor(clRed);
    b.Assign(&a);
    EXPECT_EQ(b.Handle(), before);
    EXPECT_EQ(b.Color(), clRed);
    a.SetHeight(-20);
    b.Assign(&a);
    ASSERT_NE(b.Handle(), nullptr);
    EXPECT_EQ(b.Height(), -20);
    EXPECT_NE(FontOf(b.Handle())->pixelSize(), sizeBefore);  // a new face gets a new object
}
