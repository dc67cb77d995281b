#include "host/services/IconCodec.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace Orvo {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t U16(const std::uint8_t* p) { return std::uint32_t(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

// The picture an entry points at, checked against the file.
std::span<const std::uint8_t> EntryData(std::span<const std::uint8_t> bytes, std::size_t entry) {
    const std::uint8_t* e = bytes.data() + kDirectorySize + entry * kEntrySize;
    const std::uint32_t size = U32(e + 8), offset = U32(e + 12);
    if (offset > bytes.size() || size > bytes.size() - offset)
        throw EBmpError("icon picture " + std::to_string(entry + 1) + " lies outside the file (bytes " +
                        std::to_string(offset) + " to " + std::to_string(std::uint64_t(offset) + size) + " of " +
                        std::to_string(bytes.size()) + ")");
    return bytes.subspan(offset, size);
}

// A stored bitmap: the colour rows through the BMP codec (a file header put
// in front, the doubled height halved), then the transparency from the
// 32-bit pixels' fourth bytes or, failing those, from the mask rows.
TIconImage DecodeStoredBitmap(std::span<const std::uint8_t> dib) {
    if (dib.size() < 40) throw EBmpError("icon bitmap is truncated: " + std::to_string(dib.size()) + " bytes");
    const std::uint32_t headerSize = U32(dib.data());
    if (headerSize < 40 || headerSize > dib.size())
        throw EBmpError("icon bitmap header size " + std::to_string(headerSize) + " is not valid");
    const std::int32_t width = std::int32_t(U32(dib.data() + 4));
    const std::int32_t doubledHeight = std::int32_t(U32(dib.data() + 8));
    const std::uint32_t bits = U16(dib.data() + 14), compression = U32(dib.data() + 16);
    std::uint32_t colours = U32(dib.data() + 32);
    if (doubledHeight <= 0 || doubledHeight % 2 != 0)
        throw EBmpError("icon bitmap height " + std::to_string(doubledHeight) + " is not a positive even number");
    if (colours == 0 && bits <= 8) colours = 1u << bits;
    if (colours > 256) throw EBmpError("icon bitmap has " + std::to_string(colours) + " palette entries");
    const std::size_t masks = (compression == 3 && headerSize == 40) ? 12 : 0;  // BI_BITFIELDS
    const std::size_t pixelsAt = headerSize + masks + std::size_t(colours) * 4;
    if (pixelsAt > dib.size()) throw EBmpError("icon bitmap palette runs past its data");
    const int height = doubledHeight / 2;

    std::vector<std::uint8_t> file(14 + dib.size());
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, std::uint32_t(file.size()));
    Put32(file, 10, std::uint32_t(14 + pixelsAt));
    std::copy(dib.begin(), dib.end(), file.begin() + 14);
    Put32(file, 14 + 8, std::uint32_t(height));
    const TBmpImage colour = DecodeBmp(file);

    TIconImage icon;
    icon.Width = colour.Width;
    icon.Height = colour.Height;
    icon.Pixels = colour.Pixels;
    const std::size_t colourRow = ((std::size_t(width) * bits + 31) / 32) * 4;
    const std::uint8_t* rows = dib.data() + pixelsAt;
    bool alphaUsed = false;
    if (bits == 32)
        for (int y = 0; y < height && !alphaUsed; ++y)
            for (int x = 0; x < width && !alphaUsed; ++x) alphaUsed = rows[colourRow * std::size_t(y) + std::size_t(x) * 4 + 3] != 0;
    const std::size_t maskRow = ((std::size_t(width) + 31) / 32) * 4;
    const std::size_t maskAt = pixelsAt + colourRow * std::size_t(height);
    const bool hasMask = maskAt <= dib.size() && maskRow * std::size_t(height) <= dib.size() - maskAt;
    for (int y = 0; y < height; ++y) {
        const std::size_t fileRow = std::size_t(height - 1 - y);  // rows are stored bottom-up
        for (int x = 0; x < width; ++x) {
            std::uint8_t alpha = 255;
            if (alphaUsed)
                alpha = rows[colourRow * fileRow + std::size_t(x) * 4 + 3];
            else if (hasMask && (dib[maskAt + maskRow * fileRow + std::size_t(x) / 8] >> (7 - x % 8)) & 1)
                alpha = 0;
            icon.Pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4 + 3] = alpha;
        }
    }
    return icon;
}

}  // namespace

TIconImage DecodeIcon(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kDirectorySize || U16(bytes.data()) != 0 || U16(bytes.data() + 2) != 1)
        throw EBmpError("not an icon file: it does not start with an icon directory");
    const std::size_t count = U16(bytes.data() + 4);
    if (count == 0) throw EBmpError("the icon file holds no pictures");
    if (count > (bytes.size() - kDirectorySize) / kEntrySize)
        throw EBmpError("the icon directory lists " + std::to_string(count) + " pictures but is truncated");
    // The largest picture, and of those the deepest (a width or height byte
    // of 0 means 256).
    std::size_t best = 0;
    std::uint32_t bestArea = 0, bestBits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = bytes.data() + kDirectorySize + i * kEntrySize;
        const std::uint32_t w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256, bits = U16(e + 6);
        if (i == 0 || w * h > bestArea || (w * h == bestArea && bits > bestBits)) {
            best = i;
            bestArea = w * h;
            bestBits = bits;
        }
    }
    const std::span<const std::uint8_t> data = EntryData(bytes, best);
    if (data.size() >= sizeof kPngSignature && std::equal(std::begin(kPngSignature), std::end(kPngSignature), data.begin())) {
        TIconImage png;
        png.Png = data;
        return png;
    }
    return DecodeStoredBitmap(data);
}

}  // namespace Orvo
