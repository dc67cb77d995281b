#include "host/framework/Streaming.h"

#include <algorithm>
#include <any>
#include <cctype>
#include <new>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/framework/Classes.h"
#include "host/services/Resources.h"
#include "host/framework/TypeInfo.h"

namespace Orvo {

namespace {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Sets a component state flag for the length of a scope.
class TStateFlagScope {
public:
    TStateFlagScope(TComponent* component, TComponentStateFlag flag) : FComponent(component), FFlag(flag) {
        FWasSet = component->ComponentState().Contains(flag);
        component->SetComponentStateFlag(flag, true);
    }
    ~TStateFlagScope() {
        if (!FWasSet) FComponent->SetComponentStateFlag(FFlag, false);
    }
    TStateFlagScope(const TStateFlagScope&) = delete;
    TStateFlagScope& operator=(const TStateFlagScope&) = delete;

private:
    TComponent* FComponent;
    TComponentStateFlag FFlag;
    bool FWasSet = false;
};

// ---------------------------------------------------------------- writer

// Sub-objects nest (Font inside a control); deeper chains would be a cycle.
constexpr int MaxSubObjectDepth = 16;

class TFormWriter {
public:
    explicit TFormWriter(TComponent* root) : FRoot(root) {}

    TFormObject WriteComponent(TComponent* component) {
        if (!FWritten.insert(component).second)
            throw std::logic_error(component->ClassName() + " " + component->Name() + " is listed twice for writing");
        TStateFlagScope writing(component, csWriting);
        TFormObject object;
        object.Name = component->Name();
        object.ClassName = component->ClassName();
        WriteProperties(*component, component->ClassInfo(), "", object.Properties, 0);
        std::vector<TComponent*> children;
        component->GetChildren([&](TComponent* child) { if (child && child->Owner() == FRoot) children.push_back(child); },
                               FRoot);
        for (TComponent* child : children) object.Children.push_back(WriteComponent(child));
        return object;
    }

private:
    void WriteProperties(TObject& object, const TClassInfo& info, const std::string& prefix,
                         std::vector<TFormProperty>& out, int depth) {
        if (depth > MaxSubObjectDepth) throw std::logic_error("sub-objects nest too deep at " + prefix);
        for (const TPropInfo& p : info.Published) {
            if (p.IsStored && !p.IsStored(object)) continue;
            if (p.Kind == TPropKind::Object) {
                TPersistent* sub = p.SubObject ? p.SubObject(object) : nullptr;
                if (sub) WriteProperties(*sub, sub->ClassInfo(), prefix + p.Name + ".", out, depth + 1);
                continue;
            }
            if (!p.Get) continue;
            std::optional<TValue> value = p.Get(object);
            if (!value) continue;
            if (p.Default && *p.Default == *value) continue;
            out.push_back(TFormProperty{prefix + p.Name, std::move(*value), 0});
        }
    }

    TComponent* FRoot;
    std::set<const TComponent*> FWritten;
};

// ---------------------------------------------------------------- reader

// Follows the components a read creates, so a failed read can free exactly
// those still alive (a component's destructor may free others first).
class TCreatedComponents : public TComponent {
public:
    TCreatedComponents() : TComponent(nullptr) {}
    ~TCreatedComponents() override {
        // Cut the links without telling anyone twice; the newest link is
        // the last, so each goes without a search.
        for (auto it = FItems.rbegin(); it != FItems.rend(); ++it) RemoveFreeNotification(*it);
    }

    void Add(TComponent* c) {
        FItems.push_back(c);
        FAlive.insert(c);
        FreeNotification(c);
    }
    bool Contains(const TComponent* c) const { return FAlive.count(c) != 0; }
    const std::vector<TComponent*>& Items() const { return FItems; }

