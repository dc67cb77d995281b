#include "host/framework/SystemColorChanges.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

#include "host/framework/Forms.h"
#include "host/framework/ControlWidgets.h"
#include "host/services/Messages.h"

namespace Orvo {

namespace {

// Sees the application's own palette-change event (Qt sends one to the
// application object, then one to every widget; the first is enough).
class TPaletteWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance())
            BroadcastSystemColorChange();
        return false;
    }
};

void InstallPaletteWatcher() {
    // Only a widget application has controls to tell.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    auto* watcher = new TPaletteWatcher(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallPaletteWatcher)

void BroadcastSystemColorChange() {
    if (!qApp) return;
    // Collected first: a handler may create or free windows.
    std::vector<QPointer<QWidget>> widgets;
    for (QWidget* w : QApplication::allWidgets())
        if (ControlOfWidget(w)) widgets.emplace_back(w);
    for (const QPointer<QWidget>& w : widgets) {
        if (!w) continue;
        TWinControl* control = ControlOfWidget(w);
        if (!control) continue;
        TComponentGuard guard(control);
        DispatchToControl(control, CM_SYSCOLORCHANGE, 0, 0);
        if (!guard.Destroyed()) control->Invalidate();
    }
}

}  // namespace Orvo
