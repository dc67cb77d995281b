// The controls that paint themselves: TControlCanvas (a control's canvas,
// on the paint's device context or a scratch image), TCustomControl
// (windowed) and TGraphicControl (windowless, on its parent's surface).

#include "host/framework/Controls.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/services/DeviceContextQt.h"

namespace Orvo {

// ---------------------------------------------------------------- canvases


// Outside a paint a control's canvas draws on a scratch image of the part of
// the control that can show, there for measuring text and for ClipRect: what
// is drawn on it is never seen. So every canvas shares the pixels of one
// store, sized for the largest such part so far, instead of holding a
// picture of its own.
// A canvas keeps the store it was given alive, so a larger store made later
// does not take the pixels from under it.
struct TControlCanvas::TScratch {
    std::shared_ptr<std::vector<QRgb>> Store;
    QImage Image;  // the showing part's size, over Store
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

namespace {

// The part of a control that can show, in its own coordinates: its bounds
// cut by the client area of each parent up to the form (a parent's border
// is not subtracted, which can only leave a few pixels more). Empty when
// nothing of it can show. A control far larger than its form, or lying far
// off it, thus costs no more than the form.
TRect ShowingPart(const TControl& control) {
    std::int64_t left = 0, top = 0, right = control.Width(), bottom = control.Height();
    std::int64_t x = 0, y = 0;  // the control's origin in the current parent's client coordinates
    for (const TControl* c = &control; const TWinControl* parent = c->Parent(); c = parent) {
        x += c->Left();
        y += c->Top();
        left = std::max(left, -x);
        top = std::max(top, -y);
        right = std::min(right, parent->ClientWidth() - x);
        bottom = std::min(bottom, parent->ClientHeight() - y);
    }
    if (right <= left || bottom <= top) return TRect{};
    return TRect{int(left), int(top), int(right), int(bottom)};
}

}  // namespace

void TControlCanvas::CreateHandle() {
    // The scratch image holds only the part of the control that can show;
    // the origin puts the control's own coordinates on it, so ClipRect is
    // that part wherever it lies.
    TRect part = FControl ? ShowingPart(*FControl) : TRect{};
    if (part.IsEmpty()) part = TRect{0, 0, 1, 1};
    const int w = part.Width();
    const int h = part.Height();
    if (!FScratch || FScratch->Image.width() != w || FScratch->Image.height() != h) {
        auto scratch = std::make_unique<TScratch>();
        scratch->Store = ScratchStore(std::size_t(w) * std::size_t(h));
        scratch->Image = QImage(reinterpret_cast<uchar*>(scratch->Store->data()), w, h, qsizetype(w) * 4,
                                QImage::Format_RGB32);
        scratch->DC = CreateImageDC(scratch->Image);
        FScratch = std::move(scratch);
    }
    SetViewportOrgEx(FScratch->DC.get(), -part.Left, -part.Top, nullptr);
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
