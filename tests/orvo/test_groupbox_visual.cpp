// The containers together, as a form description nests them over a gradient
// background: a transparent group box holding a check box, a radio group and
// a group box with check (with a check box and an edit), and a white panel
// at 75 percent holding an edit, a check box and a flat group box. Rendered
// as the user sees it, before and after the heading is clicked; the pictures
// are written to $ORVO_SHOT_DIR (or the temporary directory) for a person to
// look at, and the test checks what can be checked by number.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "host/framework/Streaming.h"
#include "test_groupbox_support.h"

using namespace Orvo;

using namespace groupbox_test;

namespace {

std::string ShotDirectory() {
    if (const char* dir = std::getenv("ORVO_SHOT_DIR")) return dir;
    if (const char* tmp = std::getenv("TMPDIR")) return tmp;
    return "/tmp";
}

// The library's own edit and radio group where they exist, otherwise the
// framework's edit and a check box.
std::string EditClass() { return FindClass("TOrvoEdit") ? "TOrvoEdit" : "TEdit"; }

std::string RadioGroupObject() {
    if (!FindClass("TOrvoRadioGroup"))
        return "    object RadioGroup1: TOrvoCheckBox\n"
               "      Left = 150\n      Top = 24\n      Width = 110\n      Height = 19\n"
               "      Caption = 'In place of a radio group'\n"
               "      Transparent = True\n"
               "    end\n";
    return "    object RadioGroup1: TOrvoRadioGroup\n"
           "      Left = 150\n      Top = 8\n      Width = 120\n      Height = 73\n"
           "      Caption = 'OrvoRadioGroup'\n"
           "      Items.Strings = (\n        'Cat'\n        'Dog'\n        'OrvoRadioButton')\n"
           "      Transparent = True\n"
           "    end\n";
}

std::string FormDescription() {
    const std::string edit = EditClass();
    return "object Form1: TForm\n"
           "  Left = 0\n  Top = 0\n  Width = 300\n  Height = 300\n"
           "  BorderStyle = bsNone\n"
           "  object Background1: TOrvoBackground\n"
           "    Left = 0\n    Top = 0\n    Width = 300\n    Height = 300\n"
           "    GradientStartColor = $00F0C080\n"
           "    GradientEndColor = clWhite\n"
           "    Style = gsVertical\n"
           "  end\n"
           "  object GroupBox1: TOrvoGroupBox\n"
           "    Left = 8\n    Top = 8\n    Width = 284\n    Height = 150\n"
           "    Caption = 'OrvoGroupBox'\n"
           "    Transparent = True\n"
           "    object CheckBox1: TOrvoCheckBox\n"
           "      Left = 15\n      Top = 24\n      Width = 90\n      Height = 19\n"
           "      Caption = 'OrvoCheckBox'\n"
           "      Checked = True\n"
           "      Transparent = True\n"
           "    end\n" +
           RadioGroupObject() +
           "    object GroupBoxWithCheck1: TOrvoGroupBoxWithCheck\n"
           "      Left = 8\n      Top = 84\n      Width = 268\n      Height = 58\n"
           "      Caption = 'OrvoGroupBoxWith&Check'\n"
           "      Checked = True\n"
           "      HighlightColor = clLime\n"
           "      FocusHighlight = True\n"
           "      Transparent = True\n"
           "      object CheckBox2: TOrvoCheckBox\n"
           "        Left = 24\n        Top = 26\n        Width = 96\n        Height = 19\n"
           "        Caption = 'OrvoCheckBox2'\n"
           "        Transparent = True\n"
           "      end\n"
           "      object Edit2: " + edit + "\n"
           "        Left = 150\n        Top = 24\n        Width = 100\n        Height = 21\n"
           "        Text = 'Edit2'\n"
           "      end\n"
           "    end\n"
           "  end\n"
           "  object Panel1: TOrvoPanel\n"
           "    Left = 8\n    Top = 166\n    Width = 284\n    Height = 124\n"
           "    Caption = 'OrvoPanel      '\n"
           "    Color = clWhite\n"
           "    Transparent = True\n"
           "    Transparency = 75\n"
           "    object Edit1: " + edit + "\n"
           "      Left = 8\n      Top = 8\n      Width = 129\n      Height = 21\n"
           "      Text = 'Edit1'\n"
           "    end\n"
           "    object CheckBox3: TOrvoCheckBox\n"
           "      Left = 8\n      Top = 96\n      Width = 97\n      Height = 19\n"
           "      Caption = 'On the panel'\n"
           "      Transparent = True\n"
           "    end\n"
           "    object GroupBox2: TOrvoGroupBox\n"
           "      Left = 150\n      Top = 8\n      Width = 126\n      Height = 44\n"
           "      Caption = 'Flat'\n"
           "      Ctl3D = False\n"
           "      Transparent = True\n"
           "      object CheckBox4: TOrvoCheckBox\n"
           "        Left = 8\n        Top = 24\n        Width = 97\n        Height = 19\n"
           "        Caption = 'Inside'\n"
           "        Transparent = True\n"
           "      end\n"
           "    end\n"
           "  end\n"
           "end\n";
}

int WhiteOver75(int picture) { return 255 - 75 * (255 - picture) / 100; }

}  // namespace

