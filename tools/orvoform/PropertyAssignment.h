#pragma once
// The `set:` step: assigns a value written in form-description syntax to a
// published property of a component, walking dotted sub-objects
// ("Font.Color"), exactly as reading a description would assign it.

#include <string>

namespace Orvo {
class TComponent;
}  // namespace Orvo

// Finds the component of that name on the form (the form's own name means
// the form). Throws EToolError naming it when there is none.
Orvo::TComponent* FindFormComponent(Orvo::TComponent* form, const std::string& name);

// Throws EToolError naming the property or the value when either is wrong,
// and lets std::bad_alloc from the setter through as it is.
// Events bind to the form's methods and component references resolve among
// the form's components, as when the form is read.
void AssignPublishedProperty(Orvo::TComponent* form, Orvo::TComponent* component, const std::string& path,
                             const std::string& valueText);
