// The check box's properties: defaults, setter rules, the two-line hint,
// form descriptions and the glyph names.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/framework/Streaming.h"
#include "test_checkbox_support.h"

using namespace Orvo;

using namespace checkbox_test;

TEST(CheckBoxProps, NewBoxHasItsDefaults) {
    TOrvoCheckBox box(nullptr);
    EXPECT_EQ(box.BoundsRect(), Rect(0, 0, 97, 19));
    EXPECT_FALSE(box.Checked());
    EXPECT_TRUE(box.TabStop());
    EXPECT_TRUE(box.ControlStyle().Contains(csReplicatable));
    EXPECT_EQ(box.Alignment(), taRightJustify);
    EXPECT_TRUE(box.AutoSize());
    EXPECT_EQ(box.Border(), obNone);
    EXPECT_EQ(box.BorderColor(), clBlue);
    EXPECT_EQ(box.BorderVisible(), bvAlways);
    EXPECT_EQ(box.CheckColor(), clRed);
    EXPECT_EQ(box.CheckStyle(), os3D);
    EXPECT_EQ(box.CheckType(), ocCross);
    EXPECT_TRUE(box.Ctl3D());
    EXPECT_FALSE(box.FocusHighlight());
    EXPECT_EQ(box.HighlightColor(), clLime);
    EXPECT_TRUE(box.HotTrack());
    EXPECT_EQ(box.HotTrackFontColor(), clBlue);
    EXPECT_EQ(box.HintSecondLine(), "");
    EXPECT_FALSE(box.ReadOnly());
    EXPECT_FALSE(box.Transparent());
    EXPECT_FALSE(box.TransparentCenter());
    EXPECT_FALSE(box.WordWrap());
    EXPECT_EQ(box.Version(), OrvoVersion());
    EXPECT_TRUE(box.ClickDone());
    EXPECT_FALSE(box.MouseOver());
    EXPECT_EQ(box.Color(), clWindow);
    EXPECT_TRUE(box.ParentColor());
    EXPECT_EQ(box.GlyphResourceName(), "CB_3D_CROSS");
    ASSERT_FALSE(box.GlyphBitmap()->Empty());
    EXPECT_EQ(box.GlyphBitmap()->Width(), 16);
    EXPECT_EQ(box.GlyphBitmap()->Height(), 16);
}

TEST(CheckBoxProps, VersionIgnoresAssignments) {
    TOrvoCheckBox box(nullptr);
    box.SetVersion("Version 9.99");
    EXPECT_EQ(box.Version(), OrvoVersion());
}

TEST(CheckBoxProps, CentreAlignmentIsTakenAsRightJustify) {
    TOrvoCheckBox box(nullptr);
    box.SetAlignment(taLeftJustify);
    box.SetAlignment(taCenter);
    EXPECT_EQ(box.Alignment(), taRightJustify);
}

TEST(CheckBoxProps, GlyphFollowsStyleTypeAndColour) {
    TOrvoCheckBox box(nullptr);
    box.SetCheckStyle(os3DJumbo);
    box.SetCheckType(ocCheck);
    EXPECT_EQ(box.GlyphResourceName(), "CB_GLOSSY_CHECK");
    box.SetCheckColor(clLime);
    // CB_GLOSSY_CHECK row 1 ("............mRRm"): body at x 13, shadow at x 12.
    EXPECT_EQ(box.GlyphBitmap()->Pixel(13, 1), TColor(RGB(0, 255, 0)));
    EXPECT_EQ(box.GlyphBitmap()->Pixel(12, 1), TColor(RGB(0, 127, 0)));
    // Recolouring again starts from the pristine picture.
    box.SetCheckColor(clBlue);
    EXPECT_EQ(box.GlyphBitmap()->Pixel(13, 1), TColor(RGB(0, 0, 255)));
    EXPECT_EQ(box.GlyphBitmap()->Pixel(0, 15), clFuchsia);  // the key stays
}

