#include "host/framework/Forms.h"

#include <cstdlib>

#include "host/framework/StartupScreenshot.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "host/framework/HintWindow.h"
#include "host/framework/ControlWidgets.h"
#include "host/framework/WindowBackend.h"
#include "host/services/DeviceContextQt.h"
#include "host/services/Gdi.h"
#include "host/services/IconCodec.h"
#include "host/services/Resources.h"

namespace Orvo {

TApplication* Application = new TApplication(nullptr);
TScreen* Screen = new TScreen(nullptr);

namespace {

TCustomForm::TResourceReader& ResourceReader() {
    static TCustomForm::TResourceReader reader;
    return reader;
}

bool IsFixedSize(TFormBorderStyle style) { return style != bsSizeable && style != bsSizeToolWin; }

}  // namespace

// ---------------------------------------------------------------- TCustomForm

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FCanvas = std::make_unique<TControlCanvas>(this);
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    SetParentFont(false);
}

TCustomForm::~TCustomForm() {
    Destroying();
    if (FActiveControl) RemoveFreeNotification(FActiveControl);
    FActiveControl = nullptr;
    DestroyComponents();
}

const TClassInfo& TCustomForm::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TCustomForm", &TWinControl::StaticClassInfo());
        using C = TCustomForm;
        TClassBuilder<C>(i)
            // SetActiveControl takes the form itself as no control at all; a
            // description naming it, or a control of another form, is wrong.
            .Component("ActiveControl", &C::ActiveControl, &C::SetActiveControl,
                       [](const C& self, const TComponent& target) -> std::string {
                           if (&target == &self) return target.Name() + " is the form itself, not a control on it";
                           if (GetParentForm(static_cast<const TWinControl*>(&target)) != &self)
                               return target.Name() + " is not a control on " + self.Name();
                           return {};
                       })
            .Bool("AutoScroll", &C::AutoScroll, &C::SetAutoScroll).Default(true)
            .SetOf("BorderIcons", &C::BorderIcons, &C::SetBorderIcons, {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"})
            .Default(TValue::SetOf({"biSystemMenu", "biMinimize", "biMaximize"}))
            .Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle,
                  {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})
            .DefaultIdent("bsSizeable")
            .Int("ClientHeight", &C::ClientHeight, &C::GiveClientHeight, 0, 32767)
            .StoredWhen([](const C& c) { return c.StoresClientSize(); })
            .Int("ClientWidth", &C::ClientWidth, &C::GiveClientWidth, 0, 32767)
            .StoredWhen([](const C& c) { return c.StoresClientSize(); })
            .Enum("FormStyle", &C::FormStyle, &C::SetFormStyle, {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"})
            .DefaultIdent("fsNormal")
            .Bool("KeyPreview", &C::KeyPreview, &C::SetKeyPreview).Default(false)
            .Bool("OldCreateOrder", &C::OldCreateOrder, &C::SetOldCreateOrder)
            .Int("PixelsPerInch", &C::PixelsPerInch, &C::SetPixelsPerInch, 1, 10000)
            .Enum("Position", &C::Position, &C::SetPosition,
                  {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                   "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
            .DefaultIdent("poDesigned")
            .Bool("Scaled", &C::Scaled, &C::SetScaled).Default(true)
            .Int("TextHeight", &C::TextHeight, &C::SetTextHeight, 0, 32767)
            .Enum("WindowState", &C::WindowState, &C::SetWindowState, {"wsNormal", "wsMinimized", "wsMaximized"})
            .DefaultIdent("wsNormal")
            .Event("OnActivate", &C::OnActivate)
            .Event("OnClose", &C::OnClose)
            .Event("OnCloseQuery", &C::OnCloseQuery)
            .Event("OnCreate", &C::OnCreate)
            .Event("OnDeactivate", &C::OnDeactivate)
            .Event("OnDestroy", &C::OnDestroy)
            .Event("OnHide", &C::OnHide)
            .Event("OnPaint", &C::OnPaint)
            .Event("OnResize", &C::OnResize)
            .Event("OnShow", &C::OnShow);
        return i;
    }();
    return info;
}
const TClassInfo& TCustomForm::ClassInfo() const { return StaticClassInfo(); }

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TForm", &TCustomForm::StaticClassInfo(), [](TComponent* owner) -> TComponent* { return new TForm(owner); });
        TClassBuilder<TForm>(i)
            .Publish({"ActiveControl", "Align", "AutoScroll", "BiDiMode", "BorderIcons", "BorderStyle", "Caption",
                      "ClientHeight", "ClientWidth", "Color", "Constraints", "Ctl3D", "DragKind", "Enabled", "Font",
                      "FormStyle", "KeyPreview", "OldCreateOrder", "ParentBiDiMode", "PopupMenu", "Position",
                      "Scaled", "ShowHint"})
            .PublishWithDefault("Visible", TValue::Bool(false))
            .Publish({"WindowState", "OnActivate", "OnClick", "OnClose",
                      "OnCloseQuery", "OnCreate", "OnDblClick", "OnDeactivate", "OnDestroy", "OnHide", "OnKeyDown",
                      "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnPaint", "OnResize",
                      "OnShow", "PixelsPerInch", "TextHeight"});
        // A form stores either its client size or its outer size.
        for (std::size_t at = 0; at < i.Published.size(); ++at)
            if (i.Published[at].Name == "Width" || i.Published[at].Name == "Height")
                i.Published.Edit(at).IsStored = [](const TObject& o) {
                    return !static_cast<const TCustomForm&>(o).StoresClientSize();
                };
        TClassBuilder<TForm>(i).WriteAs("ActiveControl", [](const TForm& f) { return f.ActiveControlReference(); });
        return i;
    }();
    return info;
}
const TClassInfo& TForm::ClassInfo() const { return StaticClassInfo(); }

void TCustomForm::SetResourceReader(TResourceReader reader) { ResourceReader() = std::move(reader); }

void TCustomForm::InitFromResource(const std::string& resourceName) {
    if (!ResourceReader()) throw EComponentError("No form reader is installed to read " + resourceName);
    ResourceReader()(this, resourceName);
    if (FOldCreateOrder && FCreatePending) {
        FCreatePending = false;
        DoCreate();
    }
}

void TCustomForm::AfterConstruction() {
    if (!FCreatePending) return;
    FCreatePending = false;
    TComponentGuard guard(this);
    if (!FOldCreateOrder) DoCreate();
    if (guard.Destroyed()) return;
    if (Visible() && !(Widget() && Widget()->isVisible())) ShowWindowNow();
}

void TCustomForm::BeforeDestruction() { OnDestroy(this); }

void TCustomForm::DoCreate() { OnCreate(this); }
void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }
void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }

void TCustomForm::Loaded() { TWinControl::Loaded(); }

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TWinControl::GetChildren(proc, root);
    if (root != this) return;
    // Components without a parent (dialogs...) follow the controls.
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (!c->HasParent()) proc(c);
    }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FActiveControl) FActiveControl = nullptr;
}

TSize TCustomForm::NonClientExtent(TFormBorderStyle style) {
    switch (style) {
        case bsNone: return {0, 0};
        case bsSingle:
        case bsDialog: return {6, 25};      // 3-pixel frame, 19-pixel caption
        case bsToolWindow: return {6, 21};  // smaller caption
        case bsSizeable: return {8, 27};    // 4-pixel sizing frame
        case bsSizeToolWin: return {8, 23};
    }
    return {0, 0};
}

TRect TCustomForm::ClientRect() const {
    const TSize nc = NonClientExtent(FBorderStyle);
    return Rect(0, 0, std::max(Width() - nc.cx, 0), std::max(Height() - nc.cy, 0));
}

TPoint TCustomForm::ClientOrigin() const {
    if (Widget()) return TWinControl::ClientOrigin();
    const TSize nc = NonClientExtent(FBorderStyle);
    return Point(Left() + nc.cx / 2, Top() + nc.cy - nc.cx / 2);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == FBorderIcons) return;
    FBorderIcons = icons;
    ApplyWindowFlags();
}

void TCustomForm::SetWindowState(TWindowState state) {
    FWindowState = state;
    if (!Widget() || !Visible()) return;
    if (state == wsMinimized) Widget()->showMinimized();
    else if (state == wsMaximized) Widget()->showMaximized();
    else Widget()->showNormal();
}

namespace {
Qt::WindowFlags FlagsFor(TFormBorderStyle style, TBorderIcons icons) {
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint;
    if (style == bsNone) return f | Qt::FramelessWindowHint;
    if (style == bsDialog) f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (style == bsToolWindow || style == bsSizeToolWin) f = Qt::Tool | Qt::CustomizeWindowHint;
    f |= Qt::WindowTitleHint;
    if (icons.Contains(biSystemMenu)) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // A dialog frame has no minimise or maximise box.
    if (style != bsDialog && style != bsToolWindow && style != bsSizeToolWin) {
        if (icons.Contains(biMinimize)) f |= Qt::WindowMinimizeButtonHint;
        if (icons.Contains(biMaximize) && !IsFixedSize(style)) f |= Qt::WindowMaximizeButtonHint;
    }
    if (icons.Contains(biHelp)) f |= Qt::WindowContextHelpButtonHint;
    return f;
}
}  // namespace

