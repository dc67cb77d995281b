// The group box with check: the heading and the properties kept in it, the
// checked rule under code, mouse, keyboard, accelerator, Enabled and loading,
// the frame with its gap under the heading, transparency, moving, the mouse
// enter/exit events, streaming, and a heading outside a group box.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/framework/Streaming.h"
#include "test_groupbox_support.h"

using namespace Orvo;

using namespace groupbox_test;

namespace {

// Read when used: the palette exists only once the application does.
TColor Highlight() { return Plain(clBtnHighlight); }
TColor Shadow() { return Plain(clBtnShadow); }
TColor WindowFrame() { return Plain(clWindowFrame); }

// A group box with check at (10, 10), 220 x 110, captioned "&Options", with
// a check box, an edit and an inner group box (holding a check box of its
// own) inside, and a check box on the form outside it.
struct TGroupForm : TContainerForm {
    TCounting<TOrvoGroupBoxWithCheck>* Group = nullptr;
    TCountingCheckBox* Box = nullptr;
    TEdit* Edit = nullptr;
    TOrvoGroupBox* Inner = nullptr;
    TOrvoCheckBox* Deep = nullptr;
    TOrvoCheckBox* Outside = nullptr;

    TGroupForm() {
        Group = Add<TCounting<TOrvoGroupBoxWithCheck>>(&Form, 10, 10, 220, 110);
        Group->SetCaption("&Options");
        Group->SetColor(kBoxColour);
        Box = Add<TCountingCheckBox>(Group, 16, 30, 80, 19);
        Box->SetAutoSize(false);
        Box->SetCaption("Box");
        Edit = Add<TEdit>(Group, 110, 30, 90, 21);
        Inner = Add<TOrvoGroupBox>(Group, 16, 56, 150, 46);
        Deep = Add<TOrvoCheckBox>(Inner, 8, 18, 80, 19);
        Outside = Add<TOrvoCheckBox>(&Form, 10, 150, 80, 19);
        Outside->SetAutoSize(false);
    }
    TOrvoGroupCheck* Heading() const { return Group->Heading(); }
    // Every child of the group box but the heading follows the rule.
    bool ChildrenEnabled(bool expected) const {
        return Box->Enabled() == expected && Edit->Enabled() == expected && Inner->Enabled() == expected;
    }
};

// Counts the group box's OnClick and what its Sender, Checked and the
// children's Enabled were.
struct TGroupClicks {
    int Count = 0;
    TObject* Sender = nullptr;
    bool CheckedAtClick = false;
    bool ChildrenEnabledAtClick = false;
    void Attach(const TGroupForm& f) {
        f.Group->OnClick = [this, &f](TObject* sender) {
            ++Count;
            Sender = sender;
            CheckedAtClick = f.Group->Checked();
            ChildrenEnabledAtClick = f.Box->Enabled();
        };
    }
};

}  // namespace

// ---------------------------------------------------------------- the heading

TEST(GroupBoxWithCheck, NewGroupHasACheckedHeadingAtEightZero) {
    TOrvoGroupBoxWithCheck group(nullptr);
    EXPECT_EQ(group.BoundsRect(), Rect(0, 0, 185, 105));
    TOrvoGroupCheck* heading = group.Heading();
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->Owner(), &group);
    EXPECT_EQ(heading->Parent(), &group);
    EXPECT_EQ(heading->Left(), 8);
    EXPECT_EQ(heading->Top(), 0);
    EXPECT_TRUE(heading->Checked());
    EXPECT_TRUE(group.Checked());
    EXPECT_TRUE(group.Ctl3D());
    EXPECT_FALSE(group.Transparent());
    EXPECT_TRUE(group.TabStop());
    EXPECT_TRUE(group.ControlStyle().Contains(csAcceptsControls));
    EXPECT_TRUE(group.ControlStyle().Contains(csReplicatable));
    EXPECT_EQ(group.Version(), OrvoVersion());
    group.SetCaption("Heading");
    EXPECT_EQ(heading->Caption(), "Heading");
}

