// Feeds arbitrary bytes to orvoform's form loader with every class the host,
// the control library and the demonstration program register, so the
// controls' own setters, Loaded and layout run on hostile values.
//
// A refused description must leave nothing behind (no form, no component;
// the sanitizers report leaks). An accepted one must keep every component
// reference it was given, and must write out, read back without error and,
// read again, write the same bytes.

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
#include "FormLoader.h"
#include "ToolError.h"
#include "host/framework/Forms.h"
#include "host/framework/FormText.h"
#include "host/framework/Streaming.h"

using namespace Orvo;

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail) {
    std::fprintf(stderr, "form library: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// A library control appends HintSecondLine to Hint when it is read, so a form
// with one changes each time it is read.
bool ChangesWhenReadAgain(const TComponent& form) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
        const TComponent* c = form.Components(i);
        const TPropInfo* second = c->ClassInfo().FindPublished("HintSecondLine");
        if (!second || !second->Get) continue;
        const std::optional<TValue> value = second->Get(*c);
        if (value && !value->text.empty()) return true;
    }
    return false;
}

// Every component reference the description gave still names what it named
// once the form is read (the last one given, where a property is given twice).
void CheckReferencesKept(TComponent* form, TComponent* component, const TFormObject& object, const std::string& text) {
    for (const TFormObject& child : object.Children)
        if (TComponent* c = child.Name.empty() ? nullptr : form->FindComponent(child.Name))
            CheckReferencesKept(form, c, child, text);
    for (std::size_t i = 0; i < object.Properties.size(); ++i) {
        const TFormProperty& stored = object.Properties[i];
        bool givenAgain = false;
        for (std::size_t k = i + 1; k < object.Properties.size(); ++k)
            givenAgain = givenAgain || SameText(object.Properties[k].Name, stored.Name);
        if (givenAgain || stored.Name.find('.') != std::string::npos) continue;
        const TPropInfo* p = component->ClassInfo().FindPublished(stored.Name);
        if (!p || p->Kind != TPropKind::Component || !p->Get) continue;
        const std::optional<TValue> now = p->Get(*component);
        if (!SameText(now ? now->text : std::string("nil"), stored.Value.text))
            Broken("a component reference was dropped or changed",
                   object.Name + "." + stored.Name + " = " + stored.Value.text + "\n" + text);
    }
}

TCustomForm* Load(std::string_view text, const std::string& fileName) {
    RaisedByForms().clear();
    TCustomForm* form = LoadFormText(text, fileName);
    if (!RaisedByForms().empty()) Broken("the form's code raised while it was loaded", RaisedByForms().front());
    return form;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartHeadlessApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int formsBefore = Application->ComponentCount();
    std::unique_ptr<TCustomForm> form;
    try {
        form.reset(Load(text, "fuzz.form"));
    } catch (const EFormLoadError&) {
        if (Application->ComponentCount() != formsBefore) Broken("a refused form was left behind", std::string(text));
        return 0;
    } catch (const std::exception& e) {
        Broken("loading failed with something other than a form error", e.what());
    }
    CheckReferencesKept(form.get(), form.get(), ParseFormText(text), std::string(text));

    std::string written;
    try {
        written = WriteComponentText(form.get());
    } catch (const std::exception& e) {
        Broken("an accepted form cannot be written", e.what());
    }
    const bool changesWhenRead = ChangesWhenReadAgain(*form);
    form.reset();
    try {
        form.reset(Load(written, "written.form"));
    } catch (const std::exception& e) {
        Broken("what the writer wrote cannot be read", std::string(e.what()) + "\n" + written);
    }
    const std::string again = WriteComponentText(form.get());
    if (!changesWhenRead && again != written)
        Broken("reading and writing again changed the text", written + "---\n" + again);
    form.reset();
    if (Application->ComponentCount() != formsBefore) Broken("forms outlived the run", written);
    return 0;
}
