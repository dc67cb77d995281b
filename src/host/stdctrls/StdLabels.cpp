// The label and the group box: captions drawn by the framework.
#include "host/stdctrls/StdCtrls.h"
#include "host/stdctrls/StdCtrlsSupport.h"

namespace Orvo {

using namespace stdctrls;

// ---------------------------------------------------------------- TLabel

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle.Include(csReplicatable);
    SetBounds(Left(), Top(), 65, 17);
}

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TLabel", &TGraphicControl::StaticClassInfo(), [](TComponent* owner) { return new TLabel(owner); });
        using C = TLabel;
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"})
            .DefaultIdent("taLeftJustify")
            .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Default(true)
            .Component("FocusControl", &C::FocusControl, &C::SetFocusControl)
            .Bool("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar)
            .Default(true)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Default(false)
            .Enum("Layout", &C::Layout, &C::SetLayout, {"tlTop", "tlCenter", "tlBottom"})
            .DefaultIdent("tlTop")
            .Bool("WordWrap", &C::WordWrap, &C::SetWordWrap)
            .Default(false)
            .Publish({"Align", "Alignment", "Anchors", "AutoSize", "BiDiMode", "Caption", "Color", "Constraints",
                      "DragCursor", "DragKind", "DragMode", "Enabled", "FocusControl", "Font", "ParentBiDiMode",
                      "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "ShowAccelChar", "ShowHint",
                      "Transparent", "Layout", "Visible", "WordWrap", "OnClick", "OnDblClick", "OnDragDrop",
                      "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                      "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TLabel::ClassInfo() const { return StaticClassInfo(); }

void TLabel::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    if (v == FAutoSize) return;
    FAutoSize = v;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool v) {
    if (v == FWordWrap) return;
    FWordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    if (v) FControlStyle.Exclude(csOpaque);
    else FControlStyle.Include(csOpaque);
    Invalidate();
}

void TLabel::SetLayout(TTextLayout v) {
    if (v == FLayout) return;
    FLayout = v;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
    if (v == FShowAccelChar) return;
    FShowAccelChar = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
    if (control == FFocusControl) return;
    if (FFocusControl) RemoveFreeNotification(FFocusControl);
    FFocusControl = control;
    if (control) FreeNotification(control);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_TEXTCHANGED:
            Invalidate();
            AdjustBounds();
            return;
        case CM_FONTCHANGED:
            TGraphicControl::WndProc(message);
            AdjustBounds();
            return;
        case CM_DIALOGCHAR:
            if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(char(message.WParam), Caption()) &&
                FFocusControl->CanFocus()) {
                FFocusControl->SetFocus();
                message.Result = 1;
                return;
            }
            TGraphicControl::WndProc(message);
            return;
        default:
            TGraphicControl::WndProc(message);
    }
}

void TLabel::DoDrawText(TRect& rect, unsigned flags) {
    std::string text = Caption();
    // Measuring an empty caption (or a lone "&") measures one blank, so an
    // auto-sized label keeps the height of a line.
    if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    flags = DrawTextBiDiModeFlags(flags);
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    if (!Enabled() && !(flags & DT_CALCRECT)) {
        OffsetRect(rect, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas->Handle(), text, rect, flags);
        OffsetRect(rect, -1, -1);
        canvas->Font()->SetColor(clBtnShadow);
        DrawText(canvas->Handle(), text, rect, flags);
    } else {
        DrawText(canvas->Handle(), text, rect, flags);
    }
}

void TLabel::SetBounds(int left, int top, int width, int height) {
    TGraphicControl::SetBounds(left, top, width, height);
    // Otherwise a size given from outside would last only until the text or
    // the font changes, and a form written meanwhile would read back another.
    if (!FAdjusting && Parent() && Align() == alNone) AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !FAutoSize) return;
    TRect rect = ClientRect();
    HDC dc = GetDC(nullptr);
    {
        TCanvasOnDC attach(Canvas(), dc);
        DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
    }
    ReleaseDC(nullptr, dc);
    int x = Left();
    TAlignment alignment = FAlignment;
    if (UseRightToLeftAlignment() && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    // A right-aligned label keeps its right edge, at the width the
    // constraints will let it have.
    int width = rect.Right, height = rect.Bottom;
    Constrain(width, height);
    if (alignment == taRightJustify) x += Width() - width;
    FAdjusting = true;
    SetBounds(x, Top(), width, height);
    FAdjusting = false;
}

