#pragma once
// Font names of form descriptions mapped to installed families.
//
// Form descriptions name the fonts of the desktop they were made on ("MS Sans
// Serif", "Tahoma"...). The host renders with a few fixed free families
// (DejaVu), so text metrics, tests and screenshots
// are the same on every machine. This is
// the one table that knows which family stands for which name.

#include <string>
#include <string_view>

namespace Orvo {

// The installed family for a font name (case-insensitive); unknown names
// give the default family.
std::string MapFontFamily(std::string_view name);
// The pixel size the installed family is set at for a character height of
// `pixels` requested under `name`: the same, except for a substitute that is
// drawn a little smaller to keep within the widths the name stands for.
int MapFontPixelSize(std::string_view name, int pixels);
// "DejaVu Sans".
const std::string& DefaultFontFamily();
// Pixels of a point size at 96 dpi, rounded: the negative of the Height that
// a font of that Size has (Size 8 -> 11).
int PointsToPixels(int points);
// Points of a character height in pixels, rounded (11 -> 8).
int PixelsToPoints(int pixels);

}  // namespace Orvo
