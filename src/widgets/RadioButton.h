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

#include "widgets/CheckButtonWidget.h"

namespace Orvo {

/// The library's radio button as a QWidget, with a toggled() signal.
class RadioButton : public CheckButtonWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    // Buttons of one parent with the same index exclude each other (0..255).
    Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
    // A raised ring instead of a sunken one while unchecked.
    Q_PROPERTY(bool raised READ raised WRITE setRaised)

public:
    explicit RadioButton(QWidget* parent = nullptr);
    explicit RadioButton(const QString& text, QWidget* parent = nullptr);
    ~RadioButton() override;

    bool isChecked() const;
    int groupIndex() const;
    void setGroupIndex(int index);
    bool raised() const;
    void setRaised(bool raised);

public slots:
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
