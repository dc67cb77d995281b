// A window built in code: a form class that creates its controls in its
// constructor, each owned by the form (which frees them) and placed on a
// parent (where it shows), with its events set as lambdas. With --check the
// program types a name, ticks the box and clicks Send as a user would,
// writes a PNG when given a path, and exits 0 only when everything answered.
//
//   orvo_incode [--check [PNG]]
#include <OrvoControls/OrvoControls.h>

#include <cstdio>
#include <cstring>
#include <string>

using namespace Orvo;

namespace {

class TOrderForm : public TForm {
public:
    explicit TOrderForm(TComponent* owner) : TForm(owner) {
        SetCaption("Order");
        SetClientSize(280, 130);

        auto* background = new TOrvoBackground(this);
        background->SetParent(this);
        background->SetAlign(alClient);
        background->SetStyle(gsVertical);
        background->SetGradientStartColor(clSkyBlue);
        background->SetGradientEndColor(clWhite);

        FName = new TOrvoEdit(this);
        FName->SetName("NameEdit");
        FName->SetParent(this);
        FName->SetBounds(12, 12, 160, 21);
        FName->OnChange = [this](TObject*) { UpdateSend(); };

        FSubscribe = new TOrvoCheckBox(this);
        FSubscribe->SetName("Subscribe");
        FSubscribe->SetParent(this);
        FSubscribe->SetBounds(12, 44, 200, 19);
        FSubscribe->SetCaption("&Subscribe to the letter");
        FSubscribe->SetTransparent(true);
        FSubscribe->OnClick = [this](TObject*) { UpdateSend(); };

        FSend = new TOrvoButton(this);
        FSend->SetName("Send");
        FSend->SetParent(this);
        FSend->SetBounds(12, 76, 90, 40);
        FSend->SetCaption("Send");
        FSend->SetEnabled(false);
        FSend->OnClick = [this](TObject*) { ++FSent; };

        UpdateSend();
    }

    TOrvoEdit* Name() const { return FName; }
    TOrvoCheckBox* Subscribe() const { return FSubscribe; }
    TOrvoButton* SendButton() const { return FSend; }
    int SentCount() const { return FSent; }

private:
    void UpdateSend() {
        // OnChange of the edit may come while the constructor still runs.
        if (FSend) FSend->SetEnabled(!FName->Text().empty() && FSubscribe && FSubscribe->Checked());
    }

    TOrvoEdit* FName = nullptr;
    TOrvoCheckBox* FSubscribe = nullptr;
    TOrvoButton* FSend = nullptr;
    int FSent = 0;
};

int Fail(const std::string& what) {
    std::fprintf(stderr, "orvo_incode: %s\n", what.c_str());
    return 1;
}

int Check(TOrderForm* form, const char* pngPath) {
    ShowFormForAutomation(form);
    form->Name()->SetFocus();
    for (char c : std::string("Ada")) SendChar(form, c);
    if (form->Name()->Text() != "Ada") return Fail("typing gave '" + form->Name()->Text() + "'");
    if (form->SendButton()->Enabled()) return Fail("Send is enabled before the box is ticked");
    ClickMouse(form->Subscribe(), ClientCentre(form->Subscribe()));
    ProcessPendingPaints();
    if (!form->Subscribe()->Checked() || !form->SendButton()->Enabled())
        return Fail("ticking the box did not enable Send");
    ClickMouse(form->SendButton(), ClientCentre(form->SendButton()));
    ProcessPendingPaints();
    if (form->SentCount() != 1) return Fail("Send ran " + std::to_string(form->SentCount()) + " times");
    if (pngPath) {
        std::string error;
        if (!RenderClientArea(form, pngPath, error)) return Fail(error);
    }
    std::printf("%s: sent to %s\n", form->Caption().c_str(), form->Name()->Text().c_str());
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
    TOrderForm* form = nullptr;
    Application->CreateForm(form);  // owned by Application, its main form
    if (check) {
        const int rc = Check(form, argc > 2 ? argv[2] : nullptr);
        Application->FreeForms();
        return rc;
    }
    Application->Run();
    return 0;
}
