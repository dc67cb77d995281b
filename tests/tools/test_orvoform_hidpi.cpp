// The demonstration form rendered by orvoform at a device pixel ratio of 2,
// compared with the same form at ratio 1: the picture has twice the pixels
// each way, pictures and frames are the ratio-1 pixels as exact 2 x 2 blocks,
// and text is drawn at the finer resolution instead of being blown up.
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

struct TDemoRenders {
    QImage One;  // --scale 1 (the default)
    QImage Two;  // --scale 2
    std::string Error;
    bool Skipped = false;
};

TDemoRenders RenderDemoTwice() {
    TDemoRenders renders;
    QTemporaryDir dir;
    const QString one = dir.filePath(QStringLiteral("one.png")), two = dir.filePath(QStringLiteral("two.png"));
    const TToolRun first = RunTool({QStringLiteral("render"), QStringLiteral("demo"), QStringLiteral("-o"), one});
    if (first.Err.find("not built in") != std::string::npos) {
        renders.Skipped = true;
        return renders;
    }
    const TToolRun second = RunTool({QStringLiteral("render"), QStringLiteral("demo"), QStringLiteral("-o"), two,
                                     QStringLiteral("--scale"), QStringLiteral("2")});
    renders.Error = first.Err + second.Err;
    if (first.Status == 0 && second.Status == 0) {
        renders.One = QImage(one).convertToFormat(QImage::Format_RGB32);
        renders.Two = QImage(two).convertToFormat(QImage::Format_RGB32);
    }
    return renders;
}

// A logical pixel's 2 x 2 block of device pixels, all four the ratio-1 pixel.
bool IsExactBlock(const TDemoRenders& r, int x, int y) {
    const QRgb expected = r.One.pixel(x, y);
    return r.Two.pixel(2 * x, 2 * y) == expected && r.Two.pixel(2 * x + 1, 2 * y) == expected &&
           r.Two.pixel(2 * x, 2 * y + 1) == expected && r.Two.pixel(2 * x + 1, 2 * y + 1) == expected;
}

// Logical pixels of `area` whose block is not an exact copy.
int InexactBlocks(const TDemoRenders& r, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += !IsExactBlock(r, x, y);
    return count;
}

// The bounding box of the dark (text) pixels of `area`.
QRect DarkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 50) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class OrvoformHiDpiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { FRenders = new TDemoRenders(RenderDemoTwice()); }
    static void TearDownTestSuite() {
        delete FRenders;
        FRenders = nullptr;
    }
    void SetUp() override {
        if (FRenders->Skipped) GTEST_SKIP() << "the demonstration form is not linked into this build";
        ASSERT_FALSE(FRenders->One.isNull()) << FRenders->Error;
        ASSERT_FALSE(FRenders->Two.isNull()) << FRenders->Error;
    }
    static const TDemoRenders& Renders() { return *FRenders; }

private:
    static inline TDemoRenders* FRenders = nullptr;
};

TEST_F(OrvoformHiDpiTest, PictureHasTwiceTheLogicalSizeEachWay) {
    EXPECT_EQ(Renders().One.size(), QSize(645, 294));
    EXPECT_EQ(Renders().Two.size(), QSize(1290, 588));
}

// Logical rectangles that hold no text: every pixel comes out as the ratio-1
// pixel doubled, at twice its ratio-1 position.
TEST_F(OrvoformHiDpiTest, GlyphsTilesAndFramesAreExactTwoByTwoBlocks) {
    struct TCase {
        const char* What;
        QRect Area;
    };
    const TCase cases[] = {
        // The recoloured check glyph of the group box with a check (red X).
        {"check glyph of OrvoGroupBoxWithCheck1", QRect(QPoint(34, 94), QPoint(48, 107))},
        // The transparent check box beyond its caption shows the wood tile.
        {"tile through transparent OrvoCheckBox1", QRect(QPoint(112, 33), QPoint(120, 49))},
        // The group box's left frame, one logical pixel of shadow and one of
        // highlight, with the tile on either side.
        {"OrvoGroupBox1 left frame", QRect(QPoint(14, 60), QPoint(19, 140))},
        {"OrvoGroupBox1 top frame", QRect(QPoint(100, 10), QPoint(200, 14))},
        {"OrvoPanel1 left frame", QRect(QPoint(14, 180), QPoint(18, 250))},
        {"check box square", QRect(QPoint(34, 34), QPoint(46, 46))},
    };
    for (const TCase& c : cases) EXPECT_EQ(InexactBlocks(Renders(), c.Area), 0) << c.What;
}

