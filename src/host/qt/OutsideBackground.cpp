#include "host/qt/OutsideBackground.h"

#include <QPalette>
#include <QWidget>

#include "host/framework/ControlWidgets.h"
#include "host/services/DeviceContext.h"
#include "host/services/Gdi.h"

namespace Orvo {

namespace {

// A control without a parent whose window lies in `outside` beneath
// `above` (a child window of `outside`, or null for any), the topmost such.
TWinControl* RootPlacedBeneath(QWidget* outside, const QWidget* above) {
    TWinControl* found = nullptr;
    for (QObject* child : outside->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w) continue;
        if (w == above) break;
        TWinControl* c = ControlOfWidget(w);
        if (c && c->Widget() == w && !c->Parent() && c->ParentWindow() == HandleOf(outside) && w->isVisible())
            found = c;
    }
    return found;
}

// `under` paints itself into `dc` where `root`'s window lies over it, as a
// parent paints for a transparent child (CopyParentBackground).
void PaintControlBeneath(TWinControl* under, TWinControl* root, QWidget* common, HDC dc) {
    const QPoint at = root->Widget()->mapTo(common, QPoint(0, 0)) - under->Widget()->pos();
    TSavedDC saved(dc);
    if (!saved.Saved()) return;
    saved.ShiftOrigin(-at.x(), -at.y());
    saved.ClipTo(0, 0, under->ClientWidth(), under->ClientHeight());
    const WPARAM target = reinterpret_cast<WPARAM>(dc);
    DispatchToControl(under, WM_ERASEBKGND, target, 0);
    DispatchToControl(under, WM_PAINT, target, 0);
}

}  // namespace

bool PaintBehindOutsideRoot(TWinControl* root, HDC dc) {
    QWidget* own = root->Widget();
    QWidget* outside = root->Parent() ? nullptr : WidgetOf(root->ParentWindow());
    if (!own || !outside) return false;
    // Up from the outside window: its own windows beneath the root's first,
    // then each ancestor's (beneath the branch the root lies in).
    const QWidget* branch = own;
    for (QWidget* w = outside; w; branch = w, w = w->parentWidget()) {
        if (TWinControl* under = RootPlacedBeneath(w, branch)) {
            PaintControlBeneath(under, root, w, dc);
            return true;
        }
        if (w->autoFillBackground() || w->isWindow()) {
            const QColor c = w->palette().color(w->backgroundRole());
            HBRUSH brush = CreateSolidBrush(TColor(RGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()))));
            FillRect(dc, Rect(0, 0, root->Width(), root->Height()), brush);
            DeleteObject(brush);
            return true;
        }
    }
    return false;
}

}  // namespace Orvo
