#include "orvo/OrvoGlyphColoring.h"

#include <cstdint>
#include <exception>

#include "host/framework/Graphics.h"

namespace Orvo {

namespace {

std::uint8_t LightChannel(std::uint8_t c) {
    // 255 - trunc((255 - c) * 0.25): the difference is never negative, so
    // integer division truncates the same way.
    return c >= 128 ? 255 : std::uint8_t(255 - (255 - c) / 4);
}

// The marker colours of the glyph pictures, as TColor ($00BBGGRR).
constexpr TColor kMarkerBody = clRed;       // RGB(255, 0, 0)
constexpr TColor kMarkerShadow = clMaroon;  // RGB(128, 0, 0)
constexpr TColor kMarkerLight = clYellow;   // RGB(255, 255, 0)

}  // namespace

TGlyphShades GlyphShadesFor(TColor checkColor) {
    const COLORREF rgb = ColorToRGB(checkColor);
    const std::uint8_t r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    TGlyphShades shades;
    shades.Body = rgb;
    shades.Shadow = RGB(r >> 1, g >> 1, b >> 1);
    shades.Light = RGB(LightChannel(r), LightChannel(g), LightChannel(b));
    return shades;
}

void ColorizeGlyph(TBitmap& glyph, TColor checkColor) {
    if (glyph.Empty()) return;
    const TGlyphShades shades = GlyphShadesFor(checkColor);
    for (int x = 0; x < glyph.Width(); ++x) {
        for (int y = 0; y < glyph.Height(); ++y) {
            const TColor pixel = glyph.Pixel(x, y);
            if (pixel == kMarkerBody) glyph.SetPixel(x, y, TColor(shades.Body));
            else if (pixel == kMarkerShadow) glyph.SetPixel(x, y, TColor(shades.Shadow));
            else if (pixel == kMarkerLight) glyph.SetPixel(x, y, TColor(shades.Light));
        }
    }
}

void LoadColorizedGlyph(TBitmap& glyph, std::string_view resourceName, TColor checkColor) {
    try {
        glyph.LoadFromResourceName(resourceName);
    } catch (const std::exception&) {
        // No such resource, or unreadable data: nothing to draw.
        glyph.Assign(nullptr);
        return;
    }
    ColorizeGlyph(glyph, checkColor);
}

}  // namespace Orvo
