// Connects forms to the form reader: TCustomForm::InitFromResource reads a
// form's stored description through the reader installed here, so Forms.cpp
// itself needs nothing of the streaming layer.
#include "host/framework/Forms.h"
#include "host/framework/Streaming.h"

namespace Orvo {

namespace {
const bool kInstalled = [] {
    TCustomForm::SetResourceReader(
        [](TComponent* form, const std::string& resourceName) { InitInheritedComponent(form, resourceName); });
    return true;
}();
}  // namespace

}  // namespace Orvo
