#include "orvo/OrvoMemo.h"

namespace Orvo {

TOrvoMemo::TOrvoMemo(TComponent* owner) : TOrvoEditBase<TMemo>(owner) {}

const TClassInfo& TOrvoMemo::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoMemo", &TMemo::StaticClassInfo(), [](TComponent* owner) { return new TOrvoMemo(owner); });
        TClassBuilder<TOrvoMemo> builder(i);
        // The memo's own properties are always written; its Alignment
        // replaces the framework's and moves to the end with them.
        DefineTransparentFocusProperties(builder, false);
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoMemo::ClassInfo() const { return StaticClassInfo(); }

void TOrvoMemo::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (!FocusBeforeScrolling(*this)) return;
            break;
        default:
            break;
    }
    TOrvoEditBase<TMemo>::WndProc(message);
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoMemo::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
