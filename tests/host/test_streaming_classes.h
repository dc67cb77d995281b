#pragma once
// Small streamable classes for the form reader and writer tests: a form with
// handlers and component fields, a control that can hold children and has a
// property of every kind, and a group that holds back its reactions while it
// is read. They record what the reader did to them.

#include <memory>
#include <string>
#include <vector>

#include "host/framework/Classes.h"
#include "host/framework/Graphics.h"

using namespace Orvo;

// What the test classes saw; each test clears it.
struct TStreamLog {
    std::vector<std::string> Events;  // "Loaded Panel1", "Rebuild Group1"...
    int Live = 0;                     // test components alive
    static TStreamLog& Get();
};

enum TTestAlignment : std::uint8_t { talLeft, talRight, talCenter };
enum TTestAnchor : std::uint8_t { tanLeft, tanTop, tanRight, tanBottom };

class TTestControl : public TComponent {
public:
    explicit TTestControl(TComponent* owner);
    ~TTestControl() override;
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void Loaded() override;
    const std::vector<TTestControl*>& Children() const { return FChildren; }

    int Left() const { return FLeft; }
    void SetLeft(int v) { FLeft = v; NoteState(); }
    int Top() const { return FTop; }
    void SetTop(int v) { FTop = v; }
    std::string Caption() const { return FCaption; }
    void SetCaption(const std::string& v) { FCaption = v; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& v) { FHint = v; }
    // Appends a second line to a non-empty Hint, as the library's controls do.
    const std::string& HintSecondLine() const { return FHintSecondLine; }
    void SetHintSecondLine(const std::string& v);
    TTestAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TTestAlignment v) { FAlignment = v; }
    std::uint32_t Anchors() const { return FAnchors; }
    void SetAnchors(std::uint32_t v) { FAnchors = v; }
    TTestControl* Buddy() const { return FBuddy; }
    void SetBuddy(TTestControl* v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; FParentColor = false; }
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v) { FParentColor = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    TFont* Font() const { return FFont.get(); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v) { FParentFont = v; }
    TStrings* Items() const { return FItems.get(); }
    TBitmap* Picture() const { return FPicture.get(); }
    // Refuses 13, the way a setter may refuse a value it cannot take, and
    // runs out of memory at OutOfMemoryFragile, as one asked for a buffer of
    // that many bytes might.
    static constexpr int OutOfMemoryFragile = 1 << 30;
    int Fragile() const { return FFragile; }
    void SetFragile(int v);

    TNotifyEvent OnClick;

    // The component states seen by the Left setter, and what Loaded saw.
    // Loaded throws for the caption "fail in Loaded".
    bool SawLoadingWhileSet = false;
    bool SawReadingWhileSet = false;
    int ChildrenAtLoaded = -1;
    std::string CaptionAtLoaded;
    TTestControl* BuddyAtLoaded = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTestForm;
    void NoteState();

    TComponent* FParent = nullptr;
    std::vector<TTestControl*> FChildren;
    int FLeft = 0, FTop = 0;
    std::string FCaption, FHint, FHintSecondLine;
    TTestAlignment FAlignment = talLeft;
    std::uint32_t FAnchors = (1u << tanLeft) | (1u << tanTop);
    TTestControl* FBuddy = nullptr;
    TColor FColor = clWindow;
    bool FParentColor = true;
    bool FEnabled = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    std::unique_ptr<TStringList> FItems;
    std::unique_ptr<TBitmap> FPicture;
    int FFragile = 0;
};

// A control that rebuilds something from its Items, except while it is
// being read: then it waits and rebuilds once, when ReadState ends.
class TTestGroup : public TTestControl {
public:
    explicit TTestGroup(TComponent* owner);
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    void ReadState(const TReadStateProc& readProperties) override;

    int Rebuilds = 0;

private:
    void ItemsChanged(TObject*);
    void Rebuild();
    bool FStreaming = false;
};

// A component without a parent (like a dialog component on a form).
class TTestNonVisual : public TComponent {
public:
    explicit TTestNonVisual(TComponent* owner);
    ~TTestNonVisual() override;
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    int Level() const { return FLevel; }
    void SetLevel(int v) { FLevel = v; }

private:
    int FLevel = 0;
};

class TTestForm : public TComponent {
public:
    explicit TTestForm(TComponent* owner);
    ~TTestForm() override;
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void Loaded() override;
    const TMethodTable* MethodTable() const override;
    const TFieldTable* FieldTable() const override;

    std::string Caption() const { return FCaption; }
    void SetCaption(const std::string& v) { FCaption = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }

    // Handlers the descriptions bind to.
    void ButtonClick(TObject* sender) { Clicked.push_back(sender); }
    void PanelClick(TObject* sender) { Clicked.push_back(sender); }
    void KeyHandler(TObject* sender, int key) {}
    std::vector<TObject*> Clicked;

    // Fields bound by name.
    TTestControl* Panel1 = nullptr;
    TTestControl* Button1 = nullptr;
    TTestGroup* Group1 = nullptr;
    TTestNonVisual* Store1 = nullptr;

    TNotifyEvent OnCreate;

private:
    friend class TTestControl;
    std::vector<TTestControl*> FChildren;  // the controls placed on the form
    std::string FCaption;
    TColor FColor = clBtnFace;
};

// Helpers shared by the streaming tests.
std::string HexLines(const std::vector<std::uint8_t>& bytes, const std::string& indent);
std::vector<std::uint8_t> FourBitBmp();        // 16 x 16, 16 colours
std::vector<std::uint8_t> TwentyFourBitBmp();  // 3 x 2
std::vector<std::uint8_t> WithByteCount(const std::vector<std::uint8_t>& file);
