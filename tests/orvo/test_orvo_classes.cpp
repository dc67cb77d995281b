// The shared unit: enumerations, the Version rule, the transparency blend and
// the parent-background copy (and the edit family's erase that uses it).

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

#include "host/services/Colors.h"
#include "host/framework/Controls.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "orvo/OrvoClasses.h"
#include "orvo/OrvoTransparentFocus.h"

using namespace Orvo;

// ---------------------------------------------------------------- types

TEST(OrvoClassesTypes, EnumerationsAreOneByteWithTheirOrdinalsAndNames) {
    static_assert(sizeof(TOrvoBorder) == 1 && sizeof(TOrvoBorderVisible) == 1 && sizeof(TOrvoCheckStyle) == 1 &&
                  sizeof(TOrvoCheckType) == 1 && sizeof(TGradStyle) == 1);
    EXPECT_EQ(int(obSimple), 3);
    EXPECT_EQ(int(bvWhenFocused), 1);
    EXPECT_EQ(int(os3DJumbo), 2);
    EXPECT_EQ(int(ocCircle), 2);
    EXPECT_EQ(int(gsVertical), 1);
    EXPECT_EQ(OrvoBorderNames(), (std::vector<std::string>{"obNone", "obLowered", "obRaised", "obSimple"}));
    EXPECT_EQ(OrvoBorderVisibleNames(), (std::vector<std::string>{"bvAlways", "bvWhenFocused"}));
    EXPECT_EQ(OrvoCheckStyleNames(), (std::vector<std::string>{"osFlat", "os3D", "os3DJumbo"}));
    EXPECT_EQ(OrvoCheckTypeNames(), (std::vector<std::string>{"ocCheck", "ocCross", "ocCircle"}));
    EXPECT_EQ(GradStyleNames(), (std::vector<std::string>{"gsHorizontal", "gsVertical"}));
    // The names are what the streaming layer converts with.
    EXPECT_EQ(ValueToEnum(TValue::Identifier("os3DJumbo"), OrvoCheckStyleNames()), int(os3DJumbo));
}

TEST(OrvoClassesTypes, VersionBannerIsFixed) {
    EXPECT_TRUE(OrvoVersion().starts_with("Version 2.00 by "));
    EXPECT_GT(OrvoVersion().size(), std::string("Version 2.00 by ").size());
    IgnoreVersion("Version 9.99");
    EXPECT_EQ(OrvoVersion(), kOrvoVersionBanner);
}

TEST(OrvoClassesTypes, MouseEventsCarryTheSender) {
    TObject sender;
    TObject* seen = nullptr;
    TOnMouseOverEvent over = [&](TObject* s) { seen = s; };
    over(&sender);
    EXPECT_EQ(seen, &sender);
    TOnMouseOutEvent out;  // unassigned: calling it does nothing
    EXPECT_FALSE(out);
    out(&sender);
}

// ---------------------------------------------------------------- blend

namespace {

// A 32-bit bitmap whose pixel (x, y) is RGB(10 * x, 20 * y, 200): every pixel
// differs from its neighbours, so a wrongly placed copy shows.
std::unique_ptr<TBitmap> PatternBitmap(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, TColor(RGB(10 * x, 20 * y, 200)));
    return bitmap;
}

std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor colour) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(colour);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

}  // namespace

