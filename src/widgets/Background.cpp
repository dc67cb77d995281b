#include "widgets/Background.h"

#include "orvo/OrvoBackground.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

Background::Background(QWidget* parent) : ControlWidget(new TOrvoBackground(nullptr), parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

Background::~Background() = default;

ORVO_WIDGET_PROPERTY(Background, QColor, gradientStartColor, setGradientStartColor, "GradientStartColor")
ORVO_WIDGET_PROPERTY(Background, QColor, gradientEndColor, setGradientEndColor, "GradientEndColor")
ORVO_WIDGET_PROPERTY(Background, ControlWidget::GradientStyle, gradientStyle, setGradientStyle, "Style")
ORVO_WIDGET_PROPERTY(Background, QPixmap, tileImage, setTileImage, "TileImage")

}  // namespace Orvo
