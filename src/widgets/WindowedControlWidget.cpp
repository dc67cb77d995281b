#include "widgets/WindowedControlWidget.h"

#include <QPalette>

#include "widgets/WidgetProperty.h"

namespace Orvo {

QColor WindowedControlWidget::color() const { return libraryValue("Color").value<QColor>(); }

void WindowedControlWidget::setColor(const QColor& color) {
    setLibraryValue("Color", color);
    QPalette own = palette();
    own.setColor(QPalette::Window, this->color());
    setPalette(own);
}

bool WindowedControlWidget::parentColor() const { return libraryValue("ParentColor").toBool(); }

void WindowedControlWidget::setParentColor(bool parent) {
    setLibraryValue("ParentColor", parent);
    if (!parent) return;
    // The colour comes from the palette the widget inherits.
    setPalette(QPalette());
    followQtPalette();
}

bool WindowedControlWidget::parentFont() const { return libraryValue("ParentFont").toBool(); }

void WindowedControlWidget::setParentFont(bool parent) {
    setLibraryValue("ParentFont", parent);
    if (!parent) return;
    setFont(QFont());
    followQtFont();
}

ORVO_WIDGET_PROPERTY(WindowedControlWidget, bool, showHint, setShowHint, "ShowHint")
ORVO_WIDGET_PROPERTY(WindowedControlWidget, bool, tabStop, setTabStop, "TabStop")

}  // namespace Orvo
