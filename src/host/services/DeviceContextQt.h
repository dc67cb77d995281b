#pragma once
// Host-internal view of device contexts and GDI objects: what the host's Qt
// code (the host widget, the window regions, the drawing services) needs.
// Only src/host and its tests include this header.

#include <QFont>
#include <QImage>
#include <QRegion>

#include <memory>
#include <optional>
#include <vector>

#include "host/services/Colors.h"
#include "host/services/Gdi.h"

struct TGdiTextCache;  // the text functions' own (DrawText.cpp)

struct TGdiFontData {
    QFont Font;  // mapped family, pixel size, styles, no antialiasing
    // Texts this font has measured and laid out. A font object never
    // changes once made (a changed font makes a new object), so what is
    // kept stays true for as long as the object lives.
    std::shared_ptr<TGdiTextCache> Text;
};

struct TGdiBitmapData {
    QImage Image;  // always QImage::Format_RGB32
};

struct TGdiRegionData {
    QRegion Area;  // device pixels
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

    // The area that may be painted, in device coordinates.
    QRegion PaintableArea() const;
    // Logical to device; far-away values saturate instead of overflowing.
    int DX(int x) const { return Saturate((long long)x + State.Origin.X); }
    int DY(int y) const { return Saturate((long long)y + State.Origin.Y); }
    static int Saturate(long long v) { return int(v < -(1LL << 30) ? -(1LL << 30) : v > (1LL << 30) ? (1LL << 30) : v); }
};

// A DC drawing on `target` (which must be QImage::Format_RGB32 and outlive
// the DC), in its default state: origin (0,0), no clip, the system font, a
// white brush, a black pen, black text on a white opaque background.
std::unique_ptr<TDeviceContext> CreateImageDC(QImage& target);
// The image a DC draws on (null for a null DC).
QImage* DCImage(HDC dc);

// The Qt data of objects (null handles give null).
const QFont* FontOf(HFONT font);
QImage* BitmapImage(HBITMAP bitmap);
const QRegion* RegionArea(HRGN region);
// A new region object holding `area`, owned by the caller (DeleteObject).
HRGN CreateRegionFrom(const QRegion& area);
// A new bitmap object holding a copy of `image` converted to RGB32.
HBITMAP CreateBitmapFrom(const QImage& image);
