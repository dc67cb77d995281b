#pragma once
// Host-internal: how finely a window's paint buffer is drawn.

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "host/services/DeviceContextQt.h"

namespace Orvo {

// Device pixels per logical pixel, each way, for a paint buffer shown on
// `device`: its device pixel ratio as a whole number, rounded up (at 1.5 the
// buffer is drawn at 2 and Qt shrinks it, rather than blowing up a 1x
// buffer), at most TDeviceContext::MaxScale. 1 on an ordinary screen.
inline int DevicePixelScale(const QPaintDevice& device) {
    return std::clamp(int(std::ceil(device.devicePixelRatio() - 1e-6)), 1, TDeviceContext::MaxScale);
}

// Prepares a painter on `device` to show a buffer drawn at DevicePixelScale.
// At a fractional ratio the buffer is shrunk, and shrinking by nearest pixel
// would drop whole strokes of text: it is smoothed instead. At a whole ratio
// the copy is one buffer pixel per device pixel and nothing changes.
inline void PrepareBufferCopy(QPainter& painter, const QPaintDevice& device) {
    if (device.devicePixelRatio() != DevicePixelScale(device))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

}  // namespace Orvo
