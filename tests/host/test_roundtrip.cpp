// A form written and read back is the same form: values that equal a
// framework default but not what the control starts with, radio buttons of
// several groups, and children that a parent would not write back.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/framework/Streaming.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoEditControls.h"

using namespace Orvo;

namespace {

// Writes `form`, reads the text into a new plain form and returns that.
std::unique_ptr<TForm> WrittenAndRead(TForm& form, std::string* text = nullptr) {
    const std::string written = WriteComponentText(&form);
    if (text) *text = written;
    auto copy = std::make_unique<TForm>(nullptr);
    ReadComponentText(copy.get(), written, "copy.form");
    return copy;
}

template <class T>
T* Child(TForm& form, const char* name) {
    return dynamic_cast<T*>(form.FindComponent(name));
}

TEST(RoundTrip, FormKeepsTheWindowColour) {
    // A form starts at clBtnFace; clWindow was taken for a default and left out.
    TForm form(nullptr);
    form.SetName("Form1");
    ASSERT_EQ(form.Color(), clBtnFace);
    form.SetColor(clWindow);
    std::string text;
    auto copy = WrittenAndRead(form, &text);
    EXPECT_NE(text.find("  Color = clWindow\n"), std::string::npos);
    EXPECT_EQ(copy->Color(), clWindow);
}

// Controls that take their parent's colour until they are given their own,
// and panels, which start with the button face colour.
class RoundTripOwnColour : public ::testing::TestWithParam<const char*> {};

TEST_P(RoundTripOwnColour, WindowColourOnAYellowFormStaysTheWindowColour) {
    TForm form(nullptr);
    form.SetName("Form1");
    form.SetColor(clYellow);
    auto* control = static_cast<TControl*>(FindClass(GetParam())->Create(&form));
    control->SetName("Subject1");
    control->SetParent(&form);
    // Either the parent's colour or one of its own, not the window colour.
    ASSERT_NE(control->Color(), clWindow);
    control->SetColor(clWindow);
    ASSERT_FALSE(control->ParentColor());

    auto copy = WrittenAndRead(form);
    auto* read = Child<TControl>(*copy, "Subject1");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Color(), clWindow);
    EXPECT_FALSE(read->ParentColor());
}

INSTANTIATE_TEST_SUITE_P(Controls, RoundTripOwnColour,
                         ::testing::Values("TOrvoGroupBox", "TOrvoStaticText", "TOrvoCheckBox", "TOrvoRadioButton",
                                           "TOrvoPanel", "TPanel", "TLabel"));

// Controls that start as tab stops although the framework's stored default
// for TabStop is False.
class RoundTripTabStop : public ::testing::TestWithParam<const char*> {};

TEST_P(RoundTripTabStop, TabStopFalseIsWrittenAndReadBack) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* control = static_cast<TWinControl*>(FindClass(GetParam())->Create(&form));
    control->SetName("Subject1");
    control->SetParent(&form);
    ASSERT_TRUE(control->TabStop());
    control->SetTabStop(false);

    std::string text;
    auto copy = WrittenAndRead(form, &text);
    EXPECT_NE(text.find("    TabStop = False\n"), std::string::npos);
    EXPECT_FALSE(Child<TWinControl>(*copy, "Subject1")->TabStop());

    // And a tab stop still reads back as one.
    control->SetTabStop(true);
    EXPECT_TRUE(Child<TWinControl>(*WrittenAndRead(form), "Subject1")->TabStop());
}

INSTANTIATE_TEST_SUITE_P(Controls, RoundTripTabStop,
                         ::testing::Values("TOrvoCheckBox", "TOrvoRadioButton", "TOrvoStaticText", "TOrvoGroupBox",
                                           "TOrvoGroupBoxWithCheck", "TOrvoPanel"));

// ---------------------------------------------------------------- radio buttons

TOrvoRadioButton* AddRadio(TForm& form, const char* name, int groupIndex, bool checked) {
    auto* radio = new TOrvoRadioButton(&form);
    radio->SetName(name);
    radio->SetParent(&form);
    radio->SetGroupIndex(std::uint8_t(groupIndex));
    if (checked) radio->SetChecked(true);
    return radio;
}

TEST(RoundTripRadio, ACheckedButtonOfAnotherGroupDoesNotUncheckTheButtonsReadBeforeIt) {
    TForm form(nullptr);
    form.SetName("Form1");
    AddRadio(form, "A", 0, true);
    AddRadio(form, "B", 0, false);
    AddRadio(form, "C", 1, true);  // Checked is stored before GroupIndex

    std::string first;
    auto copy = WrittenAndRead(form, &first);
    EXPECT_TRUE(Child<TOrvoRadioButton>(*copy, "A")->Checked());
    EXPECT_FALSE(Child<TOrvoRadioButton>(*copy, "B")->Checked());
    EXPECT_TRUE(Child<TOrvoRadioButton>(*copy, "C")->Checked());
    EXPECT_EQ(WriteComponentText(copy.get()), first);
}

