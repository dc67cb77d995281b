#include "host/qt/KeyRepeat.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <cstdlib>

#ifdef ORVO_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace Orvo {

TKeyRepeat::TKind TKeyRepeat::Classify(const QKeyEvent& e) {
    if (&e == FLastEvent && e.timestamp() == FLastTime && int(e.type()) == FLastType) return FLastKind;
    FLastKind = ClassifyNew(e);
    FLastEvent = &e;
    FLastTime = e.timestamp();
    FLastType = int(e.type());
    return FLastKind;
}

TKeyRepeat::TKind TKeyRepeat::ClassifyNew(const QKeyEvent& e) {
    const bool press = e.type() == QEvent::KeyPress;
    if (e.isAutoRepeat()) return press ? TKind::Repeat : TKind::RepeatRelease;
    const quint32 key = e.nativeScanCode();
    if (press) {
        const bool repeat = FRepeatPending && key == FRepeatKey && e.timestamp() == FRepeatTime;
        FRepeatPending = false;
        return repeat ? TKind::Repeat : TKind::Press;
    }
    FRepeatPending = key != 0 && NativeKeyIsDown(key);
    if (!FRepeatPending) return TKind::Release;
    FRepeatKey = key;
    FRepeatTime = e.timestamp();
    return TKind::RepeatRelease;
}

bool NativeKeyIsDown(quint32 nativeScanCode) {
#ifdef ORVO_HAVE_XCB
    // On X the native scan code is the key code: bit `code` of the keymap.
    if (nativeScanCode > 255) return false;
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    xcb_query_keymap_reply_t* keymap = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!keymap) return false;
    const bool down = (keymap->keys[nativeScanCode / 8] >> (nativeScanCode % 8)) & 1;
    std::free(keymap);
    return down;
#else
    Q_UNUSED(nativeScanCode);
    return false;
#endif
}

}  // namespace Orvo
