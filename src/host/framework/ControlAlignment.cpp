// How a windowed control lays out its children: the aligned ones (alTop,
// alBottom, alLeft, alRight, then alClient in the room left), the anchored
// ones when its client area changes size, and the mirror image for
// right-to-left reading.

#include "host/framework/Controls.h"

#include <algorithm>
#include <vector>

namespace Orvo {

// ---------------------------------------------------------------- TWinControl: alignment and anchors

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || IsDestroying()) return;
    ++FAlignLevel;  // children moved here do not ask for another alignment
    try {
        TRect rect = ClientRect();
        AlignControls(nullptr, rect);
    } catch (...) {
        --FAlignLevel;
        throw;
    }
    --FAlignLevel;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : children) {
            if (c->Align() != kind || !c->Visible()) continue;
            switch (kind) {
                case alTop:
                    c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
                    rect.Top += c->Height();
                    break;
                case alBottom:
                    c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
                    rect.Bottom -= c->Height();
                    break;
                case alLeft:
                    c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
                    rect.Left += c->Width();
                    break;
                case alRight:
                    c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
                    rect.Right -= c->Width();
                    break;
                case alClient:
                    c->SetBounds(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
                    break;
                default:
                    break;
            }
        }
    }
}

void TWinControl::AdjustAnchors(int oldWidth, int oldHeight) {
    const TRect client = ClientRect();
    const int dx = client.Width() - oldWidth;
    const int dy = client.Height() - oldHeight;
    if (dx == 0 && dy == 0) return;
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    for (TControl* c : children) {
        if (c->Align() != alNone) continue;
        const TAnchors a = c->Anchors();
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft)) width += dx;
            else left += dx;
        } else if (!a.Contains(akLeft)) {
            left += dx / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop)) height += dy;
            else top += dy;
        } else if (!a.Contains(akTop)) {
            top += dy / 2;
        }
        c->SetBounds(left, top, width, height);
    }
}

void TWinControl::FlipChildren(bool allLevels) {
    const int width = ClientWidth();
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    DisableAlign();
    for (TControl* c : children) {
        if (c->Align() == alLeft) c->SetAlign(alRight);
        else if (c->Align() == alRight) c->SetAlign(alLeft);
        else if (c->Align() == alNone) c->SetLeft(width - c->Left() - c->Width());
        if (allLevels)
            if (auto* w = dynamic_cast<TWinControl*>(c)) w->FlipChildren(true);
    }
    EnableAlign();
}

}  // namespace Orvo
