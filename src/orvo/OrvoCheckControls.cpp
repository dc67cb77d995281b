#include "orvo/OrvoCheckControls.h"

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"

namespace Orvo {

// ================================================================ TOrvoCheckBox
//
// Press state (FClickDone). A mouse press toggles the box at once, so the
// user sees the new state while holding the button; the press stays pending
// until a click settles it or a cancel undoes it:
//
//   state           event                                   action                 next
//   settled (True)  left press, enabled and not ReadOnly    toggle now, Repaint    pending (False)
//   pending         release over the control (Click)        OnClick unless ReadOnly settled
//   pending         CM_MOUSELEAVE while enabled             toggle back            settled
//   pending         paint while the control lacks the focus toggle back            settled
//   settled         CM_MOUSELEAVE                           no toggle              settled
//   any             Click by any path                       OnClick unless ReadOnly settled
//
// So a press dragged off the control and released outside leaves the box as
// it was and raises no OnClick; dragged off and back on, the box is as it was
// and the release still raises OnClick.
//
// Hot state: see TOrvoHotTracking (orvo/OrvoCheckPainting.h).
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

// Where the check square sits: its left edge and the control's middle row.
struct TCheckSquarePlace {
    int X0;
    int YCentre;
};

TCheckSquarePlace CheckSquarePlace(TLeftRight alignment, int width, int height) {
    return {alignment == taLeftJustify ? width - 16 : 2, height / 2};
}

}  // namespace

TOrvoCheckBox::TOrvoCheckBox(TComponent* owner) : TCustomControl(owner), FGlyphBitmap(std::make_unique<TBitmap>()) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 97, 19);
    SetTabStop(true);
    LoadGlyph();
}

TOrvoCheckBox::~TOrvoCheckBox() = default;

const TClassInfo& TOrvoCheckBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoCheckBox", &TCustomControl::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoCheckBox(owner); });
        using C = TOrvoCheckBox;
        // None of the control's own properties has a stored default: each is
        // always written.
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify"})
            .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Enum("Border", &C::Border, &C::SetBorder, OrvoBorderNames())
            .Color("BorderColor", &C::BorderColor, &C::SetBorderColor)
            .Enum("BorderVisible", &C::BorderVisible, &C::SetBorderVisible, OrvoBorderVisibleNames())
            .Bool("Checked", &C::Checked, &C::SetChecked)
            .Color("CheckColor", &C::CheckColor, &C::SetCheckColor)
            .Enum("CheckStyle", &C::CheckStyle, &C::SetCheckStyle, OrvoCheckStyleNames())
            .Enum("CheckType", &C::CheckType, &C::SetCheckType, OrvoCheckTypeNames())
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Bool("FocusHighlight", &C::FocusHighlight, &C::SetFocusHighlight)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor)
            .Bool("HotTrack", &C::HotTrack, &C::SetHotTrack)
            .Color("HotTrackFontColor", &C::HotTrackFontColor, &C::SetHotTrackFontColor)
            .Str("HintSecondLine", &C::HintSecondLine, &C::SetHintSecondLine)
            .Event("OnMouseEnter", &C::OnMouseEnter)
            .Event("OnMouseExit", &C::OnMouseExit)
            .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Bool("TransparentCenter", &C::TransparentCenter, &C::SetTransparentCenter)
            .Str("Version", &C::Version, &C::SetVersion)
            .Bool("WordWrap", &C::WordWrap, &C::SetWordWrap)
            .Publish({"Alignment",     "Anchors",        "AutoSize",       "BiDiMode",
                      "Border",        "BorderColor",    "BorderVisible",  "Caption",
                      "Checked",       "CheckColor",     "CheckStyle",     "CheckType",
                      "Color",         "Constraints",    "Ctl3D",          "DragCursor",
                      "DragKind",      "DragMode",       "Enabled",        "FocusHighlight",
                      "Font",          "HighlightColor", "HotTrack",       "HotTrackFontColor",
                      "HintSecondLine", "OnClick",       "OnDragDrop",     "OnDragOver",
                      "OnEndDock",     "OnEndDrag",      "OnEnter",        "OnExit",
                      "OnKeyDown",     "OnKeyPress",     "OnKeyUp",        "OnMouseDown",
                      "OnMouseEnter",  "OnMouseExit",    "OnMouseMove",    "OnMouseUp",
                      "OnStartDock",   "OnStartDrag",    "ParentBiDiMode", "ParentFont",
                      "ParentColor",   "PopupMenu",      "ReadOnly",       "ShowHint",
                      "TabStop",       "TabOrder",       "Transparent",    "TransparentCenter",
                      "Version",       "Visible",        "WordWrap"})
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
const TClassInfo& TOrvoCheckBox::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoCheckBox::SetAlignment(TLeftRight value) {
    if (value != taLeftJustify) value = taRightJustify;
    if (value == FAlignment) return;
    FAlignment = value;
    RecreateWnd();
}

