#pragma once
// TOrvoListBox: the framework's list box as an owner-drawn list of fixed item
// height whose items are aligned left, right or centred. While it does not
// have the focus it can be transparent: unselected items show the parent's
// picture (optionally tinted with Color) behind their text, the selected one
// keeps its clHighlight bar. It shares the edit's focus scheme and takes the
// focus before its scroll bar scrolls it.

#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoTransparentFocus.h"

namespace Orvo {

/// A list box with borders shown always or only while focused, a focus colour and transparency.
class TOrvoListBox : public TOrvoTransparentFocus<TListBox> {
public:
    explicit TOrvoListBox(TComponent* owner);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    // The indent of an item's text from its leading edge.
    static constexpr int kTextIndent = 2;

protected:
    // Draws one item on the canvas the framework prepared (font, and the
    // brush in Color or clHighlight). OnDrawItem is never raised.
    void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
    // Only the static colour request: the list's own is the framework's.
    bool IsSeeThroughColorRequest(UINT msg) const override { return msg == CN_CTLCOLORSTATIC; }
    // The pointer stays when the focus leaves a list.
    bool HidesPointerOnLeave() const override { return false; }
};

}  // namespace Orvo
