// The widgets' signals under real input given to their window (clicks,
// Space and Enter, accelerators, arrow keys, typing) and under assignments
// from code: each signal comes once per change, user-only signals never
// come from code, and a press dragged off changes nothing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "orvo/OrvoCheckControls.h"
#include "widget_test_support.h"

using namespace Orvo;
using namespace widget_test;

namespace {

// Records every emission of the signals it is connected to, in order.
struct TSignalLog {
    std::vector<std::string> Entries;
    void Add(const std::string& entry) { Entries.push_back(entry); }
    std::string Joined() const {
        std::string s;
        for (const std::string& e : Entries) s += (s.empty() ? "" : " ") + e;
        return s;
    }
    std::string Take() {
        std::string s = Joined();
        Entries.clear();
        return s;
    }
};

// A window with `widget` at the top and a line edit under it (somewhere else
// for the focus to be).
struct TWindowWith : TShownWindow {
    QVBoxLayout* Layout = new QVBoxLayout(Window.get());
    QLineEdit* Other = new QLineEdit(Window.get());
    template <class W>
    W* Add(W* widget) {
        Layout->insertWidget(Layout->count() - 1, widget);
        return widget;
    }
};

TEST(CheckBoxSignals, ToggledOncePerChangeAndClickedOnlyForTheUser) {
    TWindowWith w;
    auto* box = w.Add(new CheckBox("&Send"));
    w.Layout->addWidget(w.Other);
    TSignalLog log;
    QObject::connect(box, &CheckBox::toggled, [&](bool on) { log.Add(on ? "toggled(1)" : "toggled(0)"); });
    QObject::connect(box, &CheckBox::clicked, [&](bool on) { log.Add(on ? "clicked(1)" : "clicked(0)"); });
    w.Show();

    Click(box, QPoint(8, box->height() / 2));
    EXPECT_EQ(log.Take(), "toggled(1) clicked(1)") << "a click";
    EXPECT_TRUE(box->isChecked());
    Key(box, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(log.Take(), "toggled(0) clicked(0)") << "Space";
    Key(box, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(log.Take(), "toggled(1) clicked(1)") << "Enter";
    w.Other->setFocus();
    Key(box, Qt::Key_S, Qt::AltModifier, "s");
    EXPECT_EQ(log.Take(), "toggled(0) clicked(0)") << "the accelerator, from the line edit";
    box->setChecked(true);
    EXPECT_EQ(log.Take(), "toggled(1)") << "code";
    box->setChecked(true);
    EXPECT_EQ(log.Take(), "") << "the same state again";

    // A press shows the new state but a release elsewhere undoes it.
    const QPoint inside = Global(box, QPoint(8, box->height() / 2));
    input_test::Press(inside);
    EXPECT_FALSE(static_cast<TOrvoCheckBox*>(box->control())->Checked());
    input_test::Move(Global(w.Other, QPoint(5, 5)), Qt::LeftButton);
    input_test::Release(Global(w.Other, QPoint(5, 5)));
    ProcessPendingPaints();
    EXPECT_EQ(log.Take(), "") << "a press dragged off";
    EXPECT_TRUE(box->isChecked());

    box->setReadOnly(true);
    Click(box, QPoint(8, box->height() / 2));
    EXPECT_EQ(log.Take(), "") << "read-only";
}

TEST(RadioButtonSignals, SiblingsOfOneGroupExcludeEachOther) {
    TWindowWith w;
    auto* first = w.Add(new RadioButton("&First"));
    auto* second = w.Add(new RadioButton("&Second"));
    auto* apart = w.Add(new RadioButton("&Apart"));
    apart->setGroupIndex(1);
    TSignalLog log;
    for (auto [button, name] : {std::pair{first, "first"}, {second, "second"}, {apart, "apart"}})
        QObject::connect(button, &RadioButton::toggled,
                         [&log, name = std::string(name)](bool on) { log.Add(name + (on ? "+" : "-")); });
    first->setChecked(true);
    apart->setChecked(true);
    EXPECT_EQ(log.Take(), "first+ apart+");
    w.Show();

    Click(second, QPoint(8, second->height() / 2));
    EXPECT_EQ(log.Take(), "first- second+") << "a click: the sibling of the same group first";
    EXPECT_TRUE(apart->isChecked());
    Key(first, Qt::Key_F, Qt::AltModifier, "f");
    EXPECT_EQ(log.Take(), "second- first+") << "the accelerator";
    Click(first, QPoint(8, first->height() / 2));
    EXPECT_EQ(log.Take(), "") << "a click on the checked one";
    second->setFocus();
    ProcessPendingPaints();
    Key(second, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(log.Take(), "first- second+") << "Space";
    second->setChecked(false);
    EXPECT_EQ(log.Take(), "second-") << "code unchecks";
}

TEST(RadioGroupSignals, CurrentIndexChangedOncePerPath) {
    TWindowWith w;
    auto* group = w.Add(new RadioGroup);
    group->setItems({"&Red", "&Green", "&Blue"});
    group->setMinimumHeight(105);
    std::vector<int> log;
    QObject::connect(group, &RadioGroup::currentIndexChanged, [&](int i) { log.push_back(i); });
    w.Show();
    const auto buttons = static_cast<TOrvoRadioGroup*>(group->control());
    ASSERT_EQ(buttons->ButtonCount(), 3);

    TOrvoGroupButton* green = buttons->Buttons(1);
    const TPoint g = green->ClientToScreen(Point(8, green->Height() / 2));
    input_test::Click(QPoint(g.X, g.Y));
    ProcessPendingPaints();
    EXPECT_EQ(log, std::vector<int>{1}) << "a click";
    Key(group, Qt::Key_Down);
    EXPECT_EQ(log, (std::vector<int>{1, 2})) << "an arrow key";
    Key(group, Qt::Key_R, Qt::AltModifier, "r");
    EXPECT_EQ(log, (std::vector<int>{1, 2, 0})) << "the accelerator";
    group->setCurrentIndex(0);
    group->setCurrentIndex(2);
    EXPECT_EQ(log, (std::vector<int>{1, 2, 0, 2})) << "code, once and not for the same index";
    group->setItems({"Only", "Two"});
    EXPECT_EQ(log, (std::vector<int>{1, 2, 0, 2, 1})) << "fewer items clamp the index";
}

TEST(GroupBoxWithCheckSignals, ToggledOnceAndWhatItHoldsFollows) {
    TWindowWith w;
    auto* group = w.Add(new GroupBoxWithCheck("&Options"));
    auto* inner = new QLineEdit(group);
    auto* innerBox = new CheckBox("Inner", group);
    inner->move(10, 30);
    innerBox->move(10, 60);
    group->setMinimumHeight(105);
    std::vector<bool> log;
    QObject::connect(group, &GroupBoxWithCheck::toggled, [&](bool on) { log.push_back(on); });
    w.Show();
    ASSERT_TRUE(group->isChecked());
    EXPECT_TRUE(inner->isEnabled());

    const TControl* heading = static_cast<TOrvoGroupBoxWithCheck*>(group->control())->Heading();
    const TPoint h = heading->ClientToScreen(Point(8, heading->Height() / 2));
    input_test::Click(QPoint(h.X, h.Y));
    ProcessPendingPaints();
    EXPECT_EQ(log, std::vector<bool>{false}) << "a click on the title";
    EXPECT_FALSE(inner->isEnabled());
    EXPECT_FALSE(innerBox->isEnabled());
    EXPECT_FALSE(innerBox->control()->Enabled());
    Key(group, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(log, (std::vector<bool>{false, true})) << "Space on the title";
    EXPECT_TRUE(inner->isEnabled());
    EXPECT_TRUE(innerBox->control()->Enabled());
    w.Other->setFocus();
    Key(group, Qt::Key_O, Qt::AltModifier, "o");
    EXPECT_EQ(log, (std::vector<bool>{false, true, false})) << "the accelerator";
    group->setChecked(true);
    group->setChecked(true);
    EXPECT_EQ(log, (std::vector<bool>{false, true, false, true})) << "code";

    group->setChecked(false);
    auto* later = new QLineEdit(group);
    later->show();
    ProcessPendingPaints();
    EXPECT_FALSE(later->isEnabled()) << "a widget placed in an unchecked box";
    // A widget the program disabled itself stays so when the box is checked.
    inner->setEnabled(false);
    group->setChecked(true);
    EXPECT_FALSE(inner->isEnabled());
    EXPECT_TRUE(later->isEnabled());
    EXPECT_TRUE(innerBox->isEnabled());
}

TEST(EditSignals, TypingEditsAndCodeChanges) {
    TWindowWith w;
    auto* edit = w.Add(new Edit);
    std::vector<std::string> log;
    QObject::connect(edit, &Edit::textChanged, [&](const QString& t) { log.push_back("changed:" + t.toStdString()); });
    QObject::connect(edit, &Edit::textEdited, [&](const QString& t) { log.push_back("edited:" + t.toStdString()); });
    QObject::connect(edit, &Edit::returnPressed, [&] { log.push_back("return"); });
    w.Show();
    edit->setFocus();
    ProcessPendingPaints();

    Type(edit, "ab");
    EXPECT_EQ(log, (std::vector<std::string>{"edited:a", "changed:a", "edited:ab", "changed:ab"}));
    log.clear();
    Key(edit, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(log, std::vector<std::string>{"return"});
    log.clear();
    edit->setText("code");
    edit->setText("code");
    EXPECT_EQ(log, std::vector<std::string>{"changed:code"});
    EXPECT_EQ(edit->text(), "code");
}

TEST(MemoSignals, TextChangedOncePerChange) {
    TWindowWith w;
    auto* memo = w.Add(new Memo);
    int changes = 0;
    QObject::connect(memo, &Memo::textChanged, [&] { ++changes; });
    w.Show();
    memo->setFocus();
    ProcessPendingPaints();
    Type(memo, "xy");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(memo->toPlainText(), "xy");
    memo->setPlainText("one\ntwo");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(memo->toPlainText(), "one\ntwo");
    memo->setPlainText("one\ntwo");
    EXPECT_EQ(changes, 3) << "the same text again";
}

TEST(ListBoxSignals, RowAndSelectionOncePerChange) {
    TWindowWith w;
    auto* list = w.Add(new ListBox);
    list->setItems({"alpha", "beta", "gamma", "delta"});
    std::vector<std::string> log;
    QObject::connect(list, &ListBox::currentRowChanged, [&](int row) { log.push_back("row " + std::to_string(row)); });
    QObject::connect(list, &ListBox::itemSelectionChanged, [&] { log.push_back("selection"); });
    w.Show();

    const int itemHeight = list->itemHeight();
    Click(list, QPoint(20, 2 + itemHeight + itemHeight / 2));
    EXPECT_EQ(log, (std::vector<std::string>{"row 1", "selection"})) << "a click on the second item";
    log.clear();
    Key(list, Qt::Key_Down);
    EXPECT_EQ(log, (std::vector<std::string>{"row 2", "selection"})) << "Down";
    log.clear();
    Key(list, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(log, (std::vector<std::string>{"row 0", "selection"})) << "a first letter";
    log.clear();
    list->setCurrentRow(3);
    list->setCurrentRow(3);
    EXPECT_EQ(log, (std::vector<std::string>{"row 3", "selection"})) << "code, once";
    log.clear();
    list->setItems({"one"});
    EXPECT_EQ(log, (std::vector<std::string>{"row -1", "selection"})) << "items that leave the row beyond the last";
}

TEST(ButtonSignals, ClickedOncePerPress) {
    TWindowWith w;
    auto* button = w.Add(new Button("&Apply"));
    w.Layout->addWidget(w.Other);
    int clicks = 0;
    QObject::connect(button, &Button::clicked, [&] { ++clicks; });
    w.Show();
    Click(button, QPoint(button->width() / 2, button->height() / 2));
    EXPECT_EQ(clicks, 1) << "the mouse";
    Key(button, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(clicks, 2) << "Space";
    w.Other->setFocus();
    Key(button, Qt::Key_A, Qt::AltModifier, "a");
    EXPECT_EQ(clicks, 3) << "the accelerator";
    button->click();
    EXPECT_EQ(clicks, 4) << "click()";
    button->setEnabled(false);
    Key(button, Qt::Key_A, Qt::AltModifier, "a");
    EXPECT_EQ(clicks, 4) << "disabled";
}

}  // namespace
