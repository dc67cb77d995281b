#include "widgets/CheckControlWidget.h"

#include "widgets/WidgetProperty.h"

namespace Orvo {

ORVO_WIDGET_PROPERTY(CheckControlWidget, QColor, checkColor, setCheckColor, "CheckColor")
ORVO_WIDGET_PROPERTY(CheckControlWidget, ControlWidget::CheckStyle, checkStyle, setCheckStyle, "CheckStyle")
ORVO_WIDGET_PROPERTY(CheckControlWidget, bool, ctl3D, setCtl3D, "Ctl3D")
ORVO_WIDGET_PROPERTY(CheckControlWidget, bool, focusHighlight, setFocusHighlight, "FocusHighlight")
ORVO_WIDGET_PROPERTY(CheckControlWidget, QColor, highlightColor, setHighlightColor, "HighlightColor")
ORVO_WIDGET_PROPERTY(CheckControlWidget, bool, hotTrack, setHotTrack, "HotTrack")
ORVO_WIDGET_PROPERTY(CheckControlWidget, QColor, hotTrackFontColor, setHotTrackFontColor, "HotTrackFontColor")
ORVO_WIDGET_PROPERTY(CheckControlWidget, bool, readOnly, setReadOnly, "ReadOnly")
ORVO_WIDGET_PROPERTY(CheckControlWidget, bool, transparent, setTransparent, "Transparent")
ORVO_WIDGET_PROPERTY(CheckControlWidget, bool, transparentCenter, setTransparentCenter, "TransparentCenter")

ControlWidget::TextAlignment CheckControlWidget::alignment() const {
    return TextAlignment(libraryValue("Alignment").toInt());
}

void CheckControlWidget::setAlignment(TextAlignment alignment) {
    // The mark stands on one side or the other: Center is RightJustify.
    setLibraryValue("Alignment", alignment == LeftJustify ? LeftJustify : RightJustify);
}

}  // namespace Orvo
