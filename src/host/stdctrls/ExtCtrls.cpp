#include "host/stdctrls/ExtCtrls.h"

#include "host/stdctrls/StdCtrlsSupport.h"

namespace Orvo {

using namespace stdctrls;

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                  csDoubleClicks, csReplicatable};
    SetBounds(Left(), Top(), 185, 41);
    SetColor(clBtnFace);  // also turns ParentColor off
}

const TClassInfo& TCustomPanel::StaticClassInfo() {
    static const TClassInfo info("TCustomPanel", &TCustomControl::StaticClassInfo());
    return info;
}
const TClassInfo& TCustomPanel::ClassInfo() const { return StaticClassInfo(); }

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TPanel", &TCustomPanel::StaticClassInfo(), [](TComponent* owner) { return new TPanel(owner); });
        using C = TPanel;
        const std::vector<std::string> bevels{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"})
            .DefaultIdent("taCenter")
            .Enum("BevelInner", &C::BevelInner, &C::SetBevelInner, bevels)
            .DefaultIdent("bvNone")
            .Enum("BevelOuter", &C::BevelOuter, &C::SetBevelOuter, bevels)
            .DefaultIdent("bvRaised")
            .Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, 1)
            .DefaultInt(1)
            .Int("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 0)
            .DefaultInt(0)
            .Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, {"bsNone", "bsSingle"})
            .DefaultIdent("bsNone")
            .Publish({"Align", "Alignment", "Anchors", "BevelInner", "BevelOuter", "BevelWidth", "BiDiMode",
                      "BorderWidth", "BorderStyle", "Caption"})
            .PublishWithDefault("Color", ColorToValue(clBtnFace))
            .Publish({"Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                      "ParentBiDiMode"})
            .PublishWithDefault("ParentColor", TValue::Bool(false))
            .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop",
                      "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                      "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TPanel::ClassInfo() const { return StaticClassInfo(); }

void TCustomPanel::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel v) {
    if (v == FBevelInner) return;
    FBevelInner = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel v) {
    if (v == FBevelOuter) return;
    FBevelOuter = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int v) {
    if (v < 1) v = 1;
    if (v == FBevelWidth) return;
    FBevelWidth = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int v) {
    if (v < 0) v = 0;
    if (v == FBorderWidth) return;
    FBorderWidth = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TControlBorderStyle v) {
    if (v != bsNone && v != bsSingle) v = bsSingle;
    if (v == FBorderStyle) return;
    FBorderStyle = v;
    Realign();
    Invalidate();
}

void TCustomPanel::BevelColors(TPanelBevel bevel, TColor& topLeft, TColor& bottomRight) {
    topLeft = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    bottomRight = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
}

TRect TCustomPanel::InteriorRect() const {
    TRect r = ClientRect();
    int inset = FBorderWidth;
    if (FBorderStyle == bsSingle) inset += Ctl3D() ? kSunkenBorderWidth : kFlatBorderWidth;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    InflateRect(r, -inset, -inset);
    return r;
}

unsigned TCustomPanel::CaptionFlags() const {
    static constexpr unsigned kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return DrawTextBiDiModeFlags(DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | kAlignments[FAlignment]);
}

void TCustomPanel::AlignControls(TControl* control, TRect& rect) {
    rect = InteriorRect();
    TCustomControl::AlignControls(control, rect);
}

void TCustomPanel::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_TEXTCHANGED:
        case CM_CTL3DCHANGED:
            TCustomControl::WndProc(message);
            Invalidate();
            return;
        default:
            TCustomControl::WndProc(message);
    }
}

void TCustomPanel::Paint() {
    TCanvas* canvas = Canvas();
    TRect rect = ClientRect();
    if (FBorderStyle == bsSingle) DrawControlBorder(canvas->Handle(), rect, Ctl3D());
    TColor topLeft, bottomRight;
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, topLeft, bottomRight);
        Frame3D(canvas, rect, topLeft, bottomRight, FBevelWidth);
    }
    Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, topLeft, bottomRight);
        Frame3D(canvas, rect, topLeft, bottomRight, FBevelWidth);
    }
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rect);
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    const int fontHeight = canvas->TextHeight("W");
    rect.Top = (rect.Bottom + rect.Top - fontHeight) / 2;
    rect.Bottom = rect.Top + fontHeight;
    DrawText(canvas->Handle(), Caption(), rect, CaptionFlags());
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TPanel::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
