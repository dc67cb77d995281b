// The push button and the check box: clicks through messages and real
// input, the owner-draw protocol, the current push button, painting.
#include <gtest/gtest.h>

#include <vector>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A button that records its notifications and, when owner-drawn, every
// draw request (answering it as a subclass must).
class TSpyButton : public TButton {
public:
    explicit TSpyButton(TComponent* owner, bool ownerDraw = false) : TButton(owner), FOwnerDraw(ownerDraw) {}

    std::vector<UINT> Codes;         // CN_COMMAND notification codes
    std::vector<UINT> DrawStates;    // itemState of each CN_DRAWITEM
    std::vector<bool> StyleCalls;    // SetButtonStyle arguments
    DRAWITEMSTRUCT LastDraw;
    UINT MeasuredWidth = 0, MeasuredHeight = 0;
    LRESULT DrawAnswer = -1;

    void WndProc(TMessage& m) override {
        if (m.Msg == CN_COMMAND) Codes.push_back(HIWORD(m.WParam));
        if (m.Msg == CN_DRAWITEM) {
            LastDraw = *reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
            DrawStates.push_back(LastDraw.itemState);
            m.Result = 1;
            return;
        }
        if (m.Msg == CN_MEASUREITEM) {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
            mis->itemWidth = UINT(Width());
            mis->itemHeight = UINT(Height());
            MeasuredWidth = mis->itemWidth;
            MeasuredHeight = mis->itemHeight;
            m.Result = 1;
            return;
        }
        TButton::WndProc(m);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TButton::CreateParams(params);
        if (FOwnerDraw) params.Style |= BS_OWNERDRAW;
    }
    void SetButtonStyle(bool aDefault) override {
        StyleCalls.push_back(aDefault);
        if (!FOwnerDraw) TButton::SetButtonStyle(aDefault);
    }

private:
    bool FOwnerDraw;
};

// A shown form holding what a test puts on it.
struct TButtonForm {
    TForm Form{nullptr};
    TButtonForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 300, 120);
        Form.SetColor(clWhite);
    }
    template <class T>
    T* Add(T* control, int left, int top) {
        control->SetLeft(left);
        control->SetTop(top);
        control->SetParent(&Form);
        return control;
    }
    void Show() { ShowFormForAutomation(&Form); }
    ~TButtonForm() { SetCaptureControl(nullptr); }
};

}  // namespace

TEST(StdButton, DefaultsAndPublishedOrder) {
    TButton b(nullptr);
    EXPECT_EQ(b.Width(), 75);
    EXPECT_EQ(b.Height(), 25);
    EXPECT_TRUE(b.TabStop());
    EXPECT_FALSE(b.Default());
    EXPECT_EQ(b.ModalResult(), 0);
    const auto& published = TButton::StaticClassInfo().Published;
    ASSERT_GE(published.size(), 8u);
    const char* first[] = {"Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpContext"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(published[std::size_t(i)].Name, first[i]);
    EXPECT_NE(FindClass("TButton"), nullptr);
    EXPECT_NE(FindClass("TCheckBox"), nullptr);
}

TEST(StdButton, PressAndReleaseInsideNotifiesClickedAndRaisesOnClick) {
    TButtonForm f;
    auto* b = f.Add(new TSpyButton(&f.Form), 10, 10);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    f.Show();

    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(b->Pressed());
    b->Perform(WM_MOUSEMOVE, MK_LBUTTON, At(200, 5));  // dragged off: drawn up
    EXPECT_FALSE(b->Pressed());
    b->Perform(WM_MOUSEMOVE, MK_LBUTTON, At(6, 6));    // and back on
    EXPECT_TRUE(b->Pressed());
    b->Perform(WM_LBUTTONUP, 0, At(6, 6));
    EXPECT_FALSE(b->Pressed());
    EXPECT_EQ(b->Codes, std::vector<UINT>{BN_CLICKED});
    EXPECT_EQ(clicks, 1);

    // Released outside: no notification, no click.
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    b->Perform(WM_LBUTTONUP, 0, At(100, 5));
    EXPECT_EQ(b->Codes.size(), 1u);
    EXPECT_EQ(clicks, 1);
}

TEST(StdButton, RealMouseClickAndSpaceKeyClick) {
    TButtonForm f;
    auto* b = f.Add(new TButton(&f.Form), 10, 10);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    f.Show();

    ClickMouse(b, ClientCentre(b));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Focused());  // a press takes the focus

    SendKey(&f.Form, VK_SPACE);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(b->Pressed());
}

