#pragma once
// Where orvoform's form comes from: a form description file, standard input
// ("-") or the demonstration program's own form ("demo").

#include <string>
#include <string_view>

namespace Orvo {
class TCustomForm;
}  // namespace Orvo

// The form as the program would create it (owned by Application, OnCreate
// run), not shown yet. Throws EFormLoadError ("FILE:LINE: message") for a
// description that cannot be read or made into a form.
Orvo::TCustomForm* LoadForm(const std::string& source);

// The same for a description already read; `fileName` names it in messages.
Orvo::TCustomForm* LoadFormText(std::string_view text, const std::string& fileName);

// The demonstration program's form with its handlers bound, or throws
// EToolError when this build does not include it (DemoForm.cpp).
Orvo::TCustomForm* CreateDemoForm();
