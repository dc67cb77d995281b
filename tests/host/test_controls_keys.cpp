// Keyboard and focus: key codes, characters, accelerators through
// CM_DIALOGCHAR, Tab order, focus messages.
#include <gtest/gtest.h>

#include <vector>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/qt/HostWidget.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

// Answers CM_DIALOGCHAR for its caption's accelerator.
class TAccelControl : public TRecordingControl {
public:
    using TRecordingControl::TRecordingControl;
    int Accelerated = 0;
    bool TakesCharacters = false;
    std::vector<Word> KeysDown;
    std::vector<char> KeysPressed;

    bool WantsCharacters() const override { return TakesCharacters; }
    void WndProc(TMessage& message) override {
        if (message.Msg == CM_DIALOGCHAR && IsAccel(char(message.WParam), Caption())) {
            Messages.push_back(message.Msg);
            ++Accelerated;
            message.Result = 1;
            return;
        }
        TRecordingControl::WndProc(message);
    }
    void KeyDown(Word& key, TShiftState shift) override {
        KeysDown.push_back(key);
        TRecordingControl::KeyDown(key, shift);
    }
    void KeyPress(char& key) override {
        KeysPressed.push_back(key);
        TRecordingControl::KeyPress(key);
    }
};

// A form with three tab stops (First, Send in a panel, Quit) and a control
// that is not a tab stop.
struct TKeyForm {
    TForm Form{nullptr};
    TAccelControl* First;
    TRecordingControl* Panel;
    TAccelControl* Send;
    TAccelControl* Quit;
    TAccelControl* NoStop;

    TAccelControl* Add(TWinControl* parent, const char* caption, int x, bool tabStop) {
        auto* c = new TAccelControl(&Form);
        c->SetParent(parent);
        c->SetBounds(x, 5, 40, 20);
        c->SetCaption(caption);
        c->SetTabStop(tabStop);
        return c;
    }

    TKeyForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 300, 100);
        First = Add(&Form, "First", 5, true);
        Panel = new TRecordingControl(&Form);
        Panel->SetParent(&Form);
        Panel->SetBounds(60, 40, 120, 40);
        Send = Add(Panel, "&Send", 5, true);
        Quit = Add(&Form, "&Quit", 200, true);
        NoStop = Add(&Form, "&Nope", 250, false);
    }
    void ShowAndFocus(TWinControl* c) {
        ShowFormForAutomation(&Form);
        c->SetFocus();
        ProcessPendingPaints();
    }
};

}  // namespace

TEST(ControlKeys, DialogCharIsBroadcastUntilOneAnswers) {
    TKeyForm f;
    EXPECT_EQ(f.Form.Perform(CM_DIALOGCHAR, 's', 0), 1);  // nested in the panel
    EXPECT_EQ(f.Send->Accelerated, 1);
    EXPECT_EQ(f.Quit->Accelerated, 0);
    EXPECT_EQ(f.Form.Perform(CM_DIALOGCHAR, 'Q', 0), 1);
    EXPECT_EQ(f.Quit->Accelerated, 1);
    EXPECT_EQ(f.Form.Perform(CM_DIALOGCHAR, 'z', 0), 0);
    // The broadcast stopped at Quit: a later control is never asked.
    f.NoStop->SetCaption("&Quit too");
    f.NoStop->Messages.clear();
    f.Form.Perform(CM_DIALOGCHAR, 'q', 0);
    EXPECT_EQ(f.Quit->Accelerated, 2);
    EXPECT_EQ(f.NoStop->Count(CM_DIALOGCHAR), 0);
}

TEST(ControlKeys, AltWithACharacterReachesTheAccelerator) {
    TKeyForm f;
    f.ShowAndFocus(f.First);
    ASSERT_TRUE(f.First->Focused());
    SendAltChar(&f.Form, 'q');
    EXPECT_EQ(f.Quit->Accelerated, 1);
    EXPECT_TRUE(f.First->KeysPressed.empty());  // Alt characters are no typing
}

TEST(ControlKeys, PlainCharacterGoesToTheAcceleratorUnlessTheFocusedControlTypes) {
    TKeyForm f;
    f.ShowAndFocus(f.First);
    SendChar(&f.Form, 's');
    EXPECT_EQ(f.First->KeysPressed, std::vector<char>{'s'});
    EXPECT_EQ(f.Send->Accelerated, 1);

    f.First->TakesCharacters = true;  // an edit window keeps its characters
    SendChar(&f.Form, 's');
    EXPECT_EQ(f.First->KeysPressed.size(), 2u);
    EXPECT_EQ(f.Send->Accelerated, 1);

    // A character KeyPress swallows goes nowhere else either.
    f.First->TakesCharacters = false;
    f.First->OnKeyPress = [](TObject*, char& key) { key = 0; };
    SendChar(&f.Form, 's');
    EXPECT_EQ(f.Send->Accelerated, 1);
}