TEST(GroupBoxWithCheck, HeadingTakesTheFirstTabPosition) {
    TGroupForm f;
    EXPECT_EQ(f.Heading()->TabOrder(), 0);
    EXPECT_EQ(f.Box->TabOrder(), 1);
    f.Show();
    f.Outside->SetFocus();
    SendKey(&f.Form, VK_TAB);
    EXPECT_TRUE(f.Group->Focused() || f.Heading()->Focused());
    if (f.Group->Focused()) SendKey(&f.Form, VK_TAB);
    EXPECT_TRUE(f.Heading()->Focused());
}

TEST(GroupBoxWithCheck, ForwardedPropertiesAreKeptInTheHeading) {
    TOrvoGroupBoxWithCheck group(nullptr);
    TOrvoGroupCheck* h = group.Heading();
    // Defaults are the check box's.
    EXPECT_EQ(group.Alignment(), taRightJustify);
    EXPECT_EQ(group.CheckColor(), clRed);
    EXPECT_EQ(group.CheckStyle(), os3D);
    EXPECT_EQ(group.CheckType(), ocCross);
    EXPECT_FALSE(group.FocusHighlight());
    EXPECT_EQ(group.HighlightColor(), clLime);
    EXPECT_TRUE(group.HotTrack());
    EXPECT_EQ(group.HotTrackFontColor(), clBlue);
    EXPECT_FALSE(group.ReadOnly());
    EXPECT_FALSE(group.TransparentCenter());

    group.SetAlignment(taLeftJustify);
    group.SetCheckColor(clBlue);
    group.SetCheckStyle(os3DJumbo);
    group.SetCheckType(ocCheck);
    group.SetFocusHighlight(true);
    group.SetHighlightColor(clYellow);
    group.SetHotTrack(false);
    group.SetHotTrackFontColor(clGreen);
    group.SetReadOnly(true);
    group.SetTransparentCenter(true);
    EXPECT_EQ(h->Alignment(), taLeftJustify);
    EXPECT_EQ(h->CheckColor(), clBlue);
    EXPECT_EQ(h->GlyphResourceName(), "CB_GLOSSY_CHECK");
    EXPECT_EQ(h->GlyphBitmap()->Pixel(13, 1), TColor(RGB(0, 0, 255)));  // reloaded and recoloured
    EXPECT_TRUE(h->FocusHighlight());
    EXPECT_EQ(h->HighlightColor(), clYellow);
    EXPECT_FALSE(h->HotTrack());
    EXPECT_EQ(h->HotTrackFontColor(), clGreen);
    EXPECT_TRUE(h->ReadOnly());
    EXPECT_TRUE(h->TransparentCenter());

    // Reading answers the heading's current value.
    h->SetCheckColor(clMaroon);
    EXPECT_EQ(group.CheckColor(), clMaroon);

    // The second hint line goes to the heading's Hint, not the group box's.
    group.SetHint("group");
    h->SetHint("first");
    group.SetHintSecondLine("second");
    EXPECT_EQ(group.HintSecondLine(), "second");
    EXPECT_EQ(h->Hint(), "first\rsecond");
    EXPECT_EQ(group.Hint(), "group");

    // Transparent and Ctl3D are the group box's own and passed on.
    group.SetTransparent(true);
    EXPECT_TRUE(h->Transparent());
    group.SetCtl3D(false);
    EXPECT_FALSE(h->Ctl3D());
}

// ---------------------------------------------------------------- the rule

TEST(GroupBoxWithCheck, CheckedEnablesTheDirectChildrenButTheHeading) {
    TGroupForm f;
    f.Deep->SetEnabled(false);  // a grandchild keeps its own value
    f.Group->SetChecked(false);
    EXPECT_FALSE(f.Heading()->Checked());
    EXPECT_TRUE(f.Heading()->Enabled());
    EXPECT_TRUE(f.ChildrenEnabled(false));
    EXPECT_FALSE(f.Deep->Enabled());  // disabled through the inner group box

    f.Group->SetChecked(true);
    EXPECT_TRUE(f.ChildrenEnabled(true));
    EXPECT_TRUE(f.Deep->Enabled());  // the inner group box enables its own children

    // Not while the group box itself is disabled.
    f.Group->SetEnabled(false);
    f.Group->SetChecked(true);
    EXPECT_TRUE(f.ChildrenEnabled(false));
    EXPECT_TRUE(f.Outside->Enabled());
}

