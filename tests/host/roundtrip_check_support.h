#pragma once
// A check that what a form description stores is what was assigned, for any
// registered class, driven by its published properties alone (so a class
// registered tomorrow is covered without a line here):
//
// - stored defaults: every published property (and every property of a
//   published sub-object, dotted: "Font.Color") that has a stored default
//   and is stored starts, as the constructor leaves it, at that default;
//   otherwise a form that keeps the constructor's value writes nothing and
//   another value comes back;
// - round trips: the class's object is put on a form whose own colour, font,
//   3-D look, hints and reading order differ from every default (so values a
//   child takes from its parent differ from its own); then each property in
//   turn, and afterwards all of them together, is given values other than
//   the current one; the form is written, read into a new form and written
//   again. Both writes must give the same bytes, and every stored property
//   must read back what the first object held.
//
// A value that the setter refuses (out of range) or does not keep (a banner
// that ignores assignments, an index clamped to the lines there are) is not
// a fault; the next candidate value is tried.

#include <algorithm>
#include <any>
#include <cstdint>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/framework/Graphics.h"
#include "host/framework/Streaming.h"
#include "host/framework/TypeInfo.h"

using namespace Orvo;

namespace roundtrip {

// The form the checked object stands on. Its handler gives event properties
// something to bind to.
class TStage : public TForm {
public:
    explicit TStage(TComponent* owner) : TForm(owner) {}
    const TMethodTable* MethodTable() const override {
        static const TMethodTable table = [] {
            TMethodTable t;
            t.Add("StageNotify", &TStage::StageNotify);
            return t;
        }();
        return &table;
    }
    void StageNotify(TObject*) {}
};

// One property reached from a component: the object that has it and whether
// the writer would write it (every step of the dotted path stored).
struct TSlot {
    TObject* Target = nullptr;
    const TPropInfo* Property = nullptr;
    bool Stored = false;
};

inline std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::stringstream in(path);
    for (std::string part; std::getline(in, part, '.');) parts.push_back(part);
    return parts;
}

inline std::optional<TSlot> Resolve(TObject* object, const std::string& path) {
    TSlot slot{object, nullptr, true};
    const std::vector<std::string> parts = SplitPath(path);
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const TPropInfo* p = slot.Target->ClassInfo().FindPublished(parts[k]);
        if (!p) return std::nullopt;
        if (p->IsStored && !p->IsStored(*slot.Target)) slot.Stored = false;
        if (k + 1 == parts.size()) {
            slot.Property = p;
            return slot;
        }
        TPersistent* sub = p->Kind == TPropKind::Object && p->SubObject ? p->SubObject(*slot.Target) : nullptr;
        if (!sub) return std::nullopt;
        slot.Target = sub;
    }
    return std::nullopt;
}

// Every property that holds a value, sub-objects' ones dotted, in published order.
inline void CollectPaths(TObject& object, const std::string& prefix, int depth, std::vector<std::string>& out) {
    if (depth > 4) return;
    for (const TPropInfo& p : object.ClassInfo().Published) {
        if (p.Kind == TPropKind::Object) {
            if (TPersistent* sub = p.SubObject ? p.SubObject(object) : nullptr)
                CollectPaths(*sub, prefix + p.Name + ".", depth + 1, out);
            continue;
        }
        if (p.Get && p.Set) out.push_back(prefix + p.Name);
    }
}

inline std::vector<std::string> PropertyPaths(TObject& object) {
    std::vector<std::string> out;
    CollectPaths(object, "", 0, out);
    return out;
}

// Faults one a line, for a test's failure message.
inline std::string Lines(const std::vector<std::string>& faults) {
    std::string out;
    for (const std::string& f : faults) out += "  " + f + "\n";
    return out;
}

