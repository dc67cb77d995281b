#pragma once
// Caption and border painting shared by the library's captioned controls:
// the border kinds (check controls, static text), the caption layout beside
// a check mark and its focus frame (check box, radio button, the heading of
// the group box with check), and the caption's plain and embossed drawing
// (those and the static text and the button).
//
// Each piece is a small function of the values it needs, so a control's
// Paint reads as the list of its steps and two controls that follow the same
// rule call the same code.

#include <string>
#include <string_view>

#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/services/Types.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

class TCanvas;
class TControl;
class TFont;

// ---------------------------------------------------------------- background and border

// Frames `rect` for the border kind with Frame3D:
//
//   border      top-left        bottom-right    width
//   obNone      -               -               0 (nothing, rect unchanged)
//   obLowered   clBtnShadow     clBtnHighlight  1
//   obRaised    clBtnHighlight  clBtnShadow     1
//   obSimple    borderColor     borderColor     1
//
// Frame3D shrinks the rectangle by one pixel a side; after a drawn border
// it is also moved one pixel left, so the caption keeps its horizontal
// place whether or not there is a border.
void DrawOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor);

// The same frame without the move: `rect` ends up shrunk by one pixel a
// side after a drawn border (unchanged for obNone). Controls whose inside
// is the client rectangle less its frame (the static text) use this.
void FrameOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor);

// ---------------------------------------------------------------- caption

// The caption as it is measured: without its first "&" (only the first, so
// "A&&B" measures as "A&B", which is how the text drawing shows it).
std::string CaptionMeasuringText(std::string_view caption);

/// Where the caption goes in a paint.
struct TCaptionLayout {
    std::string MeasuringText;
    TSize TextSize;     // w and h of the measuring text
    TRect CaptionRect;  // where the caption is drawn
};

// Lays the caption out in `clientRect` with the canvas's current font.
// The text is measured with the canvas's text extent, or with WordWrap as
// the rectangle DrawText computes (DT_CALCRECT | DT_WORDBREAK, for the
// caption with its "&" marks, as it is drawn) in
// (Left + 20, Top, Right, Bottom) whatever the alignment. It is centred
// vertically (the division truncating toward zero) and starts at Left + 3
// for taLeftJustify (the mark sits at the right) or Left + 20 otherwise.
TCaptionLayout LayoutCaption(TCanvas* canvas, std::string_view caption, const TRect& clientRect, TLeftRight alignment,
                             bool wordWrap);

// Gives the canvas the control's font, then the colour of this paint.
void SelectCaptionFont(TCanvas* canvas, const TFont* font, TColor paintFontColor);

// The dotted focus frame round the caption, one pixel outside it.
void DrawCaptionFocusRect(TCanvas* canvas, const TRect& captionRect);

/// Draws a control's caption: measured, wrapped, aligned, embossed when disabled.
struct TCaptionDrawing {
    std::string_view Caption;     // drawn with its "&" marks
    TRect Rect;                   // the caption rectangle
    const TFont* Font = nullptr;  // the control's font
    bool Enabled = true;
    bool WordWrap = false;
    // Text-drawing flags every copy of the caption uses, the embossed ones
    // of a disabled caption included (the static text's DT_WORDBREAK and
    // alignment). The check controls leave it 0.
    unsigned LayoutFlags = 0;
};

// Draws the caption with a clear brush in the canvas's font colour (flags
// LayoutFlags, plus DT_WORDBREAK with WordWrap); a disabled caption is embossed first
// (DrawDisabledCaption), which leaves the colour at clBtnShadow for this
// last copy. Afterwards the canvas font colour is the font's own again.
void DrawCaption(TCanvas* canvas, const TCaptionDrawing& caption);

// The embossed part of a disabled caption, with flags LayoutFlags only (so
// WordWrap plays no part in it): the caption
// in the font's colour, a clBtnHighlight copy one pixel right and down, and
// the font colour left at clBtnShadow for the copy DrawCaption draws on top.
void DrawDisabledCaption(TCanvas* canvas, const TCaptionDrawing& caption);

// AutoSize: the control becomes the caption's text width + 24 wide, its
// height unchanged. With taLeftJustify (the mark at the right) it first
// moves left by the growth, so that its right edge stays where it was.
void AutoSizeToCaption(TControl& control, TCanvas* canvas, std::string_view measuringText, TLeftRight alignment);

}  // namespace Orvo