void TCustomForm::ApplyWindowFlags() {
    QWidget* w = Widget();
    // Placed in an outside window, the form has no frame to change.
    if (!w || ParentWindow()) return;
    const bool shown = w->isVisible();
    w->setWindowFlags(FlagsFor(FBorderStyle, FBorderIcons));
    UpdateWindowGeometry();
    if (shown) w->show();
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style &= ~(WS_CHILD | WS_CLIPSIBLINGS);
    params.Style |= WS_CLIPCHILDREN | WS_CAPTION;
    if (FBorderIcons.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
    if (FBorderIcons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (FBorderIcons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    if (!IsFixedSize(FBorderStyle)) params.Style |= WS_THICKFRAME;
    if (FBorderStyle == bsDialog) params.ExStyle |= WS_EX_DLGMODALFRAME;
    if (FBorderIcons.Contains(biHelp)) params.ExStyle |= WS_EX_CONTEXTHELP;
    params.WndParent = ParentWindow();
}

QWidget* TCustomForm::CreateWindowHandle(const TCreateParams& params) {
    // In an outside window only the client area shows, as a plain child.
    if (params.WndParent) return WindowBackend().CreateHostWindow(this, WidgetOf(params.WndParent), {});
    return WindowBackend().CreateHostWindow(this, nullptr, FlagsFor(FBorderStyle, FBorderIcons));
}

void TCustomForm::UpdateWindowGeometry() {
    QWidget* w = Widget();
    if (!w) return;
    const TRect c = ClientRect();
    if (ParentWindow()) {
        w->setGeometry(Left(), Top(), c.Width(), c.Height());
        return;
    }
    w->move(Left(), Top());
    if (IsFixedSize(FBorderStyle)) {
        w->setFixedSize(c.Width(), c.Height());
    } else {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        w->resize(c.Width(), c.Height());
    }
}

void TCustomForm::UpdateWindowVisibility() {
    // A form's window appears through ShowWindowNow (OnShow first).
    if (Widget() && !Visible()) Widget()->hide();
}

void TCustomForm::UpdateBoundsFromWindow(int left, int top, int clientWidth, int clientHeight) {
    const TSize nc = NonClientExtent(FBorderStyle);
    SetBounds(left, top, clientWidth + nc.cx, clientHeight + nc.cy);
}

void TCustomForm::PaintWindow(HDC dc) {
    TCanvasOnDC attach(FCanvas.get(), dc);
    OnPaint(this);
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_VISIBLECHANGED:
            // While the form is read, Visible is only stored: the form
            // appears once it is complete (AfterConstruction).
            if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
            if (Visible()) {
                ShowWindowNow();
            } else {
                TComponentGuard guard(this);
                DoHide();
                if (!guard.Destroyed() && Widget()) Widget()->hide();
            }
            return;
        case WM_ACTIVATE:
            if (message.WParam) OnActivate(this);
            else OnDeactivate(this);
            return;
        case WM_SIZE: {
            TComponentGuard guard(this);
            TWinControl::WndProc(message);
            if (!guard.Destroyed()) OnResize(this);
            return;
        }
        default:
            TWinControl::WndProc(message);
    }
}

void TCustomForm::PlaceOnScreen() {
    TCustomForm* centreOn = nullptr;
    switch (FPosition) {
        case poScreenCenter:
        case poDesktopCenter:
            break;
        case poMainFormCenter:
        case poOwnerFormCenter:
            centreOn = FPosition == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : Application->MainForm();
            if (!centreOn || centreOn == this) centreOn = nullptr;
            break;
        default:
            return;
    }
    int left, top;
    if (centreOn) {
        left = centreOn->Left() + (centreOn->Width() - Width()) / 2;
        top = centreOn->Top() + (centreOn->Height() - Height()) / 2;
    } else {
        left = (Screen->Width() - Width()) / 2;
        top = (Screen->Height() - Height()) / 2;
    }
    SetBounds(std::max(left, 0), std::max(top, 0), Width(), Height());
}

// A control the form owns that nothing put on a parent is never shown. A
// program that forgot SetParent hears of it (through Qt's message handler,
// where a program may route or silence it) each time the form appears.
void TCustomForm::WarnOfControlsWithoutParent() const {
    for (int i = 0; i < ComponentCount(); ++i) {
        const auto* control = dynamic_cast<const TControl*>(Components(i));
        if (!control || control->Parent() || dynamic_cast<const TCustomForm*>(control)) continue;
        if (const auto* windowed = dynamic_cast<const TWinControl*>(control); windowed && windowed->ParentWindow())
            continue;
        qWarning("OrvoControls: %s (%s) belongs to the form %s but has no parent, so it is not shown: "
                 "give it one with SetParent",
                 control->Name().empty() ? "a control" : control->Name().c_str(), control->ClassName().c_str(),
                 Name().empty() ? ClassName().c_str() : Name().c_str());
    }
}

void TCustomForm::ShowWindowNow() {
    WarnOfControlsWithoutParent();
    HandleNeeded();
    if (ParentWindow()) {
        // In an outside window: the program around it places it, activates
        // its window and moves the focus in.
        TComponentGuard guard(this);
        DoShow();
        if (!guard.Destroyed() && Visible() && Widget()) Widget()->show();
        return;
    }
    if (!FPlaced) {
        FPlaced = true;
        PlaceOnScreen();
    }
    TComponentGuard guard(this);
    DoShow();
    if (guard.Destroyed() || !Visible() || !Widget()) return;
    QWidget* w = Widget();
    if (FWindowState == wsMinimized) w->showMinimized();
    else if (FWindowState == wsMaximized) w->showMaximized();
    else w->show();
    // The headless platform cannot raise windows (and says so each time).
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
    if (FActiveControl && FActiveControl->CanFocus()) {
        FActiveControl->SetFocus();
    } else if (TWinControl* first = FindNextControl(nullptr, true, true)) {
        first->SetFocus();
    }
}

void TCustomForm::Show() {
    if (FCreatePending) AfterConstruction();
    if (Visible()) {
        // No window: it was destroyed when the form left an outside window.
        if (!Widget() || Widget()->isHidden()) ShowWindowNow();
        else if (Widget() && QGuiApplication::platformName() != QLatin1String("offscreen")) Widget()->raise();
        return;
    }
    SetVisible(true);
}

void TCustomForm::Hide() { SetVisible(false); }

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (FInModal) {
        FModalResult = mrCancel;
        return;
    }
    TComponentGuard guard(this);
    if (!CloseQuery() || guard.Destroyed()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (guard.Destroyed() || action == caNone) return;
    if (Application->MainForm() == this) {
        // Closing the main form ends the application.
        Hide();
        Application->Terminate();
        return;
    }
    switch (action) {
        case caHide: Hide(); break;
        case caMinimize:
            if (Widget()) Widget()->showMinimized();
            break;
        case caFree: Release(); break;
        default: break;
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible()) throw EInvalidOperation("Cannot make a visible window modal");
    if (!Enabled()) throw EInvalidOperation("Cannot make a disabled window modal");
    FModalResult = mrNone;
    HandleNeeded();
    Widget()->setWindowModality(Qt::ApplicationModal);
    FInModal = true;
    TComponentGuard guard(this);
    Show();
    while (!guard.Destroyed()) {
        if (FModalResult == mrNone) {
            if (!Visible() || Application->Terminated()) FModalResult = mrCancel;
            else Application->HandleMessage();
            continue;
        }
        // Settle the close as Close would: OnCloseQuery, then OnClose.
        if (!CloseQuery()) {
            FModalResult = mrNone;
            continue;
        }
        TCloseAction action = caHide;
        DoClose(action);
        if (action == caNone) {
            FModalResult = mrNone;
            continue;
        }
        break;
    }
    if (guard.Destroyed()) return mrCancel;
    FInModal = false;
    // Hidden first: Qt only forgets a modal window that is modal when hidden.
    Hide();
    if (Widget()) Widget()->setWindowModality(Qt::NonModal);
    return FModalResult;
}

void TCustomForm::Release() {
    FReleasing = true;
    TComponentGuard guard(this);
    QTimer::singleShot(0, qApp, [this, guard] {
        if (guard.Destroyed()) return;
        BeforeDestruction();
        if (!guard.Destroyed()) delete this;
    });
}

void TCustomForm::GiveClientWidth(int v) {
    FClientSizeGiven = true;
    SetClientWidth(v);
}

void TCustomForm::GiveClientHeight(int v) {
    FClientSizeGiven = true;
    SetClientHeight(v);
}

std::optional<TValue> TCustomForm::ActiveControlReference() const {
    for (const TWinControl* c = FActiveControl; c && c != this; c = c->Parent()) {
        if (c->Name().empty()) continue;
        if (c->Owner() == this) return TValue::Identifier(c->Name());
        const TComponent* owner = c->Owner();
        if (owner && owner->Owner() == this && !owner->Name().empty())
            return TValue::Identifier(owner->Name() + "." + c->Name());
    }
    return std::nullopt;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == this) control = nullptr;
    FocusChanged(control);
    if (!control || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    if (Visible() && Widget() && Widget()->isVisible() && control->CanFocus() && !control->Focused())
        control->SetFocus();
}

bool TCustomForm::CanFocus() const { return Visible() && Enabled(); }

void TCustomForm::FocusChanged(TWinControl* control) {
    if (control == this || control == FActiveControl) return;
    if (FActiveControl) RemoveFreeNotification(FActiveControl);
    FActiveControl = control;
    if (control) FreeNotification(control);
}

// ---------------------------------------------------------------- TApplication

struct TApplication::TPrivate {
    int Argc = 1;
    char Name[32] = "OrvoControls";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QApplication> OwnApp;
    std::unique_ptr<QTimer> ShowTimer;
    std::unique_ptr<QTimer> HideTimer;
};

TApplication::TApplication(TComponent* owner) : TComponent(owner), F(std::make_unique<TPrivate>()) {}

TApplication::~TApplication() = default;

namespace {

// An application of our own gets the system's dialog face as Qt's default
// font, the one forms are made with. Qt lays out a widget's text once with
// the default font before the control's own font reaches it (an edit's
// empty line, when it is made), and a default of another family would load
// that family's font file for nothing.
std::unique_ptr<QApplication> OwnApplication(int& argc, char** argv) {
    auto app = std::make_unique<QApplication>(argc, argv);
    if (const QFont* dialogFont = FontOf(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))))
        QApplication::setFont(*dialogFont);
    return app;
}

}  // namespace

