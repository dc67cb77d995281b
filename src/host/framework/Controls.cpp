#include "host/framework/Controls.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "host/services/DeviceContextQt.h"
#include "host/framework/Forms.h"
#include "host/framework/ControlWidgets.h"
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

// Restores a device context's state when a painting step is left, also by
// an exception.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FLevel(SaveDC(dc)) {}
    ~TSavedDC() {
        if (FLevel) RestoreDC(FDC, FLevel);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FLevel;
};

// Attaches a canvas to a paint's device context for one Paint call.
class TCanvasAttachment {
public:
    TCanvasAttachment(TCanvas* canvas, HDC dc) : FCanvas(canvas) {
        FCanvas->Lock();
        FCanvas->SetHandle(dc);
    }
    ~TCanvasAttachment() {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
    }
    TCanvasAttachment(const TCanvasAttachment&) = delete;
    TCanvasAttachment& operator=(const TCanvasAttachment&) = delete;

private:
    TCanvas* FCanvas;
};

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
    FConstraints = std::make_unique<TSizeConstraints>();
    FConstraints->OnChange = [this](TObject* sender) { ConstraintsChanged(sender); };
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
            .Str("Caption", &C::Caption, &C::SetCaption).DefaultStr("")
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
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
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
    FConstraints->Constrain(width, height);
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
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }

// ---------------------------------------------------------------- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    FBrush = std::make_unique<TBrush>();
    FBrush->SetColor(Color());
}

TWinControl::~TWinControl() {
    Destroying();
    DestroyComponents();
    // Children owned elsewhere stay alive, without a parent.
    while (!FWinControls.empty()) RemoveControl(FWinControls.back());
    while (!FControls.empty()) RemoveControl(FControls.back());
    DestroyHandle();
    if (Parent()) Parent()->RemoveControl(this);
}

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TWinControl", &TControl::StaticClassInfo());
        using C = TWinControl;
        TClassBuilder<C>(i)
            .Enum("ImeMode", &C::ImeMode, &C::SetImeMode,
                  {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata", "imKata",
                   "imChinese", "imSHanguel", "imHanguel"})
            .DefaultIdent("imDontCare")
            .Str("ImeName", &C::ImeName, &C::SetImeName)
            .DefaultStr("")
            .Int("TabOrder", &C::TabOrder, &C::SetTabOrder, -1, 32767)
            .DefaultInt(-1)
            .Bool("TabStop", &C::TabStop, &C::SetTabStop)
            .Default(false)
            .Event("OnEnter", &C::OnEnter)
            .Event("OnExit", &C::OnExit)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Event("OnKeyUp", &C::OnKeyUp);
        return i;
    }();
    return info;
}
const TClassInfo& TWinControl::ClassInfo() const { return StaticClassInfo(); }

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EListError("Control index out of bounds (" + std::to_string(index) + ")");
    if (std::size_t(index) < FControls.size()) return FControls[std::size_t(index)];
    return FWinControls[std::size_t(index) - FControls.size()];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* control) {
    auto* w = dynamic_cast<TWinControl*>(control);
    if (w) {
        const int added = 1 + w->FWindowedCount;
        const TWinControl* top = this;
        while (top->Parent()) top = top->Parent();
        if (top->FWindowedCount + added > MaxWindowedControls)
            throw EComponentError("a form holds at most " + std::to_string(MaxWindowedControls) +
                                  " windowed controls; placing " + (w->Name().empty() ? w->ClassName() : w->Name()) +
                                  " would make it " + std::to_string(top->FWindowedCount + added));
        for (TWinControl* p = this; p; p = p->Parent()) p->FWindowedCount += added;
    }
    control->FParent = this;
    if (w) {
        FWinControls.push_back(w);
        // Last in the tab order: a key above every sibling's.
        w->FTabOrder = FNextTabOrder++;
        // A window made while the control had no parent (a radio group that
        // laid its buttons out before it was placed) is a window of its own,
        // or lies in an outside window: it is made again under this one.
        if (w->HandleAllocated()) w->DestroyHandle();
        if (HandleAllocated()) w->CreateHandle();
    } else {
        FControls.push_back(control);
    }
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    control->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    control->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    control->Invalidate();
    if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    if (control->FParent != this) return;
    control->InvalidateControl(control->Visible());
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        w->DestroyHandle();
        FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), w), FWinControls.end());
        for (TWinControl* p = this; p; p = p->Parent()) p->FWindowedCount -= 1 + w->FWindowedCount;
    } else {
        FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    }
    control->FParent = nullptr;
    if (gMouseControl == control) gMouseControl = nullptr;
    if (control->Align() != alNone && !IsDestroying()) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        const bool visible = c->Visible() || c->ComponentState().Contains(csDesigning);
        if (!visible || (!c->Enabled() && !allowDisabled)) continue;
        if (!c->BoundsRect().Contains(p)) continue;
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(p.X - c->Left(), p.Y - c->Top())) != 0) return c;
    }
    return nullptr;
}

