#include "orvo/OrvoEditBase.h"

#include "host/framework/WindowServices.h"

namespace Orvo {

std::uint32_t EditAlignmentStyle(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return ES_RIGHT;
        case taCenter: return ES_CENTER;
        case taLeftJustify:
        default: return ES_LEFT;
    }
}

void StopParentClippingChildren(TWinControl& control) {
    HWND parent = control.ParentWindow();
    if (!parent) return;
    const LONG style = GetWindowLong(parent, GWL_STYLE);
    SetWindowLong(parent, GWL_STYLE, LONG(std::uint32_t(style) & ~WS_CLIPCHILDREN));
}

}  // namespace Orvo
