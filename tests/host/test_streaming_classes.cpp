#include "test_streaming_classes.h"

#include <algorithm>
#include <new>

#include "host/services/BmpCodec.h"

using namespace Orvo;

TStreamLog& TStreamLog::Get() {
    static TStreamLog log;
    return log;
}

// ---------------------------------------------------------------- TTestControl

TTestControl::TTestControl(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<TFont>()), FItems(std::make_unique<TStringList>()),
      FPicture(std::make_unique<TBitmap>()) {
    ++TStreamLog::Get().Live;
}

TTestControl::~TTestControl() {
    Destroying();
    DestroyComponents();
    for (TTestControl* child : FChildren) child->FParent = nullptr;
    SetParentComponent(nullptr);
    --TStreamLog::Get().Live;
}

const TClassInfo& TTestControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TStreamTestControl", &TComponent::StaticClassInfo(),
                     [](TComponent* owner) -> TComponent* { return new TTestControl(owner); });
        using C = TTestControl;
        TClassBuilder<C>(i)
            .Int("Left", &C::Left, &C::SetLeft)
            .Int("Top", &C::Top, &C::SetTop, -10000, 10000)
            .Str("Caption", &C::Caption, &C::SetCaption)
            .Str("Hint", &C::Hint, &C::SetHint)
            .DefaultStr("")
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"talLeft", "talRight", "talCenter"})
            .DefaultIdent("talLeft")
            .SetOf("Anchors", &C::Anchors, &C::SetAnchors, {"tanLeft", "tanTop", "tanRight", "tanBottom"})
            .Default(TValue::SetOf({"tanLeft", "tanTop"}))
            .Component("Buddy", &C::Buddy, &C::SetBuddy)
            .Color("Color", &C::Color, &C::SetColor)
            .DefaultColor(clWindow)
            .StoredWhen([](const C& c) { return !c.ParentColor(); })
            .Bool("Enabled", &C::Enabled, &C::SetEnabled)
            .Default(true)
            .Object("Font", &C::Font)
            .StoredWhen([](const C& c) { return !c.ParentFont(); })
            .Int("Fragile", &C::Fragile, &C::SetFragile)
            .DefaultInt(0)
            .Str("HintSecondLine", &C::HintSecondLine, &C::SetHintSecondLine)
            .DefaultStr("")
            .Object("Items", &C::Items)
            .Event("OnClick", &C::OnClick)
            .Bool("ParentColor", &C::ParentColor, &C::SetParentColor)
            .Default(true)
            .Bool("ParentFont", &C::ParentFont, &C::SetParentFont)
            .Default(true)
            .Object("Picture", &C::Picture)
            .Publish({"Left", "Top", "Caption", "Hint", "Alignment", "Anchors", "Buddy", "Color", "Enabled", "Font",
                      "Fragile", "HintSecondLine", "Items", "OnClick", "ParentColor", "ParentFont", "Picture"});
        return i;
    }();
    return info;
}

void TTestControl::SetParentComponent(TComponent* parent) {
    // Like a control, it ignores what cannot hold it.
    if (parent && !dynamic_cast<TTestControl*>(parent) && !dynamic_cast<TTestForm*>(parent)) return;
    if (auto* old = dynamic_cast<TTestControl*>(FParent)) std::erase(old->FChildren, this);
    if (auto* old = dynamic_cast<TTestForm*>(FParent)) std::erase(old->FChildren, this);
    FParent = parent;
    if (auto* p = dynamic_cast<TTestControl*>(parent)) p->FChildren.push_back(this);
    if (auto* p = dynamic_cast<TTestForm*>(parent)) p->FChildren.push_back(this);
}

void TTestControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
    // Lists every child; the writer leaves out those the root does not own.
    for (TTestControl* child : FChildren) proc(child);
}

void TTestControl::Loaded() {
    TComponent::Loaded();
    TStreamLog::Get().Events.push_back("Loaded " + Name());
    ChildrenAtLoaded = int(FChildren.size());
    CaptionAtLoaded = FCaption;
    BuddyAtLoaded = FBuddy;
    if (FCaption == "fail in Loaded") throw std::runtime_error("cannot finish");
}

