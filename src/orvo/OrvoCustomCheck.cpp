#include "orvo/OrvoCustomCheck.h"

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "orvo/OrvoGlyphColoring.h"

namespace Orvo {

// ================================================================ TOrvoCustomCheck
//
// Press state (FClickDone). A left press shows its outcome at once
// (ShowPress), so the user sees the new state while holding the button; the
// press stays pending until a click settles it or UndoPress takes it back:
//
//   state           event                                   action                 next
//   settled (True)  left press, enabled and not ReadOnly    focus, ShowPress       pending (False)
//   pending         release over the control (Click)        OnClick unless ReadOnly settled
//   pending         CM_MOUSELEAVE while enabled             UndoPress              settled
//   settled         CM_MOUSELEAVE                           nothing                settled
//   any             Click by any path                       OnClick unless ReadOnly settled
//
// Hot state: see TOrvoHotTracking.
//
// Focus: WM_SETFOCUS and WM_KILLFOCUS repaint at once, so FocusHighlight,
// bvWhenFocused and the focus rectangle follow the focus immediately:
//
//   event          action                          shows
//   WM_SETFOCUS    inherited handling, Repaint     HighlightColor background (FocusHighlight),
//                                                  the border (bvWhenFocused), focus rectangle
//   WM_KILLFOCUS   inherited handling, Repaint     Color background, no border with
//                                                  bvWhenFocused, no focus rectangle

namespace {

// ---------------------------------------------------------------- per-paint choices

// The background colour of a paint: the highlight colour while focused with
// FocusHighlight on, otherwise the control's colour.
TColor BackgroundPaintColor(bool focused, bool focusHighlight, TColor highlightColor, TColor color) {
    return focused && focusHighlight ? highlightColor : color;
}

// The caption colour of a paint: the hot-track colour while the control
// shows its hot look, otherwise the font's colour.
TColor CaptionPaintColor(bool hot, TColor hotTrackFontColor, TColor fontColor) {
    return hot ? hotTrackFontColor : fontColor;
}

// The border drawn in a paint: none while unfocused with bvWhenFocused,
// otherwise the control's border.
TOrvoBorder EffectiveBorder(TOrvoBorder border, TOrvoBorderVisible visible, bool focused) {
    return !focused && visible == bvWhenFocused ? obNone : border;
}

struct TBackgroundPainting {
    bool Transparent = false;  // the parent's picture instead of a fill
    TColor Color = clWindow;   // the fill colour when not transparent
    bool Hot = false;          // wash the result halfway toward clBtnHighlight
};

// Paints the background of `clientRect`: the parent's picture or a fill,
// then, while hot, the wash over the canvas's clip box.
void PaintCheckBackground(TControl* control, TCanvas* canvas, const TRect& clientRect, const TBackgroundPainting& how) {
    if (how.Transparent) {
        CopyParentBackground(control, canvas);
    } else {
        canvas->Brush()->SetColor(how.Color);
        canvas->FillRect(clientRect);
    }
    if (how.Hot) BlendColor(canvas, clBtnHighlight, 50);
}

// ---------------------------------------------------------------- hint

// The HintSecondLine rule, after the caller stored the new text: outside a
// designer, when both the control's Hint and the text are not empty, Hint
// gets a carriage return (character 13) and the text appended. Every such
// assignment appends once more (a third line, not a replaced second one).
void AppendHintSecondLine(TControl& control, const std::string& secondLine) {
    if (control.ComponentState().Contains(csDesigning)) return;
    if (control.Hint().empty() || secondLine.empty()) return;
    control.SetHint(control.Hint() + '\r' + secondLine);
}

// The Hint a form description stores for a control with a second hint line:
// the hint without the line that HintSecondLine appended, so that reading the
// description back (Hint first, then HintSecondLine) gives the same hint
// again instead of appending the line once more.
std::string StoredHint(const std::string& hint, const std::string& secondLine) {
    if (secondLine.empty()) return hint;
    const std::string appended = "\r" + secondLine;
    if (hint.size() > appended.size() && hint.compare(hint.size() - appended.size(), appended.size(), appended) == 0)
        return hint.substr(0, hint.size() - appended.size());
    return hint;
}

}  // namespace

// ---------------------------------------------------------------- hot tracking

void TOrvoHotTracking::HandleMouseEnter(TControl& control, bool hotTrack, const TOnMouseOverEvent& onEnter) {
    if (!control.Enabled()) return;
    if (hotTrack) {
        FMouseOver = true;
        control.Repaint();
    }
    // A copy: the handler may free the control, and the event with it.
    const TOnMouseOverEvent handler = onEnter;
    handler(&control);
}

void TOrvoHotTracking::HandleMouseLeave(TControl& control, bool hotTrack, const std::function<void()>& settlePress,
                                        const TOnMouseOutEvent& onExit) {
    if (!control.Enabled()) return;
    if (hotTrack) {
        FMouseOver = false;
        control.Repaint();
    }
    if (settlePress) settlePress();
    const TOnMouseOutEvent handler = onExit;
    handler(&control);
}

// ---------------------------------------------------------------- the class

TOrvoCustomCheck::TOrvoCustomCheck(TComponent* owner, TColor checkColor)
    : TCustomControl(owner), FGlyphBitmap(std::make_unique<TBitmap>()), FCheckColor(checkColor) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 97, 19);
    SetTabStop(true);
}

