#include "host/framework/TypeInfo.h"

#include <algorithm>
#include <cctype>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"

namespace Orvo {

namespace {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::map<std::string, const TClassInfo*, std::less<>>& Registry() {
    static std::map<std::string, const TClassInfo*, std::less<>> registry;
    return registry;
}

std::string Describe(const TValue& v) {
    switch (v.kind) {
        case TValue::Kind::Integer: return "the number " + std::to_string(v.integer);
        case TValue::Kind::Ident: return "the identifier " + v.text;
        case TValue::Kind::String: return "a string";
        case TValue::Kind::Set: return "a set";
        case TValue::Kind::List: return "a list";
        case TValue::Kind::Binary: return "binary data";
    }
    return "a value";
}

}  // namespace

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}
const TClassInfo& TObject::ClassInfo() const { return StaticClassInfo(); }
std::string TObject::ClassName() const { return ClassInfo().Name; }
bool TObject::InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }

const TClassInfo& TPersistent::StaticClassInfo() {
    static const TClassInfo info("TPersistent", &TObject::StaticClassInfo());
    return info;
}
const TClassInfo& TPersistent::ClassInfo() const { return StaticClassInfo(); }
void TPersistent::Assign(const TPersistent* source) {
    throw EPropertyError("cannot assign " + (source ? source->ClassName() : std::string("nil")) + " to " + ClassName());
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, Factory create)
    : Name(std::move(name)), Parent(parent), Create(std::move(create)) {
    if (Parent) Published = Parent->Published;
}

const TPropInfo* TClassInfo::FindPublished(std::string_view name) const {
    for (const TPropInfo& p : Published)
        if (SameText(p.Name, name)) return &p;
    return nullptr;
}

namespace {

// Where FindDefined finds `name`: the list and the index in it.
std::pair<const TPropList*, std::size_t> FindDefinedEntry(const TClassInfo& info, std::string_view name) {
    for (const TClassInfo* c = &info; c; c = c->Parent)
        for (const TPropList* list : {&c->Defined, &c->Published})
            for (std::size_t i = 0; i < list->size(); ++i)
                if (SameText((*list)[i].Name, name)) return {list, i};
    return {nullptr, 0};
}

}  // namespace

const TPropInfo* TClassInfo::FindDefined(std::string_view name) const {
    const auto [list, index] = FindDefinedEntry(*this, name);
    return list ? &(*list)[index] : nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == &other) return true;
    return false;
}

void TPropList::remove(std::string_view name) {
    std::erase_if(FEntries, [&](const std::shared_ptr<TPropInfo>& p) { return SameText(p->Name, name); });
}

TPropInfo& TPropList::Edit(std::size_t index) {
    std::shared_ptr<TPropInfo>& entry = FEntries.at(index);
    if (entry.use_count() > 1) entry = std::make_shared<TPropInfo>(*entry);
    return *entry;
}

void PublishProperty(TClassInfo& info, std::string_view name, const std::optional<std::optional<TValue>>& defaultOverride) {
    const auto [list, index] = FindDefinedEntry(info, name);
    if (!list) throw std::logic_error(info.Name + " publishes " + std::string(name) + ", which nothing defines");
    // Held before the old place is removed: the entry may be that very one.
    TPropList found;
    found.push_back_shared(*list, index);
    info.Published.remove(name);
    info.Published.push_back_shared(found, 0);
    if (defaultOverride) info.Published.EditBack().Default = *defaultOverride;
}

void RegisterClass(const TClassInfo& info) { Registry()[info.Name] = &info; }

const TClassInfo* FindClass(std::string_view name) {
    auto& r = Registry();
    auto it = r.find(name);
    if (it != r.end()) return it->second;
    for (const auto& [key, info] : r)
        if (SameText(key, name)) return info;
    return nullptr;
}

std::vector<const TClassInfo*> RegisteredClasses() {
    std::vector<const TClassInfo*> out;
    for (const auto& [key, info] : Registry()) out.push_back(info);
    return out;
}

