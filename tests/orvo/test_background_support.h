#pragma once
// Fixtures for the background and static text tests: a borderless form the
// size of the demonstration form's client area with a background on it,
// painting a control or a form into a bitmap through its messages, and a
// tile picture whose every pixel is different.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "host/services/Colors.h"
#include "host/framework/Controls.h"
#include "host/framework/Forms.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;

namespace background_test {

constexpr int kFormWidth = 645;
constexpr int kFormHeight = 294;
constexpr TColor kMarker = TColor(RGB(1, 2, 3));

inline COLORREF Plain(TColor c) { return ColorToRGB(c); }
inline int Red(TColor c) { return GetRValue(COLORREF(c)); }
inline int Green(TColor c) { return GetGValue(COLORREF(c)); }
inline int Blue(TColor c) { return GetBValue(COLORREF(c)); }

// A w x h 32-bit picture filled with the marker colour, so pixels nothing
// painted show.
inline std::unique_ptr<TBitmap> MarkedBitmap(int w, int h) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(kMarker);
    b->Canvas()->FillRect(Rect(0, 0, w, h));
    return b;
}

// What a control paints into a w x h picture through WM_PAINT, with the
// picture's origin at `origin` of the control (no clipping to the control:
// a band or tile beyond its edge shows when the picture is larger).
inline std::unique_ptr<TBitmap> PaintThroughMessages(TControl& control, int w, int h, TPoint origin = Point(0, 0)) {
    auto b = MarkedBitmap(w, h);
    HDC dc = b->Canvas()->Handle();
    SetViewportOrgEx(dc, -origin.X, -origin.Y, nullptr);
    control.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    return b;
}

// The tile colour at a point: distinct for every pixel of a 400 x 400 tile.
inline TColor TileColourAt(int x, int y) {
    return TColor(RGB(std::uint8_t(x % 256), std::uint8_t(y % 256), std::uint8_t(100 + (x / 256) * 10 + (y / 256) * 50)));
}

inline std::unique_ptr<TBitmap> MakeTile(int w, int h) {
    auto tile = std::make_unique<TBitmap>();
    tile->SetPixelFormat(pf32bit);
    tile->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) tile->SetPixel(x, y, TileColourAt(x, y));
    return tile;
}

// A background that counts the repaints it asks for.
class TCountingBackground : public TOrvoBackground {
public:
    using TOrvoBackground::TOrvoBackground;
    int Invalidations = 0;
    void Invalidate() override {
        ++Invalidations;
        TOrvoBackground::Invalidate();
    }
};

// A borderless form with a 645 x 294 client area and a background on it.
// Not shown until asked.
struct TBackgroundForm {
    TForm Form{nullptr};
    TCountingBackground* Back = nullptr;

    TBackgroundForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, kFormWidth, kFormHeight);
        Form.SetClientWidth(kFormWidth);
        Form.SetClientHeight(kFormHeight);
        Back = new TCountingBackground(&Form);
        Back->SetParent(&Form);
    }

    // The form's client area as its messages paint it (background, own
    // painting, windowless children clipped to their bounds).
    std::unique_ptr<TBitmap> Paint() { return PaintThroughMessages(Form, kFormWidth, kFormHeight); }
};

}  // namespace background_test
