#pragma once
// What assistive technology (a screen reader) learns about a control: its
// role, its name, its state and the actions it offers. Free of Qt, so that
// the control library can tell the framework the role of a class of its own;
// src/host/qt/Accessibility.cpp hands all of this to Qt's accessibility layer.
//
// A class's role is registered once and inherited by its subclasses, so a
// control derived from TEdit or TListBox is an editable text or a list
// without registering anything. State is read from the framework (Enabled,
// Focused, the control under the pointer) and from the published properties
// "Checked" and "ReadOnly" when the class has them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Orvo {

class TControl;
struct TClassInfo;

enum class TAccessibleRole : std::uint8_t {
    Client,        // a control nobody described: a plain area
    Window,        // a form
    PushButton,
    CheckBox,
    RadioButton,
    Grouping,      // a group box and what derives from it
    Pane,          // a panel, a page
    StaticText,
    EditableText,
    List,
    ComboBox,
    PageTabList,
    Graphic,       // a picture with nothing to read or do (a background)
};

// `role` for `cls` and, unless they register their own, its subclasses.
void RegisterAccessibleRole(const TClassInfo& cls, TAccessibleRole role);
TAccessibleRole AccessibleRoleOf(const TControl& control);

struct TAccessibleState {
    bool Checkable = false;
    bool Checked = false;
    bool Focusable = false;
    bool Focused = false;
    bool Disabled = false;
    bool ReadOnly = false;
    bool Hot = false;        // the pointer is over it
    bool Invisible = false;
    bool MultiLine = false;

    friend bool operator==(const TAccessibleState&, const TAccessibleState&) = default;
};
TAccessibleState AccessibleStateOf(const TControl& control);

// The caption without its "&" markers; empty for controls whose caption is
// their content (edits, lists), which answer AccessibleValueOf instead.
std::string AccessibleNameOf(const TControl& control);
std::string AccessibleValueOf(const TControl& control);

// The actions a control offers: "toggle" for a check box, "press" for a
// button or a radio button; none for a disabled or read-only one.
inline constexpr std::string_view kToggleAction = "toggle";
inline constexpr std::string_view kPressAction = "press";
std::vector<std::string_view> AccessibleActionsOf(const TControl& control);
// Does what a click in the middle of the control would (the control decides
// what that means, read-only controls ignoring it). Answers false for an
// action the control does not offer now.
bool DoAccessibleAction(TControl& control, std::string_view action);

}  // namespace Orvo
