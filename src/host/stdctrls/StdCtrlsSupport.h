#pragma once
// Host-internal helpers shared by the standard controls' sources: solid
// fills, frames and captions on a device context, and the Qt side of the
// supplied widgets (fonts and palettes). Only src/host includes this header.

#include <QColor>

#include <string>

#include "host/services/Colors.h"
#include "host/framework/Controls.h"
#include "host/services/Gdi.h"

class QWidget;

namespace Orvo {

namespace stdctrls {

// Fills a rectangle with a colour (system colours allowed).
void FillSolid(HDC dc, const TRect& rect, TColor color);
// A one-pixel frame in a colour.
void FrameSolid(HDC dc, const TRect& rect, TColor color);
// Frame3D on a device context: top-left and bottom-right colours, `width`
// rings, shrinking `rect`.
void Frame3DOnDC(HDC dc, TRect& rect, TColor topLeft, TColor bottomRight, int width);
// Draws `text` with DrawText in the control's font and a colour, without a
// background; engraved (highlight offset by one, then shadow) when disabled.
void DrawCaptionText(HDC dc, const TControl* control, std::string_view text, TRect rect, unsigned flags, TColor color,
                     bool enabled);

// The Qt colour of a framework colour.
QColor ToQColor(TColor color);
// Gives a supplied widget the control's font (mapped as the drawing layer
// maps it).
void ApplyControlFont(QWidget* widget, TControl* control);

// The control whose window has the keyboard focus now (null when none).
TWinControl* FocusedWinControl();

}  // namespace stdctrls

}  // namespace Orvo
