#pragma once
// Fixtures for the container tests (group box, group box with check, panel):
// controls that count their paints, a parent with a gradient, and reading
// the frame lines of a painted group box.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "orvo/OrvoCheckControls.h"
#include "test_checkbox_support.h"

using namespace Orvo;

namespace groupbox_test {

using namespace checkbox_test;

// A vertical gradient from light blue at the top to warm yellow at the bottom.
inline TColor GradientAt(int y, int height) {
    const int t = height > 1 ? 255 * y / (height - 1) : 0;
    return TColor(RGB(std::uint8_t(150 + 100 * t / 255), std::uint8_t(190 + 40 * t / 255),
                      std::uint8_t(250 - 150 * t / 255)));
}

class TGradientParent : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        for (int y = 0; y < Height(); ++y) {
            Canvas()->Brush()->SetColor(GradientAt(y, Height()));
            Canvas()->FillRect(Rect(0, y, Width(), y + 1));
        }
    }
};

// Controls that count how often they paint themselves.
template <class TBase>
class TCounting : public TBase {
public:
    using TBase::TBase;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TBase::Paint();
    }
};

// The caption as the container draws it: its width and height in `font`.
inline TSize CaptionExtent(const TFont* font, std::string_view caption) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(4, 4);
    b.Canvas()->SetFont(font);
    TRect r = Rect(0, 0, 0, 0);
    DrawText(b.Canvas()->Handle(), caption, r, DT_SINGLELINE | DT_CALCRECT);
    return TSize{r.Width(), b.Canvas()->TextHeight(caption)};
}

// The pixels of a one-pixel frame (L, T, R, B all inclusive, as MoveTo and
// LineTo draw it) whose top edge is open from gapLeft to gapRight
// (inclusive), checked against one colour. Reports the first mismatch.
inline ::testing::AssertionResult FrameDrawnIn(const TSnapshot& s, const TRect& r, TColor colour, int gapLeft,
                                               int gapRight) {
    auto fail = [&](int x, int y) {
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << s.At(x, y)
                                             << ", not " << colour;
    };
    for (int x = r.Left; x <= r.Right; ++x) {
        if (s.At(x, r.Bottom) != colour) return fail(x, r.Bottom);
        if ((x < gapLeft || x > gapRight) && s.At(x, r.Top) != colour) return fail(x, r.Top);
    }
    for (int y = r.Top; y <= r.Bottom; ++y) {
        if (s.At(r.Left, y) != colour) return fail(r.Left, y);
        if (s.At(r.Right, y) != colour) return fail(r.Right, y);
    }
    return ::testing::AssertionSuccess();
}

// A borderless form at (0, 0) in a colour of its own; not shown until Show().
struct TContainerForm {
    TForm Form{nullptr};

    TContainerForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 320, 240);
        Form.SetColor(kFormColour);
    }
    ~TContainerForm() { SetCaptureControl(nullptr); }

    template <class T>
    T* Add(TWinControl* parent, int left, int top, int width, int height) {
        auto* c = new T(&Form);
        c->SetParent(parent);
        c->SetBounds(left, top, width, height);
        return c;
    }

    // Shows the form with the pointer on a free spot of it (see TCheckBoxForm).
    void Show() {
        ShowFormForAutomation(&Form);
        MoveMouse(&Form, Point(305, 225));
        MoveMouse(&Form, Point(310, 230));
    }
};

}  // namespace groupbox_test
