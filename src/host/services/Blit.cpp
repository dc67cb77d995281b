// Block transfers: BitBlt, StretchBlt, PatBlt and image copies with a key colour.
#include <algorithm>

#include "host/services/GdiInternal.h"

namespace Orvo {

using namespace gdi;

namespace {

enum class TRopKind { Source, Destination, Pattern };

struct TRop {
    TRopKind Kind;
    std::uint32_t Code;
};

bool Classify(std::uint32_t rop, TRop& out) {
    switch (rop) {
        case SRCCOPY: case SRCPAINT: case SRCAND: case SRCINVERT: case NOTSRCCOPY:
            out = {TRopKind::Source, rop};
            return true;
        case DSTINVERT: case BLACKNESS: case WHITENESS:
            out = {TRopKind::Destination, rop};
            return true;
        case PATCOPY: case PATINVERT:
            out = {TRopKind::Pattern, rop};
            return true;
        default:
            return false;
    }
}

// Combines a source pixel with a destination pixel. Plain copies keep all 32
// bits (the reserved byte included); the others work on the colour bits.
inline QRgb Combine(std::uint32_t rop, QRgb dst, QRgb src) {
    constexpr QRgb kColor = 0x00FFFFFFu;
    switch (rop) {
        case SRCCOPY: return src;
        case SRCPAINT: return (dst & ~kColor) | ((dst | src) & kColor);
        case SRCAND: return (dst & ~kColor) | ((dst & src) & kColor);
        case SRCINVERT: return (dst & ~kColor) | ((dst ^ src) & kColor);
        case NOTSRCCOPY: return (dst & ~kColor) | (~src & kColor);
        default: return dst;
    }
}

// Operations that need no source.
bool ApplyWithoutSource(TDeviceContext& d, const QRegion& area, const TRop& rop) {
    switch (rop.Code) {
        case DSTINVERT: XorRegion(*d.Target, area, 0x00FFFFFFu); return true;
        case BLACKNESS: FillRegion(*d.Target, area, 0xFF000000u); return true;
        case WHITENESS: FillRegion(*d.Target, area, 0xFFFFFFFFu); return true;
        case PATCOPY:
        case PATINVERT: {
            const TGdiBrush* brush = d.State.Brush.get();
            if (!brush || brush->Style == BS_NULL) return true;  // a hollow pattern changes nothing
            const QRgb pixel = ToPixel(brush->Color);
            if (rop.Code == PATCOPY)
                FillRegion(*d.Target, area, pixel);
            else
                XorRegion(*d.Target, area, pixel & 0x00FFFFFFu);
            return true;
        }
        default: return false;
    }
}

// The source image resampled (nearest pixel) to `scale` device pixels per
// logical pixel, drawn on by a DC with the source's origin: a picture at its
// own size copied to a window at ratio 2 becomes 2 x 2 blocks, never a blur.
struct TRescaledSource {
    QImage Image;
    std::unique_ptr<TDeviceContext> DC;
};

TRescaledSource Rescaled(const TDeviceContext& source, int scale) {
    TRescaledSource out;
    const QImage& from = *source.Target;
    out.Image = QImage(from.width() * scale / source.Scale, from.height() * scale / source.Scale, QImage::Format_RGB32);
    out.DC = CreateImageDC(out.Image, scale);
    if (!out.Image.isNull()) {
        auto plain = CreateImageDC(out.Image);
        TImageCopy copy;
        copy.Image = &from;
        copy.Source = from.rect();
        StretchImage(plain.get(), TRect{0, 0, out.Image.width(), out.Image.height()}, copy);
    }
    out.DC->State.Origin = source.State.Origin;
    return out;
}

}  // namespace

bool PatBlt(HDC dc, int x, int y, int width, int height, std::uint32_t rop) {
    HDC d = CheckedDC(dc);
    TRop kind;
    if (!d || !Classify(rop, kind) || kind.Kind == TRopKind::Source) return false;
    if (width <= 0 || height <= 0) return true;
    const QRegion area = PaintableRect(*d, DeviceRect(*d, Bounds(x, y, width, height)));
    return ApplyWithoutSource(*d, area, kind);
}

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, std::uint32_t rop) {
    HDC d = CheckedDC(dest);
    TRop kind;
    if (!d || !Classify(rop, kind)) return false;
    if (width <= 0 || height <= 0) return true;
    const QRect destRect = DeviceRect(*d, Bounds(x, y, width, height));
    if (kind.Kind != TRopKind::Source) return ApplyWithoutSource(*d, PaintableRect(*d, destRect), kind);

    HDC s = CheckedDC(source);
    if (!s) return false;
    if (s->Scale != d->Scale) {
        TRescaledSource rescaled = Rescaled(*s, d->Scale);
        return BitBlt(dest, x, y, width, height, rescaled.DC.get(), xSource, ySource, rop);
    }
    // Device offset from a destination pixel to its source pixel.
    const int offX = s->DX(xSource) - destRect.left();
    const int offY = s->DY(ySource) - destRect.top();
    // Only destination pixels whose source pixel exists are touched.
    QRect sourceInDest = s->Target->rect().translated(-offX, -offY);
    const QRegion area = PaintableRect(*d, destRect & sourceInDest);
    if (area.isEmpty()) return true;

    // A copy within one image reads from a snapshot, so overlapping blocks
    // come out as if copied through a temporary image.
    QImage snapshot;
    const QImage* from = s->Target;
    if (s->Target == d->Target) {
        const QRect b = area.boundingRect().translated(offX, offY);
        snapshot = s->Target->copy(b);
        from = &snapshot;
    }
    const int fromX = from == &snapshot ? area.boundingRect().left() : -offX;
    const int fromY = from == &snapshot ? area.boundingRect().top() : -offY;
    for (const QRect& r : area) {
        for (int row = r.top(); row <= r.bottom(); ++row) {
            QRgb* dp = PixelAt(*d->Target, r.left(), row);
            const QRgb* sp = PixelAt(*from, r.left() - fromX, row - fromY);
            if (kind.Code == SRCCOPY) {
                std::copy_n(sp, r.width(), dp);
            } else {
                for (int i = 0; i < r.width(); ++i) dp[i] = Combine(kind.Code, dp[i], sp[i]);
            }
        }
    }
    return true;
}

