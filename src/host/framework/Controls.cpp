// TControl, its size constraints, and what every control shares: the
// control under the pointer and the mouse capture, the keyboard's shift
// state, cursor names and accelerators, the user-input scope and the
// picture behind a control in an outside window. The windowed control is in
// WinControl.cpp (its alignment and anchors in ControlAlignment.cpp), the
// canvas and the controls painted through it in PaintedControls.cpp.

#include "host/framework/Controls.h"

#include <QWidget>

#include <algorithm>
#include <cctype>
#include <limits>
#include <memory>

#include "host/framework/ControlWidgets.h"
#include "host/framework/Forms.h"
#include "host/framework/WindowBackend.h"

namespace Orvo {

namespace {

TControl* gCaptureControl = nullptr;
TControl* gMouseControl = nullptr;

struct TCursorName {
    TCursor cursor;
    const char* name;
};
constexpr TCursorName kCursorNames[] = {
    {crDefault, "crDefault"}, {crNone, "crNone"}, {crArrow, "crArrow"}, {crCross, "crCross"},
    {crIBeam, "crIBeam"}, {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"}, {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"}, {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"}, {crHSplit, "crHSplit"}, {crVSplit, "crVSplit"}, {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"}, {crNo, "crNo"}, {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A cursor property: written as its name when it has one, read from a name
// or a number.
template <class T>
void AddCursorProperty(TClassInfo& info, const std::string& name, TCursor (T::*get)() const, void (T::*set)(TCursor),
                       TCursor def) {
    TClassBuilder<T>(info)
        .Raw(
            name, TPropKind::Integer,
            [get](const T& o) -> std::optional<TValue> {
                const TCursor c = (o.*get)();
                const std::string ident = CursorToIdent(c);
                return ident.empty() ? TValue::Int(c) : TValue::Identifier(ident);
            },
            [set, name](T& o, const TValue& v) {
                TCursor c = 0;
                if (v.kind == TValue::Kind::Ident) {
                    if (!IdentToCursor(v.text, c)) throw EPropertyError(v.text + " is not a cursor name");
                } else {
                    c = TCursor(ValueToInteger(v, -32768, 32767));
                }
                (o.*set)(c);
            })
        .DefaultIdent(CursorToIdent(def));
}

TShiftState gKeyboardState;

}  // namespace

// ---------------------------------------------------------------- free functions

std::string CursorToIdent(TCursor cursor) {
    for (const TCursorName& n : kCursorNames)
        if (n.cursor == cursor) return n.name;
    return {};
}

bool IdentToCursor(std::string_view ident, TCursor& cursor) {
    for (const TCursorName& n : kCursorNames)
        if (EqualNoCase(ident, n.name)) {
            cursor = n.cursor;
            return true;
        }
    return false;
}

bool IsAccel(char ch, std::string_view caption) {
    std::size_t i = 0;
    while (i < caption.size()) {
        if (caption[i] != '&') {
            ++i;
            continue;
        }
        if (i + 1 >= caption.size()) return false;
        if (caption[i + 1] == '&') {
            i += 2;  // a doubled ampersand shows one and marks nothing
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(static_cast<unsigned char>(ch));
    }
    return false;
}

std::string StripHotkey(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out.push_back('&');
                ++i;
            }
            continue;
        }
        out.push_back(caption[i]);
    }
    return out;
}

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s;
    if (keys & MK_SHIFT) s.Include(ssShift);
    if (keys & MK_CONTROL) s.Include(ssCtrl);
    if (keys & MK_LBUTTON) s.Include(ssLeft);
    if (keys & MK_RBUTTON) s.Include(ssRight);
    if (keys & MK_MBUTTON) s.Include(ssMiddle);
    if (gKeyboardState.Contains(ssAlt)) s.Include(ssAlt);
    return s;
}

TShiftState KeyboardShiftState() { return gKeyboardState; }
void SetKeyboardShiftState(TShiftState state) { gKeyboardState = state; }