TEST(RoundTripRadio, TheGroupRuleHoldsOnceTheFormIsLoaded) {
    // Two buttons of one group stored checked (a press was under way when the
    // form was written): the one read last stays checked, as if assigned in
    // stream order, and a button of another group keeps its dot.
    const char* text =
        "object Form1: TForm\n"
        "  object A: TOrvoRadioButton\n    Checked = True\n  end\n"
        "  object B: TOrvoRadioButton\n    Checked = True\n    GroupIndex = 2\n  end\n"
        "  object C: TOrvoRadioButton\n    Checked = True\n  end\n"
        "end\n";
    TForm form(nullptr);
    ReadComponentText(&form, text, "radios.form");
    EXPECT_FALSE(Child<TOrvoRadioButton>(form, "A")->Checked());
    EXPECT_TRUE(Child<TOrvoRadioButton>(form, "B")->Checked());
    EXPECT_TRUE(Child<TOrvoRadioButton>(form, "C")->Checked());
}

TEST(RoundTripRadio, AButtonReadIntoAFormUnchecksTheButtonsAlreadyThere) {
    TForm form(nullptr);
    form.SetName("Form1");
    TOrvoRadioButton* old = AddRadio(form, "Old", 0, true);
    ReadComponentText(&form,
                      "object Form1: TForm\n  object New: TOrvoRadioButton\n    Checked = True\n  end\nend\n",
                      "more.form");
    EXPECT_FALSE(old->Checked());
    EXPECT_TRUE(Child<TOrvoRadioButton>(form, "New")->Checked());
}

TEST(RoundTripRadio, AButtonCheckedByLoadingIsUncheckedByAPressDraggedOff) {
    // Loading checks through the setter from the unchecked state, so the
    // button records that it was not checked before.
    TForm form(nullptr);
    ReadComponentText(&form, "object Form1: TForm\n  object A: TOrvoRadioButton\n    Checked = True\n  end\nend\n",
                      "one.form");
    EXPECT_FALSE(Child<TOrvoRadioButton>(form, "A")->WasChecked());
}

// ---------------------------------------------------------------- references

TEST(RoundTripReferences, TwoReferencesToOneComponentAreBothClearedWhenItDies) {
    // A form whose ActiveControl and PopupMenu name one panel, as a form
    // read back may: letting go of one reference kept the other dangling.
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    form.SetActiveControl(panel);
    form.SetPopupMenu(panel);
    form.SetActiveControl(nullptr);
    delete panel;
    EXPECT_EQ(form.PopupMenu(), nullptr);
}

// ---------------------------------------------------------------- children

struct TRefusedChild {
    const char* Case;
    const char* Text;
    int Line;
    const char* Message;
};

void PrintTo(const TRefusedChild& c, std::ostream* out) { *out << c.Case; }

class RoundTripRefusedChild : public ::testing::TestWithParam<TRefusedChild> {};

TEST_P(RoundTripRefusedChild, IsAnErrorAtItsLine) {
    const TRefusedChild& c = GetParam();
    TForm form(nullptr);
    try {
        ReadComponentText(&form, c.Text, "refused.form");
        FAIL() << "the description was accepted";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Line(), c.Line) << e.what();
        EXPECT_NE(e.Message().find(c.Message), std::string::npos) << e.what();
    }
    // Nothing the read created is left.
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

const TRefusedChild kRefusedChildren[] = {
    {"CheckBoxInsideARadioGroup",
     "object Form1: TForm\n"
     "  ActiveControl = Inner\n"
     "  object Group1: TOrvoRadioGroup\n"
     "    Items.Strings = (\n"
     "      'One')\n"
     "    object Inner: TOrvoCheckBox\n"  // line 6
     "    end\n"
     "  end\n"
     "end\n",
     6, "Inner: TOrvoCheckBox cannot be placed on Group1: TOrvoRadioGroup"},
    {"ButtonDirectlyOnAPageControl",
     "object Form1: TForm\n"
     "  object Pages1: TPageControl\n"
     "    object Sheet1: TTabSheet\n"
     "    end\n"
     "    object Button1: TButton\n"  // line 5
     "    end\n"
     "  end\n"
     "end\n",
     5, "Button1: TButton cannot be placed on Pages1: TPageControl"},
    {"ButtonInsideALabel",
     "object Form1: TForm\n"
     "  object Label1: TLabel\n"
     "    object Button1: TButton\n"  // line 3
     "    end\n"
     "  end\n"
     "end\n",
     3, "Button1: TButton cannot be placed on Label1: TLabel"},
};

INSTANTIATE_TEST_SUITE_P(Children, RoundTripRefusedChild, ::testing::ValuesIn(kRefusedChildren));

TEST(RoundTripChildren, ChildrenOfContainersAndSheetsAreStillRead) {
    const char* text =
        "object Form1: TForm\n"
        "  object Pages1: TPageControl\n"
        "    object Sheet1: TTabSheet\n"
        "      object Box1: TOrvoCheckBox\n      end\n"
        "    end\n"
        "  end\n"
        "  object Group1: TOrvoGroupBox\n"
        "    object Radio1: TOrvoRadioButton\n    end\n"
        "  end\n"
        "end\n";
    TForm form(nullptr);
    ReadComponentText(&form, text, "nested.form");
    EXPECT_EQ(Child<TControl>(form, "Box1")->Parent(), Child<TWinControl>(form, "Sheet1"));
    EXPECT_EQ(Child<TControl>(form, "Radio1")->Parent(), Child<TWinControl>(form, "Group1"));
}

}  // namespace
