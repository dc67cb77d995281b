// TWinControl: a control with a window, its children, window, painting,
// focus, tab order and keys. How it lays its children out (Align, Anchors)
// is in ControlAlignment.cpp.

#include "host/framework/Controls.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "host/framework/ControlWidgets.h"
#include "host/framework/Forms.h"
#include "host/framework/WindowBackend.h"

namespace Orvo {

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
        // A control being read gets its window when its properties are in
        // (ReadState), made once with all of them rather than made with the
        // defaults and changed, or made again, property by property.
        if (HandleAllocated() && !w->ComponentState().Contains(csLoading)) w->CreateHandle();
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
    ForgetMouseControl(control);
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

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Owner() == root) proc(c);
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    // Read without ReadState (a component the reader only created).
    if (!FWidget && Parent() && Parent()->HandleAllocated()) CreateHandle();
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

void TWinControl::ReadState(const TReadStateProc& readProperties) {
    // A stored form sets properties that each need a new window (a combo
    // box's Style, a memo's Alignment, Ctl3D) one after the other: a window
    // that exists already is made again once, with all of them; one placed
    // while read is made now.
    auto makeWindow = [this] {
        if (FRecreateAfterReading) {
            FRecreateAfterReading = false;
            RecreateWnd();
        }
        if (!FWidget && Parent() && Parent()->HandleAllocated()) CreateHandle();
    };
    try {
        TControl::ReadState(readProperties);
    } catch (...) {
        // The read's own error is the one to report.
        try {
            makeWindow();
        } catch (...) {
        }
        throw;
    }
    makeWindow();
}

void TWinControl::RecreateWnd() {
    if (!FWidget) return;
    if (ControlState().Contains(csReadingState)) {
        FRecreateAfterReading = true;
        return;
    }
    FRecreateAfterReading = false;
    const bool hadFocus = Focused();
    // The focus the new window takes back never left the control, so it is
    // no entry: an OnEnter that changes a property which makes the window
    // again (Ctl3D on an edit) would otherwise enter it again without end.
    const bool wasRecreating = ControlState().Contains(csRecreating);
    SetControlState(ControlState() + TControlState{csRecreating});
    // Hiding a focused window hands the focus to the next one, which would
    // see an entry and an exit for nothing: the focus is let go first.
    if (hadFocus) FWidget->clearFocus();
    DestroyHandle();
    if (Parent()) Parent()->HandleNeeded();
    CreateHandle();
    if (hadFocus) SetFocus();
    if (!wasRecreating) SetControlState(ControlState() - TControlState{csRecreating});
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

namespace {

// Whether one of `controls` (windowless children, painted after the erase)
// paints every pixel of the DC's clip box: a visible one that paints its
// whole client area (csOpaque) and holds the box. A fill there would be
// painted over whole, as a full-window background does under every
// transparent child copying its picture.
bool OpaqueChildCovers(const TWinControl& parent, const std::vector<TControl*>& controls, HDC dc) {
    TRect clip;
    if (GetClipBox(dc, &clip) == NULLREGION || clip.IsEmpty()) return false;
    for (const TControl* c : controls) {
        if (c->Parent() != &parent || !c->ControlStyle().Contains(csOpaque)) continue;
        if (!c->Visible() && !c->ComponentState().Contains(csDesigning)) continue;
        const TRect bounds = c->BoundsRect();
        if (clip.Left >= bounds.Left && clip.Top >= bounds.Top && clip.Right <= bounds.Right &&
            clip.Bottom <= bounds.Bottom)
            return true;
    }
    return false;
}

}  // namespace

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
        saved.ShiftOrigin(c->Left(), c->Top());
        saved.ClipTo(0, 0, c->Width(), c->Height());
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
    // The place TabList's stable sort gives this control: the siblings of a
    // lower key and those of the same key before it. Counted rather than
    // sorted, since writing a form asks every sibling for its place.
    const std::vector<TWinControl*>& siblings = Parent()->FWinControls;
    int place = 0;
    bool found = false;
    for (const TWinControl* c : siblings) {
        if (c == this) {
            found = true;
        } else if (c->FTabOrder < FTabOrder || (c->FTabOrder == FTabOrder && !found)) {
            ++place;
        }
    }
    return found ? place : -1;
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
        case WM_ERASEBKGND:
            if (HDC dc = reinterpret_cast<HDC>(message.WParam); dc && OpaqueChildCovers(*this, FControls, dc)) {
                message.Result = 1;
                return;
            }
            TControl::WndProc(message);
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

}  // namespace Orvo