TEST(BlendColor, ZeroPaintsTheClipBoxSolidAndHundredKeepsIt) {
    auto solid = PatternBitmap(8, 6);
    BlendColor(solid->Canvas(), clTeal, 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(solid->Pixel(x, y), clTeal) << x << "," << y;

    auto kept = PatternBitmap(8, 6);
    BlendColor(kept->Canvas(), clTeal, 100);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(kept->Pixel(x, y), TColor(RGB(10 * x, 20 * y, 200))) << x << "," << y;
}

TEST(BlendColor, HalfwayRoundsTowardTheColourLaidOver) {
    auto black = SolidBitmap(4, 4, clBlack);
    BlendColor(black->Canvas(), clWhite, 50);
    EXPECT_EQ(black->Pixel(0, 0), TColor(RGB(128, 128, 128)));
    EXPECT_EQ(black->Pixel(3, 3), TColor(RGB(128, 128, 128)));

    auto white = SolidBitmap(4, 4, clWhite);
    BlendColor(white->Canvas(), clBlack, 50);
    EXPECT_EQ(white->Pixel(0, 0), TColor(RGB(127, 127, 127)));
    EXPECT_EQ(white->Pixel(3, 3), TColor(RGB(127, 127, 127)));
}

TEST(BlendColor, EachChannelIsBlendedOnItsOwnWithSignedTruncation) {
    // Colour RGB(200, 100, 0) over RGB(10, 50, 255) at 30 percent:
    // red 200 - 57 = 143, green 100 - 15 = 85, blue 0 - trunc(-76.5) = 76.
    auto bitmap = SolidBitmap(3, 3, TColor(RGB(10, 50, 255)));
    BlendColor(bitmap->Canvas(), TColor(RGB(200, 100, 0)), 30);
    EXPECT_EQ(bitmap->Pixel(1, 1), TColor(RGB(143, 85, 76)));
}

TEST(BlendColor, SystemColoursUseTheirCurrentRgbValue) {
    auto bitmap = SolidBitmap(3, 3, clBlack);
    BlendColor(bitmap->Canvas(), clBtnHighlight, 0);
    EXPECT_EQ(bitmap->Pixel(2, 2), TColor(ColorToRGB(clBtnHighlight)));
    EXPECT_NE(TColor(ColorToRGB(clBtnHighlight)), TColor(clBtnHighlight & 0xFFFFFF));
}

TEST(BlendColor, OnlyTheClipBoxChanges) {
    auto bitmap = PatternBitmap(10, 8);
    HDC dc = bitmap->Canvas()->Handle();
    ASSERT_NE(dc, nullptr);
    IntersectClipRect(dc, 2, 1, 6, 4);
    BlendColor(bitmap->Canvas(), clRed, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            ASSERT_EQ(bitmap->Pixel(x, y), inside ? clRed : TColor(RGB(10 * x, 20 * y, 200))) << x << "," << y;
        }
}

TEST(BlendColor, ClipBoxIsTakenInTheCanvasCoordinates) {
    // With the origin moved, the logical clip box (0,0)-(2,2) is device
    // pixels (3,2)-(5,4); the blend must read and write exactly those.
    auto bitmap = PatternBitmap(10, 8);
    HDC dc = bitmap->Canvas()->Handle();
    SetViewportOrgEx(dc, 3, 2, nullptr);
    IntersectClipRect(dc, 0, 0, 2, 2);
    BlendColor(bitmap->Canvas(), clWhite, 0);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 3 && x < 5 && y >= 2 && y < 4;
            ASSERT_EQ(bitmap->Pixel(x, y), inside ? clWhite : TColor(RGB(10 * x, 20 * y, 200))) << x << "," << y;
        }
}

TEST(BlendColor, AnEmptyClipBoxPaintsNothing) {
    auto bitmap = SolidBitmap(4, 4, clBlue);
    IntersectClipRect(bitmap->Canvas()->Handle(), 0, 0, 0, 0);
    BlendColor(bitmap->Canvas(), clRed, 0);
    EXPECT_EQ(bitmap->Pixel(0, 0), clBlue);
    EXPECT_EQ(bitmap->Pixel(3, 3), clBlue);
}

TEST(BlendColor, PercentagesAboveHundredAreTreatedAsHundred) {
    // Unclamped, 200 percent of black over white would leave the byte range.
    auto bitmap = SolidBitmap(2, 2, clWhite);
    BlendColor(bitmap->Canvas(), clBlack, 200);
    EXPECT_EQ(bitmap->Pixel(1, 1), clWhite);
}

// ---------------------------------------------------------------- parent background

namespace {

// The parent's picture at a point of its coordinates: distinct everywhere,
// and never the marker colour below.
COLORREF ParentPattern(int x, int y) { return RGB(std::uint8_t(x), std::uint8_t(y), 90); }
constexpr TColor kMarker = TColor(RGB(1, 2, 3));

// A parent that paints its pattern well beyond its client area, so that only
// the clipping keeps it inside.
class TPatternParent : public TCustomControl {
public:
    explicit TPatternParent(TComponent* owner) : TCustomControl(owner) {}

protected:
    void Paint() override {
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x) Canvas()->SetPixels(x, y, TColor(ParentPattern(x, y)));
    }
};

