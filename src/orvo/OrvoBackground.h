#pragma once
// TOrvoBackground: a windowless control that covers its parent's client area
// (Align alClient) with a two-colour linear gradient or, while it holds a
// tile picture, with that picture repeated. Being windowless it paints on
// the parent's surface beneath every windowed control, and transparent
// controls show its picture through themselves.

#include <cstdint>
#include <memory>
#include <string>

#include "host/framework/Controls.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

class TBitmap;

/// The colour ramp of a gradient over `extent` pixels: both colours resolved
/// to RGB (system colours through the palette), one single-precision step per
/// channel, and the colour of each band. Band i is start + trunc(i * step)
/// per channel, the product formed in extended precision and truncated toward
/// zero, so band `extent` is the end colour and the last visible band
/// (extent - 1) falls one step short of it. A zero extent has no steps: every
/// band is the start colour.
class TGradientRamp {
public:
    TGradientRamp(TColor startColor, TColor endColor, int extent);
    TColor Band(int index) const;

private:
    int FRed0, FGreen0, FBlue0;
    float FRedStep = 0, FGreenStep = 0, FBlueStep = 0;
};

/// A gradient or tiled picture that fills its area for other controls to lie on.
class TOrvoBackground : public TGraphicControl {
public:
    explicit TOrvoBackground(TComponent* owner);
    ~TOrvoBackground() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    // ---- properties of the control's own (none has a stored default)
    TColor GradientStartColor() const { return FGradientStartColor; }
    void SetGradientStartColor(TColor value);
    TColor GradientEndColor() const { return FGradientEndColor; }
    void SetGradientEndColor(TColor value);
    TGradStyle Style() const { return FStyle; }
    void SetStyle(TGradStyle value);
    // The owned tile picture. While it is not empty the control paints tiles
    // and ignores the gradient. Changing its pixels in place does not repaint.
    TBitmap* TileImage() const { return FTileImage.get(); }
    // Copies `value` into the owned picture (the caller keeps its own; null
    // or an empty picture returns to the gradient) and repaints, always.
    void SetTileImage(const TBitmap* value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }

protected:
    void Paint() override;

private:
    void PaintGradient();
    void PaintTiles();

    std::unique_ptr<TBitmap> FTileImage;
    TColor FGradientStartColor = clBtnFace;
    TColor FGradientEndColor = clWhite;
    TGradStyle FStyle = gsVertical;
};

}  // namespace Orvo
