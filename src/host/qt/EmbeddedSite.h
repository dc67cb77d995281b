#pragma once
// TEmbeddedSite: what a Qt widget needs to hold framework windows inside
// itself. It registers the widget as an outside window, one that a control
// without a parent can be placed in (TWinControl::SetParentWindow), and
// moves the keyboard focus between what is placed there and the Qt widgets
// around it. TEmbeddedHost (host/qt/EmbeddedHost.h) is built on one; the
// library's Qt widgets each hold one for the single control they show, with
// no form around it.
//
//     TEmbeddedSite site(widget);                 // lives as long as the widget
//     control->SetParentWindow(site.Window());    // control fills what it is given
//     // in the widget's focusInEvent / focusNextPrevChild:
//     site.FocusIn(control, event->reason());
//     return site.FocusNextPrevChild(next);
//
// The widget's own Qt children stay in Qt's Tab chain beside what is placed
// in it; the windows of the framework leave that chain (the outside widget
// stands in it for them).
//
// This is the host's Qt-facing API, like EmbeddedHost.h.

#include <QWidget>

#include "host/framework/WindowServices.h"

namespace Orvo {

class TWinControl;

/// The part of a Qt widget that holds the library's windows: the outside window they lie in and the focus across its edge.
class TEmbeddedSite {
public:
    explicit TEmbeddedSite(QWidget* outside);
    ~TEmbeddedSite();
    TEmbeddedSite(const TEmbeddedSite&) = delete;
    TEmbeddedSite& operator=(const TEmbeddedSite&) = delete;

    QWidget* Outside() const { return FOutside; }
    // The handle controls are placed in (TWinControl::SetParentWindow).
    HWND Window() const;

    // The outside widget got the focus for `reason`. Tab gives it to the
    // first tab stop of `root` (Shift+Tab to the last); any other reason to
    // a form's ActiveControl, else the first tab stop. A root that is a tab
    // stop itself with none inside takes it. When nothing placed there can
    // take the focus, a Tab passes on to the next Qt widget.
    void FocusIn(TWinControl* root, Qt::FocusReason reason);
    // Tab while the outside widget itself has the focus (nothing placed in
    // it took it): the next or previous Qt widget gets it. False when there
    // is none.
    bool FocusNextPrevChild(bool next);

private:
    QWidget* FOutside;
};

}  // namespace Orvo