inline std::string Show(const std::optional<TValue>& v) {
    if (!v) return "(nothing)";
    switch (v->kind) {
        case TValue::Kind::Integer: return std::to_string(v->integer);
        case TValue::Kind::Ident: return v->text;
        case TValue::Kind::String: return "'" + v->text + "'";
        case TValue::Kind::Set: {
            std::string s = "[";
            for (const std::string& n : v->names) s += (s.size() > 1 ? ", " : "") + n;
            return s + "]";
        }
        case TValue::Kind::List: return "(" + std::to_string(v->items.size()) + " items)";
        case TValue::Kind::Binary: return "{" + std::to_string(v->bytes.size()) + " bytes}";
    }
    return "?";
}

// A small picture in the stored form of picture properties.
inline TValue PictureValue(int width) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(width, 2);
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, 1, TColor(0x00203040 + x));
    return TValue::Bin(bitmap.WriteData());
}

// Values other than `current` for a property, most telling first: for a
// colour the framework's window colour (the one defaults like to assume).
inline std::vector<TValue> Candidates(const TPropInfo& p, const std::optional<TValue>& current, TComponent* root) {
    std::vector<TValue> out;
    auto add = [&](TValue v) {
        if (current && *current == v) return;
        for (const TValue& o : out)
            if (o == v) return;
        out.push_back(std::move(v));
    };
    const bool binary = current ? current->kind == TValue::Kind::Binary : p.Name == "Data";
    if (binary) {
        add(PictureValue(3));
        add(PictureValue(4));
        return out;
    }
    switch (p.Kind) {
        case TPropKind::Boolean:
            add(TValue::Bool(!(current && current->text == "True")));
            break;
        case TPropKind::Integer: {
            const std::int64_t n = current && current->kind == TValue::Kind::Integer ? current->integer : 0;
            add(TValue::Int(n + 1));
            add(TValue::Int(n - 1));
            add(TValue::Int(7));
            break;
        }
        case TPropKind::Enum:
            for (const std::string& name : p.ValueNames) add(TValue::Identifier(name));
            break;
        case TPropKind::Set:
            for (const std::string& name : p.ValueNames) {
                std::vector<std::string> names = current ? current->names : std::vector<std::string>{};
                auto it = std::find(names.begin(), names.end(), name);
                if (it == names.end()) names.push_back(name);
                else names.erase(it);
                // Members in declared order, as the getter gives them.
                std::vector<std::string> ordered;
                for (const std::string& n : p.ValueNames)
                    if (std::find(names.begin(), names.end(), n) != names.end()) ordered.push_back(n);
                add(TValue::SetOf(ordered));
            }
            break;
        case TPropKind::Color:
            add(TValue::Identifier("clWindow"));
            add(TValue::Identifier("clBtnFace"));
            add(TValue::Int(0x00123456, true));
            break;
        case TPropKind::String:
            add(TValue::Str("Round &trip"));
            add(TValue::Str(""));
            break;
        case TPropKind::List:
            add(TValue::ListOf({TValue::Str("Cat"), TValue::Str("Dog")}));
            add(TValue::ListOf({TValue::Str("Owl")}));
            break;
        case TPropKind::Event:
            add(TValue::Identifier("StageNotify"));
            break;
        case TPropKind::Component:
            for (int i = 0; i < root->ComponentCount(); ++i)
                if (!root->Components(i)->Name().empty()) add(TValue::Identifier(root->Components(i)->Name()));
            add(TValue::Identifier("nil"));
            break;
        default:
            break;
    }
    return out;
}

// The checked object with the form around it.
struct TScene {
    std::unique_ptr<TCustomForm> Root;
    TComponent* Subject = nullptr;
};

class TChecker {
public:
    explicit TChecker(const TClassInfo& info) : FInfo(info) {}

    bool IsForm() const { return FInfo.InheritsFrom(TCustomForm::StaticClassInfo()); }

    // Stored defaults that differ from what the constructor sets.
    std::vector<std::string> CheckDefaults() const {
        std::vector<std::string> faults;
        std::unique_ptr<TComponent> fresh(FInfo.Create(nullptr));
        if (!fresh) return {FInfo.Name + ": the factory created nothing"};
        for (const std::string& path : PropertyPaths(*fresh)) {
            const std::optional<TSlot> slot = Resolve(fresh.get(), path);
            if (!slot || !slot->Stored || !slot->Property->Default) continue;
            const std::optional<TValue> value = slot->Property->Get(*slot->Target);
            if (!value || *value == *slot->Property->Default) continue;
            faults.push_back(FInfo.Name + "." + path + ": the stored default is " + Show(slot->Property->Default) +
                             " but the constructor sets " + Show(value));
        }
        return faults;
    }

