#include "host/qt/EmbeddedSite.h"

#include "host/framework/ControlWidgets.h"
#include "host/framework/Forms.h"
#include "host/qt/EmbeddedFocus.h"
#include "host/qt/HostWidget.h"

namespace Orvo {

TEmbeddedSite::TEmbeddedSite(QWidget* outside) : FOutside(outside) { RegisterOutsideParent(outside); }

TEmbeddedSite::~TEmbeddedSite() { UnregisterOutsideParent(FOutside); }

HWND TEmbeddedSite::Window() const { return HandleOf(FOutside); }

void TEmbeddedSite::FocusIn(TWinControl* root, Qt::FocusReason reason) {
    const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    TWinControl* target = nullptr;
    if (root) {
        auto* form = dynamic_cast<TCustomForm*>(root);
        TWinControl* active = form && !tabbed ? form->ActiveControl() : nullptr;
        if (active && active->CanFocus()) target = active;
        else target = TabEntryOf(root, !tabbed || reason == Qt::TabFocusReason);
        if (!target && !form && root->TabStop() && root->CanFocus()) target = root;
    }
    if (target) {
        Guarded(target, [target] { target->SetFocus(); });
        return;
    }
    // Nothing placed here takes the focus: Tab passes on over this widget.
    if (tabbed)
        if (QWidget* next = NextOutside(FOutside, reason == Qt::TabFocusReason)) next->setFocus(reason);
}

bool TEmbeddedSite::FocusNextPrevChild(bool next) {
    QWidget* outside = NextOutside(FOutside, next);
    if (!outside) return false;
    outside->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace Orvo
