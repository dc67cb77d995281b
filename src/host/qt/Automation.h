#pragma once
// Driving a shown form the way a user would, without a display: real Qt
// input events given to the form's top-level window (so hit-testing, the
// implicit mouse grab, enter/leave, double-click timing, focus and
// accelerators run exactly as in a program), waiting until everything is
// painted, and writing what the user would see to a PNG file.
//
// Used by orvoform and by end-to-end tests. Nothing here names a Qt type, so
// code above the host layer can call it.

#include <cstdint>
#include <string>

#include "host/framework/Controls.h"

namespace Orvo {

class TCustomForm;

// Makes the next application object start on Qt's headless (offscreen)
// platform with `devicePixelRatio` device pixels per logical pixel (1: one,
// whatever the caller's environment says; 2: a high-density screen, where
// RenderClientArea writes twice as many pixels each way). Call before the
// application object is created.
void UseOffscreenPlatform(int devicePixelRatio = 1);

// Keeps Qt's own debug output and warnings (about the headless environment:
// no runtime directory, no window manager) off the standard error stream, so
// that a tool's error stream holds only its own messages. Critical and fatal
// messages still appear.
void SilenceQtWarnings();

// Shows the form as the program would (its OnShow runs), makes its window the
// active one and waits until it has painted completely.
void ShowFormForAutomation(TCustomForm* form);

// Handles pending events until a whole round passes without painting,
// resizing or moving anything: what painting changes (a control that sizes
// itself while it paints) is painted too. Gives up after a bounded number of
// rounds, so a control that invalidates itself on every paint cannot hang it.
void ProcessPendingPaints();

// How far outside its window the automated pointer goes at most: a point
// further out is taken as this far out in the same direction.
constexpr std::int64_t kMaxAutomationOffset = std::int64_t(1) << 24;

// The top-level window's point that lies at `clientPoint` of `control` (a
// windowed or windowless control on a shown form), in the window's pixels,
// kept within kMaxAutomationOffset.
TPoint AutomationWindowPoint(const TControl* control, TPoint clientPoint);

// The centre of a control's client area, in its client coordinates.
TPoint ClientCentre(const TControl* control);

// Mouse input with the left button, in `control`'s client coordinates. Each
// moves the pointer to the point first (enter and leave messages follow the
// pointer); a release while the button is held elsewhere drags there first.
// Clicks are spaced so that two separate clicks never make a double click.
void MoveMouse(const TControl* control, TPoint clientPoint);
void PressMouse(const TControl* control, TPoint clientPoint);
void ReleaseMouse(const TControl* control, TPoint clientPoint);
void ClickMouse(const TControl* control, TPoint clientPoint);
void DoubleClickMouse(const TControl* control, TPoint clientPoint);

// Keys typed on the form's window (they reach the focused control). SendKey
// takes a virtual-key code (VK_RETURN, VK_SPACE, VK_TAB, VK_ESCAPE, VK_BACK,
// arrows) or, for SendChar, one printable character. SendAltChar holds Alt
// while typing the character: the accelerator path.
void SendKey(const TCustomForm* form, int virtualKey);
void SendChar(const TCustomForm* form, char ch);
void SendAltChar(const TCustomForm* form, char ch);

// A modal window (a colour chooser nobody scripted an answer for) would wait
// for a user forever. Once guarded, every modal dialog that opens is
// cancelled at once and remembered; TakeDismissedDialog answers the title of
// the latest one since the previous call (false when none opened).
void DismissUnexpectedDialogs();
bool TakeDismissedDialog(std::string& title);

// Renders the client area of a windowed control (a form or a control on a
// shown form) at one image pixel per screen pixel and writes it as PNG,
// whole or not at all, to a regular file or a new one (a symbolic link is
// written through; a directory, device, FIFO or socket at the path is left
// alone: host/services/OutputFile.h). Answers false with `error` set otherwise.
bool RenderClientArea(TWinControl* control, const std::string& pngPath, std::string& error);

}  // namespace Orvo
