#pragma once
// GDI objects (fonts, brushes, pens, bitmaps, regions) and the window
// services' drawing functions, with the window services' names and meanings,
// drawing on the 32-bit image of a device context (host/services/DeviceContext.h).
//
// Rules every function follows:
// - Coordinates are logical (the DC's viewport origin is added); right and
//   bottom edges are exclusive; nothing is drawn outside the clip region or
//   the image. Empty or inverted rectangles draw nothing.
// - A null DC or object is refused (false / 0 / null answer), never a crash.
// - Shapes are aliased; text is drawn with grey antialiasing: the pixels at
//   a glyph's edges blend the text colour into what lies beneath.
// - Colours given to objects and DCs may be system colours; they are
//   resolved through ColorToRGB when drawn, so they follow the palette.
//
// Object lifetime: Create* answers an object the caller owns and frees with
// DeleteObject. An object stays alive while a DC (or one of its saved states)
// still has it selected, so deleting a selected object never leaves a DC
// pointing at freed memory. Stock objects (GetStockObject) are never freed.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "host/services/DeviceContext.h"

namespace Orvo {

struct TGdiObject;
struct TGdiFont;
struct TGdiBrush;
struct TGdiPen;
struct TGdiBitmap;
struct TGdiRegion;

using HGDIOBJ = TGdiObject*;
using HFONT = TGdiFont*;
using HBRUSH = TGdiBrush*;
using HPEN = TGdiPen*;
using HBITMAP = TGdiBitmap*;
using HRGN = TGdiRegion*;
// Module handle for resource look-ups. This host has one module: the
// program, so every value (including HInstance) means "the program".
using HINSTANCE = void*;
inline HINSTANCE HInstance = nullptr;

/// A width and a height.
struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};
using SIZE = TSize;

// ---------------------------------------------------------------- objects

constexpr int LF_FACESIZE = 32;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr std::uint8_t ANSI_CHARSET = 0;
constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t SYMBOL_CHARSET = 2;
constexpr std::uint8_t OEM_CHARSET = 255;

/// The description a font is made from: height, weight, italic, underline, strike-out and face name.
struct LOGFONT {
    int lfHeight = 0;  // < 0: character (em) height in pixels; > 0: cell height; 0: default
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = DEFAULT_CHARSET;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};  // form-description name, mapped by host/services/FontMapping.h
};
/// The largest character or cell height a font is drawn at: an lfHeight
/// further from 0 either way is drawn at this height.
constexpr int MaxFontPixelHeight = 2048;

/// The measures of a font as selected into a device context: height, ascent, descent, average and largest width.
struct TEXTMETRIC {
    int tmHeight = 0;           // ascent + descent: the line (cell) height
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;  // cell height minus the em height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = FW_NORMAL;
    int tmOverhang = 0;
    int tmDigitizedAspectX = 96;
    int tmDigitizedAspectY = 96;
    char tmFirstChar = 0x20;
    char tmLastChar = char(0xFF);
    char tmDefaultChar = '?';
    char tmBreakChar = ' ';
    std::uint8_t tmItalic = 0;
    std::uint8_t tmUnderlined = 0;
    std::uint8_t tmStruckOut = 0;
    std::uint8_t tmPitchAndFamily = 0;
    std::uint8_t tmCharSet = DEFAULT_CHARSET;
};

// Brush styles (LOGBRUSH lbStyle) and pen styles.
constexpr unsigned BS_SOLID = 0;
constexpr unsigned BS_NULL = 1;
constexpr unsigned BS_HOLLOW = BS_NULL;
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

/// The object records. Code outside the host uses handles and the functions
/// below; the fields are the host's.
struct TGdiObject : std::enable_shared_from_this<TGdiObject> {
    enum class TKind : std::uint8_t { Font, Brush, Pen, Bitmap, Region };
    explicit TGdiObject(TKind kind);
    virtual ~TGdiObject();
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    const TKind Kind;
    bool Stock = false;
};

struct TGdiFontData;    // host-internal: the rasteriser's font
struct TGdiBitmapData;  // host-internal: the pixel image
struct TGdiRegionData;  // host-internal: the region's area

/// A font object of the drawing services.
struct TGdiFont final : TGdiObject {
    explicit TGdiFont(const LOGFONT& log);
    ~TGdiFont() override;
    LOGFONT Log;
    // Shared by the font objects of one description (see SharedFontData).
    std::shared_ptr<TGdiFontData> Data;
};

/// A brush object of the drawing services.
struct TGdiBrush final : TGdiObject {
    TGdiBrush(unsigned style, TColor color) : TGdiObject(TKind::Brush), Style(style), Color(color) {}
    unsigned Style;  // BS_SOLID or BS_NULL
    TColor Color;
};

/// A pen object of the drawing services.
struct TGdiPen final : TGdiObject {
    TGdiPen(int style, int width, TColor color) : TGdiObject(TKind::Pen), Style(style), Width(width), Color(color) {}
    int Style;
    int Width;  // 0 and 1 both mean one pixel
    TColor Color;
};

