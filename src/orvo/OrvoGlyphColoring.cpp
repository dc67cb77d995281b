#include "orvo/OrvoGlyphColoring.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/framework/Graphics.h"
#include "host/services/Resources.h"

namespace Orvo {

namespace {

// Every check box of one glyph and colour shows the same picture: it is
// decoded and coloured once, and each box's bitmap shares its pixels (a
// bitmap copies them when it is written to). An entry holds the resource's
// bytes it was made from, so a replaced resource is made anew.
struct TMadeGlyph {
    std::vector<std::uint8_t> Bytes;
    TBitmap Glyph;
};

// Far more than the glyphs and colours of any one form.
constexpr std::size_t kMaxColorizedGlyphs = 64;

// Never destroyed: check boxes may be made during static destruction.
std::map<std::pair<std::string, TColor>, TMadeGlyph>& MadeGlyphs() {
    static auto* made = new std::map<std::pair<std::string, TColor>, TMadeGlyph>();
    return *made;
}

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

std::size_t ColorizedGlyphsKept() { return MadeGlyphs().size(); }

void LoadColorizedGlyph(TBitmap& glyph, std::string_view resourceName, TColor checkColor) {
    auto* made = &MadeGlyphs();
    const TResourceBytes* bytes = FindResource(TResourceType::Bitmap, resourceName);
    if (!bytes) {
        glyph.Assign(nullptr);  // no such resource: nothing to draw
        return;
    }
    // A system colour is taken as it is now: the palette may change.
    const auto key = std::make_pair(std::string(resourceName), TColor(ColorToRGB(checkColor)));
    auto found = made->find(key);
    if (found == made->end()) {
        // A program that cycles its check colour must not keep a picture for
        // every colour it ever showed: past the bound the cache starts again.
        // Boxes keep the pixels they were given; only sharing with later
        // boxes is lost.
        if (made->size() >= kMaxColorizedGlyphs) made->clear();
        found = made->try_emplace(key).first;
    }
    TMadeGlyph& entry = found->second;
    if (!std::ranges::equal(entry.Bytes, *bytes)) {
        try {
            entry.Glyph.LoadFromResourceName(resourceName);
        } catch (const std::exception&) {
            // Unreadable data: nothing to draw.
            made->erase(key);
            glyph.Assign(nullptr);
            return;
        }
        ColorizeGlyph(entry.Glyph, key.second);
        entry.Bytes.assign(bytes->begin(), bytes->end());
    }
    glyph.Assign(&entry.Glyph);
}

}  // namespace Orvo