void TApplication::Initialize() {
    if (!qApp) F->OwnApp = OwnApplication(F->Argc, F->Argv);
    if (const auto* icon = FindResource(TResourceType::Icon, "MAINICON")) {
        // Read by the host's own codec: Qt would load its image plugins for
        // it (a millisecond of start-up), PNG aside, which Qt reads itself.
        QPixmap pixmap;
        try {
            const TIconImage image = DecodeIcon(*icon);
            if (!image.Png.empty())
                pixmap.loadFromData(image.Png.data(), uint(image.Png.size()), "PNG");
            else
                pixmap = QPixmap::fromImage(QImage(image.Pixels.data(), image.Width, image.Height, image.Width * 4,
                                                   QImage::Format_ARGB32).copy());  // the pixels go with `image`
        } catch (const EBmpError&) {
            // A broken icon leaves the platform's own.
        }
        if (!pixmap.isNull()) QApplication::setWindowIcon(QIcon(pixmap));
    }
}

void TApplication::Initialize(int& argc, char** argv) {
    if (!qApp) F->OwnApp = OwnApplication(argc, argv);
    Initialize();
}

void TApplication::Run() {
    if (!qApp) Initialize();
    FTerminated = false;
    if (!FMainForm) return;
    FMainForm->AfterConstruction();
    if (FMainForm) FMainForm->Show();
    if (const char* shot = std::getenv("ORVO_SCREENSHOT"); shot && *shot && FMainForm)
        ScheduleStartupScreenshot(shot);
    while (!FTerminated && FMainForm) {
        HandleMessage();
        WindowBackend().FlushDisposedWidgets();
    }
    FreeForms();
}

