#pragma once
// Fixtures for the shaped button tests: a borderless form with one button,
// drawing the button through CN_DRAWITEM into a bitmap with a chosen item
// state, and pictures with a known colour at every pixel.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/qt/Automation.h"
#include "host/services/Colors.h"
#include "host/framework/Forms.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;

namespace button_test {

constexpr TColor kFormColour = TColor(RGB(200, 210, 220));
constexpr TColor kFaceColour = TColor(RGB(230, 220, 180));
constexpr TColor kMarker = TColor(RGB(1, 2, 3));
// The glyphs' background (the key colour), as the demonstration pictogram has it.
constexpr TColor kOlive = TColor(RGB(128, 128, 0));

inline TColor Plain(TColor c) { return TColor(ColorToRGB(c)); }

// A colour distinct at every point of a picture.
inline TColor PictureAt(int x, int y) { return TColor(RGB(std::uint8_t(20 + x), std::uint8_t(30 + 3 * y), 90)); }

inline std::unique_ptr<TBitmap> Picture(int width, int height) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b->SetPixel(x, y, PictureAt(x, y));
    return b;
}

// A glyph strip of `frames` frames of `size` x `size`: olive background
// (bottom-left pixel included), frame i filled with `inks[i]` in its middle
// and its top-left pixel, which is not the key colour.
inline std::unique_ptr<TBitmap> GlyphStrip(int width, int height, std::initializer_list<TColor> inks) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(width, height);
    b->Canvas()->Brush()->SetColor(kOlive);
    b->Canvas()->FillRect(Rect(0, 0, width, height));
    const int frames = int(inks.size());
    int i = 0;
    for (TColor ink : inks) {
        const int left = i * width / frames, right = (i + 1) * width / frames;
        b->Canvas()->Brush()->SetColor(ink);
        b->Canvas()->FillRect(Rect(left + 4, 4, right - 4, height - 4));
        b->SetPixel(left, 0, ink);
        ++i;
    }
    return b;
}

// A button drawn through CN_DRAWITEM with the given item state onto a
// bitmap first filled with kMarker.
class TDrawn {
public:
    TDrawn(TOrvoButton& button, UINT itemState = 0, TRect item = TRect{}) : FBitmap(std::make_unique<TBitmap>()) {
        if (item.IsEmpty()) item = Rect(0, 0, button.Width(), button.Height());
        FBitmap->SetPixelFormat(pf32bit);
        FBitmap->SetSize(item.Right, item.Bottom);
        FBitmap->Canvas()->Brush()->SetColor(kMarker);
        FBitmap->Canvas()->FillRect(Rect(0, 0, item.Right, item.Bottom));
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_BUTTON;
        dis.itemID = 0;
        dis.itemState = itemState;
        dis.hDC = FBitmap->Canvas()->Handle();
        dis.rcItem = item;
        Result = button.Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    }
    TColor At(int x, int y) const { return FBitmap->Pixel(x, y); }
    LRESULT Result = 0;

private:
    std::unique_ptr<TBitmap> FBitmap;
};

// A button that counts the drawings it is asked for.
class TCountingButton : public TOrvoButton {
public:
    using TOrvoButton::TOrvoButton;
    int Draws = 0;
    void WndProc(TMessage& message) override {
        if (message.Msg == CN_DRAWITEM) ++Draws;
        TOrvoButton::WndProc(message);
    }
};

// A borderless 240 x 120 form with one 81 x 41 button at (10, 10) without a
// caption, a face colour of its own and no hot tracking unless a test asks.
struct TButtonForm {
    TForm Form{nullptr};
    TCountingButton* Button = nullptr;
    int FormClicks = 0;
    int ButtonClicks = 0;

    TButtonForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 240, 120);
        Form.SetColor(kFormColour);
        Button = new TCountingButton(&Form);
        Button->SetParent(&Form);
        Button->SetBounds(10, 10, 81, 41);
        Button->SetCaption("");
        Button->SetColor(kFaceColour);
        Form.OnClick = [this](TObject*) { ++FormClicks; };
        Button->OnClick = [this](TObject*) { ++ButtonClicks; };
    }
    ~TButtonForm() { SetCaptureControl(nullptr); }

    // Shows the form with the pointer on a free spot of it.
    void Show() {
        ShowFormForAutomation(&Form);
        MoveMouse(&Form, Point(225, 110));
        MoveMouse(&Form, Point(230, 115));
    }
};

// The midpoint laid over a colour by the hot wash: each channel halfway to
// clBtnHighlight, odd differences rounding toward the highlight.
inline TColor Washed(TColor picture) {
    const COLORREF h = ColorToRGB(clBtnHighlight), p = ColorToRGB(picture);
    const auto half = [](int c, int v) { return std::uint8_t(c - 50 * (c - v) / 100); };
    return TColor(RGB(half(GetRValue(h), GetRValue(p)), half(GetGValue(h), GetGValue(p)),
                      half(GetBValue(h), GetBValue(p))));
}

}  // namespace button_test