    // Each property changed alone, then every property changed at once.
    std::vector<std::string> CheckRoundTrips() const {
        std::vector<std::string> faults;
        std::vector<std::string> paths;
        {
            TScene probe = MakeScene();
            paths = PropertyPaths(*probe.Subject);
        }
        for (const std::string& path : paths) CheckOneProperty(path, faults);
        CheckAllTogether(paths, faults);
        return faults;
    }

    // Every string (and list of strings) given a #0 inside either keeps it
    // whole or refuses it; a setter that ignores assignments keeps what it
    // had. What comes back cut at the #0 is a fault.
    std::vector<std::string> CheckStringsWithNul() const {
        std::vector<std::string> faults;
        TScene scene = MakeScene();
        const TValue text = TValue::Str(std::string("before\0after", 12));
        for (const std::string& path : PropertyPaths(*scene.Subject)) {
            const std::optional<TSlot> slot = Resolve(scene.Subject, path);
            if (!slot) continue;
            const std::optional<TValue> before = slot->Property->Get(*slot->Target);
            if (before && before->kind == TValue::Kind::Binary) continue;
            TValue given;
            if (slot->Property->Kind == TPropKind::String) given = text;
            else if (slot->Property->Kind == TPropKind::List) given = TValue::ListOf({text, TValue::Str("next")});
            else continue;
            TRootBinding binding(scene.Root.get());
            try {
                slot->Property->Set(*slot->Target, given, &binding);
            } catch (const EPropertyError&) {
                continue;  // refused: not cut
            }
            const std::optional<TValue> after = slot->Property->Get(*slot->Target);
            if (after != given && after != before)
                faults.push_back(FInfo.Name + "." + path + ": a string with #0 inside came back as " + Show(after));
        }
        return faults;
    }

private:
    TScene MakeScene() const {
        TScene scene;
        if (IsForm()) {
            scene.Root.reset(static_cast<TCustomForm*>(FInfo.Create(nullptr)));
            scene.Root->SetName("Subject1");
            scene.Subject = scene.Root.get();
            AddHelper(scene.Root.get());
        } else {
            auto* stage = new TStage(nullptr);
            scene.Root.reset(stage);
            stage->SetName("Stage1");
            DecorateStage(stage);
            AddHelper(stage);
            scene.Subject = FInfo.Create(stage);
            scene.Subject->SetName("Subject1");
            if (scene.Subject->HasParent()) scene.Subject->SetParentComponent(stage);
        }
        FillStringLists(*scene.Subject);
        return scene;
    }

    // Values a child takes from its parent, each unlike any default.
    static void DecorateStage(TStage* stage) {
        stage->SetColor(clYellow);
        stage->Font()->SetName("Courier New");
        stage->Font()->SetHeight(-13);
        stage->Font()->SetColor(clRed);
        stage->Font()->SetStyle(TFontStyles{fsItalic});
        stage->SetCtl3D(false);
        stage->SetShowHint(true);
        stage->SetBiDiMode(bdRightToLeft);
    }

    // Another windowed control, for references such as ActiveControl.
    static void AddHelper(TCustomForm* root) {
        auto* helper = new TPanel(root);
        helper->SetName("Helper1");
        helper->SetParent(root);
    }

    // Lines in every string list, so that an index into them can change.
    static void FillStringLists(TComponent& subject) {
        for (const TPropInfo& p : subject.ClassInfo().Published) {
            if (p.Kind != TPropKind::Object || !p.SubObject) continue;
            if (auto* lines = dynamic_cast<TStrings*>(p.SubObject(subject))) {
                lines->Add("Cat");
                lines->Add("Dog");
                lines->Add("Bird");
            }
        }
    }

