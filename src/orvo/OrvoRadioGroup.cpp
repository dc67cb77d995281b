#include "orvo/OrvoRadioGroup.h"

#include <algorithm>

#include "host/services/Colors.h"
#include "host/services/DeviceContext.h"
#include "host/framework/Forms.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "host/framework/WindowServices.h"

namespace Orvo {

// ================================================================ TOrvoGroupButton

TOrvoGroupButton::TOrvoGroupButton(TOrvoRadioGroup* group) : TOrvoRadioButton(group), FGroup(group) {
    group->FButtonList.Add(this);
    SetVisible(false);  // until the group lays it out
    SetEnabled(group->Enabled());
    SetParentShowHint(false);
    OnClick = [group](TObject* sender) { group->HandleButtonClick(sender); };
    SetParent(group);
}

TOrvoGroupButton::~TOrvoGroupButton() { FGroup->FButtonList.Remove(this); }

const TClassInfo& TOrvoGroupButton::StaticClassInfo() {
    // Not registered: the buttons never appear in a form description.
    static const TClassInfo info("TOrvoGroupButton", &TOrvoRadioButton::StaticClassInfo());
    return info;
}
const TClassInfo& TOrvoGroupButton::ClassInfo() const { return StaticClassInfo(); }

void TOrvoGroupButton::HandleCommand(TMessage& message) {
    // A command handled here may come back here (the handling sends
    // messages of its own); the second one is dropped.
    if (FInCommand) return;
    FInCommand = true;
    TComponentGuard guard(this);
    const UINT code = HIWORD(message.WParam);
    try {
        if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && FGroup->AcceptsChange())
            TOrvoRadioButton::WndProc(message);
    } catch (...) {
        // Reported application-wide and not passed on.
        if (Application) Application->HandleException(guard.Destroyed() ? nullptr : this);
    }
    if (!guard.Destroyed()) FInCommand = false;
}

void TOrvoGroupButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        HandleCommand(message);
        return;
    }
    TOrvoRadioButton::WndProc(message);
}

void TOrvoGroupButton::KeyPress(char& key) {
    TComponentGuard guard(this);
    TOrvoRadioButton::KeyPress(key);
    if (guard.Destroyed()) return;
    FGroup->KeyPress(key);
    if (guard.Destroyed()) return;
    if ((key == '\b' || key == ' ') && !FGroup->AcceptsChange()) key = '\0';
}

void TOrvoGroupButton::KeyDown(Word& key, TShiftState shift) {
    TComponentGuard guard(this);
    TOrvoRadioButton::KeyDown(key, shift);
    if (guard.Destroyed()) return;
    FGroup->KeyDown(key, shift);
    if (guard.Destroyed()) return;
    if (key == VK_UP || key == VK_LEFT || key == VK_DOWN || key == VK_RIGHT) {
        const bool forward = key == VK_DOWN || key == VK_RIGHT;
        key = 0;
        FGroup->SelectNeighbour(this, forward);
    }
}

// ================================================================ TOrvoRadioGroup
//
// Selection: ItemIndex follows a click on a button (with OnClick), the
// ItemIndex setter and the clamping after an Items change. Enter or Space on
// a focused button and a CN_COMMAND clicked change the checked button but
// not ItemIndex, and raise no OnClick.
//
// Reading a form description: ReadState sets FStreaming, so the stored
// properties are only stored (ItemIndex as written, PlaceButtons does
// nothing); afterwards RefreshButtons creates, captions, checks and lays out
// the buttons, and Loaded lays them out once more.

TOrvoRadioGroup::TOrvoRadioGroup(TComponent* owner) : TCustomGroupBox(owner), FItems(std::make_unique<TStringList>()) {
    // No children from a designer: the buttons are the group's own.
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
    FItems->OnChange = [this](TObject* sender) { HandleItemsChange(sender); };
}

TOrvoRadioGroup::~TOrvoRadioGroup() {
    Destroying();
    // Each button leaves the list as it goes.
    ResizeButtonList(0);
    // Freeing the list must not call back into a group half gone.
    FItems->OnChange = nullptr;
    FItems.reset();
}

