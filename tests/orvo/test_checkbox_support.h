#pragma once
// Fixtures for the check box tests: a form with a check box on it, painting
// a control into a bitmap through its messages, the text a font draws as a
// pixel mask, and a parent that paints a known picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/qt/Automation.h"
#include "host/services/Colors.h"
#include "host/framework/Controls.h"
#include "host/framework/Forms.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "orvo/OrvoCheckControls.h"

using namespace Orvo;

namespace checkbox_test {

// Colours no system colour of the palette is likely to have.
constexpr TColor kFormColour = TColor(RGB(200, 210, 220));
constexpr TColor kBoxColour = TColor(RGB(230, 220, 180));
constexpr TColor kMarker = TColor(RGB(1, 2, 3));

inline TColor Plain(TColor c) { return TColor(ColorToRGB(c)); }

// A painted picture of a control, as its messages paint it.
class TSnapshot {
public:
    explicit TSnapshot(TWinControl& control) : FBitmap(std::make_unique<TBitmap>()) {
        FBitmap->SetPixelFormat(pf32bit);
        FBitmap->SetSize(control.Width(), control.Height());
        FBitmap->Canvas()->Brush()->SetColor(kMarker);
        FBitmap->Canvas()->FillRect(Rect(0, 0, control.Width(), control.Height()));
        const WPARAM dc = reinterpret_cast<WPARAM>(FBitmap->Canvas()->Handle());
        EraseResult = control.Perform(WM_ERASEBKGND, dc, 0);
        control.Perform(WM_PAINT, dc, 0);
    }
    TColor At(int x, int y) const { return FBitmap->Pixel(x, y); }
    int Width() const { return FBitmap->Width(); }
    int Height() const { return FBitmap->Height(); }
    LRESULT EraseResult = 0;

private:
    std::unique_ptr<TBitmap> FBitmap;
};

// The pixels a font draws for `text` in a w x h rectangle at (0, 0) with
// DrawText and these flags (clipped to the rectangle, as the caption is):
// how much of each the glyphs cover, since text is antialiased.
class TTextMask {
public:
    TTextMask(const TFont* font, std::string_view text, int w, int h, unsigned flags) : FWidth(w), FHeight(h) {
        TBitmap b;
        b.SetPixelFormat(pf32bit);
        b.SetSize(w, h);
        b.Canvas()->Brush()->SetColor(clWhite);
        b.Canvas()->FillRect(Rect(0, 0, w, h));
        b.Canvas()->SetFont(font);
        b.Canvas()->Font()->SetColor(clBlack);
        b.Canvas()->Brush()->SetStyle(bsClear);
        TRect r = Rect(0, 0, w, h);
        DrawText(b.Canvas()->Handle(), text, r, flags);
        FCoverage.resize(std::size_t(w * h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) FCoverage[std::size_t(y * w + x)] = 255 - GetRValue(b.Pixel(x, y));
    }
    // 0 (no glyph; also outside the rectangle) to 255 (wholly covered).
    int Coverage(int x, int y) const {
        return x >= 0 && y >= 0 && x < FWidth && y < FHeight ? FCoverage[std::size_t(y * FWidth + x)] : 0;
    }
    // Mostly covered: where a reader sees the letters.
    bool Ink(int x, int y) const { return Coverage(x, y) > 127; }
    int InkCount() const {
        return int(std::count_if(FCoverage.begin(), FCoverage.end(), [](int c) { return c > 127; }));
    }
    // The colour at (x, y) of text in `ink` drawn over `under`.
    TColor Over(TColor under, TColor ink, int x, int y) const {
        const int a = Coverage(x, y);
        auto mix = [a](int u, int i) { return std::uint8_t(u + ((i - u) * a + (i > u ? 127 : -127)) / 255); };
        return TColor(RGB(mix(GetRValue(under), GetRValue(ink)), mix(GetGValue(under), GetGValue(ink)),
                          mix(GetBValue(under), GetBValue(ink))));
    }

private:
    int FWidth, FHeight;
    std::vector<int> FCoverage;
};

// Colours equal but for the rounding of a blend (two steps a channel).
inline bool NearColour(TColor a, TColor b) {
    return std::abs(int(GetRValue(a)) - GetRValue(b)) <= 2 && std::abs(int(GetGValue(a)) - GetGValue(b)) <= 2 &&
           std::abs(int(GetBValue(a)) - GetBValue(b)) <= 2;
}

// Text measured as a control's canvas measures it.
inline TSize MeasureText(const TFont* font, std::string_view text) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(4, 4);
    b.Canvas()->SetFont(font);
    return b.Canvas()->TextExtent(text);
}

// A check box that counts its paints.
class TCountingCheckBox : public TOrvoCheckBox {
public:
    using TOrvoCheckBox::TOrvoCheckBox;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TOrvoCheckBox::Paint();
    }
};

// The colour a parent paints at a point of its client area: distinct
// everywhere, so a picture copied to the wrong place shows.
inline TColor PatternAt(int x, int y) { return TColor(RGB(std::uint8_t(40 + x), std::uint8_t(60 + 2 * y), 150)); }

class TPatternParent : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x) Canvas()->SetPixels(x, y, PatternAt(x, y));
    }
};

// A borderless form at (0, 0) with one check box at (10, 10), 97 x 19,
// captioned "Sound", with a colour of its own and AutoSize off (so paints do
// not resize it). Not shown until Show().
struct TCheckBoxForm {
    TForm Form{nullptr};
    TCountingCheckBox* Box = nullptr;

    TCheckBoxForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 240, 120);
        Form.SetColor(kFormColour);
        Box = new TCountingCheckBox(&Form);
        Box->SetParent(&Form);
        Box->SetBounds(10, 10, 97, 19);
        Box->SetAutoSize(false);
        Box->SetCaption("Sound");
        Box->SetColor(kBoxColour);
    }
    ~TCheckBoxForm() { SetCaptureControl(nullptr); }

    // A second check box below the first (to take the focus away).
    TOrvoCheckBox* AddOther() {
        auto* other = new TOrvoCheckBox(&Form);
        other->SetParent(&Form);
        other->SetBounds(10, 60, 97, 19);
        other->SetAutoSize(false);
        other->SetCaption("Other");
        return other;
    }

    // Shows the form with the pointer on a free spot of it. Showing can
    // report the pointer over the box wherever an earlier test left it, and
    // a move to the pointer's own position is dropped, so it moves twice.
    void Show() {
        ShowFormForAutomation(&Form);
        MoveMouse(&Form, Point(225, 110));
        MoveMouse(&Form, Point(230, 115));
    }
};

// Counts the events a check box raises and what Checked was meanwhile.
struct TCheckEvents {
    int Clicks = 0, Downs = 0, Enters = 0, Exits = 0;
    bool CheckedAtClick = false, CheckedAtDown = false;

    void Attach(TOrvoCheckBox* box) {
        box->OnClick = [this, box](TObject*) {
            ++Clicks;
            CheckedAtClick = box->Checked();
        };
        box->OnMouseDown = [this, box](TObject*, TMouseButton, TShiftState, int, int) {
            ++Downs;
            CheckedAtDown = box->Checked();
        };
        box->OnMouseEnter = [this](TObject*) { ++Enters; };
        box->OnMouseExit = [this](TObject*) { ++Exits; };
    }
};

}  // namespace checkbox_test
