#pragma once
// Controls: TControl (windowless or windowed), TWinControl (a control with a
// window of its own that can hold children), TCustomControl (a windowed
// control that paints itself on a canvas) and TGraphicControl (a windowless
// control painted on its parent's surface).
//
// Everything a control does in answer to input, painting or a property change
// arrives as a message through Perform -> WndProc. A control class overrides
// WndProc, switches on the message number and calls the inherited WndProc
// explicitly where it wants the framework's handling.
//
// Children are kept in two lists: windowless children first, then windowed
// ones, each in insertion order; Controls(i) indexes that sequence, which is
// also the painting order of windowless children and the stream order.
//
// The Qt side is in host/framework/ControlWidgets.h (a control's widget) and
// host/framework/WindowBackend.h (its window); nothing here needs Qt.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "host/framework/WindowServices.h"

class QWidget;

namespace Orvo {

class TControl;
class TWinControl;
class TCustomForm;

using Word = std::uint16_t;

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragKind : std::uint8_t { dkDrag, dkDock };
// How a window asks for the input method (the composition of characters the
// keyboard does not type directly).
enum TImeMode : std::uint8_t {
    imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese, imSHanguel, imHanguel
};
enum TDragMode : std::uint8_t { dmManual, dmAutomatic };
enum TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

// How a control behaves (set by its constructor).
enum TControlStyleFlag : std::uint8_t {
    csAcceptsControls,   // may be the parent of controls placed on it in a designer
    csCaptureMouse,      // captures the mouse while the left button is held
    csDesignInteractive,
    csClickEvents,       // a press and release over it make a Click
    csFramed,
    csSetCaption,        // the caption follows the name in a designer
    csOpaque,            // paints its whole client area
    csDoubleClicks,      // gets WM_LBUTTONDBLCLK (otherwise a second press)
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,      // can be painted as a copy of itself
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
};
using TControlStyle = TSet<TControlStyleFlag>;

// What a control is doing now.
enum TControlStateFlag : std::uint8_t {
    csLButtonDown,
    csClicked,        // pressed with the left button; a release inside makes a Click
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
    csRecreating,     // its window is being made again; the focus it had is not a new entry
};
using TControlState = TSet<TControlStateFlag>;

// Mouse pointer shapes (TCursor values).
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
                  crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;
// The name of a cursor value ("crHandPoint") or "" for an unnamed value.
std::string CursorToIdent(TCursor cursor);
bool IdentToCursor(std::string_view ident, TCursor& cursor);

class TDragObject;
class TDragDockObject;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
using TEndDragEvent = TEvent<TObject*, TObject*, int, int>;
using TStartDragEvent = TEvent<TObject*, TDragObject*&>;
using TStartDockEvent = TEvent<TObject*, TDragDockObject*&>;

// True when `ch` is the accelerator of `caption`: the character after the
// first "&" that is not part of a doubled "&&", compared without regard to
// case. "&&" shows one ampersand and marks nothing.
bool IsAccel(char ch, std::string_view caption);
// The caption without its accelerator marks ("&&" becomes "&").
std::string StripHotkey(std::string_view caption);

// Mouse messages carry the key state in WParam; this gives the shift state.
TShiftState KeysToShiftState(WPARAM keys);
// A key message's shift state from the keyboard state of the moment.
TShiftState KeyboardShiftState();
// The host records the keyboard's modifier state before it sends a key or
// mouse message.
void SetKeyboardShiftState(TShiftState state);

// The range of a control's position (Left, Top) and size (Width, Height):
// sizes up to the largest a window can have (Qt's QWIDGETSIZE_MAX, 2^24 - 1)
// and positions as far either way. A stored or assigned value outside it is
// refused; SetBounds clamps what code asks for (an anchor or alignment sum)
// into it. Within it no sum of a few positions and sizes can overflow.
constexpr int kMaxControlSize = 16777215;
constexpr int kMinControlPos = -kMaxControlSize;
constexpr int kMaxControlPos = kMaxControlSize;
// A form is held to 32767 a side, as its client size is: its window keeps a
// picture of its whole area, which the full control range would make
// gigabytes large.
constexpr int kMaxFormSize = 32767;

// An int sum done in 64 bits and saturated to the int range, for points that
// may come from anywhere (a script's pointer position).
int SaturatedInt(std::int64_t value);

/// The size limits of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
    void Assign(const TPersistent* source) override;

