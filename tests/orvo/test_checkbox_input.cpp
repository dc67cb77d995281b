// The check box's input: the press state machine, double clicks, keys, the
// accelerator, read-only, hot tracking and focus, through real Qt input on a
// shown form where the path matters and through messages elsewhere.

#include <gtest/gtest.h>

#include "test_checkbox_support.h"

using namespace Orvo;

using namespace checkbox_test;

namespace {

const TPoint kInside = Point(50, 9);
// A point of the form well away from the box.
const TPoint kOutside = Point(200, 100);

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace

// ---------------------------------------------------------------- press

TEST(CheckBoxInput, PressTogglesAtOnceAndTheReleaseClicksOnce) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);

    PressMouse(f.Box, kInside);
    EXPECT_TRUE(f.Box->Checked());
    EXPECT_FALSE(f.Box->ClickDone());
    EXPECT_EQ(n.Downs, 1);
    EXPECT_TRUE(n.CheckedAtDown);  // OnMouseDown already sees the new state
    EXPECT_TRUE(f.Box->Focused());
    EXPECT_EQ(n.Clicks, 0);

    ReleaseMouse(f.Box, kInside);
    EXPECT_TRUE(f.Box->Checked());
    EXPECT_TRUE(f.Box->ClickDone());
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_TRUE(n.CheckedAtClick);

    ClickMouse(f.Box, kInside);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Clicks, 2);
}

TEST(CheckBoxInput, PressDraggedOffIsUndoneWhenThePointerLeaves) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);

    PressMouse(f.Box, kInside);
    ASSERT_TRUE(f.Box->Checked());
    MoveMouse(&f.Form, kOutside);
    // Restored at the moment of leaving, before any release.
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_TRUE(f.Box->ClickDone());
    EXPECT_EQ(n.Exits, 1);
    ReleaseMouse(&f.Form, kOutside);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Clicks, 0);
}

TEST(CheckBoxInput, PressDraggedOffAndBackStaysAsItWasAndStillClicks) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);

    PressMouse(f.Box, kInside);
    MoveMouse(&f.Form, kOutside);
    MoveMouse(f.Box, kInside);
    EXPECT_EQ(n.Enters, 2);
    EXPECT_FALSE(f.Box->Checked());
    ReleaseMouse(f.Box, kInside);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Clicks, 1);
}

TEST(CheckBoxInput, DoubleClickTogglesTwiceAndClicksTwice) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);

    DoubleClickMouse(f.Box, kInside);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_TRUE(f.Box->ClickDone());
    EXPECT_EQ(n.Clicks, 2);
    EXPECT_EQ(n.Downs, 2);
}

TEST(CheckBoxInput, RightAndMiddlePressesDoNothing) {
    TCheckBoxForm f;
    TCheckEvents n;
    n.Attach(f.Box);
    for (UINT down : {WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDBLCLK}) {
        f.Box->Perform(down, 0, At(5, 5));
        EXPECT_FALSE(f.Box->Checked());
        EXPECT_TRUE(f.Box->ClickDone());
    }
    f.Box->Perform(WM_RBUTTONUP, 0, At(5, 5));
    f.Box->Perform(WM_MBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(n.Downs, 0);
    EXPECT_EQ(n.Clicks, 0);
}

TEST(CheckBoxInput, ReadOnlyRefusesPressesAndClicks) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Box->SetReadOnly(true);
    f.Show();
    n.Attach(f.Box);

    ClickMouse(f.Box, kInside);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Downs, 0);
    EXPECT_EQ(n.Clicks, 0);
    DoubleClickMouse(f.Box, kInside);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Clicks, 0);
    // Assignments from code are not refused.
    f.Box->SetChecked(true);
    EXPECT_TRUE(f.Box->Checked());
}

TEST(CheckBoxInput, DisabledPressesDoNothing) {
    TCheckBoxForm f;
    TCheckEvents n;
    n.Attach(f.Box);
    f.Box->SetEnabled(false);
    f.Box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    f.Box->Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Downs, 0);
}

TEST(CheckBoxInput, PaintWithoutTheFocusCancelsAPendingPress) {
    // Not on a shown form, the press cannot take the focus: the next paint
    // finds the press pending without the focus and undoes it.
    TCheckBoxForm f;
    TCheckEvents n;
    n.Attach(f.Box);
    f.Box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    ASSERT_TRUE(f.Box->Checked());
    ASSERT_FALSE(f.Box->ClickDone());
    TSnapshot s(*f.Box);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_TRUE(f.Box->ClickDone());
    EXPECT_EQ(s.At(1 + 14, 1 + 1), clWhite);  // painted unchecked
    // A click by any path still raises OnClick.
    f.Box->Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_FALSE(f.Box->Checked());
}

TEST(CheckBoxInput, LeavingWhileSettledDoesNotToggle) {
    TCheckBoxForm f;
    f.Box->SetChecked(true);
    f.Box->Perform(CM_MOUSEENTER);
    f.Box->Perform(CM_MOUSELEAVE);
    EXPECT_TRUE(f.Box->Checked());
}

// ---------------------------------------------------------------- keys

