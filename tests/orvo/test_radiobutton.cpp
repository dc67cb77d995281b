// The radio button: defaults and published order, sibling exclusion, the
// recoloured dot, the ring and its colours, and its input through real Qt
// events (press, drag off, double click, keys, accelerator, read-only).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Streaming.h"
#include "test_radiobutton_support.h"

using namespace Orvo;

using namespace radio_test;

namespace {
const TPoint kInside = Point(50, 9);
const TPoint kOutside = Point(200, 120);
}  // namespace

// ---------------------------------------------------------------- properties

TEST(RadioButtonProps, DefaultsAndPublishedOrder) {
    TOrvoRadioButton b(nullptr);
    EXPECT_EQ(b.BoundsRect(), Rect(0, 0, 97, 19));
    EXPECT_TRUE(b.TabStop());
    EXPECT_TRUE(b.ControlStyle().Contains(csReplicatable));
    EXPECT_EQ(b.Alignment(), taRightJustify);
    EXPECT_TRUE(b.AutoSize());
    EXPECT_EQ(b.BorderColor(), clBlue);
    EXPECT_FALSE(b.Checked());
    EXPECT_FALSE(b.WasChecked());
    EXPECT_TRUE(b.ClickDone());
    EXPECT_EQ(b.CheckColor(), clBlack);
    EXPECT_EQ(b.CheckStyle(), os3D);
    EXPECT_EQ(b.GroupIndex(), 0);
    EXPECT_EQ(b.HighlightColor(), clLime);
    EXPECT_TRUE(b.HotTrack());
    EXPECT_FALSE(b.Raised());
    EXPECT_EQ(b.GlyphResourceName(), "RB_3D_CIRCLE");
    ASSERT_FALSE(b.GlyphBitmap()->Empty());
    EXPECT_EQ(b.GlyphBitmap()->Width(), 7);
    b.SetVersion("Version 9");
    EXPECT_EQ(b.Version(), OrvoVersion());

    std::vector<std::string> all;
    for (const TPropInfo& p : TOrvoRadioButton::StaticClassInfo().Published) all.push_back(p.Name);
    const std::vector<std::string> expected = {
        "Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpContext", "Alignment", "Anchors", "AutoSize",
        "BiDiMode", "Border", "BorderColor", "BorderVisible", "Caption", "Checked", "CheckColor", "CheckStyle",
        "Color", "Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "FocusHighlight",
        "GroupIndex", "HighlightColor", "HintSecondLine", "HotTrack", "HotTrackFontColor", "OnClick", "OnDragDrop",
        "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
        "OnMouseDown", "OnMouseEnter", "OnMouseExit", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag",
        "ParentBiDiMode", "ParentFont", "ParentColor", "PopupMenu", "Raised", "ReadOnly", "ShowHint", "TabStop",
        "TabOrder", "Transparent", "TransparentCenter", "Version", "Visible", "WordWrap"};
    EXPECT_EQ(all, expected);
}

TEST(RadioButtonProps, DotIsReloadedAndRecolouredFromThePristinePicture) {
    TOrvoRadioButton b(nullptr);
    // RB_3D_CIRCLE, black: red (3, 2) black, dark red (6, 3) black, yellow (1, 2) grey 192.
    EXPECT_EQ(b.GlyphBitmap()->Pixel(3, 2), TColor(RGB(0, 0, 0)));
    EXPECT_EQ(b.GlyphBitmap()->Pixel(6, 3), TColor(RGB(0, 0, 0)));
    EXPECT_EQ(b.GlyphBitmap()->Pixel(1, 2), TColor(RGB(192, 192, 192)));
    EXPECT_EQ(b.GlyphBitmap()->Pixel(0, 6), clFuchsia);
    b.SetCheckColor(clRed);
    EXPECT_EQ(b.GlyphBitmap()->Pixel(3, 2), TColor(RGB(255, 0, 0)));
    EXPECT_EQ(b.GlyphBitmap()->Pixel(6, 3), TColor(RGB(127, 0, 0)));
    EXPECT_EQ(b.GlyphBitmap()->Pixel(1, 2), TColor(RGB(255, 192, 192)));
    b.SetCheckStyle(os3DJumbo);
    EXPECT_EQ(b.GlyphResourceName(), "RB_GLOSSY_CIRCLE");
    EXPECT_EQ(b.GlyphBitmap()->Width(), 9);
    EXPECT_EQ(b.GlyphBitmap()->Pixel(3, 2), clWhite);  // white stays
    b.SetCheckStyle(osFlat);
    EXPECT_EQ(b.GlyphResourceName(), "RB_CIRCLE");
}