    int MaxHeight() const { return FMaxHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MinHeight() const { return FMinHeight; }
    int MinWidth() const { return FMinWidth; }
    void SetMaxHeight(int v);
    void SetMaxWidth(int v);
    void SetMinHeight(int v);
    void SetMinWidth(int v);
    // Applies the limits to a size.
    void Constrain(int& width, int& height) const;

    TNotifyEvent OnChange;

private:
    void Changed();
    int FMaxHeight = 0, FMaxWidth = 0, FMinHeight = 0, FMinWidth = 0;
};

/// Code outside the framework that follows one control: a Qt widget made
/// around it (the library's Qt widgets). The control tells it when the state
/// its users see has changed, whichever path changed it (a click, a key, an
/// accelerator, an assignment from code), when it was clicked, when its
/// bounds changed and when its window was created. A control has at most one
/// observer; the observer detaches itself (SetObserver(nullptr)) before it
/// goes. Notifications arrive in the middle of the control's own handling:
/// an observer reads the control but does not free it.
class TControlObserver {
public:
    // Checked, the selected item, the text, Enabled... changed, or may have:
    // the observer compares with what it saw last.
    virtual void ControlStateChanged(TControl* control) = 0;
    // Click() ran (OnClick has been raised).
    virtual void ControlClicked(TControl* control) {}
    // Left, Top, Width or Height changed, by whoever.
    virtual void ControlBoundsChanged(TControl* control) {}
    // The window of the control was created (again): Widget() is new.
    virtual void ControlWindowCreated(TWinControl* control) {}

protected:
    ~TControlObserver() = default;
};

/// The user's input being handled. The host marks the control that a key
/// press, a mouse button or an accelerator is for while that input is
/// handled, so that an observer can tell a change the user made from one
/// made by code; code a program runs on its own inside an input (a setter
/// called from a handler) marks itself with a null target. Scopes nest.
class TUserInputScope {
public:
    explicit TUserInputScope(TControl* target);
    ~TUserInputScope();
    TUserInputScope(const TUserInputScope&) = delete;
    TUserInputScope& operator=(const TUserInputScope&) = delete;
    // The control of the innermost scope, or null (no input, or code).
    static TControl* Target();

private:
    TControl* FPrevious;
};

/// The parameters a windowed control's window is created with.
struct TCreateParams {
    std::string Caption;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::uint32_t WindowClassStyle = 0;  // CS_DBLCLKS...
    std::string WinClassName;
};

/// A visual component: bounds, parent, visibility, caption, font, colour, mouse and the events of all controls.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    // ---- messages
    // Sends a message synchronously and answers its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The one dispatch of a control's messages.
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled (nothing by default).
    virtual void DefaultHandler(TMessage& message) {}

