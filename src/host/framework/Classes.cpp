#include "host/framework/Classes.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace Orvo {

namespace {

bool EqualText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

void EraseValue(std::vector<TComponent*>& v, const TComponent* c) {
    v.erase(std::remove(v.begin(), v.end(), c), v.end());
}

// Removes the last entry equal to `c`. Links and owned components mostly go
// in the reverse order they came, so the search starts at the end.
void EraseLast(std::vector<TComponent*>& v, const TComponent* c) {
    auto it = std::find(v.rbegin(), v.rend(), c);
    if (it != v.rend()) v.erase(std::next(it).base());
}

// Names compare without regard to case (ASCII letters, as EqualText).
struct TNameHash {
    std::size_t operator()(std::string_view name) const {
        std::size_t h = 14695981039346656037ull;
        for (char c : name) h = (h ^ std::size_t(std::tolower(static_cast<unsigned char>(c)))) * 1099511628211ull;
        return h;
    }
};
struct TNameEqual {
    bool operator()(std::string_view a, std::string_view b) const { return EqualText(a, b); }
};

// Below this many owned components a search is as fast as the index.
constexpr std::size_t kNameIndexThreshold = 32;

}  // namespace

bool LessText(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

// The owned components by name. A key views the component's own name, so a
// component is taken out before its name changes and put back after.
class TComponent::TNameIndex {
public:
    TComponent* Find(std::string_view name) const {
        auto it = FByName.find(name);
        return it == FByName.end() ? nullptr : it->second;
    }
    void Add(TComponent* c) {
        if (!c->FName.empty()) FByName.emplace(std::string_view(c->FName), c);
    }
    void Remove(const TComponent* c) {
        if (c->FName.empty()) return;
        auto it = FByName.find(std::string_view(c->FName));
        if (it != FByName.end() && it->second == c) FByName.erase(it);
    }

private:
    std::unordered_map<std::string_view, TComponent*, TNameHash, TNameEqual> FByName;
};

bool IsValidIdent(std::string_view name) {
    if (name.empty()) return false;
    auto alpha = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
    if (!alpha(name[0])) return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return alpha(c) || std::isdigit(static_cast<unsigned char>(c)); });
}

// ---------------------------------------------------------------- TComponent

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    DestroyComponents();
    RemoveNotificationLinks();
    if (FOwner) FOwner->RemoveComponent(this);
}

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TComponent", &TPersistent::StaticClassInfo());
        TClassBuilder<TComponent>(i).Int("Tag", &TComponent::Tag, &TComponent::SetTag).DefaultInt(0);
        return i;
    }();
    return info;
}
const TClassInfo& TComponent::ClassInfo() const { return StaticClassInfo(); }

void TComponent::SetName(const std::string& name) {
    if (name == FName) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    if (EqualText(name, "nil")) throw EComponentError("nil cannot name a component: a reference to it would mean none");
    if (FOwner && !name.empty()) {
        TComponent* other = FOwner->FindComponent(name);
        if (other && other != this) throw EComponentError("A component named " + name + " already exists");
    }
    TNameIndex* index = FOwner ? FOwner->FNameIndex.get() : nullptr;
    if (index) index->Remove(this);
    FName = name;
    if (index) index->Add(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError("Component index out of bounds (" + std::to_string(index) + ")");
    return FComponents[std::size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    if (FNameIndex) return FNameIndex->Find(name);
    for (TComponent* c : FComponents)
        if (EqualText(c->FName, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->FOwner == this) return;
    if (!component->FName.empty() && FindComponent(component->FName))
        throw EComponentError("A component named " + component->FName + " already exists");
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    if (FNameIndex) {
        FNameIndex->Add(component);
    } else if (FComponents.size() >= kNameIndexThreshold) {
        FNameIndex = std::make_unique<TNameIndex>();
        for (TComponent* c : FComponents) FNameIndex->Add(c);
    }
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->FOwner != this) return;
    // Siblings that refer to the leaving component learn of it through the
    // owner's Notification, which passes it on to them.
    if (!IsDestroying()) Notification(component, opRemove);
    if (FNameIndex) FNameIndex->Remove(component);
    EraseLast(FComponents, component);
    component->FOwner = nullptr;
}

void TComponent::SetComponentStateFlag(TComponentStateFlag flag, bool on) {
    if (on) FComponentState.Include(flag);
    else FComponentState.Exclude(flag);
}

void TComponent::SetDesigning(bool designing, bool includeOwned) {
    SetComponentStateFlag(csDesigning, designing);
    if (includeOwned)
        for (TComponent* c : FComponents) c->SetDesigning(designing, true);
}

void TComponent::ReadState(const TReadStateProc& readProperties) {
    SetComponentStateFlag(csReading, true);
    try {
        if (readProperties) readProperties();
    } catch (...) {
        SetComponentStateFlag(csReading, false);
        throw;
    }
    SetComponentStateFlag(csReading, false);
}

void TComponent::Loaded() { SetComponentStateFlag(csLoading, false); }

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

// Each request is one entry on both sides, so that two references to one
// component (a form's ActiveControl and PopupMenu) each keep the link: one
// of them let go leaves the other told of the component's death.
void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    EraseLast(FFreeNotifies, component);
    EraseLast(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component && !IsDestroying()) {
        // Pass the news on, so owned components drop references to a sibling.
        const std::vector<TComponent*> owned = FComponents;
        for (TComponent* c : owned)
            if (c != component) c->Notification(component, operation);
    }
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        // The destructor removes it from FComponents through RemoveComponent.
        delete last;
        if (!FComponents.empty() && FComponents.back() == last) FComponents.pop_back();
    }
}