void TWinControl::NotifyControls(UINT msg) {
    // A handler may change the list: walk a copy and skip the departed.
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    for (TControl* c : children)
        if (c->Parent() == this) c->Perform(msg, 0, 0);
}

void TWinControl::Broadcast(TMessage& message) {
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    for (TControl* c : children) {
        if (c->Parent() != this) continue;
        c->WndProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || IsDestroying()) return;
    ++FAlignLevel;  // children moved here do not ask for another alignment
    try {
        TRect rect = ClientRect();
        AlignControls(nullptr, rect);
    } catch (...) {
        --FAlignLevel;
        throw;
    }
    --FAlignLevel;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : children) {
            if (c->Align() != kind || !c->Visible()) continue;
            switch (kind) {
                case alTop:
                    c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
                    rect.Top += c->Height();
                    break;
                case alBottom:
                    c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
                    rect.Bottom -= c->Height();
                    break;
                case alLeft:
                    c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
                    rect.Left += c->Width();
                    break;
                case alRight:
                    c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
                    rect.Right -= c->Width();
                    break;
                case alClient:
                    c->SetBounds(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
                    break;
                default:
                    break;
            }
        }
    }
}

void TWinControl::AdjustAnchors(int oldWidth, int oldHeight) {
    const TRect client = ClientRect();
    const int dx = client.Width() - oldWidth;
    const int dy = client.Height() - oldHeight;
    if (dx == 0 && dy == 0) return;
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    for (TControl* c : children) {
        if (c->Align() != alNone) continue;
        const TAnchors a = c->Anchors();
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft)) width += dx;
            else left += dx;
        } else if (!a.Contains(akLeft)) {
            left += dx / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop)) height += dy;
            else top += dy;
        } else if (!a.Contains(akTop)) {
            top += dy / 2;
        }
        c->SetBounds(left, top, width, height);
    }
}

void TWinControl::FlipChildren(bool allLevels) {
    const int width = ClientWidth();
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    DisableAlign();
    for (TControl* c : children) {
        if (c->Align() == alLeft) c->SetAlign(alRight);
        else if (c->Align() == alRight) c->SetAlign(alLeft);
        else if (c->Align() == alNone) c->SetLeft(width - c->Left() - c->Width());
        if (allLevels)
            if (auto* w = dynamic_cast<TWinControl*>(c)) w->FlipChildren(true);
    }
    EnableAlign();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Owner() == root) proc(c);
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    FLastClientWidth = ClientWidth();
    FLastClientHeight = ClientHeight();
    Realign();
}

void TWinControl::SetParent(TWinControl* parent) { TControl::SetParent(parent); }

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    if (HandleAllocated()) {
        FWidget->setEnabled(enabled);
        if (enabled) FWindowStyle &= ~WS_DISABLED;
        else FWindowStyle |= WS_DISABLED;
    }
    TControl::SetEnabled(enabled);
}