    // ---- parent and geometry
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    // After its properties are read, a control takes again what it shares
    // with its parent (colour, font, hints...) where it says so.
    void ReadState(const TReadStateProc& readProperties) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    // Moves and sizes the control (sizes below 0 become 0 and the
    // constraints apply; the result is clamped to the control range above,
    // a form's size to kMaxFormSize).
    // A windowed control gets WM_MOVE and WM_SIZE.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The client area in the control's own coordinates.
    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
    void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
    virtual void SetClientSize(int width, int height);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);
    // Made when first asked for: most controls never have constraints.
    TSizeConstraints* Constraints() const;
    // Holds a size within the constraints, if there are any.
    void Constrain(int& width, int& height) const;

    // ---- state
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible with every parent visible (the top-level one shown).
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);

    // Caption and Text are the same string.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    // Sends WM_SETTEXT and then CM_TEXTCHANGED when the text differs.
    void SetText(const std::string& text);

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int v) { FHelpContext = v; }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool v);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool v);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode mode);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool v);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    // Adds DT_RIGHT/DT_RTLREADING as the BiDiMode asks.
    unsigned DrawTextBiDiModeFlags(unsigned flags) const;
    unsigned DrawTextBiDiModeFlagsReadingOnly() const;
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor v) { FDragCursor = v; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind v) { FDragKind = v; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode v) { FDragMode = v; }
    TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TComponent* menu);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle style) { FControlStyle = style; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState state) { FControlState = state; }

    virtual bool Focused() const { return false; }
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // ---- painting
    // Repaint later / now / paint what is pending now.
    virtual void Invalidate();
    virtual void Repaint();
    virtual void Update();
    void Refresh() { Repaint(); }

    // ---- z-order among siblings of the same kind
    void BringToFront();
    void SendToBack();

    // ---- overridable behaviour; each raises its event
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The framework's change notification (nothing by default).
    virtual void Changed() {}

    // ---- the observer (TControlObserver above); null for none
    TControlObserver* Observer() const { return FObserver; }
    void SetObserver(TControlObserver* observer) { FObserver = observer; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TEndDragEvent OnEndDock;
    TEndDragEvent OnEndDrag;
    TStartDockEvent OnStartDock;
    TStartDragEvent OnStartDrag;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The text of the control; windowed controls whose window keeps its own
    // text (an edit window) override it to read that.
    virtual std::string GetText() const { return FText; }
    // Stores text without notifying (the window's own edit changed it).
    void StoreText(std::string text) { FText = std::move(text); }
    // Bounds changed: a windowed control moves its window; every control
    // lets its parent re-align.
    virtual void BoundsChanged(bool moved, bool resized);
    // Paints a windowless control's area of its parent again.
    void InvalidateControl(bool isVisible);
    // The form (top-level control) this control lies on.
    TWinControl* TopLevelControl() const;
    // Tells the observer that the state its users see changed. A control
    // calls it at every place its state changes (after the change).
    void NotifyStateChanged() {
        if (FObserver) FObserver->ControlStateChanged(this);
    }

    TControlStyle FControlStyle;
    TControlState FControlState;

private:
    friend class TWinControl;
    // When `control` is the control under the pointer, there is none from
    // now on; nobody is told (the control is leaving its parent).
    static void ForgetMouseControl(const TControl* control);
    void HandleMouseMessage(TMessage& message);
    void FontChanged(TObject* sender);
    void ConstraintsChanged(TObject* sender);

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    mutable std::unique_ptr<TSizeConstraints> FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    std::string FText;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    int FHelpContext = 0;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    TCursor FDragCursor = crDrag;
    TDragKind FDragKind = dkDrag;
    TDragMode FDragMode = dmManual;
    TComponent* FPopupMenu = nullptr;
    TControlObserver* FObserver = nullptr;
};

