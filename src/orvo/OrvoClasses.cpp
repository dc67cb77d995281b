#include "orvo/OrvoClasses.h"

#include <algorithm>

#include "host/services/Colors.h"
#include "host/framework/Controls.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "orvo/OrvoBlendKernel.h"

namespace Orvo {

const std::vector<std::string>& OrvoBorderNames() {
    static const std::vector<std::string> names{"obNone", "obLowered", "obRaised", "obSimple"};
    return names;
}

const std::vector<std::string>& OrvoBorderVisibleNames() {
    static const std::vector<std::string> names{"bvAlways", "bvWhenFocused"};
    return names;
}

const std::vector<std::string>& OrvoCheckStyleNames() {
    static const std::vector<std::string> names{"osFlat", "os3D", "os3DJumbo"};
    return names;
}

const std::vector<std::string>& OrvoCheckTypeNames() {
    static const std::vector<std::string> names{"ocCheck", "ocCross", "ocCircle"};
    return names;
}

const std::vector<std::string>& GradStyleNames() {
    static const std::vector<std::string> names{"gsHorizontal", "gsVertical"};
    return names;
}

void CopyParentBackground(TControl* control, TCanvas* canvas) {
    if (!control || !canvas) return;
    TWinControl* parent = control->Parent();
    HDC dc = canvas->Handle();
    if (!dc) return;
    // A control placed in a window of the program around the library (a Qt
    // widget) has no parent: that program supplies the picture.
    if (!parent) {
        PaintOutsideBackground(control, dc);
        return;
    }
    // Without a saved state the shift and the clipping could not be undone,
    // so the canvas is better left alone. Saved, they are undone also when
    // the parent's painting raises.
    TSavedDC saved(dc);
    if (!saved.Saved()) return;

    // From here on the parent's client coordinates land on the control.
    saved.ShiftOrigin(-control->Left(), -control->Top());
    saved.ClipTo(0, 0, parent->ClientWidth(), parent->ClientHeight());

    // Given a DC, the parent paints into it: background, own painting and
    // windowless children (windowed siblings are not painted).
    const WPARAM target = reinterpret_cast<WPARAM>(dc);
    parent->Perform(WM_ERASEBKGND, target, 0);
    parent->Perform(WM_PAINT, target, 0);
}

void BlendColor(TCanvas* canvas, TColor color, std::uint8_t transparency) {
    if (!canvas) return;
    // Above 100 the result would leave the byte range; callers cap it already.
    const int percent = std::min<int>(transparency, 100);
    const COLORREF rgb = ColorToRGB(color);
    const TBlendRowKernel kernel(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), percent);

    // The clip box's pixels that may be painted are blended where they lie:
    // each depends on itself only, so copying them out to a picture and
    // drawing it back through the clip gives the very same bytes.
    const TRect clip = canvas->ClipRect();
    if (clip.IsEmpty()) return;
    HDC dc = canvas->Handle();
    if (!dc) return;
    ForEachPaintableSpan(dc, clip, [&kernel](std::uint8_t* pixels, int count) { kernel.Apply(pixels, count); });
}

}  // namespace Orvo
