// The background: defaults and stream form, the gradient's bands (single
// precision steps, n + 1 bands, system colours, the zero and the very large
// extents), the tiles, switching between the two, and when it repaints.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>

#include "host/framework/Streaming.h"
#include "host/services/DeviceContextQt.h"
#include "test_background_support.h"

using namespace Orvo;

using namespace background_test;

namespace {

TColor Grey(int v) { return TColor(RGB(std::uint8_t(v), std::uint8_t(v), std::uint8_t(v))); }

}  // namespace

// ---------------------------------------------------------------- defaults and streaming

TEST(BackgroundProps, NewBackgroundHasItsDefaults) {
    TOrvoBackground back(nullptr);
    EXPECT_EQ(back.Align(), alClient);
    EXPECT_EQ(back.BoundsRect(), Rect(0, 0, 50, 50));
    EXPECT_EQ(back.GradientStartColor(), clBtnFace);
    EXPECT_EQ(back.GradientEndColor(), TColor(0xFFFFFF));
    EXPECT_EQ(back.Style(), gsVertical);
    ASSERT_NE(back.TileImage(), nullptr);
    EXPECT_TRUE(back.TileImage()->Empty());
    back.SetVersion("Version 0.1");
    EXPECT_EQ(back.Version(), OrvoVersion());

    std::vector<std::string> names;
    for (const TPropInfo& p : TOrvoBackground::StaticClassInfo().Published) names.push_back(p.Name);
    const std::vector<std::string> expected = {"Left",       "Top",  "Width",      "Height",           "Cursor",
                                               "Hint",       "HelpContext", "GradientStartColor", "GradientEndColor",
                                               "Style",      "TileImage", "Version"};
    EXPECT_EQ(names, expected);  // Align is not among them
}

TEST(BackgroundProps, FillsItsParentAndFollowsIt) {
    TBackgroundForm f;
    EXPECT_EQ(f.Back->BoundsRect(), Rect(0, 0, kFormWidth, kFormHeight));
    f.Form.SetClientWidth(300);
    f.Form.SetClientHeight(200);
    EXPECT_EQ(f.Back->BoundsRect(), Rect(0, 0, 300, 200));
}