TEST(ControlKeys, KeysArriveAsVirtualKeyCodes) {
    TKeyForm f;
    f.ShowAndFocus(f.First);
    Word seen = 0;
    f.First->OnKeyDown = [&](TObject* sender, Word& key, TShiftState) {
        EXPECT_EQ(sender, f.First);
        seen = key;
    };
    SendKey(&f.Form, VK_RETURN);
    EXPECT_EQ(seen, VK_RETURN);
    SendKey(&f.Form, VK_SPACE);
    EXPECT_EQ(seen, VK_SPACE);
    EXPECT_EQ(f.First->KeysPressed, (std::vector<char>{'\r', ' '}));
    SendKey(&f.Form, VK_LEFT);
    EXPECT_EQ(seen, VK_LEFT);
}

TEST(ControlKeys, TabMovesTheFocusInTabOrderAmongTabStops) {
    TKeyForm f;
    f.ShowAndFocus(f.First);
    f.First->Messages.clear();
    SendKey(&f.Form, VK_TAB);
    EXPECT_TRUE(f.Send->Focused());  // the panel is no tab stop; its child is
    EXPECT_EQ(f.First->Count(WM_KILLFOCUS), 1);
    EXPECT_EQ(f.Send->Count(WM_SETFOCUS), 1);
    EXPECT_EQ(f.Form.ActiveControl(), f.Send);
    SendKey(&f.Form, VK_TAB);
    EXPECT_TRUE(f.Quit->Focused());
    SendKey(&f.Form, VK_TAB);  // NoStop is skipped; round to the start
    EXPECT_TRUE(f.First->Focused());

    // Tab order, not creation order, decides.
    f.Quit->SetTabOrder(0);
    SendKey(&f.Form, VK_TAB);
    EXPECT_TRUE(f.Panel->Focused() || f.Send->Focused());
    EXPECT_FALSE(f.Quit->Focused());
    f.First->SetFocus();
    ProcessPendingPaints();
    EXPECT_EQ(f.Form.FindNextControl(f.First, false, true), f.Quit);
}

TEST(ControlKeys, EnterAndExitFollowTheFocus) {
    TKeyForm f;
    int enters = 0, exits = 0;
    f.Quit->OnEnter = [&](TObject*) { ++enters; };
    f.Quit->OnExit = [&](TObject*) { ++exits; };
    f.ShowAndFocus(f.First);
    f.Quit->SetFocus();
    ProcessPendingPaints();
    EXPECT_EQ(enters, 1);
    f.First->SetFocus();
    ProcessPendingPaints();
    EXPECT_EQ(exits, 1);
}

TEST(ControlKeys, FreeingAFormRunsNoEnterOrExitOnItsControls) {
    // Freeing the form hides the focused edit's window first (the last made
    // is freed first); Qt then hands the focus on to the other edit, whose
    // handlers must not run any more.
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 100);
    int events = 0;
    TEdit* edits[2];
    for (int i = 0; i < 2; ++i) {
        edits[i] = new TEdit(form.get());
        edits[i]->SetParent(form.get());
        edits[i]->SetBounds(5, 5 + 30 * i, 100, 21);
        edits[i]->OnEnter = [&](TObject*) { ++events; };
        edits[i]->OnExit = [&](TObject*) { ++events; };
    }
    ShowFormForAutomation(form.get());
    edits[1]->SetFocus();
    ProcessPendingPaints();
    ASSERT_TRUE(edits[1]->Focused());
    events = 0;
    form.reset();
    EXPECT_EQ(events, 0);
}

TEST(ControlKeys, AWindowMadeAgainInOnEnterIsNotEnteredAgain) {
    // Ctl3D makes an edit's window again, which takes the focus back: no new
    // entry (it ran until the stack ran out), no pass by the next edit.
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    auto* next = new TEdit(&form);
    edit->SetParent(&form);
    next->SetParent(&form);
    int enters = 0, exits = 0, nextEvents = 0;
    edit->OnEnter = [&](TObject*) { ++enters, edit->SetCtl3D(!edit->Ctl3D()); };
    edit->OnExit = [&](TObject*) { ++exits; };
    next->OnEnter = next->OnExit = [&](TObject*) { ++nextEvents; };
    ShowFormForAutomation(&form);
    next->SetFocus();
    ProcessPendingPaints();
    enters = exits = nextEvents = 0;
    edit->SetFocus();
    ProcessPendingPaints();
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(nextEvents, 1);  // its own exit
    EXPECT_TRUE(edit->Focused());
}

TEST(ControlKeys, CannotFocusAHiddenOrDisabledControl) {
    TKeyForm f;
    EXPECT_FALSE(f.First->CanFocus());  // the form is not shown
    f.ShowAndFocus(f.First);
    EXPECT_TRUE(f.First->CanFocus());
    f.Panel->SetEnabled(false);
    EXPECT_FALSE(f.Send->CanFocus());
    f.Panel->SetEnabled(true);
    f.Send->SetVisible(false);
    EXPECT_FALSE(f.Send->CanFocus());
    f.Send->SetFocus();  // refused quietly
    EXPECT_FALSE(f.Send->Focused());
}
