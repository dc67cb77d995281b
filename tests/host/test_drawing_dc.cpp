// Device contexts: origin, clipping, saved states, block transfers, regions,
// focus rectangles, frame controls and object lifetime.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "drawing_test_support.h"

using namespace Orvo;

namespace {

// A picture whose every pixel is distinct: red = x, green = y.
struct TGradientSurface : TTestSurface {
    TGradientSurface(int width, int height) : TTestSurface(width, height) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) Image.setPixel(x, y, qRgb(x, y, 77));
    }
};

}  // namespace

TEST(DrawingDC, ShiftedOriginAndClipLandParentPixelsOnTheChild) {
    TGradientSurface parent(60, 60);
    TTestSurface child(20, 10, clBlack);
    HDC dc = child.dc();
    // The control sits at (10, 20) of a parent whose client area is 25 wide.
    const int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    TPoint origin;
    ASSERT_TRUE(GetViewportOrgEx(dc, &origin));
    SetViewportOrgEx(dc, origin.X - 10, origin.Y - 20, nullptr);
    IntersectClipRect(dc, 0, 0, 25, 60);
    ASSERT_TRUE(BitBlt(dc, 0, 0, 60, 60, parent.dc(), 0, 0, SRCCOPY));

    EXPECT_EQ(child.At(0, 0), parent.At(10, 20));
    EXPECT_EQ(child.At(14, 9), parent.At(24, 29));
    // Beyond the parent's client width nothing is touched.
    EXPECT_EQ(child.Count(clBlack, 15, 0, 20, 10), 5 * 10);

    // Drawing at parent coordinates (10, 20) lands at the child's (0, 0).
    HBRUSH red = CreateSolidBrush(clRed);
    FillRect(dc, Rect(10, 20, 11, 21), red);
    EXPECT_EQ(child.At(0, 0), clRed);
    EXPECT_NE(child.At(1, 0), clRed);

    ASSERT_TRUE(RestoreDC(dc, -1));
    ASSERT_TRUE(GetViewportOrgEx(dc, &origin));
    EXPECT_EQ(origin, Point(0, 0));
    TRect box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(0, 0, 20, 10));
    FillRect(dc, Rect(19, 9, 20, 10), red);  // the clip is gone
    EXPECT_EQ(child.At(19, 9), clRed);
    DeleteObject(red);
}

TEST(DrawingDC, RestoreToANumberedLevelDropsLaterLevels) {
    TTestSurface s(10, 10);
    HDC dc = s.dc();
    EXPECT_EQ(SaveDC(dc), 1);
    SetViewportOrgEx(dc, 1, 1, nullptr);
    EXPECT_EQ(SaveDC(dc), 2);
    SetViewportOrgEx(dc, 2, 2, nullptr);
    EXPECT_EQ(SaveDC(dc), 3);
    SetViewportOrgEx(dc, 3, 3, nullptr);

    EXPECT_TRUE(RestoreDC(dc, 2));
    TPoint origin;
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin, Point(1, 1));
    EXPECT_FALSE(RestoreDC(dc, 2));  // level 2 was consumed
    EXPECT_FALSE(RestoreDC(dc, 5));
    EXPECT_TRUE(RestoreDC(dc, -1));
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin, Point(0, 0));
    EXPECT_FALSE(RestoreDC(dc, -1));  // nothing left
}

TEST(DrawingDC, SavedDCGuardUndoesItsShiftAndClipAlsoWhenLeftByAnException) {
    TTestSurface s(20, 10);
    HDC dc = s.dc();
    SetViewportOrgEx(dc, 2, 1, nullptr);
    IntersectClipRect(dc, 0, 0, 15, 8);  // device (2, 1)-(17, 9)
    const auto state = [dc] {
        TPoint origin;
        TRect box;
        GetViewportOrgEx(dc, &origin);
        GetClipBox(dc, &box);
        return std::pair(origin, box);
    };
    const auto before = state();

    EXPECT_THROW(
        {
            TSavedDC saved(dc);
            ASSERT_TRUE(saved.Saved());
            saved.ShiftOrigin(3, 4);
            saved.ClipTo(0, 0, 5, 5);
            TPoint origin;
            GetViewportOrgEx(dc, &origin);
            EXPECT_EQ(origin, Point(5, 5));
            TRect box;
            GetClipBox(dc, &box);
            EXPECT_EQ(box, Rect(0, 0, 5, 4));  // the earlier clip ends at device row 9
            throw std::runtime_error("painting failed");
        },
        std::runtime_error);

    EXPECT_EQ(state(), before);
    EXPECT_EQ(SaveDC(dc), 1);  // the guard's level is gone too
    RestoreDC(dc, -1);

    // Nested guards unwind in turn; one on no device context holds nothing.
    {
        TSavedDC outer(dc);
        outer.ShiftOrigin(1, 0);
        {
            TSavedDC inner(dc);
            inner.ShiftOrigin(1, 0);
        }
        TPoint origin;
        GetViewportOrgEx(dc, &origin);
        EXPECT_EQ(origin, Point(3, 1));
    }
    EXPECT_EQ(state(), before);
    EXPECT_FALSE(TSavedDC(nullptr).Saved());
}

