// GDI objects: creation, stock objects, selection and lifetime.
#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "host/services/BmpCodec.h"
#include "host/services/FontMapping.h"
#include "host/services/GdiInternal.h"
#include "host/services/Resources.h"

namespace Orvo {

namespace gdi {
namespace {

// Both tables are deliberately never destroyed: objects may be freed during
// static destruction (a DC held by a static), after a table would be gone.
std::unordered_set<const TGdiObject*>& LiveObjects() {
    static auto* live = new std::unordered_set<const TGdiObject*>();
    return *live;
}
std::unordered_map<const TGdiObject*, std::shared_ptr<TGdiObject>>& OwnedObjects() {
    static auto* owned = new std::unordered_map<const TGdiObject*, std::shared_ptr<TGdiObject>>();
    return *owned;
}

template <class T>
std::shared_ptr<T> MakeStock(std::shared_ptr<T> object) {
    object->Stock = true;
    return object;
}

LOGFONT SystemLogFont() {
    LOGFONT log;
    log.lfHeight = -11;
    std::strncpy(log.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
    return log;
}

struct TStockObjects {
    std::array<std::shared_ptr<TGdiObject>, DEFAULT_GUI_FONT + 1> ByIndex;
    TStockObjects() {
        ByIndex[WHITE_BRUSH] = MakeStock(std::make_shared<TGdiBrush>(BS_SOLID, clWhite));
        ByIndex[LTGRAY_BRUSH] = MakeStock(std::make_shared<TGdiBrush>(BS_SOLID, TColor(RGB(192, 192, 192))));
        ByIndex[GRAY_BRUSH] = MakeStock(std::make_shared<TGdiBrush>(BS_SOLID, TColor(RGB(128, 128, 128))));
        ByIndex[DKGRAY_BRUSH] = MakeStock(std::make_shared<TGdiBrush>(BS_SOLID, TColor(RGB(64, 64, 64))));
        ByIndex[BLACK_BRUSH] = MakeStock(std::make_shared<TGdiBrush>(BS_SOLID, clBlack));
        ByIndex[NULL_BRUSH] = MakeStock(std::make_shared<TGdiBrush>(BS_NULL, clBlack));
        ByIndex[WHITE_PEN] = MakeStock(std::make_shared<TGdiPen>(PS_SOLID, 1, clWhite));
        ByIndex[BLACK_PEN] = MakeStock(std::make_shared<TGdiPen>(PS_SOLID, 1, clBlack));
        ByIndex[NULL_PEN] = MakeStock(std::make_shared<TGdiPen>(PS_NULL, 1, clBlack));
        const LOGFONT log = SystemLogFont();
        ByIndex[SYSTEM_FONT] = MakeStock(std::make_shared<TGdiFont>(log));
        ByIndex[DEFAULT_GUI_FONT] = MakeStock(std::make_shared<TGdiFont>(log));
    }
};

TStockObjects& Stock() {
    static auto* stock = new TStockObjects();
    return *stock;
}

// The object last found live: handles are checked on every call, mostly
// the same one many times over (a DC, a bitmap read pixel by pixel).
const TGdiObject* gLastLive = nullptr;

}  // namespace

void Track(TGdiObject* object) { LiveObjects().insert(object); }
void Untrack(TGdiObject* object) {
    if (object == gLastLive) gLastLive = nullptr;
    LiveObjects().erase(object);
}
bool IsLive(const TGdiObject* object) {
    if (!object) return false;
    if (object == gLastLive) return true;
    if (LiveObjects().count(object) == 0) return false;
    gLastLive = object;
    return true;
}
void AdoptShared(std::shared_ptr<TGdiObject> object) {
    const TGdiObject* key = object.get();
    OwnedObjects()[key] = std::move(object);
}

std::shared_ptr<TGdiFont> DefaultFont() {
    return std::static_pointer_cast<TGdiFont>(Stock().ByIndex[SYSTEM_FONT]);
}
std::shared_ptr<TGdiBrush> DefaultBrush() {
    return std::static_pointer_cast<TGdiBrush>(Stock().ByIndex[WHITE_BRUSH]);
}
std::shared_ptr<TGdiPen> DefaultPen() {
    return std::static_pointer_cast<TGdiPen>(Stock().ByIndex[BLACK_PEN]);
}

QFont BuildFont(const LOGFONT& log) {
    std::string face(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE));
    QFont q(QString::fromStdString(MapFontFamily(face)));
    // Grey antialiasing with the outlines fitted to the pixel grid only
    // vertically: the small dialog faces keep the dot of i and j, the bar of
    // t and the bowls of a and e, and letters stay apart (drawn in one colour
    // and hinted in full, 9-pixel text lost them). No colour fringes of
    // subpixel antialiasing, which depend on the screen. Widths are whole
    // pixels, as the window services measure text.
    q.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::PreferQuality));
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferVerticalHinting);
    const int weight = log.lfWeight <= 0 ? FW_NORMAL : std::clamp(log.lfWeight, 100, 900);
    q.setWeight(QFont::Weight(weight));
    q.setItalic(log.lfItalic != 0);
    q.setUnderline(log.lfUnderline != 0);
    q.setStrikeOut(log.lfStrikeOut != 0);
    if (log.lfHeight < 0) {
        // Clamped before the sign changes: -INT_MIN does not exist.
        q.setPixelSize(MapFontPixelSize(face, -std::max(log.lfHeight, -MaxFontPixelHeight)));
    } else if (log.lfHeight == 0) {
        q.setPixelSize(MapFontPixelSize(face, 11));
    } else {
        // A cell height: the largest character height whose cell fits.
        const int cell = std::min(log.lfHeight, MaxFontPixelHeight);
        int px = std::max(1, cell * 86 / 100);
        q.setPixelSize(px);
        while (QFontMetrics(q).height() < cell) {
            q.setPixelSize(++px);
        }
        while (px > 1 && QFontMetrics(q).height() > cell) {
            q.setPixelSize(--px);
        }
    }
    return q;
}

