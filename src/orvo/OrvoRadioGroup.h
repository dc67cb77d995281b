#pragma once
// TOrvoRadioGroup: a framed, captioned container that shows one radio button
// for each line of Items, in 1 to 16 columns, and keeps ItemIndex as the
// position of the selected line (-1 for none). The buttons (TOrvoGroupButton)
// are created, owned, laid out and styled by the group and are never stored
// in a form description: only Items and ItemIndex are. The group hands its
// look properties to every button each time it lays them out.

#include <memory>
#include <string>

#include "host/framework/Classes.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoClasses.h"
#include "orvo/OrvoRadioButton.h"

namespace Orvo {

class TOrvoRadioGroup;

/// One line of a radio group: a radio button that reports its clicks to the
/// group, forwards its keys to it and asks it before a command changes it.
class TOrvoGroupButton : public TOrvoRadioButton {
public:
    // Appends itself to the group's buttons and becomes its hidden child.
    explicit TOrvoGroupButton(TOrvoRadioGroup* group);
    // Leaves the group's button list first.
    ~TOrvoGroupButton() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void KeyPress(char& key) override;

protected:
    void KeyDown(Word& key, TShiftState shift) override;

private:
    void HandleCommand(TMessage& message);

    TOrvoRadioGroup* FGroup;
    bool FInCommand = false;
};

/// A group box of radio buttons made from a list of items, one of which is checked.
class TOrvoRadioGroup : public TCustomGroupBox {
public:
    explicit TOrvoRadioGroup(TComponent* owner);
    ~TOrvoRadioGroup() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void ReadState(const TReadStateProc& readProperties) override;
    void Loaded() override;
    // The buttons are the group's own business: never streamed, never flipped.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void FlipChildren(bool allLevels) override;

    // Whether a button may change on a command; the group buttons ask.
    virtual bool AcceptsChange() const { return true; }
    // The arrow keys on a line: focuses and clicks the previous or next one.
    void SelectNeighbour(TOrvoGroupButton* from, bool forward);

    // ---- properties (none has a stored default but Columns and ItemIndex)
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TOrvoBorder Border() const { return FBorder; }
    void SetBorder(TOrvoBorder value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TOrvoBorderVisible BorderVisible() const { return FBorderVisible; }
    void SetBorderVisible(TOrvoBorderVisible value);
    TColor CheckColor() const { return FCheckColor; }
    void SetCheckColor(TColor value);
    TOrvoCheckStyle CheckStyle() const { return FCheckStyle; }
    void SetCheckStyle(TOrvoCheckStyle value);
    int Columns() const { return FColumns; }
    // Clamped to 1..16.
    void SetColumns(int value);
    // The group's own flag: the etched or flat frame, and the buttons' rings.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool FocusHighlight() const { return FFocusHighlight; }
    void SetFocusHighlight(bool value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TColor HotTrackFontColor() const { return FHotTrackFontColor; }
    void SetHotTrackFontColor(TColor value);
    int ItemIndex() const { return FItemIndex; }
    // Clamped to -1..line count - 1 (stored as given while the group reads
    // its form description); checks that line's button; no OnClick.
    void SetItemIndex(int value);
    TStrings* Items() const { return FItems.get(); }
    // Copies the lines of `value`.
    void SetItems(const TStrings* value);
    bool Raised() const { return FRaised; }
    void SetRaised(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool TransparentCenter() const { return FTransparentCenter; }
    void SetTransparentCenter(bool value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }

    // ---- read-only views
    int ButtonCount() const { return FButtonList.Count(); }
    TOrvoGroupButton* Buttons(int index) const { return FButtonList.Items(index); }

protected:
    void Paint() override;

private:
    friend class TOrvoGroupButton;

    void ResizeButtonList(int count);
    void PlaceButtons();
    void RefreshButtons();
    void HandleButtonClick(TObject* sender);
    void HandleItemsChange(TObject* sender);
    void DrawFrame(const TRect& r, TColor color);
    // Stores and lays the buttons out when the value differs.
    template <class T>
    void HandDown(T& field, T value);

    std::unique_ptr<TStringList> FItems;
    TList<TOrvoGroupButton> FButtonList;
    bool FStreaming = false;
    int FItemIndex = -1;
    int FColumns = 1;

    TLeftRight FAlignment = taRightJustify;
    bool FAutoSize = false;
    TOrvoBorder FBorder = obNone;
    TColor FBorderColor = clBlue;
    TOrvoBorderVisible FBorderVisible = bvAlways;
    TColor FCheckColor = clBlack;
    TOrvoCheckStyle FCheckStyle = os3D;
    bool FCtl3D = true;
    bool FFocusHighlight = false;
    TColor FHighlightColor = clLime;
    bool FHotTrack = true;
    TColor FHotTrackFontColor = clBlue;
    bool FRaised = false;
    bool FReadOnly = false;
    bool FTransparent = false;
    bool FTransparentCenter = false;
};

}  // namespace Orvo
