#pragma once
// Host-internal: telling a key held down from a key pressed again.
//
// A key held down repeats. The framework's message model has one
// WM_KEYDOWN for the press, more WM_KEYDOWNs marked KF_REPEAT while it is
// held and one WM_KEYUP when it is let go. Qt marks the repeats it
// recognises as auto-repeat; an X server that does not report repeats as
// such sends each one as a release and a press of the same instant, which
// Qt does not always recognise. Such a release comes while the key is still
// held (the X server says so), and the press after it carries the release's
// time: both are the repeat.

#include <QtGlobal>

class QKeyEvent;

namespace Orvo {

class TKeyRepeat {
public:
    enum class TKind : quint8 {
        Press,          // a new press of the key
        Repeat,         // the key held down, once more
        Release,        // the key let go
        RepeatRelease,  // half of a repeat: no release at all
    };
    // Classifies each event once: the same event handed on to a parent
    // window is what it was.
    TKind Classify(const QKeyEvent& e);

private:
    TKind ClassifyNew(const QKeyEvent& e);

    const QKeyEvent* FLastEvent = nullptr;
    quint64 FLastTime = 0;
    int FLastType = 0;
    TKind FLastKind = TKind::Press;
    // The key code and time of the latest release that was half of a repeat.
    quint32 FRepeatKey = 0;
    quint64 FRepeatTime = 0;
    bool FRepeatPending = false;
};

// True when the window system says the key of that native code is down
// right now (the X server's keyboard state); false where it cannot tell.
bool NativeKeyIsDown(quint32 nativeScanCode);

}  // namespace Orvo