void TApplication::Terminate() { FTerminated = true; }

void TApplication::HandleMessage() {
    if (qApp) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TApplication::HandleException(TObject* sender) {
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    auto report = [&](const std::exception& e) {
        try {
            if (OnException) OnException(sender, e);
            else ShowException(e);
        } catch (const std::exception& inner) {
            // The handler itself failed: say so rather than let it escape.
            ShowException(inner);
        } catch (...) {
            std::fputs("Exception: the exception handler failed\n", stderr);
        }
    };
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& e) {
        report(e);
    } catch (...) {
        report(std::runtime_error("unknown exception"));
    }
}

void TApplication::ShowException(const std::exception& e) {
    std::fprintf(stderr, "Exception: %s\n", e.what());
    std::fflush(stderr);
}

void TApplication::FreeForms() {
    CancelHint();
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount()) continue;
        if (auto* form = dynamic_cast<TCustomForm*>(Components(i))) {
            TComponentGuard guard(form);
            form->BeforeDestruction();
            if (!guard.Destroyed()) delete form;
        }
    }
    FMainForm = nullptr;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FMainForm) FMainForm = nullptr;
    if (component == FHintControl) {
        FHintControl = nullptr;
        CancelHint();
    }
    if (component == FHintWindow) FHintWindow = nullptr;
}

