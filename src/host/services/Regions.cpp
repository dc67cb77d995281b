// Regions: areas of device pixels (window shapes and clip regions).
#include <algorithm>
#include <vector>

#include "host/services/GdiInternal.h"

namespace Orvo {

namespace gdi {

QRegion ShapeArea(TShapeKind kind, const QRect& box, int ellipseWidth, int ellipseHeight) {
    if (box.isEmpty()) return QRegion();
    // Beyond this size a raster mask would be wasteful; Qt's own ellipse
    // region is close enough for shapes larger than any screen.
    constexpr long long kMaxMaskPixels = 1LL << 24;
    if ((long long)box.width() * box.height() > kMaxMaskPixels) {
        return kind == TShapeKind::Ellipse ? QRegion(box, QRegion::Ellipse) : QRegion(box);
    }
    // Draw the shape as Ellipse / RoundRect would (white on black), then
    // collect the covered pixels row by row.
    QImage mask(box.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::white);
        const QRect r(0, 0, box.width() - 1, box.height() - 1);
        if (kind == TShapeKind::Ellipse) {
            p.drawEllipse(r);
        } else {
            const double rx = std::clamp(std::abs(ellipseWidth) / 2.0, 0.0, r.width() / 2.0);
            const double ry = std::clamp(std::abs(ellipseHeight) / 2.0, 0.0, r.height() / 2.0);
            if (rx <= 0 || ry <= 0)
                p.drawRect(r);
            else
                p.drawRoundedRect(r, rx, ry, Qt::AbsoluteSize);
        }
    }
    std::vector<QRect> spans;
    for (int y = 0; y < mask.height(); ++y) {
        const QRgb* row = PixelAt(mask, 0, y);
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && qRed(row[x]) < 128) ++x;
            const int start = x;
            while (x < mask.width() && qRed(row[x]) >= 128) ++x;
            if (x > start) spans.emplace_back(box.left() + start, box.top() + y, x - start, 1);
        }
    }
    QRegion area;
    area.setRects(spans.data(), int(spans.size()));
    return area;
}

}  // namespace gdi

using namespace gdi;

namespace {

int Complexity(const QRegion& r) {
    if (r.isEmpty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRect BoxOf(int left, int top, int right, int bottom) {
    // Held within +-(2^30 - 1) so that the width and height fit in an int; no
    // window or picture comes near that.
    constexpr int kFar = (1 << 30) - 1;
    left = std::clamp(left, -kFar, kFar);
    right = std::clamp(right, -kFar, kFar);
    top = std::clamp(top, -kFar, kFar);
    bottom = std::clamp(bottom, -kFar, kFar);
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    if (r <= l || b <= t) return QRect();
    return QRect(l, t, r - l, b - t);
}

HRGN NewRegion(const QRegion& area) {
    auto region = std::make_shared<TGdiRegion>();
    region->Data->Area = area;
    return Adopt(std::move(region));
}

}  // namespace

const QRegion* RegionArea(HRGN region) {
    TGdiRegion* r = CheckedRegion(region);
    return r ? &r->Data->Area : nullptr;
}

HRGN CreateRegionFrom(const QRegion& area) { return NewRegion(area); }

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return NewRegion(QRegion(BoxOf(left, top, right, bottom)));
}

// The region of a box covers the pixels of the shape drawn in the box one
// pixel smaller on the right and bottom (see host/services/Gdi.h).
HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    const QRect box = BoxOf(left, top, right, bottom).adjusted(0, 0, -1, -1);
    return NewRegion(ShapeArea(TShapeKind::Ellipse, box, 0, 0));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    const QRect box = BoxOf(left, top, right, bottom).adjusted(0, 0, -1, -1);
    return NewRegion(ShapeArea(TShapeKind::RoundRect, box, ellipseWidth, ellipseHeight));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    TGdiRegion* d = CheckedRegion(dest);
    const QRegion* a = RegionArea(src1);
    if (!d || !a) return ERROR_REGION;
    if (mode == RGN_COPY) {
        d->Data->Area = *a;
        return Complexity(d->Data->Area);
    }
    const QRegion* b = RegionArea(src2);
    if (!b) return ERROR_REGION;
    QRegion result;
    switch (mode) {
        case RGN_AND: result = *a & *b; break;
        case RGN_OR: result = *a | *b; break;
        case RGN_XOR: result = *a ^ *b; break;
        case RGN_DIFF: result = a->subtracted(*b); break;
        default: return ERROR_REGION;
    }
    d->Data->Area = result;
    return Complexity(result);
}

bool PtInRegion(HRGN region, int x, int y) {
    const QRegion* a = RegionArea(region);
    return a && a->contains(QPoint(x, y));
}

int OffsetRgn(HRGN region, int dx, int dy) {
    TGdiRegion* r = CheckedRegion(region);
    if (!r) return ERROR_REGION;
    r->Data->Area.translate(dx, dy);
    return Complexity(r->Data->Area);
}

int GetRgnBox(HRGN region, TRect* box) {
    const QRegion* a = RegionArea(region);
    if (!a || !box) return ERROR_REGION;
    const QRect b = a->boundingRect();
    *box = a->isEmpty() ? TRect{} : TRect{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return Complexity(*a);
}

bool EqualRgn(HRGN a, HRGN b) {
    const QRegion* ra = RegionArea(a);
    const QRegion* rb = RegionArea(b);
    return ra && rb && *ra == *rb;
}

}  // namespace Orvo
