#pragma once
// The panel: a windowed container with raised or lowered bevels and a
// centred caption.

#include <cstdint>

#include "host/framework/Controls.h"
#include "host/stdctrls/StdCtrls.h"

namespace Orvo {

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelBevel = TBevelCut;

/// A container with raised or lowered bevels and a centred caption.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel v);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel v);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int v);  // at least 1
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v);  // at least 0
    TControlBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TControlBorderStyle v);

    // The colours of a bevel: top-left and bottom-right. bvLowered is
    // clBtnShadow / clBtnHighlight; bvRaised and bvSpace the reverse.
    static void BevelColors(TPanelBevel bevel, TColor& topLeft, TColor& bottomRight);
    // What lies inside the border style's frame, the bevels and the border
    // width: the area the caption is centred in and children align in.
    TRect InteriorRect() const;

protected:
    // Draws the border frame (bsSingle), the outer bevel, the border width
    // in Color, the inner bevel, fills the rest with Color and draws the
    // caption centred vertically (DT_EXPANDTABS | DT_SINGLELINE |
    // DT_VCENTER and the alignment).
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;
    // The caption's flags for the alignment, through the bidi mode.
    unsigned CaptionFlags() const;

private:
    TAlignment FAlignment = taCenter;
    TPanelBevel FBevelInner = bvNone;
    TPanelBevel FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TControlBorderStyle FBorderStyle = bsNone;
};

/// The framework's panel, with every panel property published.
class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
};

}  // namespace Orvo
