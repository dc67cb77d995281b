// Mouse input: clicks, double-clicks, capture, enter and leave, window
// regions; through Perform and end to end through real Qt input.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>

#include <stdexcept>
#include <string>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/qt/HostWidget.h"

using namespace Orvo;

namespace {

// Counts the events a control raises.
struct TEventCounts {
    int Clicks = 0, DblClicks = 0, Downs = 0, Ups = 0;
    TMouseButton LastButton = mbMiddle;
    TShiftState LastShift;

    void Attach(TControl* c) {
        c->OnClick = [this](TObject*) { ++Clicks; };
        c->OnDblClick = [this](TObject*) { ++DblClicks; };
        c->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int, int) {
            ++Downs;
            LastButton = b;
            LastShift = s;
        };
        c->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Ups; };
    }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A shown form at (0,0) with two windowed controls side by side and a
// windowless one below them.
struct TMouseForm {
    TForm Form{nullptr};
    TRecordingControl* A;
    TRecordingControl* B;
    TRecordingGraphic* G;

    TMouseForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 200, 120);
        A = new TRecordingControl(&Form);
        A->SetBounds(10, 10, 60, 30);
        A->SetParent(&Form);
        B = new TRecordingControl(&Form);
        B->SetBounds(100, 10, 60, 30);
        B->SetParent(&Form);
        G = new TRecordingGraphic(&Form);
        G->SetBounds(10, 60, 60, 30);
        G->SetParent(&Form);
        ShowFormForAutomation(&Form);
    }
    ~TMouseForm() { SetCaptureControl(nullptr); }
};

}  // namespace

TEST(ControlMouse, PressAndReleaseInsideClickOnce) {
    TRecordingControl c(nullptr);
    c.SetBounds(0, 0, 50, 20);
    TEventCounts n;
    n.Attach(&c);
    c.Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(c.MouseCapture());
    EXPECT_TRUE(c.ControlState().Contains(csClicked));
    EXPECT_EQ(n.Downs, 1);
    EXPECT_EQ(n.LastButton, mbLeft);
    EXPECT_EQ(n.Clicks, 0);
    c.Perform(WM_LBUTTONUP, 0, At(6, 6));
    EXPECT_FALSE(c.MouseCapture());
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_EQ(n.Ups, 1);
}

TEST(ControlMouse, ReleaseOutsideTheClientAreaMakesNoClick) {
    TRecordingControl c(nullptr);
    c.SetBounds(0, 0, 50, 20);
    TEventCounts n;
    n.Attach(&c);
    c.Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    c.Perform(WM_LBUTTONUP, 0, At(60, 5));
    EXPECT_EQ(n.Clicks, 0);
    EXPECT_EQ(n.Ups, 1);
    c.Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    c.Perform(WM_LBUTTONUP, 0, At(-1, 5));
    EXPECT_EQ(n.Clicks, 0);
    // A release without a press before it is no click either.
    c.Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(n.Clicks, 0);
}

TEST(ControlMouse, DoubleClickRaisesDblClickAndNoExtraClick) {
    TRecordingControl c(nullptr);
    c.SetBounds(0, 0, 50, 20);
    TEventCounts n;
    n.Attach(&c);
    c.Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    c.Perform(WM_LBUTTONUP, 0, At(5, 5));
    c.Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(n.LastShift.Contains(ssDouble));
    c.Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_EQ(n.DblClicks, 1);
    EXPECT_EQ(n.Downs, 2);
}

TEST(ControlMouse, WithoutDoubleClicksTheSecondPressIsAPress) {
    TRecordingControl c(nullptr);
    c.SetBounds(0, 0, 50, 20);
    c.SetControlStyle(c.ControlStyle() - TControlStyle{csDoubleClicks});
    TEventCounts n;
    n.Attach(&c);
    c.Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    c.Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(n.DblClicks, 0);
    EXPECT_EQ(n.Clicks, 1);
}

