// The shaped button's shapes: squares and the circle keep the shorter side,
// the window region follows every size, shape and new window, and a real
// pointer in a corner outside the shape reaches the parent, which shows there.

#include <gtest/gtest.h>

#include <QImage>

#include "test_button_support.h"

using namespace Orvo;

using namespace button_test;

namespace {

// The button window's region: its bounding box and whether it holds a point.
struct TRegionProbe {
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    TRect Box;
    explicit TRegionProbe(TOrvoButton& b) {
        EXPECT_NE(GetWindowRgn(b.Handle(), Region), ERROR_REGION);
        GetRgnBox(Region, &Box);
    }
    ~TRegionProbe() { DeleteObject(Region); }
    bool Has(int x, int y) const { return PtInRegion(Region, x, y); }
};

}  // namespace

TEST(ButtonShape, SquareShapesTakeTheShorterSideAndKeepIt) {
    for (TShapeType shape : {stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle}) {
        SCOPED_TRACE(int(shape));
        TButtonForm f;
        f.Button->SetShape(shape);
        const bool square = shape == stSquare || shape == stRoundSquare || shape == stCircle;
        EXPECT_EQ(f.Button->Width(), square ? 41 : 81);
        EXPECT_EQ(f.Button->Height(), 41);
        EXPECT_EQ(f.Button->ShapeSize(), 41);
        f.Button->SetBounds(10, 10, 30, 70);
        EXPECT_EQ(f.Button->Width(), 30);
        EXPECT_EQ(f.Button->Height(), square ? 30 : 70);
    }
}

TEST(ButtonShape, WindowRegionFollowsShapeSizeAndNewWindows) {
    TButtonForm f;
    f.Button->SetShape(stCircle);
    {
        TRegionProbe r(*f.Button);
        EXPECT_EQ(r.Box, Rect(0, 0, 41, 41));
        EXPECT_TRUE(r.Has(20, 0) && r.Has(0, 20) && r.Has(20, 20));
        EXPECT_FALSE(r.Has(2, 2) || r.Has(38, 38));
    }
    f.Button->SetShape(stRoundRect);
    f.Button->SetBounds(10, 10, 121, 41);  // corners of 41 div 2
    f.Button->RecreateWnd();               // a new window takes the region again
    {
        TRegionProbe r(*f.Button);
        EXPECT_EQ(r.Box, Rect(0, 0, 121, 41));
        EXPECT_FALSE(r.Has(1, 1));
        EXPECT_TRUE(r.Has(60, 0) && r.Has(12, 12));
    }
    // Back to a rectangle: exactly Width x Height again.
    f.Button->SetShape(stRectangle);
    TRegionProbe r(*f.Button);
    EXPECT_EQ(r.Box, Rect(0, 0, 121, 41));
    EXPECT_TRUE(r.Has(0, 0) && r.Has(120, 40));
}

TEST(ButtonShape, ButtonWithoutParentTakesItsRegionWhenPlaced) {
    TForm form(nullptr);
    auto* button = new TOrvoButton(&form);
    button->SetBounds(5, 5, 81, 41);
    button->SetShape(stCircle);
    EXPECT_EQ(button->Width(), 41);
    EXPECT_FALSE(button->HandleAllocated());  // no top-level window of its own
    button->SetParent(&form);
    TRegionProbe r(*button);
    EXPECT_FALSE(r.Has(2, 2));
    EXPECT_TRUE(r.Has(20, 20));
}

TEST(ButtonShape, CornerClicksReachTheParentWhichShowsThere) {
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
        // Hot tracking follows the shape too.
        EXPECT_TRUE(f.Button->MouseOver());
        MoveMouse(f.Button, Point(1, 1));
        EXPECT_FALSE(f.Button->MouseOver());

        // What a user sees: the form's colour in the corner, the face inside.
        const char* dir = std::getenv("TMPDIR");
        const std::string path = std::string(dir ? dir : "/tmp") + "/orvo_button_corner.png";
        std::string error;
        ASSERT_TRUE(RenderClientArea(&f.Form, path, error)) << error;
        const QImage shot(QString::fromStdString(path));
        std::remove(path.c_str());
        ASSERT_FALSE(shot.isNull());
        EXPECT_EQ(shot.pixel(10 + 1, 10 + 1), qRgb(200, 210, 220));    // kFormColour
        EXPECT_EQ(shot.pixel(10 + 20, 10 + 20), qRgb(230, 220, 180));  // kFaceColour
    }
}
