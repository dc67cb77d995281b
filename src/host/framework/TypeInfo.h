#pragma once
// Run-time type information: class names, factories and published properties.
//
// Every streamable class describes itself once in a TClassInfo: its name, its
// parent's info, a factory, the properties it defines and the order in which
// it publishes them. The form reader and writer, orvoform's `set:` step and
// anything else that works with properties by name go through this table.
//
// Published order: a class starts from its parent's published list; each name
// in its own Publish() list is then appended, and a name the parent already
// published moves to the place the class gives it. A name is looked up first
// among the class's own definitions and then among its ancestors' (published
// or not), so a class can publish a property its ancestor only defined.

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/framework/Value.h"

namespace Orvo {

class TObject;
class TPersistent;
class TComponent;
struct TClassInfo;

/// A property value that cannot be converted or is out of range. The reader
/// adds the line number; the message says what is wrong.
class EPropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The root of every framework object.
class TObject {
public:
    virtual ~TObject() = default;
    virtual const TClassInfo& ClassInfo() const;
    static const TClassInfo& StaticClassInfo();
    std::string ClassName() const;
    // True when this object's class is `info` or derives from it.
    bool InheritsFrom(const TClassInfo& info) const;
};

/// An object with published properties that can be copied from another.
class TPersistent : public TObject {
public:
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
    // Copies another object's value; the default refuses (throws EPropertyError).
    virtual void Assign(const TPersistent* source);
};

/// A bound callback: code plus, when it was bound by name, the method's name
/// (which is what a form description stores).
///
/// A control has a score of events and most stay unassigned, so an event is
/// one pointer: the code and the name live apart, made once when bound and
/// shared (never changed) by the copies of the event. Like the controls,
/// events belong to the thread of the user interface: the count of copies
/// is a plain one.
template <class... Args>
struct TEvent {
    using TCode = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <class F, class = std::enable_if_t<std::is_invocable_v<F&, Args...> && !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F&& f) : TEvent(TCode(std::forward<F>(f)), std::string()) {}
    // Code bound under a method's name.
    TEvent(TCode code, std::string methodName) {
        if (code) FBound = new TBound{std::move(code), std::move(methodName)};
    }
    TEvent(const TEvent& other) : FBound(other.FBound) {
        if (FBound) ++FBound->Holders;
    }
    TEvent(TEvent&& other) noexcept : FBound(std::exchange(other.FBound, nullptr)) {}
    TEvent& operator=(TEvent other) noexcept {
        std::swap(FBound, other.FBound);
        return *this;
    }
    ~TEvent() { Release(FBound); }

    explicit operator bool() const { return FBound != nullptr; }
    // The name the code was bound by; empty for code assigned directly.
    const std::string& MethodName() const {
        static const std::string none;
        return FBound ? FBound->MethodName : none;
    }
    void operator()(Args... args) const {
        // Held for the call: the handler may assign this very event anew.
        if (const TEvent held = *this) held.FBound->Code(args...);
    }

private:
    struct TBound {
        TCode Code;
        std::string MethodName;
        std::size_t Holders = 1;
    };
    static void Release(TBound* bound) {
        if (bound && --bound->Holders == 0) delete bound;
    }
    TBound* FBound = nullptr;
};
using TNotifyEvent = TEvent<TObject*>;

enum class TPropKind : std::uint8_t { Integer, Boolean, Enum, Set, Color, String, Object, Event, Component, List, Binary };

/// The context a setter needs beyond the value: how to resolve names of
/// methods (event handlers) and components. The reader supplies one; code that
/// assigns by value alone may pass none.
class TBindingContext {
public:
    virtual ~TBindingContext() = default;
    // The handler of that name (a std::function of the event's signature
    // wrapped in std::any), or an empty any when there is none.
    virtual std::any FindMethod(const std::string& name) const = 0;
    // A component by name; references may be resolved late (after all
    // components of a form are read), so the reader defers this kind.
    virtual TComponent* FindComponentByName(const std::string& name) const = 0;
};

/// One published property of a class: its name, type, default and how to read and write it.
struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::Integer;
    // The value to write, or nothing (an unassigned event or reference).
    std::function<std::optional<TValue>(const TObject&)> Get;
    // Converts and assigns; throws EPropertyError for a value of the wrong
    // type or out of range. `context` may be null.
    std::function<void(TObject&, const TValue&, const TBindingContext* context)> Set;
    // For Object: the sub-object whose published properties are written with
    // a dotted prefix ("Font.Name").
    std::function<TPersistent*(TObject&)> SubObject;
    // Written only when it differs from this.
    std::optional<TValue> Default;
    // Written only when this answers true (for example Color while not ParentColor).
    std::function<bool(const TObject&)> IsStored;
    // Enum and Set: the value names in ordinal order.
    std::vector<std::string> ValueNames;
};

