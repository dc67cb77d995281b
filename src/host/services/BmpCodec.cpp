#include "host/services/BmpCodec.h"

#include <cstring>
#include <string>

namespace Orvo {

namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::size_t kFileHeaderSize = 14;

// Bounds-checked little-endian reads over the whole input.
class TReader {
public:
    explicit TReader(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}
    std::size_t Size() const { return FBytes.size(); }
    void Require(std::uint64_t offset, std::uint64_t count, const char* what) const {
        if (offset > FBytes.size() || count > FBytes.size() - offset)
            throw EBmpError(std::string("BMP data is truncated: ") + what + " needs bytes " + std::to_string(offset) +
                            " to " + std::to_string(offset + count) + " of " + std::to_string(FBytes.size()));
    }
    std::uint16_t U16(std::size_t offset, const char* what) const {
        Require(offset, 2, what);
        return std::uint16_t(FBytes[offset] | (FBytes[offset + 1] << 8));
    }
    std::uint32_t U32(std::size_t offset, const char* what) const {
        Require(offset, 4, what);
        return std::uint32_t(FBytes[offset]) | (std::uint32_t(FBytes[offset + 1]) << 8) |
               (std::uint32_t(FBytes[offset + 2]) << 16) | (std::uint32_t(FBytes[offset + 3]) << 24);
    }
    std::int32_t I32(std::size_t offset, const char* what) const { return std::int32_t(U32(offset, what)); }
    const std::uint8_t* At(std::size_t offset) const { return FBytes.data() + offset; }

private:
    std::span<const std::uint8_t> FBytes;
};

struct THeader {
    std::uint32_t HeaderSize = 0;
    std::int64_t Width = 0;
    std::int64_t Height = 0;  // signed: negative means top-down
    int Planes = 1;
    int Bits = 0;
    std::uint32_t Compression = BI_RGB;
    std::uint32_t ColorsUsed = 0;
    std::uint32_t Masks[3] = {0, 0, 0};
    bool Core = false;
    std::size_t PaletteOffset = 0;
};

// One colour channel described by a bit mask, scaled to 8 bits.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;
    explicit TChannel(std::uint32_t mask) : Mask(mask) {
        if (!mask) return;
        while (!((mask >> Shift) & 1u)) ++Shift;
        while (Shift + Bits < 32 && ((mask >> (Shift + Bits)) & 1u)) ++Bits;
    }
    std::uint8_t Extract(std::uint32_t v) const {
        if (!Bits) return 0;
        std::uint32_t c = (v & Mask) >> Shift;
        if (Bits >= 8) return std::uint8_t(c >> (Bits - 8));
        // Replicate the high bits so that full scale maps to 255.
        std::uint32_t max = (1u << Bits) - 1u;
        return std::uint8_t((c * 255u + max / 2) / max);
    }
};

THeader ReadHeader(const TReader& r) {
    THeader h;
    if (r.Size() < kFileHeaderSize + 4) throw EBmpError("BMP data is truncated: " + std::to_string(r.Size()) + " bytes is too short for the headers");
    const std::uint8_t* p = r.At(0);
    if (p[0] != 'B' || p[1] != 'M') throw EBmpError("not a BMP file: the data does not start with \"BM\"");
    h.HeaderSize = r.U32(kFileHeaderSize, "the info header size");
    const std::size_t at = kFileHeaderSize;
    switch (h.HeaderSize) {
        case 12:
            h.Core = true;
            h.Width = r.U16(at + 4, "the core header");
            h.Height = r.U16(at + 6, "the core header");
            h.Planes = r.U16(at + 8, "the core header");
            h.Bits = r.U16(at + 10, "the core header");
            break;
        case 40: case 52: case 56: case 108: case 124:
            r.Require(at, h.HeaderSize, "the info header");
            h.Width = r.I32(at + 4, "the info header");
            h.Height = r.I32(at + 8, "the info header");
            h.Planes = r.U16(at + 12, "the info header");
            h.Bits = r.U16(at + 14, "the info header");
            h.Compression = r.U32(at + 16, "the info header");
            h.ColorsUsed = r.U32(at + 32, "the info header");
            break;
        default:
            throw EBmpError("unsupported BMP info header size " + std::to_string(h.HeaderSize) +
                            " (12, 40, 52, 56, 108 or 124 expected)");
    }
    std::size_t afterHeader = at + h.HeaderSize;
    if (h.Compression == BI_BITFIELDS) {
        if (h.HeaderSize >= 52) {
            for (int i = 0; i < 3; ++i) h.Masks[i] = r.U32(at + 40 + 4 * i, "the colour masks");
        } else {
            for (int i = 0; i < 3; ++i) h.Masks[i] = r.U32(afterHeader + 4 * i, "the colour masks");
            afterHeader += 12;
        }
    }
    h.PaletteOffset = afterHeader;
    return h;
}

