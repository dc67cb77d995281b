// The glyph resources: registered under their names, encoded as 16-colour BMP
// files, and decoded by the host's bitmap codec back into the pictures.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Resources.h"
#include "orvo/OrvoGlyphs.h"

using namespace Orvo;

namespace {

// A copy of a bitmap resource's bytes (empty when there is none).
std::vector<std::uint8_t> BitmapResourceBytes(std::string_view name) {
    const TResourceBytes* bytes = FindResource(TResourceType::Bitmap, name);
    return bytes ? std::vector<std::uint8_t>(bytes->begin(), bytes->end()) : std::vector<std::uint8_t>{};
}

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
           (std::uint32_t(b[at + 3]) << 24);
}
std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint16_t(b[at] | (b[at + 1] << 8));
}

const std::vector<std::string> kAllNames = {
    "CB_CHECK",        "CB_CROSS",        "CB_CIRCLE",        "CB_3D_CHECK",
    "CB_3D_CROSS",     "CB_3D_CIRCLE",    "CB_GLOSSY_CHECK",  "CB_GLOSSY_CROSS",
    "CB_GLOSSY_CIRCLE", "RB_CIRCLE",      "RB_3D_CIRCLE",     "RB_GLOSSY_CIRCLE",
};

}  // namespace

TEST(GlyphResources, AllTwelveAreRegisteredAsBitmapsWithTheirSizes) {
    ASSERT_EQ(GlyphPictures().size(), kAllNames.size());
    for (const std::string& name : kAllNames) {
        SCOPED_TRACE(name);
        const TGlyphPicture* picture = FindGlyphPicture(name);
        ASSERT_NE(picture, nullptr);
        const int expected = name == "RB_GLOSSY_CIRCLE" ? 9 : name.starts_with("RB_") ? 7 : 16;
        EXPECT_EQ(picture->Width(), expected);
        EXPECT_EQ(picture->Height(), expected);

        const TResourceBytes* bytes = FindResource(TResourceType::Bitmap, name);
        ASSERT_NE(bytes, nullptr);
        EXPECT_EQ(std::vector<std::uint8_t>(bytes->begin(), bytes->end()), EncodeGlyphBitmap(*picture));
        // Only bitmaps: a form description of that name is another resource.
        EXPECT_EQ(FindResource(TResourceType::FormDescription, name), nullptr);
    }
    EXPECT_EQ(FindGlyphPicture("CB_4D_CROSS"), nullptr);
}

TEST(GlyphResources, HeadersDescribeA16ColourBottomUpFile) {
    struct Case { const char* name; std::uint32_t size; std::uint32_t stride; };
    // 7 pixels take 3.5 bytes, padded to 4; 9 pixels take 4.5, padded to 8.
    for (const Case c : {Case{"CB_3D_CROSS", 16, 8}, Case{"RB_3D_CIRCLE", 7, 4}, Case{"RB_GLOSSY_CIRCLE", 9, 8}}) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> b = BitmapResourceBytes(c.name);
        const std::uint32_t pixelOffset = 14 + 40 + 64;
        ASSERT_EQ(b.size(), pixelOffset + c.stride * c.size);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32At(b, 2), b.size());
        EXPECT_EQ(U32At(b, 10), pixelOffset);
        EXPECT_EQ(U32At(b, 14), 40u);               // biSize
        EXPECT_EQ(U32At(b, 18), c.size);            // biWidth
        EXPECT_EQ(std::int32_t(U32At(b, 22)), std::int32_t(c.size));  // positive: bottom-up
        EXPECT_EQ(U16At(b, 26), 1);                 // biPlanes
        EXPECT_EQ(U16At(b, 28), 4);                 // biBitCount
        EXPECT_EQ(U32At(b, 30), 0u);                // BI_RGB
        EXPECT_EQ(U32At(b, 46), 16u);               // biClrUsed
        // Palette entries are blue, green, red, 0.
        const std::vector<std::uint8_t> maroon{0, 0, 128, 0}, olive{0, 128, 128, 0}, navy{128, 0, 0, 0},
            silver{192, 192, 192, 0}, fuchsia{255, 0, 255, 0}, white{255, 255, 255, 0};
        auto entry = [&](int i) { return std::vector<std::uint8_t>(b.begin() + 54 + 4 * i, b.begin() + 58 + 4 * i); };
        EXPECT_EQ(entry(1), maroon);
        EXPECT_EQ(entry(3), olive);
        EXPECT_EQ(entry(4), navy);
        EXPECT_EQ(entry(7), silver);
        EXPECT_EQ(entry(13), fuchsia);
        EXPECT_EQ(entry(15), white);
    }
}

