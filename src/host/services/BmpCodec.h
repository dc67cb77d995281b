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

class EBmpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decoded picture: top row first, 4 bytes a pixel (blue, green, red, 0).
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