TEST(RadioButtonProps, HintSecondLineAppendsAndADescriptionLoadsTwoLines) {
    TForm form(nullptr);
    ReadComponentText(&form,
                      "object Form1: TForm\n"
                      "  object R1: TOrvoRadioButton\n"
                      "    Hint = 'first'\n"
                      "    Checked = True\n"
                      "    GroupIndex = 7\n"
                      "    HintSecondLine = 'second'\n"
                      "    Raised = True\n"
                      "  end\n"
                      "end\n",
                      "radio.form");
    auto* r = dynamic_cast<TOrvoRadioButton*>(form.FindComponent("R1"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Hint(), "first\rsecond");
    EXPECT_TRUE(r->Checked());
    EXPECT_EQ(r->GroupIndex(), 7);
    EXPECT_TRUE(r->Raised());
    // Written back, every own property is there although most hold their defaults.
    const std::string text = WriteComponentText(&form);
    for (const char* line : {"    GroupIndex = 7\n", "    Raised = True\n", "    ReadOnly = False\n",
                             "    CheckColor = clBlack\n", "    WordWrap = False\n", "    AutoSize = True\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;
}

// ---------------------------------------------------------------- exclusion

TEST(RadioButtonGroups, CheckingInTheOrderCABLeavesBAndC) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto make = [&](TWinControl* parent, int group) {
        auto* b = new TOrvoRadioButton(&form);
        b->SetParent(parent);
        b->SetGroupIndex(std::uint8_t(group));
        return b;
    };
    TOrvoRadioButton* a = make(panel, 0);
    TOrvoRadioButton* b = make(panel, 0);
    TOrvoRadioButton* c = make(panel, 1);
    TOrvoRadioButton* elsewhere = make(&form, 0);  // same GroupIndex, other parent
    elsewhere->SetChecked(true);

    c->SetChecked(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_TRUE(a->WasChecked());  // it was checked when B unchecked it

    // Assigning False checks nothing else: the group may have none checked.
    b->SetChecked(false);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(c->Checked());
}

// ---------------------------------------------------------------- painting

namespace {

// The ring's box on a 97 x 19 button with the ring at the left: (3, 3)-(16, 16).
constexpr int kX0 = 3, kY0 = 3;

}  // namespace

TEST(RadioButtonPaint, RingCentreAndDotFollowTheState) {
    TRadioForm f;
    EXPECT_EQ(RadioRingBox(taRightJustify, 97, 19), Rect(3, 3, 16, 16));
    EXPECT_EQ(RadioRingBox(taLeftJustify, 97, 19), Rect(82, 3, 95, 16));

    {
        const TSnapshot s(*f.A);  // unchecked, shaded, sunken
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 6), clWhite);
        EXPECT_EQ(s.At(kX0 + 6, kY0), Plain(clBtnShadow));       // top: upper-left half
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 12), Plain(cl3DLight));    // bottom: lower-right half
        EXPECT_EQ(s.At(kX0 + 6, kY0 - 1), Plain(clBtnShadow));   // a 2-pixel pen, centred on the outline
        EXPECT_EQ(s.At(1, 9), kBoxColour);
    }
    f.A->SetChecked(true);
    {
        const TSnapshot s(*f.A);
        // The 7 x 7 dot at (x0 + 3, y0 + 3): its corner is the key (white shows
        // through), its middle is the recoloured body.
        EXPECT_EQ(s.At(kX0 + 3, kY0 + 3), clWhite);
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 6), TColor(RGB(0, 0, 0)));
        EXPECT_EQ(s.At(kX0 + 4, kY0 + 5), TColor(RGB(192, 192, 192)));  // yellow light (1, 2)
        EXPECT_EQ(f.A->DotRect(), Rect(kX0 + 3, kY0 + 3, kX0 + 10, kY0 + 10));
    }
    f.A->SetCheckStyle(os3DJumbo);
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(f.A->DotRect(), Rect(kX0 + 2, kY0 + 2, kX0 + 11, kY0 + 11));
        EXPECT_EQ(s.At(kX0 + 2 + 3, kY0 + 2 + 2), clWhite);  // the glossy highlight (3, 2)
    }
}