TControl* GetCaptureControl() { return gCaptureControl; }
void SetCaptureControl(TControl* control) { gCaptureControl = control; }
TControl* GetMouseControl() { return gMouseControl; }

void SetMouseControl(TControl* control) {
    if (gCaptureControl && control != gCaptureControl) control = nullptr;
    if (control == gMouseControl) return;
    TControl* old = gMouseControl;
    gMouseControl = control;
    if (old) {
        TComponentGuard guard(control);
        old->Perform(CM_MOUSELEAVE, 0, 0);
        if (control && guard.Destroyed()) return;
    }
    if (control && gMouseControl == control) control->Perform(CM_MOUSEENTER, 0, 0);
}

TCustomForm* GetParentForm(const TControl* control) {
    const TControl* top = control;
    while (top && top->Parent()) top = top->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

TWinControl* FindControl(HWND window) { return ControlOfWidget(WidgetOf(window)); }

// ---------------------------------------------------------------- TSizeConstraints

const TClassInfo& TSizeConstraints::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TSizeConstraints", &TPersistent::StaticClassInfo());
        TClassBuilder<TSizeConstraints>(i)
            .Int("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0).DefaultInt(0)
            .Int("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0).DefaultInt(0)
            .Int("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0).DefaultInt(0)
            .Int("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0).DefaultInt(0)
            .Publish({"MaxHeight", "MaxWidth", "MinHeight", "MinWidth"});
        return i;
    }();
    return info;
}
const TClassInfo& TSizeConstraints::ClassInfo() const { return StaticClassInfo(); }

void TSizeConstraints::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) return TPersistent::Assign(source);
    FMaxHeight = other->FMaxHeight;
    FMaxWidth = other->FMaxWidth;
    FMinHeight = other->FMinHeight;
    FMinWidth = other->FMinWidth;
    Changed();
}

void TSizeConstraints::SetMaxHeight(int v) {
    v = std::max(v, 0);
    if (v == FMaxHeight) return;
    FMaxHeight = v;
    if (v > 0 && v < FMinHeight) FMinHeight = v;
    Changed();
}
void TSizeConstraints::SetMaxWidth(int v) {
    v = std::max(v, 0);
    if (v == FMaxWidth) return;
    FMaxWidth = v;
    if (v > 0 && v < FMinWidth) FMinWidth = v;
    Changed();
}
void TSizeConstraints::SetMinHeight(int v) {
    v = std::max(v, 0);
    if (v == FMinHeight) return;
    FMinHeight = v;
    if (FMaxHeight > 0 && v > FMaxHeight) FMaxHeight = v;
    Changed();
}
void TSizeConstraints::SetMinWidth(int v) {
    v = std::max(v, 0);
    if (v == FMinWidth) return;
    FMinWidth = v;
    if (FMaxWidth > 0 && v > FMaxWidth) FMaxWidth = v;
    Changed();
}

void TSizeConstraints::Constrain(int& width, int& height) const {
    if (FMinWidth > 0) width = std::max(width, FMinWidth);
    if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
    if (FMinHeight > 0) height = std::max(height, FMinHeight);
    if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
}

void TSizeConstraints::Changed() {
    const TNotifyEvent handler = OnChange;
    handler(this);
}

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FFont = std::make_unique<TFont>();
    FFont->OnChange = [this](TObject* sender) { FontChanged(sender); };
}

TSizeConstraints* TControl::Constraints() const {
    if (!FConstraints) {
        FConstraints = std::make_unique<TSizeConstraints>();
        TControl* self = const_cast<TControl*>(this);
        FConstraints->OnChange = [self](TObject* sender) { self->ConstraintsChanged(sender); };
    }
    return FConstraints.get();
}

void TControl::Constrain(int& width, int& height) const {
    if (FConstraints) FConstraints->Constrain(width, height);
}