/// A bitmap object of the drawing services: a 32-bit picture a device context can draw into.
struct TGdiBitmap final : TGdiObject {
    TGdiBitmap(int width, int height);
    ~TGdiBitmap() override;
    std::unique_ptr<TGdiBitmapData> Data;
};

/// A region object of the drawing services: an area made of rectangles.
struct TGdiRegion final : TGdiObject {
    TGdiRegion();
    ~TGdiRegion() override;
    std::unique_ptr<TGdiRegionData> Data;
};

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;
// The stock object, or null for an unknown index.
HGDIOBJ GetStockObject(int index);

HFONT CreateFontIndirect(const LOGFONT* log);
HBRUSH CreateSolidBrush(TColor color);
HPEN CreatePen(int style, int width, TColor color);
// A 32-bit bitmap of that size, filled black. Answers null for a negative
// size or one too large (over 32768 on a side or 2^28 pixels).
HBITMAP CreateCompatibleBitmap(HDC reference, int width, int height);
// The pixel size of a bitmap ({0,0} for null).
TSize GetBitmapDimension(HBITMAP bitmap);

// Frees an object; a stock object is left alone. Answers false for null or
// an object that is not (or no longer) known.
bool DeleteObject(HGDIOBJ object);

// Selects a font, brush, pen or bitmap (memory DCs only) into the DC and
// answers the object it replaces (null on failure). Selecting a region sets
// the clip region (a copy) and answers the region complexity cast to a
// handle, as the window services do; prefer SelectClipRgn.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
constexpr unsigned OBJ_PEN = 1;
constexpr unsigned OBJ_BRUSH = 2;
constexpr unsigned OBJ_FONT = 6;
constexpr unsigned OBJ_BITMAP = 7;
HGDIOBJ GetCurrentObject(HDC dc, unsigned type);

// ---------------------------------------------------------------- regions
// Regions are areas of device pixels. Elliptic and rounded regions cover
// exactly the pixels that Ellipse / RoundRect fill and outline for the box
// one pixel smaller on the right and bottom, as the window services' regions
// do (a region for (0,0,W+1,H+1) matches a shape drawn in (0,0,W,H)). They
// keep covering what Ellipse / RoundRect draw on a DC of a device pixel
// ratio above 1 (FillRgn, the clip functions): there their curve has the
// device's detail, and so has what OffsetRgn and CombineRgn make of them.
// Every other region, and what a region answers (GetRgnBox, PtInRegion,
// EqualRgn), is in whole logical pixels.

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
// dest := src1 <mode> src2 (RGN_COPY uses src1 only). Answers the complexity
// of the result, or ERROR_REGION.
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
bool PtInRegion(HRGN region, int x, int y);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, TRect* box);
bool EqualRgn(HRGN a, HRGN b);
// Sets the DC's clip region to a copy of `region` (device coordinates); a
// null region removes clipping.
int SelectClipRgn(HDC dc, HRGN region);
// Combines the DC's clip region (the whole image when it has none) with
// `region` (device coordinates) by RGN_AND, RGN_OR, RGN_XOR or RGN_DIFF;
// RGN_COPY is SelectClipRgn. Answers the new clip's complexity.
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
bool FillRgn(HDC dc, HRGN region, HBRUSH brush);

// ---------------------------------------------------------------- drawing

bool FillRect(HDC dc, const TRect& rect, HBRUSH brush);
bool FillRect(HDC dc, const TRect* rect, HBRUSH brush);
// Fills the rectangle in one-pixel bands, rows (`vertical`) or columns, each
// in the colour `colorOf` gives for its logical y or x: what a FillRect per
// band draws, in one pass over the clip (a gradient of many bands).
enum class TBandDirection : std::uint8_t { Rows, Columns };
bool FillBands(HDC dc, const TRect& rect, TBandDirection direction, const std::function<TColor(int)>& colorOf);
// A one-pixel frame in the brush's colour.
bool FrameRect(HDC dc, const TRect& rect, HBRUSH brush);
bool FrameRect(HDC dc, const TRect* rect, HBRUSH brush);
bool InvertRect(HDC dc, const TRect& rect);
// The dotted focus frame: every other pixel of the rectangle's one-pixel
// border inverted (exclusive or), so drawing it twice restores the pixels.
bool DrawFocusRect(HDC dc, const TRect& rect);
bool DrawFocusRect(HDC dc, const TRect* rect);

// Shapes with the selected pen (outline) and brush (inside). Rectangle
// outlines left..right-1, top..bottom-1; Ellipse fits the same box.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
// Counter-clockwise arc of the ellipse in the box, from the radial through
// (xStart, yStart) to the radial through (xEnd, yEnd).
bool Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
bool Polygon(HDC dc, const TPoint* points, int count);
bool Polyline(HDC dc, const TPoint* points, int count);

// Raster operations.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t WHITENESS = 0x00FF0062;

