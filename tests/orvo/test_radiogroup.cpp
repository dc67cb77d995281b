// The radio group: layout from the measured font height, Columns and
// ItemIndex clamping, Items changes, selection under mouse and keyboard,
// the look handed down, commands, and form descriptions that hold Items
// and ItemIndex but never the buttons.

#include <gtest/gtest.h>

#include <QWidget>

#include <stdexcept>
#include <string>

#include "host/services/DeviceContext.h"
#include "host/framework/Streaming.h"
#include "test_radiobutton_support.h"

using namespace Orvo;

using namespace radio_test;

namespace {

// The character cell height the group reads for its font.
int CellHeight(TFont* font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font->Handle());
    TEXTMETRIC tm;
    GetTextMetrics(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return tm.tmHeight;
}

// Gives the font a height whose cell is `cell` pixels high, when one exists.
bool UseCellHeight(TFont* font, int cell) {
    // Of the installed families the condensed one has every cell height.
    font->SetName("DejaVu Sans Condensed");
    for (int h = -6; h >= -20; --h) {
        font->SetHeight(h);
        if (CellHeight(font) == cell) return true;
    }
    return false;
}

struct TGroupForm {
    TForm Form{nullptr};
    TOrvoRadioGroup* Group = nullptr;

    explicit TGroupForm(std::initializer_list<std::string> lines = {"Cat", "Dog", "Bird"}) {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 260, 160);
        Form.SetColor(kFormColour);
        Group = new TOrvoRadioGroup(&Form);
        Group->SetParent(&Form);
        Group->SetBounds(10, 10, 185, 105);
        Group->SetCaption("Pets");
        for (const std::string& line : lines) Group->Items()->Add(line);
    }
    ~TGroupForm() { SetCaptureControl(nullptr); }
    TOrvoGroupButton* Line(int i) const { return Group->Buttons(i); }
    void Show() {
        ShowFormForAutomation(&Form);
        MoveMouse(&Form, Point(245, 150));
        MoveMouse(&Form, Point(250, 155));
    }
};

// A point inside a button, on its caption's side.
const TPoint kOnLine = Point(40, 8);
const TPoint kOffGroup = Point(240, 150);

}  // namespace

// ---------------------------------------------------------------- layout

TEST(RadioGroupLayout, DemonstrationGroupOfThreeLines) {
    TGroupForm f;
    ASSERT_TRUE(UseCellHeight(f.Group->Font(), 13)) << "no font height gives a 13-pixel cell";
    f.Group->SetBounds(10, 10, 113, 73);
    // r = 3, w = 98, room = 55, h = 18, y0 = 14.
    ASSERT_EQ(f.Group->ButtonCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.Line(i)->BoundsRect(), Bounds(8, 14 + 18 * i, 98, 18)) << i;
        EXPECT_TRUE(f.Line(i)->Visible());
        EXPECT_EQ(f.Line(i)->Parent(), f.Group);
    }
    EXPECT_EQ(f.Line(2)->Caption(), "Bird");
}

TEST(RadioGroupLayout, FiveLinesInTwoColumns) {
    TGroupForm f({"a", "b", "c", "d", "e"});
    ASSERT_TRUE(UseCellHeight(f.Group->Font(), 13));
    f.Group->SetColumns(2);
    // r = 3, w = 85, room = 87, h = 29, y0 = 14.
    const TPoint at[] = {{8, 14}, {8, 43}, {8, 72}, {93, 14}, {93, 43}};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.Line(i)->BoundsRect(), Bounds(at[i].X, at[i].Y, 85, 29)) << i;
}

