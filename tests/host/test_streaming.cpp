// Form descriptions written from components and read back into them.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/services/Resources.h"
#include "host/framework/Streaming.h"
#include "test_streaming_classes.h"

using namespace Orvo;

namespace {

// A nested form in the writer's own layout, so writing it back must give
// exactly these bytes.
std::string NestedFormText() {
    return "object Form1: TStreamTestForm\n"
           "  Caption = 'Round trip'\n"
           "  Color = clWindow\n"
           "  object Panel1: TStreamTestControl\n"
           "    Left = 8\n"
           "    Top = 16\n"
           "    Caption = 'It''s a panel'\n"
           "    Color = $00F0C080\n"
           "    Font.Charset = DEFAULT_CHARSET\n"
           "    Font.Color = clNavy\n"
           "    Font.Height = -16\n"
           "    Font.Name = 'MS Sans Serif'\n"
           "    Font.Style = [fsBold]\n"
           "    OnClick = PanelClick\n"
           "    ParentColor = False\n"
           "    ParentFont = False\n"
           "    Picture.Data = {" +
           HexLines(WithByteCount(FourBitBmp()), "      ") +
           "\n"
           "    object Button1: TStreamTestControl\n"
           "      Left = 4\n"
           "      Top = 4\n"
           "      Caption = 'Go'\n"
           "      Hint = 'first'#13'second'\n"
           "      Alignment = talCenter\n"
           "      Anchors = [tanLeft, tanBottom]\n"
           "      Buddy = Group1\n"
           "      Enabled = False\n"
           "      OnClick = ButtonClick\n"
           "    end\n"
           "    object Group1: TStreamTestGroup\n"
           "      Left = 4\n"
           "      Top = 40\n"
           "      Caption = ''\n"
           "      Items.Strings = (\n"
           "        'Cat'\n"
           "        'Dog'#13'gy')\n"
           "      Picture.Data = {" +
           HexLines(WithByteCount(TwentyFourBitBmp()), "        ") +
           "\n"
           "    end\n"
           "  end\n"
           "  object Store1: TStreamTestStore\n"
           "    Level = 3\n"
           "  end\n"
           "end\n";
}

class StreamingTest : public ::testing::Test {
protected:
    void SetUp() override { TStreamLog::Get().Events.clear(); }
    void TearDown() override { EXPECT_EQ(TStreamLog::Get().Live, 0) << "test components left alive"; }
};

TEST_F(StreamingTest, NestedFormReadsEveryKindOfValue) {
    TTestForm form(nullptr);
    ReadComponentText(&form, NestedFormText(), "nested.form");

    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(form.Caption(), "Round trip");
    EXPECT_EQ(form.Color(), clWindow);
    ASSERT_NE(form.Panel1, nullptr);
    ASSERT_NE(form.Button1, nullptr);
    ASSERT_NE(form.Group1, nullptr);
    ASSERT_NE(form.Store1, nullptr);

    // Ownership and nesting: everything is owned by the form, in stream order.
    ASSERT_EQ(form.ComponentCount(), 4);
    EXPECT_EQ(form.Components(0), form.Panel1);
    EXPECT_EQ(form.Components(1), form.Button1);
    EXPECT_EQ(form.Components(2), form.Group1);
    EXPECT_EQ(form.Components(3), form.Store1);
    EXPECT_EQ(form.Panel1->GetParentComponent(), &form);
    EXPECT_EQ(form.Button1->GetParentComponent(), form.Panel1);
    EXPECT_EQ(form.Group1->GetParentComponent(), form.Panel1);

    TTestControl& panel = *form.Panel1;
    EXPECT_EQ(panel.Left(), 8);
    EXPECT_EQ(panel.Top(), 16);
    EXPECT_EQ(panel.Caption(), "It's a panel");
    EXPECT_EQ(panel.Color(), TColor(0x00F0C080));
    EXPECT_FALSE(panel.ParentColor());
    EXPECT_EQ(panel.Font()->Color(), clNavy);
    EXPECT_EQ(panel.Font()->Height(), -16);
    EXPECT_EQ(panel.Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(panel.Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(panel.Font()->Charset(), DEFAULT_CHARSET);
    // The 4-bit picture: a red diagonal on fuchsia.
    ASSERT_EQ(panel.Picture()->Width(), 16);
    ASSERT_EQ(panel.Picture()->Height(), 16);
    EXPECT_EQ(panel.Picture()->Pixel(0, 0), clRed);
    EXPECT_EQ(panel.Picture()->Pixel(15, 15), clRed);
    EXPECT_EQ(panel.Picture()->Pixel(0, 15), clFuchsia);
    EXPECT_EQ(panel.Picture()->Pixel(9, 3), clFuchsia);

    TTestControl& button = *form.Button1;
    EXPECT_EQ(button.Hint(), "first\rsecond");
    EXPECT_EQ(button.Alignment(), talCenter);
    EXPECT_EQ(button.Anchors(), (1u << tanLeft) | (1u << tanBottom));
    EXPECT_FALSE(button.Enabled());
    EXPECT_TRUE(button.ParentFont());
    EXPECT_EQ(button.Buddy(), form.Group1);  // named before it was created

    TTestGroup& group = *form.Group1;
    EXPECT_EQ(group.Items()->ToVector(), (std::vector<std::string>{"Cat", "Dog\rgy"}));
    ASSERT_EQ(group.Picture()->Width(), 3);
    ASSERT_EQ(group.Picture()->Height(), 2);
    EXPECT_EQ(group.Picture()->Pixel(0, 0), clRed);
    EXPECT_EQ(group.Picture()->Pixel(1, 0), clLime);
    EXPECT_EQ(group.Picture()->Pixel(2, 0), clBlue);
    EXPECT_EQ(group.Picture()->Pixel(2, 1), clGray);
    EXPECT_EQ(form.Store1->Level(), 3);

    // Events are bound to the form's methods and keep their names.
    button.OnClick(&button);
    panel.OnClick(&panel);
    EXPECT_EQ(form.Clicked, (std::vector<TObject*>{&button, &panel}));
    EXPECT_EQ(button.OnClick.MethodName(), "ButtonClick");
    EXPECT_FALSE(group.OnClick);
}

TEST_F(StreamingTest, RoundTripGivesTheSameComponentsAndBytes) {
    const std::string original = NestedFormText();
    TTestForm first(nullptr);
    ReadComponentText(&first, original, "first.form");
    const std::string written = WriteComponentText(&first);
    EXPECT_EQ(written, original);
    EXPECT_EQ(WriteComponentText(&first), written);  // writing twice

    TTestForm second(nullptr);
    ReadComponentText(&second, written, "second.form");
    EXPECT_EQ(WriteComponentTree(&second), WriteComponentTree(&first));
    EXPECT_EQ(WriteComponentText(&second), written);
    ASSERT_NE(second.Button1, nullptr);
    EXPECT_EQ(second.Button1->Buddy(), second.Group1);
    EXPECT_EQ(second.Group1->Picture()->SaveToBytes(), TwentyFourBitBmp());
    EXPECT_EQ(second.Panel1->Picture()->SaveToBytes(), FourBitBmp());
}

TEST_F(StreamingTest, WriterLeavesOutStreamDefaultsAndKeepsPublishedOrder) {
    TTestForm form(nullptr);
    form.SetName("Form1");
    auto* panel = new TTestControl(&form);
    panel->SetName("Panel1");
    panel->SetParentComponent(&form);
    // A child the panel owns itself (as a group owns its buttons) is not the
    // form's to write.
    auto* inner = new TTestControl(panel);
    inner->SetName("Inner");
    inner->SetParentComponent(panel);

    // Only properties without a stored default: Left, Top and Caption (even
    // empty) on the control, Caption on the form; Color equals its default.
    EXPECT_EQ(WriteComponentText(&form),
              "object Form1: TStreamTestForm\n"
              "  Caption = ''\n"
              "  object Panel1: TStreamTestControl\n"
              "    Left = 0\n"
              "    Top = 0\n"
              "    Caption = ''\n"
              "  end\n"
              "end\n");

    // Set in an order other than the published one; written in published order.
    panel->SetEnabled(false);
    panel->SetAlignment(talRight);
    panel->SetParentColor(false);  // stored now, but equal to its default
    EXPECT_EQ(WriteComponentText(&form),
              "object Form1: TStreamTestForm\n"
              "  Caption = ''\n"
              "  object Panel1: TStreamTestControl\n"
              "    Left = 0\n"
              "    Top = 0\n"
              "    Caption = ''\n"
              "    Alignment = talRight\n"
              "    Enabled = False\n"
              "    ParentColor = False\n"
              "  end\n"
              "end\n");

    panel->SetColor(clRed);
    panel->SetBuddy(inner);
    panel->Items()->Add("one");
    const TFormObject tree = WriteComponentTree(&form);
    ASSERT_EQ(tree.Children.size(), 1u);
    std::vector<std::string> names;
    for (const TFormProperty& p : tree.Children[0].Properties) names.push_back(p.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Left", "Top", "Caption", "Alignment", "Buddy", "Color", "Enabled",
                                               "Items.Strings", "ParentColor"}));
    EXPECT_TRUE(tree.Children[0].Children.empty());
}

TEST_F(StreamingTest, LoadedRunsOnceEverythingIsReadRootFirst) {
    TTestForm form(nullptr);
    ReadComponentText(&form, NestedFormText(), "nested.form");

    // The group held back while it was read and rebuilt once, when its
    // ReadState ended; Loaded comes after all of it, in creation order.
    EXPECT_EQ(TStreamLog::Get().Events,
              (std::vector<std::string>{"Rebuild Group1 with 2", "Loaded Form1", "Loaded Panel1", "Loaded Button1",
                                        "Loaded Group1"}));
    EXPECT_EQ(form.Group1->Rebuilds, 1);
    EXPECT_EQ(form.Panel1->ChildrenAtLoaded, 2);
    EXPECT_EQ(form.Panel1->CaptionAtLoaded, "It's a panel");
    EXPECT_EQ(form.Button1->BuddyAtLoaded, form.Group1);

    // Setters ran while the component was loading and being read; afterwards
    // neither flag is left on any component.
    EXPECT_TRUE(form.Button1->SawLoadingWhileSet);
    EXPECT_TRUE(form.Button1->SawReadingWhileSet);
    for (TComponent* c : {static_cast<TComponent*>(&form), form.Components(0), form.Components(1), form.Components(2),
                          form.Components(3)}) {
        EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name();
        EXPECT_FALSE(c->ComponentState().Contains(csReading)) << c->Name();
    }
}

TEST_F(StreamingTest, PropertiesAreAssignedInStoredOrder) {
    TTestForm form(nullptr);
    ReadComponentText(&form,
                      "object Form1: TStreamTestForm\n"
                      "  object Panel1: TStreamTestControl\n"
                      "    Hint = 'first'\n"
                      "    HintSecondLine = 'second'\n"
                      "  end\n"
                      "  object Button1: TStreamTestControl\n"
                      "    HintSecondLine = 'second'\n"
                      "    Hint = 'first'\n"
                      "  end\n"
                      "end\n",
                      "order.form");
    EXPECT_EQ(form.Panel1->Hint(), "first\rsecond");
    EXPECT_EQ(form.Button1->Hint(), "first");  // Hint was empty when the second line came
}

TEST_F(StreamingTest, ReadComponentFromTextCreatesTheRootByClassName) {
    std::unique_ptr<TComponent> root(ReadComponentFromText(NestedFormText(), "nested.form"));
    auto* form = dynamic_cast<TTestForm*>(root.get());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Name(), "Form1");
    ASSERT_NE(form->Button1, nullptr);
    EXPECT_EQ(form->Button1->Buddy(), form->Group1);
    EXPECT_EQ(WriteComponentText(form), NestedFormText());
}

