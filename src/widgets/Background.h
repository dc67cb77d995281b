#pragma once
// Orvo::Background: the library's background (TOrvoBackground) as a Qt
// widget: a two-colour linear gradient or, while it holds a tile picture,
// that picture repeated. It holds Qt widgets and the library's widgets
// alike; a transparent library widget placed on it shows its picture.

#include <QColor>
#include <QPixmap>

#include "widgets/ControlWidget.h"

namespace Orvo {

/// The library's gradient or tiled background as a QWidget; it holds Qt widgets and the library's alike.
class Background : public ControlWidget {
    Q_OBJECT
    Q_PROPERTY(QColor gradientStartColor READ gradientStartColor WRITE setGradientStartColor)
    Q_PROPERTY(QColor gradientEndColor READ gradientEndColor WRITE setGradientEndColor)
    // Vertical: top to bottom; horizontal: left to right.
    Q_PROPERTY(GradientStyle gradientStyle READ gradientStyle WRITE setGradientStyle)
    // Repeated over the area instead of the gradient (a null pixmap: the
    // gradient).
    Q_PROPERTY(QPixmap tileImage READ tileImage WRITE setTileImage)

public:
    explicit Background(QWidget* parent = nullptr);
    ~Background() override;

    QColor gradientStartColor() const;
    void setGradientStartColor(const QColor& color);
    QColor gradientEndColor() const;
    void setGradientEndColor(const QColor& color);
    GradientStyle gradientStyle() const;
    void setGradientStyle(GradientStyle style);
    QPixmap tileImage() const;
    void setTileImage(const QPixmap& tile);
};

}  // namespace Orvo
