// The push button and the check box.
#include <functional>

#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/stdctrls/StdCtrlsSupport.h"

namespace Orvo {

using namespace stdctrls;

namespace {

TPoint MessagePoint(const TMessage& m) { return Point(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)); }

// Calls `visit` for every push button on the window tree below `root`.
void ForEachButton(TWinControl* root, const std::function<void(TButton*)>& visit) {
    for (int i = 0; i < root->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(root->Controls(i));
        if (!child) continue;
        if (auto* button = dynamic_cast<TButton*>(child)) visit(button);
        ForEachButton(child, visit);
    }
}

}  // namespace

// ---------------------------------------------------------------- TButtonControl

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csCaptureMouse};
    SetTabStop(true);
}

const TClassInfo& TButtonControl::StaticClassInfo() {
    static const TClassInfo info("TButtonControl", &TWinControl::StaticClassInfo());
    return info;
}
const TClassInfo& TButtonControl::ClassInfo() const { return StaticClassInfo(); }

void TButtonControl::SetPressed(bool pressed) {
    if (pressed == FPressed) return;
    FPressed = pressed;
    Invalidate();
}

void TButtonControl::CancelTracking() {
    FMouseTracking = false;
    FKeyTracking = false;
    SetPressed(false);
}

void TButtonControl::SendButtonNotification(UINT code) { SendNotification(CN_COMMAND, MAKEWPARAM(0, code), 0); }

void TButtonControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            TComponentGuard guard(this);
            TWinControl::WndProc(message);
            if (guard.Destroyed() || !Enabled()) return;
            if (message.Msg == WM_LBUTTONDBLCLK && NotifiesDoubleClicks()) {
                SendButtonNotification(BN_DOUBLECLICKED);
                return;
            }
            if (CanFocus() && !Focused()) {
                SetFocus();
                if (guard.Destroyed()) return;
            }
            FKeyTracking = false;
            FMouseTracking = true;
            SetPressed(true);
            return;
        }
        case WM_MOUSEMOVE:
            if (FMouseTracking) SetPressed(ClientRect().Contains(MessagePoint(message)));
            TWinControl::WndProc(message);
            return;
        case WM_LBUTTONUP: {
            const bool click = FMouseTracking && ClientRect().Contains(MessagePoint(message));
            FMouseTracking = false;
            SetPressed(false);
            TComponentGuard guard(this);
            // The click comes before the framework's MouseUp, as the system
            // button reports it while handling the release.
            if (click) SendButtonNotification(BN_CLICKED);
            if (!guard.Destroyed()) TWinControl::WndProc(message);
            return;
        }
        case WM_KEYDOWN: {
            TWinControl::WndProc(message);
            if (message.Result != 0) return;  // OnKeyDown took the key
            // A repeat of Space held down keeps the press going; it never
            // starts one (its release has already clicked).
            const bool repeat = (HIWORD(std::uintptr_t(message.LParam)) & KF_REPEAT) != 0;
            if (message.WParam == VK_SPACE && !FMouseTracking && Enabled() && (!repeat || FKeyTracking)) {
                FKeyTracking = true;
                SetPressed(true);
                message.Result = 1;
            }
            return;
        }
        case WM_KEYUP:
            TWinControl::WndProc(message);
            if (message.Result != 0) return;
            if (message.WParam == VK_SPACE && FKeyTracking) {
                FKeyTracking = false;
                SetPressed(false);
                message.Result = 1;
                SendButtonNotification(BN_CLICKED);
            }
            return;
        case WM_KILLFOCUS:
            TWinControl::WndProc(message);
            CancelTracking();
            return;
        case CM_ENABLEDCHANGED:
            TWinControl::WndProc(message);
            if (!Enabled()) CancelTracking();
            return;
        case CM_TEXTCHANGED:
            TWinControl::WndProc(message);
            Invalidate();
            return;
        default:
            TWinControl::WndProc(message);
    }
}

// ---------------------------------------------------------------- TButton

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(Left(), Top(), 75, 25); }

TButton::~TButton() = default;

