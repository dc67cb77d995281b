#include "host/framework/ControlWidgets.h"

#include <unordered_map>
#include <unordered_set>

#include "host/framework/Forms.h"

namespace Orvo {

namespace {

std::unordered_map<const QWidget*, TWinControl*>& Registry() {
    static std::unordered_map<const QWidget*, TWinControl*> registry;
    return registry;
}

// Widgets of the program around the framework that hold a framework window
// (SetParentWindow): handles of theirs are valid parent windows.
std::unordered_set<const QWidget*>& OutsideParents() {
    static std::unordered_set<const QWidget*> widgets;
    return widgets;
}

}  // namespace

void RegisterWidget(QWidget* widget, TWinControl* control) { Registry()[widget] = control; }
void UnregisterWidget(QWidget* widget) { Registry().erase(widget); }

TWinControl* ControlOfWidget(const QWidget* widget, bool searchAncestors) {
    auto& r = Registry();
    for (const QWidget* w = widget; w; w = searchAncestors ? w->parentWidget() : nullptr) {
        auto it = r.find(w);
        if (it != r.end()) return it->second;
    }
    return nullptr;
}

TWinControl* ControlOfWindowPart(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (TWinControl* c = ControlOfWidget(w)) return c;
        if (w->isWindow()) break;
    }
    return nullptr;
}

QWidget* WidgetOf(HWND window) {
    auto* w = reinterpret_cast<QWidget*>(window);
    return w && (Registry().count(w) || OutsideParents().count(w)) ? w : nullptr;
}

void RegisterOutsideParent(QWidget* widget) { OutsideParents().insert(widget); }
void UnregisterOutsideParent(QWidget* widget) { OutsideParents().erase(widget); }

HWND HandleOf(QWidget* widget) { return reinterpret_cast<HWND>(widget); }

LRESULT DispatchToControl(TControl* target, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (target) Guarded(target, [&] { result = target->Perform(msg, wParam, lParam); });
    return result;
}

}  // namespace Orvo
