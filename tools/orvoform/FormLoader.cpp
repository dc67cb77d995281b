#include "FormLoader.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "ToolError.h"
#include "host/framework/Forms.h"
#include "host/framework/FormText.h"
#include "host/framework/Streaming.h"

using namespace Orvo;

namespace {

// The name standard input goes by in messages.
const std::string StdinName = "<stdin>";

std::string ReadAll(std::istream& in) {
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ReadDescription(const std::string& source, std::string& fileName) {
    if (source == "-") {
        fileName = StdinName;
        std::string text = ReadAll(std::cin);
        if (std::cin.bad()) throw EFormLoadError(fileName + ":0: cannot read standard input");
        return text;
    }
    fileName = source;
    // A directory would open as a file and read as nothing.
    std::error_code ignored;
    if (std::filesystem::is_directory(source, ignored))
        throw EFormLoadError(source + ":0: cannot read: " + std::strerror(EISDIR));
    errno = 0;
    std::ifstream file(source, std::ios::binary);
    if (!file) throw EFormLoadError(source + ":0: cannot open: " + std::strerror(errno ? errno : ENOENT));
    std::string text = ReadAll(file);
    if (file.bad()) throw EFormLoadError(source + ":0: cannot read: " + std::strerror(errno ? errno : EIO));
    return text;
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
    }
    // What Application->CreateForm does after the constructor: OnCreate.
    form->AfterConstruction();
    return form;
}
