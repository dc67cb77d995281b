// The big form in plain Qt with a style sheet, the peer the library's big
// form is measured against: N QCheckBoxes of 78 x 19 captioned "Box 1" ...
// "Box N" in rows of 20, every other one checked, transparent over a
// vertical gradient or a tile that the form's style sheet paints. The style
// sheet gives the check boxes what the library's transparent check box shows:
// no background of their own, a sunken white square with a red cross when
// checked, and, under the pointer, a wash halfway to white and a blue caption.
//
//   qss_bigform cold N gradient|tile TILE.bmp     one cold start: prints its
//       clock stamps (main, app, load, frame; ns) and memory (hwm_kb, rss_kb)
//   qss_bigform inproc N gradient|tile TILE.bmp [REPS]   in one process: the
//       load, the first frame, the median full repaint and hovered repaint
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QFont>
#include <QHoverEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../probe/ProcessProbe.h"

namespace {

constexpr int kBoxWidth = 78;
constexpr int kBoxHeight = 19;
constexpr int kPerRow = 20;

// The checked mark: a red cross with a dark red shadow on a transparent
// ground, 12 x 12 like the inside of the library's square.
QImage CrossMark() {
    QImage mark(12, 12, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0, 0), 3));
    p.drawLine(2, 3, 10, 11);
    p.drawLine(10, 3, 2, 11);
    p.setPen(QPen(QColor(0xff, 0, 0), 2));
    p.drawLine(2, 2, 10, 10);
    p.drawLine(10, 2, 2, 10);
    return mark;
}

QString StyleSheet(bool tiled, const QString& tilePath, const QString& markPath) {
    const QString background = tiled
        ? QStringLiteral("background-image: url(%1); background-repeat: repeat-xy; background-position: top left;")
              .arg(tilePath)
        : QStringLiteral("background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #000080, stop: 1 #ffff00);");
    return QStringLiteral(
               "#BigForm { %1 }\n"
               "QCheckBox { background: transparent; color: #000000; spacing: 5px; padding-left: 3px; }\n"
               "QCheckBox:hover { background: rgba(255, 255, 255, 128); color: #0000ff; }\n"
               "QCheckBox::indicator { width: 10px; height: 10px; background: #ffffff;\n"
               "    border-width: 2px; border-style: solid;\n"
               "    border-color: #808080 #ffffff #ffffff #808080; }\n"
               "QCheckBox::indicator:checked { image: url(%2); }\n")
        .arg(background, markPath);
}

struct TBigForm {
    std::unique_ptr<QWidget> Form;
    std::vector<QCheckBox*> Boxes;
};

TBigForm BuildForm(int count, bool tiled, const QString& tilePath, const QString& markPath) {
    TBigForm big;
    big.Form = std::make_unique<QWidget>();
    QWidget* form = big.Form.get();
    form->setObjectName(QStringLiteral("BigForm"));
    form->setAttribute(Qt::WA_StyledBackground, true);
    form->setWindowTitle(QStringLiteral("%1 check boxes").arg(count));
    const int rows = std::max(1, (count + kPerRow - 1) / kPerRow);
    form->setFixedSize(kPerRow * kBoxWidth, rows * kBoxHeight);
    big.Boxes.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        auto* box = new QCheckBox(QStringLiteral("Box %1").arg(i + 1), form);
        box->setGeometry(i % kPerRow * kBoxWidth, i / kPerRow * kBoxHeight, kBoxWidth, kBoxHeight);
        box->setChecked(i % 2 == 0);
        big.Boxes.push_back(box);
    }
    form->setStyleSheet(StyleSheet(tiled, tilePath, markPath));
    return big;
}

void SetHovered(QWidget* w, bool hovered) {
    const QPointF local(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(local);
    w->setAttribute(Qt::WA_UnderMouse, hovered);
    if (hovered) {
        QEnterEvent enter(local, local, global);
        QApplication::sendEvent(w, &enter);
        QHoverEvent hover(QEvent::HoverEnter, local, global, QPointF(-1, -1));
        QApplication::sendEvent(w, &hover);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
        QHoverEvent hover(QEvent::HoverLeave, QPointF(-1, -1), QPointF(-1, -1), local);
        QApplication::sendEvent(w, &hover);
    }
}

int Usage(const char* self) {
    std::fprintf(stderr, "usage: %s cold|inproc COUNT gradient|tile TILE.bmp [REPS]\n", self);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const long long atMain = probe::MonotonicNs();
    if (argc < 5) return Usage(argv[0]);
    const bool cold = std::strcmp(argv[1], "cold") == 0;
    if (!cold && std::strcmp(argv[1], "inproc") != 0) return Usage(argv[0]);
    const int count = std::atoi(argv[2]);
    const bool tiled = std::strcmp(argv[3], "tile") == 0;
    if (count < 0 || (!tiled && std::strcmp(argv[3], "gradient") != 0)) return Usage(argv[0]);
    const QString tilePath = QString::fromLocal8Bit(argv[4]);
    const int reps = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The form text in the library's forms is DejaVu Sans Condensed, 9 pixels.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(9);
    QApplication::setFont(font);
    const long long atApplication = probe::MonotonicNs();

    QTemporaryDir dir;
    if (!dir.isValid()) return 3;
    const QString markPath = dir.filePath(QStringLiteral("cross.png"));
    if (!CrossMark().save(markPath)) return 3;
    TBigForm big = BuildForm(count, tiled, tilePath, markPath);
    const long long atLoad = probe::MonotonicNs();
    QWidget* form = big.Form.get();
    if (!probe::ShowAndWaitForFirstFrame(form, [&] { form->show(); })) return 4;
    const long long atFrame = probe::MonotonicNs();
    if (cold) {
        std::printf("main %lld\napp %lld\nload %lld\nframe %lld\nhwm_kb %ld\nrss_kb %ld\n", atMain, atApplication,
                    atLoad, atFrame, probe::StatusKb("VmHWM"), probe::StatusKb("VmRSS"));
        std::fflush(stdout);
        std::_Exit(0);  // what is measured is done; freeing the form is not
    }

    QImage full(form->size(), QImage::Format_ARGB32_Premultiplied);
    const double fullNs = probe::MedianNs(reps, [&] { form->render(&full); });
    double hoverNs = 0;
    // The first box of the second row (the first holds the focus).
    if (count > kPerRow) {
        QCheckBox* box = big.Boxes[kPerRow];
        SetHovered(box, true);
        const QRect area(box->mapTo(form, QPoint(0, 0)), box->size());
        QImage small(area.size(), QImage::Format_ARGB32_Premultiplied);
        hoverNs = probe::MedianNs(reps * 20, [&] { form->render(&small, QPoint(), QRegion(area)); });
        SetHovered(box, false);
    }
    std::printf("load_ns %lld\nframe_ns %lld\nfull_ns %.0f\nhover_ns %.0f\nhwm_kb %ld\n", atLoad - atApplication,
                atFrame - atLoad, fullNs, hoverNs, probe::StatusKb("VmHWM"));
    std::fflush(stdout);
    std::_Exit(0);
}