void TControl::ForgetMouseControl(const TControl* control) {
    if (gMouseControl == control) gMouseControl = nullptr;
}

TControl::~TControl() {
    Destroying();
    DestroyComponents();
    if (gCaptureControl == this) gCaptureControl = nullptr;
    if (gMouseControl == this) gMouseControl = nullptr;
    if (FParent) FParent->RemoveControl(this);
    if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
}

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TControl", &TComponent::StaticClassInfo());
        using C = TControl;
        TClassBuilder<C> b(i);
        b.Int("Left", &C::Left, &C::SetLeft, kMinControlPos, kMaxControlPos)
            .Int("Top", &C::Top, &C::SetTop, kMinControlPos, kMaxControlPos)
            .Int("Width", &C::Width, &C::SetWidth, -kMaxControlSize, kMaxControlSize)
            .Int("Height", &C::Height, &C::SetHeight, -kMaxControlSize, kMaxControlSize);
        AddCursorProperty<C>(i, "Cursor", &C::Cursor, &C::SetCursor, crDefault);
        b.Str("Hint", &C::Hint, &C::SetHint).DefaultStr("")
            .Int("HelpContext", &C::HelpContext, &C::SetHelpContext).DefaultInt(0)
            .Enum("Align", &C::Align, &C::SetAlign, {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"})
            .DefaultIdent("alNone")
            .SetOf("Anchors", &C::Anchors, &C::SetAnchors, {"akLeft", "akTop", "akRight", "akBottom"})
            .Default(TValue::SetOf({"akLeft", "akTop"}))
            .Enum("BiDiMode", &C::BiDiMode, &C::SetBiDiMode,
                  {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"})
            // No stored default, as for Color: stored only while the control
            // has a reading order of its own, and then always.
            .StoredWhen([](const C& c) { return !c.ParentBiDiMode(); })
            .WindowText("Caption", &C::Caption, &C::SetCaption).DefaultStr("")
            // No stored default: a control's own colour is whatever it was
            // given, and one left out would come back as its parent's (or,
            // for a form, as the clBtnFace a form starts with).
            .Color("Color", &C::Color, &C::SetColor)
            .StoredWhen([](const C& c) { return !c.ParentColor(); })
            .Object("Constraints", &C::Constraints)
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D).StoredWhen([](const C& c) { return !c.ParentCtl3D(); });
        AddCursorProperty<C>(i, "DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag);
        b.Enum("DragKind", &C::DragKind, &C::SetDragKind, {"dkDrag", "dkDock"}).DefaultIdent("dkDrag")
            .Enum("DragMode", &C::DragMode, &C::SetDragMode, {"dmManual", "dmAutomatic"}).DefaultIdent("dmManual")
            .Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true)
            .Object("Font", &C::Font).StoredWhen([](const C& c) { return !c.ParentFont(); })
            .Bool("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode).Default(true)
            .Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true)
            .Bool("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D).Default(true)
            .Bool("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true)
            .Bool("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true)
            // The host has no popup menus yet, so nothing a form holds can
            // be one: only nil is taken.
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu,
                       [](const C&, const TComponent& target) {
                           return target.Name() + " is a " + target.ClassName() + ", not a popup menu";
                       })
            .Bool("ShowHint", &C::ShowHint, &C::SetShowHint).StoredWhen([](const C& c) { return !c.ParentShowHint(); })
            .Bool("Visible", &C::Visible, &C::SetVisible).Default(true)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnDragDrop", &C::OnDragDrop)
            .Event("OnDragOver", &C::OnDragOver)
            .Event("OnEndDock", &C::OnEndDock)
            .Event("OnEndDrag", &C::OnEndDrag)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Event("OnStartDock", &C::OnStartDock)
            .Event("OnStartDrag", &C::OnStartDrag)
            .Publish({"Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpContext"});
        return i;
    }();
    return info;
}
const TClassInfo& TControl::ClassInfo() const { return StaticClassInfo(); }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
        case WM_MOUSEMOVE:
            HandleMouseMessage(message);
            return;
        case WM_SETTEXT:
            FText = message.LParam ? reinterpret_cast<const char*>(message.LParam) : "";
            message.Result = 1;
            return;
        case WM_ERASEBKGND:
            if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
                HBRUSH brush = CreateSolidBrush(FColor);
                Orvo::FillRect(dc, ClientRect(), brush);
                DeleteObject(brush);
            }
            message.Result = 1;
            return;
        case CM_HITTEST:
            message.Result = 1;  // HTCLIENT: the whole rectangle answers
            return;
        case CM_CANCELMODE:
            // The capture ended without a release: the press is abandoned.
            FControlState.Exclude(csClicked);
            FControlState.Exclude(csLButtonDown);
            SetMouseCapture(false);
            return;
        case CM_ENABLEDCHANGED:
        case CM_COLORCHANGED:
        case CM_FONTCHANGED:
        case CM_CTL3DCHANGED:
        case CM_BIDIMODECHANGED:
            Invalidate();
            return;
        case CM_PARENTCOLORCHANGED:
            if (FParentColor) {
                SetColor(message.WParam ? TColor(message.LParam) : (FParent ? FParent->Color() : FColor));
                FParentColor = true;
            }
            return;
        case CM_PARENTFONTCHANGED:
            if (FParentFont && FParent) {
                FFont->Assign(FParent->Font());
                FParentFont = true;
            }
            return;
        case CM_PARENTSHOWHINTCHANGED:
            if (FParentShowHint && FParent) {
                SetShowHint(FParent->ShowHint());
                FParentShowHint = true;
            }
            return;
        case CM_PARENTCTL3DCHANGED:
            if (FParentCtl3D && FParent) {
                SetCtl3D(FParent->Ctl3D());
                FParentCtl3D = true;
            }
            return;
        case CM_PARENTBIDIMODECHANGED:
            if (FParentBiDiMode && FParent) {
                SetBiDiMode(FParent->BiDiMode());
                FParentBiDiMode = true;
            }
            return;
        case CM_CURSORCHANGED:
            return;
        default:
            DefaultHandler(message);
    }
}

