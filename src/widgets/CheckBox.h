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

#include "widgets/CheckButtonWidget.h"

namespace Orvo {

/// The library's check box as a QWidget, with toggled() and clicked() signals.
class CheckBox : public CheckButtonWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    Q_PROPERTY(CheckType checkType READ checkType WRITE setCheckType)

public:
    explicit CheckBox(QWidget* parent = nullptr);
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);
    ~CheckBox() override;

    bool isChecked() const;
    CheckType checkType() const;
    void setCheckType(CheckType type);

public slots:
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
