#pragma once
// Geometry of the shaped button, shared by its painting, its window region
// and the tests: where the caption and the glyph go for each layout, how far
// the focus rectangle sits inside each shape, how many frames a glyph strip
// holds and which of them is shown. Integer divisions truncate toward zero.

#include <string>
#include <vector>

#include "host/services/Gdi.h"
#include "host/services/Types.h"

namespace Orvo {

// Value names in ordinal order, as form descriptions store them.
const std::vector<std::string>& ShapeTypeNames();
const std::vector<std::string>& ButtonLayoutNames();

// Squares and the circle keep both sides at the shorter one.
bool IsSquareShape(TShapeType shape);
// Ellipse and circle.
bool IsEllipticShape(TShapeType shape);
// Rounded rectangle and rounded square.
bool IsRoundedShape(TShapeType shape);

// The corner ellipse of the rounded shapes: half the shorter side.
inline int RoundCorner(int shapeSize) { return shapeSize / 2; }

// The region of the shape drawn in `box` (corner: the rounded shapes' corner
// ellipse): the pixels an Ellipse or RoundRect in `box` covers, or the box.
// The window region is the shape of the whole button; the caller owns the
// region (DeleteObject).
HRGN CreateShapeRgn(TShapeType shape, const TRect& box, int corner);

// The outline `width` pixels wide lying inside the edge of the shape drawn
// in `box`: its outer pixels are exactly the edge pixels of CreateShapeRgn
// for the same box, so an outline round the whole button leaves nothing of
// the face between itself and the window region.
HRGN CreateShapeOutlineRgn(TShapeType shape, const TRect& box, int corner, int width);

// The number of equal frames side by side in a glyph strip: width / height
// when the width is an exact multiple of the height, otherwise 1. A strip
// without height (or width) holds one frame: there is nothing to divide by.
int GlyphFrameCount(int width, int height);

// The source rectangle of the frame shown, in the strip's coordinates: the
// first frame, except that a strip of exactly two frames shows its second
// while the button is disabled. Empty when the strip has no pixels.
TRect GlyphFrameSource(int stripWidth, int stripHeight, int frames, bool disabled);

// The rectangle the focus rectangle frames: the item rectangle shrunk by 4
// for the plain shapes and by 2 plus a sixth (ellipse: of each side; circle:
// of the shape size) or an eighth (rounded shapes: of the shape size).
TRect FocusRectFor(TShapeType shape, const TRect& item, int shapeSize);

// The space a glyph frame takes beside or above the caption: its size plus
// 4 a side, or nothing without a glyph.
TSize GlyphSpace(int frameWidth, int frameHeight, bool hasGlyph);

// The room a wrapped caption may take inside `area`: the area less the
// glyph's space across (left, right) or down (top, bottom).
TSize CaptionRoom(TButtonLayout layout, const TRect& area, TSize glyphSpace);

// The caption's top-left corner in `area` for a caption of `caption` size.
TPoint CaptionOrigin(TButtonLayout layout, const TRect& area, TSize caption, TSize glyphSpace);

// The glyph frame's top-left corner in `area`, beside a caption of
// `caption` size: 4 pixels left of it, 4 right of it, 4 above it, or
// directly below it (before rounding).
TPoint GlyphOrigin(TButtonLayout layout, const TRect& area, TSize caption, TSize frame);

}  // namespace Orvo
