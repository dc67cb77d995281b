// What a screen reader learns through QAccessible about the framework's
// controls and the library's: role, name, value, state and actions, and the
// state changes it is told about.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

#include <vector>

#include "host/qt/Accessibility.h"
#include "host/stdctrls/AccessibleControls.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoBackground.h"
#include "orvo/OrvoButton.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoEdit.h"
#include "orvo/OrvoGroupBox.h"
#include "orvo/OrvoGroupBoxWithCheck.h"
#include "orvo/OrvoListBox.h"
#include "orvo/OrvoMemo.h"
#include "orvo/OrvoPanel.h"
#include "orvo/OrvoRadioGroup.h"
#include "orvo/OrvoRadioButton.h"
#include "orvo/OrvoStaticText.h"

using namespace Orvo;

namespace {

QAccessibleInterface* Ask(TWinControl* c) { return QAccessible::queryAccessibleInterface(c->Widget()); }

// State changes announced while a test listens.
struct TStateChange {
    QObject* Object;
    QAccessible::State Changed;
};
std::vector<TStateChange>& Heard() {
    static std::vector<TStateChange> heard;
    return heard;
}
void Listen(QAccessibleEvent* e) {
    if (e->type() == QAccessible::StateChanged)
        Heard().push_back({e->object(), static_cast<QAccessibleStateChangeEvent*>(e)->changedStates()});
}

class Accessibility : public ::testing::Test {
protected:
    TForm form{nullptr};
    template <class T>
    T* Add(int left, int top, const std::string& caption) {
        auto* c = new T(&form);
        c->SetParent(&form);
        c->SetBounds(left, top, 120, 24);
        c->SetCaption(caption);
        return c;
    }
    void SetUp() override {
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 420, 300);
        Heard().clear();
        SetAccessibleAnnouncer(&Listen);
    }
    void TearDown() override { SetAccessibleAnnouncer(nullptr); }
    template <class Field>
    bool HeardChange(TWinControl* c, Field field) {
        for (const TStateChange& h : Heard())
            if (h.Object == c->Widget() && field(h.Changed)) return true;
        return false;
    }
};

TEST_F(Accessibility, RolesAndNamesOfStockAndLibraryControls) {
    struct TCase {
        TWinControl* control;
        QAccessible::Role role;
        const char* name;
    };
    auto* edit = Add<TEdit>(0, 200, "");
    edit->SetText("typed & kept");
    const TCase cases[] = {
        {Add<TButton>(0, 0, "&Save"), QAccessible::Button, "Save"},
        {Add<TCheckBox>(0, 30, "&Loud"), QAccessible::CheckBox, "Loud"},
        {Add<TPanel>(0, 60, "Panel"), QAccessible::Pane, "Panel"},
        {Add<TGroupBox>(0, 90, "Gro&up"), QAccessible::Grouping, "Group"},
        {Add<TOrvoCheckBox>(140, 0, "&Agree && sign"), QAccessible::CheckBox, "Agree & sign"},
        {Add<TOrvoRadioButton>(140, 30, "&One"), QAccessible::RadioButton, "One"},
        {Add<TOrvoStaticText>(140, 60, "S&tatic"), QAccessible::StaticText, "Static"},
        {Add<TOrvoButton>(140, 90, "&Go"), QAccessible::Button, "Go"},
        {Add<TOrvoGroupBoxWithCheck>(140, 120, "&Options"), QAccessible::Grouping, "Options"},
        {Add<TOrvoGroupBox>(140, 150, "&Frame"), QAccessible::Grouping, "Frame"},
        {Add<TOrvoRadioGroup>(140, 180, "&Size"), QAccessible::Grouping, "Size"},
        {Add<TOrvoPanel>(140, 210, "Pa&ne"), QAccessible::Pane, "Pane"},
        {Add<TOrvoEdit>(280, 0, "content"), QAccessible::EditableText, ""},
        {Add<TOrvoMemo>(280, 30, "content"), QAccessible::EditableText, ""},
        {Add<TOrvoListBox>(280, 60, ""), QAccessible::List, ""},
        {edit, QAccessible::EditableText, ""},
        {&form, QAccessible::Window, ""},
    };
    ShowFormForAutomation(&form);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.control->ClassName());
        QAccessibleInterface* a = Ask(c.control);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), c.role);
        EXPECT_EQ(a->text(QAccessible::Name).toStdString(), c.name);
    }
    // An edit's caption is its content: a value, not a name.
    EXPECT_EQ(Ask(edit)->text(QAccessible::Value).toStdString(), "typed & kept");
    // The library controls are in the form's tree.
    QAccessibleInterface* formAccess = Ask(&form);
    EXPECT_GE(formAccess->indexOfChild(Ask(cases[4].control)), 0);
}