/// An ordered list of property descriptions. A class's tables repeat most
/// entries of its ancestors' unchanged (every class publishes again what it
/// inherits), so entries are shared between lists and copied only when a
/// list changes one: reading is as from a vector, changing goes through
/// Edit, which gives the list its own copy first.
class TPropList {
    using TEntries = std::vector<std::shared_ptr<TPropInfo>>;

public:
    /// Walks a property list in order.
    class const_iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = TPropInfo;
        using difference_type = std::ptrdiff_t;
        using pointer = const TPropInfo*;
        using reference = const TPropInfo&;
        const_iterator() = default;
        explicit const_iterator(TEntries::const_iterator at) : FAt(at) {}
        reference operator*() const { return **FAt; }
        pointer operator->() const { return FAt->get(); }
        const_iterator& operator++() { ++FAt; return *this; }
        const_iterator operator++(int) { const_iterator was = *this; ++FAt; return was; }
        const_iterator& operator--() { --FAt; return *this; }
        difference_type operator-(const const_iterator& other) const { return FAt - other.FAt; }
        bool operator==(const const_iterator& other) const { return FAt == other.FAt; }
    private:
        TEntries::const_iterator FAt;
    };

    const_iterator begin() const { return const_iterator(FEntries.begin()); }
    const_iterator end() const { return const_iterator(FEntries.end()); }
    std::size_t size() const { return FEntries.size(); }
    bool empty() const { return FEntries.empty(); }
    const TPropInfo& operator[](std::size_t index) const { return *FEntries[index]; }
    const TPropInfo& back() const { return *FEntries.back(); }

    void push_back(TPropInfo entry) { FEntries.push_back(std::make_shared<TPropInfo>(std::move(entry))); }
    // Appends the entry at `index` of `other` without copying it.
    void push_back_shared(const TPropList& other, std::size_t index) { FEntries.push_back(other.FEntries[index]); }
    // Removes the entries named `name` (case-insensitive).
    void remove(std::string_view name);
    // The entry at `index` for changing: this list's own copy.
    TPropInfo& Edit(std::size_t index);
    TPropInfo& EditBack() { return Edit(size() - 1); }

private:
    TEntries FEntries;
};

/// What the framework knows of a class: its name, ancestor, published properties, events and how to create one.
struct TClassInfo {
    using Factory = std::function<TComponent*(TComponent* owner)>;

    std::string Name;
    const TClassInfo* Parent = nullptr;
    Factory Create;      // null for classes that are not created from descriptions
    TPropList Defined;   // what this class itself defines
    TPropList Published; // the full published list, in order

    TClassInfo(std::string name, const TClassInfo* parent, Factory create = {});

    const TPropInfo* FindPublished(std::string_view name) const;
    // Searches this class's definitions, then its ancestors' (published or not).
    const TPropInfo* FindDefined(std::string_view name) const;
    bool InheritsFrom(const TClassInfo& other) const;
};

// The registry of classes that form descriptions may name.
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);
std::vector<const TClassInfo*> RegisteredClasses();

/// Helpers for event handlers published by forms (TForm1::FormCreate...).
/// A method table maps a name to a function that binds the method to an instance.
class TMethodTable {
public:
    template <class T, class... Args>
    void Add(const std::string& name, void (T::*method)(Args...)) {
        binders_[name] = [method](TObject* self) -> std::any {
            T* obj = static_cast<T*>(self);
            return std::function<void(Args...)>([obj, method](Args... a) { (obj->*method)(a...); });
        };
    }
    std::any Bind(TObject* self, const std::string& name) const {
        auto it = binders_.find(name);
        if (it == binders_.end()) return {};
        return it->second(self);
    }
    bool Contains(const std::string& name) const { return binders_.count(name) != 0; }

private:
    std::map<std::string, std::function<std::any(TObject*)>> binders_;
};

/// The component fields a form publishes (TForm1::Button1...). The form
/// reader points each field at the component of the same name once that
/// component is created, and sets it back to null when a failed read frees
/// the component again. Names match without regard to case.
class TFieldTable {
public:
    enum class TBindResult : std::uint8_t { NoField, Bound, WrongType };

