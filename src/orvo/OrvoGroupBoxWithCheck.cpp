#include "orvo/OrvoGroupBoxWithCheck.h"

#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "orvo/OrvoGroupBox.h"

namespace Orvo {

// ================================================================ TOrvoGroupCheck
//
// How the heading keeps the group box's children in line, by the path that
// toggles it:
//
//   path                 toggle                          then
//   mouse press/release  at the press, settled by Click  Click: group Checked := heading
//                                                        Checked, group OnClick
//   press dragged off    undone at CM_MOUSELEAVE         children in line again
//   Enter or Space       KeyDown through the setter      children in line
//   accelerator          Click (old state), then toggle  children in line

TOrvoGroupCheck::TOrvoGroupCheck(TComponent* owner) : TOrvoCheckBox(owner) {
    SetTop(0);
    SetLeft(kGroupCaptionLeft);
}

TOrvoGroupCheck::~TOrvoGroupCheck() = default;

const TClassInfo& TOrvoGroupCheck::StaticClassInfo() {
    // Not registered: only a group box with check makes a heading, and the
    // heading is never written to a form description.
    static const TClassInfo info("TOrvoGroupCheck", &TOrvoCheckBox::StaticClassInfo());
    return info;
}
const TClassInfo& TOrvoGroupCheck::ClassInfo() const { return StaticClassInfo(); }

TOrvoGroupBoxWithCheck* TOrvoGroupCheck::Group() const {
    auto* group = dynamic_cast<TOrvoGroupBoxWithCheck*>(Parent());
    // Another check box of this class placed in a group box is not its heading.
    return group && group->Heading() == this ? group : nullptr;
}

void TOrvoGroupCheck::Click() {
    TComponentGuard guard(this);
    // Settles the press; the heading's own OnClick unless ReadOnly.
    TOrvoCheckBox::Click();
    if (guard.Destroyed()) return;
    TOrvoGroupBoxWithCheck* group = Group();
    if (!group) return;
    // Also when ReadOnly: the state has not changed then, and the group
    // box's OnClick still tells of the click.
    TComponentGuard groupGuard(group);
    group->SetChecked(Checked());
    if (groupGuard.Destroyed()) return;
    group->OnClick(this);
}

void TOrvoGroupCheck::KeyDown(Word& key, TShiftState shift) {
    const bool toggles = key == VK_RETURN || key == VK_SPACE;
    TComponentGuard guard(this);
    TOrvoCheckBox::KeyDown(key, shift);
    if (!toggles || guard.Destroyed()) return;
    if (TOrvoGroupBoxWithCheck* group = Group()) group->BringChildrenInLine();
}

void TOrvoGroupCheck::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_DIALOGCHAR:
        case CM_MOUSELEAVE: {
            TComponentGuard guard(this);
            TOrvoCheckBox::WndProc(message);
            if (guard.Destroyed()) return;
            if (message.Msg == CM_DIALOGCHAR && message.Result == 0) return;  // not the heading's character
            // The accelerator clicks with the old state and toggles after the
            // click; leaving may undo a pending press. Either way the heading
            // may have changed behind the group box's back.
            if (TOrvoGroupBoxWithCheck* group = Group()) group->BringChildrenInLine();
            return;
        }
        default:
            TOrvoCheckBox::WndProc(message);
    }
}

void TOrvoGroupCheck::Paint() {
    const int left = Left();
    TOrvoCheckBox::Paint();
    // AutoSize with the mark at the right keeps the right edge still and so
    // moves the box; a heading stays at the left end of the frame's gap.
    if (Group() && Left() != left) SetLeft(left);
}

// ================================================================ TOrvoGroupBoxWithCheck

TOrvoGroupBoxWithCheck::TOrvoGroupBoxWithCheck(TComponent* owner) : TGroupBox(owner) {
    // Created first, the heading takes the first tab position among the
    // group box's children.
    FCheck = new TOrvoGroupCheck(this);
    FCheck->SetName("Heading");  // so a form can name it as its focused control
    FCheck->SetParent(this);
    SetChecked(true);
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csReplicatable);
    SetTabStop(true);
}

TOrvoGroupBoxWithCheck::~TOrvoGroupBoxWithCheck() {
    // Cleared first: messages sent while the heading goes must not reach it.
    TOrvoGroupCheck* check = FCheck;
    FCheck = nullptr;
    delete check;
}

