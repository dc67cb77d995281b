#pragma once
// Fixtures for the edit, memo and list box tests: a shown borderless form
// whose page paints a different colour at every pixel, a plain edit to take
// the focus away, keys with modifiers, a recorder of focus gains and scroll
// requests, and the pixels a control shows on the screen.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/qt/Automation.h"
#include "host/framework/Forms.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoEditControls.h"
#include "test_checkbox_support.h"

using namespace Orvo;

// Qt's entry for the window system's key events (as its test library uses
// it): the event goes through the application as a keyboard's would.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods, const QString& text,
                                    bool autorep, ushort count);
QT_END_NAMESPACE

namespace edit_test {

constexpr TColor kInk = TColor(RGB(20, 30, 140));
constexpr TColor kFill = TColor(RGB(230, 220, 180));

inline TColor Plain(TColor c) { return TColor(ColorToRGB(c)); }
// The page's colour at a point: different at every pixel of the page.
using checkbox_test::TPatternParent;
inline TColor PictureAt(int x, int y) { return checkbox_test::PatternAt(x, y); }
inline TColor Blend(TColor colour, TColor under, int percent) {
    const COLORREF c = ColorToRGB(colour), p = ColorToRGB(under);
    auto mix = [percent](int a, int b) { return std::uint8_t(a - percent * (a - b) / 100); };
    return TColor(RGB(mix(GetRValue(c), GetRValue(p)), mix(GetGValue(c), GetGValue(p)), mix(GetBValue(c), GetBValue(p))));
}

// A key with modifiers (Shift+Left, Ctrl+C...) typed on the form's window.
inline void TypeKeys(TCustomForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWindow* window = form.Widget()->windowHandle();
    qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, QString(), false, 1);
    qt_handleKeyEvent(window, QEvent::KeyRelease, key, modifiers, QString(), false, 1);
    ProcessPendingPaints();
}

// A 240 x 130 form: the 200 x 96 page at (0, 0), a plain edit below it.
struct TPictureForm {
    TForm Form{nullptr};
    TPatternParent* Page = new TPatternParent(&Form);
    TEdit* Other = new TEdit(&Form);

    TPictureForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 240, 130);
        Page->SetParent(&Form);
        Page->SetBounds(0, 0, 200, 96);
        Other->SetParent(&Form);
        Other->SetBounds(0, 100, 100, 21);
    }
    ~TPictureForm() { SetCaptureControl(nullptr); }
    // A control on the page at (10, top), with its own colours.
    template <class T>
    T* Add(int top, int width, int height) {
        auto* control = new T(&Form);
        control->SetParent(Page);
        control->SetBounds(10, top, width, height);
        control->SetColor(kFill);
        control->Font()->SetColor(kInk);
        return control;
    }
    void Show() {
        ShowFormForAutomation(&Form);
        FocusAway();
    }
    void FocusAway() {
        Other->SetFocus();
        ProcessPendingPaints();
    }
};

// Records the first line or item shown at each focus gain and vertical
// scroll request ("focus@0", "scroll@0"...).
template <class Base, auto FirstShown>
class TScrollWatch : public Base {
public:
    using Base::Base;
    std::vector<std::string> Seen;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_SETFOCUS || m.Msg == WM_VSCROLL)
            Seen.push_back((m.Msg == WM_SETFOCUS ? "focus@" : "scroll@") + std::to_string((this->*FirstShown)()));
        Base::WndProc(m);
    }
};

// Whether a pixel lies nearer the first colour than the second: for text,
// which is antialiased, a pixel mostly covered by a glyph in `first` over
// `second`.
inline bool NearerFirst(TColor pixel, TColor first, TColor second) {
    auto distance = [](TColor a, TColor b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b));
    };
    return distance(pixel, first) < distance(pixel, second);
}

// What a control on the page shows on the screen now: the window cut to it.
class TScreenShot {
public:
    explicit TScreenShot(TWinControl* control) : FLeft(control->Left()), FTop(control->Top()) {
        ProcessPendingPaints();
        const TPoint at = AutomationWindowPoint(control, Point(0, 0));
        FImage = control->Widget()->window()->grab(QRect(at.X, at.Y, control->Width(), control->Height())).toImage();
    }
    TColor At(int x, int y) const {
        const QRgb c = FImage.pixel(x, y);
        return TColor(RGB(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))));
    }
    // Pixels of `r` in `colour`; with clNone, pixels showing the page's
    // picture where they lie.
    int Count(const TRect& r, TColor colour) const {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += At(x, y) == (colour == clNone ? PictureAt(FLeft + x, FTop + y) : Plain(colour));
        return n;
    }
    // Pixels of `r` mostly covered by text in `ink` (antialiased) over
    // `under` (clNone: the page's picture): nearer the ink than what lies
    // beneath.
    int CountInk(const TRect& r, TColor ink, TColor under) const {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += NearerFirst(At(x, y), Plain(ink), under == clNone ? PictureAt(FLeft + x, FTop + y) : Plain(under));
        return n;
    }

private:
    int FLeft, FTop;
    QImage FImage;
};

}  // namespace edit_test