void TControl::HandleMouseMessage(TMessage& message) {
    UINT msg = message.Msg;
    if (msg == WM_LBUTTONDBLCLK && !FControlStyle.Contains(csDoubleClicks)) msg = WM_LBUTTONDOWN;
    const int x = GET_X_LPARAM(message.LParam);
    const int y = GET_Y_LPARAM(message.LParam);
    TShiftState shift = KeysToShiftState(message.WParam);
    switch (msg) {
        case WM_LBUTTONDOWN:
            if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
            if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
            MouseDown(mbLeft, shift, x, y);
            return;
        case WM_LBUTTONDBLCLK: {
            if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
            TComponentGuard guard(this);
            if (FControlStyle.Contains(csClickEvents)) DblClick();
            if (guard.Destroyed()) return;
            MouseDown(mbLeft, shift + TShiftState{ssDouble}, x, y);
            return;
        }
        case WM_LBUTTONUP: {
            if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
            TComponentGuard guard(this);
            if (FControlState.Contains(csClicked)) {
                FControlState.Exclude(csClicked);
                if (ClientRect().Contains(Point(x, y))) Click();
                if (guard.Destroyed()) return;
            }
            MouseUp(mbLeft, shift, x, y);
            return;
        }
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            MouseDown(mbRight, msg == WM_RBUTTONDBLCLK ? shift + TShiftState{ssDouble} : shift, x, y);
            return;
        case WM_RBUTTONUP:
            MouseUp(mbRight, shift, x, y);
            return;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            MouseDown(mbMiddle, msg == WM_MBUTTONDBLCLK ? shift + TShiftState{ssDouble} : shift, x, y);
            return;
        case WM_MBUTTONUP:
            MouseUp(mbMiddle, shift, x, y);
            return;
        case WM_MOUSEMOVE:
            MouseMove(shift, x, y);
            return;
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this) throw EComponentError("A control cannot have itself as its parent");
    for (const TControl* p = parent; p; p = p->Parent())
        if (p == this) throw EComponentError("A control cannot be the parent of one of its own parents");
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::ReadState(const TReadStateProc& readProperties) {
    FControlState.Include(csReadingState);
    try {
        TComponent::ReadState(readProperties);
    } catch (...) {
        FControlState.Exclude(csReadingState);
        throw;
    }
    FControlState.Exclude(csReadingState);
    if (!FParent) return;
    Perform(CM_PARENTCOLORCHANGED, 0, 0);
    Perform(CM_PARENTFONTCHANGED, 0, 0);
    Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* p = dynamic_cast<TWinControl*>(parent)) SetParent(p);
}

