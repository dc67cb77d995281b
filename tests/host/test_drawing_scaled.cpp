// Device contexts with two device pixels per logical pixel (a window at a
// device pixel ratio of 2): whatever is drawn in whole logical pixels comes
// out as the ratio-1 picture with each pixel a 2 x 2 block; text and the
// curves of shapes and of shape regions are drawn at the finer resolution;
// what callers read back stays logical.
#include <gtest/gtest.h>

#include <functional>

#include "drawing_test_support.h"
#include "host/services/GdiInternal.h"

using namespace Orvo;

namespace {

constexpr int kScale = 2;

// A picture whose every pixel is distinct, standing for a glyph loaded from
// a file (always at its own size).
QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(40 * x, 40 * y, 200));
    return image;
}

// Logical pixels of `one` whose block in `two` is not four copies of them.
int InexactBlocks(const QImage& one, const QImage& two) {
    int count = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const QRgb p = one.pixel(x, y);
            count += two.pixel(2 * x, 2 * y) != p || two.pixel(2 * x + 1, 2 * y) != p ||
                     two.pixel(2 * x, 2 * y + 1) != p || two.pixel(2 * x + 1, 2 * y + 1) != p;
        }
    return count;
}

// The bounding box of the pixels of an image that are not white.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Logical pixels whose block of scale x scale device pixels is not of one
// colour: where a curve is drawn finer than whole pixels.
int MixedBlocks(const QImage& image, int scale) {
    int count = 0;
    for (int y = 0; y + scale <= image.height(); y += scale)
        for (int x = 0; x + scale <= image.width(); x += scale) {
            bool mixed = false;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) mixed |= image.pixel(x + dx, y + dy) != image.pixel(x, y);
            count += mixed;
        }
    return count;
}

// Moves the origin and clips the way a transparent child asks its parent to
// paint (the origin shifted by the child's position, clipped to the parent).
void AsChildOfParent(HDC dc) {
    SetViewportOrgEx(dc, 3, 2, nullptr);
    IntersectClipRect(dc, -1, -1, 20, 14);
    ExcludeClipRect(dc, 8, 5, 10, 7);
}

struct TDrawCase {
    const char* Name;
    std::function<void(HDC)> Draw;
};

}  // namespace

