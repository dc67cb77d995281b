// A sheet of radio buttons and radio groups in every style, colour, column
// count and state over a gradient, loaded from a form description and
// rendered as the user would see it. The picture is written to
// $ORVO_SHOT_DIR (or the temporary directory) for a person to look at; the
// test checks what can be checked by number.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "host/framework/Streaming.h"
#include "test_radiobutton_support.h"

using namespace Orvo;

using namespace radio_test;

namespace {

std::string ShotDirectory() {
    if (const char* dir = std::getenv("ORVO_SHOT_DIR")) return dir;
    if (const char* tmp = std::getenv("TMPDIR")) return tmp;
    return "/tmp";
}

std::string Radio(const std::string& name, int left, int top, const std::string& caption, const std::string& extra) {
    return "  object " + name + ": TOrvoRadioButton\n    Left = " + std::to_string(left) +
           "\n    Top = " + std::to_string(top) + "\n    Width = 120\n    Height = 19\n    Caption = '" + caption +
           "'\n    AutoSize = False\n" + extra + "  end\n";
}

std::string Group(const std::string& name, int left, int top, int width, int height, const std::string& caption,
                  const std::string& extra) {
    return "  object " + name + ": TOrvoRadioGroup\n    Left = " + std::to_string(left) +
           "\n    Top = " + std::to_string(top) + "\n    Width = " + std::to_string(width) +
           "\n    Height = " + std::to_string(height) + "\n    Caption = '" + caption + "'\n" + extra + "  end\n";
}

std::string SheetText() {
    std::string t = "object Sheet: TForm\n  Left = 0\n  Top = 0\n  Width = 560\n  Height = 330\n"
                    "  BorderStyle = bsNone\n  Color = $00E0D0B0\n";
    // Buttons: three styles in three colours, checked; then the states.
    // Each has a GroupIndex of its own other than 0: a description stores
    // Checked before GroupIndex, so while a later button is read its Checked
    // acts within group 0 and would uncheck a group-0 button read earlier.
    const char* styles[] = {"osFlat", "os3D", "os3DJumbo"};
    const char* colours[] = {"clRed", "clBlue", "clGreen"};
    for (int s = 0; s < 3; ++s)
        for (int c = 0; c < 3; ++c)
            t += Radio("R" + std::to_string(s) + std::to_string(c), 8 + 125 * c, 8 + 22 * s,
                       std::string(styles[s]) + " " + colours[c],
                       "    Checked = True\n    CheckColor = " + std::string(colours[c]) +
                           "\n    CheckStyle = " + styles[s] + "\n    GroupIndex = " + std::to_string(3 * s + c + 1) +
                           "\n");
    t += Radio("Unchecked", 8, 78, "Unchecked", "    GroupIndex = 20\n");
    t += Radio("Raised", 133, 78, "Raised", "    Raised = True\n    GroupIndex = 21\n");
    t += Radio("RaisedOn", 258, 78, "Raised, checked", "    Raised = True\n    Checked = True\n    GroupIndex = 22\n");
    t += Radio("Flat", 8, 100, "Flat ring", "    Ctl3D = False\n    Checked = True\n    GroupIndex = 23\n");
    t += Radio("Disabled", 133, 100, '&' + std::string("Disabled"),
               "    Enabled = False\n    Checked = True\n    GroupIndex = 24\n");
    t += Radio("Left", 258, 100, "Left justify",
               "    Alignment = taLeftJustify\n    Checked = True\n    GroupIndex = 25\n");
    t += Radio("Border", 8, 122, "Simple border",
               "    Border = obSimple\n    BorderColor = clPurple\n    GroupIndex = 26\n");
    t += Radio("Clear", 133, 122, "Transparent centre",
               "    TransparentCenter = True\n    Checked = True\n    GroupIndex = 27\n");
    t += Radio("Yellow", 258, 122, "Yellow, navy dot",
               "    Color = clYellow\n    CheckColor = clNavy\n    Checked = True\n    GroupIndex = 28\n");
    t += Radio("Hot", 383, 78, "Hot tracked", "    GroupIndex = 29\n");
    t += Radio("Lowered", 383, 100, "Lowered border", "    Border = obLowered\n    GroupIndex = 30\n");
    // Groups: one, two and three columns; flat frame; transparent; read-only.
    const std::string pets = "    Items.Strings = (\n      'Cat'\n      'Dog'\n      'Bird')\n";
    const std::string five = "    Items.Strings = (\n      'One'\n      'Two'\n      'Three'\n      'Four'\n"
                             "      'Five')\n";
    t += Group("G1", 8, 150, 113, 73, "Pets", "    ItemIndex = 1\n" + pets);
    t += Group("G2", 130, 150, 185, 105, "Two columns", "    Columns = 2\n    ItemIndex = 3\n    CheckColor = clRed\n" + five);
    t += Group("G3", 325, 150, 225, 73, "Three columns, flat",
               "    Columns = 3\n    Ctl3D = False\n    CheckStyle = os3DJumbo\n    CheckColor = clBlue\n"
               "    ItemIndex = 4\n" + five);
    t += Group("G4", 8, 230, 113, 90, "Transparent",
               "    Transparent = True\n    ParentColor = True\n    ItemIndex = 0\n    CheckStyle = osFlat\n" + pets);
    t += Group("G5", 325, 230, 225, 90, "Raised, read-only, left",
               "    Alignment = taLeftJustify\n    Raised = True\n    ReadOnly = True\n    ItemIndex = 2\n" + pets);
    t += "end\n";
    return t;
}

}  // namespace

TEST(RadioVisual, SheetOfEveryKindRendersAsDescribed) {
    TForm form(nullptr);
    ReadComponentText(&form, SheetText(), "radios.form");
    ShowFormForAutomation(&form);
    MoveMouse(&form, Point(545, 315));
    MoveMouse(&form, Point(550, 320));
    auto* hot = dynamic_cast<TOrvoRadioButton*>(form.FindComponent("Hot"));
    ASSERT_NE(hot, nullptr);
    MoveMouse(hot, Point(60, 9));
    ASSERT_TRUE(hot->MouseOver());
    const std::string path = ShotDirectory() + "/radios.png";
    std::string error;
    ASSERT_TRUE(RenderClientArea(&form, path, error)) << error;

    auto* g2 = dynamic_cast<TOrvoRadioGroup*>(form.FindComponent("G2"));
    ASSERT_NE(g2, nullptr);
    ASSERT_EQ(g2->ButtonCount(), 5);
    EXPECT_EQ(g2->ItemIndex(), 3);
    EXPECT_TRUE(g2->Buttons(3)->Checked());
    EXPECT_EQ(g2->Buttons(3)->Left(), 8 + (185 - 15) / 2);
    EXPECT_TRUE(g2->Buttons(3)->Visible());
    auto* g4 = dynamic_cast<TOrvoRadioGroup*>(form.FindComponent("G4"));
    ASSERT_NE(g4, nullptr);
    EXPECT_TRUE(g4->Buttons(0)->Transparent());
}
