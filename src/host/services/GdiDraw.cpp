// Fills, frames, lines, shapes and frame controls.
#include <algorithm>
#include <cmath>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "host/services/GdiInternal.h"

namespace Orvo {

namespace gdi {

void FillPixels(QRgb* row, int count, QRgb pixel) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(int(pixel));
    for (; i + 4 <= count; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), four);
#endif
    for (; i < count; ++i) row[i] = pixel;
}

void FillRegion(QImage& image, const QRegion& area, QRgb pixel) {
    const QRect bounds = image.rect();
    uchar* bits = nullptr;  // one detach check for the whole region, not one a row
    const qsizetype stride = image.bytesPerLine();
    for (const QRect& r0 : area) {
        const QRect r = r0 & bounds;
        if (r.isEmpty()) continue;
        if (!bits) bits = image.bits();
        for (int y = r.top(); y <= r.bottom(); ++y)
            FillPixels(reinterpret_cast<QRgb*>(bits + y * stride) + r.left(), r.width(), pixel);
    }
}

void FillDeviceRect(TDeviceContext& dc, const QRect& deviceRect, QRgb pixel) {
    if (deviceRect.isEmpty() || !dc.Target || dc.Target->isNull()) return;
    if (dc.State.Clip && dc.State.Clip->rectCount() > 1) {
        FillRegion(*dc.Target, PaintableRect(dc, deviceRect), pixel);
        return;
    }
    QRect r = deviceRect & dc.Target->rect();
    if (dc.State.Clip) r &= dc.State.Clip->boundingRect();
    if (r.isEmpty()) return;
    // One detach check for the whole fill, then plain row stores.
    uchar* bits = dc.Target->bits();
    const qsizetype stride = dc.Target->bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y)
        FillPixels(reinterpret_cast<QRgb*>(bits + y * stride) + r.left(), r.width(), pixel);
}

void XorRegion(QImage& image, const QRegion& area, QRgb mask) {
    const QRect bounds = image.rect();
    for (const QRect& r0 : area) {
        const QRect r = r0 & bounds;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            QRgb* p = PixelAt(image, r.left(), y);
            for (int x = 0; x < r.width(); ++x) p[x] ^= mask;
        }
    }
}

TDcPainter::TDcPainter(TDeviceContext& dc) : FPainter(dc.Target) {
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setRenderHint(QPainter::TextAntialiasing, false);
    if (dc.State.Clip) FPainter.setClipRegion(*dc.State.Clip);
    MapLogicalToDevice(FPainter, dc);
}

QPen PenOf(const TDeviceContext& dc) {
    const TGdiPen* pen = dc.State.Pen.get();
    if (!pen || pen->Style == PS_NULL) return QPen(Qt::NoPen);
    QPen q(ToQColor(pen->Color));
    q.setWidth(std::max(pen->Width, 1));
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    switch (pen->Style) {
        case PS_DASH: q.setStyle(Qt::DashLine); break;
        case PS_DOT: q.setStyle(Qt::DotLine); break;
        case PS_DASHDOT: q.setStyle(Qt::DashDotLine); break;
        case PS_DASHDOTDOT: q.setStyle(Qt::DashDotDotLine); break;
        default: q.setStyle(Qt::SolidLine); break;
    }
    return q;
}

QBrush BrushOf(const TDeviceContext& dc) {
    const TGdiBrush* brush = dc.State.Brush.get();
    if (!brush || brush->Style == BS_NULL) return QBrush(Qt::NoBrush);
    return QBrush(ToQColor(brush->Color));
}

}  // namespace gdi

using namespace gdi;

