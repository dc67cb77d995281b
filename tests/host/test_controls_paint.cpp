// Painting through messages: WM_ERASEBKGND and WM_PAINT with a device
// context, windowless children, alignment, and the real paint cycle.
#include <gtest/gtest.h>

#include <QWidget>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/qt/HostWidget.h"

using namespace Orvo;

namespace {

// A parent at (0,0) 100 x 60 painting yellow, a windowless child at (10,20)
// 30 x 10 painting red, and a windowed child at (50,20) 30 x 10 painting blue.
struct TPaintFixture {
    TRecordingControl* Parent;
    TRecordingGraphic* Windowless;
    TRecordingControl* Windowed;
    TComponent Owner{nullptr};

    TPaintFixture() {
        Parent = new TRecordingControl(&Owner);
        Parent->SetBounds(0, 0, 100, 60);
        Parent->PaintColor = clYellow;
        Parent->SetColor(clWhite);
        Windowless = new TRecordingGraphic(&Owner);
        Windowless->SetBounds(10, 20, 30, 10);
        Windowless->PaintColor = clRed;
        Windowless->SetParent(Parent);
        Windowed = new TRecordingControl(&Owner);
        Windowed->SetBounds(50, 20, 30, 10);
        Windowed->PaintColor = clBlue;
        Windowed->SetParent(Parent);
    }
};

}  // namespace

