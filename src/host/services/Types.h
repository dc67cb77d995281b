#pragma once
// Basic value types of the framework: points, rectangles and colours.
// Rectangles follow the framework's convention: Right and Bottom are exclusive.

#include <cstdint>

namespace Orvo {

/// A point in pixels.
struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

/// A rectangle in pixels; Right and Bottom lie just outside it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return TRect{left, top, left + width, top + height}; }

// The window services' rectangle helpers. They return true like the originals.
inline bool OffsetRect(TRect& r, int dx, int dy) { r.Left += dx; r.Right += dx; r.Top += dy; r.Bottom += dy; return true; }
inline bool InflateRect(TRect& r, int dx, int dy) { r.Left -= dx; r.Right += dx; r.Top -= dy; r.Bottom += dy; return true; }
inline bool IsRectEmpty(const TRect& r) { return r.IsEmpty(); }
// Intersection; an empty result is normalised to (0,0,0,0) and answers false.
bool IntersectRect(TRect& dst, const TRect& a, const TRect& b);

// A colour value: $00BBGGRR for plain colours; system colours have the top
// byte $FF and the system colour index in the low byte (see Colors.h).
using TColor = std::int32_t;
// A plain RGB value as the window services use it ($00BBGGRR, never a system colour).
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr std::uint8_t GetRValue(COLORREF c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GetGValue(COLORREF c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t GetBValue(COLORREF c) { return std::uint8_t((c >> 16) & 0xFF); }

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
using TLeftRight = TAlignment;  // only taLeftJustify or taRightJustify
// The kinds of shape (the shape control's and the shaped button's) and where
// a button's glyph sits relative to its caption.
enum TShapeType : std::uint8_t { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

}  // namespace Orvo
