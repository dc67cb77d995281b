#pragma once
// Orvo::CheckBox: the library's check box (TOrvoCheckBox) as a Qt widget: a
// caption, a 14 x 14 square with a glyph recoloured to checkColor, borders,
// hot tracking, a focus highlight and transparency. It toggles on a left
// click, on Space or Enter and on its accelerator ("&Send": Alt+S).
//
// toggled(bool) comes once for every change of `checked`, whichever way it
// came (a click, a key, the accelerator, setChecked); clicked(bool) follows
// it when the user made the change. A press shows the new state at once and
// the change counts when the click is complete: a press dragged off the box
// and released elsewhere changes nothing and sends nothing.

#include "widgets/CheckControlWidget.h"

namespace Orvo {

class CheckBox : public CheckControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    // The width follows the caption each time the box is painted.
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Border border READ border WRITE setBorder)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(BorderVisibility borderVisible READ borderVisible WRITE setBorderVisible)
    Q_PROPERTY(CheckType checkType READ checkType WRITE setCheckType)
    Q_PROPERTY(QString hintSecondLine READ hintSecondLine WRITE setHintSecondLine)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit CheckBox(QWidget* parent = nullptr);
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);
    ~CheckBox() override;

    QString text() const;
    bool isChecked() const;
    bool autoSize() const;
    void setAutoSize(bool autoSize);
    Border border() const;
    void setBorder(Border border);
    QColor borderColor() const;
    void setBorderColor(const QColor& color);
    BorderVisibility borderVisible() const;
    void setBorderVisible(BorderVisibility visibility);
    CheckType checkType() const;
    void setCheckType(CheckType type);
    QString hintSecondLine() const;
    void setHintSecondLine(const QString& line);
    bool wordWrap() const;
    void setWordWrap(bool wrap);

    QSize minimumSizeHint() const override;

public slots:
    void setText(const QString& text);
    void setChecked(bool checked);
    void toggle();

signals:
    void toggled(bool checked);
    void clicked(bool checked = false);

protected:
    void libraryStateChanged(TControl* control) override;

private:
    bool FChecked = false;  // as toggled() last told
};

}  // namespace Orvo
