// What the check box and the radio button share through TOrvoCustomCheck:
// one description of the shared properties for both. How the shared press,
// hover, accelerator and paint behave is tested through the two kinds
// (test_checkbox_*.cpp, test_radiobutton*.cpp).

#include <gtest/gtest.h>

#include "host/framework/Streaming.h"
#include "test_checkbox_support.h"

using namespace Orvo;

using namespace checkbox_test;

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