namespace gdi {

namespace {

// One source pixel per destination pixel: whole spans, no division. `shift`
// takes a destination pixel to its source pixel; source pixels outside the
// image are left out, as the scaled path does.
void CopyUnscaled(QImage& target, const QRegion& area, const QImage& from, QPoint shift, const TImageCopy& copy) {
    const QRect bounds = from.rect();
    // The key as the colour bits of a pixel; a value beyond RGB matches none.
    const bool keyed = copy.Key && (*copy.Key >> 24) == 0;
    const QRgb keyPixel = keyed ? QRgb(GetRValue(*copy.Key)) << 16 | QRgb(GetGValue(*copy.Key)) << 8 |
                                      QRgb(GetBValue(*copy.Key))
                                : 0;
    for (const QRect& r : area) {
        // The part of the span whose source lies inside the image.
        const QRect span = r & bounds.translated(-shift);
        if (span.isEmpty()) continue;
        for (int row = span.top(); row <= span.bottom(); ++row) {
            const QRgb* sp = PixelAt(from, span.left() + shift.x(), row + shift.y());
            QRgb* dp = PixelAt(target, span.left(), row);
            const int count = span.width();
            if (!keyed) {
                std::copy_n(sp, count, dp);
                continue;
            }
            for (int i = 0; i < count; ++i) {
                if ((sp[i] & 0x00FFFFFFu) == keyPixel) {
                    if (copy.KeyReplacement) dp[i] = *copy.KeyReplacement;
                    continue;
                }
                dp[i] = sp[i];
            }
        }
    }
}

// A whole-number enlargement (a picture at its own size on a window at a
// device pixel ratio of `factor`): each source pixel is written `factor`
// times, without the general path's division per pixel.
void CopyEnlarged(QImage& target, const QRegion& area, const QImage& from, const QRect& dr, const QRect& sr, int factor,
                  const TImageCopy& copy) {
    const QRect bounds = from.rect();
    for (const QRect& r : area) {
        for (int row = r.top(); row <= r.bottom(); ++row) {
            const int sy = sr.top() + (row - dr.top()) / factor;
            if (sy < bounds.top() || sy > bounds.bottom()) continue;
            QRgb* dp = PixelAt(target, 0, row);
            if (row > r.top() && (row - dr.top()) % factor != 0 && !copy.Key) {
                // The row above came from the same source row: copy it whole.
                std::copy_n(PixelAt(target, r.left(), row - 1), r.width(), dp + r.left());
                continue;
            }
            const QRgb* srcRow = reinterpret_cast<const QRgb*>(from.constScanLine(sy));
            int sx = sr.left() + (r.left() - dr.left()) / factor;
            int repeat = factor - (r.left() - dr.left()) % factor;  // copies left of the first source pixel
            for (int col = r.left(); col <= r.right(); sx++, repeat = factor) {
                const int end = std::min(col + repeat, r.right() + 1);
                if (sx < bounds.left() || sx > bounds.right()) {
                    col = end;
                    continue;
                }
                QRgb pixel = srcRow[sx];
                if (copy.Key && PixelToRGB(pixel) == *copy.Key) {
                    if (!copy.KeyReplacement) {
                        col = end;
                        continue;
                    }
                    pixel = *copy.KeyReplacement;
                }
                for (; col < end; ++col) dp[col] = pixel;
            }
        }
    }
}

}  // namespace

bool StretchImage(HDC dest, const TRect& destRect, const TImageCopy& copy) {
    HDC d = CheckedDC(dest);
    if (!d || !copy.Image) return false;
    const QRect dr = DeviceRect(*d, destRect);
    const QRect sr = copy.Source;
    if (dr.isEmpty() || sr.isEmpty()) return true;
    const QRegion area = PaintableRect(*d, dr);
    if (area.isEmpty()) return true;
    // A snapshot when drawing an image onto itself.
    QImage snapshot;
    const QImage* from = copy.Image;
    if (copy.Image == d->Target) {
        snapshot = copy.Image->copy();
        from = &snapshot;
    }
    const QRect bounds = from->rect();
    if (dr.size() == sr.size()) {
        CopyUnscaled(*d->Target, area, *from, sr.topLeft() - dr.topLeft(), copy);
        return true;
    }
    const int factor = dr.width() / sr.width();
    if (dr.width() == sr.width() * factor && dr.height() == sr.height() * factor) {
        CopyEnlarged(*d->Target, area, *from, dr, sr, factor, copy);
        return true;
    }
    const long long dw = dr.width(), dh = dr.height(), sw = sr.width(), sh = sr.height();
    for (const QRect& r : area) {
        for (int row = r.top(); row <= r.bottom(); ++row) {
            // The source pixel under the centre of each destination pixel.
            const int sy = sr.top() + int(((2LL * (row - dr.top()) + 1) * sh) / (2 * dh));
            if (sy < bounds.top() || sy > bounds.bottom()) continue;
            const QRgb* srcRow = reinterpret_cast<const QRgb*>(from->constScanLine(sy));
            QRgb* dp = PixelAt(*d->Target, 0, row);
            for (int col = r.left(); col <= r.right(); ++col) {
                const int sx = sr.left() + int(((2LL * (col - dr.left()) + 1) * sw) / (2 * dw));
                if (sx < bounds.left() || sx > bounds.right()) continue;
                const QRgb pixel = srcRow[sx];
                if (copy.Key && PixelToRGB(pixel) == *copy.Key) {
                    if (copy.KeyReplacement) dp[col] = *copy.KeyReplacement;
                    continue;
                }
                dp[col] = pixel;
            }
        }
    }
    return true;
}

}  // namespace gdi

bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, int widthSource,
                int heightSource, std::uint32_t rop) {
    HDC d = CheckedDC(dest);
    if (!d) return false;
    if (width == widthSource && height == heightSource)
        return BitBlt(dest, x, y, width, height, source, xSource, ySource, rop);
    if (rop != SRCCOPY) return false;  // scaling supports plain copies only
    HDC s = CheckedDC(source);
    if (!s) return false;
    if (width <= 0 || height <= 0 || widthSource <= 0 || heightSource <= 0) return true;
    TImageCopy copy;
    copy.Image = s->Target;
    copy.Source = QRect(s->DX(xSource), s->DY(ySource), widthSource * s->Scale, heightSource * s->Scale);
    return StretchImage(dest, Bounds(x, y, width, height), copy);
}

bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int widthSource, int heightSource, TColor transparent) {
    HDC d = CheckedDC(dest);
    HDC s = CheckedDC(source);
    if (!d || !s) return false;
    if (width <= 0 || height <= 0 || widthSource <= 0 || heightSource <= 0) return true;
    if (s->Scale != d->Scale) {
        TRescaledSource rescaled = Rescaled(*s, d->Scale);
        return TransparentBlt(dest, x, y, width, height, rescaled.DC.get(), xSource, ySource, widthSource,
                              heightSource, transparent);
    }
    // The source block in its device pixels: of one size with the
    // destination's, it is copied pixel for pixel.
    TImageCopy copy;
    copy.Image = s->Target;
    copy.Source = DeviceRect(*s, Bounds(xSource, ySource, widthSource, heightSource));
    copy.Key = ColorToRGB(transparent);
    return StretchImage(dest, Bounds(x, y, width, height), copy);
}

}  // namespace Orvo
