#pragma once
// TOrvoCheckBox: a windowed check box that draws everything itself: its
// background (solid, the focus highlight, or the parent's picture), an
// optional border, the caption, a 14 x 14 check square and a 16 x 16 glyph
// recoloured to CheckColor. It toggles on a left press, on Enter or Space and
// on its accelerator; it can hot-track and be read-only.
//
// What it shares with the radio button is in orvo/OrvoCustomCheck.h.

#include <string>

#include "orvo/OrvoCustomCheck.h"

namespace Orvo {

// The check box glyph's resource name: "CB_", then "" / "3D_" / "GLOSSY_" by
// style, then "CHECK" / "CROSS" / "CIRCLE" by type ("CB_3D_CROSS").
std::string CheckBoxGlyphName(TOrvoCheckStyle style, TOrvoCheckType type);

/// A check box with a recoloured check mark, an optional border, hot-tracking, a focus colour and transparency.
class TOrvoCheckBox : public TOrvoCustomCheck {
public:
    explicit TOrvoCheckBox(TComponent* owner);
    ~TOrvoCheckBox() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    TOrvoCheckType CheckType() const { return FCheckType; }
    void SetCheckType(TOrvoCheckType value);

    // The glyph's resource name for the current style and type.
    std::string GlyphResourceName() const override { return CheckBoxGlyphName(CheckStyle(), FCheckType); }

protected:
    // A pending press is undone first when the focus went elsewhere.
    void Paint() override;
    void KeyDown(Word& key, TShiftState shift) override;
    // The 14 x 14 square and, when checked, the glyph over it.
    void DrawMark() override;
    // A press toggles the box at once; one not settled toggles it back.
    void ShowPress() override { ShowChecked(!Checked()); }
    void UndoPress() override { ToggleThroughSetter(); }
    // The accelerator clicks with the old state, then toggles.
    void AcceleratorClicked() override { ToggleThroughSetter(); }

private:
    void ToggleThroughSetter() { SetChecked(!Checked()); }

    TOrvoCheckType FCheckType = ocCross;
};

}  // namespace Orvo
