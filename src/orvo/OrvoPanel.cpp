#include "orvo/OrvoPanel.h"

#include <algorithm>
#include <string_view>

#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "orvo/OrvoGroupBox.h"

namespace Orvo {

TOrvoPanel::TOrvoPanel(TComponent* owner) : TPanel(owner) {
    // The framework panel already accepts child controls and is
    // replicatable; both are kept.
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csReplicatable);
    SetTabStop(true);
}

const TClassInfo& TOrvoPanel::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoPanel", &TPanel::StaticClassInfo(), [](TComponent* owner) { return new TOrvoPanel(owner); });
        using C = TOrvoPanel;
        // Own properties have no stored default: each is always written,
        // after the inherited ones (Ctl3D moves there, as the panel's own).
        TClassBuilder<C>(i)
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Int("Transparency", &C::Transparency, &C::SetTransparency, 0, 255)
            .Str("Version", &C::Version, &C::SetVersion)
            .Publish({"Ctl3D", "Transparent", "Transparency", "Version"})
            // A tab stop from the constructor on, where the framework's stored
            // default says no: always written, so that False reads back False.
            .StoredDefault("TabStop", std::nullopt);
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoPanel::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoPanel::SetCtl3D(bool value) {
    FCtl3D = value;
    Repaint();
}

void TOrvoPanel::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
    // Transparent children copy the panel's new picture.
    InvalidateChildControls(*this);
}

void TOrvoPanel::SetTransparency(std::uint8_t value) {
    value = std::min<std::uint8_t>(value, 100);
    if (value == FTransparency) return;
    FTransparency = value;
    Invalidate();
    InvalidateChildControls(*this);
}

// ---------------------------------------------------------------- messages

void TOrvoPanel::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
            TPanel::WndProc(message);
            EnableChildControls(*this, Enabled());
            return;
        case WM_MOVE:
            TPanel::WndProc(message);
            InvalidateChildControls(*this);
            return;
        case WM_ERASEBKGND:
            if (FTransparent) {
                // No parent picture here (Paint copies it); the colour is laid
                // over whatever the device context shows now.
                if (FTransparency < 100) {
                    TCanvas canvas;
                    canvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
                    BlendColor(&canvas, Color(), FTransparency);
                    canvas.SetHandle(nullptr);  // the device context stays the caller's
                }
                message.Result = 1;
                return;
            }
            break;
        default:
            break;
    }
    TPanel::WndProc(message);
}

// ---------------------------------------------------------------- painting

void TOrvoPanel::DrawFrame(TRect& rect) {
    TCanvas* canvas = Canvas();
    if (!FCtl3D) {
        // The bevel and border-width properties play no part in the flat look.
        canvas->Brush()->SetColor(clWindowFrame);
        canvas->FrameRect(rect);
        InflateRect(rect, -1, -1);
        return;
    }
    TColor topLeft, bottomRight;
    if (BevelOuter() != bvNone) {
        BevelColors(BevelOuter(), topLeft, bottomRight);
        Frame3D(canvas, rect, topLeft, bottomRight, BevelWidth());
    }
    Frame3D(canvas, rect, Color(), Color(), BorderWidth());
    if (BevelInner() != bvNone) {
        BevelColors(BevelInner(), topLeft, bottomRight);
        Frame3D(canvas, rect, topLeft, bottomRight, BevelWidth());
    }
}

void TOrvoPanel::DrawCaption(TRect rect) {
    TCanvas* canvas = Canvas();
    const std::string text = Caption();
    // The caption is drawn as a zero-terminated text: it ends at a #0.
    const std::string_view caption(text.c_str());
    if (caption.empty()) return;
    // One text line centred vertically, the division truncating toward zero.
    const int textHeight = canvas->TextHeight(caption);
    rect.Top = (rect.Top + rect.Bottom - textHeight) / 2;
    rect.Bottom = rect.Top + textHeight;
    static constexpr unsigned kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};  // by TAlignment
    const unsigned flags = DrawTextBiDiModeFlags(DT_EXPANDTABS | DT_VCENTER | kAlignments[Alignment()]);
    DrawText(canvas->Handle(), caption, rect, flags);
}

void TOrvoPanel::Paint() {
    TCanvas* canvas = Canvas();
    if (FTransparent) {
        CopyParentBackground(this, canvas);
        if (FTransparency < 100) BlendColor(canvas, Color(), FTransparency);
    }
    canvas->SetFont(Font());

    TRect rect = ClientRect();
    DrawFrame(rect);
    canvas->Brush()->SetColor(Color());  // also makes the brush solid again
    // A transparent panel keeps the picture the first step made.
    if (!FTransparent) canvas->FillRect(rect);
    // The caption has no background; the brush stays clear after painting.
    canvas->Brush()->SetStyle(bsClear);
    DrawCaption(rect);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoPanel::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
