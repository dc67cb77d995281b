#include "orvo/OrvoGroupBox.h"

#include <algorithm>

#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"

namespace Orvo {

// ================================================================ shared container pieces

namespace {

// Whether any pixel of the frame's strokes (its four sides and the top's two
// pieces either side of the gap) can lie inside `clip`. A control over the
// middle of a group box repaints a clip inside the frame many times.
bool FrameMeetsClip(const TRect& rect, const TRect& clip, int firstTopX, int lastTopX) {
    if (clip.IsEmpty()) return false;
    const int left = std::min({rect.Left, rect.Right, firstTopX, lastTopX});
    const int right = std::max({rect.Left, rect.Right, firstTopX, lastTopX});
    const int top = std::min(rect.Top, rect.Bottom), bottom = std::max(rect.Top, rect.Bottom);
    if (clip.Right <= left || clip.Left > right || clip.Bottom <= top || clip.Top > bottom) return false;
    const bool insideSides = clip.Left > std::min(rect.Left, rect.Right) && clip.Right <= std::max(rect.Left, rect.Right) &&
                             clip.Top > top && clip.Bottom <= bottom;
    return !insideSides;
}

}  // namespace

void DrawGroupFrame(TCanvas* canvas, const TRect& rect, TColor color, int gapLeft, int gapWidth) {
    canvas->Pen()->SetColor(color);
    if (!FrameMeetsClip(rect, canvas->ClipRect(), gapLeft - 1, gapLeft - 1 + gapWidth)) {
        canvas->MoveTo(gapLeft - 1 + gapWidth, rect.Top);  // where the strokes would leave the pen
        return;
    }
    // LineTo leaves out its end point: the first stroke covers gapLeft - 1
    // down to Left + 1, the last one Right down to gapLeft + gapWidth.
    canvas->MoveTo(gapLeft - 1, rect.Top);
    canvas->LineTo(rect.Left, rect.Top);
    canvas->LineTo(rect.Left, rect.Bottom);
    canvas->LineTo(rect.Right, rect.Bottom);
    canvas->LineTo(rect.Right, rect.Top);
    canvas->LineTo(gapLeft - 1 + gapWidth, rect.Top);
}

void InvalidateChildControls(TWinControl& parent) {
    for (int i = 0; i < parent.ControlCount(); ++i) parent.Controls(i)->Invalidate();
}

void EnableChildControls(TWinControl& parent, bool enabled, const TControl* except) {
    // By index on purpose: a child's CM_ENABLEDCHANGED handler could change
    // the list, and the index check keeps the loop inside it.
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* child = parent.Controls(i);
        if (child != except) child->SetEnabled(enabled);
    }
}

// ================================================================ TOrvoGroupBox

TOrvoGroupBox::TOrvoGroupBox(TComponent* owner) : TGroupBox(owner) {
    // The framework group box already accepts child controls and is
    // replicatable; both are kept.
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csReplicatable);
    SetTabStop(true);
}

const TClassInfo& TOrvoGroupBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoGroupBox", &TGroupBox::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoGroupBox(owner); });
        using C = TOrvoGroupBox;
        // Own properties have no stored default: each is always written,
        // after the inherited ones (Ctl3D moves there, as the group box's own).
        TClassBuilder<C>(i)
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Str("Version", &C::Version, &C::SetVersion)
            .Publish({"Ctl3D", "Transparent", "Version"})
            // A tab stop from the constructor on, where the framework's stored
            // default says no: always written, so that False reads back False.
            .StoredDefault("TabStop", std::nullopt);
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoGroupBox::ClassInfo() const { return StaticClassInfo(); }

void TOrvoGroupBox::SetCtl3D(bool value) {
    FCtl3D = value;
    Repaint();
}

void TOrvoGroupBox::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
    InvalidateChildControls(*this);
}

void TOrvoGroupBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
            TGroupBox::WndProc(message);
            EnableChildControls(*this, Enabled());
            return;
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
        default:
            break;
    }
    TGroupBox::WndProc(message);
}

// ---------------------------------------------------------------- painting

TOrvoGroupBox::TFrameRects TOrvoGroupBox::FrameRects(int captionHeight) const {
    const int top = captionHeight / 2 - 1;
    TFrameRects rects;
    if (FCtl3D) {
        // Highlight one pixel down and right, the shadow drawn over it.
        rects.First = Rect(1, top + 1, Width() - 1, Height() - 1);
        rects.Second = Rect(0, top, Width() - 2, Height() - 2);
        rects.Count = 2;
    } else {
        rects.First = Rect(0, top, Width() - 1, Height() - 1);
    }
    return rects;
}

int TOrvoGroupBox::CaptionLeft(int captionWidth) const {
    if (!UseRightToLeftAlignment()) return kGroupCaptionLeft;
    const int lastRight = FCtl3D ? Width() - 2 : Width() - 1;
    return lastRight - captionWidth - kGroupCaptionLeft;
}

void TOrvoGroupBox::Paint() {
    TCanvas* canvas = Canvas();
    if (FTransparent) CopyParentBackground(this, canvas);
    canvas->SetFont(Font());

    const std::string caption = Caption();
    const int captionHeight = canvas->TextHeight(caption);
    const unsigned flags = DrawTextBiDiModeFlags(DT_SINGLELINE);
    // The caption as it is drawn: an "&" mark takes no room, so the gap is
    // measured the way the text is drawn.
    TRect extent = Rect(0, 0, 0, captionHeight);
    DrawText(canvas->Handle(), caption, extent, flags | DT_CALCRECT);
    const int captionWidth = extent.Width();

    // The gap lies under the caption wherever the caption is placed, so a
    // right-to-left caption gets its gap at the right end as well.
    const int captionLeft = CaptionLeft(captionWidth);
    const TFrameRects frames = FrameRects(captionHeight);
    if (FCtl3D) {
        DrawGroupFrame(canvas, frames.First, clBtnHighlight, captionLeft, captionWidth);
        DrawGroupFrame(canvas, frames.Second, clBtnShadow, captionLeft, captionWidth);
    } else {
        DrawGroupFrame(canvas, frames.First, clWindowFrame, captionLeft, captionWidth);
    }
    if (caption.empty()) return;

    TRect captionRect = Rect(captionLeft, 0, 0, captionHeight);
    DrawText(canvas->Handle(), caption, captionRect, flags | DT_CALCRECT);
    if (FTransparent) canvas->Brush()->SetStyle(bsClear);
    else canvas->Brush()->SetColor(Color());
    DrawText(canvas->Handle(), caption, captionRect, flags);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoGroupBox::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