TEST(RadioButtonPaint, RaisedRingLooksPressedInOnlyWhileCheckedAndEnabled) {
    TRadioForm f;
    f.A->SetRaised(true);
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(s.At(kX0 + 6, kY0), Plain(cl3DLight));
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 12), Plain(clBtnShadow));
    }
    f.A->SetChecked(true);
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(s.At(kX0 + 6, kY0), Plain(clBtnShadow));
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 12), Plain(cl3DLight));
    }
    f.A->SetEnabled(false);
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(s.At(kX0 + 6, kY0), Plain(cl3DLight));
        EXPECT_EQ(s.At(kX0 + 6, kY0 - 1), kBoxColour);  // a 1-pixel pen
        // Neither the white centre nor the dot.
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 6), kBoxColour);
    }
}

TEST(RadioButtonPaint, FlatRingTransparentCentreAndLeftJustify) {
    TRadioForm f;
    f.A->SetCtl3D(false);
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(s.At(kX0 + 6, kY0), Plain(clWindowFrame));
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 12), Plain(clWindowFrame));
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 1), clWhite);
    }
    f.A->SetEnabled(false);
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(s.At(kX0 + 6, kY0), Plain(clBtnShadow));
    }
    f.B->SetTransparentCenter(true);
    {
        const TSnapshot s(*f.B);
        EXPECT_EQ(s.At(kX0 + 6, kY0 + 6), kBoxColour);
        EXPECT_EQ(s.At(kX0 + 6, kY0 - 1), kBoxColour);  // a 1-pixel pen
    }
    f.C->SetAlignment(taLeftJustify);
    {
        const TSnapshot s(*f.C);
        EXPECT_EQ(s.At(82 + 6, kY0 + 6), clWhite);
        EXPECT_EQ(s.At(82 + 6, kY0), Plain(clBtnShadow));
        EXPECT_EQ(f.C->CaptionRect().Left, 3);
    }
}

TEST(RadioButtonPaint, AutoSizeKeepsTheRightEdgeForLeftJustify) {
    TRadioForm f;
    f.C->SetCaption("Dog");
    f.C->SetAlignment(taLeftJustify);
    f.C->SetAutoSize(true);
    const int right = f.C->Left() + f.C->Width();
    const TSnapshot s(*f.C);
    EXPECT_EQ(f.C->Width(), MeasureText(f.C->Font(), "Dog").cx + 24);
    EXPECT_EQ(f.C->Left() + f.C->Width(), right);
    EXPECT_EQ(f.C->Height(), 19);
}

TEST(RadioButtonPaint, TransparentButtonShowsTheParentAndErasesNothing) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* parent = new TPatternParent(&form);
    parent->SetParent(&form);
    parent->SetBounds(0, 0, 200, 100);
    auto* b = new TOrvoRadioButton(&form);
    b->SetParent(parent);
    b->SetBounds(20, 30, 97, 19);
    b->SetAutoSize(false);
    b->SetTransparent(true);
    const TSnapshot s(*b);
    EXPECT_EQ(s.EraseResult, 1);
    EXPECT_EQ(s.At(0, 0), PatternAt(20, 30));
    EXPECT_EQ(s.At(96, 18), PatternAt(116, 48));
}

TEST(RadioButtonPaint, WordWrapBreaksWithinTheCaptionWidthAndCentres) {
    TRadioForm f;
    f.A->SetBounds(10, 10, 97, 60);
    f.A->SetCaption("one two three four five");
    f.A->SetWordWrap(true);
    const TSnapshot s(*f.A);
    const int line = MeasureText(f.A->Font(), "one").cy;
    const TRect r = f.A->CaptionRect();
    EXPECT_EQ(r.Left, 20);
    EXPECT_LE(r.Right, 97);
    EXPECT_GE(r.Height(), 2 * line);
    EXPECT_EQ(r.Top, (60 - r.Height()) / 2);
    // The ring stays in the middle of the taller control.
    EXPECT_EQ(RadioRingBox(taRightJustify, 97, 60), Rect(3, 24, 16, 37));
    EXPECT_EQ(s.At(3 + 6, 24 + 6), clWhite);
}

