#include "widgets/CheckBox.h"

#include "orvo/OrvoCheckControls.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

CheckBox::CheckBox(QWidget* parent) : CheckControlWidget(new TOrvoCheckBox(nullptr), parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setSizedByPainting(true);
}

CheckBox::CheckBox(const QString& text, QWidget* parent) : CheckBox(parent) { setText(text); }

CheckBox::~CheckBox() = default;

ORVO_WIDGET_PROPERTY(CheckBox, QString, text, setText, "Caption")
ORVO_WIDGET_PROPERTY(CheckBox, bool, isChecked, setChecked, "Checked")
ORVO_WIDGET_PROPERTY(CheckBox, bool, autoSize, setAutoSize, "AutoSize")
ORVO_WIDGET_PROPERTY(CheckBox, ControlWidget::Border, border, setBorder, "Border")
ORVO_WIDGET_PROPERTY(CheckBox, QColor, borderColor, setBorderColor, "BorderColor")
ORVO_WIDGET_PROPERTY(CheckBox, ControlWidget::BorderVisibility, borderVisible, setBorderVisible, "BorderVisible")
ORVO_WIDGET_PROPERTY(CheckBox, ControlWidget::CheckType, checkType, setCheckType, "CheckType")
ORVO_WIDGET_PROPERTY(CheckBox, QString, hintSecondLine, setHintSecondLine, "HintSecondLine")
ORVO_WIDGET_PROPERTY(CheckBox, bool, wordWrap, setWordWrap, "WordWrap")

void CheckBox::toggle() { setChecked(!isChecked()); }

QSize CheckBox::minimumSizeHint() const {
    // An AutoSize box is as wide as its caption.
    return autoSize() ? sizeHint() : CheckControlWidget::minimumSizeHint();
}

void CheckBox::libraryStateChanged(TControl* changed) {
    const auto* box = static_cast<const TOrvoCheckBox*>(control());
    // A press shows its state at once; it counts when the click completes.
    if (changed != box || !box->ClickDone() || box->Checked() == FChecked) return;
    FChecked = box->Checked();
    const bool byUser = changedByUser(box);
    emit toggled(FChecked);
    if (byUser) emit clicked(FChecked);
}

}  // namespace Orvo