    // Assigns `value` to `path`; true when the setter kept a new value.
    static bool Apply(TScene& scene, const std::string& path, const TValue& value) {
        const std::optional<TSlot> slot = Resolve(scene.Subject, path);
        if (!slot) return false;
        const std::optional<TValue> before = slot->Property->Get(*slot->Target);
        TRootBinding binding(scene.Root.get());
        try {
            slot->Property->Set(*slot->Target, value, &binding);
        } catch (const std::exception&) {
            return false;  // refused: out of range, no such method...
        }
        return slot->Property->Get(*slot->Target) != before;
    }

    static std::vector<TValue> CandidatesFor(TScene& scene, const std::string& path) {
        const std::optional<TSlot> slot = Resolve(scene.Subject, path);
        if (!slot) return {};
        return Candidates(*slot->Property, slot->Property->Get(*slot->Target), scene.Root.get());
    }

    void CheckOneProperty(const std::string& path, std::vector<std::string>& faults) const {
        std::vector<TValue> values;
        {
            TScene probe = MakeScene();
            values = CandidatesFor(probe, path);
        }
        for (const TValue& v : values) {
            TScene scene = MakeScene();
            if (Apply(scene, path, v)) Compare(scene, FInfo.Name + "." + path + " = " + Show(v), faults);
        }
    }

    void CheckAllTogether(const std::vector<std::string>& paths, std::vector<std::string>& faults) const {
        TScene scene = MakeScene();
        for (const std::string& path : paths)
            for (const TValue& v : CandidatesFor(scene, path))
                if (Apply(scene, path, v)) break;
        Compare(scene, FInfo.Name + " with every property changed", faults);
    }

    // Writes the scene, reads it into a new one, writes that; compares.
    void Compare(TScene& original, const std::string& what, std::vector<std::string>& faults) const {
        std::string first;
        try {
            first = WriteComponentText(original.Root.get());
        } catch (const std::exception& e) {
            faults.push_back(what + ": writing failed: " + e.what());
            return;
        }
        TScene copy;
        try {
            copy = ReadScene(first);
        } catch (const std::exception& e) {
            faults.push_back(what + ": the written form cannot be read: " + e.what());
            return;
        }
        if (!copy.Subject) {
            faults.push_back(what + ": the written form has no Subject1");
            return;
        }
        const std::string second = WriteComponentText(copy.Root.get());
        if (second != first) faults.push_back(what + ": written again it differs: " + FirstDifference(first, second));
        for (const std::string& path : PropertyPaths(*original.Subject)) {
            const std::optional<TSlot> a = Resolve(original.Subject, path);
            const std::optional<TSlot> b = Resolve(copy.Subject, path);
            if (!a || !a->Stored) continue;
            const std::optional<TValue> was = a->Property->Get(*a->Target);
            const std::optional<TValue> is = b ? b->Property->Get(*b->Target) : std::nullopt;
            if (was != is) faults.push_back(what + ": " + path + " was " + Show(was) + ", read back " + Show(is));
        }
    }

    TScene ReadScene(const std::string& text) const {
        TScene scene;
        if (IsForm()) {
            scene.Root.reset(static_cast<TCustomForm*>(FInfo.Create(nullptr)));
            ReadComponentText(scene.Root.get(), text, "round trip");
            scene.Subject = scene.Root.get();
        } else {
            scene.Root = std::make_unique<TStage>(nullptr);
            ReadComponentText(scene.Root.get(), text, "round trip");
            scene.Subject = scene.Root->FindComponent("Subject1");
        }
        return scene;
    }

    static std::string FirstDifference(const std::string& a, const std::string& b) {
        std::istringstream x(a), y(b);
        std::string lx, ly;
        for (int line = 1;; ++line) {
            const bool hx = bool(std::getline(x, lx)), hy = bool(std::getline(y, ly));
            if (!hx && !hy) return "same lines";
            if (!hx || !hy || lx != ly)
                return "line " + std::to_string(line) + " '" + (hx ? lx : "(end)") + "' then '" + (hy ? ly : "(end)") + "'";
        }
    }

    const TClassInfo& FInfo;
};

}  // namespace roundtrip