// A control that paints itself in one colour.
class TSolidWindowed : public TCustomControl {
public:
    TSolidWindowed(TComponent* owner, TColor colour) : TCustomControl(owner), FColour(colour) {}

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(FColour);
        Canvas()->FillRect(ClientRect());
    }

private:
    TColor FColour;
};

class TSolidWindowless : public TGraphicControl {
public:
    TSolidWindowless(TComponent* owner, TColor colour) : TGraphicControl(owner), FColour(colour) {}

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(FColour);
        Canvas()->FillRect(ClientRect());
    }

private:
    TColor FColour;
};

// A parent with client area 60 x 50 and the control under test.
struct TParentFixture {
    std::unique_ptr<TPatternParent> Parent = std::make_unique<TPatternParent>(nullptr);
    TCustomControl* Control = nullptr;

    TParentFixture(int left, int top, int width, int height) {
        Parent->SetBounds(0, 0, 60, 50);
        Control = new TCustomControl(Parent.get());  // owned by the parent
        Control->SetParent(Parent.get());
        Control->SetBounds(left, top, width, height);
    }
};

// The control's surface: a bitmap of its size filled with the marker.
std::unique_ptr<TBitmap> Surface(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(kMarker);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

struct TDcState {
    TPoint Origin;
    TRect ClipBox;
    friend bool operator==(const TDcState&, const TDcState&) = default;
};

TDcState StateOf(HDC dc) {
    TDcState s;
    GetViewportOrgEx(dc, &s.Origin);
    GetClipBox(dc, &s.ClipBox);
    return s;
}

// No saved states were left behind: the next save is the first one.
bool NoSavedStates(HDC dc) {
    const int level = SaveDC(dc);
    RestoreDC(dc, level);
    return level == 1;
}

}  // namespace

TEST(CopyParentBackground, WithoutAParentNothingIsPainted) {
    TCustomControl orphan(nullptr);
    orphan.SetBounds(10, 20, 8, 8);
    auto surface = Surface(8, 8);
    HDC dc = surface->Canvas()->Handle();
    SetViewportOrgEx(dc, 1, 1, nullptr);
    const TDcState before = StateOf(dc);

    CopyParentBackground(&orphan, surface->Canvas());

    EXPECT_EQ(StateOf(dc), before);
    EXPECT_TRUE(NoSavedStates(dc));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(surface->Pixel(x, y), kMarker) << x << "," << y;
}

TEST(CopyParentBackground, ThePartOfTheParentUnderTheControlIsPainted) {
    TParentFixture f(10, 20, 16, 12);
    auto surface = Surface(16, 12);
    HDC dc = surface->Canvas()->Handle();
    const TDcState before = StateOf(dc);

    CopyParentBackground(f.Control, surface->Canvas());

    EXPECT_EQ(surface->Pixel(0, 0), TColor(ParentPattern(10, 20)));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(surface->Pixel(x, y), TColor(ParentPattern(10 + x, 20 + y))) << x << "," << y;
    EXPECT_EQ(StateOf(dc), before);
    EXPECT_TRUE(NoSavedStates(dc));
}

TEST(CopyParentBackground, NothingOutsideTheParentsClientAreaIsPainted) {
    // The control hangs 10 pixels over the parent's right and bottom edges
    // (client area 60 x 50), although the parent paints well beyond them.
    TParentFixture f(50, 40, 20, 20);
    auto surface = Surface(20, 20);

    CopyParentBackground(f.Control, surface->Canvas());

    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inParent = x < 10 && y < 10;
            ASSERT_EQ(surface->Pixel(x, y), inParent ? TColor(ParentPattern(50 + x, 40 + y)) : kMarker)
                << x << "," << y;
        }
}