TEST_F(StreamingTest, ReadComponentFromTextFreesTheRootWhenReadingFails) {
    TTestForm owner(nullptr);
    EXPECT_THROW(ReadComponentFromText("object Form1: TStreamTestForm\n"
                                       "  object Panel1: TStreamTestControl\n"
                                       "    Left = 'x'\n"
                                       "  end\n"
                                       "end\n",
                                       "bad.form", &owner),
                 EReadError);
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(TStreamLog::Get().Live, 1);  // only the owner
}

TEST_F(StreamingTest, FormIsReadFromItsResource) {
    const std::string text = NestedFormText();
    RegisterResource(TResourceType::FormDescription, "TSTREAMTESTFORM",
                     std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    TTestForm form(nullptr);
    InitInheritedComponent(&form, "TStreamTestForm");  // resource names ignore case
    EXPECT_EQ(form.Name(), "Form1");
    ASSERT_NE(form.Group1, nullptr);
    EXPECT_EQ(form.Group1->Items()->Count(), 2);

    TTestForm other(nullptr);
    try {
        InitInheritedComponent(&other, "TNOSUCHFORM");
        FAIL() << "no error for a missing resource";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string(e.what()).find("TNOSUCHFORM"), std::string::npos) << e.what();
    }
    EXPECT_EQ(other.ComponentCount(), 0);
}

TEST_F(StreamingTest, ComponentReferenceToTheRootAndToNil) {
    TTestForm form(nullptr);
    ReadComponentText(&form,
                      "object Form1: TStreamTestForm\n"
                      "  object Panel1: TStreamTestControl\n"
                      "    Buddy = Button1\n"
                      "  end\n"
                      "  object Button1: TStreamTestControl\n"
                      "    Buddy = nil\n"
                      "  end\n"
                      "end\n",
                      "refs.form");
    EXPECT_EQ(form.Panel1->Buddy(), form.Button1);
    EXPECT_EQ(form.Button1->Buddy(), nullptr);
    // The reference follows the component when it goes.
    delete form.Button1;
    EXPECT_EQ(form.Panel1->Buddy(), nullptr);
    form.Button1 = nullptr;
}

}  // namespace
