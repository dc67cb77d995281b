#pragma once
// Forms (top-level windows), the application object and the screen.
//
// A form subclass reads its stored description in its constructor:
//
//     TForm1::TForm1(TComponent* owner) : TForm(owner) { InitFromResource("TFORM1"); }
//
// InitFromResource hands the work to the form reader (installed by the
// streaming layer through SetResourceReader), so this file does not depend
// on the reader. The form's OnCreate runs once the whole constructor chain
// has finished (AfterConstruction, which Application->CreateForm calls), or
// straight after reading when OldCreateOrder is True.

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "host/framework/Controls.h"

namespace Orvo {

enum TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : std::uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition : std::uint8_t {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle : std::uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TExceptionEvent = TEvent<TObject*, const std::exception&>;

/// An operation the object's state does not allow (a modal form shown again, focus on a hidden control...).
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class THintWindow;

/// Asks a form class whose constructor reads its own description for an empty
/// form instead: `TForm1(owner, CreateNew)`. A form class registers itself
/// with a factory that creates it so, and then a description that names the
/// class (a form written out and edited) is read into it in place of the
/// compiled one, with the class's handlers and fields bound.
struct TCreateNew {
    explicit TCreateNew() = default;
};
inline constexpr TCreateNew CreateNew{};

/// A top-level window: the form's border, position, state, active control, modal loop and closing.
class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void Loaded() override;

    // ---- window
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState state);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style) { FFormStyle = style; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool v) { FAutoScroll = v; }
    // A form stores its outer size while AutoScroll, its client size
    // otherwise; and always its client size once that was given as such (a
    // description that holds ClientWidth and ClientHeight comes back the
    // same, whatever frame the window has). The published ClientWidth and
    // ClientHeight assign through these.
    bool StoresClientSize() const { return !FAutoScroll || FClientSizeGiven; }
    void GiveClientWidth(int v);
    void GiveClientHeight(int v);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool v) { FOldCreateOrder = v; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool v) { FScaled = v; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int v) { FTextHeight = v; }

    // The client area: the window less its frame and caption, whose size
    // depends on BorderStyle (the window's Width and Height include them).
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    // The frame and caption added to the client size by this border style.
    static TSize NonClientExtent(TFormBorderStyle style);
    bool Showing() const override { return Visible(); }

    // ---- focus
    TWinControl* ActiveControl() const { return FActiveControl; }
    // How a description names the active control: by its name, or, for a
    // control a component of the form made and owns (a radio group's
    // button), as "Owner.Name"; a control without a name stands for the
    // nearest control round it that has one. Nothing when none has.
    std::optional<TValue> ActiveControlReference() const;
    // Makes `control` the form's focused control (focused at once when the
    // form is shown, otherwise when it is).
    void SetActiveControl(TWinControl* control);
    bool CanFocus() const override;

    // ---- showing and closing
    void Show();
    void Hide();
    // Asks OnCloseQuery, raises OnClose and does what it decided: hide (the
    // main form ends the application), free later, minimise or nothing.
    void Close();
    bool CloseQuery();
    // Shows the form and handles events until ModalResult is set (or the
    // form is closed); answers ModalResult.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    // ShowModal is running for this form.
    bool Modal() const { return FInModal; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    // Frees the form once the events being handled now are done.
    void Release();
    // Release was called and the form is about to be freed.
    bool Releasing() const { return FReleasing; }
    TCanvas* Canvas() const { return FCanvas.get(); }

    // Runs OnCreate when OldCreateOrder is False (once), then shows the form
    // if it was stored visible. Application->CreateForm calls it.
    void AfterConstruction();
    // Raises OnDestroy; called before the form is freed by the application.
    void BeforeDestruction();

    // ---- streaming
    using TResourceReader = std::function<void(TComponent* form, const std::string& resourceName)>;
    static void SetResourceReader(TResourceReader reader);

    TNotifyEvent OnActivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnCreate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;
    TNotifyEvent OnResize;
    TNotifyEvent OnShow;

    // ---- host side
    // A control on the form got the focus.
    void FocusChanged(TWinControl* control);
    // The window was moved or sized by the user (client size given).
    void UpdateBoundsFromWindow(int left, int top, int clientWidth, int clientHeight);

protected:
    // Reads the form's description resource (see the header comment).
    // Throws when no reader is installed or the description cannot be read.
    void InitFromResource(const std::string& resourceName);
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    QWidget* CreateWindowHandle(const TCreateParams& params) override;
    void UpdateWindowGeometry() override;
    void UpdateWindowVisibility() override;
    void PaintWindow(HDC dc) override;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

private:
    void ShowWindowNow();
    void PlaceOnScreen();
    void WarnOfControlsWithoutParent() const;
    void ApplyWindowFlags();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    TFormStyle FFormStyle = fsNormal;
    bool FAutoScroll = true;
    bool FClientSizeGiven = false;
    bool FKeyPreview = false;
    bool FOldCreateOrder = false;
    int FPixelsPerInch = 96;
    bool FScaled = true;
    int FTextHeight = 13;
    TWinControl* FActiveControl = nullptr;
    TModalResult FModalResult = mrNone;
    bool FCreatePending = true;
    bool FPlaced = false;
    bool FInModal = false;
    bool FReleasing = false;
    std::unique_ptr<TControlCanvas> FCanvas;
};

