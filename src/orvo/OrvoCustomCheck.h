#pragma once
// TOrvoCustomCheck: what the check box and the radio button share (and so
// the radio group's buttons and the heading of the group box with check).
//
// A windowed control that draws everything itself: its background (solid,
// the focus highlight, or the parent's picture), an optional border, the
// caption beside a mark, and the mark, a recoloured glyph. It holds the
// properties both publish, their setters, the press that shows at once and
// waits for the release, hot tracking with its enter and exit events, the
// focus repaint and the accelerator, and the order of a paint.
//
// A kind of check control says only what is its own, through a few hooks:
//   the mark        DrawMark, GlyphResourceName
//   the state rule  ShowPress (what a press shows before the release),
//                   UndoPress (a press no click settled), AcceleratorClicked,
//                   CheckedAssigned (after every assignment of Checked: the
//                   radio button's group rule)
// and Click and KeyDown where a user action checks rather than toggles.
// The class is not registered: form descriptions name its kinds only.

#include <functional>
#include <memory>
#include <string>

#include "host/framework/Controls.h"
#include "orvo/OrvoCaptionPainting.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

/// Whether the pointer is over the control with hot tracking on, and the
/// rules for CM_MOUSEENTER and CM_MOUSELEAVE:
///
///   message         control   HotTrack   action
///   CM_MOUSEENTER   enabled   on         mouse over := True, Repaint, OnMouseEnter
///   CM_MOUSEENTER   enabled   off        OnMouseEnter
///   CM_MOUSELEAVE   enabled   on         mouse over := False, Repaint, settle a
///                                        pending press, OnMouseExit
///   CM_MOUSELEAVE   enabled   off        settle a pending press, OnMouseExit
///   either          disabled  any        nothing, no event
///
/// A paint shows the hot look only while both the mouse-over flag and
/// HotTrack are on.
class TOrvoHotTracking {
public:
    bool MouseOver() const { return FMouseOver; }
    bool ShowsHot(bool hotTrack) const { return FMouseOver && hotTrack; }

    void HandleMouseEnter(TControl& control, bool hotTrack, const TOnMouseOverEvent& onEnter);
    // `settlePress` (may be empty) runs after the repaint and before the event.
    void HandleMouseLeave(TControl& control, bool hotTrack, const std::function<void()>& settlePress,
                          const TOnMouseOutEvent& onExit);

private:
    bool FMouseOver = false;
};

/// What the check box and the radio button share: caption, mark, border, hot-tracking, focus colour, transparency, press and paint.
class TOrvoCustomCheck : public TCustomControl {
public:
    ~TOrvoCustomCheck() override;

    const TClassInfo& ClassInfo() const override;
    // The properties both kinds publish, defined once; each kind publishes
    // them in its own order.
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    // Settles a pending press; raises OnClick unless ReadOnly.
    void Click() override;

    // ---- properties (none has a stored default)
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
    // Always stores and invalidates, even for the current value, with
    // CheckedAssigned in between; no event.
    void SetChecked(bool value);
    TColor CheckColor() const { return FCheckColor; }
    void SetCheckColor(TColor value);
    TOrvoCheckStyle CheckStyle() const { return FCheckStyle; }
    void SetCheckStyle(TOrvoCheckStyle value);
    // The control's own flag (it hides the framework's Ctl3D): it selects
    // the look of the mark's frame only.
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
    // False from a left press until a click or the pointer leaving settles it.
    bool ClickDone() const { return FClickDone; }
    // The recoloured glyph (empty when its resource could not be loaded).
    const TBitmap* GlyphBitmap() const { return FGlyphBitmap.get(); }
    // The caption rectangle of the last paint.
    TRect CaptionRect() const { return FCaptionRect; }
    // The glyph's resource name for the current style (and type).
    virtual std::string GlyphResourceName() const = 0;

protected:
    // Starts a 97 x 19 tab stop whose mark is drawn in `checkColor`. The
    // kind's constructor loads the glyph (LoadGlyph), which it names.
    TOrvoCustomCheck(TComponent* owner, TColor checkColor);

    // The paint: background, border, caption and its focus frame, DrawMark,
    // then AutoSize.
    void Paint() override;
    // A left press while enabled and not ReadOnly: focus, ShowPress, pending
    // until Click, OnMouseDown.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

    // ---- hooks of a kind of check control
    // Draws the mark on Canvas() for the current state.
    virtual void DrawMark() = 0;
    // What a left press shows at once (through ShowChecked: the release's
    // Click settles it).
    virtual void ShowPress() = 0;
    // Takes back what a press showed when no click settled it: the pointer
    // left the control, or the focus went elsewhere.
    virtual void UndoPress() = 0;
    // The accelerator has clicked the control and focused it.
    virtual void AcceleratorClicked() {}
    // Checked was just assigned (`was` is the value before).
    virtual void CheckedAssigned(bool was) {}

    // ---- for the hooks
    // Stores the state and repaints at once, without SetChecked's rule.
    void ShowChecked(bool value);
    // Reloads the glyph of GlyphResourceName in CheckColor.
    void LoadGlyph();
    // A press not settled yet is undone (UndoPress) and settled.
    void SettlePendingPress();
    TBitmap& Glyph() const { return *FGlyphBitmap; }

private:
    void HandleDialogChar(TMessage& message);
    // The messages whose inherited handling is followed by a repaint or a
    // click; false for the others.
    bool HandleRepaintingMessage(TMessage& message);

    // Per-paint values, computed again at the start of every paint.
    TRect FClientRect;
    TRect FCaptionRect;
    TColor FPaintColor = clWindow;
    TColor FPaintFontColor = clWindowText;
    TOrvoBorder FPaintBorder = obNone;

    bool FClickDone = true;
    TOrvoHotTracking FHot;
    std::unique_ptr<TBitmap> FGlyphBitmap;

    TLeftRight FAlignment = taRightJustify;
    bool FAutoSize = true;
    TOrvoBorder FBorder = obNone;
    TColor FBorderColor = clBlue;
    TOrvoBorderVisible FBorderVisible = bvAlways;
    bool FChecked = false;
    TColor FCheckColor;
    TOrvoCheckStyle FCheckStyle = os3D;
    bool FCtl3D = true;
    bool FFocusHighlight = false;
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