void TOrvoCheckBox::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    Invalidate();
}

void TOrvoCheckBox::SetBorder(TOrvoBorder value) {
    if (value == FBorder) return;
    FBorder = value;
    Invalidate();
}

void TOrvoCheckBox::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    RecreateWnd();
}

void TOrvoCheckBox::SetBorderVisible(TOrvoBorderVisible value) {
    if (value == FBorderVisible) return;
    FBorderVisible = value;
    Invalidate();
}

void TOrvoCheckBox::SetChecked(bool value) {
    FChecked = value;
    Invalidate();
    NotifyStateChanged();
}

void TOrvoCheckBox::SetCheckColor(TColor value) {
    if (value == FCheckColor) return;
    FCheckColor = value;
    LoadGlyph();
    Invalidate();
}

void TOrvoCheckBox::SetCheckStyle(TOrvoCheckStyle value) {
    if (value == FCheckStyle) return;
    FCheckStyle = value;
    LoadGlyph();
    Invalidate();
}

void TOrvoCheckBox::SetCheckType(TOrvoCheckType value) {
    if (value == FCheckType) return;
    FCheckType = value;
    LoadGlyph();
    Invalidate();
}

void TOrvoCheckBox::SetCtl3D(bool value) {
    if (value == FCtl3D) return;
    FCtl3D = value;
    Invalidate();
}

void TOrvoCheckBox::SetFocusHighlight(bool value) { FFocusHighlight = value; }

void TOrvoCheckBox::SetHighlightColor(TColor value) { FHighlightColor = value; }

void TOrvoCheckBox::SetHintSecondLine(const std::string& value) {
    FHintSecondLine = value;
    AppendHintSecondLine(*this, value);
}

void TOrvoCheckBox::SetHotTrack(bool value) { FHotTrack = value; }

void TOrvoCheckBox::SetHotTrackFontColor(TColor value) {
    if (value == FHotTrackFontColor) return;
    FHotTrackFontColor = value;
    Invalidate();
}

void TOrvoCheckBox::SetReadOnly(bool value) { FReadOnly = value; }

void TOrvoCheckBox::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

void TOrvoCheckBox::SetTransparentCenter(bool value) {
    if (value == FTransparentCenter) return;
    FTransparentCenter = value;
    Invalidate();
}

void TOrvoCheckBox::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    Invalidate();
}

// ---------------------------------------------------------------- input

void TOrvoCheckBox::Click() {
    FClickDone = true;
    NotifyStateChanged();  // a pending press is settled
    if (!FReadOnly) TCustomControl::Click();
}

void TOrvoCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != mbLeft || !Enabled() || FReadOnly) return;
    TComponentGuard guard(this);
    SetFocus();  // OnEnter may run here
    if (guard.Destroyed()) return;
    // The field, not the setter: the new state shows at once and stays
    // pending until the release settles it.
    FChecked = !FChecked;
    Repaint();
    FClickDone = false;
    NotifyStateChanged();  // pending until the release settles it
    TCustomControl::MouseDown(button, shift, x, y);
}

void TOrvoCheckBox::KeyDown(Word& key, TShiftState shift) {
    // Held down, the key toggles once: its repeats are no new presses.
    if ((key == VK_RETURN || key == VK_SPACE) && !KeyRepeating()) ToggleThroughSetter();
    TCustomControl::KeyDown(key, shift);
}

void TOrvoCheckBox::CancelPendingPress() {
    if (FClickDone) return;
    ToggleThroughSetter();
    FClickDone = true;
}