void TWinControl::SetWindowStyle(std::uint32_t style) {
    const std::uint32_t old = FWindowStyle;
    FWindowStyle = style;
    if ((old ^ style) & WS_VISIBLE) SetVisible((style & WS_VISIBLE) != 0);
    if ((old ^ style) & WS_DISABLED) SetEnabled((style & WS_DISABLED) == 0);
    if ((old ^ style) & WS_TABSTOP) SetTabStop((style & WS_TABSTOP) != 0);
    FWindowStyle = style;
}

// ---- window

HWND TWinControl::Handle() {
    HandleNeeded();
    return HandleOf(FWidget);
}

void TWinControl::HandleNeeded() {
    if (FWidget) return;
    if (Parent()) Parent()->HandleNeeded();
    if (!FWidget) CreateHandle();
}

HWND TWinControl::ParentWindow() const {
    if (!Parent()) return FParentWindow;
    return Parent()->HandleAllocated() ? HandleOf(Parent()->Widget()) : nullptr;
}

void TWinControl::SetParentWindow(HWND window) {
    if (window == FParentWindow) return;
    DestroyHandle();
    FParentWindow = window;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = Text();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) {
        params.Style |= WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!Enabled()) params.Style |= WS_DISABLED;
    if (FTabStop) params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = ParentWindow();
    params.WindowClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WinClassName = ClassName();
}

QWidget* TWinControl::CreateWindowHandle(const TCreateParams& params) {
    return WindowBackend().CreateHostWindow(this, WidgetOf(params.WndParent), {});
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    FWindowStyle = params.Style;
    FWindowExStyle = params.ExStyle;
    FWindowClassStyle = params.WindowClassStyle;
    QWidget* widget = CreateWindowHandle(params);
    if (!widget) throw EComponentError("Cannot create a window for " + ClassName());
    if (!Parent() && !FParentWindow && widget->parentWidget()) widget->setParent(nullptr);
    FWidget = widget;
    RegisterWidget(widget, this);
    WindowBackend().ConnectWidget(widget);
    // In an outside window the program's own widgets there stay above the
    // control, whenever its window is made again.
    if (!Parent() && FParentWindow) widget->lower();
    ApplyWindowState();
}

void TWinControl::SetImeMode(TImeMode mode) {
    if (mode == FImeMode) return;
    const bool wasDisabled = FImeMode == imDisable;
    FImeMode = mode;
    // A window the input method was kept from starts afresh to be open to it.
    if (wasDisabled) RecreateWnd();
    else ApplyImeMode();
}

void TWinControl::ApplyImeMode() {
    // Only a window that takes text asks for the input method at all; the
    // mode can keep it away, never invite it.
    if (FWidget && FImeMode == imDisable) FWidget->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TWinControl::ApplyWindowState() {
    QWidget* w = FWidget;
    w->setMouseTracking(true);
    ApplyImeMode();
    w->setEnabled(Enabled());
    UpdateWindowGeometry();
    ApplyCursor(w, Cursor());
    if (!Parent()) w->setWindowTitle(QString::fromUtf8(Text().c_str()));
}

void TWinControl::UpdateWindowGeometry() {
    if (!FWidget) return;
    const QRect before = FWidget->geometry();
    FWidget->setGeometry(Left(), Top(), Width(), Height());
    // What the window gave up by shrinking or moving shows the parent again.
    if (!FWidget->isWindow() && FWidget->isVisible())
        WindowBackend().RepaintUncoveredArea(FWidget->parentWidget(), QRegion(before) - QRegion(FWidget->geometry()));
}

void TWinControl::UpdateWindowVisibility() {
    if (!FWidget) return;
    // A parentless control that is not a form has no window to show, unless
    // it was placed in an outside window.
    FWidget->setVisible((Parent() != nullptr || FParentWindow != nullptr) && Visible());
    if (Visible()) FWindowStyle |= WS_VISIBLE;
    else FWindowStyle &= ~WS_VISIBLE;
}

void TWinControl::CreateHandle() {
    if (FWidget) return;
    CreateWnd();
    for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) child->CreateHandle();
    CreateWindowDone();
    UpdateWindowVisibility();
    if (Observer()) Observer()->ControlWindowCreated(this);
}

