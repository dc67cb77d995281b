#pragma once
// Host-internal: the Qt widgets of windowed controls, as the framework keeps
// them. Which control a widget is the window of, the window handle of a widget
// and back, the cursor a widget shows, and a message sent to a control on its
// window's behalf. The framework, the stock controls and the Qt glue use
// these; the glue's event translation is in host/qt/HostWidget.h.
//
// Only src/host and its tests include this header.

#include <QWidget>

#include "host/framework/Controls.h"
#include "host/framework/Forms.h"

namespace Orvo {

// Widget <-> control registry.
void RegisterWidget(QWidget* widget, TWinControl* control);
void UnregisterWidget(QWidget* widget);
// The control whose window `widget` (or the nearest registered ancestor) is.
TWinControl* ControlOfWidget(const QWidget* widget, bool searchAncestors = false);
// The control of `widget` or of its nearest registered ancestor inside the
// same window: a popup or dialog belongs to no control even when Qt gives it
// a control's widget as parent.
TWinControl* ControlOfWindowPart(const QWidget* widget);
// The widget of a window handle: a control's window or a registered outside
// parent; null for anything else.
QWidget* WidgetOf(HWND window);
// A widget of the program around the framework that holds framework windows
// (host/qt/EmbeddedHost.h); registered while it lives.
void RegisterOutsideParent(QWidget* widget);
void UnregisterOutsideParent(QWidget* widget);
HWND HandleOf(QWidget* widget);

// Runs `f` on a window's behalf (for a Qt event, a message a window sends):
// an exception it raises (from a handler of the program's) goes to
// Application->HandleException with `sender`, as it does when the framework
// runs the handler itself, and never into Qt. The one catch of the window
// side: DispatchToControl and the Qt glue go through it.
template <class F>
void Guarded(TObject* sender, F&& f) {
    try {
        f();
    } catch (...) {
        Application->HandleException(sender);
    }
}

// Sends a message the way a window delivers it (Guarded, with `target` as
// sender): the answer is 0 when it raised, as it is for a null target.
LRESULT DispatchToControl(TControl* target, UINT msg, WPARAM wParam, LPARAM lParam);

// Cursors on widgets (defined with the window services' cursors).
// The Qt cursor shape of a TCursor value (crNone is the blank cursor).
Qt::CursorShape QtCursorShape(TCursor cursor);
void ApplyCursor(QWidget* widget, TCursor cursor);
// The pointer moved: a cursor hidden or set by SetCursor gives way to the
// controls' cursors again.
void NotifyCursorMouseMoved();

}  // namespace Orvo