void TComponent::Destroying() {
    if (IsDestroying()) return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::RemoveNotificationLinks() {
    // Tell everyone linked to this component, then cut the links. Each side
    // may drop links while being told, so work on a copy.
    std::vector<TComponent*> linked;
    for (TComponent* c : FFreeNotifies)
        if (std::find(linked.begin(), linked.end(), c) == linked.end()) linked.push_back(c);
    FFreeNotifies.clear();
    for (TComponent* c : linked) {
        EraseValue(c->FFreeNotifies, this);
        c->Notification(this, opRemove);
    }
}

// ---------------------------------------------------------------- TStrings

const TClassInfo& TStrings::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TStrings", &TPersistent::StaticClassInfo());
        TClassBuilder<TStrings>(i)
            .Raw(
                "Strings", TPropKind::List,
                [](const TStrings& s) -> std::optional<TValue> {
                    if (s.Count() == 0) return std::nullopt;
                    std::vector<TValue> items;
                    for (int k = 0; k < s.Count(); ++k) items.push_back(TValue::Str(s.Strings(k)));
                    return TValue::ListOf(std::move(items));
                },
                [](TStrings& s, const TValue& v) {
                    if (v.kind != TValue::Kind::List) throw EPropertyError("a list of strings is expected");
                    for (const TValue& item : v.items)
                        if (item.kind != TValue::Kind::String)
                            throw EPropertyError("every item of a string list must be a string");
                    s.BeginUpdate();
                    try {
                        s.Clear();
                        for (const TValue& item : v.items) s.Add(item.text);
                    } catch (...) {
                        s.EndUpdate();
                        throw;
                    }
                    s.EndUpdate();
                })
            .Publish({"Strings"});
        return i;
    }();
    return info;
}
const TClassInfo& TStrings::ClassInfo() const { return StaticClassInfo(); }

int TStrings::Add(const std::string& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    BeginUpdate();
    const int index = Add(s);
    SetObjects(index, object);
    EndUpdate();
    return index;
}

void TStrings::AddStrings(const TStrings& other) {
    // Copy first: `other` may be this list.
    std::vector<std::pair<std::string, TObject*>> lines;
    for (int k = 0; k < other.Count(); ++k) lines.emplace_back(other.Strings(k), other.Objects(k));
    BeginUpdate();
    for (auto& [text, object] : lines) AddObject(text, object);
    EndUpdate();
}

int TStrings::IndexOf(std::string_view s) const {
    for (int k = 0; k < Count(); ++k)
        if (EqualText(Strings(k), s)) return k;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int k = 0; k < Count(); ++k)
        if (Objects(k) == object) return k;
    return -1;
}

std::string TStrings::Text() const {
    std::string out;
    for (int k = 0; k < Count(); ++k) {
        out += Strings(k);
        out += "\r\n";
    }
    return out;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    try {
        Clear();
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string_view::npos) {
                Add(std::string(text.substr(start)));
                break;
            }
            Add(std::string(text.substr(start, end - start)));
            start = end + 1;
            if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> out;
    for (int k = 0; k < Count(); ++k) out.push_back(Strings(k));
    return out;
}

void TStrings::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TStrings*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    std::vector<std::pair<std::string, TObject*>> lines;
    for (int k = 0; k < other->Count(); ++k) lines.emplace_back(other->Strings(k), other->Objects(k));
    BeginUpdate();
    try {
        Clear();
        for (auto& [text, object] : lines) AddObject(text, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int k = 0; k < Count(); ++k)
        if (Strings(k) != other.Strings(k)) return false;
    return true;
}

void TStrings::BeginUpdate() { ++FUpdateCount; }

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        OnChange(this);
    }
}

void TStrings::Changed() {
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    // Copy the handler: it may detach or replace itself.
    const TNotifyEvent handler = OnChange;
    handler(this);
}

// ---------------------------------------------------------------- TStringList

TStringList::TStringList(std::initializer_list<std::string> lines) {
    for (const std::string& s : lines) FItems.push_back(TItem{s, nullptr});
}

const TClassInfo& TStringList::StaticClassInfo() {
    static const TClassInfo info("TStringList", &TStrings::StaticClassInfo());
    return info;
}
const TClassInfo& TStringList::ClassInfo() const { return StaticClassInfo(); }

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStringList::Strings(int index) const {
    CheckIndex(index);
    return FItems[std::size_t(index)].Text;
}

void TStringList::SetStrings(int index, const std::string& s) {
    CheckIndex(index);
    FItems[std::size_t(index)].Text = s;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return FItems[std::size_t(index)].Object;
}

void TStringList::SetObjects(int index, TObject* object) {
    CheckIndex(index);
    FItems[std::size_t(index)].Object = object;
    Changed();
}

void TStringList::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    FItems.insert(FItems.begin() + index, TItem{s, nullptr});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

void TStringList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(), [](const TItem& a, const TItem& b) { return LessText(a.Text, b.Text); });
    Changed();
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TComponent::StaticClassInfo());
    RegisterClass(TStringList::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
