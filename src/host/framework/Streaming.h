#pragma once
// Reading and writing form descriptions: components <-> the text format of
// host/framework/FormText.h, through the published properties of host/framework/TypeInfo.h.
//
// Writing a component writes `object Name: TClass`, its published properties
// in published order, sub-objects (Font, Items, TileImage...) as dotted
// names, then the children its GetChildren lists that the written root owns,
// recursively. A property is left out when its getter answers nothing, when
// its IsStored answers false, or when it equals its stored default; a
// property without a stored default is always written.
//
// Reading goes the other way, into an existing root (a form) or a root made
// by class name:
//  1. each child object is created by class name (owner: the root), named,
//     bound to the root's field of that name and given the component it is
//     nested in (SetParentComponent) before any of its properties;
//  2. ReadState runs on each component with a procedure that assigns its
//     stored properties through their setters in stored order and then reads
//     its children; every component is csLoading from its creation, and
//     csReading while it is read;
//  3. events bind by method name to the root's MethodTable(); component
//     references (ActivePage = TabSheet2) are resolved once every component
//     exists;
//  4. Loaded is called on every component once all are read, in creation
//     order with the root first;
//  5. references to a part another component owns (ActiveControl =
//     RadioGroup1.Button1) are resolved last: a component may make its
//     parts only when it has loaded.
// Any failure (bad syntax, unknown class or property, a bad value, a setter
// that throws, a duplicate name, a missing method) ends the read with one
// EReadError naming the file and the line of the offending object or
// property; running out of memory is no fault of the description and ends
// it with the std::bad_alloc as it is. Either way every component the read
// created is freed again, and a root that existed before keeps the
// components it had.

#include <any>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "host/framework/FormText.h"
#include "host/framework/TypeInfo.h"

namespace Orvo {

class TComponent;

/// Handlers a program gives the events of a form description, by the method
/// names the description uses (`OnClick = SaveClick`). A form class with
/// handlers of its own lists them in its MethodTable(); a plain TForm read at
/// run time gets them here:
///
///   TFormHandlers handlers;
///   handlers.Add("SaveClick", [&](TObject* sender) { Save(); })
///           .Add("NameKeyDown", [&](TObject*, Word& key, TShiftState) { ... });
///
/// A handler takes the parameters of the event it is bound to ((TObject*
/// sender) for OnClick, OnChange and the other notifications); one of another
/// shape is refused when the description is read ("does not fit the event").
/// Names match exactly. Handlers given here come before the form's own.
class TFormHandlers {
public:
    // `handler`: a function, or a lambda with one call signature, returning void.
    template <class F>
    TFormHandlers& Add(const std::string& name, F handler) {
        std::function function = std::move(handler);
        static_assert(std::is_void_v<typename decltype(function)::result_type>, "an event handler returns nothing");
        FHandlers[name] = std::move(function);
        return *this;
    }
    // The handler (a std::function in a std::any), or an empty any.
    std::any Find(const std::string& name) const;
    bool Contains(const std::string& name) const { return FHandlers.count(name) != 0; }

private:
    std::map<std::string, std::any> FHandlers;
};

/// Event handlers and component references resolved against a root (a form)
/// as the reader resolves them; for code that assigns published properties
/// by value outside a read. Handlers come from `handlers` (when given) and
/// then the root's MethodTable().
class TRootBinding : public TBindingContext {
public:
    explicit TRootBinding(TComponent* root, const TFormHandlers* handlers = nullptr)
        : FRoot(root), FHandlers(handlers) {}
    std::any FindMethod(const std::string& name) const override;
    TComponent* FindComponentByName(const std::string& name) const override;

private:
    TComponent* FRoot;
    const TFormHandlers* FHandlers;
};

/// A form description that cannot be read; the message starts with the file and line.
class EReadError : public std::runtime_error {
public:
    // what() is "FILE:LINE: message" ("LINE: message" without a file name).
    EReadError(std::string fileName, int line, std::string message);
    const std::string& FileName() const { return FFileName; }
    int Line() const { return FLine; }
    const std::string& Message() const { return FMessage; }

private:
    std::string FFileName;
    int FLine;
    std::string FMessage;
};

// The description of `root` and what it owns, as a tree or as text. Writing
// the same components twice gives the same bytes.
TFormObject WriteComponentTree(TComponent* root);
std::string WriteComponentText(TComponent* root);

// Reads a description into `root`. The description's class must be the
// root's class or one of its ancestors. `fileName` is only used in messages.
// Events bind to `handlers` (when given) and the root's MethodTable().
void ReadComponentTree(TComponent* root, const TFormObject& tree, const std::string& fileName,
                       const TFormHandlers* handlers = nullptr);
void ReadComponentText(TComponent* root, std::string_view text, const std::string& fileName,
                       const TFormHandlers* handlers = nullptr);

// Creates the root by the description's class name (owned by `owner`, or by
// the caller when `owner` is null) and reads the description into it.
TComponent* ReadComponentFromText(std::string_view text, const std::string& fileName, TComponent* owner = nullptr,
                                  const TFormHandlers* handlers = nullptr);

// Reads the form description resource `resourceName` ("TFORM1") into
// `form`. Throws EReadError when there is no such resource (line 0) or when
// it cannot be read.
void InitInheritedComponent(TComponent* form, const std::string& resourceName);

}  // namespace Orvo