    // Frees the components still alive, the most recently created first.
    void FreeAll() {
        while (!FItems.empty()) {
            TComponent* last = FItems.back();
            FItems.pop_back();
            FAlive.erase(last);
            RemoveFreeNotification(last);
            delete last;
        }
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        if (operation == opRemove && FAlive.erase(component))
            FItems.erase(std::remove(FItems.begin(), FItems.end(), component), FItems.end());
        TComponent::Notification(component, operation);
    }

private:
    std::vector<TComponent*> FItems;
    std::unordered_set<const TComponent*> FAlive;
};

class TFormReader {
public:
    TFormReader(TComponent* root, std::string fileName, const TFormHandlers* handlers)
        : FRoot(root), FFileName(std::move(fileName)), FBinding(root, handlers) {}

    void Read(const TFormObject& tree) {
        const std::string oldName = FRoot->Name();
        const bool wasLoading = FRoot->ComponentState().Contains(csLoading);
        try {
            ReadRoot(tree);
        } catch (...) {
            Undo(oldName, wasLoading);
            throw;
        }
    }

private:
    struct TDeferredReference {
        TObject* Target;
        const TPropInfo* Property;
        const TFormProperty* Stored;
        std::string Where;  // "Component.Property" for messages
    };
    struct TBoundField {
        std::string Name;
        TComponent* Component;
    };

    [[noreturn]] void Fail(int line, const std::string& message) const { throw EReadError(FFileName, line, message); }
    // Fails at the line with what a setter, constructor or Loaded threw;
    // except when memory ran out, which is no fault of the description: that
    // goes up as it is, for the caller to report as what it is.
    [[noreturn]] void FailFrom(const std::exception& cause, int line, const std::string& message) const {
        if (dynamic_cast<const std::bad_alloc*>(&cause)) throw;
        Fail(line, message);
    }

    void ReadRoot(const TFormObject& tree) {
        const TClassInfo& rootClass = FRoot->ClassInfo();
        bool classFits = false;
        for (const TClassInfo* c = &rootClass; c; c = c->Parent)
            if (SameText(c->Name, tree.ClassName)) classFits = true;
        if (!classFits) Fail(tree.Line, "the description is of a " + tree.ClassName + ", not of a " + rootClass.Name);

        FRoot->SetComponentStateFlag(csLoading, true);
        FLines[FRoot] = tree.Line;
        if (!tree.Name.empty() && tree.Name != FRoot->Name()) {
            // A reference by that name would mean the component, a step
            // the form: the form and its components answer to one name each.
            if (FRoot->FindComponent(tree.Name))
                Fail(tree.Line, "the form cannot take the name " + tree.Name + ", which a component of it has");
            try {
                FRoot->SetName(tree.Name);
            } catch (const std::exception& e) {
                FailFrom(e, tree.Line, e.what());
            }
        }
        ReadComponent(FRoot, tree);
        ResolveReferences(false);
        CallLoaded();
        // A component's own parts ("RadioGroup1.Button0") may only be made
        // when it has finished loading.
        ResolveReferences(true);
    }

    TComponent* CreateChild(const TFormObject& object, TComponent* parent) {
        const TClassInfo* info = FindClass(object.ClassName);
        if (!info) Fail(object.Line, "unknown class " + object.ClassName);
        if (!info->Create) Fail(object.Line, "the class " + info->Name + " cannot be created from a description");
        if (!object.Name.empty() && FRoot->FindComponent(object.Name))
            Fail(object.Line, "a component named " + object.Name + " already exists");
        if (!object.Name.empty() && SameText(object.Name, FRoot->Name()))
            Fail(object.Line, object.Name + " is the form's own name; a component of it needs another");

        TComponent* child = nullptr;
        try {
            child = info->Create(FRoot);
        } catch (const std::exception& e) {
            FailFrom(e, object.Line, "creating " + Describe(object) + " failed: " + e.what());
        }
        if (!child) Fail(object.Line, "the class " + info->Name + " created nothing");
        FCreated.Add(child);
        FLines[child] = object.Line;
        child->SetComponentStateFlag(csLoading, true);
        child->SetComponentStateFlag(csReading, true);

        try {
            child->SetName(object.Name);
        } catch (const std::exception& e) {
            FailFrom(e, object.Line, e.what());
        }
        BindField(object, child);
        if (child->HasParent()) {
            try {
                child->SetParentComponent(parent);
            } catch (const std::exception& e) {
                FailFrom(e, object.Line, Describe(object) + " cannot be placed on " + Describe(parent) + ": " + e.what());
            }
            // A parent that does not take the child (a button inside a label)
            // would leave it nowhere. (One that takes it but would not write
            // it is found once all its children are read: CheckWritten.)
            if (child->GetParentComponent() != parent)
                Fail(object.Line, Describe(object) + " cannot be placed on " + Describe(parent));
        }
        return child;
    }

