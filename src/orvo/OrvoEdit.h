#pragma once
// TOrvoEdit: the framework's single-line edit with its text aligned left,
// right or centred, transparent over its parent's picture while it does not
// have the focus (optionally tinted with Color), and opaque, optionally in
// HighlightColor, while it has it.

#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoEditBase.h"

namespace Orvo {

/// A one-line edit with borders shown always or only while focused, a focus colour and transparency.
class TOrvoEdit : public TOrvoEditBase<TEdit> {
public:
    explicit TOrvoEdit(TComponent* owner);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
};

}  // namespace Orvo
