#pragma once
// TOrvoMemo: the framework's memo with the edit's additions (alignment,
// transparency while unfocused, the focus highlight). Its scroll bars take
// the focus before they scroll it, so scrolling always happens opaque. Its
// Alignment hides the framework memo's own, which stays left.

#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoEditBase.h"

namespace Orvo {

/// A multi-line edit with borders shown always or only while focused, a focus colour and transparency.
class TOrvoMemo : public TOrvoEditBase<TMemo> {
public:
    explicit TOrvoMemo(TComponent* owner);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
};

}  // namespace Orvo
