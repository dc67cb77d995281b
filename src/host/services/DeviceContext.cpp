// Device contexts: state, origin, clipping, saved states, memory and screen DCs.
#include <algorithm>
#include <unordered_set>

#include "host/services/GdiInternal.h"

namespace Orvo {

namespace {

// Deliberately never destroyed (DCs may be freed during static destruction).
std::unordered_set<const TDeviceContext*>& LiveDCs() {
    static auto* live = new std::unordered_set<const TDeviceContext*>();
    return *live;
}

void ResetState(TDeviceContext& dc) {
    dc.State = TDeviceContextState{};
    dc.State.Font = gdi::DefaultFont();
    dc.State.Brush = gdi::DefaultBrush();
    dc.State.Pen = gdi::DefaultPen();
    dc.Saved.clear();
}

std::unique_ptr<TDeviceContext> NewOwnImageDC(TDeviceContext::TKind kind) {
    auto dc = std::make_unique<TDeviceContext>();
    dc->Kind = kind;
    dc->Own = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
    dc->Own->fill(Qt::white);
    dc->Target = dc->Own.get();
    ResetState(*dc);
    return dc;
}

// DCs made by CreateCompatibleDC and GetDC, owned here until DeleteDC / ReleaseDC.
std::unordered_set<TDeviceContext*>& OwnedDCs() {
    static auto* owned = new std::unordered_set<TDeviceContext*>();
    return *owned;
}

int Complexity(const QRegion& r) {
    if (r.isEmpty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRegion CurrentClip(const TDeviceContext& dc) {
    if (dc.State.Clip) return *dc.State.Clip;
    return dc.Target ? QRegion(dc.Target->rect()) : QRegion();
}

}  // namespace

// The context last found live: a paint makes call after call on the same one.
static const TDeviceContext* gLastLiveDC = nullptr;

TDeviceContext::TDeviceContext() { LiveDCs().insert(this); }
TDeviceContext::~TDeviceContext() {
    if (gLastLiveDC == this) gLastLiveDC = nullptr;
    LiveDCs().erase(this);
}

QRegion TDeviceContext::PaintableArea() const {
    if (!Target || Target->isNull()) return QRegion();
    QRegion area(Target->rect());
    if (State.Clip) area &= *State.Clip;
    return area;
}

namespace gdi {

HDC CheckedDC(HDC dc) {
    if (!dc) return nullptr;
    if (dc != gLastLiveDC) {
        if (!LiveDCs().count(dc)) return nullptr;
        gLastLiveDC = dc;
    }
    return dc->Target ? dc : nullptr;
}

HDC DrawableDC(HDC dc) {
    HDC d = CheckedDC(dc);
    return d && !d->Target->isNull() ? d : nullptr;
}

QRect DeviceRect(const TDeviceContext& dc, const TRect& r) {
    return dc.Scale == 1 ? ViewRect(dc, r) : ToDevice(dc, ViewRect(dc, r));
}

QRect ViewRect(const TDeviceContext& dc, const TRect& r) {
    if (r.IsEmpty()) return QRect();
    // Clamp far-away coordinates so the arithmetic cannot overflow.
    auto clampX = [&](int v) { return int(std::clamp<long long>((long long)v + dc.State.Origin.X, -(1 << 28), 1 << 28)); };
    auto clampY = [&](int v) { return int(std::clamp<long long>((long long)v + dc.State.Origin.Y, -(1 << 28), 1 << 28)); };
    const int l = clampX(r.Left), t = clampY(r.Top), rr = clampX(r.Right), b = clampY(r.Bottom);
    if (rr <= l || b <= t) return QRect();
    return QRect(l, t, rr - l, b - t);
}

QRect ToDevice(const TDeviceContext& dc, const QRect& view) {
    const int s = dc.Scale;
    return s == 1 ? view : QRect(view.x() * s, view.y() * s, view.width() * s, view.height() * s);
}

QRegion ToDevice(const TDeviceContext& dc, const QRegion& view) { return ScaledArea(view, dc.Scale); }

void MapLogicalToDevice(QPainter& painter, const TDeviceContext& dc) {
    if (dc.Scale != 1) painter.scale(dc.Scale, dc.Scale);
    painter.translate(dc.State.Origin.X, dc.State.Origin.Y);
}

QRegion PaintableRect(const TDeviceContext& dc, const QRect& deviceRect) {
    if (deviceRect.isEmpty()) return QRegion();
    return dc.PaintableArea() & deviceRect;
}

}  // namespace gdi

using namespace gdi;

QRegion ScaledArea(const QRegion& logical, int scale) {
    if (scale == 1) return logical;
    // Far-away parts (a region may be anywhere) are cut first, so the
    // scaled coordinates stay ints; no image reaches that far.
    const QRect nearby(-(1 << 28), -(1 << 28), 1 << 29, 1 << 29);
    QRegion device;
    for (const QRect& r0 : logical) {
        const QRect r = r0 & nearby;
        if (!r.isEmpty()) device += QRect(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
    }
    return device;
}

std::unique_ptr<TDeviceContext> CreateImageDC(QImage& target, int scale) {
    auto dc = std::make_unique<TDeviceContext>();
    dc->Kind = TDeviceContext::TKind::Image;
    dc->Target = &target;
    dc->Scale = std::clamp(scale, 1, TDeviceContext::MaxScale);
    ResetState(*dc);
    return dc;
}

QImage* DCImage(HDC dc) {
    HDC d = CheckedDC(dc);
    return d ? d->Target : nullptr;
}

int SaveDC(HDC dc) {
    HDC d = CheckedDC(dc);
    if (!d) return 0;
    d->Saved.push_back(d->State);
    return int(d->Saved.size());
}

bool RestoreDC(HDC dc, int savedLevel) {
    HDC d = CheckedDC(dc);
    if (!d || d->Saved.empty()) return false;
    const int count = int(d->Saved.size());
    const int level = savedLevel < 0 ? count + 1 + savedLevel : savedLevel;
    if (level < 1 || level > count) return false;
    d->State = d->Saved[std::size_t(level - 1)];
    d->Saved.resize(std::size_t(level - 1));
    if (d->Kind == TDeviceContext::TKind::Memory) {
        d->Target = d->State.Bitmap ? &d->State.Bitmap->Data->Image : d->Own.get();
        d->Scale = d->State.Bitmap ? d->State.Bitmap->Data->Scale : 1;
    }
    return true;
}

bool GetViewportOrgEx(HDC dc, TPoint* origin) {
    HDC d = CheckedDC(dc);
    if (!d || !origin) return false;
    *origin = d->State.Origin;
    return true;
}

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    if (previous) *previous = d->State.Origin;
    d->State.Origin = TPoint{x, y};
    return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* previous) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    if (previous) *previous = d->State.Origin;
    d->State.Origin.X += dx;
    d->State.Origin.Y += dy;
    return true;
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    HDC d = CheckedDC(dc);
    if (!d) return ERROR_REGION;
    const QRect r = DeviceRect(*d, TRect{left, top, right, bottom});
    QRegion clip = CurrentClip(*d) & QRegion(r);
    d->State.Clip = clip;
    return Complexity(clip);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    HDC d = CheckedDC(dc);
    if (!d) return ERROR_REGION;
    const QRect r = DeviceRect(*d, TRect{left, top, right, bottom});
    QRegion clip = CurrentClip(*d).subtracted(QRegion(r));
    d->State.Clip = clip;
    return Complexity(clip);
}

int SelectClipRgn(HDC dc, HRGN region) {
    HDC d = CheckedDC(dc);
    if (!d) return ERROR_REGION;
    if (!region) {
        d->State.Clip.reset();
        return Complexity(d->PaintableArea());
    }
    const TGdiRegion* r = CheckedRegion(region);
    if (!r) return ERROR_REGION;
    // A region is in the logical pixels of the window it was made for; a
    // curve keeps the device's detail.
    d->State.Clip = RegionAreaAt(*r->Data, d->Scale, d->Target->rect());
    return Complexity(*d->State.Clip);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
    HDC d = CheckedDC(dc);
    if (!d) return ERROR_REGION;
    if (mode == RGN_COPY) return SelectClipRgn(dc, region);
    const TGdiRegion* r = CheckedRegion(region);
    if (!r) return ERROR_REGION;
    const QRegion area = RegionAreaAt(*r->Data, d->Scale, d->Target->rect());
    const QRegion current = CurrentClip(*d);
    QRegion clip;
    switch (mode) {
        case RGN_AND: clip = current & area; break;
        case RGN_OR: clip = current | area; break;
        case RGN_XOR: clip = current ^ area; break;
        case RGN_DIFF: clip = current.subtracted(area); break;
        default: return ERROR_REGION;
    }
    d->State.Clip = clip;
    return Complexity(clip);
}

int GetClipBox(HDC dc, TRect* box) {
    HDC d = CheckedDC(dc);
    if (!d || !box) return ERROR_REGION;
    const QRegion area = d->PaintableArea();
    if (area.isEmpty()) {
        *box = TRect{};
        return NULLREGION;
    }
    QRect b = area.boundingRect();
    if (d->Scale != 1) {
        // Every logical pixel that holds a paintable device pixel.
        const int s = d->Scale;
        auto down = [s](int v) { return v >= 0 ? v / s : -((-v + s - 1) / s); };
        const int l = down(b.left()), t = down(b.top());
        b = QRect(l, t, down(b.right()) - l + 1, down(b.bottom()) - t + 1);
    }
    *box = TRect{b.left() - d->State.Origin.X, b.top() - d->State.Origin.Y, b.left() + b.width() - d->State.Origin.X,
                 b.top() + b.height() - d->State.Origin.Y};
    return Complexity(area);
}

TColor SetTextColor(HDC dc, TColor color) {
    HDC d = CheckedDC(dc);
    if (!d) return TColor(CLR_INVALID);
    return std::exchange(d->State.TextColor, color);
}
TColor GetTextColor(HDC dc) {
    HDC d = CheckedDC(dc);
    return d ? d->State.TextColor : TColor(CLR_INVALID);
}
TColor SetBkColor(HDC dc, TColor color) {
    HDC d = CheckedDC(dc);
    if (!d) return TColor(CLR_INVALID);
    return std::exchange(d->State.BkColor, color);
}
TColor GetBkColor(HDC dc) {
    HDC d = CheckedDC(dc);
    return d ? d->State.BkColor : TColor(CLR_INVALID);
}
int SetBkMode(HDC dc, int mode) {
    HDC d = CheckedDC(dc);
    if (!d || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    return std::exchange(d->State.BkMode, mode);
}
int GetBkMode(HDC dc) {
    HDC d = CheckedDC(dc);
    return d ? d->State.BkMode : 0;
}

bool MoveToEx(HDC dc, int x, int y, TPoint* previous) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    if (previous) *previous = d->State.PenPos;
    d->State.PenPos = TPoint{x, y};
    return true;
}

bool GetCurrentPositionEx(HDC dc, TPoint* position) {
    HDC d = CheckedDC(dc);
    if (!d || !position) return false;
    *position = d->State.PenPos;
    return true;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    HDC d = CheckedDC(dc);
    if (!d) return CLR_INVALID;
    const QPoint p(d->DX(x), d->DY(y));
    if (!Paintable(*d, p.x(), p.y())) return CLR_INVALID;
    return PixelToRGB(*PixelAt(*d->Target, p.x(), p.y()));
}

COLORREF SetPixel(HDC dc, int x, int y, TColor color) {
    HDC d = CheckedDC(dc);
    if (!d) return CLR_INVALID;
    const QPoint p(d->DX(x), d->DY(y));
    if (!Paintable(*d, p.x(), p.y())) return CLR_INVALID;
    const QRgb pixel = ToPixel(color);
    if (d->Scale == 1)
        *PixelAt(*d->Target, p.x(), p.y()) = pixel;
    else  // the whole logical pixel
        FillRegion(*d->Target, PaintableRect(*d, QRect(p, QSize(d->Scale, d->Scale))), pixel);
    return PixelToRGB(pixel);
}

TPoint GetDCImageSize(HDC dc) {
    HDC d = CheckedDC(dc);
    if (!d) return {};
    return TPoint{d->Target->width() / d->Scale, d->Target->height() / d->Scale};
}

bool ForEachPaintableSpan(HDC dc, const TRect& rect, const TPixelSpanVisitor& visit) {
    HDC d = CheckedDC(dc);
    if (!d) return false;
    const QRegion area = PaintableRect(*d, DeviceRect(*d, rect));
    for (const QRect& r : area)
        for (int row = r.top(); row <= r.bottom(); ++row)
            visit(reinterpret_cast<std::uint8_t*>(PixelAt(*d->Target, r.left(), row)), r.width());
    return true;
}

HDC CreateCompatibleDC(HDC) {
    std::unique_ptr<TDeviceContext> dc = NewOwnImageDC(TDeviceContext::TKind::Memory);
    HDC raw = dc.release();
    OwnedDCs().insert(raw);
    return raw;
}

bool DeleteDC(HDC dc) {
    if (!dc || !OwnedDCs().count(dc) || dc->Kind != TDeviceContext::TKind::Memory) return false;
    OwnedDCs().erase(dc);
    delete dc;
    return true;
}

HDC GetDC(const void* window) {
    if (window) return nullptr;
    std::unique_ptr<TDeviceContext> dc = NewOwnImageDC(TDeviceContext::TKind::Screen);
    HDC raw = dc.release();
    OwnedDCs().insert(raw);
    return raw;
}

int ReleaseDC(const void*, HDC dc) {
    if (!dc || !OwnedDCs().count(dc) || dc->Kind != TDeviceContext::TKind::Screen) return 0;
    OwnedDCs().erase(dc);
    delete dc;
    return 1;
}

}  // namespace Orvo