namespace {

// Longer one-pixel lines (far beyond any image) go through the painter,
// which clips them first.
constexpr long long kMaxPlottedLine = 1 << 16;

bool PenIsNull(const TDeviceContext& d) { return !d.State.Pen || d.State.Pen->Style == PS_NULL; }
bool BrushIsNull(const TDeviceContext& d) { return !d.State.Brush || d.State.Brush->Style == BS_NULL; }
int PenWidth(const TDeviceContext& d) { return d.State.Pen ? std::max(d.State.Pen->Width, 1) : 1; }

// Qt's raster puts a path's integer coordinates on pixel corners, so a
// one-pixel pen's outer edge lies half a pixel outside the path: at ratio 1
// that half is given to the right and bottom, and the shape stays in its
// box's pixels (left, top, right - 1, bottom - 1). Finer, both halves would
// show and the shape would hang half a logical pixel up and left of its box.
// Every curve is moved by that half instead (whatever its pen, so shapes
// drawn over one another keep their places), and a one-pixel outline fills
// its box's device pixels as it does at ratio 1.
void KeepShapeInItsBox(QPainter& painter, const TDeviceContext& d) {
    if (d.Scale > 1) painter.translate(0.5, 0.5);
}

// A one-pixel line from (x0,y0) towards (x1,y1), in whole logical pixels
// (ViewX / ViewY), the end point left out (the window services' rule, so
// polylines join without drawing a corner twice).
void PlotLine(TDeviceContext& d, int x0, int y0, int x1, int y1, QRgb pixel) {
    if (x0 == x1 && y0 == y1) return;
    if (x0 == x1 || y0 == y1) {
        // Straight across or down: a one-pixel-wide rectangle, filled span by
        // span instead of pixel by pixel, through the clip's rectangles
        // (a frame's lines are many and short: no region is made for them).
        const QRect line = ToDevice(d, y0 == y1 ? (x0 < x1 ? QRect(x0, y0, x1 - x0, 1) : QRect(x1 + 1, y0, x0 - x1, 1))
                                                : (y0 < y1 ? QRect(x0, y0, 1, y1 - y0) : QRect(x0, y1 + 1, 1, y0 - y1)));
        const QRect onImage = d.Target ? line & d.Target->rect() : QRect();
        if (onImage.isEmpty()) return;
        uchar* bits = nullptr;  // one detach check for the line, only when it paints
        const qsizetype stride = d.Target->bytesPerLine();
        auto fill = [&](const QRect& part) {
            if (part.isEmpty()) return;
            if (!bits) bits = d.Target->bits();
            for (int y = part.top(); y <= part.bottom(); ++y)
                FillPixels(reinterpret_cast<QRgb*>(bits + y * stride) + part.left(), part.width(), pixel);
        };
        if (!d.State.Clip) {
            fill(onImage);
            return;
        }
        for (const QRect& r : *d.State.Clip) fill(r & onImage);
        return;
    }
    const TPaintableTest paintable(d);
    const long long dx = std::llabs((long long)x1 - x0), dy = -std::llabs((long long)y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    int x = x0, y = y0;
    const int s = d.Scale;
    while (x != x1 || y != y1) {
        if (s != 1)
            FillRegion(*d.Target, paintable.Area() & QRect(x * s, y * s, s, s), pixel);
        else if (paintable(x, y))
            *PixelAt(*d.Target, x, y) = pixel;
        const long long e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

// Normalised logical box (the window services accept swapped corners for shapes).
TRect Normalized(int left, int top, int right, int bottom) {
    return TRect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// A frame of one-pixel lines in whole logical pixels (ViewRect), with the
// framework's corner rule: top-left colour on the left column but its bottom
// pixel and the top row but its right pixel, bottom-right colour on the rest.
void FrameView(TDeviceContext& d, const QRect& r, QRgb topLeft, QRgb bottomRight) {
    if (r.isEmpty()) return;
    const QRegion paintable = d.PaintableArea();
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();  // inclusive
    QRegion tl = QRegion(l, t, 1, r.height() - 1) | QRegion(l, t, r.width() - 1, 1);
    QRegion br = QRegion(rr, t, 1, r.height()) | QRegion(l, b, r.width(), 1);
    FillRegion(*d.Target, ToDevice(d, tl.subtracted(br)) & paintable, topLeft);
    FillRegion(*d.Target, ToDevice(d, br) & paintable, bottomRight);
}

}  // namespace

bool FillRect(HDC dc, const TRect& rect, HBRUSH brush) {
    HDC d = CheckedDC(dc);
    TGdiBrush* b = CheckedBrush(brush);
    if (!d || !b) return false;
    if (b->Style == BS_NULL) return true;
    FillDeviceRect(*d, DeviceRect(*d, rect), ToPixel(b->Color));
    return true;
}
bool FillRect(HDC dc, const TRect* rect, HBRUSH brush) { return rect && FillRect(dc, *rect, brush); }

bool FillBands(HDC dc, const TRect& rect, TBandDirection direction, const std::function<TColor(int)>& colorOf) {
    HDC d = CheckedDC(dc);
    if (!d || !colorOf) return false;
    const QRegion area = PaintableRect(*d, DeviceRect(*d, rect));
    if (area.isEmpty()) return true;
    uchar* bits = d->Target->bits();
    const qsizetype stride = d->Target->bytesPerLine();
    const int originX = d->State.Origin.X, originY = d->State.Origin.Y;
    // A band is one logical pixel: at a scale above 1 it covers Scale device
    // rows or columns, all of the colour of the logical one they belong to.
    const int s = d->Scale;
    std::vector<QRgb> columns;  // the colours of one rectangle's columns
    for (const QRect& r : area) {
        if (direction == TBandDirection::Rows) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                FillPixels(reinterpret_cast<QRgb*>(bits + y * stride) + r.left(), r.width(),
                           ToPixel(colorOf(y / s - originY)));
        } else {
            columns.resize(std::size_t(r.width()));
            for (int x = r.left(); x <= r.right(); ++x)
                columns[std::size_t(x - r.left())] = ToPixel(colorOf(x / s - originX));
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::copy(columns.begin(), columns.end(), reinterpret_cast<QRgb*>(bits + y * stride) + r.left());
        }
    }
    return true;
}

bool FrameRect(HDC dc, const TRect& rect, HBRUSH brush) {
    HDC d = CheckedDC(dc);
    TGdiBrush* b = CheckedBrush(brush);
    if (!d || !b) return false;
    if (b->Style == BS_NULL) return true;
    const QRect r = ViewRect(*d, rect);
    if (r.isEmpty()) return true;
    const QRegion frame = QRegion(r).subtracted(QRegion(r.adjusted(1, 1, -1, -1)));
    FillRegion(*d->Target, ToDevice(*d, frame) & d->PaintableArea(), ToPixel(b->Color));
    return true;
}
bool FrameRect(HDC dc, const TRect* rect, HBRUSH brush) { return rect && FrameRect(dc, *rect, brush); }

bool InvertRect(HDC dc, const TRect& rect) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    XorRegion(*d->Target, PaintableRect(*d, DeviceRect(*d, rect)), 0x00FFFFFFu);
    return true;
}

bool DrawFocusRect(HDC dc, const TRect& rect) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    // In whole logical pixels: the dots keep their size at any scale.
    const QRect r = ViewRect(*d, rect);
    if (r.isEmpty()) return true;
    const int s = d->Scale;
    const QRect visible = r & QRect(0, 0, d->Target->width() / s, d->Target->height() / s);
    if (visible.isEmpty()) return true;
    // Every pixel of the border whose x + y is even, each visited once.
    const TPaintableTest paintable(*d);
    auto invert = [&](int x, int y) {
        if ((x + y) & 1) return;
        if (s == 1) {
            if (paintable(x, y)) *PixelAt(*d->Target, x, y) ^= 0x00FFFFFFu;
            return;
        }
        XorRegion(*d->Target, paintable.Area() & QRect(x * s, y * s, s, s), 0x00FFFFFFu);
    };
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    for (int x = std::max(l, 0); x <= std::min(rr, visible.right()); ++x) {
        invert(x, t);
        if (b != t) invert(x, b);
    }
    for (int y = std::max(t + 1, 0); y <= std::min(b - 1, visible.bottom()); ++y) {
        invert(l, y);
        if (rr != l) invert(rr, y);
    }
    return true;
}
bool DrawFocusRect(HDC dc, const TRect* rect) { return rect && DrawFocusRect(dc, *rect); }

bool LineTo(HDC dc, int x, int y) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    const TPoint from = d->State.PenPos;
    d->State.PenPos = TPoint{x, y};
    if (PenIsNull(*d)) return true;
    const long long length = std::max(std::llabs((long long)x - from.X), std::llabs((long long)y - from.Y));
    if (PenWidth(*d) <= 1 && length <= kMaxPlottedLine) {
        PlotLine(*d, d->ViewX(from.X), d->ViewY(from.Y), d->ViewX(x), d->ViewY(y), ToPixel(d->State.Pen->Color));
    } else if (!d->Target->isNull()) {
        TDcPainter p(*d);
        p->setPen(PenOf(*d));
        p->drawLine(QPoint(from.X, from.Y), QPoint(x, y));
    }
    return true;
}

