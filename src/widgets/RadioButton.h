#pragma once
// Orvo::RadioButton: the library's radio button (TOrvoRadioButton) as a Qt
// widget: a shaded or flat ring with a recoloured dot, its caption, borders,
// hot tracking, a focus highlight and transparency.
//
// Radio buttons with the same Qt parent and the same groupIndex exclude
// each other, as the library's do on one parent: checking one unchecks the
// others. The user only ever checks a button (a click, Space or Enter, its
// accelerator); code may uncheck it. toggled(bool) comes once for every
// change of `checked` (the button unchecked first sends its toggled(false));
// a press dragged off the button before the release changes nothing.

#include "widgets/CheckControlWidget.h"

namespace Orvo {

class RadioButton : public CheckControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    // Buttons of one parent with the same index exclude each other (0..255).
    Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Border border READ border WRITE setBorder)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(BorderVisibility borderVisible READ borderVisible WRITE setBorderVisible)
    Q_PROPERTY(QString hintSecondLine READ hintSecondLine WRITE setHintSecondLine)
    // A raised ring instead of a sunken one while unchecked.
    Q_PROPERTY(bool raised READ raised WRITE setRaised)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit RadioButton(QWidget* parent = nullptr);
    explicit RadioButton(const QString& text, QWidget* parent = nullptr);
    ~RadioButton() override;

    QString text() const;
    bool isChecked() const;
    int groupIndex() const;
    void setGroupIndex(int index);
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
    bool raised() const;
    void setRaised(bool raised);
    bool wordWrap() const;
    void setWordWrap(bool wrap);

    QSize minimumSizeHint() const override;

public slots:
    void setText(const QString& text);
    void setChecked(bool checked);

signals:
    void toggled(bool checked);

protected:
    void libraryStateChanged(TControl* control) override;

private:
    void UncheckSiblings();

    bool FChecked = false;  // as toggled() last told
};

}  // namespace Orvo
