#include "widgets/RadioButton.h"

#include "orvo/OrvoRadioButton.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

RadioButton::RadioButton(QWidget* parent) : CheckButtonWidget(new TOrvoRadioButton(nullptr), parent) {}

RadioButton::RadioButton(const QString& text, QWidget* parent) : RadioButton(parent) { setText(text); }

RadioButton::~RadioButton() = default;

ORVO_WIDGET_PROPERTY(RadioButton, bool, isChecked, setChecked, "Checked")
ORVO_WIDGET_PROPERTY(RadioButton, int, groupIndex, setGroupIndex, "GroupIndex")
ORVO_WIDGET_PROPERTY(RadioButton, bool, raised, setRaised, "Raised")

void RadioButton::UncheckSiblings() {
    QWidget* parent = parentWidget();
    if (!parent) return;
    for (RadioButton* sibling : parent->findChildren<RadioButton*>(Qt::FindDirectChildrenOnly))
        if (sibling != this && sibling->groupIndex() == groupIndex() && sibling->isChecked()) sibling->setChecked(false);
}

void RadioButton::libraryStateChanged(TControl* changed) {
    const auto* button = static_cast<const TOrvoRadioButton*>(control());
    // A press shows the dot at once; it counts when the click completes.
    if (changed != button || !button->ClickDone() || button->Checked() == FChecked) return;
    FChecked = button->Checked();
    if (FChecked) UncheckSiblings();
    emit toggled(FChecked);
}

}  // namespace Orvo