bool Polyline(HDC dc, const TPoint* points, int count) {
    HDC d = CheckedDC(dc);
    if (!d || !points || count < 2) return false;
    const TPoint saved = d->State.PenPos;
    MoveToEx(d, points[0].X, points[0].Y, nullptr);
    for (int i = 1; i < count; ++i) LineTo(d, points[i].X, points[i].Y);
    d->State.PenPos = saved;  // Polyline neither uses nor moves the current position
    return true;
}

bool Polygon(HDC dc, const TPoint* points, int count) {
    HDC d = DrawableDC(dc);
    if (!d || !points || count < 2) return false;
    QPolygon polygon;
    for (int i = 0; i < count; ++i) polygon << QPoint(points[i].X, points[i].Y);
    TDcPainter p(*d);
    p->setPen(PenOf(*d));
    p->setBrush(BrushOf(*d));
    p->drawPolygon(polygon, Qt::OddEvenFill);
    return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    const TRect box = Normalized(left, top, right, bottom);
    if (box.IsEmpty()) return true;
    const QRect r = ViewRect(*d, box);
    const QRegion paintable = d->PaintableArea();
    if (PenIsNull(*d)) {
        // Without a pen the window services fill one pixel less on the right and bottom.
        if (!BrushIsNull(*d))
            FillRegion(*d->Target, ToDevice(*d, QRegion(r.adjusted(0, 0, -1, -1))) & paintable,
                       ToPixel(d->State.Brush->Color));
        return true;
    }
    if (!BrushIsNull(*d))
        FillRegion(*d->Target, ToDevice(*d, QRegion(r.adjusted(1, 1, -1, -1))) & paintable,
                   ToPixel(d->State.Brush->Color));
    // The pen is centred on the outline l..r-1 x t..b-1 (inside it for PS_INSIDEFRAME).
    const int w = PenWidth(*d);
    const int inset = d->State.Pen->Style == PS_INSIDEFRAME ? 0 : w / 2;
    const int x0 = r.left() - inset, y0 = r.top() - inset;
    const int x1 = r.right() - inset, y1 = r.bottom() - inset;  // last column / row of the outline, minus inset
    const int outerW = x1 + w - x0, outerH = y1 + w - y0;
    QRegion frame = QRegion(x0, y0, outerW, w) | QRegion(x0, y1, outerW, w) | QRegion(x0, y0, w, outerH) |
                    QRegion(x1, y0, w, outerH);
    if (d->State.Pen->Style == PS_INSIDEFRAME)
        frame = QRegion(r).subtracted(QRegion(r.adjusted(w, w, -w, -w)));
    FillRegion(*d->Target, ToDevice(*d, frame) & paintable, ToPixel(d->State.Pen->Color));
    return true;
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
    HDC d = DrawableDC(dc);
    if (!d) return false;
    const TRect box = Normalized(left, top, right, bottom);
    if (box.IsEmpty()) return true;
    TDcPainter p(*d);
    KeepShapeInItsBox(*p, *d);
    p->setPen(PenOf(*d));
    p->setBrush(BrushOf(*d));
    p->drawEllipse(QRect(box.Left, box.Top, box.Width() - 1, box.Height() - 1));
    return true;
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    HDC d = DrawableDC(dc);
    if (!d) return false;
    const TRect box = Normalized(left, top, right, bottom);
    if (box.IsEmpty()) return true;
    TDcPainter p(*d);
    KeepShapeInItsBox(*p, *d);
    p->setPen(PenOf(*d));
    p->setBrush(BrushOf(*d));
    const QRect r(box.Left, box.Top, box.Width() - 1, box.Height() - 1);
    const double rx = std::clamp(std::abs(ellipseWidth) / 2.0, 0.0, r.width() / 2.0);
    const double ry = std::clamp(std::abs(ellipseHeight) / 2.0, 0.0, r.height() / 2.0);
    if (rx <= 0 || ry <= 0)
        p->drawRect(r);
    else
        p->drawRoundedRect(r, rx, ry, Qt::AbsoluteSize);
    return true;
}