TOrvoCustomCheck::~TOrvoCustomCheck() = default;

const TClassInfo& TOrvoCustomCheck::StaticClassInfo() {
    static const TClassInfo info = [] {
        // No factory: only its kinds are made from form descriptions.
        TClassInfo i("TOrvoCustomCheck", &TCustomControl::StaticClassInfo());
        using C = TOrvoCustomCheck;
        // None of these has a stored default: each is always written.
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify"})
            .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Enum("Border", &C::Border, &C::SetBorder, OrvoBorderNames())
            .Color("BorderColor", &C::BorderColor, &C::SetBorderColor)
            .Enum("BorderVisible", &C::BorderVisible, &C::SetBorderVisible, OrvoBorderVisibleNames())
            .Bool("Checked", &C::Checked, &C::SetChecked)
            .Color("CheckColor", &C::CheckColor, &C::SetCheckColor)
            .Enum("CheckStyle", &C::CheckStyle, &C::SetCheckStyle, OrvoCheckStyleNames())
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Bool("FocusHighlight", &C::FocusHighlight, &C::SetFocusHighlight)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor)
            .Str("HintSecondLine", &C::HintSecondLine, &C::SetHintSecondLine)
            .Bool("HotTrack", &C::HotTrack, &C::SetHotTrack)
            .Color("HotTrackFontColor", &C::HotTrackFontColor, &C::SetHotTrackFontColor)
            .Event("OnMouseEnter", &C::OnMouseEnter)
            .Event("OnMouseExit", &C::OnMouseExit)
            .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Bool("TransparentCenter", &C::TransparentCenter, &C::SetTransparentCenter)
            .Str("Version", &C::Version, &C::SetVersion)
            .Bool("WordWrap", &C::WordWrap, &C::SetWordWrap)
            // A tab stop from the constructor on, where the framework's stored
            // default says no: always written, so that False reads back False.
            // Each kind moves it to its place in its own order.
            .PublishWithDefault("TabStop", std::nullopt)
            .WriteAs("Hint", [](const C& c) -> std::optional<TValue> {
                return TValue::Str(StoredHint(c.Hint(), c.HintSecondLine()));
            });
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoCustomCheck::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoCustomCheck::SetAlignment(TLeftRight value) {
    if (value != taLeftJustify) value = taRightJustify;
    if (value == FAlignment) return;
    FAlignment = value;
    RecreateWnd();
}

void TOrvoCustomCheck::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    Invalidate();
}

void TOrvoCustomCheck::SetBorder(TOrvoBorder value) {
    if (value == FBorder) return;
    FBorder = value;
    Invalidate();
}

void TOrvoCustomCheck::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    RecreateWnd();
}

void TOrvoCustomCheck::SetBorderVisible(TOrvoBorderVisible value) {
    if (value == FBorderVisible) return;
    FBorderVisible = value;
    Invalidate();
}

void TOrvoCustomCheck::SetChecked(bool value) {
    const bool was = FChecked;
    FChecked = value;
    CheckedAssigned(was);
    Invalidate();
    NotifyStateChanged();
}

void TOrvoCustomCheck::ShowChecked(bool value) {
    FChecked = value;
    Repaint();
}

void TOrvoCustomCheck::SetCheckColor(TColor value) {
    if (value == FCheckColor) return;
    FCheckColor = value;
    LoadGlyph();
    Invalidate();
}

void TOrvoCustomCheck::SetCheckStyle(TOrvoCheckStyle value) {
    if (value == FCheckStyle) return;
    FCheckStyle = value;
    LoadGlyph();
    Invalidate();
}

void TOrvoCustomCheck::SetCtl3D(bool value) {
    if (value == FCtl3D) return;
    FCtl3D = value;
    Invalidate();
}

void TOrvoCustomCheck::SetFocusHighlight(bool value) { FFocusHighlight = value; }

void TOrvoCustomCheck::SetHighlightColor(TColor value) { FHighlightColor = value; }

void TOrvoCustomCheck::SetHintSecondLine(const std::string& value) {
    FHintSecondLine = value;
    AppendHintSecondLine(*this, value);
}

void TOrvoCustomCheck::SetHotTrack(bool value) { FHotTrack = value; }

void TOrvoCustomCheck::SetHotTrackFontColor(TColor value) {
    if (value == FHotTrackFontColor) return;
    FHotTrackFontColor = value;
    Invalidate();
}

void TOrvoCustomCheck::SetReadOnly(bool value) { FReadOnly = value; }

void TOrvoCustomCheck::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