void Validate(const THeader& h) {
    if (h.Planes != 1) throw EBmpError("BMP has " + std::to_string(h.Planes) + " planes (1 expected)");
    const int b = h.Bits;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        throw EBmpError("unsupported BMP depth of " + std::to_string(b) + " bits per pixel");
    if (h.Compression == BI_RLE4 || h.Compression == BI_RLE8)
        throw EBmpError("compressed (RLE) BMP files are not supported");
    if (h.Compression == BI_BITFIELDS && b != 16 && b != 32)
        throw EBmpError("BI_BITFIELDS is only valid with 16 or 32 bits per pixel, not " + std::to_string(b));
    if (h.Compression != BI_RGB && h.Compression != BI_BITFIELDS)
        throw EBmpError("unsupported BMP compression " + std::to_string(h.Compression));
    if (h.Width <= 0) throw EBmpError("BMP width " + std::to_string(h.Width) + " is not positive");
    if (h.Height == 0) throw EBmpError("BMP height is 0");
    const std::int64_t height = h.Height < 0 ? -h.Height : h.Height;
    if (h.Width > kBmpMaxSide || height > kBmpMaxSide || h.Width * height > kBmpMaxPixels)
        throw EBmpError("BMP of " + std::to_string(h.Width) + " x " + std::to_string(height) + " pixels is too large");
    if (h.Core && h.Height < 0) throw EBmpError("a core-header BMP cannot be top-down");
}

}  // namespace

