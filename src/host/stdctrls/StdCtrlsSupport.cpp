#include "host/stdctrls/StdCtrlsSupport.h"

#include <QApplication>
#include <QWidget>

#include "host/services/DeviceContextQt.h"
#include "host/framework/ControlWidgets.h"
#include "host/stdctrls/StdCtrls.h"

namespace Orvo {

namespace stdctrls {

void FillSolid(HDC dc, const TRect& rect, TColor color) {
    HBRUSH brush = CreateSolidBrush(color);
    Orvo::FillRect(dc, rect, brush);
    DeleteObject(brush);
}

void FrameSolid(HDC dc, const TRect& rect, TColor color) {
    HBRUSH brush = CreateSolidBrush(color);
    Orvo::FrameRect(dc, rect, brush);
    DeleteObject(brush);
}

void Frame3DOnDC(HDC dc, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    // The same rings Frame3D draws on a canvas: top-left colour on the left
    // column (without its bottom pixel) and the top row (without its right
    // pixel), bottom-right colour on the right column and bottom row.
    for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
        const TRect& r = rect;
        FillSolid(dc, Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), topLeft);
        FillSolid(dc, Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), topLeft);
        FillSolid(dc, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), bottomRight);
        FillSolid(dc, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), bottomRight);
        InflateRect(rect, -1, -1);
    }
}

void DrawCaptionText(HDC dc, const TControl* control, std::string_view text, TRect rect, unsigned flags, TColor color,
                     bool enabled) {
    TSavedDC state(dc);
    SelectObject(dc, control->Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        SetTextColor(dc, color);
        DrawText(dc, text, rect, flags);
        return;
    }
    TRect shifted = rect;
    OffsetRect(shifted, 1, 1);
    SetTextColor(dc, clBtnHighlight);
    DrawText(dc, text, shifted, flags);
    SetTextColor(dc, clBtnShadow);
    DrawText(dc, text, rect, flags);
}

QColor ToQColor(TColor color) {
    const COLORREF c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

void ApplyControlFont(QWidget* widget, TControl* control) {
    if (!widget || !control) return;
    if (const QFont* font = FontOf(control->Font()->Handle())) {
        if (widget->font() != *font) widget->setFont(*font);
    }
}

TWinControl* FocusedWinControl() { return ControlOfWidget(QApplication::focusWidget(), true); }

}  // namespace stdctrls

void DrawControlBorder(HDC dc, TRect& rect, bool ctl3D) {
    if (ctl3D) {
        // Sunken: the outer ring shadow/highlight, the inner ring dark
        // shadow/light, as the system's client edge.
        stdctrls::Frame3DOnDC(dc, rect, clBtnShadow, clBtnHighlight, 1);
        stdctrls::Frame3DOnDC(dc, rect, cl3DDkShadow, cl3DLight, 1);
    } else {
        stdctrls::FrameSolid(dc, rect, clWindowFrame);
        InflateRect(rect, -1, -1);
    }
}

}  // namespace Orvo