const TClassInfo& TOrvoGroupBoxWithCheck::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoGroupBoxWithCheck", &TGroupBox::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoGroupBoxWithCheck(owner); });
        using C = TOrvoGroupBoxWithCheck;
        // None of the group box's own properties has a stored default: each
        // is always written.
        TClassBuilder<C>(i)
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify"})
            .Bool("Checked", &C::Checked, &C::SetChecked)
            .Color("CheckColor", &C::CheckColor, &C::SetCheckColor)
            .Enum("CheckStyle", &C::CheckStyle, &C::SetCheckStyle, OrvoCheckStyleNames())
            .Enum("CheckType", &C::CheckType, &C::SetCheckType, OrvoCheckTypeNames())
            .Bool("FocusHighlight", &C::FocusHighlight, &C::SetFocusHighlight)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor)
            .Bool("HotTrack", &C::HotTrack, &C::SetHotTrack)
            .Color("HotTrackFontColor", &C::HotTrackFontColor, &C::SetHotTrackFontColor)
            .Str("HintSecondLine", &C::HintSecondLine, &C::SetHintSecondLine)
            .Event("OnMouseEnter", &C::OnMouseEnter)
            .Event("OnMouseExit", &C::OnMouseExit)
            .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Bool("TransparentCenter", &C::TransparentCenter, &C::SetTransparentCenter)
            .Str("Version", &C::Version, &C::SetVersion);
        // The framework group box's list once more, in its order: Ctl3D
        // stays in its place but is now the group box's own.
        for (const TPropInfo& p : TGroupBox::StaticClassInfo().Published) PublishProperty(i, p.Name, std::nullopt);
        TClassBuilder<C>(i).Publish({"Alignment", "Checked", "CheckColor", "CheckStyle", "CheckType",
                                     "FocusHighlight", "HighlightColor", "HotTrack", "HotTrackFontColor",
                                     "HintSecondLine", "OnMouseEnter", "OnMouseExit", "ReadOnly", "Transparent",
                                     "TransparentCenter", "Version"})
            // A tab stop from the constructor on, where the framework's stored
            // default says no: always written, so that False reads back False.
            .StoredDefault("TabStop", std::nullopt);
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoGroupBoxWithCheck::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- forwarded properties

// While the group box is destroyed there is no heading; the getters then
// answer the defaults.

TLeftRight TOrvoGroupBoxWithCheck::Alignment() const {
    return FCheck ? FCheck->Alignment() : taRightJustify;
}
void TOrvoGroupBoxWithCheck::SetAlignment(TLeftRight value) {
    if (FCheck) FCheck->SetAlignment(value);
}

bool TOrvoGroupBoxWithCheck::Checked() const {
    return FCheck ? FCheck->Checked() : false;
}
void TOrvoGroupBoxWithCheck::SetChecked(bool value) {
    if (!FCheck) return;
    FCheck->SetChecked(value);
    BringChildrenInLine();
}

TColor TOrvoGroupBoxWithCheck::CheckColor() const {
    return FCheck ? FCheck->CheckColor() : clRed;
}
void TOrvoGroupBoxWithCheck::SetCheckColor(TColor value) {
    if (FCheck) FCheck->SetCheckColor(value);
}

TOrvoCheckStyle TOrvoGroupBoxWithCheck::CheckStyle() const {
    return FCheck ? FCheck->CheckStyle() : os3D;
}
void TOrvoGroupBoxWithCheck::SetCheckStyle(TOrvoCheckStyle value) {
    if (FCheck) FCheck->SetCheckStyle(value);
}

TOrvoCheckType TOrvoGroupBoxWithCheck::CheckType() const {
    return FCheck ? FCheck->CheckType() : ocCross;
}
void TOrvoGroupBoxWithCheck::SetCheckType(TOrvoCheckType value) {
    if (FCheck) FCheck->SetCheckType(value);
}

bool TOrvoGroupBoxWithCheck::FocusHighlight() const {
    return FCheck ? FCheck->FocusHighlight() : false;
}
void TOrvoGroupBoxWithCheck::SetFocusHighlight(bool value) {
    if (FCheck) FCheck->SetFocusHighlight(value);
}

TColor TOrvoGroupBoxWithCheck::HighlightColor() const {
    return FCheck ? FCheck->HighlightColor() : clLime;
}
void TOrvoGroupBoxWithCheck::SetHighlightColor(TColor value) {
    if (FCheck) FCheck->SetHighlightColor(value);
}

bool TOrvoGroupBoxWithCheck::HotTrack() const {
    return FCheck ? FCheck->HotTrack() : true;
}
void TOrvoGroupBoxWithCheck::SetHotTrack(bool value) {
    if (FCheck) FCheck->SetHotTrack(value);
}

TColor TOrvoGroupBoxWithCheck::HotTrackFontColor() const {
    return FCheck ? FCheck->HotTrackFontColor() : clBlue;
}
void TOrvoGroupBoxWithCheck::SetHotTrackFontColor(TColor value) {
    if (FCheck) FCheck->SetHotTrackFontColor(value);
}

std::string TOrvoGroupBoxWithCheck::HintSecondLine() const {
    return FCheck ? FCheck->HintSecondLine() : std::string();
}
void TOrvoGroupBoxWithCheck::SetHintSecondLine(const std::string& value) {
    if (FCheck) FCheck->SetHintSecondLine(value);
}

