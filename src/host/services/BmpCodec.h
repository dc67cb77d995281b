#pragma once
// Reading and writing BMP files (Windows bitmap version 3 and later headers,
// and the OS/2 core header), without Qt, so the rules are in one place.
//
// Read: uncompressed 1-, 4-, 8-, 16-, 24- and 32-bit pictures (palettes for
// up to 8 bits; 16 and 32 bits with BI_BITFIELDS masks too), bottom-up or
// top-down (negative height), rows padded to 4 bytes. Every size, offset and
// count is checked against the data before use; anything else (compressed,
// truncated, impossible or huge pictures) raises EBmpError with a message
// that says what is wrong. Nothing is read past the end of the input.
//
// Write: uncompressed 24- or 32-bit bottom-up files.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace Orvo {

/// A BMP file that cannot be decoded.
class EBmpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A decoded picture: top row first, 4 bytes a pixel (blue, green, red, 0).
struct TBmpImage {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;  // the depth the file had
    std::vector<std::uint8_t> Pixels;
};

// The largest picture accepted: 32768 on a side and 2^28 pixels in all.
constexpr int kBmpMaxSide = 32768;
constexpr std::int64_t kBmpMaxPixels = std::int64_t(1) << 28;

TBmpImage DecodeBmp(std::span<const std::uint8_t> bytes);
// Pixels as TBmpImage holds them; bitsPerPixel 24 or 32.
std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::uint8_t* pixels, int bytesPerLine, int bitsPerPixel);

/// A loaded BMP file as it has to be written back, byte for byte. When its
/// pixel rows are exactly what would be written from the decoded picture
/// (uncompressed 24 or 32 bits, bottom-up, zero padding and reserved bytes,
/// nothing after the rows), only the bytes before the rows are kept and the
/// rows are made again from the picture, so a large picture is not held twice.
class TBmpOriginal {
public:
    TBmpOriginal() = default;
    // `file` and the picture DecodeBmp made of it.
    TBmpOriginal(std::span<const std::uint8_t> file, const TBmpImage& decoded);

    bool Empty() const { return FBytes.empty(); }
    // True when the rows are made again from the picture rather than kept.
    bool RowsFromPicture() const { return FRowsFromPicture; }
    // The file. `pixels` is the decoded picture (top row first, 4 bytes a
    // pixel: blue, green, red, any), needed when RowsFromPicture().
    std::vector<std::uint8_t> File(const std::uint8_t* pixels, int bytesPerLine) const;

private:
    // Where the rows start when they can be made again from the picture, else 0.
    static std::size_t RowsFromPictureAt(std::span<const std::uint8_t> file, const TBmpImage& decoded);

    std::vector<std::uint8_t> FBytes;  // the whole file, or the bytes before its rows
    int FWidth = 0;
    int FHeight = 0;
    int FBitsPerPixel = 0;
    bool FRowsFromPicture = false;
};

}  // namespace Orvo
