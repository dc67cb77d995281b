#pragma once
// Qt's accessibility interface for the framework's windowed controls. Every
// window that belongs to a control answers QAccessible with the control's
// role, name, value, state and actions (host/stdctrls/AccessibleControls.h), and
// changes of that state are sent as QAccessibleStateChangeEvent once the event
// that caused them has been handled. The factory installs itself at start-up.
//
// Only src/host and its tests include this header.

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QString;

namespace Orvo {

// The factory Qt calls for every object it is asked about (exposed for tests).
QAccessibleInterface* AccessibleInterfaceFactory(const QString& className, QObject* object);

// Compares the state of every control that assistive technology has asked
// about with what it was told last, and sends the differences. Runs by itself
// after input, focus and paint events; callable when a test needs it now.
void FlushAccessibleStateChanges();

// Where the changes go: QAccessible::updateAccessibility, which passes them
// to the platform's bridge while assistive technology is active. A test, with
// no such bridge on the headless platform, puts its own recorder here (null
// restores the default); answers the previous one.
using TAccessibleAnnouncer = void (*)(QAccessibleEvent*);
TAccessibleAnnouncer SetAccessibleAnnouncer(TAccessibleAnnouncer announcer);

}  // namespace Orvo