TEST(DrawingDC, SavedStateCoversColoursModesAndSelectedObjects) {
    TTestSurface s(10, 10);
    HDC dc = s.dc();
    HBRUSH blue = CreateSolidBrush(clBlue);
    SaveDC(dc);
    SetTextColor(dc, clRed);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, blue);
    EXPECT_EQ(previous, GetStockObject(WHITE_BRUSH));
    RestoreDC(dc, -1);
    EXPECT_EQ(GetTextColor(dc), clBlack);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    DeleteObject(blue);
}

TEST(DrawingDC, ClipBoxIsReportedInLogicalCoordinates) {
    TTestSurface s(40, 30);
    HDC dc = s.dc();
    TRect box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box, Rect(0, 0, 40, 30));

    IntersectClipRect(dc, 5, 5, 15, 15);
    SetViewportOrgEx(dc, 3, 4, nullptr);  // the clip stays on the same device pixels
    GetClipBox(dc, &box);
    EXPECT_EQ(box, Rect(2, 1, 12, 11));

    IntersectClipRect(dc, 100, 100, 120, 120);
    EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
    EXPECT_TRUE(box.IsEmpty());
    HBRUSH red = CreateSolidBrush(clRed);
    FillRect(dc, Rect(-100, -100, 100, 100), red);
    EXPECT_EQ(s.Count(clRed), 0);
    DeleteObject(red);
}