    template <class T, class C>
    void Add(const std::string& name, C* T::*field) {
        fields_[name] = [field](TObject* self, TComponent* component, bool bind) -> TBindResult {
            C*& slot = static_cast<T*>(self)->*field;
            if (!bind) {
                if (slot == component) slot = nullptr;
                return TBindResult::Bound;
            }
            C* typed = dynamic_cast<C*>(component);
            if (component && !typed) return TBindResult::WrongType;
            slot = typed;
            return TBindResult::Bound;
        };
    }
    // Points the field `name` of `self` at `component`.
    TBindResult Bind(TObject* self, const std::string& name, TComponent* component) const {
        auto it = fields_.find(name);
        if (it == fields_.end()) return TBindResult::NoField;
        return it->second(self, component, true);
    }
    // Sets the field back to null while it still points at `component`.
    void Unbind(TObject* self, const std::string& name, const TComponent* component) const {
        auto it = fields_.find(name);
        if (it != fields_.end()) it->second(self, const_cast<TComponent*>(component), false);
    }
    bool Contains(const std::string& name) const { return fields_.count(name) != 0; }

private:
    struct TLessNoCase {
        bool operator()(const std::string& a, const std::string& b) const {
            const std::size_t n = a.size() < b.size() ? a.size() : b.size();
            for (std::size_t i = 0; i < n; ++i) {
                const char x = Lower(a[i]), y = Lower(b[i]);
                if (x != y) return x < y;
            }
            return a.size() < b.size();
        }
        static char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
    };
    std::map<std::string, std::function<TBindResult(TObject*, TComponent*, bool)>, TLessNoCase> fields_;
};

// Conversions shared by property setters; each throws EPropertyError.
std::int64_t ValueToInteger(const TValue& v, std::int64_t min, std::int64_t max);
bool ValueToBoolean(const TValue& v);
std::string ValueToString(const TValue& v);
// A string with no #0 in it (see TClassBuilder::WindowText).
std::string ValueToWindowText(const TValue& v);
int ValueToEnum(const TValue& v, const std::vector<std::string>& names);
std::uint32_t ValueToSet(const TValue& v, const std::vector<std::string>& names);
std::int32_t ValueToColor(const TValue& v);
TValue ColorToValue(std::int32_t color);
TValue SetToValue(std::uint32_t bits, const std::vector<std::string>& names);

