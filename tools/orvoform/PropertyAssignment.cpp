#include "PropertyAssignment.h"

#include <cctype>
#include <exception>
#include <new>

#include "ToolError.h"
#include "host/framework/Classes.h"
#include "host/framework/FormText.h"
#include "host/framework/Streaming.h"
#include "host/framework/TypeInfo.h"

using namespace Orvo;

namespace {

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// The value text parsed by the form-description parser, as the one property
// of a one-object description: what is valid after `Prop =` is valid here.
TValue ParseValue(const std::string& property, const std::string& valueText, const std::string& what) {
    if (valueText.find_first_of("\r\n") != std::string::npos)
        throw EToolError("invalid value for " + what + ": a value is written on one line");
    TFormObject tree;
    try {
        tree = ParseFormText("object Value: TValue\n  " + property + " = " + valueText + "\nend\n");
    } catch (const EFormTextError& e) {
        throw EToolError("invalid value '" + valueText + "' for " + what + ": " + e.Message());
    }
    if (tree.Properties.size() != 1 || !tree.Children.empty())
        throw EToolError("invalid value '" + valueText + "' for " + what);
    return tree.Properties.front().Value;
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = path.find('.', start);
        parts.push_back(path.substr(start, dot == std::string::npos ? dot : dot - start));
        if (dot == std::string::npos) return parts;
        start = dot + 1;
    }
}

}  // namespace

TComponent* FindFormComponent(TComponent* form, const std::string& name) {
    if (SameName(form->Name(), name)) return form;
    if (TComponent* c = form->FindComponent(name)) return c;
    throw EToolError("unknown component '" + name + "'");
}

void AssignPublishedProperty(TComponent* form, TComponent* component, const std::string& path,
                             const std::string& valueText) {
    const std::string what = component->Name() + "." + path;
    const std::vector<std::string> parts = SplitPath(path);

    // Down the sub-objects: every part but the last names an object property.
    TObject* target = component;
    std::string walked = component->Name();
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const TPropInfo* prop = target->ClassInfo().FindPublished(parts[i]);
        if (!prop) throw EToolError("unknown property '" + parts[i] + "' of " + walked + " (" + target->ClassName() + ")");
        if (prop->Kind != TPropKind::Object || !prop->SubObject)
            throw EToolError("property " + walked + "." + parts[i] + " has no sub-properties");
        TPersistent* sub = prop->SubObject(*target);
        if (!sub) throw EToolError("property " + walked + "." + parts[i] + " holds no object now");
        target = sub;
        walked += "." + parts[i];
    }

    const std::string& last = parts.back();
    const TPropInfo* prop = target->ClassInfo().FindPublished(last);
    if (!prop) throw EToolError("unknown property '" + last + "' of " + walked + " (" + target->ClassName() + ")");
    if (prop->Kind == TPropKind::Object || !prop->Set)
        throw EToolError("property " + what + " cannot be assigned a value; set one of its own properties");

    const TValue value = ParseValue(last, valueText, what);
    // Names resolve the way the form reader resolves them.
    const TRootBinding binding(form);
    try {
        prop->Set(*target, value, &binding);
    } catch (const EPropertyError& e) {
        throw EToolError("invalid value '" + valueText + "' for " + what + ": " + e.what());
    } catch (const std::bad_alloc&) {
        throw;  // not the value's fault: the caller says what ran out of memory
    } catch (const std::exception& e) {
        throw EToolError("cannot set " + what + " to '" + valueText + "': " + e.what());
    }
}
