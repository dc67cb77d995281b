// Controls of the largest size in range render in bounded memory: orvoform
// runs under an address-space limit of 1 GB, which a picture of the whole
// extent (16777215 pixels one way) would exceed many times over, and still
// renders the form, at ratio 1 and 2.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvoform_run.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

constexpr rlim_t kOneGigabyte = rlim_t(1) << 30;

}  // namespace

// Renders the demonstration form after the steps at `scale`, under the limit.
QImage RenderDemo(const QStringList& steps, int scale, const QString& out, std::string& error) {
    QFile::remove(out);
    QStringList args{QStringLiteral("render"), QStringLiteral("demo")};
    args += steps;
    args += QStringList{QStringLiteral("-o"), out, QStringLiteral("--scale"), QString::number(scale)};
    const TToolRun run = RunTool(args, {}, kOneGigabyte);
    error = "status " + std::to_string(run.Status) + ": " + run.Err;
    return run.Status == 0 ? QImage(out).convertToFormat(QImage::Format_RGB32) : QImage();
}

// The box of the pixels where two pictures differ.
QRect DifferenceBox(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(OrvoformHugeSizes, LargestSizesInRangeRenderUnderAMemoryLimit) {
    if (kAddressSanitizer) GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
    struct TCase {
        const char* Name;
        QStringList Huge;      // steps that make controls huge
        QStringList Then;      // steps after them
        QString CornerOf;      // a control whose top-left corner must look as at its normal size
    };
    const std::vector<TCase> cases{
        {"tall edit under the pointer", {QStringLiteral("set:OrvoEdit1.Height=16777215")},
         {QStringLiteral("hover:OrvoEdit1")}, QStringLiteral("OrvoEdit1")},
        {"wide group box", {QStringLiteral("set:OrvoGroupBox1.Width=16777215")}, {}, QStringLiteral("OrvoGroupBox1")},
        {"wide button, focused", {QStringLiteral("set:OrvoButton1.Width=16777215")},
         {QStringLiteral("focus:OrvoButton1")}, QStringLiteral("OrvoButton1")},
        // Only the right ends show: the parts painted are not at the top-left.
        {"button, edit and group box reaching in from far left",
         {QStringLiteral("set:OrvoButton1.Left=-16777000"), QStringLiteral("set:OrvoButton1.Width=16777215"),
          QStringLiteral("set:OrvoEdit1.Left=-16777100"), QStringLiteral("set:OrvoEdit1.Width=16777215"),
          QStringLiteral("set:OrvoGroupBox1.Left=-16777200"), QStringLiteral("set:OrvoGroupBox1.Width=16777215")},
         {QStringLiteral("focus:OrvoEdit1")}, {}},
    };
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("huge.png"));
    for (const TCase& c : cases) {
        for (int scale : {1, 2}) {
            SCOPED_TRACE(std::string(c.Name) + " at ratio " + std::to_string(scale));
            std::string error;
            const QImage huge = RenderDemo(c.Huge + c.Then, scale, out, error);
            ASSERT_FALSE(huge.isNull()) << error;
            EXPECT_GT(huge.width(), 600 * scale);  // the whole form, not just a part
            if (c.CornerOf.isEmpty()) continue;
            // Where the control lies at its normal size: what hiding it changes.
            const QImage normal = RenderDemo(c.Then, scale, out, error);
            const QImage hidden =
                RenderDemo(c.Then + QStringList{"set:" + c.CornerOf + ".Visible=False"}, scale, out, error);
            ASSERT_FALSE(normal.isNull() || hidden.isNull()) << error;
            const QRect control = DifferenceBox(normal, hidden);
            ASSERT_FALSE(control.isEmpty());
            // Its border and background at the top-left corner, which a
            // picture lost to the memory limit would leave out.
            const QRect corner(control.topLeft(), QSize(6, 6) * scale);
            EXPECT_TRUE(DifferenceBox(huge.copy(corner), normal.copy(corner)).isEmpty());
        }
    }
}
