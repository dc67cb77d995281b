#include "orvo/OrvoButtonGeometry.h"

#include <algorithm>

namespace Orvo {

const std::vector<std::string>& ShapeTypeNames() {
    static const std::vector<std::string> names{"stRectangle",     "stSquare",  "stRoundRect",
                                                "stRoundSquare",   "stEllipse", "stCircle"};
    return names;
}

const std::vector<std::string>& ButtonLayoutNames() {
    static const std::vector<std::string> names{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
    return names;
}

bool IsSquareShape(TShapeType shape) { return shape == stSquare || shape == stRoundSquare || shape == stCircle; }
bool IsEllipticShape(TShapeType shape) { return shape == stEllipse || shape == stCircle; }
bool IsRoundedShape(TShapeType shape) { return shape == stRoundRect || shape == stRoundSquare; }

HRGN CreateShapeRgn(TShapeType shape, const TRect& box, int corner) {
    // An elliptic or rounded region leaves out its box's last column and row.
    if (IsEllipticShape(shape)) return CreateEllipticRgn(box.Left, box.Top, box.Right + 1, box.Bottom + 1);
    if (IsRoundedShape(shape)) return CreateRoundRectRgn(box.Left, box.Top, box.Right + 1, box.Bottom + 1, corner, corner);
    return CreateRectRgn(box.Left, box.Top, box.Right, box.Bottom);
}

HRGN CreateShapeOutlineRgn(TShapeType shape, const TRect& box, int corner, int width) {
    HRGN outline = CreateShapeRgn(shape, box, corner);
    TRect inner = box;
    InflateRect(inner, -width, -width);
    // A curve moved inward by `width` bends round a corner ellipse 2 * width
    // narrower.
    HRGN hole = CreateShapeRgn(shape, inner, std::max(corner - 2 * width, 0));
    CombineRgn(outline, outline, hole, RGN_DIFF);
    DeleteObject(hole);
    return outline;
}

int GlyphFrameCount(int width, int height) {
    if (width <= 0 || height <= 0) return 1;
    return width % height == 0 ? width / height : 1;
}

TRect GlyphFrameSource(int stripWidth, int stripHeight, int frames, bool disabled) {
    if (frames < 1) frames = 1;
    const int frameWidth = stripWidth / frames;
    if (frameWidth <= 0 || stripHeight <= 0) return TRect{};
    const int left = frames == 2 && disabled ? stripWidth / 2 : 0;
    return Rect(left, 0, left + frameWidth, stripHeight);
}

TRect FocusRectFor(TShapeType shape, const TRect& item, int shapeSize) {
    TRect r = item;
    switch (shape) {
        case stRectangle:
        case stSquare: InflateRect(r, -4, -4); break;
        case stEllipse: InflateRect(r, -(2 + r.Width() / 6), -(2 + r.Height() / 6)); break;
        case stCircle: InflateRect(r, -(2 + shapeSize / 6), -(2 + shapeSize / 6)); break;
        case stRoundRect:
        case stRoundSquare: InflateRect(r, -(2 + shapeSize / 8), -(2 + shapeSize / 8)); break;
    }
    return r;
}

TSize GlyphSpace(int frameWidth, int frameHeight, bool hasGlyph) {
    if (!hasGlyph) return TSize{};
    return TSize{frameWidth + 4, frameHeight + 4};
}

TSize CaptionRoom(TButtonLayout layout, const TRect& area, TSize glyphSpace) {
    TSize room{area.Width(), area.Height()};
    if (layout == blGlyphLeft || layout == blGlyphRight) room.cx -= glyphSpace.cx;
    else room.cy -= glyphSpace.cy;
    return room;
}

TPoint CaptionOrigin(TButtonLayout layout, const TRect& area, TSize caption, TSize glyphSpace) {
    const int l = area.Left, t = area.Top, w = area.Width(), h = area.Height();
    const int d = caption.cx, c = caption.cy, gw = glyphSpace.cx, gh = glyphSpace.cy;
    switch (layout) {
        case blGlyphLeft: return TPoint{l + (w - d + gw) / 2, t + (h - c) / 2};
        case blGlyphRight: return TPoint{l + (w - d - gw) / 2, t + (h - c) / 2};
        case blGlyphTop: return TPoint{l + (w - d) / 2, t + (h - c + gh) / 2};
        case blGlyphBottom: return TPoint{l + (w - d) / 2, t + (h - c - gh) / 2};
    }
    return TPoint{l, t};
}

TPoint GlyphOrigin(TButtonLayout layout, const TRect& area, TSize caption, TSize frame) {
    const int l = area.Left, t = area.Top, r = area.Right, w = area.Width(), h = area.Height();
    const int tw = caption.cx, th = caption.cy, gw = frame.cx, gh = frame.cy;
    switch (layout) {
        case blGlyphLeft: return TPoint{l - 2 + (w - tw - gw) / 2, t + (h - gh) / 2};
        case blGlyphRight: return TPoint{r + 2 - (w - tw + gw) / 2, t + (h - gh) / 2};
        case blGlyphTop: return TPoint{l + (w - gw) / 2, t - 2 + (h - th - gh) / 2};
        case blGlyphBottom: return TPoint{l + (w - gw) / 2, t - 2 + (h + th - gh) / 2};
    }
    return TPoint{l, t};
}

}  // namespace Orvo
