#include "host/FontMapping.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

struct TFontSubstitute {
    const char* Name;
    const char* Family;
};

// The desktop fonts that form descriptions name, and the metric-stable
// installed family drawn in their place. The narrow dialog faces that forms
// are laid out for get the condensed cut, so captions fit the sizes the
// forms give them.
constexpr TFontSubstitute kSubstitutes[] = {
    {"MS Sans Serif", "DejaVu Sans Condensed"},
    {"Microsoft Sans Serif", "DejaVu Sans Condensed"},
    {"MS Shell Dlg", "DejaVu Sans Condensed"},
    {"MS Shell Dlg 2", "DejaVu Sans Condensed"},
    {"Tahoma", "DejaVu Sans Condensed"},
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

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

const std::string& DefaultFontFamily() {
    static const std::string family = "DejaVu Sans";
    return family;
}

std::string MapFontFamily(std::string_view name) {
    for (const TFontSubstitute& s : kSubstitutes)
        if (SameText(s.Name, name)) return s.Family;
    return DefaultFontFamily();
}

int PointsToPixels(int points) { return int(std::lround(double(points) * 96.0 / 72.0)); }
int PixelsToPoints(int pixels) { return int(std::lround(double(pixels) * 72.0 / 96.0)); }
