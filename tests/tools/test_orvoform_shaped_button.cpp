// The shaped button as orvoform renders it, at device pixel ratios 1 and 2:
// curved outlines fill the window region to its edge (no face pixel lies
// between the outline and what shows through outside the region), and a
// wrapped caption with "&&" shows whole.
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

constexpr QRgb kFormPixel = 0xFFC8D2DCu;  // $00DCD2C8
constexpr QRgb kLimePixel = 0xFF00FF00u;  // $0000FF00, the face

// A form of colour kFormPixel with one lime button B1 at (20, 20), 121 x 61
// unless a case says, and a check box C1, with what a case adds to the
// button (and the box).
QByteArray ButtonForm(const std::string& buttonLines, const std::string& boxLines = {}, int width = 121,
                      int height = 61) {
    return QByteArray::fromStdString(R"(object Form1: TForm
  BorderStyle = bsNone
  ClientWidth = 200
  ClientHeight = 140
  Color = $00DCD2C8
  object B1: TOrvoButton
    Left = 20
    Top = 20
    Width = )" + std::to_string(width) + R"(
    Height = )" + std::to_string(height) + R"(
    Color = $0000FF00
    TabOrder = 0
)" + buttonLines + R"(  end
  object C1: TOrvoCheckBox
    Left = 20
    Top = 100
    Width = 160
    Height = 20
    TabOrder = 1
)" + boxLines + R"(  end
end
)");
}

QImage Render(const QByteArray& form, const QStringList& steps, int scale, std::string& error) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.png"));
    QStringList args{QStringLiteral("render"), QStringLiteral("-")};
    args += steps;
    args += QStringList{QStringLiteral("-o"), out, QStringLiteral("--scale"), QString::number(scale)};
    const TToolRun run = RunTool(args, form);
    error = run.Err;
    if (run.Status != 0) return QImage();
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

// Face pixels that touch (side by side or one above the other) a pixel
// outside the window region, which shows the form's colour.
int FaceTouchingOutside(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != kLimePixel) continue;
            const bool outsideNext = image.pixel(x - 1, y) == kFormPixel || image.pixel(x + 1, y) == kFormPixel ||
                                     image.pixel(x, y - 1) == kFormPixel || image.pixel(x, y + 1) == kFormPixel;
            count += outsideNext;
        }
    return count;
}

int CountPixel(const QImage& image, const QRect& area, QRgb pixel) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) == pixel;
    return count;
}

}  // namespace

TEST(OrvoformShapedButton, CurvedOutlinesReachTheWindowRegionsEdge) {
    struct TCase {
        const char* Name;
        std::string Lines;
        QStringList Steps;
    };
    const std::vector<TCase> cases{
        {"flat ellipse", "    Shape = stEllipse\n    Ctl3D = False\n", {}},
        {"focused ellipse", "    Shape = stEllipse\n", {QStringLiteral("focus:B1")}},
        {"Default ellipse", "    Shape = stEllipse\n    Default = True\n", {}},
        {"pressed ellipse", "    Shape = stEllipse\n    HotTrack = False\n", {QStringLiteral("press:B1")}},
        {"focused circle", "    Shape = stCircle\n", {QStringLiteral("focus:B1")}},
        {"focused rounded rectangle", "    Shape = stRoundRect\n", {QStringLiteral("focus:B1")}},
    };
    for (const TCase& c : cases) {
        for (int scale : {1, 2}) {
            SCOPED_TRACE(std::string(c.Name) + " at ratio " + std::to_string(scale));
            std::string error;
            const QImage image = Render(ButtonForm(c.Lines), c.Steps, scale, error);
            ASSERT_FALSE(image.isNull()) << error;
            // The button and a pixel of form round it.
            const QRect around(19 * scale, 19 * scale, 123 * scale, 63 * scale);
            EXPECT_GT(CountPixel(image, around, kLimePixel), 1000 * scale * scale);
            EXPECT_GT(CountPixel(image, around, kFormPixel), 0);  // the corners are cut off
            EXPECT_EQ(FaceTouchingOutside(image, around), 0);
            // The outline is two logical pixels wide where the shape meets
            // its box: the left end of the middle row (not a circle's).
            if (c.Lines.find("stEllipse") != std::string::npos) {
                const int y = 50 * scale;
                const QRgb edge = image.pixel(20 * scale, y);
                EXPECT_NE(edge, kFormPixel);
                EXPECT_NE(edge, kLimePixel);
                EXPECT_EQ(image.pixel(19 * scale, y), kFormPixel);
            }
        }
    }
}

// A wrapped caption that fits one line is the unwrapped one, pixel for
// pixel: "&&" draws one "&" and the text after it stays.
TEST(OrvoformShapedButton, WrappedCaptionKeepsTheTextAfterADoubledAmpersand) {
    const std::string caption = "    Caption = 'Fish && chips'\n";
    for (int scale : {1, 2}) {
        SCOPED_TRACE("ratio " + std::to_string(scale));
        std::string error;
        const QImage wrapped = Render(ButtonForm("    WordWrap = True\n" + caption, "    WordWrap = True\n" + caption, 91, 41),
                                      {}, scale, error);
        ASSERT_FALSE(wrapped.isNull()) << error;
        const QImage single = Render(ButtonForm(caption, caption, 91, 41), {}, scale, error);
        ASSERT_FALSE(single.isNull()) << error;
        const QRect button(20 * scale, 20 * scale, 91 * scale, 41 * scale);
        const QRect box(20 * scale, 100 * scale, 160 * scale, 20 * scale);
        for (const QRect& area : {button, box}) {
            int differing = 0, dark = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    differing += wrapped.pixel(x, y) != single.pixel(x, y);
                    dark += qGray(single.pixel(x, y)) < 60;
                }
            EXPECT_EQ(differing, 0) << "at " << area.x() << "," << area.y();
            EXPECT_GT(dark, 30 * scale * scale);  // the caption is there to compare
        }
    }
}
