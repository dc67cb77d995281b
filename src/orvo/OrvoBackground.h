#pragma once
// TOrvoBackground: a windowless control that covers its parent's client area
// (Align alClient) with a two-colour linear gradient or, while it holds a
// tile picture, with that picture repeated. Being windowless it paints on
// the parent's surface beneath every windowed control, and transparent
// controls show its picture through themselves.

#include <cstdint>
#include <memory>
#include <string>

#include "host/Controls.h"
#include "orvo/OrvoClasses.h"

class TBitmap;

// One band of the gradient: the colour of band `index` of a gradient with
// `extent` bands plus one, from `startColor` to `endColor` (system colours
// allowed). The steps are single precision, each product with the band index
// is formed in extended precision and truncated toward zero, so the band at
// `extent` is the end colour and the last visible one (extent - 1) falls one
// step short of it. A zero extent has no steps: every band is the start
// colour.
TColor GradientBandColor(TColor startColor, TColor endColor, int extent, int index);

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