const TClassInfo& TButton::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TButton", &TButtonControl::StaticClassInfo(), [](TComponent* owner) { return new TButton(owner); });
        using C = TButton;
        TClassBuilder<C>(i)
            .Bool("Cancel", &C::Cancel, &C::SetCancel)
            .Default(false)
            .Bool("Default", &C::Default, &C::SetDefault)
            .Default(false)
            .Int("ModalResult", &C::ModalResult, &C::SetModalResult)
            .DefaultInt(0)
            .Publish({"Anchors", "BiDiMode", "Cancel", "Caption", "Constraints", "Default", "DragCursor", "DragKind",
                      "DragMode", "Enabled", "Font", "ModalResult", "ParentBiDiMode", "ParentFont", "ParentShowHint",
                      "PopupMenu", "ShowHint", "TabOrder"})
            .PublishWithDefault("TabStop", TValue::Bool(true))
            .Publish({"Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
                      "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                      "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TButton::ClassInfo() const { return StaticClassInfo(); }

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CreateWindowDone() {
    TButtonControl::CreateWindowDone();
    FActive = FDefault;
    if (IsOwnerDrawn()) {
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_BUTTON;
        mis.itemWidth = UINT(Width());
        mis.itemHeight = UINT(Height());
        Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    }
}

bool TButton::NotifiesDoubleClicks() const { return IsOwnerDrawn() || (WindowStyle() & BS_NOTIFY) != 0; }

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::SetDefault(bool v) {
    FDefault = v;
    if (!HandleAllocated()) return;
    TCustomForm* form = GetParentForm(this);
    UpdateActive(form && form->ActiveControl() ? form->ActiveControl() : FocusedWinControl());
}

void TButton::SetButtonStyle(bool aDefault) {
    if (!HandleAllocated()) return;
    const std::uint32_t type = aDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((WindowStyle() & BS_TYPEMASK) == type) return;
    SetWindowStyle((WindowStyle() & ~BS_TYPEMASK) | type);
    Invalidate();
}

void TButton::UpdateActive(const TWinControl* focused) {
    // The focused button is the current push button; with a control other
    // than a button focused, the Default button is.
    FActive = dynamic_cast<const TButton*>(focused) ? focused == this : FDefault;
    SetButtonStyle(FActive);
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            if (HIWORD(message.WParam) == BN_CLICKED) Click();
            return;
        case CM_DIALOGKEY:
            if (((message.WParam == VK_RETURN && FActive) || (message.WParam == VK_ESCAPE && FCancel)) && CanFocus()) {
                Click();
                message.Result = 1;
                return;
            }
            TButtonControl::WndProc(message);
            return;
        case CM_DIALOGCHAR:
            if (IsAccel(char(message.WParam), Caption()) && CanFocus()) {
                Click();
                message.Result = 1;
                return;
            }
            TButtonControl::WndProc(message);
            return;
        case CM_FOCUSCHANGED:
            UpdateActive(reinterpret_cast<const TWinControl*>(message.LParam));
            return;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            TComponentGuard guard(this);
            TButtonControl::WndProc(message);
            if (guard.Destroyed()) return;
            // Every button of the form learns which control has the focus
            // now, so the current push button is drawn as such.
            const TWinControl* focused = message.Msg == WM_SETFOCUS ? this : FocusedWinControl();
            if (TWinControl* root = TopLevelControl()) ForEachButton(root, [focused](TButton* b) { b->UpdateActive(focused); });
            else UpdateActive(focused);
            return;
        }
        default:
            TButtonControl::WndProc(message);
    }
}

void TButton::PaintWindow(HDC dc) {
    if (IsOwnerDrawn()) DrawOwnerItem(dc);
    else DrawClassicButton(dc);
}

void TButton::DrawOwnerItem(HDC dc) {
    TSavedDC state(dc);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.itemID = 0;
    dis.itemAction = ODA_DRAWENTIRE;
    if (Pressed()) dis.itemState |= ODS_SELECTED;
    if (!Enabled()) dis.itemState |= ODS_DISABLED;
    if (Focused()) dis.itemState |= ODS_FOCUS;
    dis.hwndItem = Handle();
    dis.hDC = dc;
    dis.rcItem = ClientRect();
    Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
}

void TButton::DrawClassicButton(HDC dc) {
    TSavedDC state(dc);
    TRect r = ClientRect();
    const bool defaultLook = (WindowStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (defaultLook) {
        FrameSolid(dc, r, clWindowFrame);
        InflateRect(r, -1, -1);
    }
    if (Pressed() && defaultLook) {
        // The current push button shows its press as a flat shadow frame.
        FrameSolid(dc, r, clBtnShadow);
        InflateRect(r, -1, -1);
        FillSolid(dc, r, clBtnFace);
    } else {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pressed() ? DFCS_PUSHED : 0));
    }
    TRect text = ClientRect();
    if (Pressed()) OffsetRect(text, 1, 1);
    DrawCaptionText(dc, this, Caption(), text, DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE),
                    Font()->Color(), Enabled());
    if (Focused()) {
        TRect focus = ClientRect();
        InflateRect(focus, -4, -4);
        DrawFocusRect(dc, focus);
    }
}

