#include "host/qt/QtPictures.h"

#include <QImageReader>
#include <QPainter>

#include <cstring>

namespace Orvo {

QImage BitmapToImage(const TBitmap& bitmap) {
    if (bitmap.Empty()) return {};
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    const std::size_t rowBytes = std::size_t(bitmap.Width()) * 4;
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::memcpy(out, bitmap.ScanLine(y), rowBytes);
        // The fourth byte means nothing in a bitmap; Format_RGB32 wants it 0xFF.
        for (int x = 0; x < bitmap.Width(); ++x) out[x] |= 0xFF000000u;
    }
    return image;
}

QPixmap BitmapToPixmap(const TBitmap& bitmap) { return QPixmap::fromImage(BitmapToImage(bitmap)); }

void AssignImage(TBitmap& bitmap, const QImage& image, TColor background) {
    if (image.isNull()) {
        bitmap.Assign(nullptr);
        return;
    }
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (image.hasAlphaChannel()) {
        const COLORREF bg = ColorToRGB(background);
        opaque.fill(QColor(GetRValue(bg), GetGValue(bg), GetBValue(bg)));
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    } else {
        opaque = image.convertToFormat(QImage::Format_RGB32);
    }
    // Made aside and assigned at the end, so a picture too large for a
    // bitmap (SetSize throws) leaves the one there unchanged.
    TBitmap copy;
    copy.SetSize(opaque.width(), opaque.height());
    const std::size_t rowBytes = std::size_t(opaque.width()) * 4;
    for (int y = 0; y < opaque.height(); ++y) std::memcpy(copy.ScanLine(y), opaque.constScanLine(y), rowBytes);
    bitmap.Assign(&copy);
}

void AssignPixmap(TBitmap& bitmap, const QPixmap& pixmap, TColor background) {
    AssignImage(bitmap, pixmap.toImage(), background);
}

void LoadPictureFile(TBitmap& bitmap, const std::string& path, TColor background) {
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) throw EInvalidGraphic(path + ": " + reader.errorString().toStdString());
    AssignImage(bitmap, image, background);
}

}  // namespace Orvo