TEST(CheckBoxProps, HintSecondLineAppendsEachTimeWhileHintIsNotEmpty) {
    TOrvoCheckBox box(nullptr);
    box.SetHintSecondLine("second");  // Hint empty: only stored
    EXPECT_EQ(box.Hint(), "");
    EXPECT_EQ(box.HintSecondLine(), "second");

    box.SetHint("first");
    box.SetHintSecondLine("second");
    EXPECT_EQ(box.Hint(), "first\rsecond");
    box.SetHintSecondLine("third");
    EXPECT_EQ(box.Hint(), "first\rsecond\rthird");
    box.SetHintSecondLine("");
    EXPECT_EQ(box.Hint(), "first\rsecond\rthird");
    EXPECT_EQ(box.HintSecondLine(), "");

    TOrvoCheckBox designed(nullptr);
    designed.SetDesigning(true);
    designed.SetHint("first");
    designed.SetHintSecondLine("second");
    EXPECT_EQ(designed.Hint(), "first");
}

namespace {

const char* kFormText =
    "object Form1: TForm\n"
    "  object CheckBox1: TOrvoCheckBox\n"
    "    Left = 8\n"
    "    Top = 12\n"
    "    Width = 120\n"
    "    Height = 21\n"
    "    Hint = 'first'\n"
    "    Alignment = taLeftJustify\n"
    "    AutoSize = False\n"
    "    Caption = '&Sound'\n"
    "    Checked = True\n"
    "    CheckColor = clGreen\n"
    "    CheckStyle = osFlat\n"
    "    CheckType = ocCircle\n"
    "    Ctl3D = False\n"
    "    HintSecondLine = 'second'\n"
    "    ReadOnly = True\n"
    "    Version = 'Version 0.1 by someone'\n"
    "  end\n"
    "end\n";

// The property names of the first nested object, in written order
// (sub-properties under their object's name, once).
std::vector<std::string> WrittenNames(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream in(text);
    std::string line;
    bool inChild = false;
    while (std::getline(in, line)) {
        if (line.find("object CheckBox1") != std::string::npos) {
            inChild = true;
            continue;
        }
        if (!inChild) continue;
        if (line == "  end") break;
        const auto start = line.find_first_not_of(' ');
        if (start != 4) continue;  // continuation lines of a value
        const auto end = line.find_first_of(" .", start);
        std::string name = line.substr(start, end - start);
        if (names.empty() || names.back() != name) names.push_back(name);
    }
    return names;
}

}  // namespace