TEST_F(Accessibility, WindowlessControlsAreChildrenOfTheirParent) {
    auto* button = Add<TButton>(10, 10, "Button");
    auto* background = new TOrvoBackground(&form);
    background->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(30, 50, 80, 16);
    label->SetCaption("&Name:");
    ShowFormForAutomation(&form);

    QAccessibleInterface* top = Ask(&form);
    QAccessibleInterface* labelAccess = nullptr;
    QAccessibleInterface* pictureAccess = nullptr;
    for (int i = 0; i < top->childCount(); ++i) {
        QAccessibleInterface* c = top->child(i);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(top->indexOfChild(c), i);
        if (c->role() == QAccessible::StaticText) labelAccess = c;
        if (c->role() == QAccessible::Graphic) pictureAccess = c;
    }
    EXPECT_GE(top->indexOfChild(Ask(button)), 0);
    ASSERT_NE(labelAccess, nullptr);
    ASSERT_NE(pictureAccess, nullptr);
    EXPECT_EQ(labelAccess->text(QAccessible::Name).toStdString(), "Name:");
    EXPECT_EQ(labelAccess->parent(), top);
    const QPoint origin = form.Widget()->mapToGlobal(QPoint(30, 50));
    EXPECT_EQ(labelAccess->rect(), QRect(origin, QSize(label->Width(), label->Height())));  // sized to its text

    // Freed: the interface is withdrawn and the parent has one child fewer.
    const int before = top->childCount();
    const QAccessible::Id id = QAccessible::uniqueId(labelAccess);
    delete label;
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
    EXPECT_EQ(top->childCount(), before - 1);
}

TEST_F(Accessibility, StateFollowsTheControl) {
    auto* check = Add<TOrvoCheckBox>(10, 10, "Check");
    auto* radio = Add<TOrvoRadioButton>(10, 40, "Radio");
    auto* edit = Add<TEdit>(10, 70, "");
    auto* group = Add<TOrvoGroupBoxWithCheck>(150, 10, "Group");
    ShowFormForAutomation(&form);

    QAccessible::State s = Ask(check)->state();
    EXPECT_TRUE(s.checkable);
    EXPECT_FALSE(s.checked);
    EXPECT_FALSE(s.disabled);
    EXPECT_TRUE(s.focusable);

    check->SetChecked(true);
    check->SetReadOnly(true);
    radio->SetEnabled(false);
    edit->SetReadOnly(true);
    group->SetChecked(true);
    EXPECT_TRUE(Ask(check)->state().checked);
    EXPECT_TRUE(Ask(check)->state().readOnly);
    EXPECT_TRUE(Ask(radio)->state().disabled);
    EXPECT_FALSE(Ask(radio)->state().checked);
    EXPECT_TRUE(Ask(edit)->state().readOnly);
    EXPECT_TRUE(Ask(group)->state().checkable);
    EXPECT_TRUE(Ask(group)->state().checked);

    edit->SetFocus();
    ProcessPendingPaints();
    EXPECT_TRUE(Ask(edit)->state().focused);
    EXPECT_FALSE(Ask(check)->state().focused);

    MoveMouse(check, ClientCentre(check));
    ProcessPendingPaints();
    EXPECT_TRUE(Ask(check)->state().hotTracked);
    EXPECT_FALSE(Ask(edit)->state().hotTracked);
}

TEST_F(Accessibility, ActionsToggleAndPressLikeAClick) {
    auto* check = Add<TOrvoCheckBox>(10, 10, "Check");
    auto* button = Add<TButton>(10, 40, "Button");
    auto* radio = Add<TOrvoRadioButton>(10, 70, "Radio");
    int clicks = 0;
    button->OnClick = [&clicks](TObject*) { ++clicks; };
    ShowFormForAutomation(&form);

    QAccessibleActionInterface* act = Ask(check)->actionInterface();
    ASSERT_NE(act, nullptr);
    EXPECT_EQ(act->actionNames(), QStringList{QAccessibleActionInterface::toggleAction()});
    act->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(check->Checked());
    act->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(check->Checked());

    ASSERT_NE(Ask(button)->actionInterface(), nullptr);
    EXPECT_EQ(Ask(button)->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    Ask(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);

    Ask(radio)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(radio->Checked());

    // Read-only and disabled controls offer nothing, and an action asked for
    // anyway changes nothing.
    check->SetReadOnly(true);
    EXPECT_TRUE(act->actionNames().isEmpty());
    act->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(check->Checked());
    button->SetEnabled(false);
    Ask(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(DoAccessibleAction(*button, kPressAction));
}

TEST_F(Accessibility, StateChangesAreAnnounced) {
    auto* check = Add<TOrvoCheckBox>(10, 10, "Check");
    auto* edit = Add<TEdit>(10, 40, "");
    ShowFormForAutomation(&form);
    Ask(check);
    Ask(edit);
    ProcessPendingPaints();
    Heard().clear();

    check->SetChecked(true);
    ProcessPendingPaints();
    EXPECT_TRUE(HeardChange(check, [](const QAccessible::State& s) { return bool(s.checked); }));
    EXPECT_FALSE(HeardChange(edit, [](const QAccessible::State& s) { return bool(s.checked); }));

    Heard().clear();
    check->SetEnabled(false);
    ProcessPendingPaints();
    EXPECT_TRUE(HeardChange(check, [](const QAccessible::State& s) { return bool(s.disabled); }));

    auto focusChanged = [](const QAccessible::State& s) { return bool(s.focused); };
    edit->SetFocus();
    ProcessPendingPaints();
    ASSERT_TRUE(edit->Focused());
    FlushAccessibleStateChanges();
    EXPECT_TRUE(HeardChange(edit, focusChanged));
    Heard().clear();
    check->SetEnabled(true);
    check->SetFocus();
    ProcessPendingPaints();
    ASSERT_TRUE(check->Focused());
    // Focus may move in a later round than the paints settle in: flushed
    // here rather than waiting for the next event.
    FlushAccessibleStateChanges();
    EXPECT_TRUE(HeardChange(edit, focusChanged));
    EXPECT_TRUE(HeardChange(check, focusChanged));

    // Nothing changed: nothing is said.
    Heard().clear();
    FlushAccessibleStateChanges();
    EXPECT_TRUE(Heard().empty());
}

}  // namespace
