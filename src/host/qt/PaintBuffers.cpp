#include "host/qt/PaintBuffers.h"

#include <algorithm>

namespace Orvo {

QImage& TPaintBuffers::For(QSize size, int depth) {
    const std::size_t index = std::size_t(std::max(depth, 1) - 1);
    while (FLevels.size() <= index) FLevels.push_back(std::make_unique<TLevel>());
    TLevel& level = *FLevels[index];
    if (level.View.size() == size) return level.View;
    const qsizetype needed = qsizetype(size.width()) * size.height() * 4;
    if (level.Store.sizeInBytes() < needed) {
        level.View = QImage();  // drop the view before the memory it shows
        level.Store = QImage(size, QImage::Format_RGB32);
    }
    // Rows packed as in an image of its own: a 32-bit row is 4 * width bytes.
    level.View = QImage(level.Store.bits(), size.width(), size.height(), qsizetype(size.width()) * 4,
                        QImage::Format_RGB32);
    return level.View;
}

long long TPaintBuffers::BytesHeld() const {
    long long bytes = 0;
    for (const auto& level : FLevels) bytes += level->Store.sizeInBytes();
    return bytes;
}

QImage DirectPaintView(QPaintDevice* device, QPoint redirectOffset, QSize size) {
    if (!device || device->devType() != QInternal::Image || size.isEmpty()) return QImage();
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_RGB32 || image->devicePixelRatio() != 1.0) return QImage();
    // The redirection offset takes the widget's origin to the device's. A
    // widget reaching past the device's right or bottom edge (a child
    // partly outside its form) gets the part on the device: nothing beyond
    // it is seen, and Qt's paint region stops at it too.
    const QRect area = QRect(-redirectOffset, size).intersected(image->rect());
    if (area.isEmpty() || area.topLeft() != -redirectOffset) return QImage();
    const qsizetype stride = image->bytesPerLine();
    uchar* origin = image->bits() + area.top() * stride + qsizetype(area.left()) * 4;
    return QImage(origin, area.width(), area.height(), stride, QImage::Format_RGB32);
}

TPaintBuffers& PaintBuffers() {
    static TPaintBuffers buffers;
    return buffers;
}

}  // namespace Orvo
