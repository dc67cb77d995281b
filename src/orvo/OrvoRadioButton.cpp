#include "orvo/OrvoRadioButton.h"

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"

namespace Orvo {

// ================================================================ TOrvoRadioButton
//
// Press state (FClickDone, with FWasChecked). A press shows the dot at once;
// the release over the control completes the check; a press dragged off
// before the release takes the dot away again when the press put it there:
//
//   input           condition                          effect
//   MouseDown       left, enabled, not ReadOnly        focus; if unchecked: FWasChecked := False,
//                                                      the field Checked := True (siblings keep
//                                                      theirs for now), Repaint; FClickDone :=
//                                                      False; OnMouseDown
//   MouseDown       other button, disabled, ReadOnly   nothing, no OnMouseDown
//   Click           release over it, accelerator,      FClickDone := True; unless ReadOnly:
//                   WM_LBUTTONDBLCLK                   Checked := True (siblings unchecked), OnClick
//   CM_MOUSELEAVE   enabled, FClickDone False          if checked and not FWasChecked: Checked :=
//                                                      False, FWasChecked := False; FClickDone := True
//   KeyDown         Enter or Space                     Checked := True, FWasChecked := True;
//                                                      OnKeyDown (ReadOnly not consulted, no OnClick)
//
// FWasChecked is not refreshed by a press on a button already checked, so a
// button last checked from the unchecked state through the setter (code, a
// form description, the radio group, the accelerator, CN_COMMAND) is
// unchecked by a dragged-off press, while one last checked by a click or a
// key stays checked.
//
// Hot state: see TOrvoHotTracking (orvo/OrvoCheckPainting.h). Focus changes
// repaint at once.

std::string RadioGlyphName(TOrvoCheckStyle style) {
    switch (style) {
        case osFlat: return "RB_CIRCLE";
        case os3DJumbo: return "RB_GLOSSY_CIRCLE";
        case os3D: break;
    }
    return "RB_3D_CIRCLE";
}

TRect RadioRingBox(TLeftRight alignment, int width, int height) {
    const int y0 = height / 2 - 6;
    const int x0 = alignment == taLeftJustify ? width - 15 : 3;
    return Rect(x0, y0, x0 + 13, y0 + 13);
}

TOrvoRadioButton::TOrvoRadioButton(TComponent* owner)
    : TCustomControl(owner), FGlyphBitmap(std::make_unique<TBitmap>()) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 97, 19);
    SetTabStop(true);
    LoadGlyph();
}

TOrvoRadioButton::~TOrvoRadioButton() = default;

const TClassInfo& TOrvoRadioButton::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoRadioButton", &TCustomControl::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoRadioButton(owner); });
        using C = TOrvoRadioButton;
        // None of the control's own properties has a stored default.
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
            .Int("GroupIndex", &C::GroupIndex, &C::SetGroupIndex, 0, 255)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor)
            .Str("HintSecondLine", &C::HintSecondLine, &C::SetHintSecondLine)
            .Bool("HotTrack", &C::HotTrack, &C::SetHotTrack)
            .Color("HotTrackFontColor", &C::HotTrackFontColor, &C::SetHotTrackFontColor)
            .Event("OnMouseEnter", &C::OnMouseEnter)
            .Event("OnMouseExit", &C::OnMouseExit)
            .Bool("Raised", &C::Raised, &C::SetRaised)
            .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Bool("TransparentCenter", &C::TransparentCenter, &C::SetTransparentCenter)
            .Str("Version", &C::Version, &C::SetVersion)
            .Bool("WordWrap", &C::WordWrap, &C::SetWordWrap)
            .Publish({"Alignment",     "Anchors",        "AutoSize",       "BiDiMode",       "Border",
                      "BorderColor",   "BorderVisible",  "Caption",        "Checked",        "CheckColor",
                      "CheckStyle",    "Color",          "Constraints",    "Ctl3D",          "DragCursor",
                      "DragKind",      "DragMode",       "Enabled",        "Font",           "FocusHighlight",
                      "GroupIndex",    "HighlightColor", "HintSecondLine", "HotTrack",       "HotTrackFontColor",
                      "OnClick",       "OnDragDrop",     "OnDragOver",     "OnEndDock",      "OnEndDrag",
                      "OnEnter",       "OnExit",         "OnKeyDown",      "OnKeyPress",     "OnKeyUp",
                      "OnMouseDown",   "OnMouseEnter",   "OnMouseExit",    "OnMouseMove",    "OnMouseUp",
                      "OnStartDock",   "OnStartDrag",    "ParentBiDiMode", "ParentFont",     "ParentColor",
                      "PopupMenu",     "Raised",         "ReadOnly",       "ShowHint",       "TabStop",
                      "TabOrder",      "Transparent",    "TransparentCenter", "Version",     "Visible",
                      "WordWrap"})
            // A tab stop from the constructor on, where the framework's stored
            // default says no: always written, so that False reads back False.
            .StoredDefault("TabStop", std::nullopt)
            .WriteAs("Hint", [](const C& c) -> std::optional<TValue> {
                return TValue::Str(StoredHint(c.Hint(), c.HintSecondLine()));
            });
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoRadioButton::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoRadioButton::SetAlignment(TLeftRight value) {
    if (value != taLeftJustify) value = taRightJustify;
    if (value == FAlignment) return;
    FAlignment = value;
    RecreateWnd();
}