    // A parent that takes a child but does not stream it (a radio group,
    // whose buttons are its own) would leave it out of the next write while
    // references to it stay: what was read could not be written back. The
    // parent lists what it writes once for all the children read into it,
    // not once a child: that listing costs as much as it has children.
    void CheckWritten(TComponent* parent, const std::vector<std::pair<TComponent*, const TFormObject*>>& placed) {
        if (placed.empty()) return;
        std::unordered_set<const TComponent*> written;
        parent->GetChildren([&](TComponent* c) { written.insert(c); }, FRoot);
        for (const auto& [child, object] : placed)
            if (FCreated.Contains(child) && !written.count(child))
                Fail(object->Line, Describe(*object) + " cannot be placed on " + Describe(parent));
    }

    void BindField(const TFormObject& object, TComponent* child) {
        const TFieldTable* fields = FRoot->FieldTable();
        if (!fields || object.Name.empty()) return;
        switch (fields->Bind(FRoot, object.Name, child)) {
            case TFieldTable::TBindResult::NoField: return;
            case TFieldTable::TBindResult::Bound: FBoundFields.push_back({object.Name, child}); return;
            case TFieldTable::TBindResult::WrongType:
                Fail(object.Line, "the field " + object.Name + " of " + FRoot->ClassName() + " cannot hold a " + child->ClassName());
        }
    }

    // Reads the component's properties and then its children, inside its
    // ReadState, so an override can bracket all of it.
    void ReadComponent(TComponent* component, const TFormObject& object) {
        try {
            component->ReadState([&] {
                for (const TFormProperty& p : object.Properties) ReadProperty(component, object, p);
                std::vector<std::pair<TComponent*, const TFormObject*>> placed;
                for (const TFormObject& childObject : object.Children) {
                    TComponent* child = CreateChild(childObject, component);
                    if (child->HasParent()) placed.emplace_back(child, &childObject);
                    ReadComponent(child, childObject);
                }
                CheckWritten(component, placed);
            });
        } catch (const EReadError&) {
            throw;
        } catch (const std::exception& e) {
            // An override of ReadState threw on its own account.
            FailFrom(e, object.Line, Describe(object) + ": " + e.what());
        } catch (...) {
            Fail(object.Line, Describe(object) + ": an unknown error");
        }
        // The base ReadState clears csReading; an override might not.
        component->SetComponentStateFlag(csReading, false);
    }

    // "Name.Property", how messages name a stored property. Made only for a
    // message or a deferred reference: a form's sound properties need none.
    static std::string Where(const TFormObject& object, const TFormProperty& stored) {
        return (object.Name.empty() ? object.ClassName : object.Name) + "." + stored.Name;
    }

