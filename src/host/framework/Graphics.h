#pragma once
// The framework's drawing objects: TFont, TPen, TBrush, TCanvas, TBitmap and
// Frame3D. They wrap the GDI objects and device contexts of host/services/Gdi.h.
//
// Canvas rules (each one has a pixel test):
// - assigning a brush colour makes a clear brush solid;
// - text drawn through the canvas gets an opaque background in the brush
//   colour while the brush is solid and none while it is bsClear;
// - Rectangle, Ellipse and RoundRect outline with the pen and fill with the
//   brush unless it is bsClear; FrameRect draws one pixel in the brush colour;
// - LineTo leaves out its end point; right and bottom edges are exclusive;
// - BrushCopy with a clear brush leaves pixels of the key colour unpainted
//   and stretches the source when the destination is larger.

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/services/BmpCodec.h"
#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/framework/TypeInfo.h"

namespace Orvo {

/// A picture that cannot be read or an operation a picture refuses (bad BMP
/// data, a scan line out of range, an unsupported pixel format). The message
/// says what is wrong and where.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
/// A named resource that does not exist.
class EResNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// ---------------------------------------------------------------- graphics objects

/// Common base of font, pen and brush: a change notification raised after
/// each change of a property.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

/// A set of font styles (a bit per TFontStyle).
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
        for (TFontStyle s : styles) FBits |= Bit(s);
    }
    constexpr explicit TFontStyles(std::uint32_t bits) : FBits(std::uint8_t(bits & 0x0F)) {}
    constexpr bool Contains(TFontStyle s) const { return (FBits & Bit(s)) != 0; }
    constexpr TFontStyles& Include(TFontStyle s) { FBits |= Bit(s); return *this; }
    constexpr TFontStyles& Exclude(TFontStyle s) { FBits &= std::uint8_t(~Bit(s)); return *this; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr std::uint32_t Bits() const { return FBits; }
    constexpr explicit operator std::uint32_t() const { return FBits; }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr std::uint8_t Bit(TFontStyle s) { return std::uint8_t(1u << unsigned(s)); }
    std::uint8_t FBits = 0;
};

using TFontCharset = std::uint8_t;
enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

/// A font as form descriptions give it. Height < 0 is the character (em)
/// height in pixels, Height > 0 the cell height; Size is in points at 96
/// pixels per inch (Height = -round(Size * 96 / 72)). The name is mapped to an
/// installed family by host/services/FontMapping.h.
///
/// Height lies within -MaxHeight..MaxHeight (the largest height a font is
/// drawn at) and Size within -MaxSize..MaxSize, the points of that height: a
/// form description or a property assignment by value beyond them is refused,
/// code that sets more gets the nearest end.
class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;
    static constexpr int MaxHeight = MaxFontPixelHeight;
    static constexpr int MaxSize = MaxHeight * 72 / PixelsPerInch;

    TFont();
    ~TFont() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    // Copies another TFont (nullptr or another type is refused like TPersistent).
    void Assign(const TPersistent* source) override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);  // an empty name is ignored
    int Height() const { return FHeight; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset charset);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch);

    // The GDI font of the current properties (the colour is not part of it);
    // owned by this TFont and replaced after a change.
    HFONT Handle();
    LOGFONT LogFont() const;

private:
    void Modified();

    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    HFONT FHandle = nullptr;
};

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

/// The pen a canvas draws lines and outlines with: colour, width and style.
class TPen : public TGraphicsObject {
public:
    TPen();
    ~TPen() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Width() const { return FWidth; }
    void SetWidth(int width);  // values below 1 are stored as 1
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);

    HPEN Handle();  // owned by this TPen

private:
    void Modified();
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    HPEN FHandle = nullptr;
};

enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

/// The brush a canvas fills areas with: colour and style.
class TBrush : public TGraphicsObject {
public:
    TBrush();
    ~TBrush() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    // Stores the colour; a clear brush becomes solid.
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    HBRUSH Handle();  // owned by this TBrush (the stock hollow brush when clear)

private:
    void Modified();
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    HBRUSH FHandle = nullptr;
};

// ---------------------------------------------------------------- canvas

class TBitmap;
class TGraphic;

/// A drawing surface: a device context with a pen, brush and font. A canvas
/// wrapped round a given DC (SetHandle) never owns or frees it. A subclass can
/// create its DC on demand by overriding CreateHandle (called by Handle() when
/// there is none). Drawing without a DC does nothing.
class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBrush* Brush() const { return FBrush.get(); }
    TPen* Pen() const { return FPen.get(); }
    TFont* Font() const { return FFont.get(); }
    // Copy the values of another object (null is ignored).
    void SetBrush(const TBrush* brush);
    void SetPen(const TPen* pen);
    void SetFont(const TFont* font);

    // The DC, created through CreateHandle when there is none (may still be null).
    HDC Handle();
    // Attaches the canvas to a DC it does not own; null detaches.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return FHandle != nullptr; }

    // Bounding box of the DC's clip region, in logical coordinates
    // (empty when there is no DC).
    TRect ClipRect();
    TPoint PenPos();
    void SetPenPos(TPoint p);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);  // leaves out the end point
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void Polygon(std::span<const TPoint> points);
    void Polyline(std::span<const TPoint> points);
    void DrawFocusRect(const TRect& rect);

    // -1 (CLR_INVALID) outside the image or the clip region.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }
    void TextOut(int x, int y, std::string_view text);
    // Text at (x, y) clipped to the rectangle; a solid brush fills the
    // rectangle first.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);

    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
    // Copies `source` of the bitmap onto `dest` (stretched to its size). With
    // a clear brush, pixels of `keyColor` are left out; with a solid brush
    // they are painted in the brush colour.
    void BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor keyColor);

    // A canvas can be locked for the length of one drawing; locks nest.
    void Lock() { ++FLockCount; }
    void Unlock() { if (FLockCount > 0) --FLockCount; }
    bool TryLock() { if (FLockCount > 0) return false; ++FLockCount; return true; }
    int LockCount() const { return FLockCount; }

    // Raised after every drawing operation.
    TNotifyEvent OnChange;

