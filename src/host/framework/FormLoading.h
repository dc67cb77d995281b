#pragma once
// Forms loaded from a description while the program runs: a .form file (or
// its text, from anywhere) read into a new form, its event names bound to
// handlers the program supplies.
//
//   TFormHandlers handlers;
//   handlers.Add("SaveClick", [&](TObject*) { Save(); });
//   TForm* form = LoadFormFile("options.form", handlers);   // owned by Application
//   form->Show();
//
// A description whose class is a form class of the program's own (one that
// registers itself, like a form with a compiled-in description) is read into
// that class with LoadFormFile<TMyForm>(...); its fields are bound and its
// MethodTable() handlers found as well. Any error (a file that cannot be read,
// bad syntax, an unknown class or property, a handler name nobody supplied)
// is one EReadError "FILE:LINE: message", and nothing the read made is left.

#include <string>
#include <string_view>
#include <type_traits>

#include "host/framework/Forms.h"
#include "host/framework/Streaming.h"

namespace Orvo {

// The largest form description read (the parser's limit): bigger files are
// refused before they are read.
inline constexpr std::size_t MaxFormDescriptionBytes = MaxFormTextSize;

// The bytes of a form description file. EReadError "PATH:0: ..." when it
// cannot be opened or read, or is larger than MaxFormDescriptionBytes.
std::string ReadFormDescriptionFile(const std::string& path);

// Reads the description into `form` and finishes it as
// Application->CreateForm does (OnCreate runs; a form stored visible is
// shown). A form owned by Application becomes its main form when it has none
// yet. On an error the form is freed and EReadError thrown.
void LoadFormInto(TCustomForm* form, std::string_view text, const std::string& fileName,
                  const TFormHandlers& handlers);

// A new form of class F (TForm unless said), owned by `owner`, read from
// `text`; `fileName` names it in messages.
template <class F = TForm>
F* LoadFormText(std::string_view text, const std::string& fileName, const TFormHandlers& handlers = {},
                TComponent* owner = Application) {
    static_assert(std::is_base_of_v<TCustomForm, F>, "forms are loaded into form classes");
    F* form;
    if constexpr (std::is_constructible_v<F, TComponent*, TCreateNew>)
        form = new F(owner, CreateNew);  // not its own compiled description
    else
        form = new F(owner);
    LoadFormInto(form, text, fileName, handlers);
    return form;
}

// The same from a file.
template <class F = TForm>
F* LoadFormFile(const std::string& path, const TFormHandlers& handlers = {}, TComponent* owner = Application) {
    return LoadFormText<F>(ReadFormDescriptionFile(path), path, handlers, owner);
}

}  // namespace Orvo