void TOrvoCheckBox::HandleDialogChar(TMessage& message) {
    const char ch = char(message.WParam);
    if (!IsAccel(ch, Caption()) || !CanFocus() || FReadOnly) {
        TCustomControl::WndProc(message);
        return;
    }
    TComponentGuard guard(this);
    // OnClick sees the state before the toggle.
    Click();
    message.Result = 1;
    if (guard.Destroyed()) return;
    SetFocus();
    if (guard.Destroyed()) return;
    ToggleThroughSetter();
}

void TOrvoCheckBox::WndProc(TMessage& message) {
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
            FHot.HandleMouseLeave(*this, FHotTrack, [this] { CancelPendingPress(); }, OnMouseExit);
            return;
        default:
            break;
    }
    const auto inherited = [this](TMessage& m) { TCustomControl::WndProc(m); };
    if (!HandleSharedCheckMessage(*this, message, FTransparent, inherited)) inherited(message);
}

// ---------------------------------------------------------------- painting

void TOrvoCheckBox::LoadGlyph() { LoadColorizedGlyph(*FGlyphBitmap, GlyphResourceName(), FCheckColor); }

void TOrvoCheckBox::Paint() {
    TCanvas* canvas = Canvas();
    const bool focused = Focused();
    const bool hot = FHot.ShowsHot(FHotTrack);

    FPaintColor = BackgroundPaintColor(focused, FFocusHighlight, FHighlightColor, Color());
    FPaintFontColor = CaptionPaintColor(hot, FHotTrackFontColor, Font()->Color());
    FPaintBorder = EffectiveBorder(FBorder, FBorderVisible, focused);
    // Focus went elsewhere before a press was settled.
    if (!focused) CancelPendingPress();

    FClientRect = ClientRect();
    PaintCheckBackground(this, canvas, FClientRect, {FTransparent, FPaintColor, hot});
    DrawOrvoBorder(canvas, FClientRect, FPaintBorder, FBorderColor);

    SelectCaptionFont(canvas, Font(), FPaintFontColor);
    const std::string caption = Caption();
    const TCaptionLayout layout = LayoutCaption(canvas, caption, FClientRect, FAlignment, FWordWrap);
    FCaptionRect = layout.CaptionRect;
    if (focused) DrawCaptionFocusRect(canvas, FCaptionRect);
    DrawCaption(canvas, {caption, FCaptionRect, Font(), Enabled(), FWordWrap});
    DrawCheck();

    // WordWrap plays no part in the width.
    if (FAutoSize) AutoSizeToCaption(*this, canvas, layout.MeasuringText, FAlignment);
}

void TOrvoCheckBox::DrawCheck() {
    TCanvas* canvas = Canvas();
    const TCheckSquarePlace at = CheckSquarePlace(FAlignment, Width(), Height());
    const int x0 = at.X0, yc = at.YCentre;

    // 14 x 14, right and bottom edges exclusive; after its frame the inside
    // is (x0 + 2, yc - 5, x0 + 12, yc + 5).
    TRect square = Rect(x0, yc - 7, x0 + 14, yc + 7);
    if (FCtl3D) {
        Frame3D(canvas, square, clBtnShadow, clBtnHighlight, 1);
        Frame3D(canvas, square, clWindowFrame, cl3DLight, 1);
    } else {
        canvas->Pen()->SetColor(Enabled() ? clWindowFrame : clBtnShadow);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(x0 + 1, yc - 6, x0 + 13, yc + 6);
        InflateRect(square, -2, -2);
    }
    // A disabled box shows the empty square, checked or not.
    if (!Enabled()) return;

    if (!FTransparentCenter) {
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(square);
    }
    if (!FChecked || FGlyphBitmap->Empty()) return;
    // The glyph's bottom-left pixel is its transparent colour; the glyph is
    // one pixel larger than the square on every side.
    FGlyphKeyColor = FGlyphBitmap->Pixel(0, FGlyphBitmap->Height() - 1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->BrushCopy(Rect(x0 - 1, yc - 8, x0 + 15, yc + 8), FGlyphBitmap.get(),
                      Rect(0, 0, FGlyphBitmap->Width(), FGlyphBitmap->Height()), FGlyphKeyColor);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoCheckBox::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