void TOrvoCustomCheck::SetTransparentCenter(bool value) {
    if (value == FTransparentCenter) return;
    FTransparentCenter = value;
    Invalidate();
}

void TOrvoCustomCheck::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    Invalidate();
}

// ---------------------------------------------------------------- input

void TOrvoCustomCheck::Click() {
    FClickDone = true;
    NotifyStateChanged();  // a pending press is settled
    if (!FReadOnly) TCustomControl::Click();
}

void TOrvoCustomCheck::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != mbLeft || !Enabled() || FReadOnly) return;
    TComponentGuard guard(this);
    SetFocus();  // OnEnter may run here
    if (guard.Destroyed()) return;
    ShowPress();
    FClickDone = false;
    NotifyStateChanged();  // pending until the release settles it
    TCustomControl::MouseDown(button, shift, x, y);
}

void TOrvoCustomCheck::SettlePendingPress() {
    if (FClickDone) return;
    UndoPress();
    FClickDone = true;
    NotifyStateChanged();  // the press is settled
}

void TOrvoCustomCheck::HandleDialogChar(TMessage& message) {
    const char ch = char(message.WParam);
    if (!IsAccel(ch, Caption()) || !CanFocus() || FReadOnly) {
        TCustomControl::WndProc(message);
        return;
    }
    TComponentGuard guard(this);
    // OnClick sees the state before the accelerator's own change.
    Click();
    message.Result = 1;
    if (guard.Destroyed()) return;
    SetFocus();
    if (guard.Destroyed()) return;
    AcceleratorClicked();
}

bool TOrvoCustomCheck::HandleRepaintingMessage(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
        case CM_PARENTCOLORCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED:
        case CM_VISIBLECHANGED:
            TCustomControl::WndProc(message);
            Invalidate();
            return true;
        case WM_MOVE:
            TCustomControl::WndProc(message);
            // The parent's picture under the control is another one now.
            if (FTransparent) Invalidate();
            return true;
        case WM_ERASEBKGND:
            if (!FTransparent) return false;
            // Paint copies the parent's picture; erasing first would flicker.
            message.Result = 1;
            return true;
        case WM_LBUTTONDBLCLK: {
            // The inherited handling raises the double click and passes the
            // second press to MouseDown; the click of that press is raised here.
            TComponentGuard guard(this);
            TCustomControl::WndProc(message);
            if (!guard.Destroyed()) Click();
            return true;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            TComponentGuard guard(this);
            TCustomControl::WndProc(message);
            if (!guard.Destroyed()) Repaint();
            return true;
        }
        default:
            return false;
    }
}

void TOrvoCustomCheck::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_SYSCOLORCHANGE:
            // A check colour named after a system colour has another value now.
            TCustomControl::WndProc(message);
            LoadGlyph();
            Invalidate();
            return;
        case CM_DIALOGCHAR:
            HandleDialogChar(message);
            return;
        case CM_MOUSEENTER:
            TCustomControl::WndProc(message);
            FHot.HandleMouseEnter(*this, FHotTrack, OnMouseEnter);
            return;
        case CM_MOUSELEAVE:
            TCustomControl::WndProc(message);
            FHot.HandleMouseLeave(*this, FHotTrack, [this] { SettlePendingPress(); }, OnMouseExit);
            return;
        default:
            break;
    }
    if (!HandleRepaintingMessage(message)) TCustomControl::WndProc(message);
}

// ---------------------------------------------------------------- painting

void TOrvoCustomCheck::LoadGlyph() { LoadColorizedGlyph(*FGlyphBitmap, GlyphResourceName(), FCheckColor); }

void TOrvoCustomCheck::Paint() {
    TCanvas* canvas = Canvas();
    const bool focused = Focused();
    const bool hot = FHot.ShowsHot(FHotTrack);

    FPaintColor = BackgroundPaintColor(focused, FFocusHighlight, FHighlightColor, Color());
    FPaintFontColor = CaptionPaintColor(hot, FHotTrackFontColor, Font()->Color());
    FPaintBorder = EffectiveBorder(FBorder, FBorderVisible, focused);

    FClientRect = ClientRect();
    PaintCheckBackground(this, canvas, FClientRect, {FTransparent, FPaintColor, hot});
    DrawOrvoBorder(canvas, FClientRect, FPaintBorder, FBorderColor);

    SelectCaptionFont(canvas, Font(), FPaintFontColor);
    const std::string caption = Caption();
    const TCaptionLayout layout = LayoutCaption(canvas, caption, FClientRect, FAlignment, FWordWrap);
    FCaptionRect = layout.CaptionRect;
    if (focused) DrawCaptionFocusRect(canvas, FCaptionRect);
    DrawCaption(canvas, {caption, FCaptionRect, Font(), Enabled(), FWordWrap});
    DrawMark();

    // WordWrap plays no part in the width; a changed size paints again.
    if (FAutoSize) AutoSizeToCaption(*this, canvas, layout.MeasuringText, FAlignment);
}

}  // namespace Orvo
