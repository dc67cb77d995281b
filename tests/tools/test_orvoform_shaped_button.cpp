// The shaped button as orvoform renders it, at device pixel ratios 1 to 3:
// curved outlines fill the window region to its edge (no face pixel lies
// between the outline and what shows through outside the region), above
// ratio 1 at the device's resolution, and a wrapped caption with "&&" shows
// whole.
#include <QImage>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

constexpr QRgb kFormPixel = 0xFFC8D2DCu;  // $00DCD2C8

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

// Face pixels (of colour `face`) that touch (side by side or one above the other) a pixel
// outside the window region, which shows the form's colour.
int FaceTouchingOutside(const QImage& image, const QRect& area, QRgb face) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != face) continue;
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

// Form pixels lying between the button's pixels of a row or a column of
// `area`: the parent showing inside the shape.
int FormInsideTheShape(const QImage& image, const QRect& area) {
    int count = 0;
    const auto scan = [&](int n, const std::function<QRgb(int)>& at) {
        int first = -1, last = -1;
        for (int i = 0; i < n; ++i)
            if (at(i) != kFormPixel) {
                if (first < 0) first = i;
                last = i;
            }
        for (int i = first + 1; first >= 0 && i < last; ++i) count += at(i) == kFormPixel;
    };
    for (int y = area.top(); y <= area.bottom(); ++y)
        scan(area.width(), [&](int i) { return image.pixel(area.left() + i, y); });
    for (int x = area.left(); x <= area.right(); ++x)
        scan(area.height(), [&](int i) { return image.pixel(x, area.top() + i); });
    return count;
}

// The steps of a curve's lower right quarter in `area` (from the button's
// middle to its bottom right): the rows where the rightmost pixel that is
// not the form's moves.
int EdgeSteps(const QImage& image, const QRect& area) {
    int steps = 0, previous = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int edge = -1;
        for (int x = area.right(); x >= area.left() && edge < 0; --x)
            if (image.pixel(x, y) != kFormPixel) edge = x;
        if (edge < 0) continue;
        steps += previous >= 0 && edge != previous;
        previous = edge;
    }
    return steps;
}

}  // namespace

// At ratio 2 and 3 the window takes the whole pixels round the finer curve:
// a press on a pixel that shows only the parent does not press the button,
// one on a pixel the curve passes through does.
TEST(OrvoformShapedButton, PressJustOutsideTheFinerCurveReachesTheForm) {
    const QByteArray form = ButtonForm("    Shape = stEllipse\n    Ctl3D = False\n    HotTrack = False\n");
    for (int scale : {2, 3}) {
        SCOPED_TRACE("ratio " + std::to_string(scale));
        std::string error;
        const QImage idle = Render(form, {}, scale, error);
        ASSERT_FALSE(idle.isNull()) << error;
        // Along the lower right curve, the last pixel of the row holding a
        // device pixel of the button.
        const int y = 70;
        int edge = -1;
        for (int x = 141; x > 80 && edge < 0; --x)
            for (int d = 0; d < scale * scale && edge < 0; ++d)
                if (idle.pixel(x * scale + d % scale, y * scale + d / scale) != kFormPixel) edge = x;
        ASSERT_GT(edge, 80);
        const auto pressAt = [&](int x) {
            const QString step = QStringLiteral("press:B1@%1,%2").arg(x - 20).arg(y - 20);
            return Render(form, {step}, scale, error);
        };
        const QImage outside = pressAt(edge + 1);
        ASSERT_FALSE(outside.isNull()) << error;
        EXPECT_EQ(outside, idle);
        const QImage onTheCurve = pressAt(edge);
        ASSERT_FALSE(onTheCurve.isNull()) << error;
        EXPECT_NE(onTheCurve, idle);
    }
}

// Curved outlines fill the window region to its edge, at every ratio. At
// ratios 2 and 3 the curve is drawn at the device's resolution, not as the
// ratio-1 pixels enlarged: its edge has about the ratio times as many steps,
// and the outline, the window region and the parent's picture still agree
// device pixel for device pixel.
TEST(OrvoformShapedButton, CurvedOutlinesReachTheWindowRegionsEdge) {
    struct TCase {
        const char* Name;
        std::string Lines;
        QStringList Steps;
        int Side;  // the button's width: 121, or 61 for the square shapes
    };
    const std::vector<TCase> cases{
        {"flat ellipse", "    Shape = stEllipse\n    Ctl3D = False\n", {}, 121},
        {"3-D ellipse", "    Shape = stEllipse\n", {}, 121},
        {"focused ellipse", "    Shape = stEllipse\n", {QStringLiteral("focus:B1")}, 121},
        {"Default ellipse, hot", "    Shape = stEllipse\n    Default = True\n", {QStringLiteral("hover:B1")}, 121},
        {"pressed ellipse", "    Shape = stEllipse\n    HotTrack = False\n", {QStringLiteral("press:B1")}, 121},
        {"focused circle", "    Shape = stCircle\n", {QStringLiteral("focus:B1")}, 61},
        {"flat rounded rectangle", "    Shape = stRoundRect\n    Ctl3D = False\n", {}, 121},
        {"focused rounded rectangle", "    Shape = stRoundRect\n", {QStringLiteral("focus:B1")}, 121},
        {"focused rounded square", "    Shape = stRoundSquare\n", {QStringLiteral("focus:B1")}, 61},
    };
    for (const TCase& c : cases) {
        int stepsAtOne = 0;
        for (int scale : {1, 2, 3}) {
            SCOPED_TRACE(std::string(c.Name) + " at ratio " + std::to_string(scale));
            std::string error;
            const QImage image = Render(ButtonForm(c.Lines), c.Steps, scale, error);
            ASSERT_FALSE(image.isNull()) << error;
            // The button (at (20, 20), 61 high) and a pixel of form round it.
            const QRect around(19 * scale, 19 * scale, (c.Side + 2) * scale, 63 * scale);
            const QRgb face = image.pixel((20 + c.Side / 2) * scale, 50 * scale);
            EXPECT_NE(face, kFormPixel);
            EXPECT_GT(CountPixel(image, around, face), 1000 * scale * scale * c.Side / 121);
            EXPECT_GT(CountPixel(image, around, kFormPixel), 0);  // the corners are cut off
            EXPECT_EQ(FaceTouchingOutside(image, around, face), 0);
            EXPECT_EQ(FormInsideTheShape(image, around), 0);
            // The lower right quarter of the curve.
            const QRect quarter((20 + c.Side / 2) * scale, 50 * scale, (c.Side / 2 + 2) * scale, 32 * scale);
            const int steps = EdgeSteps(image, quarter);
            if (scale == 1) {
                stepsAtOne = steps;
                EXPECT_GT(steps, 8);
            } else {
                EXPECT_GE(steps * 4, stepsAtOne * scale * 3) << steps << " steps, " << stepsAtOne << " at ratio 1";
                EXPECT_LE(steps * 4, stepsAtOne * scale * 5) << steps << " steps, " << stepsAtOne << " at ratio 1";
            }
            // The outline is two logical pixels wide where the shape meets
            // its box: the left end of the middle row (not a circle's).
            if (c.Lines.find("stEllipse") != std::string::npos) {
                const int y = 50 * scale;
                const QRgb edge = image.pixel(20 * scale, y);
                EXPECT_NE(edge, kFormPixel);
                EXPECT_NE(edge, face);
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
