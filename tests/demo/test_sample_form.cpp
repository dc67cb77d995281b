// The framework's sample form, read from its compiled description and driven
// with real mouse and key input.
#include <gtest/gtest.h>

#include "SampleForm.h"
#include "host/qt/Automation.h"

using namespace Orvo;

namespace {

TEST(SampleForm, ReadsEveryStockControlFromItsDescription) {
    TSampleForm form(nullptr);
    form.AfterConstruction();
    EXPECT_EQ(form.ClientRect(), Rect(0, 0, 420, 260));
    for (const char* name : {"GradientPanel", "Gradient", "Title", "Pages", "InputSheet", "AboutSheet", "NameEdit",
                             "ColourCombo", "LoudBox", "Notes", "Fruit", "GreetButton", "Greeting"})
        EXPECT_NE(form.FindComponent(name), nullptr) << name;
    // The windowless gradient fills its panel.
    auto* gradient = dynamic_cast<TControl*>(form.FindComponent("Gradient"));
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->BoundsRect(), Rect(0, 0, 420, 40));
    EXPECT_EQ(form.ColourCombo->ItemIndex(), 0);  // OnCreate ran
}

TEST(SampleForm, MouseAndKeyboardDriveTheGreeting) {
    TSampleForm form(nullptr);
    form.AfterConstruction();
    ShowFormForAutomation(&form);
    auto* button = dynamic_cast<TControl*>(form.FindComponent("GreetButton"));
    ASSERT_NE(button, nullptr);

    ClickMouse(button, Point(10, 10));
    EXPECT_EQ(form.Greeting->Caption(), "Hello, Ada.");

    // Alt+L is the check box's accelerator: it ticks the box, whose OnClick
    // updates the greeting.
    SendAltChar(&form, 'l');
    EXPECT_TRUE(form.LoudBox->Checked());
    EXPECT_EQ(form.Greeting->Caption(), "Hello, Ada!!!");

    // A user's pick in the combo box recolours it.
    form.ColourCombo->SelectByUser(2);
    EXPECT_EQ(form.Greeting->Font()->Color(), clBlue);
}

}  // namespace
