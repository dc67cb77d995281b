#pragma once
// Components, string lists and lists: the non-visual base of the framework.
//
// TComponent is the unit of ownership and naming: an owner frees what it owns
// when it dies (the most recently created first), names are unique among an
// owner's components, and a component that holds a reference to another asks
// to be told when that one dies (FreeNotification), so no reference dangles.
//
// TStrings is the abstract string list; TStringList keeps its lines itself.
// TList is an ordered list of object references.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/TypeInfo.h"

namespace Orvo {

/// A small set of enumeration values, one bit per ordinal (the framework's
/// `set of`). Converts explicitly to and from its bit mask, which is what the
/// property tables store.
template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values) FBits |= Bit(v);
    }
    constexpr explicit TSet(std::uint32_t bits) : FBits(bits) {}
    constexpr explicit operator std::uint32_t() const { return FBits; }

    constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E v) { FBits |= Bit(v); return *this; }
    constexpr TSet& Exclude(E v) { FBits &= ~Bit(v); return *this; }
    constexpr TSet operator+(TSet o) const { return TSet(FBits | o.FBits); }
    constexpr TSet operator-(TSet o) const { return TSet(FBits & ~o.FBits); }
    constexpr TSet operator*(TSet o) const { return TSet(FBits & o.FBits); }
    friend constexpr bool operator==(TSet a, TSet b) { return a.FBits == b.FBits; }

private:
    static constexpr std::uint32_t Bit(E v) { return std::uint32_t(1) << unsigned(v); }
    std::uint32_t FBits = 0;
};

/// Errors of the framework's classes. Each message says what was wrong.
class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
/// An index outside a list's items.
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};
using EStringListError = EListError;

// True when `a` comes before `b` in the string lists' order: compared
// without regard to case.
bool LessText(std::string_view a, std::string_view b);

// True for a non-empty identifier: a letter or underscore, then letters,
// digits and underscores.
bool IsValidIdent(std::string_view name);

enum TComponentStateFlag : std::uint8_t {
    csLoading,     // from creation by the reader until Loaded
    csReading,     // while the component's own properties are read
    csWriting,     // while it is written
    csDestroying,  // from the start of its destructor
    csDesigning,   // in a form designer
};
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation : std::uint8_t { opInsert, opRemove };

/// An object with a name and an owner: the owner frees the components it owns and finds them by name.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    const std::string& Name() const { return FName; }
    // Throws EComponentError for a name that is not an identifier, that is
    // nil (which a reference reads as no component) or that another
    // component of the same owner already has. The empty name is allowed
    // (an unnamed component). (The form reader also keeps a form's own name
    // apart from its components'.)
    virtual void SetName(const std::string& name);
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return int(FComponents.size()); }
    // Throws EListError for an index out of range.
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // The owned component of that name (case-insensitive), or null.
    TComponent* FindComponent(std::string_view name) const;
    // Takes over ownership of `component` (removing it from its old owner).
    void InsertComponent(TComponent* component);
    // Gives up ownership without freeing.
    void RemoveComponent(TComponent* component);

    TComponentState ComponentState() const { return FComponentState; }
    // The form reader and designer mark components with these.
    void SetComponentStateFlag(TComponentStateFlag flag, bool on);
    void SetDesigning(bool designing, bool includeOwned = true);

    // Streaming hooks.
    // The reader calls ReadState with a procedure that reads this
    // component's stored properties and assigns them; an override does its
    // own work around calling the inherited ReadState (which marks the
    // component csReading for the length of the procedure).
    using TReadStateProc = std::function<void()>;
    virtual void ReadState(const TReadStateProc& readProperties);
    // Called once after every stored property (and child) was read. The
    // default clears csLoading; overrides call it first.
    virtual void Loaded();
    // Lists the children that are streamed with this component, in stream
    // order; `root` is the component being written (the form). None by
    // default.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    // True for components that are streamed inside a parent component
    // (controls) rather than directly inside their owner.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    // The reader gives a child the component it is nested in.
    virtual void SetParentComponent(TComponent* parent) {}
    // Method names that event properties bind to (a form's handlers). The
    // reader resolves `OnClick = Button1Click` against the root's table.
    virtual const TMethodTable* MethodTable() const { return nullptr; }
    // Component fields the reader binds by name (a form's Button1...).
    virtual const TFieldTable* FieldTable() const { return nullptr; }

    // Asks to be told (Notification with opRemove) when `component` dies.
    // The link works both ways and is removed when either side dies. Each
    // call is one request and RemoveFreeNotification takes back one, so
    // several references to one component keep the link until each let go.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

