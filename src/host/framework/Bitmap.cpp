// TGraphic and TBitmap: 32-bit pictures with their own canvas.
#include <QImage>

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <ostream>
#include <utility>

#include "host/services/BmpCodec.h"
#include "host/services/GdiInternal.h"
#include "host/framework/Graphics.h"
#include "host/services/Resources.h"

namespace Orvo {

void TGraphic::Changed() {
    if (OnChange) OnChange(this);
}

// The canvas of a bitmap: a memory DC with the bitmap selected, made on
// first use and dropped when the bitmap's object changes.
class TBitmapCanvas final : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& owner) : FOwner(owner) {
        OnChange = [this](TObject*) { FOwner.CanvasChanged(); };
    }
    ~TBitmapCanvas() override { FreeHandle(); }

    void FreeHandle() {
        if (!FOwnDC) return;
        SetHandle(nullptr);
        DeleteDC(FOwnDC);
        FOwnDC = nullptr;
    }

protected:
    void CreateHandle() override {
        FOwnDC = CreateCompatibleDC(nullptr);
        if (FOwner.FHandle) SelectObject(FOwnDC, FOwner.FHandle);
        SetHandle(FOwnDC);
    }

private:
    TBitmap& FOwner;
    HDC FOwnDC = nullptr;
};

namespace {

void CheckSize(int width, int height) {
    if (width < 0 || height < 0 || width > kBmpMaxSide || height > kBmpMaxSide ||
        std::int64_t(width) * height > kBmpMaxPixels)
        throw EInvalidGraphic("bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                              " is out of range (0 to " + std::to_string(kBmpMaxSide) + " a side)");
}

QImage& ImageOf(HBITMAP bitmap) { return *BitmapImage(bitmap); }

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    FCanvas.reset();  // its DC holds the bitmap object; free it first
    DeleteObject(FHandle);
}

const TClassInfo& TBitmap::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TBitmap", &TPersistent::StaticClassInfo());
        // The picture is streamed as binary: a byte count and a BMP file.
        TPropInfo data;
        data.Name = "Data";
        data.Kind = TPropKind::String;
        data.Get = [](const TObject& o) -> std::optional<TValue> {
            const auto& bitmap = static_cast<const TBitmap&>(o);
            if (bitmap.Empty()) return std::nullopt;
            return TValue::Bin(bitmap.WriteData());
        };
        data.Set = [](TObject& o, const TValue& v, const TBindingContext*) {
            if (v.kind != TValue::Kind::Binary) throw EPropertyError("binary picture data is expected for Data");
            try {
                static_cast<TBitmap&>(o).ReadData(v.bytes);
            } catch (const EInvalidGraphic& e) {
                throw EPropertyError(e.what());
            }
        };
        i.Defined.push_back(std::move(data));
        PublishProperty(i, "Data", std::nullopt);
        return i;
    }();
    return info;
}
const TClassInfo& TBitmap::ClassInfo() const { return StaticClassInfo(); }

bool TBitmap::Empty() const {
    const QImage* image = BitmapImage(FHandle);
    return !image || image->isNull();
}
int TBitmap::Width() const { return Empty() ? FPendingWidth : BitmapImage(FHandle)->width(); }
int TBitmap::Height() const { return Empty() ? FPendingHeight : BitmapImage(FHandle)->height(); }

void TBitmap::FreeCanvasHandle() {
    if (FCanvas) static_cast<TBitmapCanvas*>(FCanvas.get())->FreeHandle();
}

void TBitmap::ReplaceImage(HBITMAP bitmap) {
    FreeCanvasHandle();
    DeleteObject(FHandle);
    FHandle = bitmap;
    FLoadedFile = {};
    FPendingWidth = 0;
    FPendingHeight = 0;
}

void TBitmap::CanvasChanged() {
    FLoadedFile = {};
    Changed();
}

void TBitmap::Assign(const TPersistent* source) {
    if (!source) {
        if (Empty()) return;
        ReplaceImage(nullptr);
        Changed();
        return;
    }
    const auto* other = dynamic_cast<const TBitmap*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    ReplaceImage(other->Empty() ? nullptr : CreateBitmapFrom(*BitmapImage(other->FHandle)));
    FLoadedFile = other->FLoadedFile;
    FPixelFormat = other->FPixelFormat;
    Changed();
}