TEST(RadioGroupLayout, FollowsTheMeasuredFontHeightAndRightToLeft) {
    TGroupForm f({"a", "b", "c", "d"});
    f.Group->Font()->SetHeight(-17);  // a font change lays the buttons out again
    const int t = CellHeight(f.Group->Font());
    ASSERT_GT(t, 13);
    const int room = 105 - t - 5, h = room / 4, y0 = t + 1 + (room % 4) / 2;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.Line(i)->BoundsRect(), Bounds(8, y0 + i * h, 170, h)) << i;

    f.Group->SetBiDiMode(bdRightToLeft);
    f.Group->SetColumns(2);  // any layout hands the BiDiMode down
    const int w = (185 - 15) / 2;
    EXPECT_EQ(f.Line(0)->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(f.Line(0)->Left(), f.Group->ClientWidth() - 8 - w);
    EXPECT_EQ(f.Line(2)->Left(), f.Group->ClientWidth() - (w + 8) - w);
}

TEST(RadioGroupLayout, ColumnsAreClampedAndEmptyColumnsStillTakeTheirShare) {
    TGroupForm f;
    f.Group->SetColumns(0);
    EXPECT_EQ(f.Group->Columns(), 1);
    f.Group->SetColumns(-5);
    EXPECT_EQ(f.Group->Columns(), 1);
    f.Group->SetColumns(17);
    EXPECT_EQ(f.Group->Columns(), 16);
    f.Group->SetColumns(4);  // three lines, four columns: one row
    const int w = (185 - 15) / 4;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Line(i)->Left(), 8 + i * w);
    EXPECT_EQ(f.Line(0)->Width(), w);
}

TEST(RadioGroupLayout, LookIsHandedDownAndNewButtonsAreStillPlaced) {
    TGroupForm f;
    f.Show();
    f.Group->SetCheckColor(clRed);
    f.Group->SetCheckStyle(os3DJumbo);
    f.Group->SetRaised(true);
    f.Group->SetReadOnly(true);
    f.Group->SetAlignment(taLeftJustify);   // re-creates every button's window
    f.Group->SetBorderColor(clPurple);      // and again
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.Line(i)->CheckColor(), clRed);
        EXPECT_EQ(f.Line(i)->CheckStyle(), os3DJumbo);
        EXPECT_TRUE(f.Line(i)->Raised());
        EXPECT_TRUE(f.Line(i)->ReadOnly());
        EXPECT_EQ(f.Line(i)->Alignment(), taLeftJustify);
        EXPECT_EQ(f.Line(i)->BorderColor(), clPurple);
        EXPECT_FALSE(f.Line(i)->AutoSize());
    }
    const TRect second = f.Line(1)->BoundsRect();
    // A line added now gets a button whose window is re-created while it is
    // styled; it must still land in its place.
    f.Group->Items()->Add("Fish");
    ASSERT_EQ(f.Group->ButtonCount(), 4);
    EXPECT_EQ(f.Line(3)->Alignment(), taLeftJustify);
    EXPECT_EQ(f.Line(3)->Width(), second.Width());
    EXPECT_GT(f.Line(3)->Top(), f.Line(2)->Top());
    EXPECT_EQ(f.Line(3)->Left(), 8);
}

// ---------------------------------------------------------------- ItemIndex and Items

TEST(RadioGroupSelection, ItemIndexIsClampedAndChecksWithoutClicking) {
    TGroupForm f;
    int clicks = 0;
    f.Group->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(f.Group->ItemIndex(), -1);
    f.Group->SetItemIndex(5);
    EXPECT_EQ(f.Group->ItemIndex(), 2);
    EXPECT_TRUE(f.Line(2)->Checked());
    f.Group->SetItemIndex(0);
    EXPECT_TRUE(f.Line(0)->Checked());
    EXPECT_FALSE(f.Line(2)->Checked());
    f.Group->SetItemIndex(-7);
    EXPECT_EQ(f.Group->ItemIndex(), -1);
    EXPECT_FALSE(f.Line(0)->Checked());
    EXPECT_EQ(clicks, 0);

    TOrvoRadioGroup empty(nullptr);
    empty.SetItemIndex(3);
    EXPECT_EQ(empty.ItemIndex(), -1);
    empty.SetItemIndex(0);
    EXPECT_EQ(empty.ItemIndex(), -1);
}

