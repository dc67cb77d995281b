#pragma once
// Orvo::WindowedControlWidget: the base of the eleven widgets whose control
// has a window of its own (all but Orvo::Background). They share the
// control's colour and the framework's properties every windowed control
// publishes.

#include <QColor>

#include "widgets/ControlWidget.h"

namespace Orvo {

/// A Qt widget of a windowed library control: focus, colour, font and the properties they share.
class WindowedControlWidget : public ControlWidget {
    Q_OBJECT
    // The control's colour. Assigning it makes parentColor false and gives
    // the widget's palette that window colour, so that Qt widgets and
    // library widgets placed in a container widget take it as their parent's.
    Q_PROPERTY(QColor color READ color WRITE setColor)
    // True: the colour follows the window colour of the widget's palette
    // (set on it or on an ancestor); setting true resets the palette.
    Q_PROPERTY(bool parentColor READ parentColor WRITE setParentColor)
    // True: the control's font is the widget's inherited font; setting a font
    // on the widget makes it false, setting true resets the widget's font.
    Q_PROPERTY(bool parentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(bool showHint READ showHint WRITE setShowHint)
    // A stop of the Tab chain (a click still focuses the control).
    Q_PROPERTY(bool tabStop READ tabStop WRITE setTabStop)

public:
    QColor color() const;
    void setColor(const QColor& color);
    bool parentColor() const;
    void setParentColor(bool parent);
    bool parentFont() const;
    void setParentFont(bool parent);
    bool showHint() const;
    void setShowHint(bool show);
    bool tabStop() const;
    void setTabStop(bool stop);

protected:
    using ControlWidget::ControlWidget;
};

}  // namespace Orvo