TEST_F(OrvoformHiDpiTest, SamplesProveTheCheckedAreasHoldWhatTheySay) {
    const QImage& one = Renders().One;
    // The glyph is really there (red), the tile really varies, and the
    // frame columns are the group box's grey and white.
    int red = 0;
    for (int y = 94; y <= 107; ++y)
        for (int x = 34; x <= 48; ++x) red += qRed(one.pixel(x, y)) > 200 && qGreen(one.pixel(x, y)) < 60;
    EXPECT_GT(red, 20);
    EXPECT_NE(one.pixel(112, 33), one.pixel(120, 49));
    EXPECT_EQ(one.pixel(16, 80), qRgb(159, 159, 159));
    EXPECT_EQ(one.pixel(17, 80), qRgb(255, 255, 255));
    // A one-pixel frame line is two device pixels wide in the same colour.
    for (int x : {32, 33}) EXPECT_EQ(Renders().Two.pixel(x, 160), qRgb(159, 159, 159)) << x;
    for (int x : {34, 35}) EXPECT_EQ(Renders().Two.pixel(x, 160), qRgb(255, 255, 255)) << x;
    EXPECT_NE(Renders().Two.pixel(36, 160), qRgb(255, 255, 255));
}

TEST_F(OrvoformHiDpiTest, TextIsDrawnAtDeviceResolutionInPlace) {
    // The caption of OrvoCheckBox1 ("OrvoCheckBox"), in logical pixels.
    const QRect caption(QPoint(50, 33), QPoint(111, 49));
    const QRect device(caption.topLeft() * 2, caption.size() * 2);
    // Blown up, each logical pixel would be a uniform block; drawn at
    // device resolution, the strokes have detail inside the blocks.
    int detailed = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y) {
        for (int x = caption.left(); x <= caption.right(); ++x) {
            const QRgb p = Renders().Two.pixel(2 * x, 2 * y);
            detailed += Renders().Two.pixel(2 * x + 1, 2 * y) != p || Renders().Two.pixel(2 * x, 2 * y + 1) != p ||
                        Renders().Two.pixel(2 * x + 1, 2 * y + 1) != p;
        }
    }
    EXPECT_GT(detailed, 40);
    // The text stands where ratio 1 puts it, twice as far and as large
    // (within the rounding of the finer glyphs).
    const QRect one = DarkBounds(Renders().One, caption), two = DarkBounds(Renders().Two, device);
    ASSERT_FALSE(one.isEmpty());
    ASSERT_FALSE(two.isEmpty());
    EXPECT_NEAR(two.left(), 2 * one.left(), 2);
    EXPECT_NEAR(two.top(), 2 * one.top(), 2);
    EXPECT_NEAR(two.right(), 2 * one.right() + 1, 2);
    EXPECT_NEAR(two.bottom(), 2 * one.bottom() + 1, 2);
}

TEST_F(OrvoformHiDpiTest, OnlyTextAndCurvesDifferFromTheDoubledPicture) {
    // Everything drawn in whole logical pixels (fills, frames, pictures,
    // tiles, blends) is an exact block; text and painter-drawn curves are
    // finer. They cover well under a tenth of the form.
    const int inexact = InexactBlocks(Renders(), Renders().One.rect());
    EXPECT_GT(inexact, 0);
    EXPECT_LT(inexact, Renders().One.width() * Renders().One.height() / 10);
}

}  // namespace
