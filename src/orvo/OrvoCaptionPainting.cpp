#include "orvo/OrvoCaptionPainting.h"

#include <exception>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/framework/Controls.h"
#include "host/framework/Graphics.h"

namespace Orvo {

// ---------------------------------------------------------------- background and border

void DrawOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor) {
    if (border == obNone) return;
    FrameOrvoBorder(canvas, rect, border, borderColor);
    OffsetRect(rect, -1, 0);
}

void FrameOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor) {
    TColor topLeft = clBtnFace;
    TColor bottomRight = clBtnFace;
    switch (border) {
        case obNone:
            return;
        case obLowered:
            topLeft = clBtnShadow;
            bottomRight = clBtnHighlight;
            break;
        case obRaised:
            topLeft = clBtnHighlight;
            bottomRight = clBtnShadow;
            break;
        case obSimple:
            topLeft = borderColor;
            bottomRight = borderColor;
            break;
    }
    Frame3D(canvas, rect, topLeft, bottomRight, 1);
}

// ---------------------------------------------------------------- caption

std::string CaptionMeasuringText(std::string_view caption) {
    std::string text(caption);
    if (const auto amp = text.find('&'); amp != std::string::npos) text.erase(amp, 1);
    return text;
}

TCaptionLayout LayoutCaption(TCanvas* canvas, std::string_view caption, const TRect& clientRect, TLeftRight alignment,
                             bool wordWrap) {
    TCaptionLayout layout;
    layout.MeasuringText = CaptionMeasuringText(caption);
    if (wordWrap) {
        TRect bounds = Rect(clientRect.Left + 20, clientRect.Top, clientRect.Right, clientRect.Bottom);
        // Measured as drawn, with its "&" marks (see DrawCaption).
        DrawText(canvas->Handle(), caption, bounds, DT_CALCRECT | DT_WORDBREAK);
        layout.TextSize = TSize{bounds.Width(), bounds.Height()};
    } else {
        layout.TextSize = canvas->TextExtent(layout.MeasuringText);
    }
    const int w = layout.TextSize.cx;
    const int h = layout.TextSize.cy;
    // C++ division truncates toward zero, also for text taller than the control.
    const int top = clientRect.Top + (clientRect.Bottom - clientRect.Top - h) / 2;
    const int left = clientRect.Left + (alignment == taLeftJustify ? 3 : 20);
    layout.CaptionRect = Rect(left, top, left + w, top + h);
    return layout;
}

void SelectCaptionFont(TCanvas* canvas, const TFont* font, TColor paintFontColor) {
    canvas->SetFont(font);
    canvas->Font()->SetColor(paintFontColor);
}

void DrawCaptionFocusRect(TCanvas* canvas, const TRect& captionRect) {
    TRect frame = captionRect;
    InflateRect(frame, 1, 1);
    canvas->DrawFocusRect(frame);
}

namespace {

void DrawCaptionText(TCanvas* canvas, std::string_view caption, TRect rect, unsigned flags) {
    DrawText(canvas->Handle(), caption, rect, flags);
}

}  // namespace

void DrawDisabledCaption(TCanvas* canvas, const TCaptionDrawing& caption) {
    canvas->SetFont(caption.Font);
    canvas->Brush()->SetStyle(bsClear);
    DrawCaptionText(canvas, caption.Caption, caption.Rect, caption.LayoutFlags);
    canvas->Font()->SetColor(clBtnHighlight);
    TRect raised = caption.Rect;
    OffsetRect(raised, 1, 1);
    DrawCaptionText(canvas, caption.Caption, raised, caption.LayoutFlags);
    canvas->Font()->SetColor(clBtnShadow);
}

void DrawCaption(TCanvas* canvas, const TCaptionDrawing& caption) {
    canvas->Brush()->SetStyle(bsClear);
    if (!caption.Enabled) DrawDisabledCaption(canvas, caption);
    DrawCaptionText(canvas, caption.Caption, caption.Rect, caption.LayoutFlags | (caption.WordWrap ? DT_WORDBREAK : 0u));
    if (caption.Font) canvas->Font()->SetColor(caption.Font->Color());
}

void AutoSizeToCaption(TControl& control, TCanvas* canvas, std::string_view measuringText, TLeftRight alignment) {
    const int newWidth = canvas->TextWidth(measuringText) + 24;
    if (alignment == taLeftJustify) control.SetLeft(control.Left() - (newWidth - control.Width()));
    control.SetWidth(newWidth);
}

}  // namespace Orvo
