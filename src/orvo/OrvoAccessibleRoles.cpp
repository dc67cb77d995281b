// What assistive technology is told each library control is. Controls derived
// from a framework class with a role of its own (the shaped button from
// TButton, the group boxes, the panel) inherit that role.
#include "host/stdctrls/AccessibleControls.h"
#include "orvo/OrvoBackground.h"
#include "orvo/OrvoCheckBox.h"
#include "orvo/OrvoRadioButton.h"
#include "orvo/OrvoStaticText.h"

namespace Orvo {

namespace {
const bool kRolesRegistered = [] {
    RegisterAccessibleRole(TOrvoCheckBox::StaticClassInfo(), TAccessibleRole::CheckBox);
    RegisterAccessibleRole(TOrvoRadioButton::StaticClassInfo(), TAccessibleRole::RadioButton);
    RegisterAccessibleRole(TOrvoStaticText::StaticClassInfo(), TAccessibleRole::StaticText);
    RegisterAccessibleRole(TOrvoBackground::StaticClassInfo(), TAccessibleRole::Graphic);
    return true;
}();
}  // namespace

}  // namespace Orvo
