#include "host/qt/EmbeddedFocus.h"

#include <QWidget>

#include <algorithm>
#include <vector>

#include "host/qt/HostWidget.h"

namespace Orvo {

namespace {

const TWinControl* RootOf(const TWinControl* control) {
    const TWinControl* root = control;
    while (root->Parent()) root = root->Parent();
    return root;
}

// What Qt's own Tab moves to: a widget that takes Tab focus itself (not
// through a proxy), enabled and shown in `window`.
bool TakesTabFocus(const QWidget* w, const QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() && w->window() == window &&
           w->isVisibleTo(window);
}

// A window of a framework tree placed in the outside widget `container`.
bool PlacedIn(const QWidget* w, const QWidget* container) {
    const TWinControl* control = ControlOfWindowPart(w);
    return control && container->isAncestorOf(w) && OutsideParentOf(RootOf(control)) == container;
}

// Position in `root`'s tab order, or -1 for a control outside it (the root).
int TabIndex(const std::vector<TWinControl*>& order, const TWinControl* control) {
    auto it = std::find(order.begin(), order.end(), control);
    return it == order.end() ? -1 : int(it - order.begin());
}

}  // namespace

QWidget* OutsideParentOf(const TWinControl* root) {
    if (!root || root->Parent() || !root->ParentWindow()) return nullptr;
    QWidget* outside = WidgetOf(root->ParentWindow());
    return outside && !ControlOfWidget(outside) ? outside : nullptr;
}

TWinControl* TabEntryOf(const TWinControl* root, bool forward) {
    return root ? root->FindNextControl(nullptr, forward, true) : nullptr;
}

QWidget* NextOutside(QWidget* container, bool forward) {
    QWidget* window = container->window();
    if (window == container) return nullptr;
    // Qt's focus chain is a ring through every widget of the window.
    for (QWidget* w = forward ? container->nextInFocusChain() : container->previousInFocusChain();
         w && w != container; w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (PlacedIn(w, container)) continue;
        if (TakesTabFocus(w, window)) return w;
    }
    return nullptr;
}

bool TabOutOfOutsideParent(TWinControl* root, TWinControl* current, bool forward) {
    QWidget* outside = OutsideParentOf(root);
    if (!outside) return false;
    if (TWinControl* next = root->FindNextControl(current, forward, true)) {
        std::vector<TWinControl*> order;
        root->GetTabOrderList(order);
        const int from = TabIndex(order, current);
        const int to = TabIndex(order, next);
        const bool wraps = from >= 0 && (forward ? to <= from : to >= from);
        if (!wraps) return false;
    }
    QWidget* target = NextOutside(outside, forward);
    if (!target) return false;  // nothing else in the window: round the form again
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void KeepOutOfQtTabChain(QWidget* widget, const TWinControl* control) {
    const Qt::FocusPolicy policy = widget->focusPolicy();
    if (!(policy & Qt::TabFocus) || !OutsideParentOf(RootOf(control))) return;
    widget->setFocusPolicy(policy & Qt::ClickFocus ? Qt::ClickFocus : Qt::NoFocus);
}

}  // namespace Orvo