TEST(CheckBoxProps, FormDescriptionLoadsThroughTheSetters) {
    TForm form(nullptr);
    ReadComponentText(&form, kFormText, "checkbox.form");
    auto* box = dynamic_cast<TOrvoCheckBox*>(form.FindComponent("CheckBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Parent(), &form);
    EXPECT_EQ(box->BoundsRect(), Rect(8, 12, 128, 33));
    EXPECT_EQ(box->Hint(), "first\rsecond");  // Hint is read first
    EXPECT_EQ(box->Alignment(), taLeftJustify);
    EXPECT_FALSE(box->AutoSize());
    EXPECT_EQ(box->Caption(), "&Sound");
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->GlyphResourceName(), "CB_CIRCLE");
    EXPECT_EQ(box->GlyphBitmap()->Pixel(7, 7), clGreen);
    EXPECT_FALSE(box->Ctl3D());
    EXPECT_TRUE(box->ReadOnly());
    EXPECT_EQ(box->Version(), OrvoVersion());
}

TEST(CheckBoxProps, TwoLineHintSurvivesWritingAndReadingBack) {
    // Writing stores the hint without its appended line, so a read, write,
    // read cycle keeps two lines instead of appending the second once more.
    TForm first(nullptr);
    ReadComponentText(&first, kFormText, "checkbox.form");
    const std::string written = WriteComponentText(&first);
    EXPECT_NE(written.find("    Hint = 'first'\n"), std::string::npos) << written;

    TForm second(nullptr);
    ReadComponentText(&second, written, "written.form");
    auto* box = dynamic_cast<TOrvoCheckBox*>(second.FindComponent("CheckBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Hint(), "first\rsecond");
    EXPECT_EQ(WriteComponentText(&second), written);
}

TEST(CheckBoxProps, OwnPropertiesAreAlwaysWrittenInDeclarationOrder) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* box = new TOrvoCheckBox(&form);
    box->SetName("CheckBox1");
    box->SetParent(&form);
    box->SetCaption("Sound");
    box->SetColor(clYellow);  // Color and the font are written once they are not the parent's
    box->Font()->SetColor(clNavy);
    box->SetHint("first");
    const std::string text = WriteComponentText(&form);

    const std::vector<std::string> names = WrittenNames(text);
    const TPropList& published = TOrvoCheckBox::StaticClassInfo().Published;
    // Every name is published, and they come in published order.
    int last = -1;
    for (const std::string& name : names) {
        int index = -1;
        for (std::size_t i = 0; i < published.size(); ++i)
            if (published[i].Name == name) index = int(i);
        ASSERT_GE(index, 0) << name;
        EXPECT_GT(index, last) << name << " out of order in\n" << text;
        last = index;
    }
    // The control's own properties are written although they hold their defaults.
    for (const char* own : {"Alignment", "AutoSize", "Border", "BorderColor", "BorderVisible", "Checked", "CheckColor",
                            "CheckStyle", "CheckType", "Ctl3D", "FocusHighlight", "HighlightColor", "HotTrack",
                            "HotTrackFontColor", "HintSecondLine", "ReadOnly", "Transparent", "TransparentCenter",
                            "Version", "WordWrap"})
        EXPECT_NE(std::find(names.begin(), names.end(), own), names.end()) << own << " missing from\n" << text;
    EXPECT_NE(text.find("    Alignment = taRightJustify\n"), std::string::npos);
    EXPECT_NE(text.find("    CheckStyle = os3D\n"), std::string::npos);
    EXPECT_NE(text.find("    TabStop = True\n"), std::string::npos);
    EXPECT_NE(text.find("    Version = '" + OrvoVersion() + "'\n"), std::string::npos);

    // The full published list, as declared.
    std::vector<std::string> all;
    for (const TPropInfo& p : published) all.push_back(p.Name);
    const std::vector<std::string> expected = {
        "Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpContext", "Alignment", "Anchors", "AutoSize",
        "BiDiMode", "Border", "BorderColor", "BorderVisible", "Caption", "Checked", "CheckColor", "CheckStyle",
        "CheckType", "Color", "Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled",
        "FocusHighlight", "Font", "HighlightColor", "HotTrack", "HotTrackFontColor", "HintSecondLine", "OnClick",
        "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
        "OnKeyUp", "OnMouseDown", "OnMouseEnter", "OnMouseExit", "OnMouseMove", "OnMouseUp", "OnStartDock",
        "OnStartDrag", "ParentBiDiMode", "ParentFont", "ParentColor", "PopupMenu", "ReadOnly", "ShowHint",
        "TabStop", "TabOrder", "Transparent", "TransparentCenter", "Version", "Visible", "WordWrap"};
    EXPECT_EQ(all, expected);
}

TEST(CheckBoxProps, BadValuesInADescriptionAreReportedWithTheirLine) {
    TForm form(nullptr);
    const std::string bad =
        "object Form1: TForm\n"
        "  object CheckBox1: TOrvoCheckBox\n"
        "    CheckStyle = os4D\n"
        "  end\n"
        "end\n";
    try {
        ReadComponentText(&form, bad, "bad.form");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Line(), 3);
    }
    EXPECT_EQ(form.FindComponent("CheckBox1"), nullptr);
}

TEST(CheckBoxProps, GlyphNamesFollowStyleAndType) {
    EXPECT_EQ(CheckBoxGlyphName(osFlat, ocCheck), "CB_CHECK");
    EXPECT_EQ(CheckBoxGlyphName(os3D, ocCross), "CB_3D_CROSS");
    EXPECT_EQ(CheckBoxGlyphName(os3DJumbo, ocCircle), "CB_GLOSSY_CIRCLE");
}
