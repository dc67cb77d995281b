#pragma once
// Window services of windowed controls, with the window services' names:
// window styles (GetWindowLong / SetWindowLong), deferred positioning of
// several windows at once, window regions, the mouse cursor and the parent
// window.
//
// A window handle (HWND) is the window of a TWinControl; services given a
// handle that belongs to no live control answer 0 / false / null and do
// nothing.

#include <cstdint>

#include "host/services/Gdi.h"
#include "host/services/Types.h"

namespace Orvo {

struct HWND__;
using HWND = HWND__*;
struct HDWP__;
using HDWP = HDWP__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;
using LONG = std::int32_t;

// Window styles.
constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr std::uint32_t WS_MAXIMIZE = 0x01000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;
constexpr std::uint32_t WS_HSCROLL = 0x00100000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
constexpr std::uint32_t WS_GROUP = 0x00020000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;

constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr std::uint32_t WS_EX_TRANSPARENT = 0x00000020;
constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr std::uint32_t WS_EX_CONTEXTHELP = 0x00000400;
constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;

// Window class styles.
constexpr std::uint32_t CS_VREDRAW = 0x0001;
constexpr std::uint32_t CS_HREDRAW = 0x0002;
constexpr std::uint32_t CS_DBLCLKS = 0x0008;

constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_STYLE = -16;

// The window's style or extended style; 0 for an unknown window or index.
LONG GetWindowLong(HWND window, int index);
// Sets the style and answers the previous one. WS_VISIBLE, WS_DISABLED and
// WS_TABSTOP take effect on the control at once; the other bits are stored
// and read back by the window's painting and by GetWindowLong.
LONG SetWindowLong(HWND window, int index, LONG value);

// The window's parent window (null for a top-level window).
HWND GetParent(HWND window);
HWND GetParentHandle(HWND window);
bool IsWindow(HWND window);

// Deferred positioning: queue the new places of several windows and apply
// them together at EndDeferWindowPos, so the parent is repainted once.
// Windows that died before EndDeferWindowPos are skipped.
constexpr std::uint32_t SWP_NOSIZE = 0x0001;
constexpr std::uint32_t SWP_NOMOVE = 0x0002;
constexpr std::uint32_t SWP_NOZORDER = 0x0004;
constexpr std::uint32_t SWP_NOREDRAW = 0x0008;
constexpr std::uint32_t SWP_NOACTIVATE = 0x0010;
constexpr std::uint32_t SWP_SHOWWINDOW = 0x0040;
constexpr std::uint32_t SWP_HIDEWINDOW = 0x0080;
HDWP BeginDeferWindowPos(int numWindows);
// Answers `info`, or null (with the queue freed) for a null queue.
HDWP DeferWindowPos(HDWP info, HWND window, HWND insertAfter, int x, int y, int cx, int cy, std::uint32_t flags);
bool EndDeferWindowPos(HDWP info);
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, std::uint32_t flags);

// The window's shape: from now on it paints and takes mouse input only
// inside `region` (window coordinates); a click outside reaches whatever lies
// below. The system owns the region afterwards (it is freed here). A null
// region gives the whole window back. Answers false for an unknown window.
// A window is shaped in whole logical pixels: at a device pixel ratio above
// 1 it takes every pixel holding a device pixel of an elliptic or rounded
// region's curve, and its own painting decides what shows in the device
// pixels of those edge pixels that lie outside the curve.
int SetWindowRgn(HWND window, HRGN region, bool redraw);
// Copies the window's region, as the window took it (whole logical pixels),
// into `region`; answers ERROR_REGION when the window has none.
int GetWindowRgn(HWND window, HRGN region);

// Cursors. The handles are shapes of the system; SetCursor(nullptr) hides
// the pointer until the next mouse movement, after which the framework shows
// the control's Cursor again. Answers the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// A cursor for one of the framework's TCursor values (crArrow...).
HCURSOR CursorHandle(int cursor);

bool InvalidateRect(HWND window, const TRect* rect, bool erase);

}  // namespace Orvo
