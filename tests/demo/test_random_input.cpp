// Random user input on the demonstration form, in orvoform's own step
// language and through its step runner: hovering, presses released over
// the control or elsewhere, double clicks, keys, accelerators, picks, colour
// dialogs, focus moves, property assignments with good and bad values, and
// window re-creation. Nothing may crash, trip a sanitizer or leak (CI runs
// this under AddressSanitizer and UndefinedBehaviorSanitizer), no exception
// may escape from the form's own code, and the form must still be written
// and read back afterwards.
//
// The scripts come from fixed seeds, so every run is the same. They run in
// batches, each on a fresh form. A batch that fails is kept as a file in
// random_input_cases/ (beside this file), which the second test replays from
// then on; a batch that kills the process is found in the pending file by
// the next run and kept the same way.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Step.h"
#include "StepRunner.h"
#include "ToolError.h"
#include "Unit1.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/Dialogs.h"
#include "host/framework/Streaming.h"
#include "host/roundtrip_check_support.h"

using namespace Orvo;

namespace {

namespace fs = std::filesystem;

// 1,000 scripts of one to five steps, 40 on each form: short enough for the
// sanitizer build. ORVO_RANDOM_SCRIPTS asks for more.
constexpr int kDefaultScripts = 1000;
constexpr int kScriptsPerForm = 40;
constexpr int kMaxStepsPerScript = 5;

int ScriptCount() {
    const char* text = std::getenv("ORVO_RANDOM_SCRIPTS");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : kDefaultScripts;
}

// ---------------------------------------------------------------- what the form offers

struct TTarget {
    std::string Name;
    int Width = 0, Height = 0;
    bool Control = false;
    bool Library = false;  // one of the library's controls (the left half)
    bool Combo = false;
    std::vector<std::string> Paths;          // published properties, dotted
    std::vector<const TPropInfo*> Props;     // one per path
};

// Read once from a freshly loaded form; scripts name components by name.
struct TFormMap {
    std::vector<TTarget> Targets;
    std::vector<std::string> Names;
    std::string Accelerators;  // the characters after "&" in captions
};

TFormMap MapForm(TForm1& form) {
    TFormMap map;
    std::vector<TComponent*> all{&form};
    for (int i = 0; i < form.ComponentCount(); ++i) all.push_back(form.Components(i));
    for (TComponent* c : all) {
        if (c->Name().empty()) continue;
        TTarget t;
        t.Name = c->Name();
        if (auto* control = dynamic_cast<TControl*>(c)) {
            t.Control = true;
            t.Width = control->Width();
            t.Height = control->Height();
            const std::string caption = control->Caption();
            const std::size_t amp = caption.find('&');
            if (amp != std::string::npos && amp + 1 < caption.size()) map.Accelerators += caption[amp + 1];
        }
        t.Library = c->ClassName().rfind("TOrvo", 0) == 0;
        t.Combo = dynamic_cast<TComboBox*>(c) != nullptr;
        for (const std::string& path : roundtrip::PropertyPaths(*c)) {
            const std::optional<roundtrip::TSlot> slot = roundtrip::Resolve(c, path);
            if (!slot) continue;
            t.Paths.push_back(path);
            t.Props.push_back(slot->Property);
        }
        map.Names.push_back(t.Name);
        map.Targets.push_back(std::move(t));
    }
    return map;
}

// ---------------------------------------------------------------- the generator

class TScriptWriter {
public:
    TScriptWriter(const TFormMap& map, std::uint32_t seed) : FMap(map), FRandom(seed) {}

