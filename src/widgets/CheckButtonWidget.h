#pragma once
// Orvo::CheckButtonWidget: what Orvo::CheckBox and Orvo::RadioButton share
// beyond the check controls' look: a caption with an optional border that
// shows always or only while focused, a two-line hint, word wrap, and a
// width that follows the caption (autoSize).

#include "widgets/CheckControlWidget.h"

namespace Orvo {

/// What the check box and radio button widgets share: caption, checked state and their signals.
class CheckButtonWidget : public CheckControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    // The width follows the caption each time the control is painted.
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Border border READ border WRITE setBorder)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(BorderVisibility borderVisible READ borderVisible WRITE setBorderVisible)
    Q_PROPERTY(QString hintSecondLine READ hintSecondLine WRITE setHintSecondLine)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    QString text() const;
    bool autoSize() const;
    void setAutoSize(bool autoSize);
    Border border() const;
    void setBorder(Border border);
    QColor borderColor() const;
    void setBorderColor(const QColor& color);
    BorderVisibility borderVisible() const;
    void setBorderVisible(BorderVisibility visibility);
    QString hintSecondLine() const;
    void setHintSecondLine(const QString& line);
    bool wordWrap() const;
    void setWordWrap(bool wrap);

    // An autoSize control is as wide as its caption needs.
    QSize minimumSizeHint() const override;

public slots:
    void setText(const QString& text);

protected:
    // Takes the control and sizes the widget as a caption-sized control.
    CheckButtonWidget(TControl* control, QWidget* parent);
};

}  // namespace Orvo