TEST(RadioButtonPaint, FocusShowsHighlightBorderAndFocusRectangle) {
    TRadioForm f;
    f.A->SetFocusHighlight(true);
    f.A->SetBorder(obLowered);
    f.A->SetBorderVisible(bvWhenFocused);
    f.Show();
    f.B->SetFocus();
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(s.At(0, 0), kBoxColour);
        EXPECT_EQ(s.At(50, 1), kBoxColour);
    }
    f.A->SetFocus();
    {
        const TSnapshot s(*f.A);
        EXPECT_EQ(s.At(0, 0), Plain(clBtnShadow));       // the lowered frame
        EXPECT_EQ(s.At(96, 18), Plain(clBtnHighlight));
        EXPECT_EQ(s.At(50, 1), Plain(clLime));            // the highlight background
        // The caption keeps its place with a border; the dotted frame lies round it.
        const TRect r = f.A->CaptionRect();
        EXPECT_EQ(r.Left, 20);
        // (every other pixel of its top edge inverted: lime becomes magenta).
        int inverted = 0;
        for (int x = r.Left - 1; x <= r.Right; ++x) inverted += s.At(x, r.Top - 1) == TColor(RGB(255, 0, 255));
        EXPECT_GE(inverted, r.Width() / 2);
    }
}

// ---------------------------------------------------------------- input

TEST(RadioButtonInput, PressShowsTheDotAndTheReleaseCompletesTheCheck) {
    TRadioForm f;
    TRadioEvents n;
    f.B->SetChecked(true);
    f.Show();
    n.Attach(f.A);

    PressMouse(f.A, kInside);
    EXPECT_TRUE(f.A->Checked());
    EXPECT_TRUE(f.B->Checked());  // siblings keep theirs until the release
    EXPECT_FALSE(f.A->ClickDone());
    EXPECT_EQ(n.Downs, 1);
    EXPECT_TRUE(f.A->Focused());
    ReleaseMouse(f.A, kInside);
    EXPECT_TRUE(f.A->Checked());
    EXPECT_FALSE(f.B->Checked());
    EXPECT_EQ(n.Clicks, 1);

    // Clicking a checked button keeps it and clicks again; a double click twice.
    ClickMouse(f.A, kInside);
    EXPECT_TRUE(f.A->Checked());
    EXPECT_EQ(n.Clicks, 2);
    DoubleClickMouse(f.A, kInside);
    EXPECT_TRUE(f.A->Checked());
    EXPECT_EQ(n.Clicks, 4);
}

TEST(RadioButtonInput, PressDraggedOffTakesTheDotAwayAndDoesNotClick) {
    TRadioForm f;
    TRadioEvents n;
    f.B->SetChecked(true);
    f.Show();
    n.Attach(f.A);

    PressMouse(f.A, kInside);
    ASSERT_TRUE(f.A->Checked());
    MoveMouse(&f.Form, kOutside);
    EXPECT_FALSE(f.A->Checked());
    EXPECT_TRUE(f.A->ClickDone());
    EXPECT_TRUE(f.B->Checked());
    ReleaseMouse(&f.Form, kOutside);
    EXPECT_EQ(n.Clicks, 0);

    // Off and back on before the release: the release checks and clicks.
    PressMouse(f.A, kInside);
    MoveMouse(&f.Form, kOutside);
    EXPECT_FALSE(f.A->Checked());
    MoveMouse(f.A, kInside);
    ReleaseMouse(f.A, kInside);
    EXPECT_TRUE(f.A->Checked());
    EXPECT_FALSE(f.B->Checked());
    EXPECT_EQ(n.Clicks, 1);
}