// Copies (or combines) a block of pixels. The source may be the destination
// DC itself (overlapping copies behave as if through a temporary image).
// Source pixels outside the source image are left out. Operations without a
// source (DSTINVERT, PATCOPY, PATINVERT, BLACKNESS, WHITENESS) accept a null
// source. An unsupported operation answers false and draws nothing.
bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, std::uint32_t rop);
bool PatBlt(HDC dc, int x, int y, int width, int height, std::uint32_t rop);
// Nearest-pixel scaling of the source block onto the destination block.
// Negative sizes draw nothing.
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int widthSource, int heightSource, std::uint32_t rop);
// StretchBlt's copy, leaving out source pixels of colour `transparent`.
// Between DCs of one device pixel ratio a block of equal sizes is copied
// device pixel for device pixel, so what is drawn at a finer density keeps
// its detail.
bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int widthSource, int heightSource, TColor transparent);

// ---------------------------------------------------------------- text
// Text is UTF-8. The selected font is used, in the DC's text colour; with
// background mode OPAQUE the text's cells are first filled with the
// background colour.

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
// Width of the text and the font's cell height (also for empty text).
bool GetTextExtentPoint32(HDC dc, const char* text, int count, TSize* size);
TSize TextExtent(HDC dc, std::string_view text);

// TextOut draws with its top-left at (x, y).
bool TextOut(HDC dc, int x, int y, const char* text, int count);
bool TextOut(HDC dc, int x, int y, std::string_view text);
constexpr unsigned ETO_OPAQUE = 0x0002;
constexpr unsigned ETO_CLIPPED = 0x0004;
// ETO_OPAQUE fills `rect` with the background colour; ETO_CLIPPED clips the
// text to it. `rect` may be null when neither is given.
bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* rect, std::string_view text);

constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_TABSTOP = 0x0080;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_EXTERNALLEADING = 0x0200;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

// Formats text in a rectangle.
// - Lines: without DT_SINGLELINE, CR, LF and CR LF start a new line; with
//   DT_WORDBREAK, lines are also broken at spaces so that they fit the
//   rectangle's width (a word wider than the rectangle stays whole). With
//   DT_SINGLELINE, line breaks are ignored (not drawn).
// - Prefixes: unless DT_NOPREFIX, "&" underlines the next character and is
//   not drawn; "&&" draws one "&". DT_HIDEPREFIX drops the underline.
// - Alignment: DT_LEFT / DT_CENTER / DT_RIGHT per line; DT_VCENTER and
//   DT_BOTTOM apply to single-line text only.
// - Text is clipped to the rectangle unless DT_NOCLIP.
// - DT_CALCRECT draws nothing: it sets the rectangle's right edge to left +
//   the widest line and its bottom to top + the text's height. Empty text
//   gives right = left and a height of one line (single-line) or none.
// - DT_RTLREADING, DT_EXTERNALLEADING, DT_EDITCONTROL and DT_INTERNAL are
//   accepted; the ellipsis flags are accepted and ignored.
// Answers the height of the text (0 on failure).
int DrawText(HDC dc, std::string_view text, TRect& rect, unsigned format);
int DrawTextA(HDC dc, const char* text, int count, TRect* rect, unsigned format);

// ---------------------------------------------------------------- frame controls

constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0000;
constexpr unsigned DFCS_BUTTONRADIOIMAGE = 0x0001;
constexpr unsigned DFCS_BUTTONRADIOMASK = 0x0002;
constexpr unsigned DFCS_BUTTONRADIO = 0x0004;
constexpr unsigned DFCS_BUTTON3STATE = 0x0008;
constexpr unsigned DFCS_BUTTONPUSH = 0x0010;
constexpr unsigned DFCS_INACTIVE = 0x0100;
constexpr unsigned DFCS_PUSHED = 0x0200;
constexpr unsigned DFCS_CHECKED = 0x0400;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;

// The classic push-button frame (DFC_BUTTON with DFCS_BUTTONPUSH):
// - normal: outer ring clBtnHighlight top-left / cl3DDkShadow bottom-right,
//   inner ring cl3DLight top-left / clBtnShadow bottom-right;
// - DFCS_PUSHED: outer ring clBtnShadow top-left / clBtnHighlight
//   bottom-right, inner ring cl3DDkShadow top-left / cl3DLight bottom-right;
// - the face inside is filled with clBtnFace; DFCS_ADJUSTRECT shrinks the
//   rectangle by the two rings (2 pixels a side).
// DFCS_INACTIVE changes nothing in the frame. Other kinds answer false.
bool DrawFrameControl(HDC dc, TRect* rect, unsigned type, unsigned state);

// ---------------------------------------------------------------- resources

// A bitmap resource (host/services/Resources.h), decoded to a new 32-bit bitmap the
// caller owns. Null when there is no resource of that name or its bytes are
// not a valid BMP file.
HBITMAP LoadBitmap(HINSTANCE instance, const char* name);
inline HBITMAP LoadBitmapA(HINSTANCE instance, const char* name) { return LoadBitmap(instance, name); }

}  // namespace Orvo