TEST(DrawingScaled, WholePixelDrawingIsTheRatioOnePictureInTwoByTwoBlocks) {
    static const QImage glyph = Picture(5, 4);
    const TDrawCase cases[] = {
        {"FillRect", [](HDC dc) { FillRect(dc, Rect(2, 1, 9, 6), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }},
        {"FrameRect", [](HDC dc) { FrameRect(dc, Rect(1, 1, 12, 9), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }},
        {"Rectangle, pen 1", [](HDC dc) { Rectangle(dc, 1, 2, 11, 9); }},
        {"Rectangle, pen 3",
         [](HDC dc) {
             HPEN pen = CreatePen(PS_SOLID, 3, clRed);
             HGDIOBJ old = SelectObject(dc, pen);
             Rectangle(dc, 3, 3, 13, 10);
             SelectObject(dc, old);
             DeleteObject(pen);
         }},
        {"straight and slanted lines",
         [](HDC dc) {
             MoveToEx(dc, 0, 3, nullptr);
             LineTo(dc, 15, 3);
             LineTo(dc, 15, 0);
             LineTo(dc, 2, 9);
         }},
        {"push button frame", [](HDC dc) {
             TRect r = Rect(1, 1, 14, 10);
             DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
         }},
        {"focus rectangle", [](HDC dc) { DrawFocusRect(dc, Rect(0, 0, 13, 9)); }},
        {"pixels, inversions and patterns",
         [](HDC dc) {
             SetPixel(dc, 4, 4, clBlue);
             InvertRect(dc, Rect(5, 0, 9, 12));
             PatBlt(dc, 0, 6, 6, 2, BLACKNESS);
         }},
        {"rectangular region fill", [](HDC dc) {
             HRGN region = CreateRectRgn(1, 1, 12, 10);
             HRGN hole = CreateRectRgn(4, 3, 6, 8);
             CombineRgn(region, region, hole, RGN_DIFF);
             FillRgn(dc, region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
             DeleteObject(hole);
             DeleteObject(region);
         }},
        {"glyph bitmap copied, stretched and keyed", [](HDC dc) {
             HDC mem = CreateCompatibleDC(nullptr);
             HBITMAP bitmap = CreateBitmapFrom(glyph);
             HGDIOBJ old = SelectObject(mem, bitmap);
             BitBlt(dc, 1, 1, 5, 4, mem, 0, 0, SRCCOPY);
             BitBlt(dc, 7, 1, 4, 3, mem, 1, 1, SRCINVERT);
             StretchBlt(dc, 1, 6, 10, 4, mem, 0, 0, 5, 2, SRCCOPY);
             gdi::TImageCopy keyed;
             keyed.Image = &glyph;
             keyed.Source = glyph.rect();
             keyed.Key = RGB(40, 40, 200);
             gdi::StretchImage(dc, Rect(11, 6, 16, 10), keyed);
             SelectObject(mem, old);
             DeleteObject(bitmap);
             DeleteDC(mem);
         }},
        {"blend over every paintable span", [](HDC dc) {
             PatBlt(dc, 0, 0, 20, 14, BLACKNESS);
             ForEachPaintableSpan(dc, Rect(2, 2, 12, 8), [](std::uint8_t* pixels, int count) {
                 for (int i = 0; i < count * 4; ++i) pixels[i] = std::uint8_t(pixels[i] + 100);
             });
         }},
    };
    for (const TDrawCase& c : cases) {
        TTestSurface one(22, 16), two(22, 16, clWhite, kScale);
        for (TTestSurface* s : {&one, &two}) {
            AsChildOfParent(s->dc());
            c.Draw(s->dc());
        }
        EXPECT_NE(one.Count(clWhite), 22 * 16) << c.Name << " drew nothing";
        EXPECT_EQ(InexactBlocks(one.Image, two.Image), 0) << c.Name;
    }
}

TEST(DrawingScaled, WhatCallersReadBackIsLogical) {
    TTestSurface s(30, 20, clWhite, kScale);
    EXPECT_EQ(GetDCImageSize(s.dc()), Point(30, 20));
    SetViewportOrgEx(s.dc(), -4, 5, nullptr);
    TPoint origin;
    GetViewportOrgEx(s.dc(), &origin);
    EXPECT_EQ(origin, Point(-4, 5));
    IntersectClipRect(s.dc(), 6, 0, 16, 7);
    TRect box;
    EXPECT_EQ(GetClipBox(s.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(6, 0, 16, 7));
    // One logical pixel is a whole block; it reads back as one colour.
    EXPECT_EQ(SetPixel(s.dc(), 7, 1, clRed), COLORREF(ColorToRGB(clRed)));
    EXPECT_EQ(GetPixel(s.dc(), 7, 1), COLORREF(ColorToRGB(clRed)));
    EXPECT_EQ(s.Count(clRed), 4);
    EXPECT_EQ(s.At(6, 12), clRed);
    EXPECT_EQ(s.At(7, 13), clRed);
    EXPECT_EQ(GetPixel(s.dc(), 5, 1), CLR_INVALID);  // outside the clip
    // A clip region is in logical pixels like the window it was made for.
    HRGN region = CreateRectRgn(1, 1, 3, 2);
    SelectClipRgn(s.dc(), region);
    DeleteObject(region);
    EXPECT_EQ(GetClipBox(s.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(5, -4, 7, -3));
}

TEST(DrawingScaled, CompatibleBitmapsTakeTheWindowsDensity) {
    TTestSurface window(40, 20, clWhite, kScale);
    HDC mem = CreateCompatibleDC(window.dc());
    HBITMAP bitmap = CreateCompatibleBitmap(window.dc(), 30, 12);
    EXPECT_EQ(GetBitmapDimension(bitmap), (TSize{30, 12}));
    EXPECT_EQ(BitmapImage(bitmap)->size(), QSize(60, 24));
    HGDIOBJ old = SelectObject(mem, bitmap);
    EXPECT_EQ(GetDCImageSize(mem), Point(30, 12));
    PatBlt(mem, 0, 0, 30, 12, WHITENESS);
    TRect r = Rect(0, 0, 30, 12);
    DrawText(mem, "Wg", r, DT_SINGLELINE);
    // Copied back it lands pixel for pixel: the same as text drawn directly.
    BitBlt(window.dc(), 5, 4, 30, 12, mem, 0, 0, SRCCOPY);
    TTestSurface direct(40, 20, clWhite, kScale);
    TRect d = Rect(5, 4, 35, 16);
    DrawText(direct.dc(), "Wg", d, DT_SINGLELINE);
    EXPECT_EQ(window.Image, direct.Image);
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
}

TEST(DrawingScaled, TextIsDrawnAtTheFinerResolutionInPlace) {
    TTestSurface one(60, 20), two(60, 20, clWhite, kScale);
    for (TTestSurface* s : {&one, &two}) {
        TRect r = Rect(4, 2, 60, 20);
        SetBkMode(s->dc(), TRANSPARENT);
        DrawText(s->dc(), "Sample", r, DT_SINGLELINE);
    }
    const QRect a = InkBounds(one.Image), b = InkBounds(two.Image);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NEAR(b.left(), 2 * a.left(), 2);
    EXPECT_NEAR(b.top(), 2 * a.top(), 2);
    EXPECT_NEAR(b.right(), 2 * a.right() + 1, 3);
    EXPECT_NEAR(b.bottom(), 2 * a.bottom() + 1, 3);
    // Not the ratio-1 text blown up: strokes have detail inside the blocks.
    EXPECT_GT(InexactBlocks(one.Image, two.Image), 10);
}

TEST(DrawingScaled, WholeNumberEnlargementRepeatsEachPixelEvenWhereTheClipCutsABlock) {
    // Three times each way, clipped from the middle of a source pixel's block.
    const QImage picture = Picture(4, 3);
    TTestSurface s(20, 14);
    TTestSurface source(4, 3);
    source.Image = picture;
    IntersectClipRect(s.dc(), 4, 2, 12, 9);
    ExcludeClipRect(s.dc(), 7, 4, 8, 5);
    ASSERT_TRUE(StretchBlt(s.dc(), 1, 0, 12, 9, source.dc(), 0, 0, 4, 3, SRCCOPY));
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool painted = x >= 4 && x < 12 && y >= 2 && y < 9 && !(x == 7 && y == 4);
            const QRgb expected = painted ? picture.pixel((x - 1) / 3, y / 3) : qRgb(255, 255, 255);
            EXPECT_EQ(s.Image.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(DrawingScaled, FarAwayCoordinatesAreClampedNotOverflowed) {
    TTestSurface s(10, 10, clWhite, kScale);
    HRGN far = CreateRectRgn(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(SelectClipRgn(s.dc(), far), SIMPLEREGION);
    EXPECT_TRUE(FillRgn(s.dc(), far, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(s.Count(clBlack), 20 * 20);
    DeleteObject(far);
    SetViewportOrgEx(s.dc(), 2100000000, -2100000000, nullptr);
    MoveToEx(s.dc(), 0, 0, nullptr);
    EXPECT_TRUE(LineTo(s.dc(), 1000, 700));
    EXPECT_TRUE(LineTo(s.dc(), 1000, 0));
    EXPECT_TRUE(DrawFocusRect(s.dc(), Rect(-5, -5, 5000, 5000)));
    EXPECT_EQ(s.Count(clBlack), 20 * 20);
}

// An elliptic or rounded region covers what Ellipse / RoundRect draw at the
// DC's density, also once moved and combined, whether filled or clipped to;
// a window shaped by it takes the whole pixels round that curve.
TEST(DrawingScaled, ShapeRegionsKeepTheCurveTheShapeHasAtTheDevicesDensity) {
    struct TShape {
        const char* Name;
        std::function<HRGN(int, int, int, int)> Region;  // for a box one pixel larger than the drawn one
        std::function<void(HDC, int, int, int, int)> Draw;
    };
    const std::vector<TShape> shapes{
        {"ellipse", [](int l, int t, int r, int b) { return CreateEllipticRgn(l, t, r + 1, b + 1); },
         [](HDC dc, int l, int t, int r, int b) { Ellipse(dc, l, t, r, b); }},
        {"rounded rectangle", [](int l, int t, int r, int b) { return CreateRoundRectRgn(l, t, r + 1, b + 1, 9, 7); },
         [](HDC dc, int l, int t, int r, int b) { RoundRect(dc, l, t, r, b, 9, 7); }},
    };
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const TShape& shape : shapes) {
        for (int scale : {2, 3}) {
            SCOPED_TRACE(std::string(shape.Name) + " at ratio " + std::to_string(scale));
            // The shapes, black on white, on a DC placed as a child's: a ring
            // (the outer shape less one 2 pixels inside it) moved by (2, 1).
            TTestSurface outer(30, 20, clWhite, scale), inner(30, 20, clWhite, scale);
            for (TTestSurface* s : {&outer, &inner}) {
                SetViewportOrgEx(s->dc(), 3, 2, nullptr);
                SelectObject(s->dc(), GetStockObject(BLACK_PEN));
                SelectObject(s->dc(), black);
            }
            shape.Draw(outer.dc(), 3, 2, 24, 16);
            shape.Draw(inner.dc(), 5, 4, 22, 14);
            // As at ratio 1, the shape fills its box's pixels and no more.
            EXPECT_EQ(InkBounds(outer.Image), QRect(6 * scale, 4 * scale, 21 * scale, 14 * scale));
            TTestSurface filled(30, 20, clWhite, scale), clipped(30, 20, clWhite, scale);
            HRGN ring = shape.Region(1, 1, 22, 15);
            HRGN hole = shape.Region(3, 3, 20, 13);
            CombineRgn(ring, ring, hole, RGN_DIFF);
            OffsetRgn(ring, 2 + 3, 1 + 2);  // the region is in device coordinates: the origin too
            SetViewportOrgEx(filled.dc(), 3, 2, nullptr);
            EXPECT_TRUE(FillRgn(filled.dc(), ring, black));
            EXPECT_EQ(SelectClipRgn(clipped.dc(), ring), COMPLEXREGION);
            PatBlt(clipped.dc(), 0, 0, 30, 20, BLACKNESS);
            int ringPixels = 0, wrong = 0;
            for (int y = 0; y < filled.Image.height(); ++y)
                for (int x = 0; x < filled.Image.width(); ++x) {
                    const bool expected = outer.At(x, y) == clBlack && inner.At(x, y) == clWhite;
                    ringPixels += expected;
                    wrong += (filled.At(x, y) == clBlack) != expected || (clipped.At(x, y) == clBlack) != expected;
                }
            EXPECT_GT(ringPixels, 100 * scale);
            EXPECT_EQ(wrong, 0);
            // Finer than whole pixels: the curve cuts through logical pixels.
            EXPECT_GT(MixedBlocks(filled.Image, scale), 8);
            // What the region answers stays logical.
            TRect box;
            GetRgnBox(ring, &box);
            EXPECT_EQ(box, Rect(6, 4, 27, 18));
            EXPECT_TRUE(PtInRegion(ring, 6, 10));
            EXPECT_FALSE(PtInRegion(ring, 16, 10));
            // A window shaped by the outer shape: every pixel holding one of its
            // device pixels, and nothing more.
            HRGN window = shape.Region(0, 0, 21, 14);
            const QRegion taken = WindowShapeArea(window, scale);
            TTestSurface drawn(30, 20, clWhite, scale);
            SelectObject(drawn.dc(), GetStockObject(BLACK_PEN));
            SelectObject(drawn.dc(), black);
            shape.Draw(drawn.dc(), 0, 0, 21, 14);
            int mismatched = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 30; ++x) {
                    bool holds = false;
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx) holds |= drawn.At(x * scale + dx, y * scale + dy) == clBlack;
                    mismatched += holds != taken.contains(QPoint(x, y));
                }
            EXPECT_EQ(mismatched, 0);
            EXPECT_EQ(WindowShapeArea(window, 1), *RegionArea(window));
            for (HRGN r : {ring, hole, window}) DeleteObject(r);
        }
    }
}