void TOrvoRadioButton::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    Invalidate();
}

void TOrvoRadioButton::SetBorder(TOrvoBorder value) {
    if (value == FBorder) return;
    FBorder = value;
    Invalidate();
}

void TOrvoRadioButton::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    RecreateWnd();
}

void TOrvoRadioButton::SetBorderVisible(TOrvoBorderVisible value) {
    if (value == FBorderVisible) return;
    FBorderVisible = value;
    Invalidate();
}

void TOrvoRadioButton::SetChecked(bool value) {
    FWasChecked = FChecked;
    FChecked = value;
    if (value && Parent() && !ComponentState().Contains(csLoading)) UncheckSiblings();
    Invalidate();
    NotifyStateChanged();
}

void TOrvoRadioButton::Loaded() {
    TCustomControl::Loaded();
    // Not through the setter: a loaded button keeps FWasChecked as reading
    // left it, so a press dragged off it still takes its dot away.
    if (FChecked && Parent()) UncheckSiblings();
}

void TOrvoRadioButton::UncheckSiblings() {
    TWinControl* parent = Parent();
    // The count is taken once: unchecking raises no event, so nothing can
    // join or leave the parent meanwhile; the bound check keeps it so.
    const int count = parent->ControlCount();
    for (int i = 0; i < count && i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TOrvoRadioButton*>(parent->Controls(i));
        if (!sibling || sibling == this || sibling->FGroupIndex != FGroupIndex) continue;
        // A sibling still being read may not know its group yet; it applies
        // the rule itself once loaded, so of buttons read checked in one
        // group the last one read stays checked, as if assigned in order.
        if (sibling->ComponentState().Contains(csLoading)) continue;
        sibling->SetChecked(false);
    }
}

void TOrvoRadioButton::SetCheckColor(TColor value) {
    if (value == FCheckColor) return;
    FCheckColor = value;
    LoadGlyph();
    Invalidate();
}

void TOrvoRadioButton::SetCheckStyle(TOrvoCheckStyle value) {
    if (value == FCheckStyle) return;
    FCheckStyle = value;
    LoadGlyph();
    Invalidate();
}

void TOrvoRadioButton::SetCtl3D(bool value) {
    if (value == FCtl3D) return;
    FCtl3D = value;
    Invalidate();
}

void TOrvoRadioButton::SetFocusHighlight(bool value) { FFocusHighlight = value; }

void TOrvoRadioButton::SetGroupIndex(std::uint8_t value) { FGroupIndex = value; }

void TOrvoRadioButton::SetHighlightColor(TColor value) { FHighlightColor = value; }

void TOrvoRadioButton::SetHintSecondLine(const std::string& value) {
    FHintSecondLine = value;
    AppendHintSecondLine(*this, value);
}

void TOrvoRadioButton::SetHotTrack(bool value) { FHotTrack = value; }

void TOrvoRadioButton::SetHotTrackFontColor(TColor value) {
    if (value == FHotTrackFontColor) return;
    FHotTrackFontColor = value;
    Invalidate();
}

void TOrvoRadioButton::SetRaised(bool value) {
    if (value == FRaised) return;
    FRaised = value;
    Invalidate();
}

void TOrvoRadioButton::SetReadOnly(bool value) { FReadOnly = value; }

void TOrvoRadioButton::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

void TOrvoRadioButton::SetTransparentCenter(bool value) {
    if (value == FTransparentCenter) return;
    FTransparentCenter = value;
    Invalidate();
}

void TOrvoRadioButton::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    Invalidate();
}

// ---------------------------------------------------------------- input

void TOrvoRadioButton::Click() {
    FClickDone = true;
    if (FReadOnly) return;
    SetChecked(true);
    TCustomControl::Click();
}

void TOrvoRadioButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != mbLeft || !Enabled() || FReadOnly) return;
    TComponentGuard guard(this);
    SetFocus();  // OnEnter may run here
    if (guard.Destroyed()) return;
    if (!FChecked) {
        // The field, not the setter: the siblings keep their dots until the
        // release completes the check.
        FWasChecked = false;
        FChecked = true;
        Repaint();
    }
    FClickDone = false;
    NotifyStateChanged();  // pending until the release settles it
    TCustomControl::MouseDown(button, shift, x, y);
}

void TOrvoRadioButton::KeyDown(Word& key, TShiftState shift) {
    if (key == VK_RETURN || key == VK_SPACE) {
        SetChecked(true);
        FWasChecked = true;
    }
    TCustomControl::KeyDown(key, shift);
}

void TOrvoRadioButton::SettlePendingPress() {
    if (FClickDone) return;
    if (FChecked && !FWasChecked) {
        SetChecked(false);
        FWasChecked = false;
    }
    FClickDone = true;
    NotifyStateChanged();  // the press is settled
}

