#pragma once
// Host-internal: where Qt events become the framework's messages.
//
// Every windowed control owns one Qt widget. The framework's own widget
// (THostWidget) paints through WM_ERASEBKGND and WM_PAINT into an off-screen
// image shared by all windows, or in place (PaintBuffers.h); a widget that a
// stock control supplies (a line edit...) paints itself and gets a
// TWidgetEventFilter. Both hand their events to
// THostEvents, the one translation of Qt input, focus, geometry and painting
// into messages. Exceptions raised while a message is handled stop there and
// go to Application->HandleException with the control as sender.
//
// The framework never includes this header: it asks for windows through
// host/framework/WindowBackend.h, which QtWindowBackend.cpp implements with
// the classes here.
//
// Only src/host and its tests include this header.

#include <QImage>
#include <QObject>
#include <QWidget>

#include "host/framework/ControlWidgets.h"
#include "host/framework/Forms.h"

class QEvent;
class QMouseEvent;
class QKeyEvent;
class QRegion;

namespace Orvo {

// The framework's window.
class THostWidget : public QWidget {
public:
    THostWidget(TWinControl* control, QWidget* parent, Qt::WindowFlags flags = {});
    // Where Qt sends this widget's painting right now (a window's backing
    // store, an image being rendered into) and the offset it gives, or null.
    QPaintDevice* PaintRedirection(QPoint* offset) const { return redirected(offset); }

protected:
    bool event(QEvent* e) override;

private:
    friend class THostEvents;
};

// Translates the events of a widget a stock control supplied.
class TWidgetEventFilter : public QObject {
public:
    explicit TWidgetEventFilter(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// Translates the pointer's events on the viewport of a supplied scroll area
// (the memo's text area), which Qt delivers to the viewport and not to the
// window the control owns.
class TViewportEventFilter : public QObject {
public:
    explicit TViewportEventFilter(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};

class THostEvents {
public:
    // Answers true when the event was consumed. `hostPaints` is true for a
    // THostWidget, which paints through messages; a supplied widget keeps
    // its own painting and gets every event it did not let the control eat.
    static bool Translate(QWidget* widget, QEvent* e, bool hostPaints);
    // The pointer over a viewport inside a supplied window is over that
    // window: its mouse events become the control's messages, at the point
    // of the window they fall on. The viewport still gets them.
    static bool TranslateViewport(QWidget* viewport, QEvent* e);

    // Sends a message; an exception goes to the application's handler.
    static LRESULT Dispatch(TControl* target, UINT msg, WPARAM wParam, LPARAM lParam);

    // Ends the mouse capture without a release: the captor gets
    // CM_CANCELMODE (its pending press makes no click) and the control
    // under the pointer is found again.
    static void CancelCapture();

private:
    static bool MouseEvent(TWinControl* control, QWidget* widget, QMouseEvent* e, bool hostPaints);
    static bool KeyEvent(TWinControl* control, QKeyEvent* e, bool press, bool hostPaints);
    static void Paint(TWinControl* control, THostWidget* widget, QEvent* e);
    static void UpdateHover(TWinControl* control, QWidget* widget, QPoint local, QPoint global);
    static void UpdateHoverAt(QPoint global);
};

// Deletes a widget now, or later when it is in the middle of handling one
// of its own events.
void DisposeWidget(QWidget* widget);

// Repaints `area` of `parent`, a region a child window has just given up.
// Qt drops updates asked for while a window paints (a control that sizes
// itself in its Paint), so then the repaint is asked for again once the
// paint is over.
void RepaintUncoveredArea(QWidget* parent, const QRegion& area);
// Deletes the widgets whose deletion waited, unless an event is being
// handled right now.
void FlushDisposedWidgets();

}  // namespace Orvo
