#pragma once
// Host-internal: the off-screen images windows paint into.
//
// A window's paint is drawn off-screen and copied to the window at once, so
// a control never shows half-drawn. The image is needed only while one paint
// runs: every window shares one store of pixels per paint nesting level (a
// paint may start another), sized for the largest window painted so far,
// instead of keeping an image of its own size between paints.

#include <QImage>
#include <QPoint>
#include <QSize>

#include <memory>
#include <vector>

namespace Orvo {

class TPaintBuffers {
public:
    // An image of `size` for a paint at nesting level `depth` (1 for the
    // outermost). Its pixels are undefined; they stay valid until the next
    // call for the same level.
    QImage& For(QSize size, int depth);

    // Bytes held by the stores of every level.
    long long BytesHeld() const;

private:
    struct TLevel {
        QImage Store;  // owns the pixels, at least as many as the view needs
        QImage View;   // `size` pixels over the store's memory
    };
    // Held by pointer: a deeper level added during a paint leaves the
    // images of the levels below where they are.
    std::vector<std::unique_ptr<TLevel>> FLevels;
};

// A view of the part of `device` a widget of `size` covers when Qt paints
// the widget into it at `redirectOffset` (QWidget::redirected): the widget
// then paints in place, with no buffer and no copy. Null unless the device
// is a 32-bit RGB image of ratio 1 holding the widget's top-left corner; the
// view is cut at the device's right and bottom edges.
QImage DirectPaintView(QPaintDevice* device, QPoint redirectOffset, QSize size);

// The buffers of this thread's windows (painting happens on the GUI thread).
TPaintBuffers& PaintBuffers();

}  // namespace Orvo
