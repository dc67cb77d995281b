#pragma once
// What the library's edit and memo share beyond the transparency and focus
// scheme: the alignment as a window style, and the parent's window style
// made fit for a transparent child.

#include <cstdint>

#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoTransparentFocus.h"

namespace Orvo {

// The edit window's style for an alignment: left is the window's default.
std::uint32_t EditAlignmentStyle(TAlignment alignment);

// Lets a transparent child show its parent's picture: the parent stops
// clipping its children. The style is never given back.
void StopParentClippingChildren(TWinControl& control);

/// What the library's edit and memo share: the alignment and a parent fit for a transparent child.
template <class Base>
class TOrvoEditBase : public TOrvoTransparentFocus<Base> {
public:
    explicit TOrvoEditBase(TComponent* owner) : TOrvoTransparentFocus<Base>(owner) {}

protected:
    void CreateParams(TCreateParams& params) override {
        Base::CreateParams(params);
        params.Style |= EditAlignmentStyle(this->Alignment());
    }
    void CreateWnd() override {
        Base::CreateWnd();
        if (this->Transparent() && this->Parent()) StopParentClippingChildren(*this);
    }
    // The new style needs a new window; the text comes with it, and the
    // selection is carried over too.
    void AlignmentChanged() override {
        if (!this->HandleAllocated()) return;
        const int start = this->SelStart();
        const int length = this->SelLength();
        this->RecreateWnd();
        this->SetSelStart(start);
        this->SetSelLength(length);
    }
};

}  // namespace Orvo
