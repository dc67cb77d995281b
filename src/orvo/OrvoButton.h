#pragma once
// TOrvoButton: a push button that draws itself completely in one of six
// shapes (rectangle, square, rounded rectangle, rounded square, ellipse,
// circle). The window gets a matching region, so clicks outside the shape
// reach whatever lies below and the parent shows through the corners; the
// face, frame and focus marks are drawn to fit the shape. On top of the
// framework's push button it has a face colour of its own, a face picture
// (Image) centred under the caption, a glyph strip beside, above or below
// the caption, word-wrapped captions, hot tracking (a washed face and
// another caption colour under the pointer), a highlight face colour while
// focused and an optional focus rectangle.
//
// Painting goes through the system's owner-draw protocol: the window style
// has BS_OWNERDRAW and every CN_DRAWITEM repaints the whole face.

#include <memory>
#include <string>

#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoButtonGeometry.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

/// A push button of any shape (rectangle, round rectangle, ellipse, or a picture's outline) with glyphs for its states.
class TOrvoButton : public TButton {
public:
    explicit TOrvoButton(TComponent* owner);
    ~TOrvoButton() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    // ---- properties of the button's own (none has a stored default)
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // The face colour. Color, Ctl3D and ParentColor are the button's own and
    // hide the framework's, which play no part in its look.
    TColor Color() const { return FColor; }
    // Also clears ParentColor.
    void SetColor(TColor value);
    // A 3-D frame, or a flat clWindowFrame outline.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // Read at the next paint; assigning them does not repaint.
    bool FocusHighlight() const { return FFocusHighlight; }
    void SetFocusHighlight(bool value);
    bool FocusRect() const { return FFocusRect; }
    void SetFocusRect(bool value);
    // The owned glyph strip: one or more equal frames side by side.
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies the picture in (null empties it) and counts its frames again;
    // repaints only when the count was known before, so the first glyph of a
    // new button shows at the next paint.
    void SetGlyph(const TBitmap* value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TColor HotTrackFontColor() const { return FHotTrackFontColor; }
    void SetHotTrackFontColor(TColor value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    // Takes the parent's colour at the next parent-colour notification.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value);
    // The owned face picture, centred under the caption.
    TBitmap* Image() const { return FImage.get(); }
    // Copies the picture in (null empties it) and repaints.
    void SetImage(const TBitmap* value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    // ---- read-only views for tests
    // The frames counted in Glyph; 0 until a glyph was first counted.
    int NumGlyphs() const { return FNumGlyphs; }
    // The shorter side, as the window region last took it.
    int ShapeSize() const { return FShapeSize; }
    bool MouseOver() const { return FMouseOver; }
    // True while the button is drawn as the form's current push button.
    bool IsFocused() const { return FIsFocused; }
    // What the last paint placed: the glyph frame and the caption.
    const TBitmap* GlyphFrame() const { return FGlyphFrame.get(); }
    TRect CaptionRect() const { return FCaptionRect; }
    // The canvas the button paints on during CN_DRAWITEM.
    const TCanvas* DrawingCanvas() const { return FCanvas.get(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWindowDone() override;
    void SetButtonStyle(bool aDefault) override;

private:
    void UpdateRegion();
    void ApplyWindowRegion();
    void CountGlyphFrames();
    void HandleDrawItem(TMessage& message);
    void HandleParentColorChanged(TMessage& message);

    void DrawButton(const TRect& itemRect, UINT itemState);
    void DrawFace(const TRect& itemRect, bool pressed);
    void DrawOutline(const TRect& rect);
    // Fills an outline `width` wide inside the edge of the shape in `rect` with the pen colour.
    void FillOutline(const TRect& rect, int corner, int width);
    void DrawFrame3D(const TRect& rect, unsigned frameFlags);
    // The frame's lines on clBtnFace, in a canvas whose corner is `shown`'s.
    void DrawFrameLines(TCanvas* frame, const TRect& rect, const TRect& shown, unsigned frameFlags);
    // The parent's picture in the device pixels of the window's edge pixels
    // that lie outside the shape's curve (none at a device pixel ratio of 1).
    void ShowParentOutsideShape();
    void PrepareGlyph();
    void DrawCaption();
    void DrawGlyph();
    unsigned CaptionFlags() const;

    // Per-paint values, computed again at every paint.
    TRect FItemRect;
    TRect FCaptionRect;
    TRect FGlyphRect;
    TColor FPaintColor = clBtnFace;
    TColor FPaintFontColor = clWindowText;
    std::unique_ptr<TBitmap> FGlyphFrame;
    int FShapeSize = 0;
    int FNumGlyphs = 0;
    bool FMouseOver = false;
    std::unique_ptr<TCanvas> FCanvas;
    bool FIsFocused = false;

    TAlignment FAlignment = taCenter;
    TColor FColor = clBtnFace;
    bool FCtl3D = true;
    bool FFocusHighlight = false;
    bool FFocusRect = true;
    std::unique_ptr<TBitmap> FGlyph;
    TColor FHighlightColor = clLime;
    bool FHotTrack = true;
    TColor FHotTrackFontColor = clBlue;
    TButtonLayout FLayout = blGlyphLeft;
    bool FParentColor = false;
    TShapeType FShape = stRectangle;
    std::unique_ptr<TBitmap> FImage;
    bool FWordWrap = false;

    struct TRegionDeleter {
        void operator()(HRGN region) const { DeleteObject(region); }
    };
    // What the window takes beyond the shape, made with the window region:
    // empty at a device pixel ratio of 1, above it the edge pixels' device
    // pixels outside the curve. Null for the rectangular shapes.
    std::unique_ptr<TGdiRegion, TRegionDeleter> FOutsideShape;
};

}  // namespace Orvo