TEST(ControlMouse, RightAndMiddleButtonsGiveTheirOwnButtonAndNoClick) {
    TRecordingControl c(nullptr);
    c.SetBounds(0, 0, 50, 20);
    TEventCounts n;
    n.Attach(&c);
    c.Perform(WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    EXPECT_EQ(n.LastButton, mbRight);
    EXPECT_TRUE(n.LastShift.Contains(ssRight));
    c.Perform(WM_RBUTTONUP, 0, At(5, 5));
    c.Perform(WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, At(5, 5));
    EXPECT_EQ(n.LastButton, mbMiddle);
    EXPECT_TRUE(n.LastShift.Contains(ssShift));
    c.Perform(WM_MBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(n.Downs, 2);
    EXPECT_EQ(n.Ups, 2);
    EXPECT_EQ(n.Clicks, 0);
    EXPECT_FALSE(c.MouseCapture());
}

TEST(ControlMouse, HandlerThatFreesItsControlIsSafe) {
    auto* c = new TRecordingControl(nullptr);
    c->SetBounds(0, 0, 50, 20);
    int ups = 0;
    c->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
    c->OnClick = [c](TObject*) { delete c; };
    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    c->Perform(WM_LBUTTONUP, 0, At(5, 5));  // ASan reports any use after the delete
    EXPECT_EQ(ups, 0);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

// ---------------------------------------------------------------- end to end

TEST(ControlMouseInput, ClickInsideRaisesClick) {
    TMouseForm f;
    TEventCounts n;
    n.Attach(f.A);
    ClickMouse(f.A, Point(30, 15));
    EXPECT_EQ(n.Downs, 1);
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_EQ(n.Ups, 1);
    EXPECT_FALSE(f.A->MouseCapture());
}

TEST(ControlMouseInput, PressDraggedOffAndReleasedOutsideRaisesNoClick) {
    TMouseForm f;
    TEventCounts n;
    n.Attach(f.A);
    PressMouse(f.A, Point(30, 15));
    EXPECT_TRUE(f.A->MouseCapture());
    MoveMouse(f.B, Point(30, 15));
    ReleaseMouse(f.B, Point(30, 15));
    EXPECT_EQ(n.Clicks, 0);
    EXPECT_EQ(n.Ups, 1);  // the release went to the captor
    EXPECT_EQ(f.B->Count(WM_LBUTTONUP), 0);
}

TEST(ControlMouseInput, DoubleClickRaisesDblClickAndOneClick) {
    TMouseForm f;
    TEventCounts n;
    n.Attach(f.A);
    DoubleClickMouse(f.A, Point(30, 15));
    EXPECT_EQ(n.DblClicks, 1);
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_EQ(f.A->Count(WM_LBUTTONDBLCLK), 1);
}

TEST(ControlMouseInput, EnterAndLeaveFollowThePointer) {
    TMouseForm f;
    MoveMouse(&f.Form, Point(5, 100));
    f.A->Messages.clear();
    f.G->Messages.clear();
    MoveMouse(f.A, Point(5, 5));
    EXPECT_EQ(f.A->Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(GetMouseControl(), f.A);
    MoveMouse(f.A, Point(20, 5));  // moving inside: nothing new
    EXPECT_EQ(f.A->Count(CM_MOUSEENTER), 1);
    MoveMouse(f.G, Point(5, 5));  // onto the windowless control
    EXPECT_EQ(f.A->Count(CM_MOUSELEAVE), 1);
    EXPECT_EQ(f.G->Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(GetMouseControl(), f.G);
    MoveMouse(&f.Form, Point(190, 110));
    EXPECT_EQ(f.G->Count(CM_MOUSELEAVE), 1);
    EXPECT_EQ(GetMouseControl(), &f.Form);
}

TEST(ControlMouseInput, WhileCapturedOnlyTheCaptorHearsOfEnterAndLeave) {
    TMouseForm f;
    PressMouse(f.A, Point(30, 15));
    f.A->Messages.clear();
    f.B->Messages.clear();
    MoveMouse(f.B, Point(30, 15));
    EXPECT_EQ(f.A->Count(CM_MOUSELEAVE), 1);
    EXPECT_EQ(f.B->Count(CM_MOUSEENTER), 0);
    MoveMouse(f.A, Point(30, 15));  // back over the captor
    EXPECT_EQ(f.A->Count(CM_MOUSEENTER), 1);
    MoveMouse(f.B, Point(10, 10));
    EXPECT_EQ(f.A->Count(CM_MOUSELEAVE), 2);
    ReleaseMouse(f.B, Point(10, 10));
    // Released: the control under the pointer is told now.
    EXPECT_EQ(f.B->Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(f.B->Count(CM_MOUSELEAVE), 0);
    EXPECT_EQ(GetMouseControl(), f.B);
}

TEST(ControlMouseInput, WindowlessControlGetsItsClicksInItsOwnCoordinates) {
    TMouseForm f;
    TEventCounts n;
    n.Attach(f.G);
    int x = -1, y = -1;
    f.G->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int mx, int my) {
        x = mx;
        y = my;
    };
    ClickMouse(f.G, Point(7, 9));
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 9);
    // Disabled, its clicks go to the parent.
    f.G->SetEnabled(false);
    TEventCounts formCounts;
    formCounts.Attach(&f.Form);
    ClickMouse(f.G, Point(7, 9));
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_EQ(formCounts.Clicks, 1);
}

TEST(ControlMouseInput, WindowRegionRefusesClicksInACornerToWhatLiesBelow) {
    TMouseForm f;
    // Leave out the top-left 20 x 10 corner of A.
    HRGN whole = CreateRectRgn(0, 0, 60, 30);
    HRGN corner = CreateRectRgn(0, 0, 20, 10);
    CombineRgn(whole, whole, corner, RGN_DIFF);
    DeleteObject(corner);
    EXPECT_EQ(SetWindowRgn(f.A->Handle(), whole, true), 1);
    TEventCounts onA, onForm;
    onA.Attach(f.A);
    onForm.Attach(&f.Form);
    ClickMouse(f.A, Point(5, 5));  // in the corner: the form below gets it
    EXPECT_EQ(onA.Downs, 0);
    EXPECT_EQ(onForm.Clicks, 1);
    ClickMouse(f.A, Point(40, 20));
    EXPECT_EQ(onA.Clicks, 1);
    EXPECT_EQ(onForm.Clicks, 1);
    HRGN back = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(f.A->Handle(), back), ERROR_REGION);
    EXPECT_FALSE(PtInRegion(back, 5, 5));
    EXPECT_TRUE(PtInRegion(back, 40, 20));
    DeleteObject(back);
    // The region also clips what the window shows.
    f.A->SetColor(clRed);
    f.Form.SetColor(clWhite);
    ProcessPendingPaints();
    const QImage shot = f.Form.Widget()->grab().toImage();
    EXPECT_EQ(shot.pixel(10 + 5, 10 + 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shot.pixel(10 + 40, 10 + 20) & 0xFFFFFF, 0xFF0000u);
}

TEST(ControlMouseInput, ExceptionInAHandlerReachesOnExceptionWithTheControl) {
    TMouseForm f;
    f.A->OnClick = [](TObject*) { throw std::runtime_error("handler failed"); };
    TObject* sender = nullptr;
    std::string message;
    Application->OnException = [&](TObject* s, const std::exception& e) {
        sender = s;
        message = e.what();
    };
    ClickMouse(f.A, Point(30, 15));
    Application->OnException = nullptr;
    EXPECT_EQ(sender, f.A);
    EXPECT_EQ(message, "handler failed");
    // The framework carried on: the capture was released.
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST(ControlMouseInput, SetCursorNoneHidesThePointerUntilItMoves) {
    TMouseForm f;
    f.A->SetCursor(crHandPoint);
    EXPECT_EQ(f.A->Widget()->cursor().shape(), Qt::PointingHandCursor);
    HCURSOR before = SetCursor(nullptr);
    EXPECT_NE(before, nullptr);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    EXPECT_EQ(GetCursor(), nullptr);
    MoveMouse(f.A, Point(3, 3));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(GetCursor(), CursorHandle(crArrow));
}
