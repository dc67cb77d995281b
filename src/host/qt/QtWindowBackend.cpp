// The framework's windows are Qt widgets: THostWidget for the windows the
// framework paints, an event filter on any other, both translating Qt events
// into messages (HostWidget.cpp). Installed at start-up, before any window
// can exist.
#include <QAbstractScrollArea>

#include "host/framework/WindowBackend.h"
#include "host/qt/HostWidget.h"
#include "host/qt/OutsideBackground.h"

namespace Orvo {

namespace {

class TQtWindowBackend final : public TWindowBackend {
public:
    QWidget* CreateHostWindow(TWinControl* control, QWidget* parent, Qt::WindowFlags flags) override {
        return new THostWidget(control, parent, flags);
    }
    void ConnectWidget(QWidget* widget) override {
        if (dynamic_cast<THostWidget*>(widget)) return;
        widget->installEventFilter(new TWidgetEventFilter(widget));
        // A scrolling window (the memo) shows its contents in a viewport
        // that takes the pointer's events itself.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
            area->viewport()->setMouseTracking(true);
            area->viewport()->installEventFilter(new TViewportEventFilter(area->viewport()));
        }
    }
    void DisposeWidget(QWidget* widget) override { Orvo::DisposeWidget(widget); }
    void FlushDisposedWidgets() override { Orvo::FlushDisposedWidgets(); }
    void RepaintUncoveredArea(QWidget* parent, const QRegion& area) override { Orvo::RepaintUncoveredArea(parent, area); }
    bool PaintOutsideBackground(TWinControl* root, HDC dc) override { return PaintBehindOutsideRoot(root, dc); }
};

// Never destroyed: windows are disposed of up to the program's last moment
// (forms freed by static destructors included).
const bool kInstalled = [] {
    SetWindowBackend(new TQtWindowBackend);
    return true;
}();

}  // namespace

}  // namespace Orvo