const TClassInfo& TOrvoRadioGroup::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoRadioGroup", &TCustomGroupBox::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoRadioGroup(owner); });
        using C = TOrvoRadioGroup;
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify"})
            .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Enum("Border", &C::Border, &C::SetBorder, OrvoBorderNames())
            .Color("BorderColor", &C::BorderColor, &C::SetBorderColor)
            .Enum("BorderVisible", &C::BorderVisible, &C::SetBorderVisible, OrvoBorderVisibleNames())
            .Color("CheckColor", &C::CheckColor, &C::SetCheckColor)
            .Enum("CheckStyle", &C::CheckStyle, &C::SetCheckStyle, OrvoCheckStyleNames())
            .Int("Columns", &C::Columns, &C::SetColumns)
            .DefaultInt(1)
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Bool("FocusHighlight", &C::FocusHighlight, &C::SetFocusHighlight)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor)
            .Bool("HotTrack", &C::HotTrack, &C::SetHotTrack)
            .Color("HotTrackFontColor", &C::HotTrackFontColor, &C::SetHotTrackFontColor)
            .Int("ItemIndex", &C::ItemIndex, &C::SetItemIndex)
            .DefaultInt(-1)
            .Object("Items", &C::Items)
            .Bool("Raised", &C::Raised, &C::SetRaised)
            .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Bool("TransparentCenter", &C::TransparentCenter, &C::SetTransparentCenter)
            .Str("Version", &C::Version, &C::SetVersion)
            .Publish({"Align",          "Alignment",      "Anchors",        "AutoSize",       "BiDiMode",
                      "Border",         "BorderColor",    "BorderVisible",  "Caption",        "CheckColor",
                      "CheckStyle",     "Color",          "Columns",        "Constraints",    "Ctl3D",
                      "DragCursor",     "DragKind",       "DragMode",       "Enabled",        "FocusHighlight",
                      "Font",           "HighlightColor", "HotTrack",       "HotTrackFontColor", "ItemIndex",
                      "Items",          "OnClick",        "OnDragDrop",     "OnDragOver",     "OnEndDock",
                      "OnEndDrag",      "OnEnter",        "OnExit",         "OnStartDock",    "OnStartDrag",
                      "ParentBiDiMode", "ParentColor",    "ParentCtl3D",    "ParentFont",     "ParentShowHint",
                      "PopupMenu",      "Raised",         "ReadOnly",       "ShowHint",       "TabOrder",
                      "TabStop",        "Transparent",    "TransparentCenter", "Version",     "Visible"});
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoRadioGroup::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

template <class T>
void TOrvoRadioGroup::HandDown(T& field, T value) {
    if (value == field) return;
    field = value;
    PlaceButtons();
}

void TOrvoRadioGroup::SetAlignment(TLeftRight value) {
    HandDown(FAlignment, value == taLeftJustify ? taLeftJustify : taRightJustify);
}
void TOrvoRadioGroup::SetAutoSize(bool value) { HandDown(FAutoSize, value); }
void TOrvoRadioGroup::SetBorder(TOrvoBorder value) { HandDown(FBorder, value); }
void TOrvoRadioGroup::SetBorderColor(TColor value) { HandDown(FBorderColor, value); }
void TOrvoRadioGroup::SetBorderVisible(TOrvoBorderVisible value) { HandDown(FBorderVisible, value); }
void TOrvoRadioGroup::SetCheckColor(TColor value) { HandDown(FCheckColor, value); }
void TOrvoRadioGroup::SetCheckStyle(TOrvoCheckStyle value) { HandDown(FCheckStyle, value); }
void TOrvoRadioGroup::SetFocusHighlight(bool value) { HandDown(FFocusHighlight, value); }
void TOrvoRadioGroup::SetHighlightColor(TColor value) { HandDown(FHighlightColor, value); }
void TOrvoRadioGroup::SetHotTrack(bool value) { HandDown(FHotTrack, value); }
void TOrvoRadioGroup::SetHotTrackFontColor(TColor value) { HandDown(FHotTrackFontColor, value); }
void TOrvoRadioGroup::SetRaised(bool value) { HandDown(FRaised, value); }
void TOrvoRadioGroup::SetReadOnly(bool value) { HandDown(FReadOnly, value); }
void TOrvoRadioGroup::SetTransparentCenter(bool value) { HandDown(FTransparentCenter, value); }

void TOrvoRadioGroup::SetColumns(int value) {
    value = std::clamp(value, 1, 16);
    if (value == FColumns) return;
    FColumns = value;
    PlaceButtons();
    Invalidate();
}

void TOrvoRadioGroup::SetCtl3D(bool value) {
    if (value == FCtl3D) return;
    FCtl3D = value;
    PlaceButtons();
    Invalidate();
}

void TOrvoRadioGroup::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    PlaceButtons();
    Invalidate();
}