void TApplication::SetShowHint(bool v) {
    FShowHint = v;
    if (!v) CancelHint();
}

std::string TApplication::GetShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

std::string TApplication::GetLongHint(const std::string& hint) {
    const std::size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

void TApplication::HintMouseMessage(TControl* control) {
    if (control == FHintControl) return;
    const bool wasShowing = FHintWindow && FHintWindow->Active();
    CancelHint();
    if (FHintControl) RemoveFreeNotification(FHintControl);
    FHintControl = control;
    if (!control) return;
    FreeNotification(control);
    if (!FShowHint || !control->ShowHint() || GetShortHint(control->Hint()).empty() || !qApp) return;
    if (wasShowing) {
        ActivateHint(control);
        return;
    }
    if (!F->ShowTimer) {
        F->ShowTimer = std::make_unique<QTimer>();
        F->ShowTimer->setSingleShot(true);
        QObject::connect(F->ShowTimer.get(), &QTimer::timeout, [this] {
            try {
                if (FHintControl) ActivateHint(FHintControl);
            } catch (...) {
                HandleException(FHintControl);
            }
        });
    }
    F->ShowTimer->start(FHintPause);
}

bool TApplication::ActivateHint(TControl* control) {
    if (!control || !FShowHint || !control->ShowHint()) return false;
    const std::string text = GetShortHint(control->Hint());
    if (text.empty()) return false;
    if (!FHintWindow) {
        FHintWindow = new THintWindow(this);
        FreeNotification(FHintWindow);
    }
    // Below the pointer when it is over the control, else below the control;
    // above it when there is no room below, and always on the screen.
    TPoint below = control->ClientToScreen(Point(0, control->Height() + 2));
    int aboveBottom = control->ClientToScreen(Point(0, 0)).Y - 2;
    if (qApp) {
        const QPoint cursor = QCursor::pos();
        const TPoint local = control->ScreenToClient(Point(cursor.x(), cursor.y()));
        if (Rect(0, 0, control->Width(), control->Height()).Contains(local)) {
            below = Point(cursor.x(), cursor.y() + 20);
            aboveBottom = cursor.y() - 2;
        }
    }
    const TRect screen = ScreenAreaAt(below);
    const TRect size = FHintWindow->CalcHintRect(std::min(FHintMaxWidth, screen.Width()), text);
    const TRect r = PlaceHintRect(Point(size.Width(), size.Height()), below, aboveBottom, screen);
    FHintWindow->ActivateHint(r, text);
    if (qApp) {
        if (!F->HideTimer) {
            F->HideTimer = std::make_unique<QTimer>();
            F->HideTimer->setSingleShot(true);
            QObject::connect(F->HideTimer.get(), &QTimer::timeout, [this] { CancelHint(); });
        }
        F->HideTimer->start(FHintHidePause);
    }
    return true;
}

void TApplication::CancelHint() {
    if (F->ShowTimer) F->ShowTimer->stop();
    if (F->HideTimer) F->HideTimer->stop();
    if (FHintWindow && FHintWindow->Active()) FHintWindow->ReleaseHandle();
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TForm::StaticClassInfo());
    return true;
}();
}  // namespace

// ---------------------------------------------------------------- TScreen

int TScreen::Width() const {
    QScreen* s = qApp ? QGuiApplication::primaryScreen() : nullptr;
    return s ? s->geometry().width() : 1024;
}

int TScreen::Height() const {
    QScreen* s = qApp ? QGuiApplication::primaryScreen() : nullptr;
    return s ? s->geometry().height() : 768;
}

TCustomForm* TScreen::ActiveForm() const {
    if (!qApp) return nullptr;
    return dynamic_cast<TCustomForm*>(ControlOfWidget(QApplication::activeWindow()));
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == FCursor) return;
    if (qApp) {
        if (FCursor != crDefault) QGuiApplication::restoreOverrideCursor();
        if (cursor != crDefault) QGuiApplication::setOverrideCursor(QCursor(QtCursorShape(cursor)));
    }
    FCursor = cursor;
}

}  // namespace Orvo