/// A control with a window of its own (one Qt widget, created on demand and
/// re-creatable), which can hold child controls and take the keyboard focus.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void ReadState(const TReadStateProc& readProperties) override;
    void Loaded() override;
    void SetParent(TWinControl* parent) override;
    void SetEnabled(bool enabled) override;

    // ---- children
    int ControlCount() const { return int(FControls.size() + FWinControls.size()); }
    // Windowless children first, then windowed ones, each in insertion order.
    TControl* Controls(int index) const;
    bool ContainsControl(const TControl* control) const;
    // The most windowed controls one tree of controls (a form with all its
    // children, at any depth) may hold. The window system paints siblings
    // by recursion, a stack frame per sibling under the area painted: more
    // would run out of stack. A control inserted beyond it is refused with
    // an EComponentError that names the limit.
    static constexpr int MaxWindowedControls = 16384;
    // Throws EComponentError when the windowed control would take its tree
    // past MaxWindowedControls.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The enabled, visible windowless child under a point of the client area
    // (the topmost one), or null.
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;
    // Sends a message to every child (each decides whether it concerns it).
    void NotifyControls(UINT msg);
    // Sends a message to the children in order until one answers non-zero.
    void Broadcast(TMessage& message);
    // Lays the aligned children out again.
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    // Mirrors the children for right-to-left reading (keeps them by default
    // for aligned children).
    virtual void FlipChildren(bool allLevels);

    // ---- window
    HWND Handle();  // creates the window when there is none
    bool HandleAllocated() const { return FWidget != nullptr; }
    void HandleNeeded();
    // The window of the parent; for a control without a parent, the window
    // outside the framework it was placed in (SetParentWindow), or null.
    HWND ParentWindow() const;
    // Places a control without a parent (a form) inside a window that is not
    // a framework control's (a widget of a Qt program): its window is created
    // as a child of that one, with no frame or title. Null makes it a
    // window of its own again. An existing window is destroyed; the next
    // HandleNeeded creates it where it now belongs.
    void SetParentWindow(HWND window);
    // Destroys the window and creates it again: text, bounds, children and
    // properties are kept. While the control's own properties are read it is
    // done once, when they all are.
    void RecreateWnd();
    // The style bits the window has now (GetWindowLong answers these).
    std::uint32_t WindowStyle() const { return FWindowStyle; }
    std::uint32_t WindowExStyle() const { return FWindowExStyle; }
    // The window's class style: with CS_DBLCLKS a second press soon after
    // the first comes as a double click, otherwise as another press.
    std::uint32_t WindowClassStyle() const { return FWindowClassStyle; }
    void SetWindowStyle(std::uint32_t style);
    void SetWindowExStyle(std::uint32_t style) { FWindowExStyle = style; }

    // ---- focus
    TPoint ClientOrigin() const override;
    bool Focused() const override;
    virtual bool CanFocus() const;
    // Gives the control the keyboard focus; on a form that is not shown yet
    // the control becomes the form's active control instead.
    virtual void SetFocus();
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);
    // Position among the parent's windowed children in tab order.
    int TabOrder() const;
    void SetTabOrder(int order);
    // The windowed descendants in tab order (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next control after `current` in tab order that can take the focus
    // (wrapping around), or null.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    // Characters that the window itself types (edit windows) do not go on
    // as dialog characters; Tab is a dialog key unless WantTabs.
    virtual bool WantsCharacters() const { return false; }
    virtual bool WantTabs() const { return false; }
    // Enter and Escape go to the form first as dialog keys (CM_DIALOGKEY: the
    // default or cancel button takes them) unless the control keeps them.
    virtual bool WantsDialogKey(int virtualKey) const { return false; }

    // The input method: imDisable keeps it away from the window; the other
    // modes name a conversion mode of the platform's methods and leave the
    // window open to the input method the user chose. ImeName names an input
    // method to switch to; the desktop's input methods are chosen by the
    // user, so it is kept for the description only. Published by the text
    // controls.
    TImeMode ImeMode() const { return FImeMode; }
    void SetImeMode(TImeMode mode);
    const std::string& ImeName() const { return FImeName; }
    void SetImeName(const std::string& name) { FImeName = name; }

    // The brush of the control's colour (CN_CTLCOLOR* answer it).
    TBrush* Brush() const { return FBrush.get(); }

    void Invalidate() override;
    void Repaint() override;
    void Update() override;

    // ---- keyboard; each raises its event
    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyUp(Word& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // ---- host side (host/framework/WindowBackend.h). Qt objects are only named here.
    QWidget* Widget() const { return FWidget; }
    // Sends a notification to this control from its window (a stock
    // control's Qt signal): an exception goes to Application's handler
    // with the control as sender.
    LRESULT SendNotification(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual void CreateParams(TCreateParams& params);
    // Creates the window: CreateParams, then CreateWindowHandle, then the
    // window gets the control's bounds, text and state.
    virtual void CreateWnd();
    // Makes the Qt widget for the parameters. The default is the framework's
    // host widget, which paints through WM_ERASEBKGND/WM_PAINT; a stock
    // control answers its own widget (a line edit...), whose events reach the
    // control through the same translation.
    virtual QWidget* CreateWindowHandle(const TCreateParams& params);
    // Destroys the window (the text is kept in the control).
    virtual void DestroyWnd();
    void CreateHandle();
    void DestroyHandle();
    // The window (and its children's) was just created.
    virtual void CreateWindowDone() {}
    // Puts the window where the control's bounds say (a form places its
    // client area) and shows or hides it as Visible says.
    virtual void UpdateWindowGeometry();
    virtual void UpdateWindowVisibility();

    // Paints into a device context: PaintWindow, then the windowless
    // children, each at its place and clipped to its bounds.
    void PaintHandler(HDC dc);
    virtual void PaintWindow(HDC dc) {}
    void PaintControls(HDC dc, TControl* first = nullptr);

    virtual void AlignControls(TControl* control, TRect& rect);
    void BoundsChanged(bool moved, bool resized) override;

    // Applies ImeMode to the window (after the window changed what it
    // accepts, a read-only edit...).
    void ApplyImeMode();

    // True while KeyDown runs for a key held down that repeats (KF_REPEAT in
    // the key data): the key comes again, but it is no new press.
    bool KeyRepeating() const { return FKeyRepeating; }

    // Keyboard messages: answer true when the key was consumed.
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);

private:
    friend class TControl;
    void ApplyWindowState();
    void AdjustAnchors(int oldWidth, int oldHeight);
    std::vector<TWinControl*> TabList() const;

    std::vector<TControl*> FControls;        // windowless
    std::vector<TWinControl*> FWinControls;  // windowed
    QWidget* FWidget = nullptr;
    HWND FParentWindow = nullptr;  // only for a control without a parent
    std::uint32_t FWindowStyle = 0;
    std::uint32_t FWindowExStyle = 0;
    std::uint32_t FWindowClassStyle = 0;
    bool FTabStop = false;
    int FTabOrder = -1;  // sort key among the parent's windowed children
    int FNextTabOrder = 0;  // above every windowed child's sort key
    int FWindowedCount = 0;  // windowed controls under this one, at any depth
    int FAlignLevel = 0;
    int FLastClientWidth = 0, FLastClientHeight = 0;
    bool FKeyRepeating = false;
    bool FRecreateAfterReading = false;
    TImeMode FImeMode = imDontCare;
    std::string FImeName;
    std::unique_ptr<TBrush> FBrush;
};

