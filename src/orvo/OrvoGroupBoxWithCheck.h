#pragma once
// TOrvoGroupBoxWithCheck: a group box whose caption is a live check box, the
// heading (a TOrvoGroupCheck at 8, 0 on the top edge of the frame). Ticking
// the heading enables the controls inside the group box, clearing it
// disables them. Most check-related properties of the group box are kept in
// the heading and only forwarded.
//
// The rule the group box keeps: a child other than the heading is enabled
// exactly when the group box is enabled and the heading is checked. It is
// applied whenever Checked is assigned, the group box's Enabled changes, a
// form description has been loaded, and the heading is toggled by the mouse,
// by Enter or Space, or by its accelerator. (A child added later keeps its
// Enabled value until the next of these.)

#include <string>

#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoCheckBox.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

class TOrvoGroupBoxWithCheck;

/// The heading check box. Its Click settles the press as a check box does,
/// then brings the group box into line with the heading's state and raises
/// the group box's OnClick with the heading as Sender. Outside a group box
/// with check it is a plain check box.
class TOrvoGroupCheck : public TOrvoCheckBox {
public:
    explicit TOrvoGroupCheck(TComponent* owner);
    ~TOrvoGroupCheck() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void Click() override;

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void Paint() override;

private:
    // The group box this heading belongs to, or null.
    TOrvoGroupBoxWithCheck* Group() const;
};

/// A group box whose title is a live check box that enables or disables what it holds.
class TOrvoGroupBoxWithCheck : public TGroupBox {
public:
    explicit TOrvoGroupBoxWithCheck(TComponent* owner);
    ~TOrvoGroupBoxWithCheck() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void Loaded() override;

    // The heading check box (null only while the group box is destroyed).
    TOrvoGroupCheck* Heading() const { return FCheck; }

    // ---- properties kept in the heading (read back from it)
    TLeftRight Alignment() const;
    void SetAlignment(TLeftRight value);
    // The checked rule: the heading's Checked := value, then every child but
    // the heading is enabled exactly when the group box is enabled and value
    // is True.
    bool Checked() const;
    void SetChecked(bool value);
    TColor CheckColor() const;
    void SetCheckColor(TColor value);
    TOrvoCheckStyle CheckStyle() const;
    void SetCheckStyle(TOrvoCheckStyle value);
    TOrvoCheckType CheckType() const;
    void SetCheckType(TOrvoCheckType value);
    bool FocusHighlight() const;
    void SetFocusHighlight(bool value);
    TColor HighlightColor() const;
    void SetHighlightColor(TColor value);
    bool HotTrack() const;
    void SetHotTrack(bool value);
    TColor HotTrackFontColor() const;
    void SetHotTrackFontColor(TColor value);
    // The heading's; the two-line hint rule applies to the heading's Hint.
    std::string HintSecondLine() const;
    void SetHintSecondLine(const std::string& value);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool TransparentCenter() const;
    void SetTransparentCenter(bool value);

    // ---- properties of the group box's own
    // Hides the framework's Ctl3D: etched or flat frame, and the heading's
    // square follows it. Assigning it repaints at once, even when unchanged.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // The parent's picture shows through the group box and its heading.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }

    // Raised while the group box is enabled, when the pointer comes onto it
    // and when it goes off it (CM_MOUSEENTER and CM_MOUSELEAVE, as for the
    // check box). The heading and the controls inside are controls of their
    // own: moving onto one of them is leaving the group box's surface.
    TOnMouseOverEvent OnMouseEnter;
    TOnMouseOutEvent OnMouseExit;

    // Brings every child but the heading into line with the rule (enabled
    // exactly when the group box is enabled and the heading is checked).
    void BringChildrenInLine();

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The top edge's gap runs under the heading, which sits at x = 8.
    int HeadingWidth() const;

    TOrvoGroupCheck* FCheck = nullptr;  // owned (as a component) by the group box
    bool FCtl3D = true;
    bool FTransparent = false;
};

}  // namespace Orvo
