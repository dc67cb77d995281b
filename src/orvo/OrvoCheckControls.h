#pragma once
// The check controls of the library.
//
// TOrvoCheckBox: a windowed check box that draws everything itself: its
// background (solid, the focus highlight, or the parent's picture), an
// optional border, the caption, a 14 x 14 check square and a 16 x 16 glyph
// recoloured to CheckColor. It toggles on a left press, on Enter or Space and
// on its accelerator; it can hot-track and be read-only.
//
// The painting and behaviour it shares with the other check controls lives
// in orvo/OrvoCheckPainting.h.

#include <memory>
#include <string>

#include "host/framework/Controls.h"
#include "orvo/OrvoCheckPainting.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

class TOrvoCheckBox : public TCustomControl {
public:
    explicit TOrvoCheckBox(TComponent* owner);
    ~TOrvoCheckBox() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    // ---- properties of the control's own (none has a stored default)
    TLeftRight Alignment() const { return FAlignment; }
    // taCenter is not a place for the mark: it is taken as taRightJustify.
    void SetAlignment(TLeftRight value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TOrvoBorder Border() const { return FBorder; }
    void SetBorder(TOrvoBorder value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TOrvoBorderVisible BorderVisible() const { return FBorderVisible; }
    void SetBorderVisible(TOrvoBorderVisible value);
    bool Checked() const { return FChecked; }
    // Always stores and invalidates, even for the current value; no event.
    void SetChecked(bool value);
    TColor CheckColor() const { return FCheckColor; }
    void SetCheckColor(TColor value);
    TOrvoCheckStyle CheckStyle() const { return FCheckStyle; }
    void SetCheckStyle(TOrvoCheckStyle value);
    TOrvoCheckType CheckType() const { return FCheckType; }
    void SetCheckType(TOrvoCheckType value);
    // The control's own flag (it hides the framework's Ctl3D): it selects
    // the look of the check square only.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool FocusHighlight() const { return FFocusHighlight; }
    void SetFocusHighlight(bool value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    const std::string& HintSecondLine() const { return FHintSecondLine; }
    void SetHintSecondLine(const std::string& value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TColor HotTrackFontColor() const { return FHotTrackFontColor; }
    void SetHotTrackFontColor(TColor value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool TransparentCenter() const { return FTransparentCenter; }
    void SetTransparentCenter(bool value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    TOnMouseOverEvent OnMouseEnter;
    TOnMouseOutEvent OnMouseExit;

    // ---- read-only views for tests and derived controls
    // True while the pointer is over the control and hot tracking caught it.
    bool MouseOver() const { return FHot.MouseOver(); }
    // False from a press that toggled the box until a click or a cancel.
    bool ClickDone() const { return FClickDone; }
    // The recoloured glyph (empty when its resource could not be loaded).
    const TBitmap* GlyphBitmap() const { return FGlyphBitmap.get(); }
    // The caption rectangle of the last paint.
    TRect CaptionRect() const { return FCaptionRect; }

    // The glyph's resource name for the current style and type.
    std::string GlyphResourceName() const { return CheckBoxGlyphName(FCheckStyle, FCheckType); }

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(Word& key, TShiftState shift) override;

private:
    void LoadGlyph();
    void DrawCheck();
    void ToggleThroughSetter() { SetChecked(!FChecked); }
    // A press that toggled the box and was not settled is undone.
    void CancelPendingPress();
    void HandleDialogChar(TMessage& message);

    // Per-paint values, computed again at the start of every paint.
    TRect FClientRect;
    TRect FCaptionRect;
    TColor FGlyphKeyColor = clFuchsia;
    TColor FPaintColor = clWindow;
    TColor FPaintFontColor = clWindowText;
    TOrvoBorder FPaintBorder = obNone;

    bool FClickDone = true;
    TOrvoHotTracking FHot;

    TLeftRight FAlignment = taRightJustify;
    bool FAutoSize = true;
    TOrvoBorder FBorder = obNone;
    TColor FBorderColor = clBlue;
    TOrvoBorderVisible FBorderVisible = bvAlways;
    bool FChecked = false;
    TColor FCheckColor = clRed;
    TOrvoCheckStyle FCheckStyle = os3D;
    TOrvoCheckType FCheckType = ocCross;
    bool FCtl3D = true;
    bool FFocusHighlight = false;
    std::unique_ptr<TBitmap> FGlyphBitmap;
    TColor FHighlightColor = clLime;
    std::string FHintSecondLine;
    bool FHotTrack = true;
    TColor FHotTrackFontColor = clBlue;
    bool FReadOnly = false;
    bool FTransparent = false;
    bool FTransparentCenter = false;
    bool FWordWrap = false;
};

}  // namespace Orvo

#include "orvo/OrvoRadioButton.h"
#include "orvo/OrvoRadioGroup.h"
#include "orvo/OrvoGroupBoxWithCheck.h"
#include "orvo/OrvoGroupBox.h"
#include "orvo/OrvoPanel.h"
