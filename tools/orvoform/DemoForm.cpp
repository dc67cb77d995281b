// The demonstration program's form, when this build links it in (the demo's
// form library puts its folder on the include path). Without it, `demo`
// says so instead of failing to build.
#include "FormLoader.h"

#include "ToolError.h"
#include "host/framework/Forms.h"

#if __has_include("Unit1.h")
#include "Unit1.h"
#define ORVOFORM_DEMO_FORM 1
#elif __has_include("demo/Unit1.h")
#include "demo/Unit1.h"
#define ORVOFORM_DEMO_FORM 1
#endif

using namespace Orvo;

TCustomForm* CreateDemoForm() {
#ifdef ORVOFORM_DEMO_FORM
    // As the program's start-up does it: the description "TFORM1" is read,
    // handlers bound, OnCreate run.
    Application->CreateForm(Form1);
    return Form1;
#else
    throw EToolError("the demonstration form is not built in");
#endif
}
