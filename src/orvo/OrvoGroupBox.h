#pragma once
// TOrvoGroupBox: a container that draws its own frame and caption. The frame
// is etched (a clBtnHighlight rectangle under a clBtnShadow one, one pixel
// up and left) or flat (one clWindowFrame rectangle); its top edge runs
// through the middle of the caption line and leaves a gap exactly under the
// caption text. Transparent, it shows its parent's picture behind the frame
// and the caption. Enabling or disabling it does the same to its direct
// children.
//
// Also here: the pieces the library's containers share (the gapped group
// frame, invalidating and enabling the direct children).

#include <string>

#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

class TCanvas;

// ---------------------------------------------------------------- shared container pieces

// Where a group caption (or heading) starts on the top edge of the frame.
inline constexpr int kGroupCaptionLeft = 8;

// Draws a one-pixel rectangle frame (right and bottom inclusive, as
// MoveTo/LineTo draw it) in `color` with the pen, leaving the top edge
// undrawn from x = gapLeft to x = gapLeft + gapWidth - 1. The pen starts at
// (gapLeft - 1, Top), goes round anticlockwise through the four corners and
// ends at (gapLeft - 1 + gapWidth, Top), which LineTo leaves out. A gap of
// width 0 closes the top edge.
void DrawGroupFrame(TCanvas* canvas, const TRect& rect, TColor color, int gapLeft, int gapWidth);

// Invalidates every direct child control in index order (transparent ones
// copy the parent's new picture when they repaint).
void InvalidateChildControls(TWinControl& parent);

// Sets Enabled of every direct child control, in index order, except `except`.
void EnableChildControls(TWinControl& parent, bool enabled, const TControl* except = nullptr);

// ---------------------------------------------------------------- TOrvoGroupBox

/// A group box with its own frame styles, title colours and transparency.
class TOrvoGroupBox : public TGroupBox {
public:
    explicit TOrvoGroupBox(TComponent* owner);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    // The group box's own flag (it hides the framework's Ctl3D and does not
    // follow ParentCtl3D): etched frame or flat frame. Assigning it repaints
    // at once, even when the value is unchanged.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // The parent's picture shows through; the caption has no background.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }

    /// ---- geometry of the current look, shared by painting and tests
    /// The rectangles the frame is drawn as (highlight first, then shadow for
    /// the etched look; one rectangle for the flat look) for a caption line
    /// of height `captionHeight`.
    struct TFrameRects {
        TRect First;
        TRect Second;
        int Count = 1;
    };
    TFrameRects FrameRects(int captionHeight) const;
    // Where the caption starts: 8, or with right-to-left alignment 8 pixels
    // left of the last frame's right edge less the caption's width.
    int CaptionLeft(int captionWidth) const;

protected:
    void Paint() override;

private:
    bool FCtl3D = true;
    bool FTransparent = false;
};

}  // namespace Orvo
