#include "host/framework/WindowServices.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <set>
#include <vector>

#include "host/services/DeviceContextQt.h"
#include "host/services/DevicePixelScale.h"
#include "host/framework/ControlWidgets.h"

namespace Orvo {

// A cursor handle stands for one of the framework's cursor values.
struct HCURSOR__ {
    TCursor Cursor;
};

struct HDWP__ {
    struct TEntry {
        HWND Window;
        int X, Y, CX, CY;
        std::uint32_t Flags;
    };
    std::vector<TEntry> Entries;
};

namespace {

constexpr TCursor kCursorValues[] = {crDefault,   crNone,     crArrow,   crCross,    crIBeam,     crSizeNESW,
                                     crSizeNS,    crSizeNWSE, crSizeWE,  crUpArrow,  crHourGlass, crDrag,
                                     crNoDrop,    crHSplit,   crVSplit,  crMultiDrag, crSQLWait,  crNo,
                                     crAppStart,  crHelp,     crHandPoint, crSizeAll};

HCURSOR__* CursorTable() {
    static HCURSOR__ table[std::size(kCursorValues)] = {};
    static const bool filled = [] {
        for (std::size_t i = 0; i < std::size(kCursorValues); ++i) table[i].Cursor = kCursorValues[i];
        return true;
    }();
    (void)filled;
    return table;
}

// What SetCursor put up until the pointer moves again.
struct TCursorOverride {
    bool Active = false;
    HCURSOR Current = nullptr;
};
TCursorOverride gCursorOverride;

void ApplyPosition(const HDWP__::TEntry& e) {
    TWinControl* control = FindControl(e.Window);
    if (!control) return;
    const int x = (e.Flags & SWP_NOMOVE) ? control->Left() : e.X;
    const int y = (e.Flags & SWP_NOMOVE) ? control->Top() : e.Y;
    const int cx = (e.Flags & SWP_NOSIZE) ? control->Width() : e.CX;
    const int cy = (e.Flags & SWP_NOSIZE) ? control->Height() : e.CY;
    control->SetBounds(x, y, cx, cy);
    if (e.Flags & SWP_SHOWWINDOW) control->SetVisible(true);
    if (e.Flags & SWP_HIDEWINDOW) control->SetVisible(false);
}

}  // namespace

// ---------------------------------------------------------------- styles

LONG GetWindowLong(HWND window, int index) {
    TWinControl* control = FindControl(window);
    if (!control) return 0;
    if (index == GWL_STYLE) return LONG(control->WindowStyle());
    if (index == GWL_EXSTYLE) return LONG(control->WindowExStyle());
    return 0;
}

LONG SetWindowLong(HWND window, int index, LONG value) {
    TWinControl* control = FindControl(window);
    if (!control) return 0;
    const LONG old = GetWindowLong(window, index);
    if (index == GWL_STYLE) control->SetWindowStyle(std::uint32_t(value));
    else if (index == GWL_EXSTYLE) control->SetWindowExStyle(std::uint32_t(value));
    else return 0;
    return old;
}

HWND GetParent(HWND window) {
    TWinControl* control = FindControl(window);
    return control ? control->ParentWindow() : nullptr;
}

HWND GetParentHandle(HWND window) { return GetParent(window); }

bool IsWindow(HWND window) { return FindControl(window) != nullptr; }

// ---------------------------------------------------------------- positions

HDWP BeginDeferWindowPos(int numWindows) {
    auto* info = new HDWP__;
    info->Entries.reserve(std::size_t(std::max(numWindows, 0)));
    return info;
}

HDWP DeferWindowPos(HDWP info, HWND window, HWND, int x, int y, int cx, int cy, std::uint32_t flags) {
    if (!info) return nullptr;
    if (!IsWindow(window)) {
        // As the window services do: a bad window abandons the whole batch.
        delete info;
        return nullptr;
    }
    info->Entries.push_back({window, x, y, cx, cy, flags});
    return info;
}

bool EndDeferWindowPos(HDWP info) {
    if (!info) return false;
    std::unique_ptr<HDWP__> owned(info);
    // Hold the parents' painting until every window has moved, so they are
    // repainted once for the whole batch.
    std::vector<QWidget*> frozen;
    for (const auto& e : owned->Entries) {
        QWidget* w = WidgetOf(e.Window);
        QWidget* parent = w ? w->parentWidget() : nullptr;
        if (parent && parent->updatesEnabled()) {
            parent->setUpdatesEnabled(false);
            frozen.push_back(parent);
        }
    }
    struct TThaw {
        std::vector<QWidget*>& Widgets;
        ~TThaw() {
            for (QWidget* w : Widgets) {
                if (!ControlOfWidget(w)) continue;  // died meanwhile
                w->setUpdatesEnabled(true);
                w->update();
            }
        }
    } thaw{frozen};
    for (const auto& e : owned->Entries) ApplyPosition(e);
    return true;
}

bool SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, std::uint32_t flags) {
    if (!IsWindow(window)) return false;
    ApplyPosition({window, x, y, cx, cy, flags});
    return true;
}

