#include "widgets/CheckBox.h"

#include "orvo/OrvoCheckControls.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

CheckBox::CheckBox(QWidget* parent) : CheckButtonWidget(new TOrvoCheckBox(nullptr), parent) {}

CheckBox::CheckBox(const QString& text, QWidget* parent) : CheckBox(parent) { setText(text); }

CheckBox::~CheckBox() = default;

ORVO_WIDGET_PROPERTY(CheckBox, bool, isChecked, setChecked, "Checked")
ORVO_WIDGET_PROPERTY(CheckBox, ControlWidget::CheckType, checkType, setCheckType, "CheckType")

void CheckBox::toggle() { setChecked(!isChecked()); }

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