/// Builds a class's property table. Getters and setters are member functions;
/// any reasonable signature works (a setter may take its value by value or by
/// const reference, a getter may return by value or by const reference).
template <class T>
class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : info_(info) {}

    template <class G, class S>
    TClassBuilder& Int(const std::string& name, G get, S set, std::int64_t min = INT32_MIN, std::int64_t max = INT32_MAX) {
        TPropInfo p = Make(name, TPropKind::Integer);
        p.Get = [get](const TObject& o) -> std::optional<TValue> { return TValue::Int(std::int64_t(std::invoke(get, Self(o)))); };
        p.Set = [set, min, max](TObject& o, const TValue& v, const TBindingContext*) {
            using A = ArgOf<S>;
            std::invoke(set, Self(o), A(ValueToInteger(v, min, max)));
        };
        return Add(std::move(p));
    }

    template <class G, class S>
    TClassBuilder& Bool(const std::string& name, G get, S set) {
        TPropInfo p = Make(name, TPropKind::Boolean);
        p.Get = [get](const TObject& o) -> std::optional<TValue> { return TValue::Bool(bool(std::invoke(get, Self(o)))); };
        p.Set = [set](TObject& o, const TValue& v, const TBindingContext*) { std::invoke(set, Self(o), ValueToBoolean(v)); };
        return Add(std::move(p));
    }

    template <class G, class S>
    TClassBuilder& Color(const std::string& name, G get, S set) {
        TPropInfo p = Make(name, TPropKind::Color);
        p.Get = [get](const TObject& o) -> std::optional<TValue> { return ColorToValue(std::int32_t(std::invoke(get, Self(o)))); };
        p.Set = [set](TObject& o, const TValue& v, const TBindingContext*) { std::invoke(set, Self(o), ValueToColor(v)); };
        return Add(std::move(p));
    }

    template <class G, class S>
    TClassBuilder& Str(const std::string& name, G get, S set) {
        TPropInfo p = Make(name, TPropKind::String);
        p.Get = [get](const TObject& o) -> std::optional<TValue> { return TValue::Str(std::string(std::invoke(get, Self(o)))); };
        p.Set = [set](TObject& o, const TValue& v, const TBindingContext*) { std::invoke(set, Self(o), ValueToString(v)); };
        return Add(std::move(p));
    }

    // A window's text (Caption, Text): a string that ends at its first #0
    // wherever a window holds it, so one with #0 inside is refused rather
    // than cut.
    template <class G, class S>
    TClassBuilder& WindowText(const std::string& name, G get, S set) {
        Str(name, get, set);
        info_.Defined.EditBack().Set = [set](TObject& o, const TValue& v, const TBindingContext*) {
            std::invoke(set, Self(o), ValueToWindowText(v));
        };
        return *this;
    }

    template <class G, class S>
    TClassBuilder& Enum(const std::string& name, G get, S set, std::vector<std::string> names) {
        TPropInfo p = Make(name, TPropKind::Enum);
        p.ValueNames = names;
        p.Get = [get, names](const TObject& o) -> std::optional<TValue> {
            const auto ord = std::size_t(std::invoke(get, Self(o)));
            return TValue::Identifier(ord < names.size() ? names[ord] : std::to_string(ord));
        };
        p.Set = [set, names](TObject& o, const TValue& v, const TBindingContext*) {
            using A = ArgOf<S>;
            std::invoke(set, Self(o), static_cast<A>(ValueToEnum(v, names)));
        };
        return Add(std::move(p));
    }

    // A set stored as a bit mask (bit n = the n-th name).
    template <class G, class S>
    TClassBuilder& SetOf(const std::string& name, G get, S set, std::vector<std::string> names) {
        TPropInfo p = Make(name, TPropKind::Set);
        p.ValueNames = names;
        p.Get = [get, names](const TObject& o) -> std::optional<TValue> {
            return SetToValue(std::uint32_t(std::invoke(get, Self(o))), names);
        };
        p.Set = [set, names](TObject& o, const TValue& v, const TBindingContext*) {
            using A = ArgOf<S>;
            std::invoke(set, Self(o), static_cast<A>(ValueToSet(v, names)));
        };
        return Add(std::move(p));
    }

    // A persistent sub-object (Font, Items, TileImage...): its own published
    // properties are streamed with this name as prefix.
    template <class G>
    TClassBuilder& Object(const std::string& name, G get) {
        TPropInfo p = Make(name, TPropKind::Object);
        p.SubObject = [get](TObject& o) -> TPersistent* { return std::invoke(get, static_cast<T&>(o)); };
        return Add(std::move(p));
    }

    // An event: a TEvent field bound by method name.
    template <class... A>
    TClassBuilder& Event(const std::string& name, TEvent<A...> T::*field) {
        TPropInfo p = Make(name, TPropKind::Event);
        p.Get = [field](const TObject& o) -> std::optional<TValue> {
            const TEvent<A...>& e = Self(o).*field;
            if (!e || e.MethodName().empty()) return std::nullopt;
            return TValue::Identifier(e.MethodName());
        };
        p.Set = [field, name](TObject& o, const TValue& v, const TBindingContext* context) {
            if (v.kind != TValue::Kind::Ident) throw EPropertyError("a method name is expected for " + name);
            if (!context) throw EPropertyError("no form to find the method " + v.text + " in");
            std::any bound = context->FindMethod(v.text);
            if (!bound.has_value())
                throw EPropertyError("the form has no method " + v.text +
                                     " (a program binds handler names with TFormHandlers or the form class's MethodTable)");
            auto* fn = std::any_cast<std::function<void(A...)>>(&bound);
            if (!fn) throw EPropertyError("the method " + v.text + " does not fit the event " + name);
            static_cast<T&>(o).*field = TEvent<A...>(*fn, v.text);
        };
        return Add(std::move(p));
    }

    // A property whose value is handled as a TValue directly (a string
    // list's Strings, a bitmap's Data): `get` answers nothing when there is
    // nothing to write; `set` throws EPropertyError for a bad value.
    TClassBuilder& Raw(const std::string& name, TPropKind kind, std::function<std::optional<TValue>(const T&)> get,
                       std::function<void(T&, const TValue&)> set) {
        TPropInfo p = Make(name, kind);
        p.Get = [get](const TObject& o) { return get(Self(o)); };
        p.Set = [set](TObject& o, const TValue& v, const TBindingContext*) { set(Self(o), v); };
        return Add(std::move(p));
    }

    // A reference to another component of the form, stored by name. A
    // component of the setter's type may still be one this object cannot
    // hold (a page of another page control): `refusal` answers why, or an
    // empty string, and a non-empty answer refuses the value.
    using TReferenceRefusal = std::function<std::string(const T& self, const TComponent& target)>;
    template <class G, class S>
    TClassBuilder& Component(const std::string& name, G get, S set, TReferenceRefusal refusal = {});

    // Applies to the property defined last.
    TClassBuilder& Default(TValue v) { info_.Defined.EditBack().Default = std::move(v); return *this; }
    TClassBuilder& Default(bool b) { return Default(TValue::Bool(b)); }
    TClassBuilder& DefaultInt(std::int64_t v) { return Default(TValue::Int(v)); }
    TClassBuilder& DefaultColor(std::int32_t c) { return Default(ColorToValue(c)); }
    TClassBuilder& DefaultIdent(std::string s) { return Default(TValue::Identifier(std::move(s))); }
    TClassBuilder& DefaultStr(std::string s) { return Default(TValue::Str(std::move(s))); }
    TClassBuilder& StoredWhen(std::function<bool(const T&)> pred) {
        info_.Defined.EditBack().IsStored = [pred](const TObject& o) { return pred(Self(o)); };
        return *this;
    }

    // Changes what an already published property writes, keeping its place
    // in the published order (reading still goes through its setter).
    TClassBuilder& WriteAs(std::string_view name, std::function<std::optional<TValue>(const T&)> get) {
        for (std::size_t i = 0; i < info_.Published.size(); ++i)
            if (info_.Published[i].Name == name) info_.Published.Edit(i).Get = [get](const TObject& o) { return get(Self(o)); };
        return *this;
    }

    // Gives an already published property another stored default (or none),
    // keeping its place in the published order. A class whose constructor
    // starts a property at another value than its ancestor's stored default
    // says so here, or a form that stores that default reads back wrong.
    TClassBuilder& StoredDefault(std::string_view name, std::optional<TValue> def) {
        for (std::size_t i = 0; i < info_.Published.size(); ++i)
            if (info_.Published[i].Name == name) {
                info_.Published.Edit(i).Default = std::move(def);
                return *this;
            }
        throw std::logic_error(info_.Name + " gives a stored default to " + std::string(name) + ", which it does not publish");
    }

    // Publishes these names in this order, after what the parent published.
    TClassBuilder& Publish(std::initializer_list<std::string_view> names);
    // Publishes one name with a different stored default (or none).
    TClassBuilder& PublishWithDefault(std::string_view name, std::optional<TValue> def);