void TBitmap::SetSize(int width, int height) {
    CheckSize(width, height);
    if (width == Width() && height == Height()) return;
    if (width == 0 || height == 0) {
        // A bitmap with no pixels is empty, but keeps what is kept of its size
        // the next time the other side grows.
        ReplaceImage(nullptr);
        FPendingWidth = width;
        FPendingHeight = height;
        Changed();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(QColor(0, 0, 0));
    if (!Empty()) {
        // Keep the pixels that still fit.
        const QImage& old = ImageOf(FHandle);
        const int w = std::min(width, old.width()), h = std::min(height, old.height());
        for (int y = 0; y < h; ++y) std::memcpy(resized.scanLine(y), old.constScanLine(y), std::size_t(w) * 4);
    }
    if (FHandle) {
        // Same object, new pixels: a DC with the bitmap selected follows.
        ImageOf(FHandle) = resized;
        FLoadedFile = {};
    } else {
        ReplaceImage(CreateBitmapFrom(resized));
    }
    Changed();
}

void TBitmap::SetWidth(int width) { SetSize(width, Height()); }
void TBitmap::SetHeight(int height) { SetSize(Width(), height); }

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
    if (!canvas || Empty()) return;
    HDC dc = canvas->Handle();
    if (!dc) return;
    gdi::TImageCopy copy;
    copy.Image = BitmapImage(FHandle);
    copy.Source = copy.Image->rect();
    gdi::StretchImage(dc, rect, copy);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format != pfDevice && format != pf32bit)
        throw EInvalidGraphic("bitmaps hold 32-bit pixels; pixel format " + std::to_string(int(format)) +
                              " is not supported");
    if (format == FPixelFormat) return;
    FPixelFormat = format;
    FLoadedFile = {};
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= Height())
        throw EInvalidGraphic("scan line " + std::to_string(row) + " is out of range (height " +
                              std::to_string(Height()) + ")");
    FLoadedFile = {};  // the caller may change the pixels
    return ImageOf(FHandle).scanLine(row);
}

const std::uint8_t* TBitmap::ScanLine(int row) const {
    if (row < 0 || row >= Height())
        throw EInvalidGraphic("scan line " + std::to_string(row) + " is out of range (height " +
                              std::to_string(Height()) + ")");
    return ImageOf(FHandle).constScanLine(row);
}

// Pixels are read and written one by one in loops over a whole picture:
// each looks the picture up once and reads it without copying it.
TColor TBitmap::Pixel(int x, int y) const {
    const QImage* image = BitmapImage(FHandle);
    if (!image || x < 0 || y < 0 || x >= image->width() || y >= image->height()) return TColor(CLR_INVALID);
    return TColor(gdi::PixelToRGB(*gdi::PixelAt(std::as_const(*image), x, y)));
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    QImage* image = BitmapImage(FHandle);
    if (!image || x < 0 || y < 0 || x >= image->width() || y >= image->height()) return;
    *gdi::PixelAt(*image, x, y) = gdi::ToPixel(color);
    FLoadedFile = {};
    Changed();
}

TColor TBitmap::TransparentColor() const { return Empty() ? clNone : Pixel(0, Height() - 1); }

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
    return FCanvas.get();
}

HBITMAP TBitmap::Handle() {
    FLoadedFile = {};  // the handle gives write access to the pixels
    return Empty() ? nullptr : FHandle;
}

void TBitmap::SetHandle(HBITMAP bitmap) {
    if (bitmap == FHandle) return;
    if (bitmap && !BitmapImage(bitmap)) throw EInvalidGraphic("SetHandle: not a bitmap handle");
    ReplaceImage(bitmap);
    Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
    FreeCanvasHandle();
    HBITMAP h = FHandle;
    FHandle = nullptr;
    FLoadedFile = {};
    Changed();
    return h;
}

void TBitmap::LoadFromResourceName(HINSTANCE, std::string_view name) {
    const TResourceBytes* bytes = FindResource(TResourceType::Bitmap, name);
    if (!bytes) throw EResNotFound("bitmap resource " + std::string(name) + " not found");
    LoadFromBytes(*bytes);
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    TBmpImage decoded;
    try {
        decoded = DecodeBmp(bytes);
    } catch (const EBmpError& e) {
        throw EInvalidGraphic(e.what());
    }
    TBmpOriginal original(bytes, decoded);
    ReplaceImage(CreateBitmapFrom(gdi::ImageFromBmp(decoded)));
    FLoadedFile = std::move(original);
    Changed();
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const {
    if (Empty()) return FLoadedFile.File(nullptr, 0);  // whole, if anything: rows need a picture
    const QImage& image = ImageOf(FHandle);
    if (!FLoadedFile.Empty()) return FLoadedFile.File(image.constBits(), int(image.bytesPerLine()));
    return EncodeBmp(image.width(), image.height(), image.constBits(), int(image.bytesPerLine()), 32);
}

void TBitmap::LoadFromStream(std::istream& in) {
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LoadFromBytes(bytes);
}

void TBitmap::SaveToStream(std::ostream& out) const {
    const std::vector<std::uint8_t> bytes = SaveToBytes();
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void TBitmap::ReadData(std::span<const std::uint8_t> data) {
    if (data.size() < 4) throw EInvalidGraphic("bitmap data is too short for its byte count");
    const std::uint32_t count = std::uint32_t(data[0]) | (std::uint32_t(data[1]) << 8) |
                                (std::uint32_t(data[2]) << 16) | (std::uint32_t(data[3]) << 24);
    if (count != data.size() - 4)
        throw EInvalidGraphic("bitmap data says " + std::to_string(count) + " bytes but holds " +
                              std::to_string(data.size() - 4));
    if (count == 0) {
        Assign(nullptr);
        return;
    }
    LoadFromBytes(data.subspan(4));
}

std::vector<std::uint8_t> TBitmap::WriteData() const {
    const std::vector<std::uint8_t> file = SaveToBytes();
    const std::uint32_t count = std::uint32_t(file.size());
    std::vector<std::uint8_t> out(4 + file.size());
    for (std::size_t i = 0; i < 4; ++i) out[i] = std::uint8_t(count >> (8 * i));
    if (!file.empty()) std::memcpy(out.data() + 4, file.data(), file.size());
    return out;
}

}  // namespace Orvo