// ---------------------------------------------------------------- TCheckBox

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(Left(), Top(), 97, 17); }

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TCheckBox", &TButtonControl::StaticClassInfo(), [](TComponent* owner) { return new TCheckBox(owner); });
        using C = TCheckBox;
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"})
            .DefaultIdent("taRightJustify")
            .Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed)
            .Default(false)
            .Bool("Checked", &C::Checked, &C::SetChecked)
            .Default(false)
            .Enum("State", &C::State, &C::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"})
            .DefaultIdent("cbUnchecked")
            .Publish({"Alignment", "AllowGrayed", "Anchors", "BiDiMode", "Caption", "Checked", "State", "Color",
                      "Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "ParentBiDiMode",
                      "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"})
            .PublishWithDefault("TabStop", TValue::Bool(true))
            .Publish({"Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
                      "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                      "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TCheckBox::ClassInfo() const { return StaticClassInfo(); }

void TCheckBox::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    Invalidate();
}

void TCheckBox::SetState(TCheckBoxState state) {
    if (state == FState) return;
    FState = state;
    Invalidate();
    Click();
}

void TCheckBox::Toggle() {
    switch (FState) {
        case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
        case cbChecked: SetState(cbUnchecked); break;
        case cbGrayed: SetState(cbChecked); break;
    }
}

TRect TCheckBox::BoxRect() const {
    const TRect client = ClientRect();
    const int top = (client.Height() - kBoxSize) / 2;
    // taRightJustify puts the caption to the right of the box.
    const bool boxLeft = (FAlignment == taRightJustify) != UseRightToLeftAlignment();
    const int left = boxLeft ? 0 : client.Width() - kBoxSize;
    return Bounds(left, top, kBoxSize, kBoxSize);
}

TRect TCheckBox::CaptionRect() const {
    constexpr int gap = kBoxSize + 4;
    const TRect client = ClientRect();
    const bool boxLeft = (FAlignment == taRightJustify) != UseRightToLeftAlignment();
    return boxLeft ? Rect(gap, 0, client.Width(), client.Height()) : Rect(0, 0, client.Width() - gap, client.Height());
}

void TCheckBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            if (HIWORD(message.WParam) == BN_CLICKED) Toggle();
            return;
        case CM_DIALOGCHAR:
            if (IsAccel(char(message.WParam), Caption()) && CanFocus()) {
                TComponentGuard guard(this);
                SetFocus();
                if (!guard.Destroyed() && Focused()) Toggle();
                message.Result = 1;
                return;
            }
            TButtonControl::WndProc(message);
            return;
        case WM_SETFOCUS:
            TButtonControl::WndProc(message);
            Invalidate();  // the focus rectangle
            return;
        default:
            TButtonControl::WndProc(message);
    }
}

void TCheckBox::PaintWindow(HDC dc) {
    TSavedDC state(dc);
    const bool enabled = Enabled();
    const TRect box = BoxRect();
    TRect inner = box;
    DrawControlBorder(dc, inner, Ctl3D());
    const bool dimmed = Pressed() || !enabled || FState == cbGrayed;
    FillSolid(dc, inner, dimmed ? clBtnFace : clWindow);
    if (FState != cbUnchecked) {
        // Seven bars three pixels tall make the tick.
        const TColor mark = (FState == cbGrayed || !enabled) ? clBtnShadow : clWindowText;
        int top = box.Top + 2;
        for (int k = 0; k < 7; ++k) {
            top += k < 3 ? 1 : -1;
            const int x = box.Left + 3 + k;
            FillSolid(dc, Rect(x, top, x + 1, top + 3), mark);
        }
    }

    const unsigned flags = DrawTextBiDiModeFlags(DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const TRect caption = CaptionRect();
    DrawCaptionText(dc, this, Caption(), caption, flags, Font()->Color(), enabled);
    if (Focused() && !Caption().empty()) {
        SelectObject(dc, Font()->Handle());
        TRect text = caption;
        DrawText(dc, Caption(), text, flags | DT_CALCRECT);
        const int height = text.Height();
        const int top = caption.Top + (caption.Height() - height) / 2;
        TRect focus = Rect(text.Left - 1, top - 1, text.Right + 1, top + height + 1);
        IntersectRect(focus, focus, ClientRect());
        DrawFocusRect(dc, focus);
    }
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TButton::StaticClassInfo());
    RegisterClass(TCheckBox::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
