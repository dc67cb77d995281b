// The shaped button's shapes: squares and the circle keep the shorter side,
// the window region follows every size and shape, and a real pointer in a
// corner outside the shape reaches the parent, which shows there.

#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "test_button_support.h"

using namespace button_test;

namespace {

struct TRegionProbe {
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    int Result = ERROR_REGION;
    explicit TRegionProbe(TOrvoButton& b) { Result = GetWindowRgn(b.Handle(), Region); }
    ~TRegionProbe() { DeleteObject(Region); }
    TRect Box() const {
        TRect r;
        GetRgnBox(Region, &r);
        return r;
    }
    bool Has(int x, int y) const { return PtInRegion(Region, x, y); }
};

std::string ShotPath(const std::string& name) {
    const char* dir = std::getenv("ORVO_SHOT_DIR");
    if (!dir) dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/" + name;
}

}  // namespace

TEST(ButtonShape, SquareShapesTakeTheShorterSideAndKeepIt) {
    for (TShapeType shape : {stSquare, stRoundSquare, stCircle}) {
        SCOPED_TRACE(int(shape));
        TButtonForm f;
        f.Button->SetShape(shape);
        EXPECT_EQ(f.Button->Width(), 41);
        EXPECT_EQ(f.Button->Height(), 41);
        EXPECT_EQ(f.Button->ShapeSize(), 41);
        f.Button->SetBounds(10, 10, 100, 60);
        EXPECT_EQ(f.Button->Width(), 60);
        EXPECT_EQ(f.Button->Height(), 60);
        f.Button->SetBounds(10, 10, 30, 70);
        EXPECT_EQ(f.Button->Width(), 30);
        EXPECT_EQ(f.Button->Height(), 30);
    }
    // The other shapes keep both sides.
    for (TShapeType shape : {stRectangle, stRoundRect, stEllipse}) {
        TButtonForm f;
        f.Button->SetShape(shape);
        EXPECT_EQ(f.Button->BoundsRect(), Rect(10, 10, 91, 51)) << int(shape);
        EXPECT_EQ(f.Button->ShapeSize(), 41);
    }
}

TEST(ButtonShape, WindowRegionFollowsShapeAndSize) {
    TButtonForm f;
    f.Button->SetShape(stCircle);
    {
        TRegionProbe r(*f.Button);
        ASSERT_NE(r.Result, ERROR_REGION);
        EXPECT_EQ(r.Box(), Rect(0, 0, 41, 41));
        EXPECT_TRUE(r.Has(20, 20));
        EXPECT_TRUE(r.Has(20, 0));
        EXPECT_TRUE(r.Has(0, 20));
        EXPECT_FALSE(r.Has(2, 2));
        EXPECT_FALSE(r.Has(38, 38));
    }
    f.Button->SetShape(stRectangle);
    f.Button->SetBounds(10, 10, 81, 41);
    {
        TRegionProbe r(*f.Button);
        EXPECT_EQ(r.Box(), Rect(0, 0, 81, 41));
        EXPECT_TRUE(r.Has(0, 0));
        EXPECT_TRUE(r.Has(80, 40));
    }
    f.Button->SetShape(stEllipse);
    {
        TRegionProbe r(*f.Button);
        EXPECT_EQ(r.Box(), Rect(0, 0, 81, 41));
        EXPECT_FALSE(r.Has(3, 3));
        EXPECT_TRUE(r.Has(40, 20));
    }
    f.Button->SetShape(stRoundRect);
    f.Button->SetBounds(10, 10, 121, 41);  // corners of 41 div 2
    {
        TRegionProbe r(*f.Button);
        EXPECT_EQ(r.Box(), Rect(0, 0, 121, 41));
        EXPECT_FALSE(r.Has(1, 1));
        EXPECT_TRUE(r.Has(60, 0));
        EXPECT_TRUE(r.Has(12, 12));
    }
    // Back to a rectangle: exactly Width x Height again.
    f.Button->SetShape(stRectangle);
    {
        TRegionProbe r(*f.Button);
        EXPECT_EQ(r.Box(), Rect(0, 0, 121, 41));
        EXPECT_TRUE(r.Has(0, 0));
        EXPECT_TRUE(r.Has(120, 40));
    }
}

TEST(ButtonShape, NewWindowGetsTheRegionAgain) {
    TButtonForm f;
    f.Button->SetShape(stEllipse);
    f.Button->RecreateWnd();
    TRegionProbe r(*f.Button);
    ASSERT_NE(r.Result, ERROR_REGION);
    EXPECT_FALSE(r.Has(2, 2));
}

TEST(ButtonShape, ButtonWithoutParentTakesItsRegionWhenPlaced) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 100);
    auto* button = new TOrvoButton(&form);
    button->SetBounds(5, 5, 81, 41);
    button->SetShape(stCircle);
    EXPECT_EQ(button->Width(), 41);
    EXPECT_FALSE(button->HandleAllocated());  // no top-level window of its own
    button->SetParent(&form);
    form.HandleNeeded();
    TRegionProbe r(*button);
    ASSERT_NE(r.Result, ERROR_REGION);
    EXPECT_FALSE(r.Has(2, 2));
    EXPECT_TRUE(r.Has(20, 20));
}

TEST(ButtonShape, CornerClicksReachTheParentAndTheParentShowsThere) {
    for (TShapeType shape : {stEllipse, stRoundRect, stCircle}) {
        SCOPED_TRACE(int(shape));
        TButtonForm f;
        f.Button->SetShape(shape);
        f.Show();
        ClickMouse(f.Button, Point(1, 1));
        ClickMouse(f.Button, Point(f.Button->Width() - 2, f.Button->Height() - 2));
        EXPECT_EQ(f.ButtonClicks, 0);
        EXPECT_EQ(f.FormClicks, 2);
        ClickMouse(f.Button, ClientCentre(f.Button));
        EXPECT_EQ(f.ButtonClicks, 1);
        EXPECT_EQ(f.FormClicks, 2);

        // What a user sees: the form's colour in the corner, the face inside.
        MoveMouse(&f.Form, Point(230, 115));
        const std::string path = ShotPath("button_corner.png");
        std::string error;
        ASSERT_TRUE(RenderClientArea(&f.Form, path, error)) << error;
        const QImage shot(QString::fromStdString(path));
        ASSERT_FALSE(shot.isNull());
        const auto at = [&](int x, int y) {
            const QRgb p = shot.pixel(x, y);
            return TColor(RGB(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p))));
        };
        EXPECT_EQ(at(10 + 1, 10 + 1), kFormColour);
        EXPECT_EQ(at(10 + 20, 10 + 20), kFaceColour);
    }
}

TEST(ButtonShape, HotTrackingFollowsThePointerInsideTheShape) {
    TButtonForm f;
    f.Button->SetShape(stEllipse);
    f.Show();
    MoveMouse(f.Button, Point(2, 2));  // outside the ellipse: over the form
    EXPECT_FALSE(f.Button->MouseOver());
    MoveMouse(f.Button, Point(40, 20));
    EXPECT_TRUE(f.Button->MouseOver());
    MoveMouse(f.Button, Point(78, 38));
    EXPECT_FALSE(f.Button->MouseOver());
}