TBmpImage DecodeBmp(std::span<const std::uint8_t> bytes) {
    TReader r(bytes);
    const THeader h = ReadHeader(r);
    Validate(h);

    const int width = int(h.Width);
    const int height = int(h.Height < 0 ? -h.Height : h.Height);
    const bool topDown = h.Height < 0;

    // Palette.
    std::vector<std::uint32_t> palette;  // $00RRGGBB as blue, green, red bytes
    if (h.Bits <= 8) {
        const std::uint32_t maxColors = 1u << h.Bits;
        std::uint32_t count = h.ColorsUsed == 0 ? maxColors : h.ColorsUsed;
        if (h.Core) count = maxColors;
        if (count > maxColors)
            throw EBmpError("BMP palette of " + std::to_string(count) + " colours is too large for " +
                            std::to_string(h.Bits) + " bits per pixel");
        const std::size_t entry = h.Core ? 3 : 4;
        r.Require(h.PaletteOffset, std::uint64_t(count) * entry, "the palette");
        palette.resize(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* e = r.At(h.PaletteOffset + i * entry);
            palette[i] = std::uint32_t(e[0]) | (std::uint32_t(e[1]) << 8) | (std::uint32_t(e[2]) << 16);
        }
    }

    const std::uint32_t offBits = r.U32(10, "the pixel data offset");
    if (offBits < kFileHeaderSize + h.HeaderSize)
        throw EBmpError("BMP pixel data offset " + std::to_string(offBits) + " points into the headers");
    const std::uint64_t stride = ((std::uint64_t(width) * std::uint64_t(h.Bits) + 31) / 32) * 4;
    r.Require(offBits, stride * std::uint64_t(height), "the pixel data");

    // Channel masks for 16 and 32 bits.
    std::uint32_t masks[3] = {h.Masks[0], h.Masks[1], h.Masks[2]};
    if (h.Compression == BI_RGB) {
        if (h.Bits == 16) { masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F; }
        if (h.Bits == 32) { masks[0] = 0x00FF0000; masks[1] = 0x0000FF00; masks[2] = 0x000000FF; }
    }
    const TChannel red(masks[0]), green(masks[1]), blue(masks[2]);

    TBmpImage img;
    img.Width = width;
    img.Height = height;
    img.BitsPerPixel = h.Bits;
    img.Pixels.assign(std::size_t(width) * std::size_t(height) * 4, 0);

    for (int y = 0; y < height; ++y) {
        const int fileRow = topDown ? y : height - 1 - y;
        const std::uint8_t* src = r.At(offBits + std::size_t(stride) * std::size_t(fileRow));
        std::uint8_t* dst = img.Pixels.data() + std::size_t(y) * std::size_t(width) * 4;
        for (int x = 0; x < width; ++x, dst += 4) {
            std::uint32_t bgr = 0;  // blue | green << 8 | red << 16
            switch (h.Bits) {
                case 1: case 4: case 8: {
                    const int bitPos = x * h.Bits;
                    const int shift = 8 - h.Bits - (bitPos % 8);
                    const std::uint32_t index = (src[bitPos / 8] >> shift) & ((1u << h.Bits) - 1u);
                    if (index >= palette.size())
                        throw EBmpError("BMP pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses colour " +
                                        std::to_string(index) + " of a palette of " + std::to_string(palette.size()));
                    bgr = palette[index];
                    break;
                }
                case 16: {
                    const std::uint32_t v = std::uint32_t(src[x * 2]) | (std::uint32_t(src[x * 2 + 1]) << 8);
                    bgr = blue.Extract(v) | (green.Extract(v) << 8) | (red.Extract(v) << 16);
                    break;
                }
                case 24: {
                    const std::uint8_t* s = src + x * 3;
                    bgr = s[0] | (s[1] << 8) | (std::uint32_t(s[2]) << 16);
                    break;
                }
                case 32: {
                    const std::uint8_t* s = src + x * 4;
                    const std::uint32_t v = s[0] | (s[1] << 8) | (std::uint32_t(s[2]) << 16) | (std::uint32_t(s[3]) << 24);
                    bgr = blue.Extract(v) | (green.Extract(v) << 8) | (red.Extract(v) << 16);
                    break;
                }
            }
            dst[0] = std::uint8_t(bgr);
            dst[1] = std::uint8_t(bgr >> 8);
            dst[2] = std::uint8_t(bgr >> 16);
            dst[3] = 0;
        }
    }
    return img;
}