std::shared_ptr<TGdiFontData> SharedFontData(const LOGFONT& log) {
    // Never destroyed, like the tables above; each entry watches the data
    // of one description, and expired ones are swept as the table grows.
    static auto* shared = new std::unordered_map<std::string, std::weak_ptr<TGdiFontData>>();
    static std::size_t sweepAt = 64;
    const std::string_view face(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE));
    const int numbers[] = {log.lfHeight,     log.lfWidth,         log.lfEscapement,     log.lfOrientation,
                           log.lfWeight,     log.lfItalic,        log.lfUnderline,      log.lfStrikeOut,
                           log.lfCharSet,    log.lfOutPrecision,  log.lfClipPrecision,  log.lfQuality,
                           log.lfPitchAndFamily};
    std::string key(reinterpret_cast<const char*>(numbers), sizeof numbers);
    key.append(face);
    std::weak_ptr<TGdiFontData>& slot = (*shared)[key];
    if (std::shared_ptr<TGdiFontData> data = slot.lock()) return data;
    auto data = std::make_shared<TGdiFontData>();
    data->Font = BuildFont(log);
    slot = data;
    if (shared->size() >= sweepAt) {
        std::erase_if(*shared, [](const auto& entry) { return entry.second.expired(); });
        sweepAt = std::max<std::size_t>(64, 2 * shared->size());
    }
    return data;
}

QImage ImageFromBmp(const Orvo::TBmpImage& bmp) {
    QImage image(bmp.Width, bmp.Height, QImage::Format_RGB32);
    for (int y = 0; y < bmp.Height; ++y) {
        const std::uint8_t* src = bmp.Pixels.data() + std::size_t(y) * std::size_t(bmp.Width) * 4;
        QRgb* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bmp.Width; ++x, src += 4)
            dst[x] = 0xFF000000u | (QRgb(src[2]) << 16) | (QRgb(src[1]) << 8) | QRgb(src[0]);
    }
    return image;
}

}  // namespace gdi

using namespace gdi;

TGdiObject::TGdiObject(TKind kind) : Kind(kind) { Track(this); }
TGdiObject::~TGdiObject() { Untrack(this); }

TGdiFont::TGdiFont(const LOGFONT& log) : TGdiObject(TKind::Font), Log(log) {
    Log.lfFaceName[LF_FACESIZE - 1] = '\0';
    Data = SharedFontData(Log);
}
TGdiFont::~TGdiFont() = default;

TGdiBitmap::TGdiBitmap(int width, int height) : TGdiObject(TKind::Bitmap), Data(std::make_unique<TGdiBitmapData>()) {
    if (width > 0 && height > 0) {
        Data->Image = QImage(width, height, QImage::Format_RGB32);
        Data->Image.fill(QColor(0, 0, 0));
    }
}
TGdiBitmap::~TGdiBitmap() = default;

TGdiRegion::TGdiRegion() : TGdiObject(TKind::Region), Data(std::make_unique<TGdiRegionData>()) {}
TGdiRegion::~TGdiRegion() = default;

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= int(Stock().ByIndex.size())) return nullptr;
    return Stock().ByIndex[std::size_t(index)].get();
}

