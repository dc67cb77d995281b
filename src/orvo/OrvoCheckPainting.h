#pragma once
// Painting and behaviour pieces shared by the check controls (check box,
// radio button, the heading of the group box with check): the border kinds,
// the caption layout and its plain and embossed drawing, the per-paint colour
// choices, hot tracking with its mouse enter/exit events, the two-line hint
// and the recoloured check glyphs.
//
// Each piece is a small function of the values it needs, so a control's
// Paint reads as the list of its steps and two controls that follow the same
// rule call the same code.

#include <functional>
#include <string>
#include <string_view>

#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/services/Messages.h"
#include "host/services/Types.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

class TBitmap;
class TCanvas;
class TControl;
class TFont;

// ---------------------------------------------------------------- per-paint choices

// The background colour of a paint: the highlight colour while focused with
// FocusHighlight on, otherwise the control's colour.
TColor BackgroundPaintColor(bool focused, bool focusHighlight, TColor highlightColor, TColor color);

// The caption colour of a paint: the hot-track colour while the control
// shows its hot look, otherwise the font's colour.
TColor CaptionPaintColor(bool hot, TColor hotTrackFontColor, TColor fontColor);

// The border drawn in a paint: none while unfocused with bvWhenFocused,
// otherwise the control's border.
TOrvoBorder EffectiveBorder(TOrvoBorder border, TOrvoBorderVisible visible, bool focused);

// ---------------------------------------------------------------- background and border

struct TBackgroundPainting {
    bool Transparent = false;  // the parent's picture instead of a fill
    TColor Color = clWindow;   // the fill colour when not transparent
    bool Hot = false;          // wash the result halfway toward clBtnHighlight
};

// Paints the background of `clientRect`: the parent's picture or a fill,
// then, while hot, the wash over the canvas's clip box.
void PaintCheckBackground(TControl* control, TCanvas* canvas, const TRect& clientRect, const TBackgroundPainting& how);

// Frames `rect` for the border kind with Frame3D:
//
//   border      top-left        bottom-right    width
//   obNone      -               -               0 (nothing, rect unchanged)
//   obLowered   clBtnShadow     clBtnHighlight  1
//   obRaised    clBtnHighlight  clBtnShadow     1
//   obSimple    borderColor     borderColor     1
//
// Frame3D shrinks the rectangle by one pixel a side; after a drawn border
// it is also moved one pixel left, so the caption keeps its horizontal
// place whether or not there is a border.
void DrawOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor);

// The same frame without the move: `rect` ends up shrunk by one pixel a
// side after a drawn border (unchanged for obNone). Controls whose inside
// is the client rectangle less its frame (the static text) use this.
void FrameOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor);

// ---------------------------------------------------------------- caption

// The caption as it is measured: without its first "&" (only the first, so
// "A&&B" measures as "A&B", which is how the text drawing shows it).
std::string CaptionMeasuringText(std::string_view caption);

// Where the caption goes in a paint.
struct TCaptionLayout {
    std::string MeasuringText;
    TSize TextSize;     // w and h of the measuring text
    TRect CaptionRect;  // where the caption is drawn
};

// Lays the caption out in `clientRect` with the canvas's current font.
// The text is measured with the canvas's text extent, or with WordWrap as
// the rectangle DrawText computes (DT_CALCRECT | DT_WORDBREAK) in
// (Left + 20, Top, Right, Bottom) whatever the alignment. It is centred
// vertically (the division truncating toward zero) and starts at Left + 3
// for taLeftJustify (the mark sits at the right) or Left + 20 otherwise.
TCaptionLayout LayoutCaption(TCanvas* canvas, std::string_view caption, const TRect& clientRect, TLeftRight alignment,
                             bool wordWrap);

// Gives the canvas the control's font, then the colour of this paint.
void SelectCaptionFont(TCanvas* canvas, const TFont* font, TColor paintFontColor);

// The dotted focus frame round the caption, one pixel outside it.
void DrawCaptionFocusRect(TCanvas* canvas, const TRect& captionRect);

struct TCaptionDrawing {
    std::string_view Caption;     // drawn with its "&" marks
    TRect Rect;                   // the caption rectangle
    const TFont* Font = nullptr;  // the control's font
    bool Enabled = true;
    bool WordWrap = false;
    // Text-drawing flags every copy of the caption uses, the embossed ones
    // of a disabled caption included (the static text's DT_WORDBREAK and
    // alignment). The check controls leave it 0.
    unsigned LayoutFlags = 0;
};

// Draws the caption with a clear brush in the canvas's font colour (flags
// LayoutFlags, plus DT_WORDBREAK with WordWrap); a disabled caption is embossed first
// (DrawDisabledCaption), which leaves the colour at clBtnShadow for this
// last copy. Afterwards the canvas font colour is the font's own again.
void DrawCaption(TCanvas* canvas, const TCaptionDrawing& caption);