namespace {

// Bytes of one uncompressed row of `width` pixels, padded to 4 bytes.
std::size_t RowBytes(std::int64_t width, int bitsPerPixel) {
    return ((std::size_t(width) * std::size_t(bitsPerPixel) + 31) / 32) * 4;
}

// The file's rows as EncodeBmp writes them: bottom-up, the picture's blue,
// green and red, then 0 for a 32-bit pixel's fourth byte and for the padding.
void WritePictureRow(std::uint8_t* out, const std::uint8_t* picture, int width, int bitsPerPixel, std::size_t rowBytes) {
    std::uint8_t* at = out;
    for (int x = 0; x < width; ++x, picture += 4) {
        at[0] = picture[0];
        at[1] = picture[1];
        at[2] = picture[2];
        if (bitsPerPixel == 32) at[3] = 0;
        at += bitsPerPixel / 8;
    }
    std::memset(at, 0, rowBytes - std::size_t(at - out));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::uint8_t* pixels, int bytesPerLine, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw EBmpError("BMP files are written with 24 or 32 bits per pixel, not " + std::to_string(bitsPerPixel));
    if (width < 0 || height < 0 || std::int64_t(width) * height > kBmpMaxPixels || width > kBmpMaxSide || height > kBmpMaxSide)
        throw EBmpError("cannot write a BMP of " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    const std::size_t stride = RowBytes(width, bitsPerPixel);
    const std::size_t dataSize = stride * std::size_t(height);
    const std::size_t offBits = kFileHeaderSize + 40;
    std::vector<std::uint8_t> out(offBits + dataSize, 0);
    auto put16 = [&](std::size_t at, std::uint32_t v) { out[at] = std::uint8_t(v); out[at + 1] = std::uint8_t(v >> 8); };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = std::uint8_t(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, std::uint32_t(out.size()));
    put32(10, std::uint32_t(offBits));
    put32(14, 40);
    put32(18, std::uint32_t(width));
    put32(22, std::uint32_t(height));
    put16(26, 1);
    put16(28, std::uint32_t(bitsPerPixel));
    put32(30, BI_RGB);
    put32(34, std::uint32_t(dataSize));
    put32(38, 3780);  // 96 dpi in pixels per metre
    put32(42, 3780);
    for (int y = 0; y < height; ++y)
        WritePictureRow(out.data() + offBits + stride * std::size_t(height - 1 - y),
                        pixels + std::size_t(bytesPerLine) * std::size_t(y), width, bitsPerPixel, stride);
    return out;
}

TBmpOriginal::TBmpOriginal(std::span<const std::uint8_t> file, const TBmpImage& decoded) {
    // Only the plain layouts can be written again from the picture; any
    // other file is kept whole.
    const std::size_t rowsAt = RowsFromPictureAt(file, decoded);
    FBytes.assign(file.begin(), file.begin() + std::ptrdiff_t(rowsAt ? rowsAt : file.size()));
    if (!rowsAt) return;
    FWidth = decoded.Width;
    FHeight = decoded.Height;
    FBitsPerPixel = file[28];
    FRowsFromPicture = true;
}

std::size_t TBmpOriginal::RowsFromPictureAt(std::span<const std::uint8_t> file, const TBmpImage& decoded) {
    if (file.size() < kFileHeaderSize + 40 || decoded.Width <= 0 || decoded.Height <= 0) return 0;
    const TReader read(file);
    const std::uint32_t headerSize = read.U32(14, "header size");
    const std::int32_t width = read.I32(18, "width"), height = read.I32(22, "height");
    const int bits = read.U16(28, "bit count");
    const std::uint32_t offBits = read.U32(10, "pixel offset");
    if (headerSize < 40 || read.U32(30, "compression") != BI_RGB || (bits != 24 && bits != 32)) return 0;
    if (width != decoded.Width || height != decoded.Height) return 0;  // top-down files have a negative height
    const std::size_t rowBytes = RowBytes(width, bits);
    if (offBits < kFileHeaderSize + headerSize || offBits > file.size() ||
        file.size() - offBits != rowBytes * std::size_t(height))
        return 0;
    std::vector<std::uint8_t> row(rowBytes);
    for (int y = 0; y < height; ++y) {
        WritePictureRow(row.data(), decoded.Pixels.data() + std::size_t(y) * std::size_t(width) * 4, width, bits, rowBytes);
        if (std::memcmp(row.data(), read.At(offBits + rowBytes * std::size_t(height - 1 - y)), rowBytes) != 0) return 0;
    }
    return offBits;
}

std::vector<std::uint8_t> TBmpOriginal::File(const std::uint8_t* pixels, int bytesPerLine) const {
    if (!FRowsFromPicture) return FBytes;
    const std::size_t rowBytes = RowBytes(FWidth, FBitsPerPixel);
    std::vector<std::uint8_t> out(FBytes.size() + rowBytes * std::size_t(FHeight));
    std::memcpy(out.data(), FBytes.data(), FBytes.size());
    for (int y = 0; y < FHeight; ++y)
        WritePictureRow(out.data() + FBytes.size() + rowBytes * std::size_t(FHeight - 1 - y),
                        pixels + std::size_t(bytesPerLine) * std::size_t(y), FWidth, FBitsPerPixel, rowBytes);
    return out;
}

}  // namespace Orvo
