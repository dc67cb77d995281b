// A window read from a form description file while the program runs, its
// event names bound to the program's own handlers. With --check the program
// types a name, clicks the check box and then Send as a user would, writes a PNG
// when given a path, and exits 0 only when every handler answered.
//
//   orvo_loadform [--check [PNG]] [FORM]     (FORM: Survey.form beside the program)
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "host/framework/FormLoading.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoEditControls.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;

namespace {

int Fail(const std::string& what) {
    std::fprintf(stderr, "orvo_loadform: %s\n", what.c_str());
    return 1;
}

// The program's side of the form: its handlers and what they did.
class TSurvey {
public:
    TFormHandlers Handlers() {
        TFormHandlers handlers;
        handlers.Add("NameChange", [this](TObject*) { UpdateSend(); })
            .Add("SubscribeClick", [this](TObject*) { UpdateSend(); })
            .Add("SendClick", [this](TObject*) { Send(); });
        return handlers;
    }
    void Attach(TForm* form) {
        FForm = form;
        FName = Find<TOrvoEdit>("NameEdit");
        FSubscribe = Find<TOrvoCheckBox>("Subscribe");
        FSend = Find<TOrvoButton>("Send");
        FStatus = Find<TLabel>("Status");
    }
    TOrvoEdit* Name() const { return FName; }
    TOrvoCheckBox* Subscribe() const { return FSubscribe; }
    TOrvoButton* SendButton() const { return FSend; }
    int SentCount() const { return FSent; }
    std::string Status() const { return FStatus->Caption(); }

private:
    template <class C>
    C* Find(const char* name) {
        auto* c = dynamic_cast<C*>(FForm->FindComponent(name));
        if (!c) throw std::runtime_error(std::string("the form has no ") + name + " of the expected class");
        return c;
    }
    // Send is for a named subscriber only. Handlers may run while the form
    // is still being read (before Attach): there is nothing to update then.
    void UpdateSend() {
        if (FSend) FSend->SetEnabled(!FName->Text().empty() && FSubscribe->Checked());
    }
    void Send() {
        ++FSent;
        FStatus->SetCaption("Sent to " + FName->Text());
    }

    TForm* FForm = nullptr;
    TOrvoEdit* FName = nullptr;
    TOrvoCheckBox* FSubscribe = nullptr;
    TOrvoButton* FSend = nullptr;
    TLabel* FStatus = nullptr;
    int FSent = 0;
};

int Check(TSurvey& survey, TForm* form, const char* pngPath) {
    ShowFormForAutomation(form);
    survey.Name()->SetFocus();
    for (char c : std::string("Ada")) SendChar(form, c);
    if (survey.SendButton()->Enabled()) return Fail("Send is enabled before the box is ticked");
    ClickMouse(survey.Subscribe(), ClientCentre(survey.Subscribe()));
    ProcessPendingPaints();
    if (!survey.Subscribe()->Checked()) return Fail("a click did not tick the check box");
    if (!survey.SendButton()->Enabled()) return Fail("SubscribeClick and NameChange did not enable Send");
    ClickMouse(survey.SendButton(), ClientCentre(survey.SendButton()));
    ProcessPendingPaints();
    if (survey.SentCount() != 1) return Fail("SendClick ran " + std::to_string(survey.SentCount()) + " times");
    if (pngPath) {
        std::string error;
        if (!RenderClientArea(form, pngPath, error)) return Fail(error);
    }
    std::printf("%s: %s\n", form->Caption().c_str(), survey.Status().c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int arg = 1;
    const bool check = arg < argc && std::strcmp(argv[arg], "--check") == 0;
    if (check) ++arg;
    const char* pngPath = nullptr;
    if (check && arg < argc && std::filesystem::path(argv[arg]).extension() == ".png") pngPath = argv[arg++];
    const std::string formPath =
        arg < argc ? argv[arg] : (std::filesystem::path(argv[0]).parent_path() / "Survey.form").string();
    if (check) {
        UseOffscreenPlatform();
        SilenceQtWarnings();
    }
    Application->Initialize(argc, argv);

    TSurvey survey;
    TForm* form = nullptr;
    try {
        form = LoadFormFile(formPath, survey.Handlers());  // owned by Application, its main form
        survey.Attach(form);
    } catch (const std::exception& e) {
        return Fail(e.what());  // "Survey.form:27: ..." for a broken description
    }
    if (check) {
        const int rc = Check(survey, form, pngPath);
        Application->FreeForms();
        return rc;
    }
    Application->Run();
    return 0;
}