// The embossed part of a disabled caption, with flags LayoutFlags only (so
// WordWrap plays no part in it): the caption
// in the font's colour, a clBtnHighlight copy one pixel right and down, and
// the font colour left at clBtnShadow for the copy DrawCaption draws on top.
void DrawDisabledCaption(TCanvas* canvas, const TCaptionDrawing& caption);

// AutoSize: the control becomes the caption's text width + 24 wide, its
// height unchanged. With taLeftJustify (the mark at the right) it first
// moves left by the growth, so that its right edge stays where it was.
void AutoSizeToCaption(TControl& control, TCanvas* canvas, std::string_view measuringText, TLeftRight alignment);

// ---------------------------------------------------------------- hot tracking

// Whether the pointer is over the control with hot tracking on, and the
// rules for CM_MOUSEENTER and CM_MOUSELEAVE:
//
//   message         control   HotTrack   action
//   CM_MOUSEENTER   enabled   on         mouse over := True, Repaint, OnMouseEnter
//   CM_MOUSEENTER   enabled   off        OnMouseEnter
//   CM_MOUSELEAVE   enabled   on         mouse over := False, Repaint, settle a
//                                        pending press, OnMouseExit
//   CM_MOUSELEAVE   enabled   off        settle a pending press, OnMouseExit
//   either          disabled  any        nothing, no event
//
// A paint shows the hot look only while both the mouse-over flag and
// HotTrack are on.
class TOrvoHotTracking {
public:
    bool MouseOver() const { return FMouseOver; }
    bool ShowsHot(bool hotTrack) const { return FMouseOver && hotTrack; }

    void HandleMouseEnter(TControl& control, bool hotTrack, const TOnMouseOverEvent& onEnter);
    // `settlePress` (may be empty) runs after the repaint and before the event.
    void HandleMouseLeave(TControl& control, bool hotTrack, const std::function<void()>& settlePress,
                          const TOnMouseOutEvent& onExit);

private:
    bool FMouseOver = false;
};

// ---------------------------------------------------------------- hint

// The HintSecondLine rule, after the caller stored the new text: outside a
// designer, when both the control's Hint and the text are not empty, Hint
// gets a carriage return (character 13) and the text appended. Every such
// assignment appends once more (a third line, not a replaced second one).
void AppendHintSecondLine(TControl& control, const std::string& secondLine);
// The Hint a form description stores for a control with a second hint line:
// the hint without the line that HintSecondLine appended, so that reading the
// description back (Hint first, then HintSecondLine) gives the same hint
// again instead of appending the line once more.
std::string StoredHint(const std::string& hint, const std::string& secondLine);

// ---------------------------------------------------------------- shared messages

// The handling the check box and the radio button give the same messages,
// each after the inherited handling (`inherited`, the control's inherited
// WndProc): notifications that only repaint (enabled, parent colour, font,
// text, visible), a move that repaints a transparent control, an erase that a
// transparent control skips, the double click's Click for its second press,
// and focus changes that repaint at once. Answers false for other messages
// (and for an erase while opaque), which the control passes on itself.
bool HandleSharedCheckMessage(TControl& control, TMessage& message, bool transparent,
                              const std::function<void(TMessage&)>& inherited);

// ---------------------------------------------------------------- glyphs

// The check box glyph's resource name: "CB_", then "" / "3D_" / "GLOSSY_" by
// style, then "CHECK" / "CROSS" / "CIRCLE" by type ("CB_3D_CROSS").
std::string CheckBoxGlyphName(TOrvoCheckStyle style, TOrvoCheckType type);

// The three colours a glyph's marker colours become for a check colour.
struct TGlyphShades {
    COLORREF Body;    // pure red becomes the check colour itself
    COLORREF Shadow;  // dark red: each channel halved (shifted right one bit)
    COLORREF Light;   // yellow: 255 from 128 up, else 255 - trunc((255 - c) * 0.25)
};
TGlyphShades GlyphShadesFor(TColor checkColor);

// Recolours a glyph's marker pixels in place, column by column from the
// left and each column from the top; each pixel is tested once, so a pixel
// already replaced is never replaced again. Other colours (the magenta key,
// white) stay.
void ColorizeGlyph(TBitmap& glyph, TColor checkColor);

// Loads the pristine bitmap resource into `glyph` (so colourings never build
// on one another) and recolours it. A missing or unreadable resource leaves
// the glyph empty: there is simply no mark to draw.
void LoadColorizedGlyph(TBitmap& glyph, std::string_view resourceName, TColor checkColor);

}  // namespace Orvo
