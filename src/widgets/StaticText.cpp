#include "widgets/StaticText.h"

#include "orvo/OrvoEditControls.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

StaticText::StaticText(QWidget* parent) : WindowedControlWidget(new TOrvoStaticText(nullptr), parent) {
    setSizedByPainting(true);
}

StaticText::StaticText(const QString& text, QWidget* parent) : StaticText(parent) { setText(text); }

StaticText::~StaticText() = default;

ORVO_WIDGET_PROPERTY(StaticText, QString, text, setText, "Caption")
ORVO_WIDGET_PROPERTY(StaticText, ControlWidget::TextAlignment, alignment, setAlignment, "Alignment")
ORVO_WIDGET_PROPERTY(StaticText, bool, autoSize, setAutoSize, "AutoSize")
ORVO_WIDGET_PROPERTY(StaticText, ControlWidget::Border, border, setBorder, "Border")
ORVO_WIDGET_PROPERTY(StaticText, QColor, borderColor, setBorderColor, "BorderColor")
ORVO_WIDGET_PROPERTY(StaticText, bool, transparent, setTransparent, "Transparent")
ORVO_WIDGET_PROPERTY(StaticText, int, transparency, setTransparency, "Transparency")

void StaticText::clear() { setText(QString()); }

QSize StaticText::minimumSizeHint() const {
    return autoSize() ? sizeHint() : WindowedControlWidget::minimumSizeHint();
}

}  // namespace Orvo