TEST(CopyParentBackground, KeepsTheCanvasOriginAndClipping) {
    // The canvas already draws at an offset and may paint only part of the
    // surface: the copy lands relative to that origin and inside that clip.
    TParentFixture f(10, 20, 16, 12);
    auto surface = Surface(24, 20);
    HDC dc = surface->Canvas()->Handle();
    SetViewportOrgEx(dc, 5, 4, nullptr);
    IntersectClipRect(dc, 0, 0, 6, 5);  // device pixels (5,4)-(11,9)
    const TDcState before = StateOf(dc);

    CopyParentBackground(f.Control, surface->Canvas());

    EXPECT_EQ(StateOf(dc), before);
    EXPECT_TRUE(NoSavedStates(dc));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool inClip = x >= 5 && x < 11 && y >= 4 && y < 9;
            ASSERT_EQ(surface->Pixel(x, y), inClip ? TColor(ParentPattern(10 + x - 5, 20 + y - 4)) : kMarker)
                << x << "," << y;
        }
}

TEST(CopyParentBackground, PaintsWindowlessChildrenButNotWindowedSiblings) {
    TParentFixture f(0, 0, 40, 20);
    auto* windowless = new TSolidWindowless(f.Parent.get(), clLime);
    windowless->SetParent(f.Parent.get());
    windowless->SetBounds(2, 2, 4, 4);
    auto* sibling = new TSolidWindowed(f.Parent.get(), clBlue);
    sibling->SetParent(f.Parent.get());
    sibling->SetBounds(20, 2, 4, 4);
    auto surface = Surface(40, 20);

    CopyParentBackground(f.Control, surface->Canvas());

    EXPECT_EQ(surface->Pixel(2, 2), clLime);
    EXPECT_EQ(surface->Pixel(5, 5), clLime);
    EXPECT_EQ(surface->Pixel(6, 6), TColor(ParentPattern(6, 6)));
    EXPECT_EQ(surface->Pixel(20, 2), TColor(ParentPattern(20, 2)));
    EXPECT_EQ(surface->Pixel(23, 5), TColor(ParentPattern(23, 5)));
}

TEST(CopyParentBackground, AParentPaintThatRaisesLeavesTheDCAsItWas) {
    // A parent whose painting fails half way: the exception goes on to the
    // caller, the device context is no longer shifted to the parent nor
    // clipped to it, for the copy itself and for the edit family's erase.
    class TFailingParent : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;

    protected:
        void Paint() override { throw std::runtime_error("parent paint failed"); }
    };
    TFailingParent parent(nullptr);
    parent.SetBounds(0, 0, 60, 50);
    auto* control = new TCustomControl(&parent);
    control->SetParent(&parent);
    control->SetBounds(10, 20, 16, 12);

    const std::function<void(HDC, TCanvas*)> paths[] = {
        [control](HDC, TCanvas* canvas) { CopyParentBackground(control, canvas); },
        [control](HDC dc, TCanvas*) { EraseSeeThroughBackground(*control, dc, clRed, 50); },
    };
    for (const auto& path : paths) {
        auto surface = Surface(24, 20);
        HDC dc = surface->Canvas()->Handle();
        SetViewportOrgEx(dc, 5, 4, nullptr);
        IntersectClipRect(dc, 0, 0, 12, 10);
        SetTextColor(dc, clBlue);
        const TDcState before = StateOf(dc);

        EXPECT_THROW(path(dc, surface->Canvas()), std::runtime_error);

        EXPECT_EQ(StateOf(dc), before);
        EXPECT_EQ(GetTextColor(dc), clBlue);
        EXPECT_TRUE(NoSavedStates(dc));
    }
}

TEST(CopyParentBackground, TheParentsBackgroundIsErasedFirst) {
    // A parent that paints nothing of its own still gives its colour.
    auto parent = std::make_unique<TCustomControl>(nullptr);
    parent->SetBounds(0, 0, 30, 30);
    parent->SetColor(clYellow);
    auto* control = new TCustomControl(parent.get());
    control->SetParent(parent.get());
    control->SetBounds(5, 5, 10, 10);
    auto surface = Surface(10, 10);

    CopyParentBackground(control, surface->Canvas());

    EXPECT_EQ(surface->Pixel(0, 0), clYellow);
    EXPECT_EQ(surface->Pixel(9, 9), clYellow);
}