bool TOrvoGroupBoxWithCheck::ReadOnly() const {
    return FCheck ? FCheck->ReadOnly() : false;
}
void TOrvoGroupBoxWithCheck::SetReadOnly(bool value) {
    if (FCheck) FCheck->SetReadOnly(value);
}

bool TOrvoGroupBoxWithCheck::TransparentCenter() const {
    return FCheck ? FCheck->TransparentCenter() : false;
}
void TOrvoGroupBoxWithCheck::SetTransparentCenter(bool value) {
    if (FCheck) FCheck->SetTransparentCenter(value);
}

// ---------------------------------------------------------------- own properties

void TOrvoGroupBoxWithCheck::SetCtl3D(bool value) {
    FCtl3D = value;
    // Paint hands it to the heading too; done here as well so that the
    // heading is right before the first paint.
    if (FCheck) FCheck->SetCtl3D(value);
    Repaint();
}

void TOrvoGroupBoxWithCheck::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    if (FCheck) FCheck->SetTransparent(value);
    Invalidate();
}

// ---------------------------------------------------------------- the rule

void TOrvoGroupBoxWithCheck::BringChildrenInLine() {
    // Only direct children; theirs keep their own values.
    EnableChildControls(*this, Enabled() && Checked(), FCheck);
}

void TOrvoGroupBoxWithCheck::Loaded() {
    TGroupBox::Loaded();
    // Checked was read while the heading was the only child; the children
    // read afterwards brought their own stored Enabled values.
    BringChildrenInLine();
}

void TOrvoGroupBoxWithCheck::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    // The heading is made again by the constructor; the forwarded properties
    // carry its settings.
    TGroupBox::GetChildren(
        [this, &proc](TComponent* child) {
            if (child != FCheck) proc(child);
        },
        root);
}

void TOrvoGroupBoxWithCheck::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FCheck) FCheck = nullptr;
    TGroupBox::Notification(component, operation);
}

// ---------------------------------------------------------------- messages

void TOrvoGroupBoxWithCheck::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED: {
            TComponentGuard guard(this);
            TGroupBox::WndProc(message);
            if (guard.Destroyed()) return;
            if (FCheck) FCheck->SetEnabled(Enabled());
            BringChildrenInLine();
            return;
        }
        case WM_MOVE:
            TGroupBox::WndProc(message);
            // The parent's picture under the box and its children is another one now.
            Invalidate();
            InvalidateChildControls(*this);
            return;
        case WM_ERASEBKGND:
            if (FTransparent) {
                // Paint copies the parent's picture; erasing first would flicker.
                message.Result = 1;
                return;
            }
            break;
        case CM_TEXTCHANGED:
            TGroupBox::WndProc(message);
            // Paint hands the caption over as well; done at once, the
            // heading's accelerator works before the first paint.
            if (FCheck) FCheck->SetCaption(Caption());
            return;
        case CM_DIALOGCHAR:
            // The caption's accelerator belongs to the heading: the framework
            // group box would take it to move the focus inside, so the
            // character goes straight to the children.
            TCustomControl::WndProc(message);
            return;
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE: {
            TComponentGuard guard(this);
            TGroupBox::WndProc(message);
            if (guard.Destroyed() || !Enabled()) return;
            if (message.Msg == CM_MOUSEENTER) OnMouseEnter(this);
            else OnMouseExit(this);
            return;
        }
        default:
            break;
    }
    TGroupBox::WndProc(message);
}

// ---------------------------------------------------------------- painting

int TOrvoGroupBoxWithCheck::HeadingWidth() const { return FCheck ? FCheck->Width() : 0; }

void TOrvoGroupBoxWithCheck::Paint() {
    TCanvas* canvas = Canvas();
    if (FTransparent) CopyParentBackground(this, canvas);
    canvas->SetFont(Font());
    const int captionHeight = canvas->TextHeight(Caption());

    // The top edge runs through the middle of the heading's line; its gap
    // runs from x = 8 under the whole heading.
    const TRect frame = Rect(0, (captionHeight + 3) / 2 - 1, Width() - 1, Height() - 1);
    const int gap = HeadingWidth();
    if (FCtl3D) {
        const TRect highlight = Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom);
        DrawGroupFrame(canvas, highlight, clBtnHighlight, kGroupCaptionLeft, gap);
        DrawGroupFrame(canvas, Rect(highlight.Left - 1, highlight.Top - 1, highlight.Right - 1, highlight.Bottom - 1),
                       clBtnShadow, kGroupCaptionLeft, gap);
    } else {
        DrawGroupFrame(canvas, frame, clWindowFrame, kGroupCaptionLeft, gap);
    }

    if (!FCheck) return;
    FCheck->SetCaption(Caption());
    FCheck->SetCtl3D(FCtl3D);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoGroupBoxWithCheck::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
