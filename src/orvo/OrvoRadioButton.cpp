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
// The press state, hot tracking and the focus repaint are those of every
// check control (orvo/OrvoCustomCheck.cpp).

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

TOrvoRadioButton::TOrvoRadioButton(TComponent* owner) : TOrvoCustomCheck(owner, clBlack) { LoadGlyph(); }

TOrvoRadioButton::~TOrvoRadioButton() = default;

const TClassInfo& TOrvoRadioButton::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoRadioButton", &TOrvoCustomCheck::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoRadioButton(owner); });
        using C = TOrvoRadioButton;
        // None of the control's own properties has a stored default.
        TClassBuilder<C>(i)
            .Int("GroupIndex", &C::GroupIndex, &C::SetGroupIndex, 0, 255)
            .Bool("Raised", &C::Raised, &C::SetRaised)
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
                      "WordWrap"});
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoRadioButton::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoRadioButton::CheckedAssigned(bool was) {
    FWasChecked = was;
    if (Checked() && Parent() && !ComponentState().Contains(csLoading)) UncheckSiblings();
}

void TOrvoRadioButton::Loaded() {
    TOrvoCustomCheck::Loaded();
    // Not through the setter: a loaded button keeps FWasChecked as reading
    // left it, so a press dragged off it still takes its dot away.
    if (Checked() && Parent()) UncheckSiblings();
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

void TOrvoRadioButton::SetGroupIndex(std::uint8_t value) { FGroupIndex = value; }

void TOrvoRadioButton::SetRaised(bool value) {
    if (value == FRaised) return;
    FRaised = value;
    Invalidate();
}

// ---------------------------------------------------------------- input

void TOrvoRadioButton::Click() {
    if (!ReadOnly()) SetChecked(true);
    TOrvoCustomCheck::Click();
}

void TOrvoRadioButton::ShowPress() {
    if (Checked()) return;
    // The field, not the setter: the siblings keep their dots until the
    // release completes the check.
    FWasChecked = false;
    ShowChecked(true);
}

void TOrvoRadioButton::KeyDown(Word& key, TShiftState shift) {
    if (key == VK_RETURN || key == VK_SPACE) {
        SetChecked(true);
        FWasChecked = true;
    }
    TOrvoCustomCheck::KeyDown(key, shift);
}

void TOrvoRadioButton::UndoPress() {
    if (!Checked() || FWasChecked) return;
    SetChecked(false);
    FWasChecked = false;
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
    if (message.Msg == CN_COMMAND) {
        HandleCommand(message);
        return;
    }
    TOrvoCustomCheck::WndProc(message);
}

// ---------------------------------------------------------------- painting

void TOrvoRadioButton::DrawRing(const TRect& ring) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    if (!Ctl3D()) {
        canvas->Pen()->SetColor(Enabled() ? clWindowFrame : clBtnShadow);
        canvas->Ellipse(ring);
        return;
    }
    canvas->Pen()->SetWidth(Enabled() && !TransparentCenter() ? 2 : 1);
    // A raised ring looks pressed in while it is checked and enabled.
    const bool sunken = !FRaised || (Checked() && Enabled());
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

void TOrvoRadioButton::DrawMark() {
    TCanvas* canvas = Canvas();
    const TRect ring = RadioRingBox(Alignment(), Width(), Height());
    DrawRing(ring);
    // A disabled button shows neither the white centre nor the dot.
    if (!Enabled()) return;

    if (!TransparentCenter()) {
        canvas->Pen()->SetColor(clWhite);
        canvas->Brush()->SetColor(clWhite);
        canvas->Ellipse(ring.Left + 1, ring.Top + 1, ring.Right - 1, ring.Bottom - 1);
    }
    if (!Checked()) return;

    const int inset = CheckStyle() == os3DJumbo ? 2 : 3;
    FDotRect = Rect(ring.Left + inset, ring.Top + inset, ring.Right - inset, ring.Bottom - inset);
    TBitmap& glyph = Glyph();
    if (glyph.Empty()) return;
    const TColor keyColor = glyph.Pixel(0, glyph.Height() - 1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->BrushCopy(FDotRect, &glyph, Rect(0, 0, glyph.Width(), glyph.Height()), keyColor);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoRadioButton::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