protected:
    virtual void CreateHandle() {}
    void Changed();

private:
    enum TStateBits : unsigned { csPen = 1, csBrush = 2, csFont = 4 };
    // Selects the canvas's objects into its DC; answers the DC or null.
    HDC RequireState(unsigned bits);
    void PrepareText(HDC dc);

    HDC FHandle = nullptr;
    unsigned FState = 0;  // which of pen, brush and font are selected into FHandle
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    int FLockCount = 0;
};

/// Attaches a canvas to a device context for one drawing and detaches it
/// again when the drawing is left, also by an exception; the canvas is
/// locked meanwhile. The device context stays its owner's (save its state
/// with TSavedDC where the drawing changes it).
class TCanvasOnDC {
public:
    TCanvasOnDC(TCanvas* canvas, HDC dc) : FCanvas(canvas) {
        FCanvas->Lock();
        FCanvas->SetHandle(dc);
    }
    ~TCanvasOnDC() {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
    }
    TCanvasOnDC(const TCanvasOnDC&) = delete;
    TCanvasOnDC& operator=(const TCanvasOnDC&) = delete;

private:
    TCanvas* FCanvas;
};

// ---------------------------------------------------------------- pictures

/// A picture that can be sized, drawn and streamed.
class TGraphic : public TPersistent {
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    // Draws the picture stretched onto `rect` of the canvas.
    virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;

    TNotifyEvent OnChange;

protected:
    void Changed();
};

enum TPixelFormat : std::uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

/// A 32-bit bitmap (bytes blue, green, red, reserved). Whatever the depth of a
/// loaded BMP, its pixels are held at 32 bits; only pfDevice and pf32bit can
/// be set (both mean this layout), others raise EInvalidGraphic.
/// Saving writes the loaded BMP file unchanged while the pixels have not been
/// touched since (so form descriptions stream back byte for byte), otherwise
/// a 32-bit BMP.
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    // Copies another bitmap's picture; nullptr empties this one.
    void Assign(const TPersistent* source) override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // Sizes keep the pixels that still fit; new pixels are black. A bitmap
    // with a side of 0 is empty but remembers the other side (so SetWidth
    // then SetHeight makes the picture). Sizes beyond 0..32768 a side (or
    // 2^28 pixels) raise EInvalidGraphic.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetSize(int width, int height);
    void Draw(TCanvas* canvas, const TRect& rect) override;

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat format);

    // Row memory of a row (0 is the top), Width() pixels of 4 bytes.
    // EInvalidGraphic for a row outside 0..Height()-1.
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;

    // A pixel as TColor ($00BBGGRR); -1 outside the bitmap.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    // The bottom-left pixel (the framework's transparent colour of a bitmap).
    TColor TransparentColor() const;

    TCanvas* Canvas();

    // The bitmap object; null while empty. Owned by this TBitmap.
    HBITMAP Handle();
    // Takes ownership of `bitmap` (null empties the picture).
    void SetHandle(HBITMAP bitmap);
    // Gives up ownership of the handle; the picture becomes empty.
    HBITMAP ReleaseHandle();

    // Resources: EResNotFound for an unknown name, EInvalidGraphic for bad data.
    void LoadFromResourceName(HINSTANCE instance, std::string_view name);
    void LoadFromResourceName(std::string_view name) { LoadFromResourceName(HInstance, name); }

    // BMP files (host/services/BmpCodec.h). Loading bad data raises EInvalidGraphic and
    // leaves the picture unchanged. An empty picture saves as no bytes.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> SaveToBytes() const;
    void LoadFromStream(std::istream& in);   // reads to the end of the stream
    void SaveToStream(std::ostream& out) const;

    // The form-description form of a picture: a 32-bit little-endian byte
    // count followed by a complete BMP file (empty picture: count 0).
    void ReadData(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t> WriteData() const;

private:
    friend class TBitmapCanvas;
    friend class TCanvas;
    void ReplaceImage(HBITMAP bitmap);
    void FreeCanvasHandle();
    void CanvasChanged();

    HBITMAP FHandle = nullptr;  // owned
    std::unique_ptr<TCanvas> FCanvas;
    // The BMP file the pixels came from, while they are unchanged.
    TBmpOriginal FLoadedFile;
    TPixelFormat FPixelFormat = pfDevice;
    // The other side of a bitmap sized to 0 on one side (SetWidth then SetHeight).
    int FPendingWidth = 0;
    int FPendingHeight = 0;
};

// Frames `rect` with a top-left and a bottom-right colour, one pixel per unit
// of width, shrinking `rect` by one pixel on every side each time. Top-left
// colour: the left column except its bottom pixel and the top row except its
// right pixel; bottom-right colour: the right column and the bottom row fully.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);

}  // namespace Orvo