void TWinControl::DestroyHandle() {
    if (!FWidget) return;
    for (TWinControl* child : FWinControls) child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    if (!FWidget) return;
    StoreText(GetText());
    QWidget* widget = FWidget;
    FWidget = nullptr;
    UnregisterWidget(widget);
    WindowBackend().DisposeWidget(widget);
}

void TWinControl::RecreateWnd() {
    if (!FWidget) return;
    const bool hadFocus = Focused();
    DestroyHandle();
    if (Parent()) Parent()->HandleNeeded();
    CreateHandle();
    if (hadFocus) SetFocus();
}

void TWinControl::BoundsChanged(bool moved, bool resized) {
    UpdateWindowGeometry();
    if (moved) Perform(WM_MOVE, 0, MAKELPARAM(Left(), Top()));
    if (resized) Perform(WM_SIZE, 0, MAKELPARAM(ClientWidth(), ClientHeight()));
    if (Parent() && Align() != alNone) Parent()->Realign();
}

// ---- painting

void TWinControl::Invalidate() {
    if (FWidget) FWidget->update();
}

void TWinControl::Repaint() {
    if (FWidget) FWidget->repaint();
}

void TWinControl::Update() {
    if (!FWidget) return;
    QCoreApplication::sendPostedEvents(FWidget->window(), QEvent::UpdateRequest);
}