TEST(GroupBoxWithCheck, EnabledReachesTheHeadingAndTheCheckedChildren) {
    TGroupForm f;
    f.Group->SetEnabled(false);
    EXPECT_FALSE(f.Heading()->Enabled());
    EXPECT_TRUE(f.ChildrenEnabled(false));
    f.Group->SetEnabled(true);
    EXPECT_TRUE(f.Heading()->Enabled());
    EXPECT_TRUE(f.ChildrenEnabled(true));

    f.Group->SetChecked(false);
    f.Group->SetEnabled(false);
    f.Group->SetEnabled(true);
    EXPECT_TRUE(f.Heading()->Enabled());
    EXPECT_TRUE(f.ChildrenEnabled(false));  // the heading is not checked
}

// ---------------------------------------------------------------- input

TEST(GroupBoxWithCheck, MouseClickOnTheHeadingTogglesAndBringsTheChildrenInLine) {
    TGroupForm f;
    TGroupClicks clicks;
    clicks.Attach(f);
    f.Show();
    const TPoint onHeading = Point(6, 9);

    ClickMouse(f.Heading(), onHeading);
    EXPECT_FALSE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(false));
    EXPECT_EQ(clicks.Count, 1);
    EXPECT_EQ(clicks.Sender, f.Heading());
    EXPECT_FALSE(clicks.CheckedAtClick);
    EXPECT_FALSE(clicks.ChildrenEnabledAtClick);  // the rule ran before OnClick

    ClickMouse(f.Heading(), onHeading);
    EXPECT_TRUE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(true));
    EXPECT_EQ(clicks.Count, 2);

    // A press dragged off the heading changes nothing.
    PressMouse(f.Heading(), onHeading);
    EXPECT_FALSE(f.Heading()->Checked());
    MoveMouse(&f.Form, Point(300, 200));
    ReleaseMouse(&f.Form, Point(300, 200));
    EXPECT_TRUE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(true));
    EXPECT_EQ(clicks.Count, 2);
}

TEST(GroupBoxWithCheck, ReadOnlyHeadingDoesNotToggleButStillClicks) {
    TGroupForm f;
    TGroupClicks clicks;
    clicks.Attach(f);
    f.Group->SetReadOnly(true);
    f.Show();
    ClickMouse(f.Heading(), Point(6, 9));
    EXPECT_TRUE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(true));
    EXPECT_EQ(clicks.Count, 1);
    EXPECT_EQ(clicks.Sender, f.Heading());
}

TEST(GroupBoxWithCheck, EnterAndSpaceOnTheHeadingBringTheChildrenInLine) {
    TGroupForm f;
    TGroupClicks clicks;
    clicks.Attach(f);
    f.Show();
    f.Heading()->SetFocus();
    ProcessPendingPaints();
    ASSERT_TRUE(f.Heading()->Focused());

    SendKey(&f.Form, VK_SPACE);
    EXPECT_FALSE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(false));
    SendKey(&f.Form, VK_RETURN);
    EXPECT_TRUE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(true));
    EXPECT_EQ(clicks.Count, 0);  // keys raise no click, as on a check box
}

TEST(GroupBoxWithCheck, AcceleratorTogglesTheHeadingAndBringsTheChildrenInLine) {
    TGroupForm f;
    TGroupClicks clicks;
    clicks.Attach(f);
    f.Show();
    f.Outside->SetFocus();
    ProcessPendingPaints();

    // The group box does not take its caption's accelerator for itself: the
    // heading clicks (with the state before the toggle), takes the focus and
    // toggles.
    SendAltChar(&f.Form, 'o');
    EXPECT_EQ(clicks.Count, 1);
    EXPECT_TRUE(clicks.CheckedAtClick);
    EXPECT_TRUE(f.Heading()->Focused());
    EXPECT_FALSE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(false));

    SendAltChar(&f.Form, 'o');
    EXPECT_TRUE(f.Group->Checked());
    EXPECT_TRUE(f.ChildrenEnabled(true));

    // Read-only: the character goes on and nothing changes.
    f.Group->SetReadOnly(true);
    EXPECT_EQ(f.Group->Perform(CM_DIALOGCHAR, 'o'), 0);
    EXPECT_TRUE(f.Group->Checked());
}

