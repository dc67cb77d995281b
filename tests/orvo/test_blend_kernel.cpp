// The transparency blend's arithmetic: the division by 100, every path of the
// row kernel against the formula for every colour, pixel and percentage, and
// the blend of a canvas whose clip region is not a rectangle.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "orvo/OrvoBlendKernel.h"
#include "orvo/OrvoClasses.h"

using namespace Orvo;

namespace {

// The formula as written: signed integers, division truncating toward zero.
int Reference(int colour, int pixel, int percent) { return colour - percent * (colour - pixel) / 100; }

using TPath = TBlendRowKernel::TPath;

}  // namespace

TEST(BlendKernel, DivisionBy100IsExactOverTheWholeRange) {
    for (unsigned value = 0; value <= 25500; ++value) ASSERT_EQ(DivideBy100(value), value / 100) << value;
}

TEST(BlendKernel, EveryPathMatchesTheFormulaForEveryInput) {
    // One row holds all 256 pixel values in each channel (in different
    // orders, so the channels are told apart), plus three more so that a
    // vector path's scalar tail runs too. The reserved byte starts non-zero.
    constexpr int kCount = 259;
    std::vector<std::uint8_t> source(kCount * 4);
    for (int i = 0; i < kCount; ++i) {
        source[4 * i + 0] = std::uint8_t(i);
        source[4 * i + 1] = std::uint8_t(255 - i);
        source[4 * i + 2] = std::uint8_t(i * 7);
        source[4 * i + 3] = 0xA5;
    }
    int pathsRun = 0;
    for (TPath path : {TPath::Scalar, TPath::Vector, TPath::Wide}) {
        if (!TBlendRowKernel::Supports(path)) continue;
        ++pathsRun;
        for (int percent = 0; percent <= 100; ++percent) {
            for (int colour = 0; colour < 256; ++colour) {
                const int red = colour, green = 255 - colour, blue = colour ^ 0x5A;
                const TBlendRowKernel kernel(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue), percent);
                std::vector<std::uint8_t> row = source;
                // Start one pixel in, so the vector loads are not aligned;
                // odd percentages leave five pixels off the end, so the wide
                // path's four-pixel step runs as well as its scalar tail.
                const int length = kCount - 1 - (percent % 2) * 5;
                kernel.ApplyOn(path, row.data() + 4, length);
                ASSERT_EQ(row[0], source[0]);  // the pixel before is left alone
                for (int i = length + 1; i < kCount; ++i) ASSERT_EQ(row[4 * i + 3], 0xA5) << "past the end " << i;
                for (int i = 1; i <= length; ++i) {
                    const std::uint8_t* p = &row[4 * i];
                    const std::uint8_t* s = &source[4 * i];
                    ASSERT_EQ(p[0], Reference(blue, s[0], percent)) << int(path) << " " << percent << " " << i;
                    ASSERT_EQ(p[1], Reference(green, s[1], percent)) << int(path) << " " << percent << " " << i;
                    ASSERT_EQ(p[2], Reference(red, s[2], percent)) << int(path) << " " << percent << " " << i;
                    ASSERT_EQ(p[3], 0) << int(path) << " " << i;
                }
            }
        }
    }
    EXPECT_GE(pathsRun, 1);
}

TEST(BlendKernel, ShortRowsAndPercentagesOutOfRange) {
    // Rows of 0 to 9 pixels take every split between vector and scalar work.
    for (int count = 0; count < 10; ++count) {
        std::vector<std::uint8_t> row(std::size_t(count + 1) * 4, 0);
        row[std::size_t(count) * 4] = 77;  // the pixel after the row
        TBlendRowKernel(255, 255, 255, 50).Apply(row.data(), count);
        for (int i = 0; i < count; ++i) ASSERT_EQ(row[std::size_t(i) * 4 + 1], 128) << count;
        ASSERT_EQ(row[std::size_t(count) * 4], 77) << count;
    }
    // Above 100 counts as 100 (the colours stay), below 0 as 0 (solid colour).
    std::uint8_t pixel[4] = {10, 20, 30, 40};
    TBlendRowKernel(200, 200, 200, 250).Apply(pixel, 1);
    EXPECT_EQ(pixel[0], 10);
    EXPECT_EQ(pixel[2], 30);
    EXPECT_EQ(pixel[3], 0);
    TBlendRowKernel(1, 2, 3, -5).Apply(pixel, 1);
    EXPECT_EQ(pixel[0], 3);
    EXPECT_EQ(pixel[2], 1);
}

TEST(BlendColor, AClipRegionOfTwoRectanglesChangesOnlyItsPixels) {
    // The clip box spans both rectangles; the pixels between them are inside
    // the box but outside the region, and must keep their colours.
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(12, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) bitmap->SetPixel(x, y, TColor(RGB(20 * x, 30 * y, 100)));
    HDC dc = bitmap->Canvas()->Handle();
    HRGN clip = CreateRectRgn(1, 1, 4, 3);
    HRGN second = CreateRectRgn(7, 4, 11, 7);
    CombineRgn(clip, clip, second, RGN_OR);
    SelectClipRgn(dc, clip);
    DeleteObject(second);
    DeleteObject(clip);

    BlendColor(bitmap->Canvas(), TColor(RGB(0, 255, 40)), 37);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inside = (x >= 1 && x < 4 && y >= 1 && y < 3) || (x >= 7 && x < 11 && y >= 4 && y < 7);
            const TColor expected = inside ? TColor(RGB(Reference(0, 20 * x, 37), Reference(255, 30 * y, 37),
                                                        Reference(40, 100, 37)))
                                           : TColor(RGB(20 * x, 30 * y, 100));
            ASSERT_EQ(bitmap->Pixel(x, y), expected) << x << "," << y;
        }
}
