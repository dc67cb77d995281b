// orvoform: loads a form description headless, drives it with scripted
// input and writes what a user would see (PNG) or the form's description.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "FormLoader.h"
#include "PropertyAssignment.h"
#include "Step.h"
#include "StepRunner.h"
#include "ToolError.h"
#include "host/qt/Automation.h"
#include "host/framework/Forms.h"
#include "host/framework/Streaming.h"
#include "host/services/OutputFile.h"

using namespace Orvo;

namespace {

int ReportBadInput(const EToolError& e) {
    if (dynamic_cast<const EFormLoadError*>(&e))
        std::cerr << e.what() << "\n";
    else
        std::cerr << "orvoform: " << e.what() << "\n";
    return ExitBadInput;
}

// Exceptions that the form's own code raises while it handles input end up
// in the application's handler; the run fails on them after the step.
class TExceptionLog {
public:
    void Install() {
        Application->OnException = [this](TObject*, const std::exception& e) {
            FOutOfMemory = FOutOfMemory || dynamic_cast<const std::bad_alloc*>(&e);
            FMessages.push_back(e.what());
        };
    }
    // Throws when the form's code raised something since the last check.
    void Check(const std::string& during) {
        if (FOutOfMemory) throw EOutOfMemory(during);
        if (FMessages.empty()) return;
        const std::string message = FMessages.front();
        FMessages.clear();
        throw std::runtime_error(during + ": the form raised: " + message);
    }

private:
    std::vector<std::string> FMessages;
    bool FOutOfMemory = false;
};

// Runs one part of the work; memory running out in it is the machine's
// limit, not a fault of the input, and is told as what was being done.
template <class TWork>
decltype(auto) Doing(const std::string& during, TWork&& work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory(during);
    }
}

TWinControl* ControlToRender(TCustomForm* form, const std::string& name) {
    if (name.empty()) return form;
    auto* control = dynamic_cast<TWinControl*>(FindFormComponent(form, name));
    if (!control) throw EToolError("'" + name + "' is not a windowed control");
    return control;
}

int Run(const TCommandLine& line, const std::vector<TStep>& steps) {
    // What stands at the output path is refused before any work is done
    // (and again when the picture is written).
    if (line.Command == TCommandLine::TCommand::Render)
        if (const std::string why = OutputPathProblem(line.Output); !why.empty())
            throw EToolError("cannot write " + line.Output + ": " + why);

    TExceptionLog exceptions;
    exceptions.Install();

    TCustomForm* form = Doing("loading the form", [&] { return LoadForm(line.Form); });
    exceptions.Check("loading the form");
    TWinControl* pictured =
        line.Command == TCommandLine::TCommand::Render ? ControlToRender(form, line.Control) : nullptr;

    Doing("showing the form", [&] { ShowFormForAutomation(form); });
    exceptions.Check("showing the form");
    TStepRunner runner(form);
    for (const TStep& step : steps) {
        const std::string during = "step '" + step.Text + "'";
        try {
            Doing(during, [&] { runner.Run(step); });
        } catch (const EToolError& e) {
            throw EToolError(during + ": " + e.what());
        }
        Doing(during, [] { ProcessPendingPaints(); });
        std::string dialog;
        if (TakeDismissedDialog(dialog))
            throw EToolError("step '" + step.Text + "': a dialog ('" + dialog +
                             "') opened with no answer; give one before it with dialog:#RRGGBB or dialog:cancel");
        exceptions.Check(during);
    }

    if (line.Command == TCommandLine::TCommand::Dump) {
        std::cout << Doing("writing the form", [&] { return WriteComponentText(form); });
        std::cout.flush();
        if (!std::cout) throw std::runtime_error("cannot write to standard output");
        return ExitSuccess;
    }
    // A client area the steps or the form made empty has no picture; that
    // is the input's doing, not a failure of the tool.
    if (pictured->ClientWidth() <= 0 || pictured->ClientHeight() <= 0)
        throw EToolError("nothing to render: the client area of " + pictured->Name() + " is empty (" +
                         std::to_string(pictured->ClientWidth()) + " x " + std::to_string(pictured->ClientHeight()) +
                         " pixels)");
    std::string error;
    if (!Doing("rendering the picture", [&] { return RenderClientArea(pictured, line.Output, error); }))
        throw std::runtime_error(error);
    return ExitSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    TCommandLine line;
    std::vector<TStep> steps;
    try {
        line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        for (const std::string& text : line.Steps) steps.push_back(ParseStep(text));
    } catch (const EToolError& e) {
        ReportBadInput(e);
        std::cerr << "Try 'orvoform --help'.\n";
        return ExitBadInput;
    }
    if (line.Command == TCommandLine::TCommand::Help) {
        std::cout << UsageText();
        return ExitSuccess;
    }

    // Qt sees only the program name: the tool's own arguments are not its.
    UseOffscreenPlatform(line.Scale);
    SilenceQtWarnings();
    static int qtArgc = 1;
    static char* qtArgv[] = {argv[0], nullptr};
    Application->Initialize(qtArgc, qtArgv);
    DismissUnexpectedDialogs();

    int status = ExitSuccess;
    try {
        status = Run(line, steps);
    } catch (const EToolError& e) {
        status = ReportBadInput(e);
    } catch (const std::bad_alloc&) {
        std::cerr << "orvoform: out of memory\n";
        status = ExitFailure;
    } catch (const std::exception& e) {
        std::cerr << "orvoform: " << e.what() << "\n";
        status = ExitFailure;
    }
    Application->FreeForms();
    return status;
}