void TTestControl::SetHintSecondLine(const std::string& v) {
    FHintSecondLine = v;
    if (!FHint.empty() && !v.empty()) FHint += "\r" + v;
}

void TTestControl::SetBuddy(TTestControl* v) {
    if (FBuddy) RemoveFreeNotification(FBuddy);
    FBuddy = v;
    if (FBuddy) FreeNotification(FBuddy);
}

void TTestControl::SetFragile(int v) {
    if (v == 13) throw std::runtime_error("13 is unlucky");
    if (v == OutOfMemoryFragile) throw std::bad_alloc();
    FFragile = v;
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FBuddy) FBuddy = nullptr;
}

void TTestControl::NoteState() {
    SawLoadingWhileSet = ComponentState().Contains(csLoading);
    SawReadingWhileSet = ComponentState().Contains(csReading);
}

// ---------------------------------------------------------------- TTestGroup

TTestGroup::TTestGroup(TComponent* owner) : TTestControl(owner) {
    Items()->OnChange = [this](TObject* sender) { ItemsChanged(sender); };
}

const TClassInfo& TTestGroup::StaticClassInfo() {
    static const TClassInfo info("TStreamTestGroup", &TTestControl::StaticClassInfo(),
                                 [](TComponent* owner) -> TComponent* { return new TTestGroup(owner); });
    return info;
}

void TTestGroup::ReadState(const TReadStateProc& readProperties) {
    FStreaming = true;
    try {
        TTestControl::ReadState(readProperties);
    } catch (...) {
        FStreaming = false;
        throw;
    }
    FStreaming = false;
    Rebuild();
}

void TTestGroup::ItemsChanged(TObject*) {
    if (!FStreaming) Rebuild();
}

void TTestGroup::Rebuild() {
    ++Rebuilds;
    TStreamLog::Get().Events.push_back("Rebuild " + Name() + " with " + std::to_string(Items()->Count()));
}

// ---------------------------------------------------------------- TTestNonVisual

TTestNonVisual::TTestNonVisual(TComponent* owner) : TComponent(owner) { ++TStreamLog::Get().Live; }
TTestNonVisual::~TTestNonVisual() { --TStreamLog::Get().Live; }

const TClassInfo& TTestNonVisual::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TStreamTestStore", &TComponent::StaticClassInfo(),
                     [](TComponent* owner) -> TComponent* { return new TTestNonVisual(owner); });
        TClassBuilder<TTestNonVisual>(i).Int("Level", &TTestNonVisual::Level, &TTestNonVisual::SetLevel, 0, 100).Publish({"Level"});
        return i;
    }();
    return info;
}

// ---------------------------------------------------------------- TTestForm

TTestForm::TTestForm(TComponent* owner) : TComponent(owner) { ++TStreamLog::Get().Live; }

TTestForm::~TTestForm() {
    Destroying();
    DestroyComponents();
    // Children owned by another form (this one was nested in it) outlive it.
    for (TTestControl* child : FChildren) child->FParent = nullptr;
    --TStreamLog::Get().Live;
}

const TClassInfo& TTestForm::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TStreamTestForm", &TComponent::StaticClassInfo(),
                     [](TComponent* owner) -> TComponent* { return new TTestForm(owner); });
        TClassBuilder<TTestForm>(i)
            .Str("Caption", &TTestForm::Caption, &TTestForm::SetCaption)
            .Color("Color", &TTestForm::Color, &TTestForm::SetColor)
            .DefaultColor(clBtnFace)
            .Event("OnCreate", &TTestForm::OnCreate)
            .Publish({"Caption", "Color", "OnCreate"});
        return i;
    }();
    return info;
}

void TTestForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    // As a form does: the controls placed on it, whoever owns them (a form
    // nested in another holds controls its root owns), and, only when it is
    // the one being written, the parentless components it owns.
    for (TTestControl* child : FChildren) proc(child);
    if (root != this) return;
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent()) proc(Components(i));
}

