#pragma once
// TEmbeddedHost: a Qt widget that shows a framework form, or a single
// control, inside an ordinary Qt widget tree (a QMainWindow, a layout, a
// dialog of the program's own).
//
//     auto* host = new TEmbeddedHost;                   // owned by its Qt parent
//     auto* box = new TOrvoCheckBox(host->Owner());     // freed with the host
//     box->SetCaption("&Enable");
//     host->SetControl(box);
//     layout->addWidget(host);
//
// A hosted form shows its client area as a child of this widget: no window
// of its own, no frame, no title. A hosted control fills this widget, on a
// borderless form made for it (Form() answers that form: its Color is what a
// transparent control shows through). Either is sized as a layout sizes a
// widget; aligned and anchored controls of a form follow as they do when the
// user sizes the form's window.
//
// Ownership: the widget frees what it made (the form made for a control) and
// every component created with Owner() as owner. A form or control owned by
// anything else stays alive when the widget goes: it leaves the widget
// (without a window, a form hidden) and its owner frees it. A hosted form or
// control freed first simply leaves the widget empty.
//
// Focus: the widget stands in Qt's Tab chain for everything it hosts. Tab
// from the Qt widget before it moves to the first tab stop inside, Shift+Tab
// from the one after to the last; Tab from the last tab stop inside goes on
// to the next Qt widget, Shift+Tab from the first to the previous one. Focus
// given to the widget any other way (setFocus, a window's first focus) goes
// to the hosted form's ActiveControl, or its first tab stop. Clicks, OnEnter
// and OnExit, hot tracking, hints, and Alt+letter accelerators while the
// focus is inside work as they do in a form of the framework's own.
//
// A form or control is hosted by one widget at a time: hosting one that
// another host holds is refused (EComponentError).
//
// This is the host's Qt-facing API: it names Qt types and is meant for Qt
// programs; the library and code above the host never include it. The
// pieces it is made of are in host/qt/EmbeddedSite.h.

#include <QWidget>

#include <memory>

#include "host/qt/EmbeddedSite.h"
#include "host/services/Types.h"

class QFocusEvent;
class QResizeEvent;
class QShowEvent;

namespace Orvo {

class TComponent;
class TControl;
class TCustomForm;

/// A QWidget that shows a form or a single control of the library inside a Qt widget tree.
class TEmbeddedHost : public QWidget {
    Q_OBJECT

public:
    explicit TEmbeddedHost(QWidget* parent = nullptr);
    ~TEmbeddedHost() override;
    TEmbeddedHost(const TEmbeddedHost&) = delete;
    TEmbeddedHost& operator=(const TEmbeddedHost&) = delete;

    // Hosts a whole form (whatever was hosted before leaves first). The
    // form is shown in this widget when the widget is shown (OnShow runs
    // then); a form that has no parent only, and one no other host holds;
    // null hosts nothing.
    void SetForm(TCustomForm* form);
    // Hosts one control, windowed or windowless, filling this widget. It is
    // placed on a borderless form made for it; one that another host holds
    // is refused. Null hosts nothing.
    void SetControl(TControl* control);
    // Lets go of what is hosted: a form leaves hidden and without a window,
    // a control without a parent; their owners keep them.
    void Release();

    // The hosted form, or the form made for a hosted control (null when
    // nothing is hosted).
    TCustomForm* Form() const;
    // The hosted control (null when a form or nothing is hosted).
    TControl* Control() const { return FControl; }
    // An owner whose components are freed with this widget.
    TComponent* Owner() const;

    // The hosted form's client size or the control's size as they were when
    // hosted (logical pixels).
    QSize sizeHint() const override;
    // The constraints' minimum when there is one; otherwise the hosted size
    // for a control and for a form that cannot be sized (its border style),
    // none for a sizeable form.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    class TKeeper;
    friend class TKeeper;
    void Forget(TComponent* component);
    void Host(TCustomForm* form, TControl* control);
    void FitToWidget();
    void ShowHostedForm();

    TEmbeddedSite FOutside;            // this widget as the window the form lies in
    std::unique_ptr<TKeeper> FKeeper;  // owns Owner()'s components, hears frees
    TCustomForm* FForm = nullptr;      // the hosted form or the one made for a control
    TControl* FControl = nullptr;
    TCustomForm* FSite = nullptr;      // the form made for a control (owned by the keeper)
    TPoint FFormOrigin{0, 0};          // a hosted form's position before it came
    QSize FHostedSize;
    bool FShowPending = false;
};

}  // namespace Orvo