TEST(DrawingDC, ClipRegionLimitsEveryKindOfDrawing) {
    TTestSurface s(30, 30);
    HDC dc = s.dc();
    HRGN region = CreateRectRgn(10, 10, 20, 20);
    SelectClipRgn(dc, region);
    DeleteObject(region);  // the DC keeps its own copy
    HBRUSH red = CreateSolidBrush(clRed);
    FillRect(dc, Rect(0, 0, 30, 30), red);
    SelectObject(dc, red);
    Ellipse(dc, 0, 0, 30, 30);
    MoveToEx(dc, 0, 15, nullptr);
    LineTo(dc, 30, 15);
    TRect r = Rect(0, 0, 30, 30);
    SetBkMode(dc, TRANSPARENT);
    DrawText(dc, "WWWWWWWWWW", r, DT_NOCLIP);
    EXPECT_EQ(s.Count(clWhite, 0, 0, 30, 10), 300);
    EXPECT_EQ(s.Count(clWhite, 0, 20, 30, 30), 300);
    EXPECT_EQ(s.Count(clWhite, 0, 10, 10, 20), 100);
    EXPECT_EQ(s.Count(clWhite, 20, 10, 30, 20), 100);
    EXPECT_EQ(s.At(19, 19), clRed);
    SelectClipRgn(dc, nullptr);
    FillRect(dc, Rect(0, 0, 1, 1), red);
    EXPECT_EQ(s.At(0, 0), clRed);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST(DrawingDC, BitBltWithinOneImageCopiesOverlappingBlocksCorrectly) {
    TGradientSurface s(10, 3);
    const TColor before[4] = {s.At(0, 1), s.At(1, 1), s.At(2, 1), s.At(3, 1)};
    ASSERT_TRUE(BitBlt(s.dc(), 1, 0, 9, 3, s.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(s.At(0, 1), before[0]);
    EXPECT_EQ(s.At(1, 1), before[0]);
    EXPECT_EQ(s.At(2, 1), before[1]);
    EXPECT_EQ(s.At(3, 1), before[2]);
}

TEST(DrawingDC, BitBltLeavesPixelsWithoutSourceAlone) {
    TTestSurface source(4, 4, clRed);
    TTestSurface dest(10, 10, clWhite);
    ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 10, 10, source.dc(), -2, -2, SRCCOPY));
    EXPECT_EQ(dest.Count(clRed), 16);
    EXPECT_EQ(dest.At(2, 2), clRed);
    EXPECT_EQ(dest.At(5, 5), clRed);
    EXPECT_EQ(dest.At(6, 6), clWhite);
    EXPECT_EQ(dest.At(1, 1), clWhite);
}

TEST(DrawingDC, RasterOperationsWithoutSource) {
    TTestSurface s(4, 1, TColor(RGB(0x10, 0x20, 0x30)));
    ASSERT_TRUE(BitBlt(s.dc(), 0, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
    EXPECT_EQ(s.At(0, 0), TColor(RGB(0xEF, 0xDF, 0xCF)));
    HBRUSH brush = CreateSolidBrush(TColor(RGB(0xFF, 0x00, 0x0F)));
    SelectObject(s.dc(), brush);
    ASSERT_TRUE(PatBlt(s.dc(), 1, 0, 1, 1, PATINVERT));
    EXPECT_EQ(s.At(1, 0), TColor(RGB(0xEF, 0x20, 0x3F)));
    ASSERT_TRUE(PatBlt(s.dc(), 2, 0, 1, 1, PATCOPY));
    EXPECT_EQ(s.At(2, 0), TColor(RGB(0xFF, 0x00, 0x0F)));
    EXPECT_EQ(s.At(3, 0), TColor(RGB(0x10, 0x20, 0x30)));
    EXPECT_FALSE(BitBlt(s.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));  // a copy needs a source
    EXPECT_FALSE(BitBlt(s.dc(), 0, 0, 1, 1, s.dc(), 0, 0, 0x12345678));
    SelectObject(s.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST(DrawingDC, StretchBltScalesByNearestPixel) {
    TTestSurface source(2, 1);
    source.Image.setPixel(0, 0, qRgb(255, 0, 0));
    source.Image.setPixel(1, 0, qRgb(0, 0, 255));
    TTestSurface dest(6, 2);
    ASSERT_TRUE(StretchBlt(dest.dc(), 1, 0, 4, 2, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dest.At(0, 0), clWhite);
    EXPECT_EQ(dest.At(1, 0), clRed);
    EXPECT_EQ(dest.At(2, 1), clRed);
    EXPECT_EQ(dest.At(3, 0), clBlue);
    EXPECT_EQ(dest.At(4, 1), clBlue);
    EXPECT_EQ(dest.At(5, 0), clWhite);
    // Negative sizes draw nothing.
    EXPECT_TRUE(StretchBlt(dest.dc(), 0, 0, -4, 2, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dest.At(0, 0), clWhite);
}

TEST(DrawingDC, FocusRectInvertsEveryOtherBorderPixelAndTwiceRestores) {
    TTestSurface s(12, 10);
    const QImage before = s.Image.copy();
    ASSERT_TRUE(DrawFocusRect(s.dc(), Rect(1, 1, 11, 9)));
    // Alternate pixels of the border, by device parity.
    EXPECT_EQ(s.At(3, 1), clBlack);
    EXPECT_EQ(s.At(2, 1), clWhite);
    EXPECT_EQ(s.At(1, 3), clBlack);
    EXPECT_EQ(s.At(1, 2), clWhite);
    EXPECT_EQ(s.At(10, 2), clBlack);
    EXPECT_EQ(s.At(4, 8), clBlack);
    // Inside and outside untouched.
    EXPECT_EQ(s.Count(clWhite, 2, 2, 10, 8), 8 * 6);
    EXPECT_EQ(s.Count(clWhite, 0, 0, 12, 1), 12);
    EXPECT_EQ(s.Count(clWhite, 11, 0, 12, 10), 10);
    // Each border pixel is visited once: 32 border pixels, half of them inverted.
    EXPECT_EQ(s.Count(clBlack), 16);
    DrawFocusRect(s.dc(), Rect(1, 1, 11, 9));
    EXPECT_EQ(s.Image, before);
}

TEST(DrawingDC, PushButtonFrameControlRaisedAndSunken) {
    TTestSurface s(20, 12, clBlack);
    TRect r = Rect(0, 0, 20, 12);
    ASSERT_TRUE(DrawFrameControl(s.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(r, Rect(2, 2, 18, 10));
    const TColor highlight = TColor(ColorToRGB(clBtnHighlight)), dark = TColor(ColorToRGB(cl3DDkShadow));
    const TColor light = TColor(ColorToRGB(cl3DLight)), shadow = TColor(ColorToRGB(clBtnShadow));
    const TColor face = TColor(ColorToRGB(clBtnFace));
    EXPECT_EQ(s.At(0, 0), highlight);
    EXPECT_EQ(s.At(18, 0), highlight);
    EXPECT_EQ(s.At(19, 0), dark);  // the bottom-right colour takes the corners
    EXPECT_EQ(s.At(0, 11), dark);
    EXPECT_EQ(s.At(19, 11), dark);
    EXPECT_EQ(s.At(1, 1), light);
    EXPECT_EQ(s.At(18, 5), shadow);
    EXPECT_EQ(s.At(5, 10), shadow);
    EXPECT_EQ(s.Count(face, 2, 2, 18, 10), 16 * 8);

    TTestSurface pushed(20, 12, clBlack);
    TRect p = Rect(0, 0, 20, 12);
    DrawFrameControl(pushed.dc(), &p, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_EQ(p, Rect(0, 0, 20, 12));  // without DFCS_ADJUSTRECT the rectangle stays
    EXPECT_EQ(pushed.At(0, 0), shadow);
    EXPECT_EQ(pushed.At(19, 11), highlight);
    EXPECT_EQ(pushed.At(1, 1), dark);
    EXPECT_EQ(pushed.At(18, 10), light);
    EXPECT_FALSE(DrawFrameControl(pushed.dc(), &p, DFC_CAPTION, 0));
}

TEST(DrawingDC, EllipticRegionOfOneLargerBoxMatchesTheDrawnEllipse) {
    const int w = 23, h = 15;
    TTestSurface s(w + 4, h + 4, clBlack);
    HPEN pen = CreatePen(PS_SOLID, 1, clWhite);
    HBRUSH brush = CreateSolidBrush(clWhite);
    SelectObject(s.dc(), pen);
    SelectObject(s.dc(), brush);
    Ellipse(s.dc(), 0, 0, w, h);
    HRGN region = CreateEllipticRgn(0, 0, w + 1, h + 1);
    int mismatches = 0, inside = 0;
    for (int y = 0; y < h + 4; ++y)
        for (int x = 0; x < w + 4; ++x) {
            const bool drawn = s.At(x, y) == clWhite;
            inside += drawn;
            if (drawn != PtInRegion(region, x, y)) ++mismatches;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(inside, w * h / 2);
    EXPECT_FALSE(PtInRegion(region, 0, 0));  // corners lie outside
    EXPECT_TRUE(PtInRegion(region, w / 2, 0));
    EXPECT_TRUE(PtInRegion(region, w / 2, h - 1));
    EXPECT_FALSE(PtInRegion(region, w / 2, h));
    TRect box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box, Rect(0, 0, w, h));
    SelectObject(s.dc(), GetStockObject(BLACK_PEN));
    SelectObject(s.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(region);
}

TEST(DrawingDC, RegionArithmetic) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(r, a, b, RGN_AND), SIMPLEREGION);
    TRect box;
    GetRgnBox(r, &box);
    EXPECT_EQ(box, Rect(5, 5, 10, 10));
    EXPECT_EQ(CombineRgn(r, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(r, 14, 14));
    EXPECT_FALSE(PtInRegion(r, 14, 0));
    EXPECT_EQ(CombineRgn(r, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(r, 7, 7));
    EXPECT_TRUE(PtInRegion(r, 2, 2));
    EXPECT_EQ(CombineRgn(r, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(r, 7, 7));
    EXPECT_TRUE(PtInRegion(r, 12, 12));
    EXPECT_EQ(CombineRgn(r, a, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(r, a));
    EXPECT_EQ(OffsetRgn(r, 3, -2), SIMPLEREGION);
    GetRgnBox(r, &box);
    EXPECT_EQ(box, Rect(3, -2, 13, 8));
    EXPECT_EQ(CombineRgn(r, a, b, 99), ERROR_REGION);
    HRGN round = CreateRoundRectRgn(0, 0, 21, 21, 10, 10);
    EXPECT_FALSE(PtInRegion(round, 0, 0));
    EXPECT_TRUE(PtInRegion(round, 10, 0));
    EXPECT_TRUE(PtInRegion(round, 10, 10));
    EXPECT_FALSE(PtInRegion(round, 20, 10));  // the box is one pixel larger than the shape
    for (HRGN h : {a, b, r, round}) EXPECT_TRUE(DeleteObject(h));
}

TEST(DrawingDC, ObjectsStayAliveWhileSelectedAndStaleHandlesAreRefused) {
    TTestSurface s(4, 4);
    HBRUSH red = CreateSolidBrush(clRed);
    SelectObject(s.dc(), red);
    EXPECT_TRUE(DeleteObject(red));
    // The DC still holds the brush: drawing with it works.
    EXPECT_TRUE(PatBlt(s.dc(), 0, 0, 1, 1, PATCOPY));
    EXPECT_EQ(s.At(0, 0), clRed);
    EXPECT_FALSE(DeleteObject(red));  // already deleted
    SelectObject(s.dc(), GetStockObject(WHITE_BRUSH));  // now it is freed
    EXPECT_EQ(SelectObject(s.dc(), red), nullptr);      // a stale handle is refused
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));  // stock objects are never freed
    EXPECT_NE(GetStockObject(BLACK_PEN), nullptr);
    EXPECT_EQ(GetStockObject(999), nullptr);
    EXPECT_FALSE(DeleteObject(nullptr));
}

TEST(DrawingDC, NullDCAndEmptyRectanglesDrawNothing) {
    TRect r = Rect(0, 0, 10, 10);
    EXPECT_FALSE(FillRect(nullptr, r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(DrawText(nullptr, "x", r, 0), 0);
    EXPECT_EQ(SaveDC(nullptr), 0);
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));

    TTestSurface s(10, 10);
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FillRect(s.dc(), Rect(5, 5, 2, 2), black);
    FillRect(s.dc(), Rect(3, 3, 3, 8), black);
    FrameRect(s.dc(), Rect(8, 8, 1, 1), black);
    SelectObject(s.dc(), black);
    Rectangle(s.dc(), 4, 4, 4, 4);
    Ellipse(s.dc(), 4, 4, 4, 9);
    DrawFocusRect(s.dc(), Rect(6, 6, 2, 2));
    BitBlt(s.dc(), 0, 0, -5, 5, s.dc(), 0, 0, BLACKNESS);
    FillRect(s.dc(), Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MIN + 1), black);
    EXPECT_EQ(s.Count(clWhite), 100);
    SelectObject(s.dc(), GetStockObject(WHITE_BRUSH));
}

TEST(DrawingDC, ScreenDCMeasuresTextAndIsReleasedOnce) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(screen, &tm));
    EXPECT_GT(tm.tmHeight, 0);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
    int notAWindow = 0;
    EXPECT_EQ(GetDC(&notAWindow), nullptr);
}

TEST(DrawingDC, MemoryDCDrawsOnTheSelectedBitmap) {
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(mem, 5, 5);
    HGDIOBJ old = SelectObject(mem, bitmap);
    EXPECT_EQ(old, nullptr);  // the DC's own one-pixel image has no object
    EXPECT_EQ(GetDCImageSize(mem), Point(5, 5));
    PatBlt(mem, 1, 1, 2, 2, WHITENESS);
    EXPECT_EQ(BitmapImage(bitmap)->pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(BitmapImage(bitmap)->pixel(0, 0) & 0xFFFFFF, 0u);
    // A bitmap without pixels draws nothing and can be swapped out again.
    HBITMAP none = CreateCompatibleBitmap(mem, 0, 0);
    EXPECT_EQ(SelectObject(mem, none), bitmap);
    EXPECT_FALSE(Ellipse(mem, 0, 0, 5, 5));
    TRect r = Rect(0, 0, 5, 5);
    DrawText(mem, "x", r, 0);
    EXPECT_EQ(SelectObject(mem, bitmap), none);
    DeleteObject(none);
    EXPECT_EQ(CreateCompatibleBitmap(mem, -1, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(mem, 40000, 40000), nullptr);
    EXPECT_TRUE(DeleteDC(mem));
    EXPECT_FALSE(DeleteDC(mem));
    DeleteObject(bitmap);
    TTestSurface s(2, 2);
    EXPECT_FALSE(DeleteDC(s.dc()));  // image DCs belong to their creator
}
