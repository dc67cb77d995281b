#include "widgets/Edit.h"

#include <QLineEdit>

#include "orvo/OrvoEditControls.h"
#include "widgets/QtConversions.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

Edit::Edit(QWidget* parent) : FocusFieldWidget(new TOrvoEdit(nullptr), parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ConnectWindow();
}

Edit::Edit(const QString& text, QWidget* parent) : Edit(parent) { setText(text); }

Edit::~Edit() = default;

ORVO_WIDGET_PROPERTY(Edit, QString, text, setText, "Text")
ORVO_WIDGET_PROPERTY(Edit, bool, autoSelect, setAutoSelect, "AutoSelect")
ORVO_WIDGET_PROPERTY(Edit, bool, autoSize, setAutoSize, "AutoSize")
ORVO_WIDGET_PROPERTY(Edit, int, maxLength, setMaxLength, "MaxLength")
ORVO_WIDGET_PROPERTY(Edit, QChar, passwordChar, setPasswordChar, "PasswordChar")
ORVO_WIDGET_PROPERTY(Edit, bool, readOnly, setReadOnly, "ReadOnly")
ORVO_WIDGET_PROPERTY(Edit, ControlWidget::CharCase, charCase, setCharCase, "CharCase")
ORVO_WIDGET_PROPERTY(Edit, bool, hideSelection, setHideSelection, "HideSelection")

void Edit::clear() { setText(QString()); }

void Edit::selectAll() { static_cast<TOrvoEdit*>(control())->SelectAll(); }

void Edit::ConnectWindow() {
    auto* line = qobject_cast<QLineEdit*>(static_cast<TWinControl*>(control())->Widget());
    if (!line) return;
    connect(line, &QLineEdit::textEdited, this, &Edit::textEdited);
    connect(line, &QLineEdit::returnPressed, this, &Edit::returnPressed);
}

void Edit::libraryWindowCreated(TWinControl* created) {
    if (created == control()) ConnectWindow();
}

void Edit::libraryStateChanged(TControl* changed) {
    if (changed != control()) return;
    const QString now = ToQString(control()->Text());
    if (now == FText) return;
    FText = now;
    emit textChanged(FText);
}

}  // namespace Orvo