TEST(RadioGroupSelection, ItemsChangesFollowTheSelection) {
    TGroupForm f;
    f.Group->SetItemIndex(2);
    f.Group->Items()->Delete(2);  // the selected last line goes
    EXPECT_EQ(f.Group->ButtonCount(), 2);
    EXPECT_EQ(f.Group->ItemIndex(), 1);
    EXPECT_TRUE(f.Line(1)->Checked());

    f.Group->Items()->SetStrings(0, "Horse");
    EXPECT_EQ(f.Line(0)->Caption(), "Horse");

    TStringList other{"x", "y", "z", "w"};
    f.Group->SetItems(&other);
    EXPECT_EQ(f.Group->ButtonCount(), 4);
    EXPECT_EQ(f.Line(3)->Caption(), "w");
    EXPECT_FALSE(f.Line(3)->Checked());

    f.Group->Items()->Clear();
    EXPECT_EQ(f.Group->ItemIndex(), -1);
    EXPECT_EQ(f.Group->ButtonCount(), 0);
    EXPECT_EQ(f.Group->ControlCount(), 0);
}

// ---------------------------------------------------------------- input

TEST(RadioGroupInput, ClickSelectsAndRaisesOnClickWithTheGroupAsSender) {
    TGroupForm f;
    int clicks = 0, changes = 0;
    TObject* sender = nullptr;
    int indexAtClick = -2;
    f.Group->OnClick = [&](TObject* s) {
        ++clicks;
        sender = s;
        indexAtClick = f.Group->ItemIndex();
    };
    f.Show();
    ClickMouse(f.Line(1), kOnLine);
    EXPECT_EQ(f.Group->ItemIndex(), 1);
    EXPECT_TRUE(f.Line(1)->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, f.Group);
    EXPECT_EQ(indexAtClick, 1);
    (void)changes;

    ClickMouse(f.Line(1), kOnLine);  // already selected: still a click
    EXPECT_EQ(clicks, 2);
    DoubleClickMouse(f.Line(0), kOnLine);
    EXPECT_EQ(f.Group->ItemIndex(), 0);
    EXPECT_TRUE(f.Line(0)->Checked());
    EXPECT_FALSE(f.Line(1)->Checked());
    EXPECT_EQ(clicks, 4);
}

TEST(RadioGroupInput, EnterAndSpaceCheckButLeaveItemIndex) {
    TGroupForm f;
    int clicks = 0;
    f.Group->OnClick = [&](TObject*) { ++clicks; };
    f.Group->SetItemIndex(0);
    f.Show();
    f.Line(2)->SetFocus();
    SendKey(&f.Form, VK_SPACE);
    EXPECT_TRUE(f.Line(2)->Checked());
    EXPECT_FALSE(f.Line(0)->Checked());
    EXPECT_EQ(f.Group->ItemIndex(), 0);
    f.Line(1)->SetFocus();
    SendKey(&f.Form, VK_RETURN);
    EXPECT_TRUE(f.Line(1)->Checked());
    EXPECT_EQ(f.Group->ItemIndex(), 0);
    EXPECT_EQ(clicks, 0);
}

TEST(RadioGroupInput, KeysAreForwardedToTheGroup) {
    TGroupForm f;
    std::string pressed;
    int downs = 0;
    f.Group->OnKeyPress = [&](TObject*, char& key) { pressed += key; };
    f.Group->OnKeyDown = [&](TObject*, Word&, TShiftState) { ++downs; };
    f.Show();
    f.Line(0)->SetFocus();
    SendChar(&f.Form, 'q');
    EXPECT_EQ(pressed, "q");
    EXPECT_GE(downs, 1);
}

