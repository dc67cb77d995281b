// A form described in text, compiled into the program, read at start-up and
// shown. With --check the program drives it the way a user would (the space
// bar ticks the check box), optionally writes a PNG of the form, and exits
// 0 only when everything answered as it should; without it, it simply runs.
#include <cstdio>
#include <cstring>
#include <string>

#include "host/qt/Automation.h"
#include "host/framework/Forms.h"
#include "host/framework/Streaming.h"
#include "orvo/OrvoCheckControls.h"

using namespace Orvo;

namespace {

int Fail(const std::string& what) {
    std::fprintf(stderr, "orvo_hello: %s\n", what.c_str());
    return 1;
}

int Check(TForm* form, const char* pngPath) {
    // The library's classes registered themselves when it was loaded: the
    // form reader found them by name.
    if (!FindClass("TOrvoCheckBox") || !FindClass("TOrvoButton")) return Fail("library classes are not registered");
    auto* agree = dynamic_cast<TOrvoCheckBox*>(form->FindComponent("Agree"));
    if (!agree) return Fail("the form has no check box 'Agree'");
    ShowFormForAutomation(form);
    agree->SetFocus();
    SendKey(form, VK_SPACE);
    ProcessPendingPaints();
    if (!agree->Checked()) return Fail("the space bar did not tick the check box");
    if (pngPath) {
        std::string error;
        if (!RenderClientArea(form, pngPath, error)) return Fail(error);
    }
    std::printf("%s: '%s' is %s\n", form->Caption().c_str(), agree->Caption().c_str(),
                agree->Checked() ? "checked" : "unchecked");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (check) {
        UseOffscreenPlatform();
        SilenceQtWarnings();
    }
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    try {
        InitInheritedComponent(form, "THELLOFORM");
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    if (check) {
        const int rc = Check(form, argc > 2 ? argv[2] : nullptr);
        Application->FreeForms();
        return rc;
    }
    Application->Run();
    return 0;
}
