// A disabled control gets no mouse input: presses, releases, clicks and
// double-clicks go to its parent instead, whatever kind of control it is and
// whether it or one of its parents was disabled.
#include <gtest/gtest.h>

#include <QComboBox>

#include <functional>
#include <string>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"
#include "test_input_support.h"

using namespace Orvo;

using namespace input_test;

namespace {

struct TMouseEvents {
    int Downs = 0, Ups = 0, Clicks = 0, DblClicks = 0;
    void Attach(TControl* c) {
        c->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Downs; };
        c->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Ups; };
        c->OnClick = [this](TObject*) { ++Clicks; };
        c->OnDblClick = [this](TObject*) { ++DblClicks; };
    }
    int Total() const { return Downs + Ups + Clicks + DblClicks; }
};

struct TDisabledCase {
    const char* Name;
    std::function<TControl*(TWinControl* parent)> Make;
};

// Puts the control at (20, 20) of a panel that fills the form.
TControl* Place(TControl* c, TWinControl* parent, int width = 97, int height = 21) {
    c->SetBounds(20, 20, width, height);
    c->SetParent(parent);
    return c;
}

const TDisabledCase kCases[] = {
    {"custom control", [](TWinControl* p) { return Place(new TRecordingControl(p), p); }},
    {"check box",
     [](TWinControl* p) {
         auto* c = new TCheckBox(p);
         c->SetCaption("Enabled");
         return Place(c, p);
     }},
    {"push button",
     [](TWinControl* p) {
         auto* c = new TButton(p);
         c->SetCaption("Pick");
         return Place(c, p, 33, 21);
     }},
    {"drop-down list",
     [](TWinControl* p) {
         auto* c = new TComboBox(p);
         c->SetStyle(csDropDownList);
         c->Items()->Add("ocCheck");
         c->Items()->Add("ocCross");
         return Place(c, p);
     }},
    {"windowless control", [](TWinControl* p) { return Place(new TRecordingGraphic(p), p, 60, 20); }},
};

// Clicks once, then double-clicks, at the centre of `target`.
void ClickAndDoubleClick(const TControl* target) {
    const QPoint at = GlobalOf(target, ClientCentre(target));
    Click(at);
    Press(at);
    Release(at);
    Mouse(at, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);  // straight after: a double click
    Release(at);
}

}  // namespace

TEST(InputDisabled, ADisabledControlOfEveryKindGetsNoMouseInput) {
    for (const TDisabledCase& kind : kCases) {
        for (const bool viaParent : {false, true}) {
            SCOPED_TRACE(std::string(kind.Name) + (viaParent ? ", parent disabled" : ", itself disabled"));
            TForm form(nullptr);
            form.SetBorderStyle(bsNone);
            form.SetBounds(0, 0, 200, 100);
            auto* panel = new TPanel(&form);
            panel->SetBounds(0, 0, 200, 100);
            panel->SetParent(&form);
            TControl* control = kind.Make(panel);
            TMouseEvents own, parent;
            own.Attach(control);
            parent.Attach(panel);
            ShowFormForAutomation(&form);
            const bool wasChecked = dynamic_cast<TCheckBox*>(control) && static_cast<TCheckBox*>(control)->Checked();
            const int index = dynamic_cast<TComboBox*>(control) ? static_cast<TComboBox*>(control)->ItemIndex() : 0;

            if (viaParent) panel->SetEnabled(false);
            else control->SetEnabled(false);
            ClickAndDoubleClick(control);

            EXPECT_EQ(own.Total(), 0);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_EQ(GetCaptureControl(), nullptr);
            if (auto* box = dynamic_cast<TCheckBox*>(control)) {
                EXPECT_EQ(box->Checked(), wasChecked);
            }
            if (auto* combo = dynamic_cast<TComboBox*>(control)) {
                EXPECT_EQ(combo->ItemIndex(), index);
            }
            // An enabled parent hears the presses instead, as under the
            // platform the framework comes from.
            if (!viaParent) {
                EXPECT_GE(parent.Downs, 2);
            } else {
                EXPECT_EQ(parent.Total(), 0);
            }

            // Enabled again, the same input reaches it.
            panel->SetEnabled(true);
            control->SetEnabled(true);
            ClickAndDoubleClick(control);
            EXPECT_GE(own.Downs, 1);  // a drop-down list opens on the first press
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            SetCaptureControl(nullptr);
        }
    }
}
