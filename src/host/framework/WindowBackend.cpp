#include "host/framework/WindowBackend.h"

#include "host/framework/Classes.h"

namespace Orvo {

namespace {
// Constant-initialised, so a backend installed by another unit's start-up
// code is never overwritten by this one's.
TWindowBackend* gBackend = nullptr;
}  // namespace

void SetWindowBackend(TWindowBackend* backend) { gBackend = backend; }

TWindowBackend& WindowBackend() {
    if (!gBackend) throw EComponentError("No window backend is installed: the host's Qt layer is not linked");
    return *gBackend;
}

}  // namespace Orvo
