#pragma once
// Host-internal: the keyboard focus between a framework form placed inside a
// widget of a Qt program (TWinControl::SetParentWindow) and the Qt widgets
// around it.
//
// Qt's own Tab chain sees only the outside widget that holds the form (an
// embedding host takes Tab focus and hands it to the form's first or last
// tab stop); inside, the framework moves the focus itself, and when it
// would wrap around the form's tab order, the focus goes on to the Qt widget
// after (or before) the outside widget instead.
//
// Only src/host and its tests include this header.

class QWidget;

namespace Orvo {

class TWinControl;

// The outside widget a control without a parent was placed in, or null when
// `root` has a parent or is a window of its own.
QWidget* OutsideParentOf(const TWinControl* root);

// The first (forward) or last tab stop of `root` that can take the focus,
// or null.
TWinControl* TabEntryOf(const TWinControl* root, bool forward);

// The widget of `container`'s window that Tab (forward) or Shift+Tab reaches
// from `container`, passing over the framework's windows placed in it (its
// own Qt children are reached as any other widget); null when there is none.
QWidget* NextOutside(QWidget* container, bool forward);

// Tab pressed on `current` inside `root`. When `root` lies in an outside
// widget and the move would wrap around its tab order, the focus goes to
// NextOutside of that widget and the answer is true; otherwise nothing
// happens and the answer is false (the framework moves the focus itself).
bool TabOutOfOutsideParent(TWinControl* root, TWinControl* current, bool forward);

// A window of a framework tree placed in an outside widget leaves Qt's Tab
// chain (keeping click focus): only the outside widget stands in it, so Qt's
// Tab from the widgets around always arrives at the outside widget, wherever
// Qt put the tree's windows in its chain.
void KeepOutOfQtTabChain(QWidget* widget, const TWinControl* control);

}  // namespace Orvo