HFONT CreateFontIndirect(const LOGFONT* log) {
    if (!log) return nullptr;
    return Adopt(std::make_shared<TGdiFont>(*log));
}

HBRUSH CreateSolidBrush(TColor color) { return Adopt(std::make_shared<TGdiBrush>(BS_SOLID, color)); }

HPEN CreatePen(int style, int width, TColor color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) style = PS_SOLID;
    return Adopt(std::make_shared<TGdiPen>(style, std::max(width, 0), color));
}

HBITMAP CreateCompatibleBitmap(HDC reference, int width, int height) {
    if (width < 0 || height < 0 || width > kBmpMaxSide || height > kBmpMaxSide ||
        std::int64_t(width) * height > kBmpMaxPixels)
        return nullptr;
    // Made to match a window's DC, it takes the window's pixel density, so
    // what is drawn on it keeps the detail the window would show.
    const HDC ref = CheckedDC(reference);
    const int scale = ref ? ref->Scale : 1;
    auto bitmap = std::make_shared<TGdiBitmap>(width * scale, height * scale);
    bitmap->Data->Scale = scale;
    return Adopt(std::move(bitmap));
}

TSize GetBitmapDimension(HBITMAP bitmap) {
    TGdiBitmap* b = CheckedBitmap(bitmap);
    if (!b) return {};
    return TSize{b->Data->Image.width() / b->Data->Scale, b->Data->Image.height() / b->Data->Scale};
}

bool DeleteObject(HGDIOBJ object) {
    if (!IsLive(object)) return false;
    if (object->Stock) return true;
    // The object lives on while a DC still holds it (its shared owner).
    return OwnedObjects().erase(object) != 0;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    HDC d = CheckedDC(dc);
    if (!d || !IsLive(object)) return nullptr;
    TDeviceContextState& s = d->State;
    switch (object->Kind) {
        case TGdiObject::TKind::Font: {
            HGDIOBJ old = s.Font.get();
            s.Font = Share(static_cast<TGdiFont*>(object));
            return old;
        }
        case TGdiObject::TKind::Brush: {
            HGDIOBJ old = s.Brush.get();
            s.Brush = Share(static_cast<TGdiBrush*>(object));
            return old;
        }
        case TGdiObject::TKind::Pen: {
            HGDIOBJ old = s.Pen.get();
            s.Pen = Share(static_cast<TGdiPen*>(object));
            return old;
        }
        case TGdiObject::TKind::Bitmap: {
            if (d->Kind != TDeviceContext::TKind::Memory) return nullptr;
            HGDIOBJ old = s.Bitmap.get();
            s.Bitmap = Share(static_cast<TGdiBitmap*>(object));
            d->Target = &s.Bitmap->Data->Image;
            d->Scale = s.Bitmap->Data->Scale;
            return old;
        }
        case TGdiObject::TKind::Region:
            // The window services answer the clip region's complexity here.
            return reinterpret_cast<HGDIOBJ>(std::uintptr_t(SelectClipRgn(d, static_cast<HRGN>(object))));
    }
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC dc, unsigned type) {
    HDC d = CheckedDC(dc);
    if (!d) return nullptr;
    switch (type) {
        case OBJ_PEN: return d->State.Pen.get();
        case OBJ_BRUSH: return d->State.Brush.get();
        case OBJ_FONT: return d->State.Font.get();
        case OBJ_BITMAP: return d->State.Bitmap.get();
        default: return nullptr;
    }
}

const QFont* FontOf(HFONT font) {
    TGdiFont* f = CheckedFont(font);
    return f ? &f->Data->Font : nullptr;
}

QImage* BitmapImage(HBITMAP bitmap) {
    TGdiBitmap* b = CheckedBitmap(bitmap);
    return b ? &b->Data->Image : nullptr;
}

HBITMAP CreateBitmapFrom(const QImage& image) {
    auto bitmap = std::make_shared<TGdiBitmap>(0, 0);
    if (!image.isNull()) bitmap->Data->Image = image.convertToFormat(QImage::Format_RGB32);
    return Adopt(std::move(bitmap));
}

HBITMAP LoadBitmap(HINSTANCE, const char* name) {
    if (!name) return nullptr;
    const TResourceBytes* bytes = FindResource(TResourceType::Bitmap, name);
    if (!bytes) return nullptr;
    try {
        auto bitmap = std::make_shared<TGdiBitmap>(0, 0);
        bitmap->Data->Image = ImageFromBmp(DecodeBmp(*bytes));
        return Adopt(std::move(bitmap));
    } catch (const EBmpError&) {
        return nullptr;  // a broken resource loads as nothing, like a missing one
    }
}

}  // namespace Orvo
