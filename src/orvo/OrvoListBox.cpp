#include "orvo/OrvoListBox.h"

#include <string>
#include <string_view>

#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"

namespace Orvo {

namespace {

// The DrawText flags of an item: one line, vertically centred, an
// ampersand drawn as itself, plus the alignment.
unsigned ItemTextFlags(TAlignment alignment) {
    static constexpr unsigned kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};  // by TAlignment
    return DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | kAlignments[alignment <= taCenter ? alignment : taLeftJustify];
}

}  // namespace

TOrvoListBox::TOrvoListBox(TComponent* owner) : TOrvoTransparentFocus<TListBox>(owner) { SetStyle(lbOwnerDrawFixed); }

const TClassInfo& TOrvoListBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoListBox", &TListBox::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoListBox(owner); });
        TClassBuilder<TOrvoListBox> builder(i);
        DefineTransparentFocusProperties(builder, true);
        // The list starts owner-drawn, so the framework's default would lose
        // a standard style on the way back: Style is always written.
        builder.StoredDefault("Style", std::nullopt);
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoListBox::ClassInfo() const { return StaticClassInfo(); }

void TOrvoListBox::WndProc(TMessage& message) {
    // Only the vertical scroll bar takes the focus first; the list has no
    // horizontal one.
    if (message.Msg == WM_VSCROLL && !FocusBeforeScrolling(*this)) return;
    TOrvoTransparentFocus<TListBox>::WndProc(message);
}

void TOrvoListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
    TCanvas* canvas = Canvas();
    const bool selected = state.Contains(odSelected);
    // An unselected item of a transparent list keeps the erased picture.
    if (!Transparent() || selected) canvas->FillRect(rect);
    if (index < 0 || index >= Items()->Count()) return;

    TBrush* brush = canvas->Brush();
    const TBrushStyle savedStyle = brush->Style();
    const unsigned flags = DrawTextBiDiModeFlags(ItemTextFlags(Alignment()));
    if (UseRightToLeftAlignment()) rect.Right -= kTextIndent;
    else rect.Left += kTextIndent;
    // The selected item's text sits on its bar; the others have no text
    // background over the picture.
    if (Transparent()) brush->SetStyle(selected ? bsSolid : bsClear);
    // The item is drawn as a zero-terminated text: it ends at a #0.
    const std::string text = Items()->Strings(index);
    DrawText(canvas->Handle(), std::string_view(text.c_str()), rect, flags);
    brush->SetStyle(savedStyle);
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoListBox::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