TEST(GroupBoxWithCheck, AHandlerMayFreeTheGroupBoxOnClick) {
    auto* form = new TForm(nullptr);
    auto* group = new TOrvoGroupBoxWithCheck(form);
    group->SetParent(form);
    TComponentGuard guard(group);
    group->OnClick = [group](TObject*) { delete group; };
    group->Heading()->Click();
    EXPECT_TRUE(guard.Destroyed());
    delete form;
}

// ---------------------------------------------------------------- loading and streaming

TEST(GroupBoxWithCheck, LoadingAppliesTheRuleToTheChildrenReadAfterIt) {
    const std::string text =
        "object Form1: TForm\n"
        "  object Group1: TOrvoGroupBoxWithCheck\n"
        "    Caption = 'Group'\n"
        "    Checked = %CHECKED%\n"
        "    Enabled = %ENABLED%\n"
        "    object Box1: TOrvoCheckBox\n"
        "      Enabled = True\n"
        "    end\n"
        "    object Box2: TOrvoCheckBox\n"
        "      Enabled = False\n"
        "    end\n"
        "  end\n"
        "end\n";
    struct TCase {
        const char* Checked;
        const char* Enabled;
        bool ChildrenEnabled;
    };
    for (const TCase& c : {TCase{"False", "True", false}, TCase{"True", "False", false}, TCase{"True", "True", true}}) {
        std::string description = text;
        description.replace(description.find("%CHECKED%"), 9, c.Checked);
        description.replace(description.find("%ENABLED%"), 9, c.Enabled);
        TForm form(nullptr);
        ReadComponentText(&form, description, "group.form");
        auto* group = dynamic_cast<TOrvoGroupBoxWithCheck*>(form.FindComponent("Group1"));
        auto* box1 = dynamic_cast<TOrvoCheckBox*>(form.FindComponent("Box1"));
        auto* box2 = dynamic_cast<TOrvoCheckBox*>(form.FindComponent("Box2"));
        ASSERT_TRUE(group && box1 && box2);
        EXPECT_EQ(box1->Enabled(), c.ChildrenEnabled) << c.Checked << " " << c.Enabled;
        EXPECT_EQ(box2->Enabled(), c.ChildrenEnabled) << c.Checked << " " << c.Enabled;
        EXPECT_EQ(group->Heading()->Caption(), "Group");
        EXPECT_EQ(group->ControlCount(), 3);  // one heading, made by the constructor
    }
}