/// The form a program derives its windows from, with every form property published.
class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
};

/// The one application object (global `Application`).
class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // Creates the Qt application object when the program has none, and
    // gives the windows the program's icon (resource "MAINICON").
    void Initialize();
    void Initialize(int& argc, char** argv);

    // Creates a form owned by the application and stores it in `ref`; the
    // first form created becomes the main form. Runs AfterConstruction.
    template <class T>
    void CreateForm(T*& ref) {
        T* form = new T(this);
        ref = form;
        AdoptForm(form);
        form->AfterConstruction();
    }
    // A form the application owns that was made another way (LoadFormFile):
    // it becomes the main form when there is none yet, as with CreateForm.
    void AdoptForm(TCustomForm* form) {
        if (!FMainForm) {
            FMainForm = form;
            FTerminated = false;  // a new main form starts a new run
        }
    }

    // Shows the main form and handles events until the application is
    // terminated (the main form closing terminates it). Frees the forms at
    // the end.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Waits for an event and handles it.
    void HandleMessage();

    // Called inside a catch block: raises OnException with the sender and
    // the exception, or writes the message to the standard error stream.
    void HandleException(TObject* sender);
    void ShowException(const std::exception& e);
    TExceptionEvent OnException;

    TCustomForm* MainForm() const { return FMainForm; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title) { FTitle = title; }

    // ---- hints
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int ms) { FHintPause = ms; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int ms) { FHintHidePause = ms; }
    // The widest a hint window gets, in pixels; longer lines wrap. Values
    // below 16 are taken as 16. The screen's width caps it too.
    int HintMaxWidth() const { return FHintMaxWidth; }
    void SetHintMaxWidth(int pixels) { FHintMaxWidth = pixels < 16 ? 16 : pixels; }
    // The pointer is over `control` now: the hint timer starts again.
    void HintMouseMessage(TControl* control);
    // Shows `control`'s hint at once (true when it has one to show).
    bool ActivateHint(TControl* control);
    void CancelHint();
    THintWindow* HintWindow() const { return FHintWindow; }
    // The hint text a control shows: its Hint up to the first "|".
    static std::string GetShortHint(const std::string& hint);
    static std::string GetLongHint(const std::string& hint);

    // Frees every form the application owns.
    void FreeForms();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TPrivate;
    std::unique_ptr<TPrivate> F;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::string FTitle;
    bool FShowHint = true;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    int FHintMaxWidth = 400;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
};

/// The screen the forms are shown on.
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner) : TComponent(owner) {}
    int Width() const;
    int Height() const;
    // The form that has the focus (null when none).
    TCustomForm* ActiveForm() const;
    // The cursor shown over every window while it is not crDefault.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    HCURSOR Cursors(TCursor cursor) const { return CursorHandle(cursor); }

private:
    TCursor FCursor = crDefault;
};

extern TApplication* Application;
extern TScreen* Screen;

}  // namespace Orvo
