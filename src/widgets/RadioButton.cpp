#include "widgets/RadioButton.h"

#include "orvo/OrvoRadioButton.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

RadioButton::RadioButton(QWidget* parent) : CheckControlWidget(new TOrvoRadioButton(nullptr), parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setSizedByPainting(true);
}

RadioButton::RadioButton(const QString& text, QWidget* parent) : RadioButton(parent) { setText(text); }

RadioButton::~RadioButton() = default;

ORVO_WIDGET_PROPERTY(RadioButton, QString, text, setText, "Caption")
ORVO_WIDGET_PROPERTY(RadioButton, bool, isChecked, setChecked, "Checked")
ORVO_WIDGET_PROPERTY(RadioButton, int, groupIndex, setGroupIndex, "GroupIndex")
ORVO_WIDGET_PROPERTY(RadioButton, bool, autoSize, setAutoSize, "AutoSize")
ORVO_WIDGET_PROPERTY(RadioButton, ControlWidget::Border, border, setBorder, "Border")
ORVO_WIDGET_PROPERTY(RadioButton, QColor, borderColor, setBorderColor, "BorderColor")
ORVO_WIDGET_PROPERTY(RadioButton, ControlWidget::BorderVisibility, borderVisible, setBorderVisible, "BorderVisible")
ORVO_WIDGET_PROPERTY(RadioButton, QString, hintSecondLine, setHintSecondLine, "HintSecondLine")
ORVO_WIDGET_PROPERTY(RadioButton, bool, raised, setRaised, "Raised")
ORVO_WIDGET_PROPERTY(RadioButton, bool, wordWrap, setWordWrap, "WordWrap")

QSize RadioButton::minimumSizeHint() const {
    return autoSize() ? sizeHint() : CheckControlWidget::minimumSizeHint();
}

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
