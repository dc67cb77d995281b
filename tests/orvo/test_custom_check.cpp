// What the check box and the radio button share through TOrvoCustomCheck:
// one description of the shared properties for both, and the places where
// the shared code hands over to a kind of check control (its hooks).

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/framework/Streaming.h"
#include "test_checkbox_support.h"

using namespace Orvo;

using namespace checkbox_test;

namespace {

// A kind of check control that only records what the shared code asks of it.
class TRecordingCheck : public TOrvoCustomCheck {
public:
    explicit TRecordingCheck(TComponent* owner) : TOrvoCustomCheck(owner, clGreen) { LoadGlyph(); }
    std::string GlyphResourceName() const override { return "CB_CHECK"; }

    std::vector<std::string> Log;

protected:
    void DrawMark() override { Log.push_back(std::string("mark ") + (Checked() ? "checked" : "clear")); }
    void ShowPress() override {
        Log.push_back("press");
        ShowChecked(true);
    }
    void UndoPress() override {
        Log.push_back("undo");
        ShowChecked(false);
    }
    void AcceleratorClicked() override { Log.push_back("accelerator"); }
    void CheckedAssigned(bool was) override { Log.push_back(std::string("assigned, was ") + (was ? "on" : "off")); }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

int Count(const std::vector<std::string>& log, const std::string& entry) {
    return int(std::count(log.begin(), log.end(), entry));
}

}  // namespace

TEST(CustomCheck, SharedPropertiesAreDescribedOnceForBothKinds) {
    const TClassInfo& box = TOrvoCheckBox::StaticClassInfo();
    const TClassInfo& radio = TOrvoRadioButton::StaticClassInfo();
    // The very same descriptions (setter, stored default, what is written),
    // Hint's and TabStop's included, which the shared class gives its own.
    for (const char* name :
         {"Alignment", "AutoSize", "Border", "BorderColor", "BorderVisible", "Checked", "CheckColor", "CheckStyle",
          "Ctl3D", "FocusHighlight", "HighlightColor", "HintSecondLine", "HotTrack", "HotTrackFontColor",
          "OnMouseEnter", "OnMouseExit", "ReadOnly", "Transparent", "TransparentCenter", "Version", "WordWrap",
          "Hint", "TabStop"}) {
        const TPropInfo* inBox = box.FindPublished(name);
        ASSERT_NE(inBox, nullptr) << name;
        EXPECT_EQ(inBox, radio.FindPublished(name)) << name;
    }
    EXPECT_FALSE(box.FindPublished("TabStop")->Default.has_value());
    // Each kind's own stay its own.
    EXPECT_EQ(radio.FindPublished("CheckType"), nullptr);
    EXPECT_EQ(box.FindPublished("GroupIndex"), nullptr);
    EXPECT_EQ(box.FindPublished("Raised"), nullptr);

    // The shared class is no class a form description may name.
    EXPECT_EQ(FindClass("TOrvoCustomCheck"), nullptr);
    TForm form(nullptr);
    EXPECT_THROW(ReadComponentText(&form, "object Form1: TForm\n  object C: TOrvoCustomCheck\n  end\nend\n", "c.form"),
                 EReadError);
}

TEST(CustomCheck, HooksRunWhereTheSharedCodeHandsOver) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 240, 120);
    auto* check = new TRecordingCheck(&form);
    check->SetParent(&form);
    check->SetBounds(10, 10, 97, 19);
    check->SetAutoSize(false);
    check->SetCaption("&Mark");
    ShowFormForAutomation(&form);
    check->Log.clear();

    // Every assignment, also of the value it has, with the value before.
    check->SetChecked(true);
    check->SetChecked(true);
    check->SetChecked(false);
    EXPECT_EQ(check->Log, (std::vector<std::string>{"assigned, was off", "assigned, was on", "assigned, was on"}));

    // A press is shown at once and taken back when the pointer leaves first.
    check->Log.clear();
    check->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(Count(check->Log, "press"), 1);
    EXPECT_TRUE(check->Checked());
    EXPECT_FALSE(check->ClickDone());
    check->Log.clear();
    check->Perform(CM_MOUSELEAVE);
    // After the hot look's repaint.
    EXPECT_EQ(Count(check->Log, "undo"), 1);
    EXPECT_FALSE(check->Checked());
    EXPECT_TRUE(check->ClickDone());
    // A settled press has nothing to take back.
    check->Log.clear();
    check->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    check->Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_TRUE(check->ClickDone());
    check->Log.clear();
    check->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(Count(check->Log, "undo"), 0);

    // The accelerator: the click, then the kind's own step.
    int clicks = 0;
    check->OnClick = [&](TObject*) {
        ++clicks;
        check->Log.push_back("click");
    };
    check->Log.clear();
    EXPECT_EQ(check->Perform(CM_DIALOGCHAR, 'm'), 1);
    EXPECT_EQ(clicks, 1);
    ASSERT_GE(check->Log.size(), 2u);
    EXPECT_EQ(check->Log.front(), "click");
    EXPECT_EQ(check->Log.back(), "accelerator");

    // A paint draws the mark once, in the state of the moment.
    check->SetChecked(true);
    check->Log.clear();
    TSnapshot shot(*check);
    EXPECT_EQ(check->Log, (std::vector<std::string>{"mark checked"}));
}
