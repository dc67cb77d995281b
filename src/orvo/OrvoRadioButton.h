#pragma once
// TOrvoRadioButton: a windowed radio button that draws itself: a 13 x 13
// ring (flat, or shaded sunken or raised) with a recoloured dot when
// checked, its caption beside it, an optional border, hot tracking, a focus
// highlight and full transparency over its parent.
//
// Checking a radio button unchecks every other radio button with the same
// parent and the same GroupIndex. User input only ever checks a button; it
// is unchecked by a sibling being checked, by code, or by a press that is
// dragged off before the release.
//
// What it shares with the check box is in orvo/OrvoCustomCheck.h.

#include <cstdint>
#include <string>

#include "orvo/OrvoCustomCheck.h"

namespace Orvo {

// The dot's resource name for a check style: "RB_CIRCLE", "RB_3D_CIRCLE" or
// "RB_GLOSSY_CIRCLE".
std::string RadioGlyphName(TOrvoCheckStyle style);

// Where the ring lies in a control of that size: its 13 x 13 bounding box
// (x0, y0)-(x1, y1), at the right edge for taLeftJustify, else at x 3.
TRect RadioRingBox(TLeftRight alignment, int width, int height);

/// A radio button with a recoloured mark, an optional border, hot-tracking, a focus colour and transparency.
class TOrvoRadioButton : public TOrvoCustomCheck {
public:
    explicit TOrvoRadioButton(TComponent* owner);
    ~TOrvoRadioButton() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    // A button read checked unchecks its group only now that every sibling
    // has been read (see CheckedAssigned).
    void Loaded() override;
    // Settles a pending press; unless ReadOnly, checks the button (its
    // siblings unchecked) and raises OnClick.
    void Click() override;

    std::uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(std::uint8_t value);
    bool Raised() const { return FRaised; }
    void SetRaised(bool value);

    // ---- read-only views for tests and derived controls
    // Checked before the last assignment (and what presses and keys leave).
    bool WasChecked() const { return FWasChecked; }
    std::string GlyphResourceName() const override { return RadioGlyphName(CheckStyle()); }
    // After a paint of a checked, enabled button: where the dot went.
    TRect DotRect() const { return FDotRect; }

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    // The ring and, when checked and enabled, the dot in it.
    void DrawMark() override;
    // A press puts the dot there at once; the siblings keep theirs until
    // the release completes the check.
    void ShowPress() override;
    // A press that put the dot there and was dragged off takes it away.
    void UndoPress() override;
    // The group rule: every assignment records the former value and, when
    // it checks, unchecks the siblings of the same group. While a form
    // description is read the siblings are left alone: the group a button
    // belongs to (GroupIndex) is stored after Checked, and siblings read
    // later are not there yet. Loaded applies the rule.
    void CheckedAssigned(bool was) override;

private:
    void UncheckSiblings();
    void DrawRing(const TRect& ring);
    void HandleCommand(TMessage& message);

    bool FWasChecked = false;
    TRect FDotRect;
    std::uint8_t FGroupIndex = 0;
    bool FRaised = false;
};

}  // namespace Orvo