TEST(ControlPaint, EraseBackgroundFillsTheClientAreaWithColorAndAnswersOne) {
    TComponent owner(nullptr);
    auto* c = new TRecordingControl(&owner);
    c->SetBounds(0, 0, 20, 10);
    c->SetColor(clLime);
    TSurface s(30, 15);
    EXPECT_EQ(c->Perform(WM_ERASEBKGND, s.WParam(), 0), 1);
    EXPECT_EQ(s.Pixel(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(s.Pixel(19, 9), RGB(0, 255, 0));
    EXPECT_EQ(s.Pixel(20, 5), RGB(0x12, 0x34, 0x56));  // outside the client area
    EXPECT_EQ(s.Pixel(5, 10), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(c->Paints, 0);

    // A system colour resolves through the palette.
    c->SetColor(clBtnFace);
    c->Perform(WM_ERASEBKGND, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(3, 3), ColorToRGB(clBtnFace));
}

TEST(ControlPaint, PaintWithDcPaintsWindowlessChildrenButNotWindowedOnes) {
    TPaintFixture f;
    TSurface s(100, 60);
    f.Parent->Perform(WM_ERASEBKGND, s.WParam(), 0);
    f.Parent->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(f.Parent->Paints, 1);
    EXPECT_EQ(f.Windowless->Paints, 1);
    EXPECT_EQ(f.Windowed->Paints, 0);
    // The windowless child: after the parent, at its place, clipped to its bounds.
    EXPECT_EQ(s.Pixel(10, 20), RGB(255, 0, 0));
    EXPECT_EQ(s.Pixel(39, 29), RGB(255, 0, 0));
    EXPECT_EQ(s.Pixel(9, 20), RGB(255, 255, 0));
    EXPECT_EQ(s.Pixel(40, 29), RGB(255, 255, 0));
    EXPECT_EQ(s.Pixel(10, 30), RGB(255, 255, 0));
    // The windowed child's area shows the parent's own painting.
    EXPECT_EQ(s.Pixel(60, 25), RGB(255, 255, 0));
    // The child's canvas had its origin at the child's corner: its clip box
    // is its own rectangle.
    EXPECT_EQ(f.Windowless->LastClipRect, Rect(0, 0, 30, 10));
}

TEST(ControlPaint, PaintIntoAShiftedDcLikeTheParentBackgroundCopy) {
    TPaintFixture f;
    TSurface s(30, 10);
    // The windowed child asks its parent to paint under it, as a transparent
    // control does: origin moved by minus its position, clipped to the parent.
    const int level = SaveDC(s.Handle());
    SetViewportOrgEx(s.Handle(), -f.Windowed->Left() + 40, -f.Windowed->Top(), nullptr);
    f.Parent->Perform(WM_ERASEBKGND, s.WParam(), 0);
    f.Parent->Perform(WM_PAINT, s.WParam(), 0);
    RestoreDC(s.Handle(), level);
    // Parent x 10..39 lands at 0..29: the windowless child (red) shows.
    EXPECT_EQ(s.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(s.Pixel(29, 9), RGB(255, 0, 0));
    EXPECT_EQ(f.Windowed->Paints, 0);
}

TEST(ControlPaint, HiddenWindowlessChildIsNotPainted) {
    TPaintFixture f;
    f.Windowless->SetVisible(false);
    TSurface s(100, 60);
    f.Parent->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(f.Windowless->Paints, 0);
    EXPECT_EQ(s.Pixel(15, 25), RGB(255, 255, 0));
}

TEST(ControlPaint, WindowlessChildrenPaintInTheirOrder) {
    TPaintFixture f;
    auto* above = new TRecordingGraphic(&f.Owner);
    above->SetBounds(20, 20, 30, 10);
    above->PaintColor = clGreen;
    above->SetParent(f.Parent);
    TSurface s(100, 60);
    f.Parent->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(25, 25), Plain(clGreen));  // the later one is on top
    EXPECT_EQ(s.Pixel(15, 25), RGB(255, 0, 0));
    above->SendToBack();
    f.Parent->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(25, 25), RGB(255, 0, 0));
    EXPECT_EQ(f.Parent->Controls(0), above);
}

TEST(ControlPaint, ControlsListsWindowlessChildrenFirst) {
    TPaintFixture f;
    auto* second = new TRecordingGraphic(&f.Owner);
    second->SetParent(f.Parent);
    ASSERT_EQ(f.Parent->ControlCount(), 3);
    EXPECT_EQ(f.Parent->Controls(0), f.Windowless);
    EXPECT_EQ(f.Parent->Controls(1), second);
    EXPECT_EQ(f.Parent->Controls(2), f.Windowed);
    EXPECT_THROW(f.Parent->Controls(3), EListError);
    second->SetParent(nullptr);
    EXPECT_EQ(f.Parent->ControlCount(), 2);
    EXPECT_EQ(second->Parent(), nullptr);
}

TEST(ControlPaint, ClientAlignedWindowlessControlFollowsItsParent) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    parent->SetBounds(0, 0, 120, 80);
    auto* background = new TRecordingGraphic(&owner);
    background->SetBounds(5, 5, 10, 10);
    background->SetParent(parent);
    background->SetAlign(alClient);
    EXPECT_EQ(background->BoundsRect(), Rect(0, 0, 120, 80));
    parent->SetBounds(0, 0, 200, 50);
    EXPECT_EQ(background->BoundsRect(), Rect(0, 0, 200, 50));
    // Its own attempts to move are undone by the alignment.
    background->SetBounds(3, 3, 4, 4);
    EXPECT_EQ(background->BoundsRect(), Rect(0, 0, 200, 50));
}

TEST(ControlPaint, AlignedChildrenShareTheClientArea) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    parent->SetBounds(0, 0, 100, 100);
    auto* top = new TRecordingGraphic(&owner);
    top->SetBounds(0, 0, 10, 20);
    top->SetAlign(alTop);
    top->SetParent(parent);
    auto* left = new TRecordingControl(&owner);
    left->SetBounds(0, 0, 30, 10);
    left->SetAlign(alLeft);
    left->SetParent(parent);
    auto* client = new TRecordingGraphic(&owner);
    client->SetAlign(alClient);
    client->SetParent(parent);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 100, 20));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 30, 100));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 100, 100));
}

