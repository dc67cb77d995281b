#pragma once
// What the library's edit, memo and list box share: transparency while they
// do not have the focus, the focus scheme that makes them opaque (and
// optionally highlighted) while they have it, and the properties that go with
// both.
//
// TOrvoTransparentFocus<Base> adds them to a framework control (TEdit, TMemo,
// TListBox). The work is done by the small non-template pieces below, so the
// three controls run the same code.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/framework/Controls.h"
#include "host/framework/TypeInfo.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

/// The focus bookkeeping of a control that is transparent only while it does
/// not have the focus.
///
///   message       | Transparent                  | Color                                   | then
///   WM_SETFOCUS   | saved, then False            | saved, then HighlightColor when         | repaint
///                 |                              | FocusHighlight (ParentColor turns off)  |
///   WM_KILLFOCUS  | the value saved at the gain  | the value saved at the gain             | repaint when the gain
///                 |                              |                                         | changed either
///
/// Values assigned while the control has the focus therefore last only until
/// the focus leaves. A second gain without a loss between (a window re-created
/// while it had the focus) keeps what the first gain saved: saving the
/// focused look would make it permanent. A loss without a gain restores
/// nothing.
class TOrvoFocusScheme {
public:
    // The gain of the focus; `transparent` is the control's own field.
    void Enter(TControl& control, bool& transparent, bool focusHighlight, TColor highlightColor);
    // The loss of the focus; answers whether the control must be repainted.
    bool Leave(TControl& control, bool& transparent);
    bool InFocusedState() const { return FInFocusedState; }
    // What Transparent and Color will be once the focus leaves.
    bool RestingTransparent(bool transparent) const { return FInFocusedState ? FSavedTransparent : transparent; }
    TColor RestingColor(TColor color) const { return FInFocusedState ? FSavedColor : color; }

private:
    TColor FSavedColor = clWindow;
    bool FSavedTransparent = false;
    bool FFocusChanged = false;
    bool FInFocusedState = false;
};

// Erases a transparent control's background into `dc`: the parent's picture
// under the control, then Color laid over it by `transparency` percent when
// that is below 100. The device context stays the caller's.
void EraseSeeThroughBackground(TControl& control, HDC dc, TColor color, std::uint8_t transparency);

// The answer of a transparent control to its window's colour request: text
// drawn without a background and the hollow brush, so the erased picture
// shows between the letters. The text colour is left as the window has it.
LRESULT AnswerSeeThroughColors(HDC dc);

// Takes the focus for a control whose scroll bar is about to scroll it, so
// that scrolling always happens in the opaque state. Answers false when the
// control was destroyed meanwhile (by an OnEnter handler).
bool FocusBeforeScrolling(TWinControl& control);

// The names of TAlignment's values, as form descriptions store them.
const std::vector<std::string>& AlignmentNames();

/// Adds the library's look to a stock edit, memo or list box: borders while focused, a focus colour and transparency.
template <class Base>
class TOrvoTransparentFocus : public Base {
public:
    explicit TOrvoTransparentFocus(TComponent* owner) : Base(owner) {}

    void WndProc(TMessage& message) override;

    // Horizontal alignment of the text. Assigning a different value
    // re-creates the window.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) {
        if (value == FAlignment) return;
        FAlignment = value;
        AlignmentChanged();
    }
    // Both take effect at the next gain of the focus.
    bool FocusHighlight() const { return FFocusHighlight; }
    void SetFocusHighlight(bool value) { FFocusHighlight = value; }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { FHighlightColor = value; }
    // The parent's picture forms the background while the control does not
    // have the focus (the focus switches it off until it leaves).
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) {
        if (value == FTransparent) return;
        FTransparent = value;
        this->Invalidate();
    }
    // Percentage of the parent's picture that shows through Color while
    // Transparent; values above 100 are stored as 100.
    std::uint8_t Transparency() const { return FTransparency; }
    void SetTransparency(std::uint8_t value) {
        value = std::min<std::uint8_t>(value, 100);
        if (value == FTransparency) return;
        FTransparency = value;
        this->Invalidate();
    }
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }

    // True from the gain of the focus until its loss (for tests).
    bool InFocusedState() const { return FFocus.InFocusedState(); }
    // What a form description stores: the values the control has when it
    // does not have the focus, so a form written while it has the focus
    // does not keep the focused look for good.
    bool StoredTransparent() const { return FFocus.RestingTransparent(FTransparent); }
    TColor StoredColor() const { return FFocus.RestingColor(this->Color()); }

