// Feeds arbitrary bytes to the form-text parser. Whatever parses must print,
// and the printed text must parse to the same tree and print to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/framework/FormText.h"

using namespace Orvo;

namespace {

[[noreturn]] void Mismatch(const char* what, const std::string& printed) {
    std::fprintf(stderr, "form text round trip broken: %s\n--- printed ---\n%s\n", what, printed.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TFormObject tree;
    try {
        tree = ParseFormText(text);
    } catch (const EFormTextError&) {
        return 0;  // malformed input is expected; it must only be refused cleanly
    }
    const std::string printed = PrintFormText(tree);  // a parsed tree is always printable
    TFormObject reparsed;
    try {
        reparsed = ParseFormText(printed);
    } catch (const EFormTextError& e) {
        Mismatch(e.what(), printed);
    }
    if (!(reparsed == tree)) Mismatch("the tree changed", printed);
    if (PrintFormText(reparsed) != printed) Mismatch("the printed text changed", printed);
    return 0;
}