TEST(CheckBoxInput, EnterAndSpaceToggleWithoutOnClickAlsoWhenReadOnly) {
    TCheckBoxForm f;
    TCheckEvents n;
    bool checkedAtKeyDown = false;
    f.Box->OnKeyDown = [&](TObject*, Word&, TShiftState) { checkedAtKeyDown = f.Box->Checked(); };
    f.Show();
    n.Attach(f.Box);
    f.Box->SetFocus();
    ProcessPendingPaints();
    ASSERT_TRUE(f.Box->Focused());

    SendKey(&f.Form, VK_SPACE);
    EXPECT_TRUE(f.Box->Checked());
    EXPECT_TRUE(checkedAtKeyDown);  // OnKeyDown sees the new state
    SendKey(&f.Form, VK_RETURN);
    EXPECT_FALSE(f.Box->Checked());

    f.Box->SetReadOnly(true);
    SendKey(&f.Form, VK_SPACE);
    EXPECT_TRUE(f.Box->Checked());
    SendKey(&f.Form, VK_RETURN);
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Clicks, 0);

    // Other keys leave it alone.
    SendKey(&f.Form, VK_LEFT);
    EXPECT_FALSE(f.Box->Checked());
}

TEST(CheckBoxInput, AcceleratorClicksWithTheOldStateThenFocusesAndToggles) {
    TCheckBoxForm f;
    TOrvoCheckBox* other = f.AddOther();
    f.Box->SetCaption("&Sound");
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);
    other->SetFocus();
    ProcessPendingPaints();
    ASSERT_TRUE(other->Focused());

    SendAltChar(&f.Form, 's');
    EXPECT_EQ(n.Clicks, 1);
    EXPECT_FALSE(n.CheckedAtClick);
    EXPECT_TRUE(f.Box->Checked());
    EXPECT_TRUE(f.Box->Focused());

    EXPECT_EQ(f.Box->Perform(CM_DIALOGCHAR, 'S'), 1);
    EXPECT_EQ(n.Clicks, 2);
    EXPECT_FALSE(f.Box->Checked());
    // Another character is not the accelerator.
    EXPECT_EQ(f.Box->Perform(CM_DIALOGCHAR, 'o'), 0);
    EXPECT_EQ(n.Clicks, 2);
}

TEST(CheckBoxInput, ReadOnlyOrUnfocusableAcceleratorGoesOn) {
    TCheckBoxForm f;
    f.Box->SetCaption("&Sound");
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);
    f.Box->SetReadOnly(true);
    EXPECT_EQ(f.Box->Perform(CM_DIALOGCHAR, 's'), 0);
    SendAltChar(&f.Form, 's');
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(n.Clicks, 0);

    f.Box->SetReadOnly(false);
    f.Box->SetVisible(false);  // cannot take the focus
    EXPECT_EQ(f.Box->Perform(CM_DIALOGCHAR, 's'), 0);
    EXPECT_FALSE(f.Box->Checked());
}

// ---------------------------------------------------------------- hot tracking

TEST(CheckBoxInput, HotTrackingFollowsThePointerAndRaisesEnterAndExit) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);

    MoveMouse(f.Box, kInside);
    EXPECT_TRUE(f.Box->MouseOver());
    EXPECT_EQ(n.Enters, 1);
    MoveMouse(f.Box, Point(60, 9));  // moving inside: nothing new
    EXPECT_EQ(n.Enters, 1);
    MoveMouse(&f.Form, kOutside);
    EXPECT_FALSE(f.Box->MouseOver());
    EXPECT_EQ(n.Exits, 1);

    // Without HotTrack the events still come, the hot look does not.
    f.Box->SetHotTrack(false);
    MoveMouse(f.Box, kInside);
    EXPECT_FALSE(f.Box->MouseOver());
    EXPECT_EQ(n.Enters, 2);
    MoveMouse(&f.Form, kOutside);
    EXPECT_EQ(n.Exits, 2);
}

TEST(CheckBoxInput, DisabledBoxHasNoHotStateAndRaisesNoEvents) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Box->SetEnabled(false);
    f.Show();
    n.Attach(f.Box);
    MoveMouse(f.Box, kInside);
    MoveMouse(&f.Form, kOutside);
    // Also when the messages reach it directly.
    f.Box->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(f.Box->MouseOver());
    f.Box->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(n.Enters, 0);
    EXPECT_EQ(n.Exits, 0);
}

TEST(CheckBoxInput, AHandlerMayFreeTheBoxOnEnter) {
    TCheckBoxForm f;
    f.Box->OnMouseEnter = [&](TObject*) {
        delete f.Box;
        f.Box = nullptr;
    };
    f.Box->Perform(CM_MOUSEENTER);
    EXPECT_EQ(f.Box, nullptr);
}

// ---------------------------------------------------------------- focus and repaint

TEST(CheckBoxInput, FocusChangesRepaintAtOnce) {
    TCheckBoxForm f;
    TOrvoCheckBox* other = f.AddOther();
    f.Show();
    other->SetFocus();
    ProcessPendingPaints();
    const int before = f.Box->Paints;
    f.Box->SetFocus();  // no event processing in between
    EXPECT_GT(f.Box->Paints, before);
    const int focused = f.Box->Paints;
    other->SetFocus();
    EXPECT_GT(f.Box->Paints, focused);
}

TEST(CheckBoxInput, AssigningTheSameCheckedRepaintsWithoutAnEvent) {
    TCheckBoxForm f;
    TCheckEvents n;
    f.Show();
    n.Attach(f.Box);
    const int before = f.Box->Paints;
    f.Box->SetChecked(false);
    ProcessPendingPaints();
    EXPECT_GT(f.Box->Paints, before);
    EXPECT_EQ(n.Clicks, 0);
}