protected:
    virtual void AlignmentChanged() { this->RecreateWnd(); }
    // The colour requests answered as transparent: both for the edit window,
    // which asks with the static variant while read-only or disabled.
    virtual bool IsSeeThroughColorRequest(UINT msg) const { return msg == CN_CTLCOLOREDIT || msg == CN_CTLCOLORSTATIC; }
    // An edit hides the pointer when the focus leaves it, until the mouse
    // moves again.
    virtual bool HidesPointerOnLeave() const { return true; }

private:
    TOrvoFocusScheme FFocus;
    TAlignment FAlignment = taLeftJustify;
    bool FFocusHighlight = false;
    TColor FHighlightColor = clLime;
    bool FTransparent = false;
    std::uint8_t FTransparency = 100;
};

template <class Base>
void TOrvoTransparentFocus<Base>::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_ERASEBKGND:
            if (!FTransparent) break;
            // The result stays 0, as the window expects of an erase it did
            // not do with its own brush.
            EraseSeeThroughBackground(*this, reinterpret_cast<HDC>(message.WParam), this->Color(), FTransparency);
            return;
        case WM_MOVE:
            Base::WndProc(message);
            // The picture under a transparent control is another one now.
            if (FTransparent) this->Repaint();
            else this->Invalidate();
            return;
        case WM_SETFOCUS: {
            TComponentGuard guard(this);
            Base::WndProc(message);
            if (guard.Destroyed()) return;
            FFocus.Enter(*this, FTransparent, FFocusHighlight, FHighlightColor);
            this->Invalidate();
            return;
        }
        case WM_KILLFOCUS: {
            TComponentGuard guard(this);
            Base::WndProc(message);
            if (guard.Destroyed()) return;
            if (FFocus.Leave(*this, FTransparent)) this->Invalidate();
            if (HidesPointerOnLeave()) Orvo::SetCursor(nullptr);
            return;
        }
        default:
            if (FTransparent && IsSeeThroughColorRequest(message.Msg)) {
                message.Result = AnswerSeeThroughColors(reinterpret_cast<HDC>(message.WParam));
                return;
            }
            break;
    }
    Base::WndProc(message);
}

// Defines and publishes the shared properties of class C, in this order:
// Alignment, FocusHighlight, HighlightColor, Transparent, Transparency,
// Version. With `streamDefaults`, FocusHighlight False, HighlightColor
// clLime, Transparent False and Transparency 100 are not written; Alignment
// and Version always are.
template <class C>
void DefineTransparentFocusProperties(TClassBuilder<C>& builder, bool streamDefaults) {
    builder.Enum("Alignment", &C::Alignment, &C::SetAlignment, AlignmentNames());
    builder.Bool("FocusHighlight", &C::FocusHighlight, &C::SetFocusHighlight);
    if (streamDefaults) builder.Default(false);
    builder.Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor);
    if (streamDefaults) builder.DefaultColor(clLime);
    builder.Bool("Transparent", &C::StoredTransparent, &C::SetTransparent);
    if (streamDefaults) builder.Default(false);
    builder.Int("Transparency", &C::Transparency, &C::SetTransparency, 0, 255);
    if (streamDefaults) builder.DefaultInt(100);
    builder.Str("Version", &C::Version, &C::SetVersion);
    builder.Publish({"Alignment", "FocusHighlight", "HighlightColor", "Transparent", "Transparency", "Version"});
    builder.WriteAs("Color", [](const C& c) -> std::optional<TValue> { return ColorToValue(c.StoredColor()); });
}

}  // namespace Orvo
