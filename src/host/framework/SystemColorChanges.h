#pragma once
// The desktop's colours, live. When the application palette changes (the
// user switches the desktop to a dark theme), every system colour resolves to
// its new value at once (ColorToRGB reads the palette), and every windowed
// control is told with CM_SYSCOLORCHANGE and repainted, so that stock and
// library controls alike show the new colours. Nothing stored changes: a
// control whose Color is clBtnFace keeps clBtnFace.
//
// The watcher installs itself when the application object is created.

// Sends CM_SYSCOLORCHANGE to every windowed control that has a window and
// invalidates it (its windowless children repaint with it).

namespace Orvo {

void BroadcastSystemColorChange();

}  // namespace Orvo