TEST(ControlPaint, RightAnchoredChildKeepsItsDistanceToTheRightEdge) {
    TComponent owner(nullptr);
    auto* parent = new TRecordingControl(&owner);
    parent->SetBounds(0, 0, 100, 100);
    auto* child = new TRecordingGraphic(&owner);
    child->SetBounds(70, 10, 20, 20);
    child->SetAnchors({akTop, akRight});
    child->SetParent(parent);
    auto* stretched = new TRecordingGraphic(&owner);
    stretched->SetBounds(10, 50, 80, 20);
    stretched->SetAnchors({akLeft, akTop, akRight, akBottom});
    stretched->SetParent(parent);
    parent->SetBounds(0, 0, 150, 120);
    EXPECT_EQ(child->BoundsRect(), Rect(120, 10, 140, 30));
    EXPECT_EQ(stretched->BoundsRect(), Rect(10, 50, 140, 90));
}

TEST(ControlPaint, RealPaintErasesPaintsAndClipsToTheUpdateRegion) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 80, 60);
    form.SetColor(clWhite);
    auto* c = new TRecordingControl(&form);
    c->SetBounds(10, 10, 50, 40);
    c->SetColor(clAqua);
    c->SetParent(&form);
    ShowFormForAutomation(&form);
    ASSERT_NE(c->Widget(), nullptr);
    EXPECT_GT(c->Paints, 0);
    EXPECT_GT(c->Count(WM_ERASEBKGND), 0);
    EXPECT_EQ(c->LastClipRect, Rect(0, 0, 50, 40));

    // A partial repaint: the canvas's clip box is what is repainted.
    c->Widget()->repaint(5, 6, 7, 8);
    EXPECT_EQ(c->LastClipRect, Rect(5, 6, 12, 14));

    // What reached the screen: the control's erase colour, the form's round it.
    const QImage shot = form.Widget()->grab().toImage();
    EXPECT_EQ(shot.pixel(30, 30) & 0xFFFFFF, 0x00FFFFu);  // clAqua as RGB
    EXPECT_EQ(shot.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
}

namespace {

// Keeps a copy of the image it is drawn into while it paints, so that the
// image must copy its pixels before the fill lands.
class TCopyKeepingControl : public TRecordingControl {
public:
    using TRecordingControl::TRecordingControl;
    QImage Kept;

protected:
    void Paint() override {
        Kept = *DCImage(Canvas()->Handle());
        TRecordingControl::Paint();
    }
};

}  // namespace

TEST(ControlPaint, RenderIntoAnImageShowsEveryWindowWhetherPaintedInPlaceOrNot) {
    // Windows wholly inside the image paint into it in place; the one half
    // outside and the one that copies its image on the way go through a
    // buffer. All show in the picture, clipped to the update region.
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 90, 60);
    form.SetColor(clWhite);
    auto* inside = new TRecordingControl(&form);
    inside->SetBounds(5, 5, 20, 20);
    inside->PaintColor = clRed;
    inside->SetParent(&form);
    auto* copying = new TCopyKeepingControl(&form);
    copying->SetBounds(35, 5, 20, 20);
    copying->PaintColor = clBlue;
    copying->SetParent(&form);
    auto* across = new TRecordingControl(&form);
    across->SetBounds(75, 30, 30, 20);  // past the form's right edge
    across->PaintColor = clLime;
    across->SetParent(&form);
    ShowFormForAutomation(&form);

    QImage picture(90, 60, QImage::Format_RGB32);
    picture.fill(0xFF000000u);
    form.Widget()->render(&picture);
    EXPECT_EQ(picture.pixel(15, 15) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(picture.pixel(45, 15) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(picture.pixel(80, 40) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(picture.pixel(30, 40) & 0xFFFFFF, 0xFFFFFFu);

    // A part of the window, at an offset: only that part is drawn, in place.
    QImage part(20, 20, QImage::Format_RGB32);
    part.fill(0xFF000000u);
    form.Widget()->render(&part, QPoint(0, 0), QRegion(10, 10, 10, 10));
    EXPECT_EQ(part.pixel(2, 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(part.pixel(12, 12), 0xFF000000u);
}