private:
    template <class M> struct ArgOfImpl;
    template <class C, class R, class A> struct ArgOfImpl<R (C::*)(A)> { using type = std::decay_t<A>; };
    template <class M> using ArgOf = typename ArgOfImpl<M>::type;

    static const T& Self(const TObject& o) { return static_cast<const T&>(o); }
    static T& Self(TObject& o) { return static_cast<T&>(o); }
    static TPropInfo Make(const std::string& name, TPropKind kind) {
        TPropInfo p;
        p.Name = name;
        p.Kind = kind;
        return p;
    }
    TClassBuilder& Add(TPropInfo p) {
        info_.Defined.push_back(std::move(p));
        return *this;
    }

    TClassInfo& info_;
};

// Moves or appends one published entry; shared by every builder.
void PublishProperty(TClassInfo& info, std::string_view name, const std::optional<std::optional<TValue>>& defaultOverride);

template <class T>
TClassBuilder<T>& TClassBuilder<T>::Publish(std::initializer_list<std::string_view> names) {
    for (std::string_view n : names) PublishProperty(info_, n, std::nullopt);
    return *this;
}

template <class T>
TClassBuilder<T>& TClassBuilder<T>::PublishWithDefault(std::string_view name, std::optional<TValue> def) {
    PublishProperty(info_, name, std::optional<std::optional<TValue>>(std::move(def)));
    return *this;
}

// Component references resolve through the binding context.
TComponent* ResolveComponentReference(const TValue& v, const TBindingContext* context, const std::string& property);
// "CheckBox1 is a TCheckBox, which ActivePage cannot hold".
std::string ReferenceOfWrongClass(const TComponent& target, const std::string& property);
std::optional<TValue> ComponentReferenceValue(const TComponent* c);

template <class T>
template <class G, class S>
TClassBuilder<T>& TClassBuilder<T>::Component(const std::string& name, G get, S set, TReferenceRefusal refusal) {
    TPropInfo p = Make(name, TPropKind::Component);
    p.Get = [get](const TObject& o) -> std::optional<TValue> {
        return ComponentReferenceValue(std::invoke(get, Self(o)));
    };
    p.Set = [set, name, refusal](TObject& o, const TValue& v, const TBindingContext* context) {
        using A = ArgOf<S>;
        TComponent* c = ResolveComponentReference(v, context, name);
        auto* typed = dynamic_cast<A>(c);
        if (c && !typed) throw EPropertyError(ReferenceOfWrongClass(*c, name));
        if (typed && refusal)
            if (std::string why = refusal(Self(o), *typed); !why.empty()) throw EPropertyError(why);
        std::invoke(set, Self(o), typed);
    };
    return Add(std::move(p));
}

}  // namespace Orvo
