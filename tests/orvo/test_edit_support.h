#pragma once
// Fixtures for the edit, memo and list box tests: a shown borderless form
// whose page paints a picture with a different colour at every pixel, the
// library's edit controls placed on that page, a plain edit to take the focus
// away, and the pixels a control shows on the screen.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/Automation.h"
#include "host/Colors.h"
#include "host/Controls.h"
#include "host/Forms.h"
#include "host/Gdi.h"
#include "host/Graphics.h"
#include "host/StdCtrls.h"
#include "orvo/OrvoEditControls.h"

// Qt's own entry for key events of the window system (as its test library
// uses it): the event goes through the application as a keyboard's would.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods, const QString& text,
                                    bool autorep, ushort count);
QT_END_NAMESPACE

namespace edit_test {

// A key with modifiers (Shift+Left, Ctrl+C...) typed on the form's window.
inline void TypeKeys(TCustomForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWindow* window = form.Widget()->windowHandle();
    qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, QString(), false, 1);
    qt_handleKeyEvent(window, QEvent::KeyRelease, key, modifiers, QString(), false, 1);
    QCoreApplication::processEvents();
    ProcessPendingPaints();
}

// Colours no system colour of the palette is likely to have.
constexpr TColor kInk = TColor(RGB(20, 30, 140));
constexpr TColor kFill = TColor(RGB(230, 220, 180));

inline TColor Plain(TColor c) { return TColor(ColorToRGB(c)); }

// The page's colour at a point of its client area (the page is at most
// 220 x 96, so every channel stays in its byte).
inline TColor PictureAt(int x, int y) { return TColor(RGB(std::uint8_t(30 + x), std::uint8_t(60 + 2 * y), 150)); }

// The transparency blend of one colour over another, channel by channel.
inline TColor Blend(TColor colour, TColor under, int transparency) {
    const COLORREF c = ColorToRGB(colour), p = ColorToRGB(under);
    auto channel = [transparency](int a, int b) { return std::uint8_t(a - transparency * (a - b) / 100); };
    return TColor(RGB(channel(GetRValue(c), GetRValue(p)), channel(GetGValue(c), GetGValue(p)),
                      channel(GetBValue(c), GetBValue(p))));
}

// A page that paints PictureAt, from a picture made once.
class TPicturePage : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        if (FPicture.Width() != Width() || FPicture.Height() != Height()) {
            FPicture.SetPixelFormat(pf32bit);
            FPicture.SetSize(Width(), Height());
            for (int y = 0; y < Height(); ++y) {
                std::uint8_t* pixel = FPicture.ScanLine(y);
                for (int x = 0; x < Width(); ++x, pixel += 4) {
                    const COLORREF c = ColorToRGB(PictureAt(x, y));
                    pixel[0] = GetBValue(c);
                    pixel[1] = GetGValue(c);
                    pixel[2] = GetRValue(c);
                    pixel[3] = 0;
                }
            }
        }
        Canvas()->Draw(0, 0, &FPicture);
    }

private:
    TBitmap FPicture;
};

// A borderless 240 x 120 form with the 220 x 96 picture page at (0, 0) and
// a plain edit below it that takes the focus away from the controls tested.
struct TPictureForm {
    TForm Form{nullptr};
    TPicturePage* Page = nullptr;
    TEdit* Other = nullptr;

    TPictureForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 240, 130);
        Form.SetColor(clWhite);
        Page = new TPicturePage(&Form);
        Page->SetParent(&Form);
        Page->SetBounds(0, 0, 220, 96);
        Other = new TEdit(&Form);
        Other->SetParent(&Form);
        Other->SetBounds(0, 100, 100, 21);
    }
    ~TPictureForm() { SetCaptureControl(nullptr); }

    // A control of the library on the page, with its own colours.
    template <class T>
    T* Add(int left, int top, int width, int height) {
        auto* control = new T(&Form);
        control->SetParent(Page);
        control->SetBounds(left, top, width, height);
        control->SetColor(kFill);
        control->Font()->SetColor(kInk);
        return control;
    }
    void Show() {
        ShowFormForAutomation(&Form);
        Other->SetFocus();
        ProcessPendingPaints();
    }
    void FocusAway() {
        Other->SetFocus();
        ProcessPendingPaints();
    }
};

// A control that records, for each focus gain and vertical scroll request,
// the first line or item it showed when the message arrived
// ("focus@0", "scroll@0"...).
template <class Base, auto FirstShown>
class TScrollWatch : public Base {
public:
    using Base::Base;
    std::vector<std::string> Seen;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_SETFOCUS) Seen.push_back("focus@" + std::to_string((this->*FirstShown)()));
        if (m.Msg == WM_VSCROLL) Seen.push_back("scroll@" + std::to_string((this->*FirstShown)()));
        Base::WndProc(m);
    }
};

// What a control shows on the screen now (with its child windows).
class TScreenShot {
public:
    explicit TScreenShot(TWinControl* control) {
        ProcessPendingPaints();
        // The window as a whole, cut to the control: what the screen shows.
        QWidget* window = control->Widget()->window();
        const TPoint at = AutomationWindowPoint(control, Point(0, 0));
        FImage = window->grab(QRect(at.X, at.Y, control->Width(), control->Height()))
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32);
    }
    TColor At(int x, int y) const {
        const QRgb c = FImage.pixel(x, y);
        return TColor(RGB(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))));
    }
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    // How many pixels of `r` show `colour`.
    int Count(const TRect& r, TColor colour) const {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == Plain(colour);
        return n;
    }
    // How many pixels of `r` show the page's picture exactly where they lie,
    // for a control at `origin` of the page.
    int CountPicture(const TRect& r, TPoint origin) const {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == PictureAt(origin.X + x, origin.Y + y);
        return n;
    }

private:
    QImage FImage;
};

}  // namespace edit_test
