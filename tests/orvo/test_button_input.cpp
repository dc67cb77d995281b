// The shaped button's keyboard and focus: Space and Enter click it, Default
// and Cancel answer the dialog keys, a "&" caption's accelerator clicks it,
// the current push button's look follows the focus, and the focus highlight
// and focus rectangle are drawn while they apply.

#include <gtest/gtest.h>

#include "test_button_support.h"

using namespace button_test;

namespace {

// The form with a second, ordinary button to take the focus.
struct TTwoButtonForm : TButtonForm {
    TButton* Other = nullptr;
    int OtherClicks = 0;
    TTwoButtonForm() {
        Other = new TButton(&Form);
        Other->SetParent(&Form);
        Other->SetBounds(120, 10, 75, 25);
        Other->SetCaption("Other");
        Other->OnClick = [this](TObject*) { ++OtherClicks; };
    }
};

}  // namespace

TEST(ButtonInput, SpaceAndEnterClickTheFocusedButton) {
    TTwoButtonForm f;
    f.Button->SetCaption("Go");
    f.Show();
    f.Button->SetFocus();
    ASSERT_TRUE(f.Button->Focused());
    SendKey(&f.Form, VK_SPACE);
    EXPECT_EQ(f.ButtonClicks, 1);
    SendKey(&f.Form, VK_RETURN);
    EXPECT_EQ(f.ButtonClicks, 2);
    EXPECT_EQ(f.OtherClicks, 0);
}

TEST(ButtonInput, DefaultAndCancelAnswerTheDialogKeys) {
    TTwoButtonForm f;
    auto* edit = new TEdit(&f.Form);
    edit->SetParent(&f.Form);
    edit->SetBounds(120, 60, 80, 21);
    f.Button->SetDefault(true);
    f.Show();
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
    SendKey(&f.Form, VK_RETURN);
    EXPECT_EQ(f.ButtonClicks, 1);
    SendKey(&f.Form, VK_ESCAPE);
    EXPECT_EQ(f.ButtonClicks, 1);
    f.Button->SetCancel(true);
    SendKey(&f.Form, VK_ESCAPE);
    EXPECT_EQ(f.ButtonClicks, 2);
}

TEST(ButtonInput, AcceleratorOfTheCaptionClicks) {
    TTwoButtonForm f;
    f.Button->SetCaption("&Start");
    f.Show();
    f.Other->SetFocus();
    SendAltChar(&f.Form, 's');
    EXPECT_EQ(f.ButtonClicks, 1);
    EXPECT_EQ(f.OtherClicks, 0);
}

TEST(ButtonInput, CurrentPushButtonLookFollowsTheFocusWithoutChangingTheStyle) {
    TTwoButtonForm f;
    f.Show();
    f.Button->SetFocus();
    EXPECT_TRUE(f.Button->IsFocused());
    f.Other->SetFocus();
    EXPECT_FALSE(f.Button->IsFocused());
    EXPECT_EQ(f.Button->WindowStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    // A Default button is the current one while no other button has the focus.
    f.Button->SetDefault(true);
    f.Button->Perform(CM_FOCUSCHANGED, 0, 0);
    EXPECT_TRUE(f.Button->IsFocused());
    EXPECT_EQ(f.Button->WindowStyle() & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST(ButtonInput, FocusHighlightAndFocusRectApplyOnlyWhileTheyShould) {
    TTwoButtonForm f;
    f.Button->SetFocusHighlight(true);
    f.Button->SetHighlightColor(clYellow);
    f.Show();
    f.Other->SetFocus();
    TDrawn unfocused(*f.Button);
    EXPECT_EQ(unfocused.At(20, 15), kFaceColour);

    f.Button->SetFocus();
    TDrawn focused(*f.Button);
    EXPECT_EQ(focused.At(20, 15), Plain(clYellow));
    // The dotted focus rectangle 4 pixels in: every other pixel inverted.
    const COLORREF yellow = ColorToRGB(clYellow);
    const TColor inverted = TColor(RGB(255 - GetRValue(yellow), 255 - GetGValue(yellow), 255 - GetBValue(yellow)));
    int dots = 0;
    for (int x = 4; x < 77; ++x) dots += focused.At(x, 4) == inverted;
    EXPECT_NEAR(dots, 73 / 2, 1);
    // The dark outline of the focused button, with the frame inside it.
    EXPECT_EQ(focused.At(0, 20), Plain(clWindowFrame));

    f.Button->SetFocusRect(false);
    TDrawn plain(*f.Button);
    for (int x = 4; x < 77; ++x) ASSERT_EQ(plain.At(x, 4), Plain(clYellow)) << x;
}