TEST(StdButton, ClickSetsTheFormsModalResult) {
    TButtonForm f;
    auto* b = f.Add(new TButton(&f.Form), 10, 10);
    b->SetModalResult(mrOk);
    b->Perform(CN_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0);
    EXPECT_EQ(f.Form.ModalResult(), mrOk);
}

TEST(StdButton, OwnerDrawnButtonDrawsThroughDrawItemWithPressedState) {
    TButtonForm f;
    auto* b = f.Add(new TSpyButton(&f.Form, true), 10, 10);
    f.Show();
    EXPECT_EQ(b->WindowStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(b->MeasuredWidth, 75u);
    EXPECT_EQ(b->MeasuredHeight, 25u);

    TSurface s(75, 25);
    b->Perform(WM_PAINT, s.WParam(), 0);
    ASSERT_FALSE(b->DrawStates.empty());
    EXPECT_EQ(b->LastDraw.CtlType, ODT_BUTTON);
    EXPECT_EQ(b->LastDraw.hDC, s.Handle());
    EXPECT_EQ(b->LastDraw.rcItem, Rect(0, 0, 75, 25));
    EXPECT_EQ(b->DrawStates.back() & ODS_SELECTED, 0u);

    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    b->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(b->DrawStates.back() & ODS_SELECTED, ODS_SELECTED);
    EXPECT_EQ(b->DrawStates.back() & ODS_FOCUS, ODS_FOCUS);
    b->Perform(WM_LBUTTONUP, 0, At(5, 5));
    b->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(b->DrawStates.back() & ODS_SELECTED, 0u);

    b->SetEnabled(false);
    b->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(b->DrawStates.back() & ODS_DISABLED, ODS_DISABLED);
}

TEST(StdButton, OwnerDrawnDoubleClickReportsDoubleClickedNotASecondClick) {
    TButtonForm f;
    auto* b = f.Add(new TSpyButton(&f.Form, true), 10, 10);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    f.Show();
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    b->Perform(WM_LBUTTONUP, 0, At(5, 5));
    b->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    b->Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(b->Codes, (std::vector<UINT>{BN_CLICKED, BN_DOUBLECLICKED}));
    EXPECT_EQ(clicks, 1);
}

TEST(StdButton, CurrentPushButtonFollowsTheFocus) {
    TButtonForm f;
    auto* other = f.Add(new TRecordingControl(&f.Form), 200, 10);
    other->SetTabStop(true);
    auto* def = f.Add(new TSpyButton(&f.Form, true), 10, 10);
    def->SetDefault(true);
    auto* plain = f.Add(new TSpyButton(&f.Form, true), 100, 10);
    f.Show();

    other->SetFocus();
    ASSERT_TRUE(other->Focused());
    EXPECT_TRUE(def->Active());
    EXPECT_FALSE(plain->Active());

    plain->SetFocus();
    ASSERT_TRUE(plain->Focused());
    EXPECT_FALSE(def->Active());
    ASSERT_FALSE(def->StyleCalls.empty());
    EXPECT_FALSE(def->StyleCalls.back());
    EXPECT_TRUE(plain->StyleCalls.back());

    other->SetFocus();
    EXPECT_TRUE(def->StyleCalls.back());
    EXPECT_FALSE(plain->StyleCalls.back());

    def->SetFocus();
    EXPECT_TRUE(def->StyleCalls.back());
    EXPECT_FALSE(plain->StyleCalls.back());
}

TEST(StdButton, EnterAndEscapeReachTheDefaultAndCancelButtons) {
    TButtonForm f;
    auto* edit = f.Add(new TEdit(&f.Form), 10, 40);
    auto* memo = f.Add(new TMemo(&f.Form), 10, 70);
    auto* ok = f.Add(new TButton(&f.Form), 10, 10);
    auto* cancel = f.Add(new TButton(&f.Form), 100, 10);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    int oks = 0, cancels = 0;
    ok->OnClick = [&](TObject*) { ++oks; };
    cancel->OnClick = [&](TObject*) { ++cancels; };
    f.Show();

    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
    SendKey(&f.Form, VK_RETURN);
    EXPECT_EQ(oks, 1);
    SendKey(&f.Form, VK_ESCAPE);
    EXPECT_EQ(cancels, 1);

    // A memo keeps Enter for its new lines; Escape still cancels.
    memo->SetFocus();
    ASSERT_TRUE(memo->Focused());
    SendKey(&f.Form, VK_RETURN);
    EXPECT_EQ(oks, 1);
    SendKey(&f.Form, VK_ESCAPE);
    EXPECT_EQ(cancels, 2);
}

TEST(StdButton, StockLookShowsTheDefaultFrameAndThePress) {
    TButtonForm f;
    auto* current = f.Add(new TButton(&f.Form), 10, 10);
    auto* other = f.Add(new TButton(&f.Form), 100, 10);
    f.Show();
    current->SetFocus();
    ASSERT_TRUE(current->Focused());
    TSurface s(75, 25);

    // Not the current push button: the raised frame reaches the corner.
    other->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(other->WindowStyle() & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(s.Pixel(0, 0), Plain(clBtnHighlight));
    EXPECT_EQ(s.Pixel(74, 24), Plain(cl3DDkShadow));
    EXPECT_EQ(s.Pixel(3, 3), Plain(clBtnFace));

    // The focused button is the current push button: a frame round it.
    current->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(current->WindowStyle() & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(s.Pixel(0, 0), Plain(clWindowFrame));
    EXPECT_EQ(s.Pixel(1, 1), Plain(clBtnHighlight));

    // Pressed: the frame stays, a flat shadow lies inside it.
    current->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    current->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(0, 0), Plain(clWindowFrame));
    EXPECT_EQ(s.Pixel(1, 1), Plain(clBtnShadow));
    current->Perform(WM_LBUTTONUP, 0, At(5, 5));
}

// ---------------------------------------------------------------- check box

TEST(StdCheckBox, DefaultsAndStoredState) {
    TCheckBox c(nullptr);
    EXPECT_EQ(c.Width(), 97);
    EXPECT_EQ(c.Height(), 17);
    EXPECT_EQ(c.Alignment(), taRightJustify);
    EXPECT_EQ(c.State(), cbUnchecked);
    EXPECT_TRUE(c.TabStop());
}

TEST(StdCheckBox, OnClickRunsAfterTheStateChanged) {
    TButtonForm f;
    auto* c = f.Add(new TCheckBox(&f.Form), 10, 10);
    std::vector<bool> seen;
    c->OnClick = [&](TObject*) { seen.push_back(c->Checked()); };
    f.Show();

    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(seen.empty());  // nothing until the release
    c->Perform(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(seen, std::vector<bool>{true});

    SendKey(&f.Form, VK_SPACE);  // it has the focus from the click
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));

    c->SetChecked(true);  // from code: OnClick too, after the change
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
    c->SetChecked(true);  // no change, no click
    EXPECT_EQ(seen.size(), 3u);

    ClickMouse(c, ClientCentre(c));
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
}

TEST(StdCheckBox, ToggleCyclesThroughGrayedOnlyWhenAllowed) {
    TCheckBox c(nullptr);
    c.Toggle();
    EXPECT_EQ(c.State(), cbChecked);
    c.Toggle();
    EXPECT_EQ(c.State(), cbUnchecked);
    c.SetAllowGrayed(true);
    c.Toggle();
    EXPECT_EQ(c.State(), cbGrayed);
    EXPECT_FALSE(c.Checked());
    c.Toggle();
    EXPECT_EQ(c.State(), cbChecked);
}

TEST(StdCheckBox, AcceleratorFocusesAndToggles) {
    TButtonForm f;
    auto* c = f.Add(new TCheckBox(&f.Form), 10, 10);
    c->SetCaption("&Transparent");
    f.Show();
    SendAltChar(&f.Form, 't');
    EXPECT_TRUE(c->Focused());
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(c->Perform(CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_TRUE(c->Checked());
}

TEST(StdCheckBox, PaintsTheBoxAndTheTick) {
    TButtonForm f;
    auto* c = f.Add(new TCheckBox(&f.Form), 10, 10);
    c->SetCaption("");
    const TRect box = c->BoxRect();
    EXPECT_EQ(box, Rect(0, 2, 13, 15));  // centred in 17 pixels
    TSurface s(97, 17);
    c->Perform(WM_ERASEBKGND, s.WParam(), 0);
    c->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(box.Left, box.Top), Plain(clBtnShadow));       // sunken outer ring
    EXPECT_EQ(s.Pixel(box.Left + 1, box.Top + 1), Plain(cl3DDkShadow));
    EXPECT_EQ(s.Pixel(box.Right - 1, box.Bottom - 1), Plain(clBtnHighlight));
    const int tickX = box.Left + 5, tickY = box.Top + 2 + 5;  // the tick's lowest bar
    EXPECT_EQ(s.Pixel(tickX, tickY), Plain(clWindow));

    c->SetChecked(true);
    c->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(tickX, tickY), Plain(clWindowText));
    EXPECT_EQ(s.Pixel(box.Left + 9, box.Top + 9), Plain(clWindow));  // below the tick's right arm

    c->SetCtl3D(false);
    c->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(box.Left, box.Top), Plain(clWindowFrame));
}
