#include "widgets/CheckButtonWidget.h"

#include "widgets/WidgetProperty.h"

namespace Orvo {

CheckButtonWidget::CheckButtonWidget(TControl* control, QWidget* parent) : CheckControlWidget(control, parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setSizedByPainting(true);
}

ORVO_WIDGET_PROPERTY(CheckButtonWidget, QString, text, setText, "Caption")
ORVO_WIDGET_PROPERTY(CheckButtonWidget, bool, autoSize, setAutoSize, "AutoSize")
ORVO_WIDGET_PROPERTY(CheckButtonWidget, ControlWidget::Border, border, setBorder, "Border")
ORVO_WIDGET_PROPERTY(CheckButtonWidget, QColor, borderColor, setBorderColor, "BorderColor")
ORVO_WIDGET_PROPERTY(CheckButtonWidget, ControlWidget::BorderVisibility, borderVisible, setBorderVisible, "BorderVisible")
ORVO_WIDGET_PROPERTY(CheckButtonWidget, QString, hintSecondLine, setHintSecondLine, "HintSecondLine")
ORVO_WIDGET_PROPERTY(CheckButtonWidget, bool, wordWrap, setWordWrap, "WordWrap")

QSize CheckButtonWidget::minimumSizeHint() const {
    return autoSize() ? sizeHint() : CheckControlWidget::minimumSizeHint();
}

}  // namespace Orvo
