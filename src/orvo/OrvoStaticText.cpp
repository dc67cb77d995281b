#include "orvo/OrvoStaticText.h"

#include <algorithm>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "orvo/OrvoCaptionPainting.h"

namespace Orvo {

namespace {

// The text-drawing flags of every copy of the caption: lines broken at
// words, each aligned as Alignment says.
unsigned CaptionFlags(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify:
            return DT_WORDBREAK | DT_RIGHT;
        case taCenter:
            return DT_WORDBREAK | DT_CENTER;
        case taLeftJustify:
        default:
            return DT_WORDBREAK | DT_LEFT;
    }
}

}  // namespace

TOrvoStaticText::TOrvoStaticText(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
    SetTabStop(true);
}

TOrvoStaticText::~TOrvoStaticText() = default;

const TClassInfo& TOrvoStaticText::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoStaticText", &TCustomControl::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoStaticText(owner); });
        using C = TOrvoStaticText;
        // The control's own properties are always written, except a
        // Transparency of 100.
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"})
            .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Enum("Border", &C::Border, &C::SetBorder, OrvoBorderNames())
            .Color("BorderColor", &C::BorderColor, &C::SetBorderColor)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Int("Transparency", &C::Transparency, &C::SetTransparency, 0, 255)
            .DefaultInt(100)
            .Str("Version", &C::Version, &C::SetVersion)
            .Publish({"Alignment",     "Anchors",   "AutoSize",       "BiDiMode",    "Border",     "BorderColor",
                      "Caption",       "Color",     "Constraints",    "DragCursor",  "DragKind",   "DragMode",
                      "Enabled",       "Font",      "OnClick",        "OnDragDrop",  "OnDragOver", "OnEndDock",
                      "OnEndDrag",     "OnMouseDown", "OnMouseMove",  "OnMouseUp",   "OnStartDock", "OnStartDrag",
                      "ParentBiDiMode", "ParentFont", "ParentColor",  "PopupMenu",   "ShowHint",   "TabStop",
                      "TabOrder",      "Transparent", "Transparency", "Version",     "Visible"})
            // A tab stop from the constructor on, where the framework's stored
            // default says no: always written, so that False reads back False.
            .StoredDefault("TabStop", std::nullopt);
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoStaticText::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoStaticText::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    RecreateWnd();
}

void TOrvoStaticText::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    Invalidate();
}

void TOrvoStaticText::SetBorder(TOrvoBorder value) {
    if (value == FBorder) return;
    FBorder = value;
    Invalidate();
}

void TOrvoStaticText::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    RecreateWnd();
}

void TOrvoStaticText::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

void TOrvoStaticText::SetTransparency(std::uint8_t value) {
    value = std::min<std::uint8_t>(value, 100);
    if (value == FTransparency) return;
    FTransparency = value;
    Invalidate();
}

// ---------------------------------------------------------------- messages

void TOrvoStaticText::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
        case CM_PARENTCOLORCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED:
        case CM_VISIBLECHANGED:
            TCustomControl::WndProc(message);
            Invalidate();
            return;
        case WM_MOVE:
            TCustomControl::WndProc(message);
            // The parent's picture under the control is another one now.
            if (FTransparent) Invalidate();
            return;
        default:
            // WM_ERASEBKGND keeps the framework's fill with Color; Paint
            // covers it.
            TCustomControl::WndProc(message);
            return;
    }
}

// ---------------------------------------------------------------- painting

void TOrvoStaticText::Paint() {
    if (FTransparent) {
        TCanvas* canvas = Canvas();
        CopyParentBackground(this, canvas);
        if (FTransparency < 100) BlendColor(canvas, Color(), FTransparency);
    }
    DrawBackground();
    DrawCaption();
    if (FAutoSize) AutoSizeToCaption();
}

void TOrvoStaticText::DrawBackground() {
    TCanvas* canvas = Canvas();
    TBrush* brush = canvas->Brush();
    FBackRect = ClientRect();
    if (FTransparent) {
        brush->SetStyle(bsClear);
    } else {
        brush->SetColor(Color());
        brush->SetStyle(bsSolid);
    }
    FrameOrvoBorder(canvas, FBackRect, FBorder, FBorderColor);
    // A transparent control keeps the parent's picture inside its border.
    if (!FTransparent) canvas->FillRect(FBackRect);
    if (FTransparent) brush->SetStyle(bsSolid);
}

void TOrvoStaticText::DrawCaption() {
    TCanvas* canvas = Canvas();
    SelectCaptionFont(canvas, Font(), Font()->Color());
    FCaptionRect = ClientRect();
    if (FBorder != obNone) InflateRect(FCaptionRect, -1, -1);
    const std::string caption = Caption();
    TCaptionDrawing drawing{caption, FCaptionRect, Font(), Enabled(), false};
    drawing.LayoutFlags = CaptionFlags(FAlignment);
    Orvo::DrawCaption(canvas, drawing);
}

void TOrvoStaticText::AutoSizeToCaption() {
    // One line in the control's font (the canvas has it since DrawCaption).
    const TSize extent = Canvas()->TextExtent(Caption());
    const int width = extent.cx + 4;
    const int height = extent.cy + 4;
    // The repaint a change of size brings measures the same and stops here.
    if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoStaticText::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