void TOrvoRadioGroup::SetItems(const TStrings* value) { FItems->Assign(value); }

void TOrvoRadioGroup::SetItemIndex(int value) {
    if (FStreaming) {
        // The lines may not have been read yet: RefreshButtons settles it.
        FItemIndex = value;
        return;
    }
    value = std::clamp(value, -1, FButtonList.Count() - 1);
    if (value == FItemIndex) return;
    if (FItemIndex >= 0 && FItemIndex < FButtonList.Count()) FButtonList[FItemIndex]->SetChecked(false);
    FItemIndex = value;
    if (FItemIndex >= 0) FButtonList[FItemIndex]->SetChecked(true);
    NotifyStateChanged();
}

// ---------------------------------------------------------------- buttons

void TOrvoRadioGroup::ResizeButtonList(int count) {
    // Owned by the group; each appends itself and is named by its line, so a
    // form can name the focused one ("RadioGroup1.Button2").
    while (FButtonList.Count() < count)
        (new TOrvoGroupButton(this))->SetName("Button" + std::to_string(FButtonList.Count() - 1));
    while (FButtonList.Count() > count) delete FButtonList.Last();   // it removes itself
}

void TOrvoRadioGroup::PlaceButtons() {
    const int n = FButtonList.Count();
    if (n == 0 || FStreaming) return;

    // The font's cell height, read once per layout on a screen DC.
    TEXTMETRIC metrics;
    HDC screen = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(screen, Font()->Handle());
    GetTextMetrics(screen, &metrics);
    SelectObject(screen, oldFont);
    ReleaseDC(nullptr, screen);
    const int t = metrics.tmHeight;

    const int c = FColumns;
    const int rows = (n + c - 1) / c;
    const int w = (Width() - 15) / c;
    const int room = Height() - t - 5;
    const int h = room / rows;
    const int y0 = t + 1 + (room % rows) / 2;

    // Every window moves in one batch, applied also when a button's setter
    // throws on the way.
    struct TBatch {
        HDWP Info;
        ~TBatch() { EndDeferWindowPos(Info); }
    } batch{BeginDeferWindowPos(n)};

    for (int i = 0; i < n; ++i) {
        TOrvoGroupButton* button = FButtonList[i];
        button->SetBiDiMode(BiDiMode());
        int left = (i / rows) * w + 8;
        if (button->UseRightToLeftAlignment()) left = ClientWidth() - left - w;
        const int top = (i % rows) * h + y0;

        // The look first: a changed Alignment or BorderColor re-creates the
        // button's window, and a position queued for the old window would
        // be lost with it.
        button->SetAlignment(FAlignment);
        button->SetAutoSize(FAutoSize);
        button->SetBorder(FBorder);
        button->SetBorderColor(FBorderColor);
        button->SetBorderVisible(FBorderVisible);
        button->SetCheckStyle(FCheckStyle);
        button->SetCheckColor(FCheckColor);
        button->SetCtl3D(FCtl3D);
        button->SetFocusHighlight(FFocusHighlight);
        button->SetHighlightColor(FHighlightColor);
        button->SetHotTrack(FHotTrack);
        button->SetHotTrackFontColor(FHotTrackFontColor);
        button->SetRaised(FRaised);
        button->SetReadOnly(FReadOnly);
        button->SetTransparent(FTransparent);
        button->SetTransparentCenter(FTransparentCenter);

        batch.Info = DeferWindowPos(batch.Info, button->Handle(), nullptr, left, top, w, h,
                                    SWP_NOZORDER | SWP_NOACTIVATE);
        button->SetVisible(true);
    }
}

void TOrvoRadioGroup::RefreshButtons() {
    ResizeButtonList(FItems->Count());
    for (int i = 0; i < FButtonList.Count(); ++i) FButtonList[i]->SetCaption(FItems->Strings(i));
    if (FItemIndex >= 0 && FItemIndex < FButtonList.Count()) FButtonList[FItemIndex]->SetChecked(true);
    PlaceButtons();
    Invalidate();
}

void TOrvoRadioGroup::HandleItemsChange(TObject*) {
    if (FStreaming) return;
    if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
    RefreshButtons();
    NotifyStateChanged();  // the lines, and maybe ItemIndex
}

