// Regions: areas of device pixels (window shapes and clip regions).
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "host/services/GdiInternal.h"

namespace Orvo {

namespace {

// Beyond this size a raster mask would be wasteful.
constexpr long long kMaxMaskPixels = 1LL << 24;

// The pixels of `mask` (drawn white on black) as a region whose top-left
// corner is `at`.
QRegion MaskArea(const QImage& mask, QPoint at) {
    std::vector<QRect> spans;
    for (int y = 0; y < mask.height(); ++y) {
        const QRgb* row = gdi::PixelAt(mask, 0, y);
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && qRed(row[x]) < 128) ++x;
            const int start = x;
            while (x < mask.width() && qRed(row[x]) >= 128) ++x;
            if (x > start) spans.emplace_back(at.x() + start, at.y() + y, x - start, 1);
        }
    }
    QRegion area;
    area.setRects(spans.data(), int(spans.size()));
    return area;
}

int FloorDiv(int v, int d) { return v >= 0 ? v / d : -((-v + d - 1) / d); }

// The device pixels Ellipse or RoundRect covers for the drawn box `box`
// (logical) on a DC of `scale` device pixels a logical pixel, within `limit`
// (device coordinates): drawn by those very functions, so a region and the
// shape drawn there agree pixel for pixel. No answer for a part too large
// to draw or a box too far away to scale.
std::optional<QRegion> DrawnShapeArea(gdi::TShapeKind kind, const QRect& box, int ellipseWidth, int ellipseHeight,
                                      int scale, const QRect& limit) {
    constexpr int kFar = 1 << 26;
    if (box.isEmpty() || std::abs(box.left()) > kFar || std::abs(box.top()) > kFar || box.width() > kFar ||
        box.height() > kFar)
        return std::nullopt;
    const QRect deviceBox(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale);
    // A pixel round the box too: what is drawn for a box stays in it, but the
    // region must hold whatever is.
    const QRect part0 = deviceBox.adjusted(-scale, -scale, scale, scale) & limit;
    if (part0.isEmpty()) return QRegion();
    // Whole logical pixels, so the DC's origin can put the part at the mask's corner.
    const int left = FloorDiv(part0.left(), scale), top = FloorDiv(part0.top(), scale);
    const int right = FloorDiv(part0.right(), scale) + 1, bottom = FloorDiv(part0.bottom(), scale) + 1;
    const QRect part(left * scale, top * scale, (right - left) * scale, (bottom - top) * scale);
    if ((long long)part.width() * part.height() > kMaxMaskPixels) return std::nullopt;
    QImage mask(part.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        std::unique_ptr<TDeviceContext> dc = CreateImageDC(mask, scale);
        SetViewportOrgEx(dc.get(), -left, -top, nullptr);
        HPEN pen = CreatePen(PS_SOLID, 1, clWhite);
        HBRUSH brush = CreateSolidBrush(clWhite);
        HGDIOBJ oldPen = SelectObject(dc.get(), pen);
        HGDIOBJ oldBrush = SelectObject(dc.get(), brush);
        const int l = box.left(), t = box.top(), r = l + box.width(), b = t + box.height();
        if (kind == gdi::TShapeKind::Ellipse) Ellipse(dc.get(), l, t, r, b);
        else RoundRect(dc.get(), l, t, r, b, ellipseWidth, ellipseHeight);
        SelectObject(dc.get(), oldPen);
        SelectObject(dc.get(), oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
    return MaskArea(mask, part.topLeft());
}

}  // namespace

namespace gdi {

QRegion ShapeArea(TShapeKind kind, const QRect& box, int ellipseWidth, int ellipseHeight) {
    if (box.isEmpty()) return QRegion();
    // Qt's own ellipse region is close enough for shapes larger than any
    // screen.
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
    return MaskArea(mask, box.topLeft());
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

// A region of the shape drawn in `box` (the box one pixel smaller than the
// one the region was asked for), which keeps its curve at finer densities.
HRGN NewShapeRegion(TShapeKind kind, const QRect& box, int ellipseWidth, int ellipseHeight) {
    HRGN region = NewRegion(ShapeArea(kind, box, ellipseWidth, ellipseHeight));
    if (box.isEmpty()) return region;
    // The last area drawn, shared by the region's copies: a region kept for
    // the paints of a window is drawn once for its density and paint buffer.
    struct TLastDrawn {
        int Scale = 0;
        QRect Limit;
        std::optional<QRegion> Area;
    };
    auto last = std::make_shared<TLastDrawn>();
    region->Data->Finer = [kind, box, ellipseWidth, ellipseHeight, last](int scale, const QRect& limit) {
        if (last->Scale != scale || last->Limit != limit) {
            last->Area = DrawnShapeArea(kind, box, ellipseWidth, ellipseHeight, scale, limit);
            last->Scale = scale;
            last->Limit = limit;
        }
        return last->Area;
    };
    return region;
}

std::optional<QRegion> Combined(const QRegion& a, const QRegion& b, int mode) {
    switch (mode) {
        case RGN_AND: return a & b;
        case RGN_OR: return a | b;
        case RGN_XOR: return a ^ b;
        case RGN_DIFF: return a.subtracted(b);
        default: return std::nullopt;
    }
}

}  // namespace

QRegion RegionAreaAt(const TGdiRegionData& region, int scale, const QRect& limit) {
    if (scale > 1 && region.Finer) {
        if (std::optional<QRegion> fine = region.Finer(scale, limit)) return *std::move(fine);
    }
    return ScaledArea(region.Area, scale);
}

QRegion CoveringPixels(const QRegion& device, int scale) {
    if (scale == 1) return device;
    // Row by row of logical pixels: the spans of device pixels lying in it,
    // widened to whole pixels and merged.
    std::map<int, std::vector<std::pair<int, int>>> rows;
    for (const QRect& r : device) {
        const int x0 = FloorDiv(r.left(), scale), x1 = FloorDiv(r.right(), scale);
        for (int y = FloorDiv(r.top(), scale); y <= FloorDiv(r.bottom(), scale); ++y) rows[y].emplace_back(x0, x1);
    }
    std::vector<QRect> spans;
    for (auto& [y, row] : rows) {
        std::sort(row.begin(), row.end());
        int start = row.front().first, end = row.front().second;
        for (const auto& [x0, x1] : row) {
            if (x0 > end + 1) {
                spans.emplace_back(start, y, end - start + 1, 1);
                start = x0;
            }
            end = std::max(end, x1);
        }
        spans.emplace_back(start, y, end - start + 1, 1);
    }
    QRegion area;
    area.setRects(spans.data(), int(spans.size()));
    return area;
}

const QRegion* RegionArea(HRGN region) {
    TGdiRegion* r = CheckedRegion(region);
    return r ? &r->Data->Area : nullptr;
}

QRegion WindowShapeArea(HRGN region, int scale) {
    const TGdiRegion* r = CheckedRegion(region);
    if (!r) return QRegion();
    if (scale == 1 || !r->Data->Finer) return r->Data->Area;
    // The curve is drawn only round the region's own pixels (its finer
    // pixels may reach a pixel past them).
    const QRect nearby(-(1 << 28), -(1 << 28), 1 << 29, 1 << 29);
    const QRect box = r->Data->Area.boundingRect().adjusted(-1, -1, 1, 1) & nearby;
    const QRect limit(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale);
    return CoveringPixels(RegionAreaAt(*r->Data, scale, limit), scale);
}

HRGN CreateRegionFrom(const QRegion& area) { return NewRegion(area); }

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return NewRegion(QRegion(BoxOf(left, top, right, bottom)));
}

// The region of a box covers the pixels of the shape drawn in the box one
// pixel smaller on the right and bottom (see host/services/Gdi.h).
HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    const QRect box = BoxOf(left, top, right, bottom).adjusted(0, 0, -1, -1);
    return NewShapeRegion(TShapeKind::Ellipse, box, 0, 0);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    const QRect box = BoxOf(left, top, right, bottom).adjusted(0, 0, -1, -1);
    return NewShapeRegion(TShapeKind::RoundRect, box, ellipseWidth, ellipseHeight);
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    TGdiRegion* d = CheckedRegion(dest);
    const TGdiRegion* a = CheckedRegion(src1);
    if (!d || !a) return ERROR_REGION;
    if (mode == RGN_COPY) {
        *d->Data = *a->Data;
        return Complexity(d->Data->Area);
    }
    const TGdiRegion* b = CheckedRegion(src2);
    if (!b) return ERROR_REGION;
    std::optional<QRegion> result = Combined(a->Data->Area, b->Data->Area, mode);
    if (!result) return ERROR_REGION;
    // Copies: the destination may be either source. The finer area is the
    // same combination of the sources' finer areas.
    TGdiRegionData first = *a->Data, second = *b->Data;
    d->Data->Area = *std::move(result);
    d->Data->Finer = nullptr;
    if (first.Finer || second.Finer)
        d->Data->Finer = [first = std::move(first), second = std::move(second), mode](int scale, const QRect& limit) {
            return Combined(RegionAreaAt(first, scale, limit), RegionAreaAt(second, scale, limit), mode);
        };
    return Complexity(d->Data->Area);
}

bool PtInRegion(HRGN region, int x, int y) {
    const QRegion* a = RegionArea(region);
    return a && a->contains(QPoint(x, y));
}

int OffsetRgn(HRGN region, int dx, int dy) {
    TGdiRegion* r = CheckedRegion(region);
    if (!r) return ERROR_REGION;
    r->Data->Area.translate(dx, dy);
    if (r->Data->Finer)
        r->Data->Finer = [finer = std::move(r->Data->Finer), dx, dy](int scale, const QRect& limit) -> std::optional<QRegion> {
            const long long mx = (long long)dx * scale, my = (long long)dy * scale;
            if (std::llabs(mx) > (1 << 28) || std::llabs(my) > (1 << 28)) return std::nullopt;
            std::optional<QRegion> area = finer(scale, limit.translated(-int(mx), -int(my)));
            if (area) area->translate(int(mx), int(my));
            return area;
        };
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