    std::vector<std::string> Script() {
        std::vector<std::string> steps;
        const int count = Between(1, kMaxStepsPerScript);
        for (int i = 0; i < count; ++i) steps.push_back(Step());
        return steps;
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <class T>
    const T& Pick(const std::vector<T>& v) { return v[std::size_t(Between(0, int(v.size()) - 1))]; }

    // Mostly the library's controls; the pages' stock controls drive them.
    const TTarget& AnyControl() {
        const bool library = Chance(65);
        while (true) {
            const TTarget& t = Pick(FMap.Targets);
            if (t.Control && (t.Library || !library)) return t;
        }
    }

    // NAME or NAME@X,Y with the point inside or a little outside.
    std::string Where(const TTarget& t) {
        if (Chance(40)) return t.Name;
        return t.Name + "@" + std::to_string(Between(-8, t.Width + 8)) + "," + std::to_string(Between(-8, t.Height + 8));
    }

    std::string Step() {
        const int roll = Between(1, 100);
        if (roll <= 12) return "hover:" + Where(AnyControl());
        if (roll <= 22) return "press:" + Where(AnyControl());
        if (roll <= 32) return "release:" + Where(AnyControl());  // over the control pressed, or elsewhere
        if (roll <= 44) return "click:" + Where(AnyControl());
        if (roll <= 49) return "dblclick:" + Where(AnyControl());
        if (roll <= 60) return "key:" + Key();
        if (roll <= 64) return "alt:" + Accelerator();
        if (roll <= 68) return "focus:" + AnyControl().Name;
        if (roll <= 72) return ComboPick();
        if (roll <= 76) return Dialog();
        if (roll <= 82) return Recreate();
        return Assignment();
    }

    std::string Key() {
        static const std::vector<std::string> keys = {"Enter", "Space", "Tab", "Escape", "Left", "Right",
                                                      "Up",    "Down",  "Backspace", "a", "x", "1", "&"};
        return Pick(keys);
    }

    std::string Accelerator() {
        if (!FMap.Accelerators.empty() && Chance(70))
            return std::string(1, FMap.Accelerators[std::size_t(Between(0, int(FMap.Accelerators.size()) - 1))]);
        return std::string(1, char('a' + Between(0, 25)));
    }

    std::string ComboPick() {
        std::vector<std::string> combos;
        for (const TTarget& t : FMap.Targets)
            if (t.Combo) combos.push_back(t.Name);
        if (combos.empty()) return "key:Tab";
        return "pick:" + Pick(combos) + "=" + std::to_string(Between(0, 5));  // 4 and 5 are past most lists
    }

    std::string Dialog() {
        if (Chance(30)) return "dialog:cancel";
        char text[8];
        std::snprintf(text, sizeof text, "#%06X", unsigned(Between(0, 0xFFFFFF)));
        return std::string("dialog:") + text;
    }

    // Setters that destroy and create the control's window again.
    std::string Recreate() {
        std::vector<const TTarget*> candidates;
        for (const TTarget& t : FMap.Targets)
            if (std::find(t.Paths.begin(), t.Paths.end(), "BorderColor") != t.Paths.end()) candidates.push_back(&t);
        if (candidates.empty()) return "key:Tab";
        const TTarget& t = *Pick(candidates);
        if (Chance(50)) return "set:" + t.Name + ".Alignment=" + (Chance(50) ? "taLeftJustify" : "taRightJustify");
        return "set:" + t.Name + ".BorderColor=" + ColorText();
    }

    std::string Assignment() {
        const TTarget* t = &AnyControl();
        while (t->Paths.empty()) t = &Pick(FMap.Targets);
        const std::size_t k = std::size_t(Between(0, int(t->Paths.size()) - 1));
        return "set:" + t->Name + "." + t->Paths[k] + "=" + ValueText(t->Paths[k], *t->Props[k]);
    }

    std::string ColorText() {
        static const std::vector<std::string> names = {"clRed", "clWindow", "clBtnFace", "clBlack", "clHighlight", "clNone"};
        if (Chance(40)) return Pick(names);
        char text[12];
        std::snprintf(text, sizeof text, "$%08X", unsigned(Between(0, 0xFFFFFF)));
        return text;
    }

    std::string StringText() {
        static const std::string letters = "abcXYZ &&'";
        std::string out = "'";
        const int n = Chance(10) ? 120 : Between(0, 12);
        for (int i = 0; i < n; ++i) {
            const char c = letters[std::size_t(Between(0, int(letters.size()) - 1))];
            out += c == '\'' ? "''" : std::string(1, c);
        }
        out += "'";
        if (Chance(15)) out += "#13'second'";
        return out;
    }

    // Sizes, size constraints and font heights mostly stay within what a
    // screen shows, so the other steps still meet visible controls; now and
    // then they get the edges of the accepted range and values beyond it.
    static bool IsGeometry(const std::string& path) {
        static const std::vector<std::string> geometry = {"Left", "Top", "Width", "Height", "ClientWidth",
                                                          "ClientHeight", "Font.Height", "Font.Size"};
        return path.rfind("Constraints.", 0) == 0 ||
               std::find(geometry.begin(), geometry.end(), path) != geometry.end();
    }

    std::string ValueText(const std::string& path, const TPropInfo& p) {
        const bool wrong = Chance(15);
        switch (p.Kind) {
            case TPropKind::Boolean:
                return wrong ? "Maybe" : (Chance(50) ? "True" : "False");
            case TPropKind::Integer: {
                if (IsGeometry(path)) {
                    static const std::vector<std::string> edges = {"16777215", "-16777215", "16777216", "-16777216",
                                                                   "32767",    "2147483647", "-2147483648"};
                    if (Chance(5)) return Pick(edges);
                    return std::to_string(path.rfind("Font.", 0) == 0 ? Between(-40, 40) : Between(-20, 700));
                }
                if (wrong) {
                    static const std::vector<std::string> extremes = {"2147483647", "-2147483648", "99999999999",
                                                                      "-99999999999", "'seven'", "$FFFFFFFF"};
                    return Pick(extremes);
                }
                return std::to_string(Between(-3, 300));
            }
            case TPropKind::Enum:
                if (wrong || p.ValueNames.empty()) return "zzNoSuchValue";
                return Pick(p.ValueNames);
            case TPropKind::Set: {
                if (wrong) return "[zzNoSuchMember]";
                std::string out = "[";
                for (const std::string& n : p.ValueNames)
                    if (Chance(40)) out += (out.size() > 1 ? ", " : "") + n;
                return out + "]";
            }
            case TPropKind::Color:
                if (wrong) return Chance(50) ? "$1FFFFFFFF" : "clNoSuchColour";
                return ColorText();
            case TPropKind::String:
                if (p.Name == "Data") return wrong ? "{00FF}" : "{}";
                return wrong ? "12" : StringText();
            case TPropKind::List: {
                std::string out = "(";
                const int n = Between(0, 7);
                for (int i = 0; i < n; ++i) out += (i ? " " : "") + StringText();
                return out + ")";
            }
            case TPropKind::Event: {
                static const std::vector<std::string> handlers = {"FormShow", "cb_cbTransparentClick",
                                                                  "OrvoButton2Click", "co_rbBorderChange", "NoSuchHandler"};
                return Pick(handlers);
            }
            case TPropKind::Component:
                return Chance(20) ? "nil" : Pick(FMap.Names);
            default:
                return "0";
        }
    }

    const TFormMap& FMap;
    std::mt19937 FRandom;
};

// ---------------------------------------------------------------- the runner

// How many steps were carried out and how many refused, over all batches.
struct TTally {
    long Done = 0;
    long Refused = 0;
};
TTally& Tally() {
    static TTally tally;
    return tally;
}

// Runs steps on a fresh demo form; answers what went wrong, or "".
class TBatchRun {
public:
    TBatchRun() {
        Application->OnException = [this](TObject*, const std::exception& e) { FRaised.push_back(e.what()); };
        TColorDialog::ClearScriptedAnswers();
        FForm = std::make_unique<TForm1>(nullptr);
        FForm->AfterConstruction();
        ShowFormForAutomation(FForm.get());
    }
    ~TBatchRun() {
        FForm.reset();
        TColorDialog::ClearScriptedAnswers();
        Application->OnException = nullptr;
    }

