// Where a window paints: straight into the image Qt paints it into when that
// image holds the whole window in plain 32-bit RGB, or else into a buffer
// shared by every window (one per paint nesting level).

#include <gtest/gtest.h>

#include <QImage>

#include "host/qt/PaintBuffers.h"

using namespace Orvo;

TEST(PaintBuffers, LevelsKeepApartAndAStoreServesEverySmallerWindow) {
    TPaintBuffers buffers;
    QImage& outer = buffers.For(QSize(64, 32), 1);
    ASSERT_EQ(outer.size(), QSize(64, 32));
    EXPECT_EQ(outer.format(), QImage::Format_RGB32);
    EXPECT_EQ(outer.bytesPerLine(), 64 * 4);
    const uchar* outerPixels = outer.constBits();
    outer.fill(0xFF112233u);

    // A paint started inside another gets memory of its own; the outer
    // image stays where it was and keeps its pixels.
    QImage& inner = buffers.For(QSize(100, 50), 2);
    inner.fill(0xFF445566u);
    EXPECT_EQ(&buffers.For(QSize(64, 32), 1), &outer);
    EXPECT_EQ(outer.constBits(), outerPixels);
    EXPECT_EQ(outer.pixel(63, 31), 0xFF112233u);

    // A smaller window reuses the level's store, rows packed to its width.
    QImage& small = buffers.For(QSize(10, 7), 1);
    EXPECT_EQ(small.size(), QSize(10, 7));
    EXPECT_EQ(small.bytesPerLine(), 10 * 4);
    EXPECT_EQ(small.constBits(), outerPixels);
    EXPECT_EQ(buffers.BytesHeld(), 64 * 32 * 4 + 100 * 50 * 4);

    // A larger one grows it.
    EXPECT_EQ(buffers.For(QSize(80, 40), 1).size(), QSize(80, 40));
    EXPECT_EQ(buffers.BytesHeld(), 80 * 40 * 4 + 100 * 50 * 4);
}

TEST(PaintBuffers, DirectViewOnlyOfAPlainImageHoldingTheWidgetsCorner) {
    QImage device(50, 40, QImage::Format_RGB32);
    device.fill(0xFF000000u);
    // Qt's redirection offset is minus the widget's place in the device.
    QImage view = DirectPaintView(&device, QPoint(-7, -5), QSize(20, 10));
    ASSERT_FALSE(view.isNull());
    EXPECT_EQ(view.size(), QSize(20, 10));
    view.setPixel(0, 0, 0xFFFF0000u);
    view.setPixel(19, 9, 0xFF00FF00u);
    EXPECT_EQ(device.pixel(7, 5), 0xFFFF0000u);
    EXPECT_EQ(device.pixel(26, 14), 0xFF00FF00u);

    struct TCase {
        const char* Name;
        QImage::Format Format;
        qreal Ratio;
        QPoint Offset;
        QSize Size;
    };
    const TCase refused[] = {
        {"alpha format", QImage::Format_ARGB32_Premultiplied, 1.0, QPoint(0, 0), QSize(10, 10)},
        {"ratio 2", QImage::Format_RGB32, 2.0, QPoint(0, 0), QSize(10, 10)},
        {"left of the left edge", QImage::Format_RGB32, 1.0, QPoint(2, 0), QSize(10, 10)},
        {"above the top", QImage::Format_RGB32, 1.0, QPoint(0, 3), QSize(10, 10)},
        {"wholly right of the device", QImage::Format_RGB32, 1.0, QPoint(-50, 0), QSize(10, 10)},
        {"empty widget", QImage::Format_RGB32, 1.0, QPoint(0, 0), QSize(0, 10)},
    };
    for (const TCase& c : refused) {
        QImage other(50, 40, c.Format);
        other.setDevicePixelRatio(c.Ratio);
        EXPECT_TRUE(DirectPaintView(&other, c.Offset, c.Size).isNull()) << c.Name;
    }
    EXPECT_TRUE(DirectPaintView(nullptr, QPoint(), QSize(10, 10)).isNull());

    // A widget reaching past the right and bottom edges paints in place the
    // part on the device.
    QImage cut = DirectPaintView(&device, QPoint(-41, -35), QSize(20, 10));
    ASSERT_FALSE(cut.isNull());
    EXPECT_EQ(cut.size(), QSize(9, 5));
    cut.setPixel(8, 4, 0xFF0000FFu);
    EXPECT_EQ(device.pixel(49, 39), 0xFF0000FFu);
}
