#pragma once
// QtGui's entry points for synthesised window-system input, the ones Qt's own
// test library uses: events given to a top-level QWindow are delivered as if
// the platform had reported them (routing to the widget under the point,
// implicit grab, enter/leave, double-click timing, shortcuts). They are
// exported by QtGui itself, so no test library is linked.
//
// Only src/host and its tests include this header.

#include <QEvent>
#include <QPointF>
#include <QString>
#include <QWindow>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);
QT_END_NAMESPACE