void TOrvoRadioGroup::SelectNeighbour(TOrvoGroupButton* from, bool forward) {
    // Up and Left go to the previous line, Down and Right to the next,
    // round the ends, passing over lines that cannot take the focus. The
    // line reached is focused and clicked, as if the user had clicked it:
    // it is checked (unless ReadOnly), ItemIndex follows and OnClick fires.
    const int n = FButtonList.Count();
    const int start = FButtonList.IndexOf(from);
    if (start < 0) return;
    for (int step = 1; step < n; ++step) {
        TOrvoGroupButton* next = FButtonList[((start + (forward ? step : -step)) % n + n) % n];
        if (!next->CanFocus()) continue;
        TComponentGuard guard(next);
        next->SetFocus();
        if (!guard.Destroyed()) next->Click();
        return;
    }
}

void TOrvoRadioGroup::HandleButtonClick(TObject* sender) {
    // The button's click has already checked it and unchecked the others.
    FItemIndex = FButtonList.IndexOf(static_cast<TOrvoGroupButton*>(sender));
    TComponentGuard guard(this);
    NotifyStateChanged();
    if (guard.Destroyed()) return;
    Changed();
    if (!guard.Destroyed()) Click();
}

// ---------------------------------------------------------------- streaming

void TOrvoRadioGroup::ReadState(const TReadStateProc& readProperties) {
    FStreaming = true;
    try {
        TCustomGroupBox::ReadState(readProperties);
    } catch (...) {
        FStreaming = false;
        throw;
    }
    FStreaming = false;
    // The group's own setter never stores an index at or beyond the lines;
    // a hand-edited description may: it gets the setter's clamp.
    FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
    RefreshButtons();
    NotifyStateChanged();
}

void TOrvoRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    PlaceButtons();
}

void TOrvoRadioGroup::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TOrvoRadioGroup::FlipChildren(bool) {}

// ---------------------------------------------------------------- messages

void TOrvoRadioGroup::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
            TCustomGroupBox::WndProc(message);
            for (int i = 0; i < FButtonList.Count(); ++i) FButtonList[i]->SetEnabled(Enabled());
            return;
        case CM_FONTCHANGED:
            TCustomGroupBox::WndProc(message);
            PlaceButtons();
            return;
        case WM_MOVE:
            TCustomGroupBox::WndProc(message);
            if (FTransparent) Invalidate();
            return;
        case WM_ERASEBKGND:
            if (FTransparent) {
                message.Result = 1;
                return;
            }
            break;
        case WM_SIZE:
            TCustomGroupBox::WndProc(message);
            Invalidate();
            PlaceButtons();
            return;
        default:
            break;
    }
    TCustomGroupBox::WndProc(message);
}

// ---------------------------------------------------------------- painting

void TOrvoRadioGroup::Paint() {
    TCanvas* canvas = Canvas();
    if (FTransparent) CopyParentBackground(this, canvas);
    canvas->SetFont(Font());
    const std::string caption = Caption();
    const int textHeight = canvas->TextHeight(caption);
    TRect r = Rect(0, textHeight / 2 - 1, Width() - 1, Height() - 1);
    if (FCtl3D) {
        // Etched: a highlight frame one pixel down and right under a shadow frame.
        r.Left += 1;
        r.Top += 1;
        DrawFrame(r, clBtnHighlight);
        OffsetRect(r, -1, -1);
        DrawFrame(r, clBtnShadow);
    } else {
        DrawFrame(r, clWindowFrame);
    }
    if (caption.empty()) return;

    TRect captionRect = Rect(8, 0, 0, textHeight);
    if (UseRightToLeftAlignment()) captionRect.Left = r.Right - canvas->TextWidth(caption) - 8;
    const unsigned flags = DrawTextBiDiModeFlags(DT_SINGLELINE);
    DrawText(canvas->Handle(), caption, captionRect, flags | DT_CALCRECT);
    if (FTransparent) canvas->Brush()->SetStyle(bsClear);
    else canvas->Brush()->SetColor(Color());
    DrawText(canvas->Handle(), caption, captionRect, flags);
}

void TOrvoRadioGroup::DrawFrame(const TRect& r, TColor color) {
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(color);
    // The top edge stays open under the caption, from x 8 to 7 + its width.
    const int gap = color == clBtnHighlight ? 6 : 7;
    canvas->MoveTo(r.Left + gap, r.Top);
    canvas->LineTo(r.Left, r.Top);
    canvas->LineTo(r.Left, r.Bottom);
    canvas->LineTo(r.Right, r.Bottom);
    canvas->LineTo(r.Right, r.Top);
    canvas->LineTo(r.Left + gap + canvas->TextWidth(Caption()), r.Top);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoRadioGroup::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
