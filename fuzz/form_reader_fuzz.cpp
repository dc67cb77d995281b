// Feeds arbitrary bytes to the form reader, reading into a form whose
// classes have a property of every kind (the streaming tests' classes).
//
// A refused description must leave the form as it was: no component, no
// bound field, no component alive (the sanitizers report leaks). An accepted
// one must write out, read back without error and write the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>

#include "host/framework/Streaming.h"
#include "test_streaming_classes.h"

using namespace Orvo;

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail) {
    std::fprintf(stderr, "form reader: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// The test control appends HintSecondLine to Hint on every read, as the
// library's controls do, so such a form changes each time it is read.
bool ChangesWhenReadAgain(const TComponent& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* c = dynamic_cast<const TTestControl*>(form.Components(i)); c && !c->HintSecondLine().empty()) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int liveBefore = TStreamLog::Get().Live;
    {
        TTestForm form(nullptr);
        bool accepted = true;
        // A refusal, or memory running out (Fragile's setter pretends to),
        // which the reader passes on as it is: either way nothing is left.
        const auto checkNothingLeft = [&](const std::exception& e) {
            accepted = false;
            if (form.ComponentCount() != 0) Broken("a refused read left components behind", e.what());
            if (form.Panel1 || form.Button1 || form.Group1 || form.Store1) Broken("a refused read left a field bound", e.what());
            if (TStreamLog::Get().Live != liveBefore + 1) Broken("a refused read left components alive", e.what());
        };
        try {
            ReadComponentText(&form, text, "fuzz.form");
        } catch (const EReadError& e) {
            checkNothingLeft(e);
        } catch (const std::bad_alloc& e) {
            checkNothingLeft(e);
        }
        if (accepted) {
            const std::string written = WriteComponentText(&form);
            TTestForm again(nullptr);
            try {
                ReadComponentText(&again, written, "written.form");
            } catch (const EReadError& e) {
                Broken("what the writer wrote cannot be read", std::string(e.what()) + "\n" + written);
            }
            if (!ChangesWhenReadAgain(form) && WriteComponentText(&again) != written)
                Broken("reading and writing again changed the text", written + "---\n" + WriteComponentText(&again));
        }
    }
    if (TStreamLog::Get().Live != liveBefore) Broken("components outlived their form", "");
    TStreamLog::Get().Events.clear();
    return 0;
}