// ---------------------------------------------------------------- regions

int SetWindowRgn(HWND window, HRGN region, bool redraw) {
    QWidget* w = WidgetOf(window);
    if (!w) {
        DeleteObject(region);
        return 0;
    }
    if (region) {
        // Qt's mask is in whole logical pixels: at a device pixel ratio
        // above 1, every pixel that holds a device pixel of the region's
        // curve.
        const QRegion area = WindowShapeArea(region, DevicePixelScale(*w));
        // Qt reads an empty mask as "no mask"; an empty window region hides
        // everything, so keep one pixel-less region out of reach instead.
        if (!area.isEmpty()) w->setMask(area);
        else w->setMask(QRegion(-1, -1, 1, 1));
        DeleteObject(region);
    } else {
        w->clearMask();
    }
    if (redraw) w->update();
    return 1;
}

int GetWindowRgn(HWND window, HRGN region) {
    QWidget* w = WidgetOf(window);
    if (!w || !region || w->mask().isEmpty()) return ERROR_REGION;
    HRGN copy = CreateRegionFrom(w->mask());
    const int result = CombineRgn(region, copy, nullptr, RGN_COPY);
    DeleteObject(copy);
    return result;
}

// ---------------------------------------------------------------- cursors

HCURSOR CursorHandle(int cursor) {
    HCURSOR__* table = CursorTable();
    for (std::size_t i = 0; i < std::size(kCursorValues); ++i)
        if (table[i].Cursor == cursor) return &table[i];
    return &table[2];  // crArrow
}

Qt::CursorShape QtCursorShape(TCursor cursor) {
    switch (cursor) {
        case crNone: return Qt::BlankCursor;
        case crCross: return Qt::CrossCursor;
        case crIBeam: return Qt::IBeamCursor;
        case crSizeNESW: return Qt::SizeBDiagCursor;
        case crSizeNS: return Qt::SizeVerCursor;
        case crSizeNWSE: return Qt::SizeFDiagCursor;
        case crSizeWE: return Qt::SizeHorCursor;
        case crUpArrow: return Qt::UpArrowCursor;
        case crHourGlass:
        case crSQLWait: return Qt::WaitCursor;
        case crDrag:
        case crMultiDrag: return Qt::DragCopyCursor;
        case crNoDrop:
        case crNo: return Qt::ForbiddenCursor;
        case crHSplit: return Qt::SplitHCursor;
        case crVSplit: return Qt::SplitVCursor;
        case crAppStart: return Qt::BusyCursor;
        case crHelp: return Qt::WhatsThisCursor;
        case crHandPoint: return Qt::PointingHandCursor;
        case crSizeAll: return Qt::SizeAllCursor;
        default: return Qt::ArrowCursor;
    }
}

void ApplyCursor(QWidget* widget, TCursor cursor) {
    if (!widget) return;
    if (cursor == crDefault) widget->unsetCursor();
    else widget->setCursor(QtCursorShape(cursor));
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = GetCursor();
    if (!qApp) return previous;
    const QCursor shape(cursor ? QtCursorShape(cursor->Cursor) : Qt::BlankCursor);
    if (gCursorOverride.Active) QGuiApplication::changeOverrideCursor(shape);
    else QGuiApplication::setOverrideCursor(shape);
    gCursorOverride.Active = true;
    gCursorOverride.Current = cursor;
    return previous;
}

HCURSOR GetCursor() {
    if (gCursorOverride.Active) return gCursorOverride.Current;
    return CursorHandle(crArrow);
}

void NotifyCursorMouseMoved() {
    if (!gCursorOverride.Active) return;
    gCursorOverride.Active = false;
    gCursorOverride.Current = nullptr;
    if (qApp) QGuiApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- painting

bool InvalidateRect(HWND window, const TRect* rect, bool) {
    QWidget* w = WidgetOf(window);
    if (!w) return false;
    if (rect) w->update(rect->Left, rect->Top, rect->Width(), rect->Height());
    else w->update();
    return true;
}

}  // namespace Orvo
