#include "host/stdctrls/AccessibleControls.h"

#include <algorithm>
#include <map>

#include "host/stdctrls/ComCtrls.h"
#include "host/framework/Controls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/services/Messages.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/framework/TypeInfo.h"

namespace Orvo {

namespace {

std::map<const TClassInfo*, TAccessibleRole>& Roles() {
    static std::map<const TClassInfo*, TAccessibleRole> roles;
    return roles;
}

// The framework's own classes. Registered on first use rather than at start-up
// so that the order in which units start does not matter.
void RegisterFrameworkRoles() {
    static const bool done = [] {
        RegisterAccessibleRole(TCustomForm::StaticClassInfo(), TAccessibleRole::Window);
        RegisterAccessibleRole(TButton::StaticClassInfo(), TAccessibleRole::PushButton);
        RegisterAccessibleRole(TCheckBox::StaticClassInfo(), TAccessibleRole::CheckBox);
        RegisterAccessibleRole(TCustomGroupBox::StaticClassInfo(), TAccessibleRole::Grouping);
        RegisterAccessibleRole(TCustomPanel::StaticClassInfo(), TAccessibleRole::Pane);
        RegisterAccessibleRole(TTabSheet::StaticClassInfo(), TAccessibleRole::Pane);
        RegisterAccessibleRole(TPageControl::StaticClassInfo(), TAccessibleRole::PageTabList);
        RegisterAccessibleRole(TCustomEdit::StaticClassInfo(), TAccessibleRole::EditableText);
        RegisterAccessibleRole(TListBox::StaticClassInfo(), TAccessibleRole::List);
        RegisterAccessibleRole(TComboBox::StaticClassInfo(), TAccessibleRole::ComboBox);
        RegisterAccessibleRole(TLabel::StaticClassInfo(), TAccessibleRole::StaticText);
        return true;
    }();
    (void)done;
}

// A published Boolean property's value; `fallback` when the class has none.
bool PublishedBool(const TControl& control, std::string_view name, bool fallback) {
    const TPropInfo* prop = control.ClassInfo().FindPublished(name);
    if (!prop || prop->Kind != TPropKind::Boolean || !prop->Get) return fallback;
    const std::optional<TValue> v = prop->Get(control);
    return v ? v->kind == TValue::Kind::Ident && v->text == "True" : fallback;
}

bool HasPublished(const TControl& control, std::string_view name) {
    return control.ClassInfo().FindPublished(name) != nullptr;
}

bool ContentIsCaption(TAccessibleRole role) {
    return role != TAccessibleRole::EditableText && role != TAccessibleRole::List && role != TAccessibleRole::ComboBox;
}

}  // namespace

void RegisterAccessibleRole(const TClassInfo& cls, TAccessibleRole role) { Roles()[&cls] = role; }

TAccessibleRole AccessibleRoleOf(const TControl& control) {
    RegisterFrameworkRoles();
    const auto& roles = Roles();
    for (const TClassInfo* c = &control.ClassInfo(); c; c = c->Parent) {
        auto it = roles.find(c);
        if (it != roles.end()) return it->second;
    }
    return TAccessibleRole::Client;
}

TAccessibleState AccessibleStateOf(const TControl& control) {
    const TAccessibleRole role = AccessibleRoleOf(control);
    TAccessibleState s;
    s.Checkable = role == TAccessibleRole::CheckBox || role == TAccessibleRole::RadioButton ||
                  (role == TAccessibleRole::Grouping && HasPublished(control, "Checked"));
    s.Checked = s.Checkable && PublishedBool(control, "Checked", false);
    s.ReadOnly = PublishedBool(control, "ReadOnly", false);
    s.Disabled = !control.Enabled();
    s.Invisible = !control.Showing();
    s.Hot = GetMouseControl() == &control;
    s.Focused = control.Focused();
    if (const auto* win = dynamic_cast<const TWinControl*>(&control)) s.Focusable = win->CanFocus();
    s.MultiLine = dynamic_cast<const TMemo*>(&control) != nullptr;
    return s;
}

std::string AccessibleNameOf(const TControl& control) {
    if (!ContentIsCaption(AccessibleRoleOf(control))) return {};
    return StripHotkey(control.Caption());
}

std::string AccessibleValueOf(const TControl& control) {
    if (ContentIsCaption(AccessibleRoleOf(control))) return {};
    return control.Caption();
}

std::vector<std::string_view> AccessibleActionsOf(const TControl& control) {
    const TAccessibleState s = AccessibleStateOf(control);
    if (s.Disabled || s.ReadOnly) return {};
    switch (AccessibleRoleOf(control)) {
        case TAccessibleRole::CheckBox: return {kToggleAction};
        case TAccessibleRole::PushButton:
        case TAccessibleRole::RadioButton: return {kPressAction};
        default: return {};
    }
}

bool DoAccessibleAction(TControl& control, std::string_view action) {
    const std::vector<std::string_view> offered = AccessibleActionsOf(control);
    if (std::find(offered.begin(), offered.end(), action) == offered.end()) return false;
    // The same messages a click in the middle brings, so the control's own
    // rules (capture, read-only, its events) apply as for a user.
    const LPARAM centre = MAKELPARAM(control.Width() / 2, control.Height() / 2);
    TComponentGuard guard(&control);
    control.Perform(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    if (!guard.Destroyed()) control.Perform(WM_LBUTTONUP, 0, centre);
    return true;
}

}  // namespace Orvo