    void ReadProperty(TComponent* component, const TFormObject& object, const TFormProperty& stored) {
        const std::string_view name = stored.Name;
        TObject* target = component;
        // Through the sub-objects of a dotted name (Font.Color) to the last part.
        std::size_t start = 0;
        for (std::size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.', start)) {
            const std::string_view part = name.substr(start, dot - start);
            const TPropInfo* p = target->ClassInfo().FindPublished(part);
            if (!p)
                Fail(stored.Line, target->ClassName() + " has no property " + std::string(part) + " (reading " +
                                      Where(object, stored) + ")");
            if (p->Kind != TPropKind::Object)
                Fail(stored.Line,
                     Where(object, stored) + ": " + std::string(part) + " is not an object with properties of its own");
            TPersistent* sub = p->SubObject ? p->SubObject(*target) : nullptr;
            if (!sub) Fail(stored.Line, Where(object, stored) + ": " + std::string(part) + " is not there to be read into");
            target = sub;
            start = dot + 1;
        }
        const std::string_view last = name.substr(start);
        const TPropInfo* p = target->ClassInfo().FindPublished(last);
        if (!p)
            Fail(stored.Line, target->ClassName() + " has no property " + std::string(last) + " (reading " +
                                  Where(object, stored) + ")");
        if (p->Kind == TPropKind::Object)
            Fail(stored.Line, Where(object, stored) + ": an object property is read through its own properties (" +
                                  stored.Name + ".Name...)");
        if (!p->Set) Fail(stored.Line, Where(object, stored) + " is read-only");
        if (p->Kind == TPropKind::Component) {
            // The component named may come later in the description.
            FReferences.push_back({target, p, &stored, Where(object, stored)});
            return;
        }
        Assign(*target, *p, stored, [&] { return Where(object, stored); });
    }

    // Sets a stored value; `where` names it in the message of a failure.
    template <class WhereFn>
    void Assign(TObject& target, const TPropInfo& p, const TFormProperty& stored, const WhereFn& where) {
        try {
            p.Set(target, stored.Value, &FBinding);
        } catch (const EReadError&) {
            throw;
        } catch (const std::exception& e) {
            FailFrom(e, stored.Line, where() + ": " + e.what());
        } catch (...) {
            Fail(stored.Line, where() + ": an unknown error");
        }
    }

    void ResolveReferences(bool toParts) {
        for (const TDeferredReference& r : FReferences) {
            const bool toPart = r.Stored->Value.text.find('.') != std::string::npos;
            if (toPart == toParts) Assign(*r.Target, *r.Property, *r.Stored, [&r] { return r.Where; });
        }
    }

    void CallLoaded() {
        // Snapshot: a Loaded may free components (the list follows that).
        std::vector<TComponent*> order{FRoot};
        order.insert(order.end(), FCreated.Items().begin(), FCreated.Items().end());
        for (TComponent* c : order) {
            if (c != FRoot && !FCreated.Contains(c)) continue;
            try {
                c->Loaded();
            } catch (const std::exception& e) {
                FailFrom(e, LineOf(c), Describe(c) + ": finishing the load failed: " + e.what());
            }
            // The base Loaded clears csLoading; an override that forgets to
            // call it must not leave the component marked as loading.
            c->SetComponentStateFlag(csLoading, false);
        }
    }

    int LineOf(const TComponent* c) const {
        auto it = FLines.find(c);
        return it == FLines.end() ? 0 : it->second;
    }

    void Undo(const std::string& oldName, bool wasLoading) {
        if (const TFieldTable* fields = FRoot->FieldTable())
            for (const TBoundField& f : FBoundFields) fields->Unbind(FRoot, f.Name, f.Component);
        FCreated.FreeAll();
        FRoot->SetComponentStateFlag(csReading, false);
        if (!wasLoading) FRoot->SetComponentStateFlag(csLoading, false);
        try {
            FRoot->SetName(oldName);
        } catch (...) {
            // The old name was valid before the read; it still is.
        }
    }

    static std::string Describe(const TFormObject& o) { return o.Name.empty() ? o.ClassName : o.Name + ": " + o.ClassName; }
    static std::string Describe(const TComponent* c) {
        return c->Name().empty() ? c->ClassName() : c->Name() + ": " + c->ClassName();
    }

