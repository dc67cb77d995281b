#include "host/services/FontMapping.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

namespace Orvo {

namespace {

struct TFontSubstitute {
    const char* Name;
    const char* Family;
    // The substitute's pixel size for a requested character height, in
    // elevenths: a face is set smaller so that its line and
    // its widths stay within what forms laid out for the name allow.
    int EleventhsOfHeight = 11;
};

// The desktop fonts that form descriptions name, and the installed family
// drawn in their place (fixed Debian packages, so metrics are the same on
// every machine). The small dialog faces that forms are laid out for get
// DejaVu Sans Condensed at 9/11 of the asked height: a form's 11-pixel text
// then measures "OrvoRadioButton" 69 pixels and "os3DJumbo" 45 on lines of
// 10, so captions fit the sizes such forms give them and three lines fit 33
// pixels. At the full height it gives 85 and 56 on lines of 13; of the other
// free faces, Liberation Sans Narrow at 10 pixels (65, 46, 11) runs words
// together without hinted spaces, and FreeSans or Liberation Sans at 11
// (83 and 82 wide) do not fit. Drawn with grey antialiasing (GdiObjects.cpp),
// 9-pixel DejaVu Sans Condensed keeps every stroke: an OCR engine reads 48
// of the demo's 78 captions exactly, against 8 in one colour. PT Sans Narrow
// at 10 pixels in one colour reads 49, but its capital T stands apart from
// the next letter ("Hot Track") and its stairs show on textured backgrounds;
// Liberation Sans Narrow at 10 reads 47 antialiased.
constexpr TFontSubstitute kSubstitutes[] = {
    {"MS Sans Serif", "DejaVu Sans Condensed", 9},
    {"Microsoft Sans Serif", "DejaVu Sans Condensed", 9},
    {"MS Shell Dlg", "DejaVu Sans Condensed", 9},
    {"MS Shell Dlg 2", "DejaVu Sans Condensed", 9},
    {"Tahoma", "DejaVu Sans Condensed", 9},
    {"DejaVu Sans Condensed", "DejaVu Sans Condensed"},
    {"Arial", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Segoe UI", "DejaVu Sans"},
    {"System", "DejaVu Sans"},
    {"DejaVu Sans", "DejaVu Sans"},
    {"Courier New", "DejaVu Sans Mono"},
    {"Courier", "DejaVu Sans Mono"},
    {"Lucida Console", "DejaVu Sans Mono"},
    {"DejaVu Sans Mono", "DejaVu Sans Mono"},
    {"Times New Roman", "DejaVu Serif"},
    {"MS Serif", "DejaVu Serif"},
    {"DejaVu Serif", "DejaVu Serif"},
};

const TFontSubstitute* FindSubstitute(std::string_view name);

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

const TFontSubstitute* FindSubstitute(std::string_view name) {
    for (const TFontSubstitute& s : kSubstitutes)
        if (SameText(s.Name, name)) return &s;
    return nullptr;
}

}  // namespace

const std::string& DefaultFontFamily() {
    static const std::string family = "DejaVu Sans";
    return family;
}

std::string MapFontFamily(std::string_view name) {
    const TFontSubstitute* s = FindSubstitute(name);
    return s ? s->Family : DefaultFontFamily();
}

int MapFontPixelSize(std::string_view name, int pixels) {
    const TFontSubstitute* s = FindSubstitute(name);
    if (!s || s->EleventhsOfHeight == 11 || pixels <= 0) return pixels;
    // Rounded; never below one pixel.
    return std::max(1, int((std::int64_t(pixels) * s->EleventhsOfHeight + 5) / 11));
}

int PointsToPixels(int points) { return int(std::lround(double(points) * 96.0 / 72.0)); }
int PixelsToPoints(int pixels) { return int(std::lround(double(pixels) * 72.0 / 96.0)); }

}  // namespace Orvo