void TWinControl::PaintHandler(HDC dc) {
    PaintWindow(dc);
    PaintControls(dc);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    bool started = first == nullptr;
    TRect clip;
    GetClipBox(dc, &clip);
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (!started) {
            started = c == first;
            if (!started) continue;
        }
        if (c->Parent() != this) continue;
        const bool visible = c->Visible() || c->ComponentState().Contains(csDesigning);
        if (!visible) continue;
        TRect area;
        if (!IntersectRect(area, c->BoundsRect(), clip)) continue;
        TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

// ---- focus

TPoint TWinControl::ClientOrigin() const {
    if (!FWidget) return TControl::ClientOrigin();
    const QPoint p = FWidget->mapToGlobal(QPoint(0, 0));
    return Point(p.x(), p.y());
}

bool TWinControl::Focused() const { return FWidget && FWidget->hasFocus(); }

bool TWinControl::CanFocus() const {
    if (TCustomForm* form = GetParentForm(this))
        if (!form->Visible() || !form->Enabled()) return false;
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    TCustomForm* form = GetParentForm(this);
    // The form remembers its active control even while it cannot be focused
    // (not shown yet): it is focused when the form is shown.
    if (form && form != this) form->FocusChanged(this);
    if (!CanFocus()) return;
    HandleNeeded();
    FWidget->setFocus(Qt::OtherFocusReason);
}

void TWinControl::SetTabStop(bool v) {
    if (v == FTabStop) return;
    FTabStop = v;
    if (v) FWindowStyle |= WS_TABSTOP;
    else FWindowStyle &= ~WS_TABSTOP;
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

std::vector<TWinControl*> TWinControl::TabList() const {
    std::vector<TWinControl*> list = FWinControls;
    std::stable_sort(list.begin(), list.end(), [](TWinControl* a, TWinControl* b) { return a->FTabOrder < b->FTabOrder; });
    return list;
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const std::vector<TWinControl*> list = Parent()->TabList();
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    // While a form is read, the stored orders are kept as sort keys: they
    // only make sense once every sibling exists.
    if (!Parent() || ComponentState().Contains(csReading) || ComponentState().Contains(csLoading)) {
        FTabOrder = order;
        if (Parent()) Parent()->FNextTabOrder = std::max(Parent()->FNextTabOrder, order + 1);
        return;
    }
    std::vector<TWinControl*> list = Parent()->TabList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (order < 0 || order > int(list.size())) order = int(list.size());
    list.insert(list.begin() + order, this);
    for (std::size_t i = 0; i < list.size(); ++i) list[i]->FTabOrder = int(i);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : TabList()) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const int n = int(list.size());
    if (n == 0) return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    int i = it == list.end() ? (forward ? -1 : n) : int(it - list.begin());
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[std::size_t(i)];
        if (c == current) continue;
        if (c->CanFocus() && (!checkTabStop || c->TabStop())) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

// ---- keyboard

void TWinControl::KeyDown(Word& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(Word& key, TShiftState shift) { OnKeyUp(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }
void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

bool TWinControl::DoKeyDown(TMessage& message) {
    Word key = Word(message.WParam);
    TShiftState shift = KeyboardShiftState();
    if (message.Msg == WM_SYSKEYDOWN) shift.Include(ssAlt);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyDown(key, shift);
        if (key == 0) return true;
    }
    // Kept for the length of KeyDown (a handler may send another key).
    const bool wasRepeating = FKeyRepeating;
    FKeyRepeating = (HIWORD(std::uintptr_t(message.LParam)) & KF_REPEAT) != 0;
    TComponentGuard guard(this);
    try {
        KeyDown(key, shift);
    } catch (...) {
        if (!guard.Destroyed()) FKeyRepeating = wasRepeating;
        throw;
    }
    if (!guard.Destroyed()) FKeyRepeating = wasRepeating;
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message) {
    Word key = Word(message.WParam);
    TShiftState shift = KeyboardShiftState();
    if (message.Msg == WM_SYSKEYUP) shift.Include(ssAlt);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyUp(key, shift);
        if (key == 0) return true;
    }
    KeyUp(key, shift);
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message) {
    char ch = char(message.WParam);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyPress(ch);
        if (ch == 0) return true;
    }
    KeyPress(ch);
    message.WParam = static_cast<unsigned char>(ch);
    return ch == 0;
}

LRESULT TWinControl::SendNotification(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DispatchToControl(this, msg, wParam, lParam);
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
                if (!IsDestroying()) PaintHandler(dc);
            } else {
                Repaint();
            }
            message.Result = 0;
            return;
        case WM_SETTEXT:
            TControl::WndProc(message);
            if (FWidget && !Parent()) FWidget->setWindowTitle(QString::fromUtf8(Text().c_str()));
            return;
        case WM_SIZE: {
            const int oldWidth = FLastClientWidth, oldHeight = FLastClientHeight;
            FLastClientWidth = ClientWidth();
            FLastClientHeight = ClientHeight();
            if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csReading))
                AdjustAnchors(oldWidth, oldHeight);
            Realign();
            return;
        }
        case WM_MOVE:
            return;
        case WM_SETFOCUS:
            if (TCustomForm* form = GetParentForm(this)) form->FocusChanged(this);
            return;
        case WM_KILLFOCUS:
            return;
        case CM_ENTER:
            DoEnter();
            return;
        case CM_EXIT:
            DoExit();
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            message.Result = DoKeyDown(message) ? 1 : 0;
            return;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            message.Result = DoKeyUp(message) ? 1 : 0;
            return;
        case WM_CHAR:
            message.Result = DoKeyPress(message) ? 1 : 0;
            return;
        case CM_DIALOGCHAR:
        case CM_DIALOGKEY:
            Broadcast(message);
            return;
        case CM_COLORCHANGED:
            FBrush->SetColor(Color());
            TControl::WndProc(message);
            NotifyControls(CM_PARENTCOLORCHANGED);
            return;
        case CM_FONTCHANGED:
            TControl::WndProc(message);
            NotifyControls(CM_PARENTFONTCHANGED);
            return;
        case CM_SHOWHINTCHANGED:
            NotifyControls(CM_PARENTSHOWHINTCHANGED);
            return;
        case CM_CTL3DCHANGED:
            TControl::WndProc(message);
            NotifyControls(CM_PARENTCTL3DCHANGED);
            return;
        case CM_BIDIMODECHANGED:
            TControl::WndProc(message);
            NotifyControls(CM_PARENTBIDIMODECHANGED);
            return;
        case CM_VISIBLECHANGED:
            UpdateWindowVisibility();
            return;
        case CM_CURSORCHANGED:
            if (FWidget) ApplyCursor(FWidget, Cursor());
            return;
        case CN_CTLCOLOREDIT:
        case CN_CTLCOLORSTATIC:
        case CN_CTLCOLORLISTBOX:
            if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
                SetTextColor(dc, Font()->Color());
                SetBkColor(dc, Color());
            }
            message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
            return;
        default:
            TControl::WndProc(message);
    }
}