    TForm1& Form() { return *FForm; }

    std::string Run(const std::string& text) {
        try {
            const TStep step = ParseStep(text);
            TStepRunner(FForm.get()).Run(step);
            ++Tally().Done;
        } catch (const EToolError&) {
            // Refused input (a hidden control, a value out of range): what
            // orvoform reports with status 2. Not a fault.
            ++Tally().Refused;
        } catch (const std::exception& e) {
            return "step '" + text + "' threw: " + e.what();
        }
        ProcessPendingPaints();
        std::string title;
        TakeDismissedDialog(title);
        if (!FRaised.empty()) return "step '" + text + "': the form raised: " + FRaised.front();
        return "";
    }

    // The form as the steps left it can be written and read again.
    std::string CheckWrittenFormReads() {
        std::string text;
        try {
            text = WriteComponentText(FForm.get());
        } catch (const std::exception& e) {
            return std::string("writing the form failed: ") + e.what();
        }
        try {
            std::unique_ptr<TComponent> copy(ReadComponentFromText(text, "random.form"));
        } catch (const std::exception& e) {
            return std::string("the written form cannot be read: ") + e.what();
        }
        return "";
    }

private:
    std::unique_ptr<TForm1> FForm;
    std::vector<std::string> FRaised;
};

std::string RunBatch(const std::vector<std::string>& steps) {
    TBatchRun run;
    for (const std::string& step : steps)
        if (std::string fault = run.Run(step); !fault.empty()) return fault;
    return run.CheckWrittenFormReads();
}

// ---------------------------------------------------------------- kept cases

const fs::path kCases = ORVO_RANDOM_INPUT_CASES;
const fs::path kPending = ORVO_RANDOM_INPUT_PENDING;

void WriteSteps(const fs::path& file, const std::string& header, const std::vector<std::string>& steps) {
    std::ofstream out(file, std::ios::trunc);
    out << "# " << header << "\n";
    for (const std::string& s : steps) out << s << "\n";
}

std::vector<std::string> ReadSteps(const fs::path& file) {
    std::vector<std::string> steps;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') steps.push_back(line);
    return steps;
}

// Keeps a failing batch as a case; answers where.
fs::path Keep(const std::string& name, const std::string& header, const std::vector<std::string>& steps) {
    fs::create_directories(kCases);
    const fs::path file = kCases / (name + ".steps");
    WriteSteps(file, header, steps);
    return file;
}

std::vector<std::string> Batch(const TFormMap& map, std::uint32_t seed, int scripts) {
    TScriptWriter writer(map, seed);
    std::vector<std::string> steps;
    for (int s = 0; s < scripts; ++s)
        for (std::string& step : writer.Script()) steps.push_back(std::move(step));
    return steps;
}

TEST(RandomInput, SeededScriptsOnTheDemoFormRaiseNothingAndLeaveAReadableForm) {
    // A run that died in a batch left it behind: keep it and say so.
    if (fs::exists(kPending)) {
        std::string header;
        std::getline(std::ifstream(kPending) >> std::ws, header);
        const fs::path kept = Keep("died-" + header.substr(header.find_last_of(' ') + 1),
                                   "a run died in this batch (" + header + ")", ReadSteps(kPending));
        fs::remove(kPending);
        ADD_FAILURE() << "the previous run died in a batch, now kept as " << kept;
    }

    TFormMap map;
    {
        TForm1 form(nullptr);
        map = MapForm(form);
    }
    ASSERT_GT(map.Targets.size(), 50u);

    SilenceQtWarnings();
    DismissUnexpectedDialogs();
    Tally() = {};
    const int scripts = ScriptCount();
    int failures = 0;
    for (int first = 0; first < scripts; first += kScriptsPerForm) {
        const std::uint32_t seed = 0x5EED0000u + std::uint32_t(first);
        const std::vector<std::string> steps = Batch(map, seed, std::min(kScriptsPerForm, scripts - first));
        WriteSteps(kPending, "seed " + std::to_string(seed), steps);
        const std::string fault = RunBatch(steps);
        fs::remove(kPending);
        if (fault.empty()) continue;
        ++failures;
        const fs::path kept = Keep("seed-" + std::to_string(seed), "seed " + std::to_string(seed) + ": " + fault, steps);
        ADD_FAILURE() << "seed " << seed << ": " << fault << "\n  kept as " << kept;
        if (failures >= 3) break;
    }
    std::printf("%d scripts: %ld steps carried out, %ld refused as bad input\n", scripts, Tally().Done,
                Tally().Refused);
    // Most steps must do something, or the scripts test little.
    EXPECT_GT(Tally().Done, 2 * Tally().Refused);
}

TEST(RandomInput, KeptCasesStillPass) {
    std::vector<fs::path> files;
    if (fs::is_directory(kCases))
        for (const fs::directory_entry& e : fs::directory_iterator(kCases))
            if (e.path().extension() == ".steps") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << "the kept cases live in " << kCases;
    SilenceQtWarnings();
    DismissUnexpectedDialogs();
    for (const fs::path& file : files) {
        const std::vector<std::string> steps = ReadSteps(file);
        EXPECT_FALSE(steps.empty()) << file;
        EXPECT_EQ(RunBatch(steps), "") << file;
    }
}

}  // namespace
