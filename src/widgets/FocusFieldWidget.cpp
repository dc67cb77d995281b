#include "widgets/FocusFieldWidget.h"

#include "widgets/WidgetProperty.h"

namespace Orvo {

ORVO_WIDGET_PROPERTY(FocusFieldWidget, ControlWidget::TextAlignment, alignment, setAlignment, "Alignment")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, ControlWidget::BorderStyle, borderStyle, setBorderStyle, "BorderStyle")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, bool, ctl3D, setCtl3D, "Ctl3D")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, bool, parentCtl3D, setParentCtl3D, "ParentCtl3D")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, bool, parentShowHint, setParentShowHint, "ParentShowHint")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, bool, focusHighlight, setFocusHighlight, "FocusHighlight")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, QColor, highlightColor, setHighlightColor, "HighlightColor")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, bool, transparent, setTransparent, "Transparent")
ORVO_WIDGET_PROPERTY(FocusFieldWidget, int, transparency, setTransparency, "Transparency")

}  // namespace Orvo
