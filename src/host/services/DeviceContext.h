#pragma once
// Device contexts: the window services' drawing state on a 32-bit image.
//
// A device context (DC) targets one image (bytes blue, green, red, reserved)
// and carries the state that drawing calls read: a viewport origin (logical
// point (0,0) lands on logical point origin of the image), a clip region in
// device coordinates, the selected font, brush and pen, the text and background
// colours, the background mode and a stack of saved states.
//
// Coordinates given to drawing calls are logical; the DC adds the viewport
// origin. A window's DC at a device pixel ratio of 2 has two device pixels
// per logical pixel each way: coordinates stay logical, text and shapes are
// drawn at the finer resolution, a picture's pixel becomes a 2 x 2 block.
// Nothing is ever drawn outside the clip region or the image.
//
// The drawing functions themselves (BitBlt, DrawText, FillRect...) and the
// GDI objects live in host/services/Gdi.h, which includes this header.

#include <cstdint>
#include <functional>

#include "host/services/Types.h"

namespace Orvo {

struct TDeviceContext;
using HDC = TDeviceContext*;

// Background modes (SetBkMode).
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Region complexity answers (GetClipBox, CombineRgn...).
constexpr int ERROR_REGION = 0;  // the window services call it ERROR
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Saved states. SaveDC answers the new save level (1 for the first save) or 0
// on failure. RestoreDC(dc, -1) restores the latest saved state;
// RestoreDC(dc, n) with n > 0 restores the state saved at level n and drops
// every later level. An unknown level answers false and changes nothing.
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int savedLevel);

// Viewport origin: the point of the image (in logical pixels) where logical
// (0,0) lands. The previous
// origin is written to `previous` when it is not null.
bool GetViewportOrgEx(HDC dc, TPoint* origin);
bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* previous);

// Clipping. IntersectClipRect and ExcludeClipRect take logical coordinates;
// the region they build is kept in device coordinates, so a later origin
// change does not move it. The answers are region complexities.
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// The bounding box of the area that may be painted (clip region within the
// image), in logical coordinates. Answers NULLREGION with an empty box when
// nothing may be painted.
int GetClipBox(HDC dc, TRect* box);

// Colours and modes. Each answers the previous value. Colours may be system
// colours; they are resolved through ColorToRGB when used.
TColor SetTextColor(HDC dc, TColor color);
TColor GetTextColor(HDC dc);
TColor SetBkColor(HDC dc, TColor color);
TColor GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);

// Current position for MoveToEx / LineTo.
bool MoveToEx(HDC dc, int x, int y, TPoint* previous);
bool GetCurrentPositionEx(HDC dc, TPoint* position);
bool LineTo(HDC dc, int x, int y);

// Single pixels in logical coordinates. GetPixel answers CLR_INVALID for a
// point outside the image or the clip region.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, TColor color);

// The size of the DC's image in logical pixels (0,0 for a DC without one).
TPoint GetDCImageSize(HDC dc);

// Row memory of the pixels a DC may paint within `rect` (logical): `visit`
// is called once for every horizontal span of device pixels inside the
// image, the clip region and the rectangle, top to bottom, with the span's
// first pixel (4 bytes a pixel: blue, green, red, reserved) and its pixel
// count. For per-pixel work that must not pay a call or a clip test per
// pixel. Answers false for an unknown DC.
using TPixelSpanVisitor = std::function<void(std::uint8_t* pixels, int count)>;
bool ForEachPaintableSpan(HDC dc, const TRect& rect, const TPixelSpanVisitor& visit);

/// The one guard of a device context's state: saves it (origin, clip region,
/// selected objects, colours, modes) when made and restores it when it goes,
/// also when an exception leaves the scope. A painting step that shifts the
/// origin or narrows the clip does it through the guard:
///
///     TSavedDC saved(dc);
///     saved.ShiftOrigin(child->Left(), child->Top());
///     saved.ClipTo(0, 0, child->Width(), child->Height());
///     child->Perform(WM_PAINT, ...);
///
/// Saved() is false for a device context whose state could not be saved; the
/// guard then restores nothing, and a step whose changes must not outlive it
/// had better not make them.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FLevel(SaveDC(dc)) {}
    ~TSavedDC() {
        if (FLevel) RestoreDC(FDC, FLevel);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

    bool Saved() const { return FLevel != 0; }
    // Moves the viewport origin by (dx, dy) logical pixels.
    void ShiftOrigin(int dx, int dy) const { OffsetViewportOrgEx(FDC, dx, dy, nullptr); }
    // Narrows the clip region to a rectangle of logical coordinates.
    void ClipTo(int left, int top, int right, int bottom) const { IntersectClipRect(FDC, left, top, right, bottom); }

private:
    HDC FDC;
    int FLevel;
};

// A memory DC: at first it targets a 1 x 1 image of its own; selecting a
// bitmap (SelectObject with an HBITMAP) makes it draw on that bitmap.
// DeleteDC frees a DC made by CreateCompatibleDC (never an image DC made by
// the host, nor a screen DC).
HDC CreateCompatibleDC(HDC reference);
bool DeleteDC(HDC dc);

// The screen DC: a small image-backed DC used to measure text. Each call
// answers a new DC in its default state (the system font selected), which
// ReleaseDC frees; ReleaseDC answers 1, or 0 for a DC GetDC did not make.
// Only the null window is supported: outside a paint there is no per-window
// DC (GetDC with a window answers null).
HDC GetDC(const void* window);
int ReleaseDC(const void* window, HDC dc);

}  // namespace Orvo
