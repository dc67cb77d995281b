#pragma once
// The check controls' marks in their check colour: a glyph picture's marker
// colours (see orvo/OrvoGlyphs.h) replaced by shades of the colour.

#include <cstddef>
#include <string_view>

#include "host/services/Colors.h"

namespace Orvo {

class TBitmap;

// The three colours a glyph's marker colours become for a check colour.
struct TGlyphShades {
    COLORREF Body;    // pure red becomes the check colour itself
    COLORREF Shadow;  // dark red: each channel halved (shifted right one bit)
    COLORREF Light;   // yellow: 255 from 128 up, else 255 - trunc((255 - c) * 0.25)
};
TGlyphShades GlyphShadesFor(TColor checkColor);

// Recolours a glyph's marker pixels in place, column by column from the
// left and each column from the top; each pixel is tested once, so a pixel
// already replaced is never replaced again. Other colours (the magenta key,
// white) stay.
void ColorizeGlyph(TBitmap& glyph, TColor checkColor);

// Loads the pristine bitmap resource into `glyph` (so colourings never build
// on one another) and recolours it. A missing or unreadable resource leaves
// the glyph empty: there is simply no mark to draw.
void LoadColorizedGlyph(TBitmap& glyph, std::string_view resourceName, TColor checkColor);

// How many coloured glyphs are kept for sharing (bounded, whatever colours
// a program goes through).
std::size_t ColorizedGlyphsKept();

}  // namespace Orvo
