// The shaped button's keyboard and focus: Space, Enter, Default, Cancel and
// the accelerator click it; the focus highlight and focus rectangle are drawn
// only while they apply, and the window style stays owner-drawn.

#include <gtest/gtest.h>

#include "test_button_support.h"

using namespace Orvo;

using namespace button_test;

namespace {

// The form with an edit to take the focus.
struct TFocusForm : TButtonForm {
    TEdit* Edit = nullptr;
    TFocusForm() {
        Edit = new TEdit(&Form);
        Edit->SetParent(&Form);
        Edit->SetBounds(120, 60, 80, 21);
    }
};

}  // namespace

TEST(ButtonInput, KeysDialogKeysAndAcceleratorClick) {
    TFocusForm f;
    f.Button->SetCaption("&Start");
    f.Show();
    f.Button->SetFocus();
    SendKey(&f.Form, VK_SPACE);
    SendKey(&f.Form, VK_RETURN);
    EXPECT_EQ(f.ButtonClicks, 2);
    f.Edit->SetFocus();
    SendKey(&f.Form, VK_RETURN);  // not the Default button yet
    SendAltChar(&f.Form, 's');
    EXPECT_EQ(f.ButtonClicks, 3);
    f.Button->SetDefault(true);
    f.Button->SetCancel(true);
    SendKey(&f.Form, VK_RETURN);
    SendKey(&f.Form, VK_ESCAPE);
    EXPECT_EQ(f.ButtonClicks, 5);
    EXPECT_EQ(f.Button->WindowStyle() & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST(ButtonInput, FocusHighlightAndFocusRectApplyOnlyWhileTheyShould) {
    TFocusForm f;
    f.Button->SetFocusHighlight(true);
    f.Button->SetHighlightColor(clYellow);
    f.Show();
    f.Edit->SetFocus();
    EXPECT_FALSE(f.Button->IsFocused());
    EXPECT_EQ(TDrawn(*f.Button).At(20, 15), kFaceColour);

    f.Button->SetFocus();
    EXPECT_TRUE(f.Button->IsFocused());
    TDrawn focused(*f.Button);
    EXPECT_EQ(focused.At(20, 15), Plain(clYellow));
    EXPECT_EQ(focused.At(0, 20), Plain(clWindowFrame));
    // The dotted focus rectangle 4 pixels in: every other pixel inverted.
    const COLORREF y = ColorToRGB(clYellow);
    const TColor inverted = TColor(RGB(255 - GetRValue(y), 255 - GetGValue(y), 255 - GetBValue(y)));
    int dots = 0;
    for (int x = 4; x < 77; ++x) dots += focused.At(x, 4) == inverted;
    EXPECT_NEAR(dots, 73 / 2, 1);

    f.Button->SetFocusRect(false);
    TDrawn plain(*f.Button);
    for (int x = 4; x < 77; ++x) ASSERT_EQ(plain.At(x, 4), Plain(clYellow)) << x;
}