std::string ValueToWindowText(const TValue& v) {
    std::string text = ValueToString(v);
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        throw EPropertyError("#0 cannot stand in a window's text (it would end the text after " + std::to_string(nul) +
                             " characters)");
    return text;
}

std::int64_t ValueToInteger(const TValue& v, std::int64_t min, std::int64_t max) {
    if (v.kind != TValue::Kind::Integer) throw EPropertyError("a number is expected, not " + Describe(v));
    if (v.integer < min || v.integer > max)
        throw EPropertyError(std::to_string(v.integer) + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
    return v.integer;
}

bool ValueToBoolean(const TValue& v) {
    if (v.kind == TValue::Kind::Ident) {
        if (SameText(v.text, "True")) return true;
        if (SameText(v.text, "False")) return false;
    }
    throw EPropertyError("True or False is expected, not " + Describe(v));
}

std::string ValueToString(const TValue& v) {
    if (v.kind != TValue::Kind::String) throw EPropertyError("a string is expected, not " + Describe(v));
    return v.text;
}

int ValueToEnum(const TValue& v, const std::vector<std::string>& names) {
    if (v.kind == TValue::Kind::Ident) {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (SameText(names[i], v.text)) return int(i);
        throw EPropertyError(v.text + " is not one of the allowed values");
    }
    throw EPropertyError("a value name is expected, not " + Describe(v));
}

std::uint32_t ValueToSet(const TValue& v, const std::vector<std::string>& names) {
    if (v.kind != TValue::Kind::Set) throw EPropertyError("a set is expected, not " + Describe(v));
    std::uint32_t bits = 0;
    for (const std::string& n : v.names) {
        bool found = false;
        for (std::size_t i = 0; i < names.size() && i < 32; ++i)
            if (SameText(names[i], n)) { bits |= 1u << i; found = true; }
        if (!found) throw EPropertyError(n + " is not a member of this set");
    }
    return bits;
}

std::int32_t ValueToColor(const TValue& v) {
    if (v.kind == TValue::Kind::Ident) {
        if (auto c = IdentToColor(v.text)) return *c;
        throw EPropertyError(v.text + " is not a colour name");
    }
    if (v.kind == TValue::Kind::Integer) {
        if (v.integer < INT32_MIN || v.integer > 0xFFFFFFFFll) throw EPropertyError("colour value out of range");
        return std::int32_t(std::uint32_t(v.integer));
    }
    throw EPropertyError("a colour is expected, not " + Describe(v));
}

TValue ColorToValue(std::int32_t color) {
    if (auto name = ColorToIdent(color)) return TValue::Identifier(*name);
    return TValue::Int(std::int64_t(std::uint32_t(color)), true);
}

TValue SetToValue(std::uint32_t bits, const std::vector<std::string>& names) {
    std::vector<std::string> members;
    for (std::size_t i = 0; i < names.size() && i < 32; ++i)
        if (bits & (1u << i)) members.push_back(names[i]);
    return TValue::SetOf(std::move(members));
}

TComponent* ResolveComponentReference(const TValue& v, const TBindingContext* context, const std::string& property) {
    if (v.kind != TValue::Kind::Ident) throw EPropertyError("a component name is expected for " + property);
    if (SameText(v.text, "nil")) return nullptr;
    if (!context) throw EPropertyError("no form to find the component " + v.text + " in");
    TComponent* c = context->FindComponentByName(v.text);
    if (!c) throw EPropertyError("the form has no component " + v.text);
    return c;
}

std::string ReferenceOfWrongClass(const TComponent& target, const std::string& property) {
    return target.Name() + " is a " + target.ClassName() + ", which " + property + " cannot hold";
}

std::optional<TValue> ComponentReferenceValue(const TComponent* c) {
    if (!c || c->Name().empty()) return std::nullopt;
    return TValue::Identifier(c->Name());
}

}  // namespace Orvo