bool Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    HDC d = DrawableDC(dc);
    if (!d) return false;
    const TRect box = Normalized(left, top, right, bottom);
    if (box.IsEmpty() || PenIsNull(*d)) return true;
    const double cx = (box.Left + box.Right - 1) / 2.0, cy = (box.Top + box.Bottom - 1) / 2.0;
    // Angles counter-clockwise on the screen, 0 at three o'clock.
    auto angle = [&](int x, int y) { return std::atan2(-(y - cy), x - cx) * 180.0 / M_PI; };
    const double a0 = angle(xStart, yStart);
    double span = angle(xEnd, yEnd) - a0;
    while (span <= 0) span += 360.0;  // equal radials draw the whole ellipse
    TDcPainter p(*d);
    KeepShapeInItsBox(*p, *d);
    p->setPen(PenOf(*d));
    p->drawArc(QRect(box.Left, box.Top, box.Width() - 1, box.Height() - 1), int(std::lround(a0 * 16)),
               int(std::lround(span * 16)));
    return true;
}

bool FillRgn(HDC dc, HRGN region, HBRUSH brush) {
    HDC d = CheckedDC(dc);
    const TGdiRegion* r = CheckedRegion(region);
    TGdiBrush* b = CheckedBrush(brush);
    if (!d || !r || !b) return false;
    if (b->Style == BS_NULL) return true;
    FillRegion(*d->Target, RegionAreaAt(*r->Data, d->Scale, d->Target->rect()) & d->PaintableArea(), ToPixel(b->Color));
    return true;
}