void TTestForm::Loaded() {
    TComponent::Loaded();
    TStreamLog::Get().Events.push_back("Loaded " + Name());
}

const TMethodTable* TTestForm::MethodTable() const {
    static const TMethodTable table = [] {
        TMethodTable t;
        t.Add("ButtonClick", &TTestForm::ButtonClick);
        t.Add("PanelClick", &TTestForm::PanelClick);
        t.Add("KeyHandler", &TTestForm::KeyHandler);
        return t;
    }();
    return &table;
}

const TFieldTable* TTestForm::FieldTable() const {
    static const TFieldTable table = [] {
        TFieldTable t;
        t.Add("Panel1", &TTestForm::Panel1);
        t.Add("Button1", &TTestForm::Button1);
        t.Add("Group1", &TTestForm::Group1);
        t.Add("Store1", &TTestForm::Store1);
        return t;
    }();
    return &table;
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TTestControl::StaticClassInfo());
    RegisterClass(TTestGroup::StaticClassInfo());
    RegisterClass(TTestNonVisual::StaticClassInfo());
    RegisterClass(TTestForm::StaticClassInfo());
    return true;
}();
}  // namespace

// ---------------------------------------------------------------- helpers

std::string HexLines(const std::vector<std::uint8_t>& bytes, const std::string& indent) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) out += "\n" + indent;
        out += Digits[bytes[i] >> 4];
        out += Digits[bytes[i] & 15];
    }
    return out + "}";
}

namespace {
void Put16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    v[at] = std::uint8_t(x);
    v[at + 1] = std::uint8_t(x >> 8);
}
void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    for (int k = 0; k < 4; ++k) v[at + std::size_t(k)] = std::uint8_t(x >> (8 * k));
}
}  // namespace

std::vector<std::uint8_t> FourBitBmp() {
    // The standard 16-colour palette; index 13 is fuchsia, 9 is red.
    static const std::uint32_t palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                              0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                              0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};  // RGB
    constexpr int side = 16, stride = 8;
    const std::size_t offBits = 14 + 40 + 64;
    std::vector<std::uint8_t> f(offBits + stride * side, 0);
    f[0] = 'B';
    f[1] = 'M';
    Put32(f, 2, std::uint32_t(f.size()));
    Put32(f, 10, std::uint32_t(offBits));
    Put32(f, 14, 40);
    Put32(f, 18, side);
    Put32(f, 22, side);
    Put16(f, 26, 1);
    Put16(f, 28, 4);
    Put32(f, 34, stride * side);
    Put32(f, 46, 16);
    for (int k = 0; k < 16; ++k) Put32(f, 54 + std::size_t(k) * 4, palette[k]);  // bytes B, G, R, 0
    // A red diagonal from the top-left corner on fuchsia; rows bottom-up.
    for (int y = 0; y < side; ++y) {
        const std::size_t row = offBits + std::size_t(side - 1 - y) * stride;
        for (int x = 0; x < side; ++x) {
            const std::uint8_t index = x == y ? 9 : 13;
            f[row + std::size_t(x / 2)] |= std::uint8_t(x % 2 == 0 ? index << 4 : index);
        }
    }
    return f;
}

std::vector<std::uint8_t> TwentyFourBitBmp() {
    // Top row: red, green, blue; bottom row: white, black, grey. B, G, R, 0.
    const std::uint8_t pixels[] = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0,
                                   255, 255, 255, 0, 0, 0, 0, 0, 128, 128, 128, 0};
    return EncodeBmp(3, 2, pixels, 12, 24);
}

std::vector<std::uint8_t> WithByteCount(const std::vector<std::uint8_t>& file) {
    std::vector<std::uint8_t> out(4 + file.size());
    Put32(out, 0, std::uint32_t(file.size()));
    std::copy(file.begin(), file.end(), out.begin() + 4);
    return out;
}
