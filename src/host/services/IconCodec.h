#pragma once
// Reading icon files (.ico) without Qt's image plugins, so that giving a
// program its icon at start-up loads no plugin.
//
// An icon file holds one or more pictures; the one read is the largest, and
// of those the deepest. A picture stored as a device-independent bitmap (the
// BMP layouts BmpCodec reads, stored twice as high: the colour rows, then a
// one-bit mask of the transparent pixels) is decoded here; a picture stored
// as PNG is handed back as its bytes. Every count and offset is checked
// against the data; a broken file raises EBmpError saying what is wrong.

#include <cstdint>
#include <span>
#include <vector>

#include "host/services/BmpCodec.h"

namespace Orvo {

struct TIconImage {
    int Width = 0;
    int Height = 0;
    // Top row first, 4 bytes a pixel: blue, green, red, alpha (0 is clear,
    // 255 opaque; not premultiplied). Empty for a PNG picture.
    std::vector<std::uint8_t> Pixels;
    // The picture's PNG file, when it is stored so (a view into the input).
    std::span<const std::uint8_t> Png;
};

TIconImage DecodeIcon(std::span<const std::uint8_t> bytes);

}  // namespace Orvo
