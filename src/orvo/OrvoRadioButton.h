#pragma once
// TOrvoRadioButton: a windowed radio button that draws itself: a 13 x 13
// ring (flat, or shaded sunken or raised) with a recoloured dot when
// checked, its caption beside it, an optional border, hot tracking, a focus
// highlight and full transparency over its parent.
//
// Checking a radio button unchecks every other radio button with the same
// parent and the same GroupIndex. User input only ever checks a button; it
// is unchecked by a sibling being checked, by code, or by a press that is
// dragged off before the release.
//
// The painting and behaviour it shares with the check box lives in
// orvo/OrvoCheckPainting.h.

#include <memory>
#include <string>

#include "host/framework/Controls.h"
#include "orvo/OrvoCheckPainting.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

// The dot's resource name for a check style: "RB_CIRCLE", "RB_3D_CIRCLE" or
// "RB_GLOSSY_CIRCLE".
std::string RadioGlyphName(TOrvoCheckStyle style);

// Where the ring lies in a control of that size: its 13 x 13 bounding box
// (x0, y0)-(x1, y1), at the right edge for taLeftJustify, else at x 3.
TRect RadioRingBox(TLeftRight alignment, int width, int height);

class TOrvoRadioButton : public TCustomControl {
public:
    explicit TOrvoRadioButton(TComponent* owner);
    ~TOrvoRadioButton() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    // A button read checked unchecks its group only now that every sibling
    // has been read (see SetChecked).
    void Loaded() override;

    // ---- properties of the control's own (none has a stored default)
    TLeftRight Alignment() const { return FAlignment; }
    // taCenter is not a place for the ring: it is taken as taRightJustify.
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
    // Always acts, even for the current value: records the former value,
    // unchecks the siblings of the same group when checking, invalidates.
    // While a form description is read the siblings are left alone: the
    // group a button belongs to (GroupIndex) is stored after Checked, and
    // siblings read later are not there yet. Loaded applies the rule.
    void SetChecked(bool value);
    TColor CheckColor() const { return FCheckColor; }
    void SetCheckColor(TColor value);
    TOrvoCheckStyle CheckStyle() const { return FCheckStyle; }
    void SetCheckStyle(TOrvoCheckStyle value);
    // The control's own flag: it selects the shaded ring.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool FocusHighlight() const { return FFocusHighlight; }
    void SetFocusHighlight(bool value);
    std::uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(std::uint8_t value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    const std::string& HintSecondLine() const { return FHintSecondLine; }
    void SetHintSecondLine(const std::string& value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TColor HotTrackFontColor() const { return FHotTrackFontColor; }
    void SetHotTrackFontColor(TColor value);
    bool Raised() const { return FRaised; }
    void SetRaised(bool value);
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
    bool MouseOver() const { return FHot.MouseOver(); }
    // False from a left press until the click or the mouse leave settles it.
    bool ClickDone() const { return FClickDone; }
    // Checked before the last assignment (and what presses and keys leave).
    bool WasChecked() const { return FWasChecked; }
    const TBitmap* GlyphBitmap() const { return FGlyphBitmap.get(); }
    std::string GlyphResourceName() const { return RadioGlyphName(FCheckStyle); }
    TRect CaptionRect() const { return FCaptionRect; }
    // After a paint of a checked, enabled button: where the dot went.
    TRect PaintClientRect() const { return FClientRect; }

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(Word& key, TShiftState shift) override;

private:
    void UncheckSiblings();
    void LoadGlyph();
    void DrawRadio();
    void DrawRing(const TRect& ring);
    // A press that put the dot there and was dragged off takes it away.
    void SettlePendingPress();
    void HandleDialogChar(TMessage& message);
    void HandleCommand(TMessage& message);

    // Per-paint values, computed again at the start of every paint.
    TRect FClientRect;
    TRect FCaptionRect;
    TColor FPaintColor = clWindow;
    TColor FPaintFontColor = clWindowText;
    TOrvoBorder FPaintBorder = obNone;

    bool FClickDone = true;
    bool FWasChecked = false;
    TOrvoHotTracking FHot;
    std::unique_ptr<TBitmap> FGlyphBitmap;

    TLeftRight FAlignment = taRightJustify;
    bool FAutoSize = true;
    TOrvoBorder FBorder = obNone;
    TColor FBorderColor = clBlue;
    TOrvoBorderVisible FBorderVisible = bvAlways;
    bool FChecked = false;
    TColor FCheckColor = clBlack;
    TOrvoCheckStyle FCheckStyle = os3D;
    bool FCtl3D = true;
    bool FFocusHighlight = false;
    std::uint8_t FGroupIndex = 0;
    TColor FHighlightColor = clLime;
    std::string FHintSecondLine;
    bool FHotTrack = true;
    TColor FHotTrackFontColor = clBlue;
    bool FRaised = false;
    bool FReadOnly = false;
    bool FTransparent = false;
    bool FTransparentCenter = false;
    bool FWordWrap = false;
};

}  // namespace Orvo
