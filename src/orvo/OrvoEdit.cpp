#include "orvo/OrvoEdit.h"

namespace Orvo {

TOrvoEdit::TOrvoEdit(TComponent* owner) : TOrvoEditBase<TEdit>(owner) {}

const TClassInfo& TOrvoEdit::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoEdit", &TEdit::StaticClassInfo(), [](TComponent* owner) { return new TOrvoEdit(owner); });
        TClassBuilder<TOrvoEdit> builder(i);
        // The edit's own properties are always written.
        DefineTransparentFocusProperties(builder, false);
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoEdit::ClassInfo() const { return StaticClassInfo(); }

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoEdit::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
