#pragma once
// Host-internal: the picture behind a control without a parent that lies in
// an outside window (a widget of a Qt program, TWinControl::SetParentWindow),
// for where the control is transparent. The window backend answers
// PaintOutsideBackground (host/framework/Controls.h) with it.
//
// Only src/host and its tests include this header.

#include "host/framework/Controls.h"

namespace Orvo {

// Paints into `dc` (`root`'s client coordinates) what lies behind `root`
// among the Qt widgets around it: the nearest framework control placed
// beneath it in an outside window (its background, its own painting and its
// windowless children, as a parent paints for a transparent child), or else
// the background colour of the nearest widget that fills its background.
// Widgets in between that paint nothing are looked through. False when
// nothing was painted.
bool PaintBehindOutsideRoot(TWinControl* root, HDC dc);

}  // namespace Orvo
