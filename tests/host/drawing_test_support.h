#pragma once
// Shared fixtures of the drawing tests: an RGB32 image with a DC on it.

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "host/services/Colors.h"
#include "host/services/DeviceContextQt.h"
#include "host/framework/Graphics.h"

using namespace Orvo;

// An image of one colour with a device context drawing on it.
struct TTestSurface {
    QImage Image;
    std::unique_ptr<TDeviceContext> DC;

    // `scale` device pixels per logical pixel: the image is that many times
    // the logical size each way.
    TTestSurface(int width, int height, TColor fill = clWhite, int scale = 1)
        : Image(width * scale, height * scale, QImage::Format_RGB32) {
        const COLORREF c = ColorToRGB(fill);
        Image.fill(QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
        DC = CreateImageDC(Image, scale);
    }
    // The DC points at Image: the surface stays where it was made.
    TTestSurface(const TTestSurface&) = delete;
    TTestSurface& operator=(const TTestSurface&) = delete;
    HDC dc() const { return DC.get(); }
    // The pixel as a plain colour ($00BBGGRR).
    TColor At(int x, int y) const {
        const QRgb p = Image.pixel(x, y);
        return TColor(RGB(qRed(p), qGreen(p), qBlue(p)));
    }
    // Number of pixels of that colour in [left, right) x [top, bottom).
    int Count(TColor color, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (At(x, y) == color) ++n;
        return n;
    }
    int Count(TColor color) const { return Count(color, 0, 0, Image.width(), Image.height()); }
    // Text is antialiased: its pixels blend the text colour into what lay
    // beneath. Pixels whose every channel lies between `a` and `b` (both
    // included), in [left, right) x [top, bottom).
    int CountBetween(TColor a, TColor b, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += IsBetween(At(x, y), a, b);
        return n;
    }
    int CountBetween(TColor a, TColor b) const { return CountBetween(a, b, 0, 0, Image.width(), Image.height()); }
    // Ink of text in `ink` over `background`: pixels between the two that lie
    // nearer the ink (at least half covered by a glyph).
    int CountInk(TColor ink, TColor background, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += IsInk(At(x, y), ink, background);
        return n;
    }
    int CountInk(TColor ink, TColor background) const { return CountInk(ink, background, 0, 0, Image.width(), Image.height()); }

    static bool IsBetween(TColor pixel, TColor a, TColor b) {
        for (int shift : {0, 8, 16}) {
            const int p = (int(pixel) >> shift) & 255, x = (int(a) >> shift) & 255, y = (int(b) >> shift) & 255;
            if (p < std::min(x, y) || p > std::max(x, y)) return false;
        }
        return true;
    }
    static bool IsInk(TColor pixel, TColor ink, TColor background) {
        if (!IsBetween(pixel, ink, background) || ink == background) return false;
        int toInk = 0, toBackground = 0;
        for (int shift : {0, 8, 16}) {
            const int p = (int(pixel) >> shift) & 255;
            toInk += std::abs(p - ((int(ink) >> shift) & 255));
            toBackground += std::abs(p - ((int(background) >> shift) & 255));
        }
        return toInk <= toBackground;
    }
};

// A canvas attached to a surface's DC (the canvas does not own the DC).
struct TTestCanvas {
    TTestSurface Surface;
    TCanvas Canvas;
    TTestCanvas(int width, int height, TColor fill = clWhite) : Surface(width, height, fill) {
        Canvas.SetHandle(Surface.dc());
    }
    TColor At(int x, int y) const { return Surface.At(x, y); }
};