// ---------------------------------------------------------------- canvases

// Outside a paint a control's canvas draws on a scratch image of the
// control's size, there for measuring text and for ClipRect: what is drawn
// on it is never seen. So every canvas shares the pixels of one store, sized
// for the largest control so far, instead of holding a picture of its own.
// A canvas keeps the store it was given alive, so a larger store made later
// does not take the pixels from under it.
struct TControlCanvas::TScratch {
    std::shared_ptr<std::vector<QRgb>> Store;
    QImage Image;  // the control's size, over Store
    std::unique_ptr<TDeviceContext> DC;
};

namespace {

std::shared_ptr<std::vector<QRgb>> ScratchStore(std::size_t pixels) {
    static std::weak_ptr<std::vector<QRgb>> current;
    std::shared_ptr<std::vector<QRgb>> store = current.lock();
    if (!store || store->size() < pixels) {
        store = std::make_shared<std::vector<QRgb>>(pixels, 0xFFFFFFFFu);
        current = store;
    }
    return store;
}

}  // namespace

TControlCanvas::TControlCanvas(TControl* control) : FControl(control) {}

TControlCanvas::~TControlCanvas() {
    // Never leave the canvas pointing at a DC that dies with this object.
    if (FScratch) SetHandle(nullptr);
}

void TControlCanvas::CreateHandle() {
    const int w = std::max(FControl ? FControl->Width() : 1, 1);
    const int h = std::max(FControl ? FControl->Height() : 1, 1);
    if (!FScratch || FScratch->Image.width() != w || FScratch->Image.height() != h) {
        auto scratch = std::make_unique<TScratch>();
        scratch->Store = ScratchStore(std::size_t(w) * std::size_t(h));
        scratch->Image = QImage(reinterpret_cast<uchar*>(scratch->Store->data()), w, h, qsizetype(w) * 4,
                                QImage::Format_RGB32);
        scratch->DC = CreateImageDC(scratch->Image);
        FScratch = std::move(scratch);
    }
    SetHandle(FScratch->DC.get());
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
    FCanvas = std::make_unique<TControlCanvas>(this);
}

TCustomControl::~TCustomControl() {
    Destroying();
    DestroyComponents();
}

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo());
    return info;
}
const TClassInfo& TCustomControl::ClassInfo() const { return StaticClassInfo(); }

void TCustomControl::PaintWindow(HDC dc) {
    TCanvasAttachment attach(FCanvas.get(), dc);
    Paint();
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
    FCanvas = std::make_unique<TControlCanvas>(this);
}

TGraphicControl::~TGraphicControl() {
    Destroying();
    DestroyComponents();
}

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo());
    return info;
}
const TClassInfo& TGraphicControl::ClassInfo() const { return StaticClassInfo(); }

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
            if (!IsDestroying()) {
                TCanvasAttachment attach(FCanvas.get(), dc);
                Paint();
            }
        } else {
            Repaint();
        }
        message.Result = 0;
        return;
    }
    TControl::WndProc(message);
}

}  // namespace Orvo
