// The marks in their check colour: the shades of a check colour and the
// recolouring of a glyph's marker pixels.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
#include "host/services/Resources.h"
#include "orvo/OrvoGlyphColoring.h"

using namespace Orvo;

TEST(GlyphColoring, ShadesAndRecolouring) {
    const TGlyphShades red = GlyphShadesFor(clRed);
    EXPECT_EQ(red.Body, RGB(255, 0, 0));
    EXPECT_EQ(red.Shadow, RGB(127, 0, 0));
    EXPECT_EQ(red.Light, RGB(255, 192, 192));
    const TGlyphShades grey = GlyphShadesFor(TColor(RGB(127, 128, 1)));
    EXPECT_EQ(grey.Light, RGB(223, 255, 192));
    EXPECT_EQ(GlyphShadesFor(clBtnFace).Body, ColorToRGB(clBtnFace));

    // Each pixel is tested once: with a check colour of dark red, a red pixel
    // becomes dark red and is not halved again; with yellow, red becomes
    // yellow and is not lightened.
    TBitmap glyph;
    glyph.SetPixelFormat(pf32bit);
    glyph.SetSize(3, 1);
    glyph.SetPixel(0, 0, clRed);
    glyph.SetPixel(1, 0, clMaroon);
    glyph.SetPixel(2, 0, clWhite);
    ColorizeGlyph(glyph, clMaroon);
    EXPECT_EQ(glyph.Pixel(0, 0), clMaroon);
    EXPECT_EQ(glyph.Pixel(1, 0), TColor(RGB(64, 0, 0)));
    EXPECT_EQ(glyph.Pixel(2, 0), clWhite);
    glyph.SetPixel(0, 0, clRed);
    ColorizeGlyph(glyph, clYellow);
    EXPECT_EQ(glyph.Pixel(0, 0), clYellow);

    TBitmap missing;
    LoadColorizedGlyph(missing, "CB_4D_CROSS", clRed);
    EXPECT_TRUE(missing.Empty());
}

// Thousands of check boxes show one glyph: it is decoded and coloured once
// and shared, and still each box's bitmap is its own, a system colour is
// taken as the palette has it, and a replaced resource is read anew.
TEST(GlyphColoring, ColorizedGlyphsAreMadeOnceAndShared) {
    TBitmap a, b, blue;
    LoadColorizedGlyph(a, "CB_CROSS", clRed);
    LoadColorizedGlyph(b, "CB_CROSS", clRed);
    LoadColorizedGlyph(blue, "CB_CROSS", clBlue);
    ASSERT_FALSE(a.Empty());
    ASSERT_EQ(a.Width(), b.Width());
    int red = 0, differ = 0;
    for (int x = 0; x < a.Width(); ++x)
        for (int y = 0; y < a.Height(); ++y) {
            ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y));
            red += a.Pixel(x, y) == clRed;
            differ += a.Pixel(x, y) != blue.Pixel(x, y);
        }
    EXPECT_GT(red, 0);
    EXPECT_GE(differ, red);  // every mark is coloured for its own colour
    EXPECT_EQ(a.Pixel(0, a.Height() - 1), blue.Pixel(0, blue.Height() - 1));  // the key colour is not a mark
    b.SetPixel(0, 0, clLime);  // one box's bitmap written: the other keeps its pixel
    EXPECT_NE(a.Pixel(0, 0), clLime);

    // The same RGB through a system colour and directly: one picture.
    TBitmap system, direct;
    LoadColorizedGlyph(system, "CB_CROSS", clHighlight);
    LoadColorizedGlyph(direct, "CB_CROSS", TColor(ColorToRGB(clHighlight)));
    for (int x = 0; x < system.Width(); ++x)
        for (int y = 0; y < system.Height(); ++y) ASSERT_EQ(system.Pixel(x, y), direct.Pixel(x, y));

    // A resource registered again under the name is what the next load shows.
    const TResourceBytes original = *FindResource(TResourceType::Bitmap, "CB_CROSS");
    const std::vector<std::uint8_t> saved(original.begin(), original.end());
    TBitmap plain;
    plain.SetPixelFormat(pf32bit);
    plain.SetSize(2, 2);
    for (int i = 0; i < 4; ++i) plain.SetPixel(i % 2, i / 2, clWhite);
    const std::vector<std::uint8_t> replacement = plain.SaveToBytes();
    RegisterResource(TResourceType::Bitmap, "CB_CROSS", replacement);
    TBitmap replaced;
    LoadColorizedGlyph(replaced, "CB_CROSS", clRed);
    RegisterResource(TResourceType::Bitmap, "CB_CROSS", saved);
    EXPECT_EQ(replaced.Width(), 2);
    EXPECT_EQ(replaced.Pixel(1, 1), clWhite);
}

// A program cycling its check colour keeps a bounded number of pictures, and
// a box keeps its own when the cache starts again.
TEST(GlyphColoring, CyclingColoursKeepsTheCacheBounded) {
    TBitmap first;
    LoadColorizedGlyph(first, "CB_CROSS", TColor(RGB(1, 2, 3)));
    const TColor centre = first.Pixel(first.Width() / 2, first.Height() / 2);
    for (int i = 0; i < 1000; ++i) {
        TBitmap other;
        LoadColorizedGlyph(other, "CB_CROSS", TColor(RGB(i % 256, i / 256, 200)));
    }
    EXPECT_LE(ColorizedGlyphsKept(), 64u);
    EXPECT_EQ(first.Pixel(first.Width() / 2, first.Height() / 2), centre);
    TBitmap again;
    LoadColorizedGlyph(again, "CB_CROSS", TColor(RGB(1, 2, 3)));
    for (int x = 0; x < first.Width(); ++x)
        for (int y = 0; y < first.Height(); ++y) ASSERT_EQ(again.Pixel(x, y), first.Pixel(x, y));
}