TEST(RadioGroupInput, DraggedOffPressUnchecksTheSelectedLineButKeepsItemIndex) {
    TGroupForm f;
    f.Group->SetItemIndex(1);
    f.Show();
    PressMouse(f.Line(1), kOnLine);
    MoveMouse(&f.Form, kOffGroup);
    ReleaseMouse(&f.Form, kOffGroup);
    EXPECT_FALSE(f.Line(1)->Checked());
    EXPECT_EQ(f.Group->ItemIndex(), 1);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(f.Line(i)->Checked()) << i;
}

TEST(RadioGroupInput, ReadOnlyIgnoresPressesButNotKeys) {
    TGroupForm f;
    int clicks = 0;
    f.Group->OnClick = [&](TObject*) { ++clicks; };
    f.Group->SetReadOnly(true);
    f.Show();
    ClickMouse(f.Line(1), kOnLine);
    EXPECT_FALSE(f.Line(1)->Checked());
    EXPECT_EQ(f.Group->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);
    f.Line(1)->SetFocus();
    SendKey(&f.Form, VK_SPACE);
    EXPECT_TRUE(f.Line(1)->Checked());
    EXPECT_EQ(clicks, 0);
}

TEST(RadioGroupInput, DisablingTheGroupDisablesEveryButton) {
    TGroupForm f;
    f.Group->SetEnabled(false);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(f.Line(i)->Enabled()) << i;
    f.Group->Items()->Add("Fish");  // a new button starts as the group is
    EXPECT_FALSE(f.Line(3)->Enabled());
    f.Group->SetEnabled(true);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(f.Line(i)->Enabled()) << i;
}

namespace {

class TRefusingGroup : public TOrvoRadioGroup {
public:
    using TOrvoRadioGroup::TOrvoRadioGroup;
    bool Accepts = true;
    bool AcceptsChange() const override { return Accepts; }
};

}  // namespace

TEST(RadioGroupInput, CommandsAskTheGroupAndReportExceptionsApplicationWide) {
    TForm form(nullptr);
    auto* group = new TRefusingGroup(&form);
    group->SetParent(&form);
    group->Items()->Add("a");
    group->Items()->Add("b");
    TOrvoGroupButton* b = group->Buttons(1);

    group->Accepts = false;
    b->Perform(CN_COMMAND, WPARAM(BN_CLICKED) << 16, 0);
    EXPECT_FALSE(b->Checked());
    group->Accepts = true;
    b->Perform(CN_COMMAND, WPARAM(BN_CLICKED) << 16, 0);
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(group->ItemIndex(), -1);  // a command is not a click

    // Keys go to the group too; a refusing group swallows space and backspace.
    group->Accepts = false;
    for (char typed : {' ', '\b', 'x'}) {
        char key = typed;
        b->KeyPress(key);
        EXPECT_EQ(key, typed == 'x' ? 'x' : '\0');
    }
    group->Accepts = true;

    // A handler that throws: reported with the button as sender, not passed on,
    // and the next command is handled again.
    TObject* reportedSender = nullptr;
    std::string reported;
    const TExceptionEvent saved = Application->OnException;
    Application->OnException = [&](TObject* sender, const std::exception& e) {
        reportedSender = sender;
        reported = e.what();
    };
    int doubles = 0;
    b->OnDblClick = [&](TObject*) {
        ++doubles;
        // A command sent back while one is handled is dropped.
        b->Perform(CN_COMMAND, WPARAM(BN_DOUBLECLICKED) << 16, 0);
        throw std::runtime_error("handler failed");
    };
    EXPECT_NO_THROW(b->Perform(CN_COMMAND, WPARAM(BN_DOUBLECLICKED) << 16, 0));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(reportedSender, b);
    EXPECT_EQ(reported, "handler failed");
    EXPECT_NO_THROW(b->Perform(CN_COMMAND, WPARAM(BN_DOUBLECLICKED) << 16, 0));
    EXPECT_EQ(doubles, 2);
    Application->OnException = saved;
}

// ---------------------------------------------------------------- form descriptions