int SaturatedInt(std::int64_t value) {
    return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    Constrain(width, height);
    // After the constraints, which may ask for any size themselves.
    const int maxSize = dynamic_cast<TCustomForm*>(this) ? kMaxFormSize : kMaxControlSize;
    width = std::min(width, maxSize);
    height = std::min(height, maxSize);
    left = std::clamp(left, kMinControlPos, kMaxControlPos);
    top = std::clamp(top, kMinControlPos, kMaxControlPos);
    const bool moved = left != FLeft || top != FTop;
    const bool resized = width != FWidth || height != FHeight;
    if (!moved && !resized) return;
    InvalidateControl(FVisible);  // the old area
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    BoundsChanged(moved, resized);
    if (FObserver) FObserver->ControlBoundsChanged(this);
}

void TControl::BoundsChanged(bool moved, bool resized) {
    InvalidateControl(FVisible);  // the new area
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetClientSize(int width, int height) {
    const TRect client = ClientRect();
    SetBounds(FLeft, FTop, SaturatedInt(std::int64_t(FWidth) + width - client.Width()),
              SaturatedInt(std::int64_t(FHeight) + height - client.Height()));
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return Point(FLeft, FTop);
    const TPoint p = FParent->ClientOrigin();
    return Point(SaturatedInt(std::int64_t(p.X) + FLeft), SaturatedInt(std::int64_t(p.Y) + FTop));
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return Point(SaturatedInt(std::int64_t(p.X) + o.X), SaturatedInt(std::int64_t(p.Y) + o.Y));
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return Point(SaturatedInt(std::int64_t(p.X) - o.X), SaturatedInt(std::int64_t(p.Y) - o.Y));
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) return;
    FAlign = align;
    if (FParent) FParent->Realign();
}

void TControl::SetAnchors(TAnchors anchors) { FAnchors = anchors; }

bool TControl::Showing() const {
    if (!FVisible) return false;
    return FParent ? FParent->Showing() : false;
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) return;
    if (!visible) InvalidateControl(true);
    FVisible = visible;
    Perform(CM_VISIBLECHANGED, WPARAM(visible), 0);
    if (visible) InvalidateControl(true);
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    Perform(CM_ENABLEDCHANGED, 0, 0);
    NotifyStateChanged();
}