bool DrawFrameControl(HDC dc, TRect* rect, unsigned type, unsigned state) {
    HDC d = CheckedDC(dc);
    if (!d || !rect || type != DFC_BUTTON || (state & 0xFF) != DFCS_BUTTONPUSH) return false;
    const QRect r = ViewRect(*d, *rect);
    if (!r.isEmpty()) {
        const bool pushed = (state & DFCS_PUSHED) != 0;
        const QRgb outerTL = ToPixel(pushed ? clBtnShadow : clBtnHighlight);
        const QRgb outerBR = ToPixel(pushed ? clBtnHighlight : cl3DDkShadow);
        const QRgb innerTL = ToPixel(pushed ? cl3DDkShadow : cl3DLight);
        const QRgb innerBR = ToPixel(pushed ? cl3DLight : clBtnShadow);
        FillRegion(*d->Target, PaintableRect(*d, ToDevice(*d, r.adjusted(2, 2, -2, -2))), ToPixel(clBtnFace));
        FrameView(*d, r, outerTL, outerBR);
        FrameView(*d, r.adjusted(1, 1, -1, -1), innerTL, innerBR);
    }
    if (state & DFCS_ADJUSTRECT) InflateRect(*rect, -2, -2);
    return true;
}

}  // namespace Orvo