TEST(RadioGroupStreaming, SavedFormHoldsItemsAndItemIndexButNoButtons) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* group = new TOrvoRadioGroup(&form);
    group->SetName("Group1");
    group->SetParent(&form);
    group->SetCaption("Pets");
    group->Items()->Add("Cat");
    group->Items()->Add("Dog");
    group->Items()->Add("Bird");
    group->SetItemIndex(1);
    group->SetCheckColor(clRed);
    const std::string text = WriteComponentText(&form);

    EXPECT_NE(text.find("    ItemIndex = 1\n"
                        "    Items.Strings = (\n"
                        "      'Cat'\n"
                        "      'Dog'\n"
                        "      'Bird')\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("TOrvoGroupButton"), std::string::npos) << text;
    EXPECT_EQ(text.find("Columns"), std::string::npos) << text;  // 1 is its stored default
    for (const char* line : {"    CheckColor = clRed\n", "    Alignment = taRightJustify\n", "    ReadOnly = False\n",
                             "    AutoSize = False\n", "    Version = '"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;
    // Own properties come after the inherited ones, in declared order.
    EXPECT_LT(text.find("Alignment"), text.find("CheckColor"));
    EXPECT_LT(text.find("HotTrackFontColor"), text.find("ItemIndex"));
    EXPECT_LT(text.find("Raised"), text.find("TransparentCenter"));

    TForm back(nullptr);
    ReadComponentText(&back, text, "pets.form");
    auto* loaded = dynamic_cast<TOrvoRadioGroup*>(back.FindComponent("Group1"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ItemIndex(), 1);
    ASSERT_EQ(loaded->ButtonCount(), 3);
    EXPECT_TRUE(loaded->Buttons(1)->Checked());
    EXPECT_FALSE(loaded->Buttons(0)->Checked());
    EXPECT_EQ(loaded->Buttons(2)->Caption(), "Bird");
    EXPECT_EQ(loaded->Buttons(0)->CheckColor(), clRed);
    EXPECT_EQ(back.ComponentCount(), 1);  // the buttons belong to the group
    EXPECT_EQ(WriteComponentText(&back), text);
}

TEST(RadioGroupStreaming, HandEditedItemIndexBeyondTheLinesIsClamped) {
    for (const char* index : {"3", "99", "-4"}) {
        TForm form(nullptr);
        ReadComponentText(&form,
                          std::string("object Form1: TForm\n"
                                      "  object Group1: TOrvoRadioGroup\n"
                                      "    Columns = 2\n"
                                      "    ItemIndex = ") +
                              index +
                              "\n"
                              "    Items.Strings = (\n"
                              "      'Cat'\n"
                              "      'Dog'\n"
                              "      'Bird')\n"
                              "  end\n"
                              "end\n",
                          "edited.form");
        auto* group = dynamic_cast<TOrvoRadioGroup*>(form.FindComponent("Group1"));
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->Columns(), 2);
        const int expected = std::string(index) == "-4" ? -1 : 2;
        EXPECT_EQ(group->ItemIndex(), expected) << index;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(group->Buttons(i)->Checked(), i == expected) << index << " " << i;
    }
}

// ---------------------------------------------------------------- painting

TEST(RadioGroupPaint, EtchedFrameLeavesAGapUnderTheCaption) {
    TGroupForm f;
    f.Group->SetColor(kBoxColour);
    const TSnapshot s(*f.Group);
    const int th = MeasureText(f.Group->Font(), "Pets").cy;
    const int top = th / 2 - 1;
    // Shadow frame on (0, top, W - 2, H - 2), highlight frame one pixel in.
    EXPECT_EQ(s.At(0, 60), Plain(clBtnShadow));
    EXPECT_EQ(s.At(1, 60), Plain(clBtnHighlight));
    EXPECT_EQ(s.At(183, 60), Plain(clBtnShadow));
    EXPECT_EQ(s.At(184, 60), Plain(clBtnHighlight));
    EXPECT_EQ(s.At(3, top), Plain(clBtnShadow));
    const int textWidth = MeasureText(f.Group->Font(), "Pets").cx;
    // The gap: from x 8 to 7 + the caption's width, the top edge is not drawn
    // (the caption's opaque background lies there).
    EXPECT_NE(s.At(8 + textWidth - 1, top), Plain(clBtnShadow));
    EXPECT_EQ(s.At(8 + textWidth + 2, top), Plain(clBtnShadow));

    f.Group->SetCtl3D(false);
    const TSnapshot flat(*f.Group);
    EXPECT_EQ(flat.At(0, 60), Plain(clWindowFrame));
    EXPECT_EQ(flat.At(1, 60), kBoxColour);
}

TEST(RadioGroupPaint, TransparentGroupErasesNothing) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 240, 160);
    auto* parent = new TPatternParent(&form);
    parent->SetParent(&form);
    parent->SetBounds(0, 0, 240, 160);
    auto* group = new TOrvoRadioGroup(&form);
    group->SetParent(parent);
    group->SetBounds(20, 10, 185, 105);
    group->Items()->Add("a");
    group->SetTransparent(true);
    EXPECT_TRUE(group->Buttons(0)->Transparent());
    const TSnapshot s(*group);
    EXPECT_EQ(s.EraseResult, 1);
    EXPECT_EQ(s.At(50, 100), PatternAt(70, 110));
}

// ---------------------------------------------------------------- lifetime

TEST(RadioGroupLifetime, GroupMayBeFreedInItsOwnOnClick) {
    TGroupForm f;
    f.Show();
    bool freed = false;
    f.Group->OnClick = [&](TObject* sender) {
        freed = true;   // before: this handler dies with the group
        delete sender;  // the group, while its button's click is running
    };
    ClickMouse(f.Line(1), kOnLine);
    EXPECT_TRUE(freed);
    EXPECT_EQ(f.Form.ComponentCount(), 0);
    EXPECT_EQ(f.Form.ControlCount(), 0);
}

TEST(RadioGroupLifetime, ButtonsAreNeitherFlippedNorStreamedAndLeaveWithTheGroup) {
    TGroupForm f;
    const TRect first = f.Line(0)->BoundsRect();
    f.Group->FlipChildren(true);
    EXPECT_EQ(f.Line(0)->BoundsRect(), first);
    int listed = 0;
    f.Group->GetChildren([&](TComponent*) { ++listed; }, &f.Form);
    f.Group->GetChildren([&](TComponent*) { ++listed; }, f.Group);
    EXPECT_EQ(listed, 0);
    EXPECT_EQ(f.Group->ComponentCount(), 3);  // the group owns its buttons

    // Freeing one button from outside takes it off the group's list.
    delete f.Line(2);
    EXPECT_EQ(f.Group->ButtonCount(), 2);
    EXPECT_EQ(f.Group->ControlCount(), 2);
}

// Items given before the group has a parent lay its buttons out in a window
// made then; placed on a form, the group and its buttons are made again
// there and show.
TEST(RadioGroupPlacement, ItemsGivenBeforeAParentShowOnceParented) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 260, 160);
    auto* group = new TOrvoRadioGroup(&form);
    group->SetBounds(10, 10, 185, 105);
    group->Items()->Add("Cat");
    group->Items()->Add("Dog");
    group->SetItemIndex(1);
    ASSERT_EQ(group->ButtonCount(), 2);
    group->SetParent(&form);
    ShowFormForAutomation(&form);
    ASSERT_NE(group->Widget(), nullptr);
    EXPECT_TRUE(form.Widget()->isAncestorOf(group->Widget()));
    EXPECT_TRUE(group->Widget()->isVisible());
    for (int i = 0; i < 2; ++i) {
        QWidget* button = group->Buttons(i)->Widget();
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), group->Widget());
        EXPECT_TRUE(button->isVisible());
    }
    EXPECT_TRUE(group->Buttons(1)->Checked());
}
