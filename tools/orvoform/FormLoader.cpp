#include "FormLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "ToolError.h"
#include "host/framework/Forms.h"
#include "host/framework/FormText.h"
#include "host/framework/Streaming.h"

using namespace Orvo;

namespace {

// The name standard input goes by in messages.
const std::string StdinName = "<stdin>";

[[noreturn]] void TooLong(const std::string& fileName) {
    throw EFormLoadError(fileName + ":0: more than " + std::to_string(MaxFormTextSize) + " bytes (" +
                         std::to_string(MaxFormTextSize >> 20) + " MB), the most a form description may have");
}

// The whole text behind a descriptor, refused as soon as it is known to be
// longer than a form description may be: a regular file by its size before
// reading, anything else (a pipe, a device) once that much has arrived.
std::string ReadAll(int fd, const std::string& fileName) {
    std::string text;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        if (std::uint64_t(st.st_size) > MaxFormTextSize) TooLong(fileName);
        text.reserve(std::size_t(st.st_size));
    }
    char buffer[1 << 16];
    while (true) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0) return text;
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EFormLoadError(fileName + ":0: cannot read: " + std::strerror(errno));
        }
        if (text.size() + std::size_t(n) > MaxFormTextSize) TooLong(fileName);
        text.append(buffer, std::size_t(n));
    }
}

std::string ReadDescription(const std::string& source, std::string& fileName) {
    if (source == "-") {
        fileName = StdinName;
        return ReadAll(STDIN_FILENO, fileName);
    }
    fileName = source;
    const int fd = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw EFormLoadError(source + ":0: cannot open: " + std::strerror(errno));
    try {
        std::string text = ReadAll(fd, fileName);
        close(fd);
        return text;
    } catch (...) {
        close(fd);
        throw;
    }
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// An empty form of the description's class, owned by Application.
TCustomForm* CreateRootForm(const TFormObject& tree, const std::string& fileName) {
    const std::string where = fileName + ":" + std::to_string(tree.Line) + ": ";
    const TClassInfo* info = FindClass(tree.ClassName);
    if (info && info->Create) {
        TComponent* root = info->Create(Application);
        if (auto* form = dynamic_cast<TCustomForm*>(root)) return form;
        delete root;
        throw EFormLoadError(where + "the root object is a " + tree.ClassName + ", not a form");
    }
    // The plain form is the root of every description that has no form
    // class of its own.
    if (SameName(tree.ClassName, TForm::StaticClassInfo().Name)) return new TForm(Application);
    if (info) throw EFormLoadError(where + "a " + tree.ClassName + " cannot be made from a description");
    throw EFormLoadError(where + "unknown class " + tree.ClassName);
}

}  // namespace

TCustomForm* LoadForm(const std::string& source) {
    if (source == "demo") {
        try {
            return CreateDemoForm();
        } catch (const EReadError& e) {
            throw EFormLoadError(e.what());
        }
    }

    std::string fileName;
    const std::string text = ReadDescription(source, fileName);
    return LoadFormText(text, fileName);
}

TCustomForm* LoadFormText(std::string_view text, const std::string& fileName) {
    TFormObject tree;
    try {
        tree = ParseFormText(text);
    } catch (const EFormTextError& e) {
        throw EFormLoadError(fileName + ":" + std::to_string(e.Line()) + ": " + e.Message());
    }
    TCustomForm* form = CreateRootForm(tree, fileName);
    try {
        ReadComponentTree(form, tree, fileName);
    } catch (const EReadError& e) {
        delete form;
        throw EFormLoadError(e.what());
    } catch (...) {
        delete form;
        throw;
    }
    // What Application->CreateForm does after the constructor: OnCreate.
    form->AfterConstruction();
    return form;
}
