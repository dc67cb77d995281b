// The marks in their check colour: the shades of a check colour and the
// recolouring of a glyph's marker pixels.

#include <gtest/gtest.h>

#include "host/services/Colors.h"
#include "host/framework/Graphics.h"
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

