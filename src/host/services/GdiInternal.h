#pragma once
// Helpers shared by the sources of the drawing services (not for callers).

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <memory>
#include <optional>

#include "host/services/Colors.h"
#include "host/services/DeviceContextQt.h"

namespace Orvo {

struct TBmpImage;

namespace gdi {

// The pixel value of a colour in a Format_RGB32 image.
inline QRgb ToPixel(TColor color) {
    const COLORREF rgb = ColorToRGB(color);
    return 0xFF000000u | (QRgb(GetRValue(rgb)) << 16) | (QRgb(GetGValue(rgb)) << 8) | QRgb(GetBValue(rgb));
}
inline COLORREF PixelToRGB(QRgb pixel) { return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)); }
inline QColor ToQColor(TColor color) { return QColor::fromRgb(ToPixel(color)); }

// Object bookkeeping. Every object is created through Adopt, which keeps it
// alive until DeleteObject; IsLive answers whether a pointer is an object
// that still exists (so stale handles are refused without touching them).
void Track(TGdiObject* object);
void Untrack(TGdiObject* object);
bool IsLive(const TGdiObject* object);
void AdoptShared(std::shared_ptr<TGdiObject> object);
template <class T>
T* Adopt(std::shared_ptr<T> object) {
    T* raw = object.get();
    AdoptShared(std::move(object));
    return raw;
}
template <class T>
std::shared_ptr<T> Share(T* object) {
    return std::static_pointer_cast<T>(object->shared_from_this());
}
// A live object of a kind, or null.
template <class T>
T* Checked(TGdiObject* object, TGdiObject::TKind kind) {
    return object && IsLive(object) && object->Kind == kind ? static_cast<T*>(object) : nullptr;
}
inline TGdiFont* CheckedFont(HGDIOBJ o) { return Checked<TGdiFont>(o, TGdiObject::TKind::Font); }
inline TGdiBrush* CheckedBrush(HGDIOBJ o) { return Checked<TGdiBrush>(o, TGdiObject::TKind::Brush); }
inline TGdiBitmap* CheckedBitmap(HGDIOBJ o) { return Checked<TGdiBitmap>(o, TGdiObject::TKind::Bitmap); }
inline TGdiRegion* CheckedRegion(HGDIOBJ o) { return Checked<TGdiRegion>(o, TGdiObject::TKind::Region); }

// A DC that exists, or null.
HDC CheckedDC(HDC dc);
// A DC whose image has pixels (a painter can work on it), or null.
HDC DrawableDC(HDC dc);

// The stock objects a new DC starts with.
std::shared_ptr<TGdiFont> DefaultFont();
std::shared_ptr<TGdiBrush> DefaultBrush();
std::shared_ptr<TGdiPen> DefaultPen();

// Whether a device pixel may be painted (inside the image and the clip).
inline bool Paintable(const TDeviceContext& dc, int x, int y) {
    if (x < 0 || y < 0 || x >= dc.Target->width() || y >= dc.Target->height()) return false;
    return !dc.State.Clip || dc.State.Clip->contains(QPoint(x, y));
}

// Whether device pixels may be painted, for code that visits single pixels:
// the paintable area is worked out once, and a rectangular one (the usual
// case) is tested without a region look-up.
class TPaintableTest {
public:
    explicit TPaintableTest(const TDeviceContext& dc)
        : FArea(dc.PaintableArea()), FRect(FArea.boundingRect()), FSimple(FArea.rectCount() <= 1) {}
    bool operator()(int x, int y) const { return FRect.contains(x, y) && (FSimple || FArea.contains(QPoint(x, y))); }
    const QRegion& Area() const { return FArea; }

private:
    QRegion FArea;
    QRect FRect;
    bool FSimple;
};

// A logical rectangle in device coordinates (normalised: empty stays empty).
QRect DeviceRect(const TDeviceContext& dc, const TRect& r);
// A logical rectangle moved by the origin but not scaled: whole logical
// pixels, for lines and frames that ToDevice then widens to the scale.
QRect ViewRect(const TDeviceContext& dc, const TRect& r);
// An area in whole logical pixels (ViewRect's grid) as device pixels: each
// logical pixel becomes a Scale x Scale block. At scale 1 the same area.
QRegion ToDevice(const TDeviceContext& dc, const QRegion& view);
QRect ToDevice(const TDeviceContext& dc, const QRect& view);
// Sets a painter on the DC's image to take logical coordinates: the origin,
// then the scale (none at scale 1).
void MapLogicalToDevice(QPainter& painter, const TDeviceContext& dc);
// The part of a device rectangle that may be painted.
QRegion PaintableRect(const TDeviceContext& dc, const QRect& deviceRect);

// Pixel operations on an RGB32 image within a region (device coordinates,
// already clipped to the image).
// Sets `count` pixels from `row` on to `pixel`, four at a time: the
// compiler leaves a plain fill of 32-bit values one store a pixel at -O2.
void FillPixels(QRgb* row, int count, QRgb pixel);
void FillRegion(QImage& image, const QRegion& area, QRgb pixel);
// Fills the paintable part of a device rectangle: FillRegion of
// PaintableRect, without building regions when the clip is one rectangle
// (a background band, a cell's fill).
void FillDeviceRect(TDeviceContext& dc, const QRect& deviceRect, QRgb pixel);
void XorRegion(QImage& image, const QRegion& area, QRgb mask);
inline QRgb* PixelAt(QImage& image, int x, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)) + x; }
inline const QRgb* PixelAt(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y)) + x;
}

// A painter on the DC's image: clipped to the paintable area, translated by
// the viewport origin, no antialiasing.
class TDcPainter {
public:
    explicit TDcPainter(TDeviceContext& dc);
    QPainter& operator*() { return FPainter; }
    QPainter* operator->() { return &FPainter; }

private:
    QPainter FPainter;
};
// The Qt pen and brush of the DC's selected objects.
QPen PenOf(const TDeviceContext& dc);
QBrush BrushOf(const TDeviceContext& dc);

// Copies (stretching by nearest pixel) `source` of `image` onto `dest`
// (logical) of the DC. Source pixels equal to `key` (RGB only) are skipped,
// or replaced by `keyReplacement` when one is given.
struct TImageCopy {
    const QImage* Image = nullptr;
    QRect Source;                      // pixels of Image
    std::optional<COLORREF> Key;
    std::optional<QRgb> KeyReplacement;
};
bool StretchImage(HDC dest, const TRect& destRect, const TImageCopy& copy);

// The pixels covered by a filled, outlined shape (Ellipse or RoundRect with a
// one-pixel pen) in the box [left, right) x [top, bottom).
enum class TShapeKind { Ellipse, RoundRect };
QRegion ShapeArea(TShapeKind kind, const QRect& box, int ellipseWidth, int ellipseHeight);

// A decoded BMP (host/services/BmpCodec.h) as an RGB32 image.
QImage ImageFromBmp(const Orvo::TBmpImage& bmp);

// The QFont of a logical font.
QFont BuildFont(const LOGFONT& log);
// The data of a logical font: the one made for the same description while
// a font object still holds it, or made now.
std::shared_ptr<TGdiFontData> SharedFontData(const LOGFONT& log);

}  // namespace gdi

}  // namespace Orvo