TEST(BackgroundProps, StreamsEveryPropertyAndTheTileAsData) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* back = new TOrvoBackground(&form);
    back->SetName("OrvoBackground1");
    back->SetParent(&form);
    auto tile = MakeTile(3, 2);
    back->SetTileImage(tile.get());
    const std::string text = WriteComponentText(&form);
    // Written although they hold their construction values; Align never.
    EXPECT_NE(text.find("    GradientStartColor = clBtnFace\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    GradientEndColor = clWhite\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    Style = gsVertical\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    TileImage.Data = {"), std::string::npos) << text;
    EXPECT_NE(text.find("    Version = '" + OrvoVersion() + "'\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Align"), std::string::npos) << text;
    EXPECT_LT(text.find("GradientStartColor"), text.find("GradientEndColor"));
    EXPECT_LT(text.find("Style"), text.find("TileImage"));
    EXPECT_LT(text.find("TileImage"), text.find("Version"));

    TForm copy(nullptr);
    ReadComponentText(&copy, text, "background.form");
    auto* read = dynamic_cast<TOrvoBackground*>(copy.FindComponent("OrvoBackground1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Align(), alClient);
    ASSERT_EQ(read->TileImage()->Width(), 3);
    ASSERT_EQ(read->TileImage()->Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(read->TileImage()->Pixel(x, y), TileColourAt(x, y));
}

TEST(BackgroundProps, DescriptionCannotChangeAlignOrVersion) {
    TForm form(nullptr);
    const char* text =
        "object Form1: TForm\n"
        "  object OrvoBackground1: TOrvoBackground\n"
        "    GradientStartColor = clBlack\n"
        "    Style = gsHorizontal\n"
        "    Version = 'Version 1.00 by someone'\n"
        "  end\n"
        "end\n";
    ReadComponentText(&form, text, "background.form");
    auto* back = dynamic_cast<TOrvoBackground*>(form.FindComponent("OrvoBackground1"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GradientStartColor(), clBlack);
    EXPECT_EQ(back->Style(), gsHorizontal);
    EXPECT_EQ(back->Version(), OrvoVersion());

    TForm other(nullptr);
    const char* withAlign =
        "object Form1: TForm\n"
        "  object OrvoBackground1: TOrvoBackground\n"
        "    Align = alNone\n"
        "  end\n"
        "end\n";
    EXPECT_THROW(ReadComponentText(&other, withAlign, "background.form"), EReadError);
}

// ---------------------------------------------------------------- gradient

TEST(BackgroundGradient, DefaultsRunFromButtonFaceToJustShortOfWhite) {
    TBackgroundForm f;
    const auto picture = f.Paint();
    const COLORREF face = Plain(clBtnFace);
    // Row 0 is the start colour, everywhere along the row.
    for (int x : {0, 322, kFormWidth - 1}) EXPECT_EQ(COLORREF(picture->Pixel(x, 0)), face) << x;
    // Row 293 is one step short of white: start + trunc(293 * (255 - start) / 294).
    const TColor last = picture->Pixel(10, kFormHeight - 1);
    const int channels[3][2] = {{Red(last), GetRValue(face)}, {Green(last), GetGValue(face)}, {Blue(last), GetBValue(face)}};
    for (const auto& c : channels) {
        const int start = c[1];
        EXPECT_EQ(c[0], start + int(293.0 * (255 - start) / 294.0));
        if (start < 255) {
            EXPECT_LT(c[0], 255);
        }
    }
    // Each row is one colour.
    EXPECT_EQ(picture->Pixel(0, 150), picture->Pixel(kFormWidth - 1, 150));
}

TEST(BackgroundGradient, BlackToWhiteBandsTruncateAndTheLastBandIsClipped) {
    TBackgroundForm f;
    f.Back->SetGradientStartColor(clBlack);
    f.Back->SetGradientEndColor(clWhite);
    const auto clipped = f.Paint();
    // Step 255 / 294 = 0.867...: rows 0 and 1 are 0, row 2 is 1, row 293 is 254.
    EXPECT_EQ(clipped->Pixel(5, 0), Grey(0));
    EXPECT_EQ(clipped->Pixel(5, 1), Grey(0));
    EXPECT_EQ(clipped->Pixel(5, 2), Grey(1));
    EXPECT_EQ(clipped->Pixel(5, 147), Grey(127));
    EXPECT_EQ(clipped->Pixel(5, 293), Grey(254));

    // Unclipped, the band at row 294 (n + 1 bands) is the end colour, and
    // nothing is drawn below it.
    const auto open = PaintThroughMessages(*f.Back, kFormWidth, kFormHeight + 2);
    EXPECT_EQ(open->Pixel(5, 293), Grey(254));
    EXPECT_EQ(open->Pixel(5, 294), Grey(255));
    EXPECT_EQ(open->Pixel(5, 295), kMarker);
}

TEST(BackgroundGradient, StepsAreSinglePrecision) {
    // 14 / 20 is 0.7, which single precision holds as 0.69999999: band 10
    // is trunc(6.9999999) = 6, where exact arithmetic would give 7.
    TOrvoBackground back(nullptr);
    back.SetGradientStartColor(clBlack);
    back.SetGradientEndColor(TColor(RGB(14, 14, 14)));
    back.SetBounds(0, 0, 3, 20);
    const auto picture = PaintThroughMessages(back, 3, 21);
    EXPECT_EQ(picture->Pixel(1, 10), Grey(6));
    EXPECT_EQ(picture->Pixel(1, 5), Grey(3));
    EXPECT_EQ(picture->Pixel(1, 19), Grey(13));
    // Even band n falls short here: 20 x 0.69999999 truncates to 13.
    EXPECT_EQ(picture->Pixel(1, 20), Grey(13));
}

TEST(BackgroundGradient, FallingChannelsAndHorizontalBands) {
    TOrvoBackground back(nullptr);
    back.SetStyle(gsHorizontal);
    back.SetGradientStartColor(TColor(RGB(200, 10, 100)));
    back.SetGradientEndColor(TColor(RGB(0, 110, 100)));
    back.SetBounds(0, 0, 100, 4);
    const auto picture = PaintThroughMessages(back, 100, 4);
    // Red falls 2 a pixel, green rises 1, blue stays; each column is one colour.
    EXPECT_EQ(picture->Pixel(0, 0), TColor(RGB(200, 10, 100)));
    EXPECT_EQ(picture->Pixel(50, 3), TColor(RGB(100, 60, 100)));
    EXPECT_EQ(picture->Pixel(99, 2), TColor(RGB(2, 109, 100)));
    EXPECT_EQ(picture->Pixel(99, 0), picture->Pixel(99, 3));
}

TEST(BackgroundGradient, EqualColoursGiveOneFlatColour) {
    TBackgroundForm f;
    f.Back->SetGradientStartColor(TColor(RGB(90, 120, 30)));
    f.Back->SetGradientEndColor(TColor(RGB(90, 120, 30)));
    const auto picture = f.Paint();
    for (int y = 0; y < kFormHeight; y += 7)
        for (int x = 0; x < kFormWidth; x += 43) ASSERT_EQ(picture->Pixel(x, y), TColor(RGB(90, 120, 30))) << x << "," << y;
}

TEST(BackgroundGradient, SystemColoursResolveThroughThePalette) {
    TOrvoBackground back(nullptr);
    back.SetGradientStartColor(clBlack);
    back.SetGradientEndColor(clHighlight);
    // Over 8 pixels every step is exact in single precision, so band 8 (the
    // one below the control) is the end colour itself.
    back.SetBounds(0, 0, 4, 8);
    const auto picture = PaintThroughMessages(back, 4, 9);
    EXPECT_EQ(COLORREF(picture->Pixel(0, 8)), Plain(clHighlight));
    EXPECT_EQ(picture->Pixel(0, 0), clBlack);

    back.SetGradientStartColor(clBtnShadow);
    back.SetGradientEndColor(clBtnShadow);
    const auto flat = PaintThroughMessages(back, 4, 9);
    for (int y = 0; y <= 8; ++y) EXPECT_EQ(COLORREF(flat->Pixel(2, y)), Plain(clBtnShadow)) << y;
}

TEST(BackgroundGradient, ZeroExtentPaintsTheStartColour) {
    // The steps would divide by zero; the one band is the start colour.
    for (TGradStyle style : {gsVertical, gsHorizontal}) {
        TOrvoBackground back(nullptr);
        back.SetStyle(style);
        back.SetGradientStartColor(TColor(RGB(10, 20, 30)));
        back.SetGradientEndColor(clWhite);
        if (style == gsVertical) back.SetBounds(0, 0, 5, 0);
        else back.SetBounds(0, 0, 0, 5);
        const auto picture = PaintThroughMessages(back, 5, 5);
        EXPECT_EQ(picture->Pixel(0, 0), TColor(RGB(10, 20, 30))) << int(style);
        EXPECT_EQ(picture->Pixel(3, 3), kMarker) << int(style);
        EXPECT_EQ(TGradientRamp(clBlack, clWhite, 0).Band(0), clBlack);
    }
}

TEST(BackgroundGradient, ExtentsBeyond32767RunTheFullGradient) {
    // 40000 taken as a signed 16-bit number would be negative (nothing
    // painted) and 65636 would be 100 (the whole gradient in 100 pixels).
    for (int width : {40000, 65636}) {
        TOrvoBackground back(nullptr);
        back.SetStyle(gsHorizontal);
        back.SetGradientStartColor(clBlack);
        back.SetGradientEndColor(clWhite);
        back.SetBounds(0, 0, width, 2);
        ASSERT_EQ(back.Width(), width);
        const auto first = PaintThroughMessages(back, 120, 2);
        EXPECT_EQ(first->Pixel(0, 0), clBlack) << width;
        EXPECT_EQ(first->Pixel(99, 1), clBlack) << width;  // trunc(99 * 255 / width) = 0
        const auto middle = PaintThroughMessages(back, 1, 2, Point(width / 2, 0));
        EXPECT_EQ(middle->Pixel(0, 0), Grey(127)) << width;
        const auto end = PaintThroughMessages(back, 9, 2, Point(width - 9, 0));
        EXPECT_EQ(end->Pixel(8, 0), Grey(254)) << width;  // the last visible column
    }
}

// ---------------------------------------------------------------- tiles

TEST(BackgroundTiles, FourHundredSquareTileDrawsTwoTilesCutAtTheEdge) {
    TBackgroundForm f;
    auto tile = MakeTile(400, 400);
    f.Back->SetTileImage(tile.get());
    const auto picture = f.Paint();
    // The first tile at (0, 0), cut at the bottom.
    EXPECT_EQ(picture->Pixel(0, 0), TileColourAt(0, 0));
    EXPECT_EQ(picture->Pixel(399, 293), TileColourAt(399, 293));
    EXPECT_EQ(picture->Pixel(257, 100), TileColourAt(257, 100));
    // The second at (400, 0), cut at x = 645.
    EXPECT_EQ(picture->Pixel(400, 0), TileColourAt(0, 0));
    EXPECT_EQ(picture->Pixel(644, 293), TileColourAt(244, 293));
    EXPECT_EQ(picture->Pixel(520, 17), TileColourAt(120, 17));
}

TEST(BackgroundTiles, SmallTilesRepeatFromTheTopLeftCorner) {
    TBackgroundForm f;
    auto tile = MakeTile(7, 5);
    f.Back->SetTileImage(tile.get());
    const auto picture = f.Paint();
    for (int y : {0, 4, 5, 293})
        for (int x : {0, 6, 7, 640, 644}) ASSERT_EQ(picture->Pixel(x, y), TileColourAt(x % 7, y % 5)) << x << "," << y;
}

TEST(BackgroundTiles, SwitchesBetweenTilesAndGradient) {
    TBackgroundForm f;
    f.Back->SetGradientStartColor(clBlack);
    f.Back->SetGradientEndColor(clBlack);
    auto tile = MakeTile(400, 400);
    f.Back->SetTileImage(tile.get());
    // The control keeps a copy: the caller's picture may change or go.
    tile->SetPixel(0, 0, clRed);
    tile.reset();
    EXPECT_EQ(f.Paint()->Pixel(0, 0), TileColourAt(0, 0));

    TBitmap empty;
    f.Back->SetTileImage(&empty);
    EXPECT_TRUE(f.Back->TileImage()->Empty());
    EXPECT_EQ(f.Paint()->Pixel(0, 0), clBlack);

    auto again = MakeTile(20, 20);
    f.Back->SetTileImage(again.get());
    EXPECT_EQ(f.Paint()->Pixel(25, 3), TileColourAt(5, 3));
    f.Back->SetTileImage(nullptr);
    EXPECT_EQ(f.Paint()->Pixel(25, 3), clBlack);
}

// ---------------------------------------------------------------- repainting

TEST(BackgroundRepaint, OnlyChangesRepaintButTheTileAlwaysDoes) {
    TBackgroundForm f;
    TCountingBackground& back = *f.Back;
    back.Invalidations = 0;
    back.SetGradientStartColor(clBtnFace);
    back.SetGradientEndColor(clWhite);
    back.SetStyle(gsVertical);
    EXPECT_EQ(back.Invalidations, 0);
    back.SetGradientStartColor(clNavy);
    back.SetGradientEndColor(clYellow);
    back.SetStyle(gsHorizontal);
    EXPECT_EQ(back.Invalidations, 3);

    auto tile = MakeTile(10, 10);
    back.SetTileImage(tile.get());
    back.SetTileImage(tile.get());
    back.SetTileImage(back.TileImage());
    EXPECT_EQ(back.Invalidations, 6);
    // Pixels changed in place do not repaint by themselves.
    back.TileImage()->SetPixel(0, 0, clRed);
    EXPECT_EQ(back.Invalidations, 6);
}

TEST(BackgroundRepaint, ErasingIsReportedDoneAndPaintsNothing) {
    TOrvoBackground back(nullptr);
    auto picture = MarkedBitmap(10, 10);
    const WPARAM dc = reinterpret_cast<WPARAM>(picture->Canvas()->Handle());
    EXPECT_EQ(back.Perform(WM_ERASEBKGND, dc, 0), 1);
    EXPECT_EQ(picture->Pixel(5, 5), kMarker);
}

// The form leaves its fill out only where the background covers the area
// painted: around a background that does not fill the form, and everywhere
// once it is hidden, the form's colour shows again.
TEST(BackgroundRepaint, TheParentStillFillsWhereNoVisibleBackgroundCoversTheArea) {
    TBackgroundForm f;
    f.Form.SetColor(clRed);
    f.Back->SetAlign(alNone);
    f.Back->SetBounds(10, 10, 100, 50);
    f.Back->SetGradientStartColor(clBlue);
    f.Back->SetGradientEndColor(clBlue);
    struct TCase {
        bool visible;
        TPoint inside, outside;
    };
    for (const TCase& c : {TCase{true, Point(50, 30), Point(150, 30)}, TCase{false, Point(50, 30), Point(5, 5)}}) {
        f.Back->SetVisible(c.visible);
        const auto picture = f.Paint();
        EXPECT_EQ(picture->Pixel(c.inside.X, c.inside.Y), c.visible ? clBlue : clRed) << c.visible;
        EXPECT_EQ(picture->Pixel(c.outside.X, c.outside.Y), clRed) << c.visible;
    }
    // A paint clipped to the inside of a visible background: only its bands.
    f.Back->SetVisible(true);
    auto picture = MarkedBitmap(kFormWidth, kFormHeight);
    HDC dc = picture->Canvas()->Handle();
    IntersectClipRect(dc, 20, 20, 40, 40);
    f.Form.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(picture->Pixel(30, 30), kMarker);  // no fill: the background's paint follows
    f.Form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(picture->Pixel(30, 30), clBlue);
}

TEST(BackgroundGradient, BandsEqualTheExtendedPrecisionFormulaAtEveryScale) {
    // start + trunc(i * float((end - start) / extent)) with the product in
    // extended precision, for falling and rising channels, small and huge
    // extents, and indices either side of 2^29. Only bands inside the
    // extent exist (beyond it a channel would leave its byte).
    auto reference = [](int from, int to, int extent, int i) {
        const float step = extent == 0 ? 0.0f : static_cast<float>(static_cast<long double>(to - from) / extent);
        return from + int(std::trunc(static_cast<long double>(i) * static_cast<long double>(step)));
    };
    struct TCase {
        TColor Start, End;
        int Extent;
    };
    const TCase cases[] = {{clBlack, clWhite, 294}, {TColor(RGB(250, 3, 128)), TColor(RGB(1, 254, 127)), 645},
                           {clNavy, clYellow, 16777215}, {TColor(RGB(7, 200, 90)), TColor(RGB(255, 0, 91)), 1000003},
                           {TColor(RGB(255, 0, 7)), TColor(RGB(0, 255, 250)), 2147483647}};
    const int indices[] = {0, 1, 2, 147, 293, 294, 645, 99991, 16777214, 16777215, (1 << 29) - 1, 1 << 29, 2147483647};
    for (const TCase& c : cases) {
        const TGradientRamp ramp(c.Start, c.End, c.Extent);
        const COLORREF s = ColorToRGB(c.Start), e = ColorToRGB(c.End);
        for (int i : indices) {
            if (i > c.Extent) continue;
            const int red = reference(GetRValue(s), GetRValue(e), c.Extent, i);
            const int green = reference(GetGValue(s), GetGValue(e), c.Extent, i);
            const int blue = reference(GetBValue(s), GetBValue(e), c.Extent, i);
            EXPECT_EQ(ramp.Band(i), TColor(blue * 65536 + green * 256 + red)) << c.Extent << " band " << i;
        }
    }
}

TEST(BackgroundGradient, AtRatioTwoAndThreeEveryRowIsTheRatioOnePictureEnlarged) {
    // The demonstration form's size, red to blue across and down; each
    // picture painted as a window of that ratio paints it, the background
    // asked for a part of itself by a transparent child included (origin
    // moved, clipped).
    for (TGradStyle style : {gsHorizontal, gsVertical}) {
        TBackgroundForm f;
        f.Back->SetGradientStartColor(clRed);
        f.Back->SetGradientEndColor(clBlue);
        f.Back->SetStyle(style);
        auto paint = [&](int scale, TPoint origin, TRect clip) {
            QImage image(kFormWidth * scale, kFormHeight * scale, QImage::Format_RGB32);
            image.fill(Qt::black);
            std::unique_ptr<TDeviceContext> dc = CreateImageDC(image, scale);
            SetViewportOrgEx(dc.get(), origin.X, origin.Y, nullptr);
            IntersectClipRect(dc.get(), clip.Left, clip.Top, clip.Right, clip.Bottom);
            f.Form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
            return image;
        };
        const TRect whole = Rect(0, 0, kFormWidth, kFormHeight);
        for (const auto& [origin, clip] : {std::pair{Point(0, 0), whole}, std::pair{Point(-137, -41), Rect(150, 50, 400, 200)}}) {
            const QImage one = paint(1, origin, clip);
            for (int scale : {2, 3}) {
                const QImage many = paint(scale, origin, clip);
                int differing = 0;
                for (int y = 0; y < many.height(); ++y)
                    for (int x = 0; x < many.width(); ++x) differing += many.pixel(x, y) != one.pixel(x / scale, y / scale);
                EXPECT_EQ(differing, 0) << "style " << int(style) << ", ratio " << scale << ", origin " << origin.X;
            }
        }
        // The colour the issue found wrong: x = 310 of 645 at ratio 2.
        if (style == gsHorizontal) {
            const QImage two = paint(2, Point(0, 0), whole);
            EXPECT_EQ(QColor(two.pixel(620, 10)), QColor(133, 0, 122));
        }
    }
}
