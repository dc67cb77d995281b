#pragma once
// What every control of the library shares: its enumerations, the mouse
// over/out event types, the Version banner, and the two painting routines
// (the parent-background copy and the transparency blend).

#include <cstdint>
#include <string>
#include <vector>

#include "host/services/Types.h"
#include "host/framework/TypeInfo.h"

namespace Orvo {

class TControl;
class TCanvas;

// Frame drawn round a control: none; sunken one-pixel frame; raised
// one-pixel frame; plain one-pixel frame in the control's BorderColor.
enum TOrvoBorder : std::uint8_t { obNone, obLowered, obRaised, obSimple };
// When the border is drawn: always, or only while the control has the focus.
enum TOrvoBorderVisible : std::uint8_t { bvAlways, bvWhenFocused };
// Family of the check glyphs: flat, shaded, glossy.
enum TOrvoCheckStyle : std::uint8_t { osFlat, os3D, os3DJumbo };
// Shape of the check glyph: tick, cross, filled circle.
enum TOrvoCheckType : std::uint8_t { ocCheck, ocCross, ocCircle };
// Direction of a background's colour gradient.
enum TGradStyle : std::uint8_t { gsHorizontal, gsVertical };

// Value names in ordinal order, as form descriptions store them; pass them to
// TClassBuilder::Enum when publishing a property of these types.
const std::vector<std::string>& OrvoBorderNames();
const std::vector<std::string>& OrvoBorderVisibleNames();
const std::vector<std::string>& OrvoCheckStyleNames();
const std::vector<std::string>& OrvoCheckTypeNames();
const std::vector<std::string>& GradStyleNames();

// The types of OnMouseEnter and OnMouseExit: called with the control as Sender.
using TOnMouseOverEvent = TNotifyEvent;
using TOnMouseOutEvent = TNotifyEvent;

// The banner every control publishes as its read-only Version property.
inline constexpr const char* kOrvoVersionBanner = "Version 2.00 by the OrvoControls team";

// How a control publishes Version: the getter answers the banner and the
// setter ignores its value, so neither code nor a form description that
// stores another text can change it. The property is still written to form
// descriptions (it has no stored default). In a control:
//
//     std::string Version() const { return OrvoVersion(); }
//     void SetVersion(const std::string& value) { IgnoreVersion(value); }
//     ...
//     TClassBuilder<TOrvoCheckBox>(info).Str("Version", &TOrvoCheckBox::Version, &TOrvoCheckBox::SetVersion);
inline std::string OrvoVersion() { return kOrvoVersionBanner; }
// The Version setter's body: the value is deliberately dropped.
inline void IgnoreVersion(const std::string& /*value*/) {}

// Paints the picture of `control`'s parent under the control onto `canvas`
// (the control's own canvas): the parent's background, its own painting and
// its windowless children, clipped to the parent's client area. A control
// without a parent gets nothing. The canvas's device-context state (origin,
// clipping) is left as it was.
void CopyParentBackground(TControl* control, TCanvas* canvas);

// Lays `color` over what the canvas shows inside its clip box, by
// `transparency` percent: 0 paints solid `color`, 100 changes nothing, 50 the
// midpoint (odd differences round toward `color`). System colours are
// allowed. Callers cap the percentage at 100; larger values are treated as 100.
void BlendColor(TCanvas* canvas, TColor color, std::uint8_t transparency);

}  // namespace Orvo
