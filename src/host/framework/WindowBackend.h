#pragma once
// Host-internal: the window system under the framework, seen from above. A
// windowed control asks the backend for its window and hands the window back
// to be disposed of; the backend turns the window's Qt events into the
// control's messages (host/framework/ControlWidgets.h is what it finds the
// control with).
//
// The framework owns this interface and never includes an implementation of
// it. The Qt glue installs one at start-up (host/qt/QtWindowBackend.cpp), so
// the glue depends on the framework and not the other way round.
//
// Only src/host and its tests include this header.

#include <QWidget>

#include "host/services/DeviceContext.h"

class QRegion;

namespace Orvo {

class TWinControl;

class TWindowBackend {
public:
    virtual ~TWindowBackend() = default;

    // A new window for `control` that the framework paints itself (through
    // WM_ERASEBKGND and WM_PAINT): a child of `parent`, or a top-level window
    // with `flags` when `parent` is null.
    virtual QWidget* CreateHostWindow(TWinControl* control, QWidget* parent, Qt::WindowFlags flags) = 0;
    // Puts a control's new window on the message path. A window from
    // CreateHostWindow is on it already; any other (a line edit a stock
    // control supplies) has its events translated for its control from now on.
    virtual void ConnectWidget(QWidget* widget) = 0;
    // Deletes a window now, or later when it is in the middle of handling one
    // of its own events.
    virtual void DisposeWidget(QWidget* widget) = 0;
    // Deletes the windows whose deletion waited, unless an event is being
    // handled right now.
    virtual void FlushDisposedWidgets() = 0;
    // Repaints `area` of `parent`, a region a child window has just given up.
    virtual void RepaintUncoveredArea(QWidget* parent, const QRegion& area) = 0;
    // Paints into `dc` what lies behind `root`, a control without a parent
    // whose window lies in an outside window (PaintOutsideBackground in
    // Controls.h); false when nothing was painted.
    virtual bool PaintOutsideBackground(TWinControl* root, HDC dc) = 0;
};

// Installs the backend every window comes from. It is not owned and must
// outlive every window (the glue's lives as long as the program).
void SetWindowBackend(TWindowBackend* backend);
// The installed backend; throws EComponentError when there is none (a program
// linked without the host's Qt layer).
TWindowBackend& WindowBackend();

}  // namespace Orvo