TEST(RadioButtonInput, DraggedOffPressUnchecksAButtonCheckedByCodeButNotOneCheckedByAClick) {
    TRadioForm f;
    f.Show();
    f.A->SetChecked(true);  // from unchecked through the setter: FWasChecked False
    PressMouse(f.A, kInside);
    MoveMouse(&f.Form, kOutside);
    ReleaseMouse(&f.Form, kOutside);
    EXPECT_FALSE(f.A->Checked());
    EXPECT_FALSE(f.B->Checked());
    EXPECT_FALSE(f.C->Checked());

    ClickMouse(f.A, kInside);  // the click's setter finds it checked: FWasChecked True
    ASSERT_TRUE(f.A->WasChecked());
    PressMouse(f.A, kInside);
    MoveMouse(&f.Form, kOutside);
    ReleaseMouse(&f.Form, kOutside);
    EXPECT_TRUE(f.A->Checked());
}

TEST(RadioButtonInput, KeysCheckWithoutClickingAlsoWhenReadOnly) {
    TRadioForm f;
    TRadioEvents n;
    f.A->SetChecked(true);
    f.B->SetReadOnly(true);
    f.Show();
    n.Attach(f.B);

    ClickMouse(f.B, kInside);  // read-only: nothing at all
    EXPECT_FALSE(f.B->Checked());
    EXPECT_FALSE(f.B->Focused());
    EXPECT_EQ(n.Downs, 0);
    EXPECT_EQ(n.Clicks, 0);

    f.B->SetFocus();
    SendKey(&f.Form, VK_SPACE);
    EXPECT_TRUE(f.B->Checked());
    EXPECT_FALSE(f.A->Checked());
    EXPECT_TRUE(f.B->WasChecked());
    f.C->SetFocus();
    SendKey(&f.Form, VK_RETURN);
    EXPECT_TRUE(f.C->Checked());
    EXPECT_FALSE(f.B->Checked());
    EXPECT_EQ(n.Clicks, 0);
}

TEST(RadioButtonInput, AcceleratorChecksClicksAndFocuses) {
    TRadioForm f;
    TRadioEvents n;
    f.B->SetChecked(true);
    f.Show();
    n.Attach(f.A);
    f.C->SetFocus();

    SendAltChar(&f.Form, 'a');
    EXPECT_TRUE(f.A->Checked());
    EXPECT_FALSE(f.B->Checked());
    EXPECT_TRUE(f.A->Focused());
    EXPECT_EQ(n.Clicks, 1);

    f.A->SetReadOnly(true);
    f.B->SetChecked(true);
    EXPECT_EQ(f.A->Perform(CM_DIALOGCHAR, 'a', 0), 0);
    EXPECT_FALSE(f.A->Checked());
    EXPECT_EQ(n.Clicks, 1);
}

TEST(RadioButtonInput, CommandChecksAndDisabledButtonIgnoresThePointer) {
    TRadioForm f;
    TRadioEvents n;
    f.A->SetChecked(true);
    f.C->Perform(CN_COMMAND, WPARAM(BN_CLICKED) << 16, 0);
    EXPECT_TRUE(f.C->Checked());
    EXPECT_FALSE(f.A->Checked());
    int doubles = 0;
    f.C->OnDblClick = [&](TObject*) { ++doubles; };
    f.C->Perform(CN_COMMAND, WPARAM(BN_DOUBLECLICKED) << 16, 0);
    EXPECT_EQ(doubles, 1);

    f.B->SetEnabled(false);
    f.Show();
    n.Attach(f.B);
    MoveMouse(f.B, kInside);
    MoveMouse(&f.Form, kOutside);
    EXPECT_FALSE(f.B->MouseOver());
    EXPECT_EQ(n.Enters, 0);
    EXPECT_EQ(n.Exits, 0);

    // Enabled, the pointer's entry shows the hot look and raises the events.
    TRadioEvents m;
    m.Attach(f.A);
    MoveMouse(f.A, kInside);
    EXPECT_TRUE(f.A->MouseOver());
    MoveMouse(&f.Form, kOutside);
    EXPECT_FALSE(f.A->MouseOver());
    EXPECT_EQ(m.Enters, 1);
    EXPECT_EQ(m.Exits, 1);
}
