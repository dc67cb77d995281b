#include "widgets/QtConversions.h"

#include <QImage>

#include <cmath>
#include <cstring>

#include "host/services/Colors.h"

namespace Orvo {

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

QColor ToQColor(TColor color) {
    const COLORREF rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

bool FromQColor(const QColor& color, TColor& result) {
    if (!color.isValid()) return false;
    const QColor c = color.toRgb();
    result = TColor(RGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())));
    return true;
}

QPixmap ToQPixmap(const TBitmap& bitmap) {
    if (bitmap.Empty()) return QPixmap();
    const int w = bitmap.Width(), h = bitmap.Height();
    QImage image(w, h, QImage::Format_RGB32);
    // Both hold rows of blue, green, red and one byte more.
    for (int y = 0; y < h; ++y) std::memcpy(image.scanLine(y), bitmap.ScanLine(y), std::size_t(w) * 4);
    return QPixmap::fromImage(image);
}

void AssignQPixmap(TBitmap& bitmap, const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        bitmap.Assign(nullptr);
        return;
    }
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    TBitmap copy;
    copy.SetPixelFormat(pf32bit);
    copy.SetSize(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(copy.ScanLine(y), image.constScanLine(y), std::size_t(image.width()) * 4);
    bitmap.Assign(&copy);
}

QStringList ToQStringList(const TStrings& strings) {
    QStringList lines;
    lines.reserve(strings.Count());
    for (int i = 0; i < strings.Count(); ++i) lines.append(ToQString(strings.Strings(i)));
    return lines;
}

void AssignQStringList(TStrings& strings, const QStringList& lines) {
    strings.BeginUpdate();
    try {
        strings.Clear();
        for (const QString& line : lines) strings.Add(FromQString(line));
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

void AssignQFont(TFont& font, const QFont& qtFont) {
    TFont copy;
    copy.Assign(&font);
    copy.SetName(FromQString(qtFont.family()));
    if (qtFont.pointSizeF() > 0) copy.SetSize(int(std::lround(qtFont.pointSizeF())));
    else if (qtFont.pixelSize() > 0) copy.SetHeight(-qtFont.pixelSize());
    TFontStyles style;
    if (qtFont.bold()) style.Include(fsBold);
    if (qtFont.italic()) style.Include(fsItalic);
    if (qtFont.underline()) style.Include(fsUnderline);
    if (qtFont.strikeOut()) style.Include(fsStrikeOut);
    copy.SetStyle(style);
    // One change for whoever watches the font, and none when nothing differs.
    if (copy.Name() != font.Name() || copy.Height() != font.Height() || !(copy.Style() == font.Style()))
        font.Assign(&copy);
}

}  // namespace Orvo