/// The canvas of a control. Outside a paint it draws on a scratch surface of
/// the control's size (so measuring text works); during a paint the control
/// attaches it to the paint's device context.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* control);
    ~TControlCanvas() override;
    TControl* Control() const { return FControl; }

protected:
    void CreateHandle() override;

private:
    TControl* FControl;
    struct TScratch;
    std::unique_ptr<TScratch> FScratch;
};

/// A windowed control that paints itself: Paint is called on WM_PAINT with
/// Canvas attached to the paint's device context.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

/// A control without a window, painted on its parent's surface after the
/// parent's own painting, with the origin at the control's top-left corner
/// and clipped to its bounds.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// The mouse capture and the control under the pointer (CM_MOUSEENTER and
// CM_MOUSELEAVE follow it).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
TControl* GetMouseControl();
// Makes `control` the control under the pointer: the previous one gets
// CM_MOUSELEAVE, the new one CM_MOUSEENTER. While a control holds the
// capture only it is told: `control` other than the captor counts as none.
void SetMouseControl(TControl* control);

// The form a control lies on (null when it is on none).
TCustomForm* GetParentForm(const TControl* control);

// A control without a parent placed in a window outside the framework
// (TWinControl::SetParentWindow) shows what lies behind it there where it is
// transparent: this paints that picture into `dc`, in the control's client
// coordinates, as the window system around supplies it (the widgets it lies
// on). False, with nothing painted, for a control with a parent or without
// an outside window.
bool PaintOutsideBackground(TControl* control, HDC dc);
// The control whose window this is (null for an unknown window).
TWinControl* FindControl(HWND window);

}  // namespace Orvo