TEST(GlyphResources, RowsAreStoredBottomUpLeftPixelInTheHighNibble) {
    // RB_3D_CIRCLE's bottom row is magenta, magenta, red, maroon, maroon,
    // magenta, magenta: palette indices 13 13 9 1 1 13 13, then a zero pad.
    const std::vector<std::uint8_t> b = BitmapResourceBytes("RB_3D_CIRCLE");
    const std::vector<std::uint8_t> firstStoredRow(b.begin() + 118, b.begin() + 122);
    EXPECT_EQ(firstStoredRow, (std::vector<std::uint8_t>{0xDD, 0x91, 0x1D, 0xD0}));
    // Its top row (stored last): magenta, magenta, red, red, red, magenta, magenta.
    const std::vector<std::uint8_t> lastStoredRow(b.end() - 4, b.end());
    EXPECT_EQ(lastStoredRow, (std::vector<std::uint8_t>{0xDD, 0x99, 0x9D, 0xD0}));
}

// ---------------------------------------------------------------- decoding

namespace {

// The colours the pixel-map letters stand for, written out independently of
// the encoder's palette.
TColor LetterColor(char letter) {
    switch (letter) {
        case '.': return clFuchsia;
        case 'R': return clRed;
        case 'm': return clMaroon;
        case 'y': return clYellow;
        case 'w': return clWhite;
    }
    ADD_FAILURE() << "unknown letter " << letter;
    return clNone;
}

}  // namespace

TEST(GlyphResources, DecodeThroughTheBitmapCodecToTheirPictures) {
    for (const TGlyphPicture& picture : GlyphPictures()) {
        SCOPED_TRACE(std::string(picture.Name));
        TBitmap bitmap;
        bitmap.LoadFromResourceName(picture.Name);
        ASSERT_EQ(bitmap.Width(), picture.Width());
        ASSERT_EQ(bitmap.Height(), picture.Height());
        // The bottom-left pixel is the transparent key of every glyph.
        EXPECT_EQ(bitmap.Pixel(0, bitmap.Height() - 1), clFuchsia);
        EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
        int mismatches = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (bitmap.Pixel(x, y) != LetterColor(picture.Rows[y][x])) ++mismatches;
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(GlyphResources, LoadBitmapFindsThemByNameWithoutRegardToCase) {
    HBITMAP handle = LoadBitmap(HInstance, "cb_glossy_check");
    ASSERT_NE(handle, nullptr);
    TBitmap bitmap;
    bitmap.SetHandle(handle);  // takes ownership
    EXPECT_EQ(bitmap.Width(), 16);
    EXPECT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(LoadBitmap(HInstance, "CB_GLOSSY_SQUARE"), nullptr);
}

TEST(GlyphResources, SamplePixelsMatchThePictures) {
    struct Sample { const char* name; int x, y; TColor colour; };
    const Sample samples[] = {
        {"CB_3D_CROSS", 2, 1, clYellow},
        {"CB_3D_CROSS", 4, 1, clMaroon},
        {"CB_3D_CROSS", 14, 1, clRed},
        {"CB_3D_CROSS", 15, 14, clRed},
        {"CB_3D_CROSS", 0, 0, clFuchsia},
        {"CB_CHECK", 15, 0, clRed},
        {"CB_CHECK", 7, 12, clRed},
        {"CB_CHECK", 6, 12, clFuchsia},
        {"CB_CIRCLE", 4, 6, clRed},
        {"CB_CIRCLE", 3, 6, clFuchsia},
        {"CB_3D_CIRCLE", 8, 5, clYellow},
        {"CB_3D_CIRCLE", 6, 11, clMaroon},
        {"CB_GLOSSY_CHECK", 12, 2, clWhite},
        {"CB_GLOSSY_CROSS", 0, 13, clMaroon},
        {"CB_GLOSSY_CROSS", 2, 1, clRed},
        {"CB_GLOSSY_CROSS", 3, 1, clWhite},
        {"CB_GLOSSY_CIRCLE", 6, 5, clWhite},
        {"CB_GLOSSY_CIRCLE", 10, 9, clYellow},
        {"RB_CIRCLE", 0, 2, clRed},
        {"RB_CIRCLE", 1, 0, clFuchsia},
        {"RB_3D_CIRCLE", 2, 1, clYellow},
        {"RB_3D_CIRCLE", 6, 3, clMaroon},
        {"RB_GLOSSY_CIRCLE", 3, 2, clWhite},
        {"RB_GLOSSY_CIRCLE", 6, 4, clYellow},
        {"RB_GLOSSY_CIRCLE", 8, 3, clMaroon},
        {"RB_GLOSSY_CIRCLE", 8, 8, clFuchsia},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(std::string(s.name) + " at " + std::to_string(s.x) + "," + std::to_string(s.y));
        TBitmap bitmap;
        bitmap.LoadFromResourceName(s.name);
        EXPECT_EQ(bitmap.Pixel(s.x, s.y), s.colour);
    }
    TBitmap glossyDot;
    glossyDot.LoadFromResourceName("RB_GLOSSY_CIRCLE");
    EXPECT_EQ(glossyDot.Width(), 9);
    EXPECT_EQ(glossyDot.Height(), 9);
}