TEST(ContainersVisual, NestedContainersRenderOverTheGradientAndFollowTheHeading) {
    TForm form(nullptr);
    ReadComponentText(&form, FormDescription(), "containers.form");
    auto* group = dynamic_cast<TOrvoGroupBoxWithCheck*>(form.FindComponent("GroupBoxWithCheck1"));
    auto* panel = dynamic_cast<TOrvoPanel*>(form.FindComponent("Panel1"));
    auto* box2 = dynamic_cast<TControl*>(form.FindComponent("CheckBox2"));
    auto* edit2 = dynamic_cast<TControl*>(form.FindComponent("Edit2"));
    ASSERT_TRUE(group && panel && box2 && edit2);

    ShowFormForAutomation(&form);
    MoveMouse(&form, Point(285, 295));
    MoveMouse(&form, Point(290, 296));
    std::string error;
    ASSERT_TRUE(RenderClientArea(&form, ShotDirectory() + "/containers.png", error)) << error;

    // The panel lays white at 75 percent over the form's picture (the
    // background) under it.
    const TSnapshot under(form);
    const TSnapshot panelPicture(*panel);
    for (const TPoint p : {Point(200, 80), Point(140, 110), Point(60, 60)}) {
        const COLORREF behind = ColorToRGB(under.At(panel->Left() + p.X, panel->Top() + p.Y));
        EXPECT_EQ(panelPicture.At(p.X, p.Y),
                  TColor(RGB(std::uint8_t(WhiteOver75(GetRValue(behind))), std::uint8_t(WhiteOver75(GetGValue(behind))),
                             std::uint8_t(WhiteOver75(GetBValue(behind))))))
            << p.X << ", " << p.Y;
    }
    EXPECT_TRUE(box2->Enabled());
    EXPECT_TRUE(edit2->Enabled());

    // Clicking the heading disables the group's contents, the accelerator
    // enables them again.
    ClickMouse(group->Heading(), Point(6, 9));
    EXPECT_FALSE(group->Checked());
    EXPECT_FALSE(box2->Enabled());
    EXPECT_FALSE(edit2->Enabled());
    MoveMouse(&form, Point(290, 296));
    ASSERT_TRUE(RenderClientArea(&form, ShotDirectory() + "/containers_unchecked.png", error)) << error;
    SendAltChar(&form, 'c');
    EXPECT_TRUE(group->Checked());
    EXPECT_TRUE(box2->Enabled());
    EXPECT_TRUE(edit2->Enabled());
}