    TComponent* FRoot;
    std::string FFileName;
    TRootBinding FBinding;
    TCreatedComponents FCreated;
    std::vector<TDeferredReference> FReferences;
    std::vector<TBoundField> FBoundFields;
    std::unordered_map<const TComponent*, int> FLines;  // the line of each component's `object`
};

}  // namespace

std::any TFormHandlers::Find(const std::string& name) const {
    auto it = FHandlers.find(name);
    return it == FHandlers.end() ? std::any{} : it->second;
}

std::any TRootBinding::FindMethod(const std::string& name) const {
    if (FHandlers && FHandlers->Contains(name)) return FHandlers->Find(name);
    const TMethodTable* table = FRoot->MethodTable();
    return table ? table->Bind(FRoot, name) : std::any{};
}

TComponent* TRootBinding::FindComponentByName(const std::string& name) const {
    // "Owner.Name": a component owned by a component of the root.
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos) {
        TComponent* owner = FindComponentByName(name.substr(0, dot));
        return owner && owner != FRoot ? owner->FindComponent(name.substr(dot + 1)) : nullptr;
    }
    if (TComponent* c = FRoot->FindComponent(name)) return c;
    if (!FRoot->Name().empty() && SameText(FRoot->Name(), name)) return FRoot;
    return nullptr;
}

EReadError::EReadError(std::string fileName, int line, std::string message)
    : std::runtime_error((fileName.empty() ? std::string() : fileName + ":") + std::to_string(line) + ": " + message),
      FFileName(std::move(fileName)),
      FLine(line),
      FMessage(std::move(message)) {}

TFormObject WriteComponentTree(TComponent* root) { return TFormWriter(root).WriteComponent(root); }

std::string WriteComponentText(TComponent* root) { return PrintFormText(WriteComponentTree(root)); }

void ReadComponentTree(TComponent* root, const TFormObject& tree, const std::string& fileName,
                       const TFormHandlers* handlers) {
    TFormReader(root, fileName, handlers).Read(tree);
}

namespace {

TFormObject ParseOrFail(std::string_view text, const std::string& fileName) {
    try {
        return ParseFormText(text);
    } catch (const EFormTextError& e) {
        throw EReadError(fileName, e.Line(), e.Message());
    }
}

}  // namespace

void ReadComponentText(TComponent* root, std::string_view text, const std::string& fileName,
                       const TFormHandlers* handlers) {
    ReadComponentTree(root, ParseOrFail(text, fileName), fileName, handlers);
}

TComponent* ReadComponentFromText(std::string_view text, const std::string& fileName, TComponent* owner,
                                  const TFormHandlers* handlers) {
    const TFormObject tree = ParseOrFail(text, fileName);
    const TClassInfo* info = FindClass(tree.ClassName);
    if (!info) throw EReadError(fileName, tree.Line, "unknown class " + tree.ClassName);
    if (!info->Create) throw EReadError(fileName, tree.Line, "the class " + info->Name + " cannot be created from a description");
    TComponent* root = nullptr;
    try {
        root = info->Create(owner);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throw EReadError(fileName, tree.Line, "creating " + tree.ClassName + " failed: " + e.what());
    }
    if (!root) throw EReadError(fileName, tree.Line, "the class " + info->Name + " created nothing");
    try {
        ReadComponentTree(root, tree, fileName, handlers);
    } catch (...) {
        delete root;
        throw;
    }
    return root;
}

void InitInheritedComponent(TComponent* form, const std::string& resourceName) {
    const TResourceBytes* bytes = FindResource(TResourceType::FormDescription, resourceName);
    if (!bytes) throw EReadError(resourceName, 0, "there is no form description resource named " + resourceName);
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    const TFormObject tree = ParseOrFail(text, resourceName);
    // The parsed tree holds all the form needs: the description's pages go
    // before the form is built, which is when the most memory is in use.
    ResourceReadThrough(*bytes);
    ReadComponentTree(form, tree, resourceName);
}

}  // namespace Orvo