void TOrvoRadioButton::HandleDialogChar(TMessage& message) {
    const char ch = char(message.WParam);
    if (!IsAccel(ch, Caption()) || !CanFocus() || FReadOnly) {
        TCustomControl::WndProc(message);
        return;
    }
    TComponentGuard guard(this);
    Click();
    message.Result = 1;
    if (guard.Destroyed()) return;
    SetFocus();
}

void TOrvoRadioButton::HandleCommand(TMessage& message) {
    switch (HIWORD(message.WParam)) {
        case BN_CLICKED:
            SetChecked(true);
            break;
        case BN_DOUBLECLICKED:
            DblClick();
            break;
        default:
            break;
    }
}

void TOrvoRadioButton::WndProc(TMessage& message) {
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
        case CN_COMMAND:
            HandleCommand(message);
            return;
        default:
            break;
    }
    const auto inherited = [this](TMessage& m) { TCustomControl::WndProc(m); };
    if (!HandleSharedCheckMessage(*this, message, FTransparent, inherited)) inherited(message);
}

// ---------------------------------------------------------------- painting

void TOrvoRadioButton::LoadGlyph() { LoadColorizedGlyph(*FGlyphBitmap, GlyphResourceName(), FCheckColor); }

void TOrvoRadioButton::Paint() {
    TCanvas* canvas = Canvas();
    const bool focused = Focused();
    const bool hot = FHot.ShowsHot(FHotTrack);

    FPaintColor = BackgroundPaintColor(focused, FFocusHighlight, FHighlightColor, Color());
    FPaintBorder = EffectiveBorder(FBorder, FBorderVisible, focused);
    FPaintFontColor = CaptionPaintColor(hot, FHotTrackFontColor, Font()->Color());

    FClientRect = ClientRect();
    PaintCheckBackground(this, canvas, FClientRect, {FTransparent, FPaintColor, hot});
    DrawOrvoBorder(canvas, FClientRect, FPaintBorder, FBorderColor);

    SelectCaptionFont(canvas, Font(), FPaintFontColor);
    const std::string caption = Caption();
    const TCaptionLayout layout = LayoutCaption(canvas, caption, FClientRect, FAlignment, FWordWrap);
    FCaptionRect = layout.CaptionRect;
    if (focused) DrawCaptionFocusRect(canvas, FCaptionRect);
    DrawCaption(canvas, {caption, FCaptionRect, Font(), Enabled(), FWordWrap});
    DrawRadio();

    // WordWrap plays no part in the width; a changed size paints again.
    if (FAutoSize) AutoSizeToCaption(*this, canvas, layout.MeasuringText, FAlignment);
}

void TOrvoRadioButton::DrawRing(const TRect& ring) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    if (!FCtl3D) {
        canvas->Pen()->SetColor(Enabled() ? clWindowFrame : clBtnShadow);
        canvas->Ellipse(ring);
        return;
    }
    canvas->Pen()->SetWidth(Enabled() && !FTransparentCenter ? 2 : 1);
    // A raised ring looks pressed in while it is checked and enabled.
    const bool sunken = !FRaised || (FChecked && Enabled());
    const TColor upperLeft = sunken ? clBtnShadow : cl3DLight;
    const TColor lowerRight = sunken ? cl3DLight : clBtnShadow;
    const int x0 = ring.Left, y0 = ring.Top, x1 = ring.Right, y1 = ring.Bottom;
    // Counter-clockwise from the upper-right corner's direction to the
    // lower-left one's is the upper-left half; the way back the lower-right.
    canvas->Pen()->SetColor(upperLeft);
    canvas->Arc(x0, y0, x1, y1, x1, y0, x0, y1);
    canvas->Pen()->SetColor(lowerRight);
    canvas->Arc(x0, y0, x1, y1, x0, y1, x1, y0);
    canvas->Pen()->SetWidth(1);
}

void TOrvoRadioButton::DrawRadio() {
    TCanvas* canvas = Canvas();
    const TRect ring = RadioRingBox(FAlignment, Width(), Height());
    DrawRing(ring);
    // A disabled button shows neither the white centre nor the dot.
    if (!Enabled()) return;

    if (!FTransparentCenter) {
        canvas->Pen()->SetColor(clWhite);
        canvas->Brush()->SetColor(clWhite);
        canvas->Ellipse(ring.Left + 1, ring.Top + 1, ring.Right - 1, ring.Bottom - 1);
    }
    if (!FChecked) return;

    const int inset = FCheckStyle == os3DJumbo ? 2 : 3;
    FClientRect = Rect(ring.Left + inset, ring.Top + inset, ring.Right - inset, ring.Bottom - inset);
    if (FGlyphBitmap->Empty()) return;
    const TColor keyColor = FGlyphBitmap->Pixel(0, FGlyphBitmap->Height() - 1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->BrushCopy(FClientRect, FGlyphBitmap.get(), Rect(0, 0, FGlyphBitmap->Width(), FGlyphBitmap->Height()),
                      keyColor);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoRadioButton::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
