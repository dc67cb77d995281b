#pragma once
// The check and radio glyphs of the library, compiled in as bitmap resources.
//
// Each glyph is kept as a pixel map (one character per pixel, rows from the
// top) and turned into a complete 16-colour BMP file that is registered as a
// bitmap resource under the glyph's name ("CB_3D_CROSS", "RB_CIRCLE"...), so
// the controls load it by name like any other bitmap resource.
//
// Pixel-map letters and the colours they stand for:
//   '.' magenta  RGB(255, 0, 255)   the background; the transparent key
//   'R' red      RGB(255, 0, 0)     the body of the mark
//   'm' maroon   RGB(128, 0, 0)     its shadow or outline
//   'y' yellow   RGB(255, 255, 0)   its light
//   'w' white    RGB(255, 255, 255)

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace Orvo {

struct TGlyphPicture {
    std::string_view Name;                 // the resource name
    std::span<const std::string_view> Rows;  // top row first

    constexpr int Width() const { return Rows.empty() ? 0 : int(Rows.front().size()); }
    constexpr int Height() const { return int(Rows.size()); }
};

// All twelve glyphs: the nine check-box glyphs, then the three radio dots.
std::span<const TGlyphPicture> GlyphPictures();
// The glyph of that resource name (exact spelling), or nullptr.
const TGlyphPicture* FindGlyphPicture(std::string_view name);

// The glyph as a BMP file: file header, 40-byte info header, 4 bits per
// pixel, the standard 16-colour palette, bottom-up rows padded to 4 bytes.
std::vector<std::uint8_t> EncodeGlyphBitmap(const TGlyphPicture& picture);

}  // namespace Orvo
