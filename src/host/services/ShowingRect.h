#pragma once
// Host-internal: the part of a window that can show, which is all that a
// paint of it needs pixels for.

#include <QRect>
#include <QWidget>

namespace Orvo {

// The widget's rectangle cut by the rectangle of each parent up to its
// window, in the widget's own coordinates: what its parents let show. A
// window far larger than its form, or lying far off it, shows no more than
// the form. Empty when nothing of it can show.
inline QRect ShowingRect(const QWidget& widget) {
    QRect showing = widget.rect();
    QPoint offset;  // the widget's origin in the current parent's coordinates
    for (const QWidget* w = &widget; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        offset += w->pos();
        showing &= w->parentWidget()->rect().translated(-offset);
    }
    return showing;
}

}  // namespace Orvo