void TControl::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool v) {
    if (v == FParentColor) return;
    FParentColor = v;
    if (v && FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetFont(const TFont* font) {
    if (font) FFont->Assign(font);
}

void TControl::SetParentFont(bool v) {
    if (v == FParentFont) return;
    FParentFont = v;
    if (v && FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::ConstraintsChanged(TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); }

void TControl::SetText(const std::string& text) {
    if (GetText() == text) return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Perform(CM_TEXTCHANGED, 0, 0);
    NotifyStateChanged();
}

void TControl::SetShowHint(bool v) {
    FParentShowHint = false;
    if (v == FShowHint) return;
    FShowHint = v;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool v) {
    if (v == FParentShowHint) return;
    FParentShowHint = v;
    if (v && FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == FCursor) return;
    FCursor = cursor;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetCtl3D(bool v) {
    FParentCtl3D = false;
    if (v == FCtl3D) return;
    FCtl3D = v;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetParentCtl3D(bool v) {
    if (v == FParentCtl3D) return;
    FParentCtl3D = v;
    if (v && FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    FParentBiDiMode = false;
    if (mode == FBiDiMode) return;
    FBiDiMode = mode;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool v) {
    if (v == FParentBiDiMode) return;
    FParentBiDiMode = v;
    if (v && FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

unsigned TControl::DrawTextBiDiModeFlags(unsigned flags) const {
    if (UseRightToLeftAlignment()) {
        // Left and right swap; centred text stays centred.
        if ((flags & (DT_CENTER | DT_RIGHT)) == 0) flags |= DT_RIGHT;
        else if (flags & DT_RIGHT) flags &= ~DT_RIGHT;
    }
    return flags | DrawTextBiDiModeFlagsReadingOnly();
}

unsigned TControl::DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }

void TControl::SetPopupMenu(TComponent* menu) {
    if (menu == FPopupMenu) return;
    if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
    FPopupMenu = menu;
    if (menu) FreeNotification(menu);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

bool TControl::MouseCapture() const { return gCaptureControl == this; }

void TControl::SetMouseCapture(bool capture) {
    if (capture) gCaptureControl = this;
    else if (gCaptureControl == this) gCaptureControl = nullptr;
}

void TControl::InvalidateControl(bool isVisible) {
    if (!isVisible || !FParent || !FParent->HandleAllocated() || dynamic_cast<TWinControl*>(this)) return;
    FParent->Widget()->update(FLeft, FTop, FWidth, FHeight);
}

void TControl::Invalidate() { InvalidateControl(FVisible); }

void TControl::Repaint() {
    if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
    FParent->Widget()->repaint(FLeft, FTop, FWidth, FHeight);
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

TWinControl* TControl::TopLevelControl() const {
    const TControl* top = this;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<TWinControl*>(const_cast<TControl*>(top));
}

void TControl::BringToFront() {
    if (!FParent) return;
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        auto& list = FParent->FWinControls;
        list.erase(std::remove(list.begin(), list.end(), w), list.end());
        list.push_back(w);
        if (w->HandleAllocated()) w->Widget()->raise();
    } else {
        auto& list = FParent->FControls;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.push_back(this);
        Invalidate();
    }
}

void TControl::SendToBack() {
    if (!FParent) return;
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        auto& list = FParent->FWinControls;
        list.erase(std::remove(list.begin(), list.end(), w), list.end());
        list.insert(list.begin(), w);
        if (w->HandleAllocated()) w->Widget()->lower();
    } else {
        auto& list = FParent->FControls;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.insert(list.begin(), this);
        Invalidate();
    }
}

void TControl::Click() {
    if (!FObserver) {
        OnClick(this);
        return;
    }
    TComponentGuard guard(this);
    OnClick(this);
    if (!guard.Destroyed() && FObserver) FObserver->ControlClicked(this);
}

void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }

bool PaintOutsideBackground(TControl* control, HDC dc) {
    auto* root = dynamic_cast<TWinControl*>(control);
    if (!root || !dc || root->Parent() || !root->ParentWindow() || !root->HandleAllocated()) return false;
    return WindowBackend().PaintOutsideBackground(root, dc);
}

// ---------------------------------------------------------------- user input

namespace {
TControl* gUserInputTarget = nullptr;
}  // namespace

TUserInputScope::TUserInputScope(TControl* target) : FPrevious(gUserInputTarget) { gUserInputTarget = target; }
TUserInputScope::~TUserInputScope() { gUserInputTarget = FPrevious; }
TControl* TUserInputScope::Target() { return gUserInputTarget; }

}  // namespace Orvo
