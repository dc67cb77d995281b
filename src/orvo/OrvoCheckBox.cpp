#include "orvo/OrvoCheckBox.h"

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"

namespace Orvo {

// ================================================================ TOrvoCheckBox
//
// The press rule, on top of the press state of every check control
// (orvo/OrvoCustomCheck.cpp): a left press toggles the box at once, and a
// press no click settled toggles it back:
//
//   state           event                                   action                 next
//   settled (True)  left press, enabled and not ReadOnly    toggle now, Repaint    pending (False)
//   pending         release over the control (Click)        OnClick unless ReadOnly settled
//   pending         CM_MOUSELEAVE while enabled             toggle back            settled
//   pending         paint while the control lacks the focus toggle back            settled
//   settled         CM_MOUSELEAVE                           no toggle              settled
//   any             Click by any path                       OnClick unless ReadOnly settled
//
// So a press dragged off the control and released outside leaves the box as
// it was and raises no OnClick; dragged off and back on, the box is as it was
// and the release still raises OnClick.

namespace {

// Where the check square sits: its left edge and the control's middle row.
struct TCheckSquarePlace {
    int X0;
    int YCentre;
};

TCheckSquarePlace CheckSquarePlace(TLeftRight alignment, int width, int height) {
    return {alignment == taLeftJustify ? width - 16 : 2, height / 2};
}

}  // namespace

std::string CheckBoxGlyphName(TOrvoCheckStyle style, TOrvoCheckType type) {
    std::string name = "CB_";
    switch (style) {
        case osFlat: break;
        case os3D: name += "3D_"; break;
        case os3DJumbo: name += "GLOSSY_"; break;
    }
    switch (type) {
        case ocCheck: name += "CHECK"; break;
        case ocCross: name += "CROSS"; break;
        case ocCircle: name += "CIRCLE"; break;
    }
    return name;
}

TOrvoCheckBox::TOrvoCheckBox(TComponent* owner) : TOrvoCustomCheck(owner, clRed) { LoadGlyph(); }

TOrvoCheckBox::~TOrvoCheckBox() = default;

const TClassInfo& TOrvoCheckBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoCheckBox", &TOrvoCustomCheck::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoCheckBox(owner); });
        using C = TOrvoCheckBox;
        // CheckType has no stored default either: it is always written.
        TClassBuilder<C>(i)
            .Enum("CheckType", &C::CheckType, &C::SetCheckType, OrvoCheckTypeNames())
            .Publish({"Alignment",     "Anchors",        "AutoSize",       "BiDiMode",
                      "Border",        "BorderColor",    "BorderVisible",  "Caption",
                      "Checked",       "CheckColor",     "CheckStyle",     "CheckType",
                      "Color",         "Constraints",    "Ctl3D",          "DragCursor",
                      "DragKind",      "DragMode",       "Enabled",        "FocusHighlight",
                      "Font",          "HighlightColor", "HotTrack",       "HotTrackFontColor",
                      "HintSecondLine", "OnClick",       "OnDragDrop",     "OnDragOver",
                      "OnEndDock",     "OnEndDrag",      "OnEnter",        "OnExit",
                      "OnKeyDown",     "OnKeyPress",     "OnKeyUp",        "OnMouseDown",
                      "OnMouseEnter",  "OnMouseExit",    "OnMouseMove",    "OnMouseUp",
                      "OnStartDock",   "OnStartDrag",    "ParentBiDiMode", "ParentFont",
                      "ParentColor",   "PopupMenu",      "ReadOnly",       "ShowHint",
                      "TabStop",       "TabOrder",       "Transparent",    "TransparentCenter",
                      "Version",       "Visible",        "WordWrap"});
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoCheckBox::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoCheckBox::SetCheckType(TOrvoCheckType value) {
    if (value == FCheckType) return;
    FCheckType = value;
    LoadGlyph();
    Invalidate();
}

// ---------------------------------------------------------------- input

void TOrvoCheckBox::KeyDown(Word& key, TShiftState shift) {
    // Held down, the key toggles once: its repeats are no new presses.
    if ((key == VK_RETURN || key == VK_SPACE) && !KeyRepeating()) ToggleThroughSetter();
    TOrvoCustomCheck::KeyDown(key, shift);
}

// ---------------------------------------------------------------- painting

void TOrvoCheckBox::Paint() {
    // Focus went elsewhere before a press was settled.
    if (!Focused()) SettlePendingPress();
    TOrvoCustomCheck::Paint();
}

void TOrvoCheckBox::DrawMark() {
    TCanvas* canvas = Canvas();
    const TCheckSquarePlace at = CheckSquarePlace(Alignment(), Width(), Height());
    const int x0 = at.X0, yc = at.YCentre;

    // 14 x 14, right and bottom edges exclusive; after its frame the inside
    // is (x0 + 2, yc - 5, x0 + 12, yc + 5).
    TRect square = Rect(x0, yc - 7, x0 + 14, yc + 7);
    if (Ctl3D()) {
        Frame3D(canvas, square, clBtnShadow, clBtnHighlight, 1);
        Frame3D(canvas, square, clWindowFrame, cl3DLight, 1);
    } else {
        canvas->Pen()->SetColor(Enabled() ? clWindowFrame : clBtnShadow);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(x0 + 1, yc - 6, x0 + 13, yc + 6);
        InflateRect(square, -2, -2);
    }
    // A disabled box shows the empty square, checked or not.
    if (!Enabled()) return;

    if (!TransparentCenter()) {
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(square);
    }
    TBitmap& glyph = Glyph();
    if (!Checked() || glyph.Empty()) return;
    // The glyph's bottom-left pixel is its transparent colour; the glyph is
    // one pixel larger than the square on every side.
    const TColor keyColor = glyph.Pixel(0, glyph.Height() - 1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->BrushCopy(Rect(x0 - 1, yc - 8, x0 + 15, yc + 8), &glyph, Rect(0, 0, glyph.Width(), glyph.Height()),
                      keyColor);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoCheckBox::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
