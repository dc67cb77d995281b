#pragma once
// What the tests of the Qt widgets share: the twelve classes with the size
// their library control's constructor gives, a shown Qt window to put them
// in, and real input given to that window (test_input_support.h) at a
// widget's point.

#include <QApplication>
#include <QWidget>

#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "host/qt/Automation.h"
#include "host/test_input_support.h"
#include "widgets/OrvoWidgets.h"

namespace widget_test {

struct TWidgetClass {
    std::string Name;
    std::function<Orvo::ControlWidget*(QWidget*)> Make;
};
inline void PrintTo(const TWidgetClass& c, std::ostream* os) { *os << c.Name; }

inline const std::vector<TWidgetClass>& WidgetClasses() {
    using namespace Orvo;
    static const std::vector<TWidgetClass> classes = {
        {"Orvo::CheckBox", [](QWidget* p) { return new CheckBox(p); }},
        {"Orvo::RadioButton", [](QWidget* p) { return new RadioButton(p); }},
        {"Orvo::RadioGroup", [](QWidget* p) { return new RadioGroup(p); }},
        {"Orvo::GroupBox", [](QWidget* p) { return new GroupBox(p); }},
        {"Orvo::GroupBoxWithCheck", [](QWidget* p) { return new GroupBoxWithCheck(p); }},
        {"Orvo::Panel", [](QWidget* p) { return new Panel(p); }},
        {"Orvo::Edit", [](QWidget* p) { return new Edit(p); }},
        {"Orvo::Memo", [](QWidget* p) { return new Memo(p); }},
        {"Orvo::ListBox", [](QWidget* p) { return new ListBox(p); }},
        {"Orvo::StaticText", [](QWidget* p) { return new StaticText(p); }},
        {"Orvo::Button", [](QWidget* p) { return new Button(p); }},
        {"Orvo::Background", [](QWidget* p) { return new Background(p); }},
    };
    return classes;
}

// A top-level window, shown and active, deleted with the test.
struct TShownWindow {
    std::unique_ptr<QWidget> Window = std::make_unique<QWidget>();
    TShownWindow() { Window->resize(400, 300); }
    void Show() {
        Window->show();
        Window->activateWindow();
        QApplication::setActiveWindow(Window.get());
        Orvo::ProcessPendingPaints();
    }
    QWindow* Handle() const { return Window->windowHandle(); }
};

// The screen point of a widget's point.
inline QPoint Global(const QWidget* widget, QPoint local) { return widget->mapToGlobal(local); }

inline void Click(const QWidget* widget, QPoint local) {
    input_test::Click(Global(widget, local));
    Orvo::ProcessPendingPaints();
}

// A key on the window of `widget` (it reaches the focused widget first,
// shortcuts included).
inline void Key(const QWidget* widget, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    input_test::Key(widget->window()->windowHandle(), key, mods, text);
    Orvo::ProcessPendingPaints();
}

inline void Type(const QWidget* widget, const QString& text) {
    for (QChar c : text) Key(widget, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

}  // namespace widget_test