TEST(GroupBoxWithCheck, HeadingIsNotStreamedAndOwnPropertiesComeLast) {
    const TPropList& published = TOrvoGroupBoxWithCheck::StaticClassInfo().Published;
    std::vector<std::string> names;
    for (const TPropInfo& p : published) names.push_back(p.Name);
    // Ctl3D keeps the framework's place, as the group box's own.
    const TPropList& framework = TGroupBox::StaticClassInfo().Published;
    for (std::size_t i = 0; i < framework.size(); ++i) EXPECT_EQ(names[i], framework[i].Name);
    const std::vector<std::string> own = {"Alignment",      "Checked",        "CheckColor",   "CheckStyle",
                                          "CheckType",      "FocusHighlight", "HighlightColor", "HotTrack",
                                          "HotTrackFontColor", "HintSecondLine", "OnMouseEnter", "OnMouseExit",
                                          "ReadOnly",       "Transparent",    "TransparentCenter", "Version"};
    EXPECT_EQ(std::vector<std::string>(names.end() - std::ptrdiff_t(own.size()), names.end()), own);

    TForm form(nullptr);
    form.SetName("Form1");
    auto* group = new TOrvoGroupBoxWithCheck(&form);
    group->SetName("Group1");
    group->SetParent(&form);
    group->SetCaption("Group");
    auto* box = new TOrvoCheckBox(&form);
    box->SetName("Box1");
    box->SetParent(group);
    group->SetChecked(false);
    const std::string text = WriteComponentText(&form);
    EXPECT_EQ(text.find("TOrvoGroupCheck"), std::string::npos) << text;
    EXPECT_NE(text.find("object Box1: TOrvoCheckBox"), std::string::npos) << text;
    for (const char* line : {"    Ctl3D = True\n", "    Checked = False\n", "    Alignment = taRightJustify\n",
                             "    HotTrack = True\n", "    ReadOnly = False\n", "    Transparent = False\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;

    TForm read(nullptr);
    ReadComponentText(&read, text, "written.form");
    auto* loaded = dynamic_cast<TOrvoGroupBoxWithCheck*>(read.FindComponent("Group1"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->Checked());
    EXPECT_FALSE(dynamic_cast<TOrvoCheckBox*>(read.FindComponent("Box1"))->Enabled());
    EXPECT_EQ(WriteComponentText(&read), text);
}

// ---------------------------------------------------------------- painting

TEST(GroupBoxWithCheck, FrameRunsThroughTheHeadingLineWithTheGapUnderTheHeading) {
    TGroupForm f;
    f.Group->Font()->SetName("DejaVu Sans Condensed");  // lines of 13 pixels at -11
    const int h = CaptionExtent(f.Group->Font(), "&Options").cy;
    ASSERT_EQ(h, 13);
    const int t = (h + 3) / 2 - 1;  // 7
    const TSnapshot sizing(*f.Heading());  // sizes the heading to its caption
    const int headingWidth = f.Heading()->Width();
    EXPECT_EQ(headingWidth, MeasureText(f.Group->Font(), "Options").cx + 24);

    TSnapshot s(*f.Group);
    // Highlight (1, 8, 219, 109) under the shadow (0, 7, 218, 108).
    EXPECT_TRUE(FrameDrawnIn(s, Rect(0, t, 218, 108), Shadow(), 8, 7 + headingWidth));
    EXPECT_EQ(s.At(219, 109), Highlight());
    EXPECT_EQ(s.At(219, t + 1), Highlight());
    EXPECT_EQ(s.At(1, 109), Highlight());
    EXPECT_EQ(s.At(7, t + 1), Highlight());
    EXPECT_EQ(s.At(8 + headingWidth, t + 1), Highlight());
    for (int x = 8; x <= 7 + headingWidth; ++x) {
        EXPECT_EQ(s.At(x, t), kBoxColour) << x;
        EXPECT_EQ(s.At(x, t + 1), kBoxColour) << x;
    }
    EXPECT_EQ(s.At(100, 50), kBoxColour);

    f.Group->SetCtl3D(false);
    TSnapshot flat(*f.Group);
    EXPECT_TRUE(FrameDrawnIn(flat, Rect(0, t, 219, 109), WindowFrame(), 8, 7 + headingWidth));
    EXPECT_EQ(flat.At(1, t + 1), kBoxColour);
    EXPECT_FALSE(f.Heading()->Ctl3D());
}

TEST(GroupBoxWithCheck, GapFollowsTheHeadingWhenTheCaptionChanges) {
    TGroupForm f;
    f.Group->SetCaption("A much longer heading");
    const TSnapshot sizing(*f.Heading());
    const int wide = f.Heading()->Width();
    EXPECT_EQ(wide, MeasureText(f.Group->Font(), "A much longer heading").cx + 24);
    TSnapshot s(*f.Group);
    const int t = (CaptionExtent(f.Group->Font(), "A").cy + 3) / 2 - 1;
    EXPECT_EQ(s.At(7 + wide, t), kBoxColour);
    EXPECT_EQ(s.At(8 + wide, t), Shadow());

    f.Group->SetCaption("Ab");
    const TSnapshot resizing(*f.Heading());
    const int narrow = f.Heading()->Width();
    ASSERT_LT(narrow, wide);
    TSnapshot s2(*f.Group);
    EXPECT_EQ(s2.At(8 + narrow, t), Shadow());
    EXPECT_EQ(s2.At(7 + wide, t), Shadow());
}

TEST(GroupBoxWithCheck, HeadingWithTheMarkAtTheRightStaysAtEight) {
    TGroupForm f;
    f.Group->SetAlignment(taLeftJustify);
    f.Group->SetCaption("A much longer heading");
    const TSnapshot sizing(*f.Heading());
    EXPECT_EQ(f.Heading()->Left(), 8);
    EXPECT_EQ(f.Heading()->Width(), MeasureText(f.Group->Font(), "A much longer heading").cx + 24);
}

TEST(GroupBoxWithCheck, TransparentShowsTheParentThroughTheGroupAndTheHeading) {
    TContainerForm f;
    auto* parent = f.Add<TPatternParent>(&f.Form, 0, 0, 250, 150);
    auto* group = f.Add<TOrvoGroupBoxWithCheck>(parent, 12, 20, 200, 100);
    group->SetCaption("Options");
    group->SetColor(kBoxColour);
    group->SetTransparent(true);
    TOrvoGroupCheck* heading = group->Heading();
    heading->SetAutoSize(false);
    TSnapshot s(*group);
    EXPECT_EQ(s.EraseResult, 1);
    EXPECT_EQ(s.At(100, 50), PatternAt(112, 70));
    EXPECT_EQ(s.At(0, 3), PatternAt(12, 23));
    EXPECT_EQ(s.At(0, 7), Shadow());
    // The heading copies the group box's picture: the parent's, without the
    // frame line, which has its gap under the heading.
    TSnapshot hs(*heading);
    EXPECT_EQ(hs.EraseResult, 1);
    const int lastColumn = heading->Width() - 1;
    EXPECT_EQ(hs.At(lastColumn, 7), PatternAt(12 + 8 + lastColumn, 27));
    EXPECT_EQ(hs.At(lastColumn, 18), PatternAt(12 + 8 + lastColumn, 38));
}

TEST(GroupBoxWithCheck, MovingInvalidatesTheGroupBoxAndEveryChild) {
    TGroupForm f;
    f.Show();
    const int paints = f.Group->Paints, boxPaints = f.Box->Paints;
    f.Group->Perform(WM_MOVE, 0, MAKELPARAM(10, 10));
    ProcessPendingPaints();
    EXPECT_GT(f.Group->Paints, paints);
    EXPECT_GT(f.Box->Paints, boxPaints);
}

// ---------------------------------------------------------------- mouse enter and exit

TEST(GroupBoxWithCheck, PointerOnAndOffTheGroupBoxRaisesEnterAndExit) {
    TGroupForm f;
    int enters = 0, exits = 0;
    f.Group->OnMouseEnter = [&](TObject* sender) {
        EXPECT_EQ(sender, f.Group);
        ++enters;
    };
    f.Group->OnMouseExit = [&](TObject*) { ++exits; };
    f.Show();

    MoveMouse(f.Group, Point(195, 95));
    EXPECT_EQ(enters, 1);
    MoveMouse(f.Group, Point(200, 95));  // moving on it: nothing new
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 0);
    MoveMouse(f.Box, Point(5, 5));  // a control of its own
    EXPECT_EQ(exits, 1);
    MoveMouse(f.Group, Point(195, 95));
    EXPECT_EQ(enters, 2);
    MoveMouse(&f.Form, Point(300, 200));
    EXPECT_EQ(exits, 2);

    // A disabled group box raises neither.
    f.Group->SetEnabled(false);
    MoveMouse(f.Group, Point(195, 95));
    MoveMouse(&f.Form, Point(300, 200));
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(exits, 2);
}

// ---------------------------------------------------------------- a heading elsewhere

TEST(GroupBoxWithCheck, HeadingOutsideAGroupBoxIsAPlainCheckBox) {
    TContainerForm f;
    auto* heading = f.Add<TOrvoGroupCheck>(&f.Form, 20, 20, 97, 19);
    heading->SetCaption("&Loose");
    heading->SetAutoSize(false);
    int clicks = 0;
    heading->OnClick = [&](TObject*) { ++clicks; };
    f.Show();
    ClickMouse(heading, Point(6, 9));
    EXPECT_TRUE(heading->Checked());
    EXPECT_EQ(clicks, 1);
    SendAltChar(&f.Form, 'l');
    EXPECT_FALSE(heading->Checked());
    SendKey(&f.Form, VK_SPACE);
    EXPECT_TRUE(heading->Checked());
    EXPECT_EQ(clicks, 2);

    // Nor is another one of its kind placed in a group box its heading.
    auto* group = f.Add<TOrvoGroupBoxWithCheck>(&f.Form, 20, 60, 200, 100);
    auto* stray = f.Add<TOrvoGroupCheck>(group, 20, 40, 97, 19);
    stray->SetChecked(true);
    group->SetChecked(false);
    stray->Click();
    EXPECT_FALSE(group->Checked());
}
