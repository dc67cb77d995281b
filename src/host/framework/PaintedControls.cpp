// The controls that paint themselves: TControlCanvas (a control's canvas,
// on the paint's device context or a scratch image), TCustomControl
// (windowed) and TGraphicControl (windowless, on its parent's surface).

#include "host/framework/Controls.h"

#include <QImage>

#include <algorithm>
#include <memory>
#include <vector>

#include "host/services/DeviceContextQt.h"

namespace Orvo {

// ---------------------------------------------------------------- canvases


// Outside a paint a control's canvas draws on a scratch image of the
// control's size, there for measuring text and for ClipRect: what is drawn
// on it is never seen. So every canvas shares the pixels of one store, sized
// for the largest control so far, instead of holding a picture of its own.
// A canvas keeps the store it was given alive, so a larger store made later
// does not take the pixels from under it.
struct TControlCanvas::TScratch {
    std::shared_ptr<std::vector<QRgb>> Store;
    QImage Image;  // the control's size, over Store
    std::unique_ptr<TDeviceContext> DC;
};

namespace {

std::shared_ptr<std::vector<QRgb>> ScratchStore(std::size_t pixels) {
    static std::weak_ptr<std::vector<QRgb>> current;
    std::shared_ptr<std::vector<QRgb>> store = current.lock();
    if (!store || store->size() < pixels) {
        store = std::make_shared<std::vector<QRgb>>(pixels, 0xFFFFFFFFu);
        current = store;
    }
    return store;
}

}  // namespace

TControlCanvas::TControlCanvas(TControl* control) : FControl(control) {}

TControlCanvas::~TControlCanvas() {
    // Never leave the canvas pointing at a DC that dies with this object.
    if (FScratch) SetHandle(nullptr);
}

void TControlCanvas::CreateHandle() {
    const int w = std::max(FControl ? FControl->Width() : 1, 1);
    const int h = std::max(FControl ? FControl->Height() : 1, 1);
    if (!FScratch || FScratch->Image.width() != w || FScratch->Image.height() != h) {
        auto scratch = std::make_unique<TScratch>();
        scratch->Store = ScratchStore(std::size_t(w) * std::size_t(h));
        scratch->Image = QImage(reinterpret_cast<uchar*>(scratch->Store->data()), w, h, qsizetype(w) * 4,
                                QImage::Format_RGB32);
        scratch->DC = CreateImageDC(scratch->Image);
        FScratch = std::move(scratch);
    }
    SetHandle(FScratch->DC.get());
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
    FCanvas = std::make_unique<TControlCanvas>(this);
}

TCustomControl::~TCustomControl() {
    Destroying();
    DestroyComponents();
}

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo());
    return info;
}
const TClassInfo& TCustomControl::ClassInfo() const { return StaticClassInfo(); }

void TCustomControl::PaintWindow(HDC dc) {
    TCanvasOnDC attach(FCanvas.get(), dc);
    Paint();
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
    FCanvas = std::make_unique<TControlCanvas>(this);
}

TGraphicControl::~TGraphicControl() {
    Destroying();
    DestroyComponents();
}

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo());
    return info;
}
const TClassInfo& TGraphicControl::ClassInfo() const { return StaticClassInfo(); }

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
            if (!IsDestroying()) {
                TCanvasOnDC attach(FCanvas.get(), dc);
                Paint();
            }
        } else {
            Repaint();
        }
        message.Result = 0;
        return;
    }
    TControl::WndProc(message);
}

}  // namespace Orvo
