#pragma once
// Host-internal view of device contexts and GDI objects: what the host's Qt
// code (the host widget, the window regions, the drawing services) needs.
// Only src/host and its tests include this header.

#include <QFont>
#include <QImage>
#include <QRegion>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/services/Colors.h"
#include "host/services/Gdi.h"

namespace Orvo {

struct TGdiTextCache;  // the text functions' own (DrawText.cpp)

// What a font description makes: shared by every font object made from the
// same description while any of them lives (a form's controls each have a
// font object, mostly of one description), so the Qt font is made once and
// a text is measured and shaped once for all of them.
struct TGdiFontData {
    QFont Font;  // mapped family, pixel size, styles, grey antialiasing
    // Texts this font has measured and laid out. A font object never
    // changes once made (a changed font makes a new object), so what is
    // kept stays true for as long as the object lives.
    std::shared_ptr<TGdiTextCache> Text;
};

struct TGdiBitmapData {
    QImage Image;  // always QImage::Format_RGB32
    // Device pixels per logical pixel: 1 for pictures (loaded or made at
    // their own size), the window's ratio for bitmaps made compatible with a
    // window's DC, so that what is drawn on them keeps the window's detail.
    int Scale = 1;
};

struct TGdiRegionData {
    QRegion Area;  // device pixels (the logical pixels of the window it is for)
    // The area at a finer density (scale device pixels a logical pixel),
    // exact within `limit` (device coordinates): set for the curve of an
    // elliptic or rounded region and for what moving and combining make of
    // one, so its edge keeps the detail an Ellipse drawn there has. Null, or
    // no answer (a part too large to draw), means whole logical pixels.
    std::function<std::optional<QRegion>(int scale, const QRect& limit)> Finer;
};

// One saved (or the current) state of a DC.
struct TDeviceContextState {
    TPoint Origin;
    std::optional<QRegion> Clip;  // device coordinates; none = the whole image
    std::shared_ptr<TGdiFont> Font;
    std::shared_ptr<TGdiBrush> Brush;
    std::shared_ptr<TGdiPen> Pen;
    std::shared_ptr<TGdiBitmap> Bitmap;  // memory DCs: the selected bitmap
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    int BkMode = OPAQUE;
    TPoint PenPos;
};

struct TDeviceContext {
    enum class TKind : std::uint8_t { Image, Memory, Screen };
    TDeviceContext();
    ~TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    TKind Kind = TKind::Image;
    QImage* Target = nullptr;        // the image drawn on
    std::unique_ptr<QImage> Own;     // memory and screen DCs: their default image
    TDeviceContextState State;
    std::vector<TDeviceContextState> Saved;
    // Device pixels per logical pixel (the window's device pixel ratio; a
    // memory DC takes its selected bitmap's). Coordinates, the origin
    // included, stay logical; only the pixels are finer. At most MaxScale, so
    // far-away coordinates, clamped before scaling, cannot overflow.
    int Scale = 1;
    static constexpr int MaxScale = 4;

    // The area that may be painted, in device coordinates.
    QRegion PaintableArea() const;
    // Logical to device; far-away values saturate instead of overflowing.
    int DX(int x) const { return Saturate(((long long)x + State.Origin.X) * Scale); }
    int DY(int y) const { return Saturate(((long long)y + State.Origin.Y) * Scale); }
    // Logical moved by the origin, before the scale: the grid of logical
    // pixels on the image, for drawing that keeps whole logical pixels. Held
    // within 2^28 either way, so times MaxScale it is still an int.
    int ViewX(int x) const { return SaturateView((long long)x + State.Origin.X); }
    int ViewY(int y) const { return SaturateView((long long)y + State.Origin.Y); }
    static int SaturateView(long long v) { return int(v < -(1LL << 28) ? -(1LL << 28) : v > (1LL << 28) ? (1LL << 28) : v); }
    static int Saturate(long long v) { return int(v < -(1LL << 30) ? -(1LL << 30) : v > (1LL << 30) ? (1LL << 30) : v); }
};

// A DC drawing on `target` (which must be QImage::Format_RGB32 and outlive
// the DC), in its default state: origin (0,0), no clip, the system font, a
// white brush, a black pen, black text on a white opaque background. With a
// `scale` above 1 the image holds that many device pixels per logical pixel
// each way (a window at a device pixel ratio of 2: scale 2), 1 to MaxScale.
std::unique_ptr<TDeviceContext> CreateImageDC(QImage& target, int scale = 1);
// The image a DC draws on (null for a null DC).
QImage* DCImage(HDC dc);

// The Qt data of objects (null handles give null).
const QFont* FontOf(HFONT font);
QImage* BitmapImage(HBITMAP bitmap);
const QRegion* RegionArea(HRGN region);
// A region's area at `scale` device pixels a logical pixel, exact within
// `limit` (device coordinates): a curve at the device's detail (Finer),
// anything else as whole logical pixels of scale x scale device pixels. At
// scale 1 the region's own area.
QRegion RegionAreaAt(const TGdiRegionData& region, int scale, const QRect& limit);
// Whole logical pixels as blocks of scale x scale device pixels.
QRegion ScaledArea(const QRegion& logical, int scale);
// The whole logical pixels that hold any pixel of a device area: the
// smallest area of whole pixels round it (a window's shape at a device
// pixel ratio above 1).
QRegion CoveringPixels(const QRegion& device, int scale);
// The whole logical pixels a window of `scale` device pixels a logical
// pixel takes for `region`: its area at scale 1, the pixels covering its
// curve's device pixels above (empty for a null region).
QRegion WindowShapeArea(HRGN region, int scale);
// A new region object holding `area`, owned by the caller (DeleteObject).
HRGN CreateRegionFrom(const QRegion& area);
// A new bitmap object holding a copy of `image` converted to RGB32.
HBITMAP CreateBitmapFrom(const QImage& image);

}  // namespace Orvo