protected:
    // Told when an owned component is inserted or removed, when a component
    // this one asked about dies, and (passed down by owners) when a sibling
    // dies. Overrides clear their references and call the inherited one.
    virtual void Notification(TComponent* component, TOperation operation);
    // Frees every owned component, the most recently inserted first.
    // Destructors of derived classes call it while their part still exists.
    void DestroyComponents();
    // Marks this component (and what it owns) csDestroying.
    void Destroying();
    bool IsDestroying() const { return FComponentState.Contains(csDestroying); }

private:
    friend class TComponentGuard;
    class TNameIndex;
    void RemoveNotificationLinks();

    // Expires when the component dies (TComponentGuard watches it).
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
    TComponent* FOwner = nullptr;
    std::string FName;
    int FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    // The owned components by name, once there are enough of them for a
    // search through FComponents to cost more than keeping it.
    std::unique_ptr<TNameIndex> FNameIndex;
    TComponentState FComponentState;
};

/// Watches a component across a call that may free it (an event handler
/// may destroy its own control): Destroyed() tells whether it died meanwhile.
class TComponentGuard {
public:
    explicit TComponentGuard(const TComponent* component)
        : FLife(component ? std::weak_ptr<int>(component->FLife) : std::weak_ptr<int>()) {}
    bool Destroyed() const { return FLife.expired(); }

private:
    std::weak_ptr<int> FLife;
};

// ---------------------------------------------------------------- strings

/// An ordered list of strings, each optionally with an object reference
/// (not owned). OnChange is raised after every change, or once at the end of
/// an update bracket in which something changed.
class TStrings : public TPersistent {
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    virtual int Count() const = 0;
    // Throws EStringListError for an index out of range.
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& s) = 0;
    virtual TObject* Objects(int index) const = 0;
    virtual void SetObjects(int index, TObject* object) = 0;
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    // Appends and answers the new line's index.
    virtual int Add(const std::string& s);
    int AddObject(const std::string& s, TObject* object);
    void AddStrings(const TStrings& other);
    // The first line equal to `s` without regard to case, or -1.
    virtual int IndexOf(std::string_view s) const;
    int IndexOfObject(const TObject* object) const;
    std::string operator[](int index) const { return Strings(index); }

    // The lines, each followed by CR LF. SetText accepts CR LF, LF or CR
    // between lines; a final line break does not start another line.
    std::string Text() const;
    void SetText(std::string_view text);
    std::vector<std::string> ToVector() const;

    // Copies the lines (and objects) of another list; one OnChange.
    void Assign(const TPersistent* source) override;
    bool Equals(const TStrings& other) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnChange;

protected:
    // Subclasses call this after each change.
    void Changed();

private:
    int FUpdateCount = 0;
    bool FChangedInUpdate = false;
};

/// A list of strings, each with an object, kept in memory.
class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    int Count() const override { return int(FItems.size()); }
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    // Sorts without regard to case (stable).
    void Sort();

private:
    struct TItem {
        std::string Text;
        TObject* Object = nullptr;
    };
    void CheckIndex(int index) const;
    std::vector<TItem> FItems;
};

// ---------------------------------------------------------------- lists

/// An ordered list of object references (not owned).
template <class T = TObject>
class TList {
public:
    int Count() const { return int(FItems.size()); }
    T* Items(int index) const { Check(index); return FItems[std::size_t(index)]; }
    T* operator[](int index) const { return Items(index); }
    int Add(T* item) { FItems.push_back(item); return Count() - 1; }
    void Insert(int index, T* item) {
        if (index < 0 || index > Count()) Fail(index);
        FItems.insert(FItems.begin() + index, item);
    }
    void Delete(int index) { Check(index); FItems.erase(FItems.begin() + index); }
    // Removes the first entry of `item`; answers its former index or -1.
    int Remove(const T* item) {
        const int i = IndexOf(item);
        if (i >= 0) Delete(i);
        return i;
    }
    int IndexOf(const T* item) const {
        for (std::size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i] == item) return int(i);
        return -1;
    }
    // The last entry; throws EListError when the list is empty.
    T* Last() const { return Items(Count() - 1); }
    T* First() const { return Items(0); }
    void Clear() { FItems.clear(); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    void Check(int index) const {
        if (index < 0 || index >= Count()) Fail(index);
    }
    [[noreturn]] static void Fail(int index) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    std::vector<T*> FItems;
};

}  // namespace Orvo