void TLabel::Paint() {
    TCanvas* canvas = Canvas();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(ClientRect());
    }
    canvas->Brush()->SetStyle(bsClear);
    TRect rect = ClientRect();
    static constexpr unsigned kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    const unsigned flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | kAlignments[FAlignment];
    if (FLayout != tlTop) {
        TRect calc = rect;
        DoDrawText(calc, flags | DT_CALCRECT);
        const int dy = FLayout == tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2;
        OffsetRect(rect, 0, dy);
    }
    DoDrawText(rect, flags);
}

// ---------------------------------------------------------------- TCustomGroupBox

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                                  csReplicatable};
    SetBounds(Left(), Top(), 185, 105);
}

const TClassInfo& TCustomGroupBox::StaticClassInfo() {
    static const TClassInfo info("TCustomGroupBox", &TCustomControl::StaticClassInfo());
    return info;
}
const TClassInfo& TCustomGroupBox::ClassInfo() const { return StaticClassInfo(); }

void TCustomGroupBox::AlignControls(TControl* control, TRect& rect) {
    // Aligned children stay below the caption and inside the frame.
    Canvas()->SetFont(Font());
    rect.Top += Canvas()->TextHeight("0");
    InflateRect(rect, -1, -1);
    if (Ctl3D()) InflateRect(rect, -1, -1);
    TCustomControl::AlignControls(control, rect);
}

void TCustomGroupBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_DIALOGCHAR:
            if (IsAccel(char(message.WParam), Caption()) && CanFocus()) {
                SelectNext(nullptr, true, true);
                message.Result = 1;
                return;
            }
            TCustomControl::WndProc(message);
            return;
        case CM_TEXTCHANGED:
        case CM_CTL3DCHANGED:
        case CM_FONTCHANGED:
            TCustomControl::WndProc(message);
            Invalidate();
            Realign();
            return;
        default:
            TCustomControl::WndProc(message);
    }
}

void TCustomGroupBox::Paint() {
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    const int h = canvas->TextHeight("0");
    TRect r = Rect(0, h / 2 - 1, Width(), Height());
    if (Ctl3D()) {
        // Etched: a highlight rectangle one pixel down and right under a
        // shadow rectangle.
        r.Left += 1;
        r.Top += 1;
        canvas->Brush()->SetColor(clBtnHighlight);
        canvas->FrameRect(r);
        OffsetRect(r, -1, -1);
        canvas->Brush()->SetColor(clBtnShadow);
    } else {
        canvas->Brush()->SetColor(clWindowFrame);
    }
    canvas->FrameRect(r);
    const std::string text = Caption();
    if (text.empty()) return;
    TRect caption = UseRightToLeftAlignment() ? Rect(r.Right - canvas->TextWidth(text) - 8, 0, 0, h) : Rect(8, 0, 0, h);
    const unsigned flags = DrawTextBiDiModeFlags(DT_SINGLELINE);
    DrawText(canvas->Handle(), text, caption, flags | DT_CALCRECT);
    canvas->Brush()->SetColor(Color());
    DrawText(canvas->Handle(), text, caption, flags);
}

const TClassInfo& TGroupBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TGroupBox", &TCustomGroupBox::StaticClassInfo(), [](TComponent* owner) { return new TGroupBox(owner); });
        TClassBuilder<TGroupBox>(i).Publish(
            {"Align", "Anchors", "BiDiMode", "Caption", "Color", "Constraints", "Ctl3D", "DragCursor", "DragKind",
             "DragMode", "Enabled", "Font", "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
             "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick", "OnDblClick",
             "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove",
             "OnMouseUp", "OnStartDock", "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TGroupBox::ClassInfo() const { return StaticClassInfo(); }

namespace {
const bool kRegistered = [] {
    RegisterClass(TLabel::StaticClassInfo());
    RegisterClass(TGroupBox::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
