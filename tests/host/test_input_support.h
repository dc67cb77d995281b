#pragma once
// Raw pointer and key input for the input tests: events handed to a
// top-level QWindow as the window system would report them, so Qt routes
// them (hit-testing, implicit grab, popups taking the pointer, disabled
// widgets passing presses to their parent) exactly as under a real pointer.
// Unlike host/qt/Automation.h these reach any window, a combo box's drop-down
// list included, and keep no idea of their own of where the button went down.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "host/framework/Controls.h"
#include "host/qt/QtInputEntryPoints.h"

using namespace Orvo;


namespace input_test {

// Far beyond host/Automation's clock, and spaced so that no two clicks pair
// into a double click unless asked to.
inline int NextTime(int step = 2000) {
    static int now = 500'000'000;
    return now += step;
}

// The screen point of a control's client point.
inline QPoint GlobalOf(const TControl* control, TPoint p) {
    const TPoint s = control->ClientToScreen(p);
    return QPoint(s.X, s.Y);
}

// The top-level window under a screen point, a popup first.
inline QWindow* WindowAt(QPoint global) {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup->windowHandle();
    QWidget* w = QApplication::widgetAt(global);
    return w ? w->window()->windowHandle() : nullptr;
}

inline void Mouse(QPoint global, QEvent::Type type, Qt::MouseButtons held, Qt::MouseButton button = Qt::NoButton,
                  QWindow* window = nullptr) {
    if (!window) window = WindowAt(global);
    if (!window) return;
    qt_handleMouseEvent(window, window->mapFromGlobal(QPointF(global)), QPointF(global), held, button, type,
                        Qt::NoModifier, NextTime(type == QEvent::MouseButtonRelease ? 10 : 2000));
    QCoreApplication::processEvents();
}

inline void Move(QPoint global, Qt::MouseButtons held = Qt::NoButton) {
    Mouse(global, QEvent::MouseMove, held);
}
inline void Press(QPoint global) {
    Move(global);
    Mouse(global, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
}
inline void Release(QPoint global, QWindow* window = nullptr) {
    Mouse(global, QEvent::MouseButtonRelease, Qt::NoButton, Qt::LeftButton, window);
}
inline void Click(QPoint global) {
    Press(global);
    Release(global);
}
inline void Click(const TControl* control, TPoint p) { Click(GlobalOf(control, p)); }

// A key typed on a window, with modifiers held around it.
inline void Key(QWindow* window, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QPointer<QWindow> w(window);
    if (!w) return;
    qt_handleKeyEvent(w, QEvent::KeyPress, key, mods, text, false, 1);
    QCoreApplication::processEvents();
    if (!w) return;
    qt_handleKeyEvent(w, QEvent::KeyRelease, key, mods, text, false, 1);
    QCoreApplication::processEvents();
}

// Lets real time pass while events are handled (a popup ignores releases
// for a double-click interval after it opened).
inline void Wait(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace input_test
