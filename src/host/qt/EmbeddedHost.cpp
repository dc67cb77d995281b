#include "host/qt/EmbeddedHost.h"

#include <QFocusEvent>
#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>

#include "host/framework/ControlWidgets.h"
#include "host/framework/Forms.h"
#include "host/qt/HostWidget.h"

namespace Orvo {

namespace {

bool FormSizes(const TCustomForm* form) {
    return form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin;
}

// The host a form lies in, when it is one: the widget its window is placed in.
TEmbeddedHost* HostOf(const TCustomForm* form) {
    if (!form || form->Parent() || !form->ParentWindow()) return nullptr;
    return qobject_cast<TEmbeddedHost*>(WidgetOf(form->ParentWindow()));
}

}  // namespace

// Owns the components created with Owner() as owner and is told when a
// hosted form or control is freed, so the widget never keeps a dangling one.
class TEmbeddedHost::TKeeper : public TComponent {
public:
    explicit TKeeper(TEmbeddedHost* host) : TComponent(nullptr), FHost(host) {}
    ~TKeeper() override {
        // While this part exists, so that frees are still heard.
        Destroying();
        DestroyComponents();
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove) FHost->Forget(component);
    }

private:
    TEmbeddedHost* FHost;
};

TEmbeddedHost::TEmbeddedHost(QWidget* parent)
    : QWidget(parent), FOutside(this), FKeeper(std::make_unique<TKeeper>(this)) {
    // Tab only: a click inside reaches the control under the pointer, which
    // takes the focus itself.
    setFocusPolicy(Qt::TabFocus);
}

TEmbeddedHost::~TEmbeddedHost() {
    // Before Qt deletes the child widgets: the framework takes its windows
    // down itself. No event of the form runs now (the widgets around may be
    // half gone), so a form owned elsewhere keeps Visible and gets a window
    // of its own again when it is next shown.
    if (FForm && FForm != FSite) {
        TCustomForm* form = FForm;
        FForm = nullptr;
        FKeeper->RemoveFreeNotification(form);
        form->SetParentWindow(nullptr);
        form->SetBounds(FFormOrigin.X, FFormOrigin.Y, form->Width(), form->Height());
    }
    Release();
    FKeeper.reset();
}

TCustomForm* TEmbeddedHost::Form() const { return FForm; }

TComponent* TEmbeddedHost::Owner() const { return FKeeper.get(); }

void TEmbeddedHost::SetForm(TCustomForm* form) {
    if (form && form->Parent()) throw EComponentError("A form on a parent cannot be hosted: " + form->Name());
    // Two hosts would each place the form and each take it back.
    TEmbeddedHost* other = HostOf(form);
    if (other && other != this) throw EComponentError("The form is hosted by another widget already: " + form->Name());
    Host(form, nullptr);
}

void TEmbeddedHost::SetControl(TControl* control) {
    if (auto* form = dynamic_cast<TCustomForm*>(control)) {
        SetForm(form);
        return;
    }
    TEmbeddedHost* other = control ? HostOf(dynamic_cast<TCustomForm*>(control->Parent())) : nullptr;
    if (other && other != this && other->Control() == control)
        throw EComponentError("The control is hosted by another widget already: " + control->Name());
    Host(nullptr, control);
}

void TEmbeddedHost::Host(TCustomForm* form, TControl* control) {
    Release();
    if (!form && !control) return;
    if (control) {
        FHostedSize = QSize(control->Width(), control->Height());
        FSite = new TForm(FKeeper.get());
        FSite->SetBorderStyle(bsNone);
        FSite->SetBounds(0, 0, control->Width(), control->Height());
        control->SetParent(FSite);
        control->SetBounds(0, 0, control->Width(), control->Height());
        FControl = control;
        FKeeper->FreeNotification(control);
        form = FSite;
    } else {
        FHostedSize = QSize(form->ClientWidth(), form->ClientHeight());
        FFormOrigin = TPoint{form->Left(), form->Top()};
        FKeeper->FreeNotification(form);
    }
    FForm = form;
    form->SetParentWindow(FOutside.Window());
    form->SetBounds(0, 0, form->Width(), form->Height());
    const bool fixed = !FControl && !FormSizes(form);
    setSizePolicy(fixed ? QSizePolicy::Fixed : QSizePolicy::Preferred, fixed ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    updateGeometry();
    FShowPending = true;
    if (isVisible()) {
        FitToWidget();
        ShowHostedForm();
    }
}

void TEmbeddedHost::Release() {
    TCustomForm* form = FForm;
    TControl* control = FControl;
    TCustomForm* site = FSite;
    FForm = nullptr;
    FControl = nullptr;
    FSite = nullptr;
    FShowPending = false;
    if (control) {
        FKeeper->RemoveFreeNotification(control);
        if (control->Parent() == site) control->SetParent(nullptr);
    }
    if (site) {
        delete site;
    } else if (form) {
        FKeeper->RemoveFreeNotification(form);
        TComponentGuard guard(form);
        Guarded(form, [form] { form->Hide(); });
        if (guard.Destroyed()) return;
        form->SetParentWindow(nullptr);
        form->SetBounds(FFormOrigin.X, FFormOrigin.Y, form->Width(), form->Height());
    }
    updateGeometry();
}

void TEmbeddedHost::Forget(TComponent* component) {
    if (component == FControl) FControl = nullptr;
    if (component == FSite) FSite = nullptr;
    if (component == FForm) FForm = nullptr;
}

void TEmbeddedHost::FitToWidget() {
    if (!FForm) return;
    const int w = width(), h = height();
    // The form's outer size is its client size and its frame, which an
    // outside window does not show.
    FForm->SetBounds(0, 0, w + FForm->Width() - FForm->ClientWidth(), h + FForm->Height() - FForm->ClientHeight());
    if (FControl && FControl->Parent() == FSite) FControl->SetBounds(0, 0, w, h);
}

void TEmbeddedHost::ShowHostedForm() {
    FShowPending = false;
    if (TCustomForm* form = FForm) Guarded(form, [form] { form->Show(); });
}

QSize TEmbeddedHost::sizeHint() const { return FForm ? FHostedSize : QWidget::sizeHint(); }

QSize TEmbeddedHost::minimumSizeHint() const {
    if (!FForm) return QWidget::minimumSizeHint();
    // A form's constraints hold its outer size; the frame does not show here.
    const TControl* sized = FControl ? FControl : static_cast<const TControl*>(FForm);
    const int frameWidth = FControl ? 0 : FForm->Width() - FForm->ClientWidth();
    const int frameHeight = FControl ? 0 : FForm->Height() - FForm->ClientHeight();
    const TSizeConstraints* c = sized->Constraints();
    if (c->MinWidth() > 0 || c->MinHeight() > 0)
        return QSize(std::max(c->MinWidth() - frameWidth, 0), std::max(c->MinHeight() - frameHeight, 0));
    if (FControl || !FormSizes(FForm)) return FHostedSize;
    return QSize(0, 0);
}

void TEmbeddedHost::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Guarded(FForm, [this] { FitToWidget(); });
}

void TEmbeddedHost::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!FShowPending) return;
    Guarded(FForm, [this] { FitToWidget(); });
    ShowHostedForm();
}

void TEmbeddedHost::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    FOutside.FocusIn(FForm, e->reason());
}

bool TEmbeddedHost::focusNextPrevChild(bool next) {
    // Tab while this widget itself has the focus (nothing inside took it).
    return FOutside.FocusNextPrevChild(next) || QWidget::focusNextPrevChild(next);
}

}  // namespace Orvo
