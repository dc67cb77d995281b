// Runs arbitrary orvoform step scripts on the demonstration form: one step a
// line, as orvoform takes them on its command line (lines starting with # are
// comments), through orvoform's own step parser and runner.
//
// A script runs as orvoform runs it: a malformed step refuses the whole
// script before anything happens, and a step that is refused (status 2)
// ends it. Nothing may crash, trip a sanitizer or raise from the form's own
// code (status 1), a component reference a set: step was allowed to give
// must be the one the property then holds, and the form must still be
// written and read back afterwards.
//
// Two things are done less often than orvoform does them, or the target
// would run a few dozen scripts a second: the pending paints are done after
// each script rather than after each step (the steps' events are still
// handled one by one), and scripts run in batches on one form, like the
// random input test: kScriptsPerForm scripts, then the written form is read
// back and a fresh form is made. A fault may therefore need the scripts
// before it on the same form: with ORVO_STEPS_HISTORY=FILE every script
// since the form was made is kept in FILE (the last one is the one that
// failed), and running this target on that file replays them one after the
// other on one form. fuzz/run.sh keeps scripts to about ten steps
// (-max_len=256) for the same reason.

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "headless_application.h"
#include "same_text.h"
#include "PropertyAssignment.h"
#include "Step.h"
#include "StepRunner.h"
#include "ToolError.h"
#include "Unit1.h"
#include "host/framework/Streaming.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/Dialogs.h"

using namespace Orvo;

namespace {

constexpr int kScriptsPerForm = 256;

// Between the scripts of a kept history.
constexpr std::string_view kScriptSeparator = "\n# --- script\n";

[[noreturn]] void Broken(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "orvoform steps: %s\n%s\n", what.c_str(), detail.c_str());
    std::abort();
}

// The scripts run on the current form, appended to ORVO_STEPS_HISTORY.
class THistory {
public:
    THistory() {
        if (const char* path = std::getenv("ORVO_STEPS_HISTORY")) FPath = path;
    }
    void Restart() {
        if (FPath.empty()) return;
        if (FFd >= 0) close(FFd);
        FFd = open(FPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    }
    void Add(std::string_view script) {
        if (FFd < 0) return;
        std::string text = std::string(kScriptSeparator) + std::string(script);
        if (text.back() != '\n') text += '\n';
        if (write(FFd, text.data(), text.size()) < 0) Broken("cannot keep the history", FPath);
    }

private:
    std::string FPath;
    int FFd = -1;
};

// The demonstration form, shown as orvoform shows it, with what its own code
// raises collected.
class TDemoStage {
public:
    TForm1& Form() {
        if (!FForm) {
            TColorDialog::ClearScriptedAnswers();
            FForm = std::make_unique<TForm1>(nullptr);
            FForm->AfterConstruction();
            ShowFormForAutomation(FForm.get());
            CheckRaised("making the form");
            FScripts = 0;
            FHistory.Restart();
        }
        return *FForm;
    }

    void Begin(std::string_view script) { FHistory.Add(script); }

    // After a script: once a batch is done, the form must write and read back.
    void End() {
        TColorDialog::ClearScriptedAnswers();
        if (++FScripts < kScriptsPerForm) return;
        std::string text;
        try {
            text = WriteComponentText(FForm.get());
            std::unique_ptr<TComponent> copy(ReadComponentFromText(text, "steps.form"));
        } catch (const std::exception& e) {
            Broken(std::string("the form the scripts left cannot be written and read back: ") + e.what(), text);
        }
        FForm.reset();
        CheckRaised("freeing the form");
    }

    void CheckRaised(const std::string& during) {
        if (RaisedByForms().empty()) return;
        const std::string what = RaisedByForms().front();
        RaisedByForms().clear();
        Broken(during + ": the form raised: " + what, "");
    }

private:
    std::unique_ptr<TForm1> FForm;
    THistory FHistory;
    int FScripts = 0;
};

// Never freed: the form must not outlive the application object at exit.
TDemoStage& Stage() {
    static TDemoStage* stage = new TDemoStage;
    return *stage;
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line[0] != '#') lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// A reference that a set: step gave and the property took must be what it
// then holds: one it cannot hold is refused, never dropped or swapped.
void CheckReferenceKept(TComponent* form, const TStep& step) {
    if (step.Kind != TStepKind::Set) return;
    TObject* target = FindFormComponent(form, step.Name);
    std::string_view path = step.Property;
    const TPropInfo* p = nullptr;
    while (true) {
        const std::size_t dot = path.find('.');
        p = target->ClassInfo().FindPublished(path.substr(0, dot));
        if (!p || dot == std::string_view::npos) break;
        target = p->SubObject ? p->SubObject(*target) : nullptr;
        if (!target) return;
        path.remove_prefix(dot + 1);
    }
    if (!p || p->Kind != TPropKind::Component || !p->Get) return;
    std::string_view given = step.Value;
    while (!given.empty() && std::isspace(static_cast<unsigned char>(given.front()))) given.remove_prefix(1);
    while (!given.empty() && std::isspace(static_cast<unsigned char>(given.back()))) given.remove_suffix(1);
    const std::optional<TValue> held = p->Get(*target);
    if (!SameText(held ? held->text : std::string("nil"), given))
        Broken("a reference set: gave was taken but another is held", step.Text + " -> " + (held ? held->text : "nil"));
}

void RunScript(std::string_view script) {
    std::vector<TStep> steps;
    try {
        for (const std::string& line : Lines(script)) steps.push_back(ParseStep(line));
    } catch (const EToolError&) {
        return;  // orvoform refuses the command line before it makes the form
    }
    if (steps.empty()) return;

    TDemoStage& stage = Stage();
    TStepRunner runner(&stage.Form());
    stage.Begin(script);
    for (const TStep& step : steps) {
        try {
            runner.Run(step);
        } catch (const EToolError&) {
            break;  // refused with status 2: the run ends here
        } catch (const std::exception& e) {
            Broken("step '" + step.Text + "' failed with something other than a refusal", e.what());
        }
        CheckReferenceKept(&stage.Form(), step);
        stage.CheckRaised("step '" + step.Text + "'");
        std::string dialog;
        if (TakeDismissedDialog(dialog)) break;  // a dialog with no answer: refused
    }
    ProcessPendingPaints();
    stage.CheckRaised("painting after the script");
    stage.End();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartHeadlessApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One script, or the scripts of a kept history one after the other.
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (true) {
        const std::size_t separator = input.find(kScriptSeparator);
        RunScript(input.substr(0, separator));
        if (separator == std::string_view::npos) return 0;
        input.remove_prefix(separator + kScriptSeparator.size());
    }
}
