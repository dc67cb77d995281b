#pragma once
// The application object of a fuzz target that makes forms: started once,
// headless, as orvoform starts it, with what the forms' own code raises
// collected for the target to judge instead of reported to a user.

#include <exception>
#include <string>
#include <vector>

#include "host/framework/Forms.h"
#include "host/qt/Automation.h"

using namespace Orvo;

inline std::vector<std::string>& RaisedByForms() {
    static std::vector<std::string> raised;
    return raised;
}

inline void StartHeadlessApplication(int& argc, char** argv) {
    UseOffscreenPlatform();
    SilenceQtWarnings();
    Application->Initialize(argc, argv);
    DismissUnexpectedDialogs();
    Application->OnException = [](TObject*, const std::exception& e) { RaisedByForms().push_back(e.what()); };
}
