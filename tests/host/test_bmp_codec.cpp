// The BMP codec: every supported depth and layout, and every kind of broken file.
#include <gtest/gtest.h>

#include "bmp_test_files.h"
#include "host/services/BmpCodec.h"

using namespace Orvo;

namespace {

// The decoded pixel as $00RRGGBB.
std::uint32_t PixelOf(const TBmpImage& img, int x, int y) {
    const std::uint8_t* p = img.Pixels.data() + (std::size_t(y) * std::size_t(img.Width) + std::size_t(x)) * 4;
    return (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}

void ExpectRejected(const std::vector<std::uint8_t>& bytes, const std::string& fragment) {
    try {
        DecodeBmp(bytes);
        ADD_FAILURE() << "accepted a file that should fail with \"" << fragment << "\"";
    } catch (const EBmpError& e) {
        EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
    }
}

}  // namespace

TEST(BmpCodec, OneBitPaletteBottomUpWithPaddedRows) {
    TBmpSpec s;
    s.Width = 3;
    s.Height = 2;
    s.Bits = 1;
    s.Palette = {0x112233, 0xAABBCC};
    // Bottom row 0b101, top row 0b010, each padded to 4 bytes.
    s.Rows = {0xA0, 0, 0, 0, 0x40, 0, 0, 0};
    const TBmpImage img = DecodeBmp(BuildBmp(s));
    ASSERT_EQ(img.Width, 3);
    ASSERT_EQ(img.Height, 2);
    EXPECT_EQ(img.BitsPerPixel, 1);
    EXPECT_EQ(PixelOf(img, 0, 0), 0x112233u);
    EXPECT_EQ(PixelOf(img, 1, 0), 0xAABBCCu);
    EXPECT_EQ(PixelOf(img, 0, 1), 0xAABBCCu);
    EXPECT_EQ(PixelOf(img, 1, 1), 0x112233u);
    EXPECT_EQ(PixelOf(img, 2, 1), 0xAABBCCu);
    EXPECT_EQ(img.Pixels[3], 0);  // the reserved byte
}

TEST(BmpCodec, FourBitGlyphPicture) {
    const TBmpImage img = DecodeBmp(GlyphLikeBmp());
    ASSERT_EQ(img.Width, 16);
    EXPECT_EQ(PixelOf(img, 0, 15), 0xFF00FFu);  // bottom-left: magenta
    EXPECT_EQ(PixelOf(img, 5, 5), 0xFF0000u);   // the red diagonal
    EXPECT_EQ(PixelOf(img, 15, 0), 0xFFFF00u);  // yellow top-right
    EXPECT_EQ(PixelOf(img, 3, 4), 0xFF00FFu);
}

TEST(BmpCodec, EightBitTopDownWithShortPalette) {
    TBmpSpec s;
    s.Width = 2;
    s.Height = -2;  // top-down
    s.Bits = 8;
    s.ColorsUsed = 3;
    s.Palette = {0x000001, 0x000002, 0x000003};
    s.Rows = {0, 1, 0, 0, 2, 2, 0, 0};
    const TBmpImage img = DecodeBmp(BuildBmp(s));
    EXPECT_EQ(PixelOf(img, 0, 0), 1u);
    EXPECT_EQ(PixelOf(img, 1, 0), 2u);
    EXPECT_EQ(PixelOf(img, 0, 1), 3u);
}

TEST(BmpCodec, SixteenTwentyFourAndThirtyTwoBits) {
    TBmpSpec s16;
    s16.Width = 1;
    s16.Height = 1;
    s16.Bits = 16;
    s16.Rows = {0x00, 0x7C, 0, 0};  // 5-5-5: full red
    EXPECT_EQ(PixelOf(DecodeBmp(BuildBmp(s16)), 0, 0), 0xFF0000u);

    TBmpSpec f16 = s16;
    f16.Compression = 3;
    f16.Masks = {0xF800, 0x07E0, 0x001F};  // 5-6-5
    f16.Rows = {0xE0, 0x07, 0, 0};         // full green
    EXPECT_EQ(PixelOf(DecodeBmp(BuildBmp(f16)), 0, 0), 0x00FF00u);

    TBmpSpec s24;
    s24.Width = 2;
    s24.Height = 1;
    s24.Bits = 24;
    s24.Rows = {1, 2, 3, 4, 5, 6, 0, 0};
    const TBmpImage i24 = DecodeBmp(BuildBmp(s24));
    EXPECT_EQ(PixelOf(i24, 0, 0), 0x030201u);
    EXPECT_EQ(PixelOf(i24, 1, 0), 0x060504u);

    TBmpSpec s32;
    s32.Width = 1;
    s32.Height = 1;
    s32.Bits = 32;
    s32.Rows = {9, 8, 7, 0xEE};
    const TBmpImage i32 = DecodeBmp(BuildBmp(s32));
    EXPECT_EQ(PixelOf(i32, 0, 0), 0x070809u);
    EXPECT_EQ(i32.Pixels[3], 0);
}

TEST(BmpCodec, EncodedFilesDecodeToTheSamePixels) {
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0,
                                              10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0};
    for (int bits : {24, 32}) {
        const std::vector<std::uint8_t> file = EncodeBmp(3, 2, pixels.data(), 12, bits);
        const TBmpImage img = DecodeBmp(file);
        EXPECT_EQ(img.BitsPerPixel, bits);
        EXPECT_EQ(img.Pixels, pixels);
    }
    EXPECT_THROW(EncodeBmp(1, 1, pixels.data(), 4, 8), EBmpError);
}

TEST(BmpCodec, RejectsFilesThatAreNotBmpOrTooShort) {
    ExpectRejected({}, "too short");
    ExpectRejected({'B', 'M', 0, 0}, "too short");
    std::vector<std::uint8_t> png = GlyphLikeBmp();
    png[0] = 0x89;
    ExpectRejected(png, "does not start with \"BM\"");
    std::vector<std::uint8_t> cut = GlyphLikeBmp();
    cut.resize(30);
    ExpectRejected(cut, "truncated");
}

TEST(BmpCodec, RejectsUnknownHeadersPlanesDepthsAndCompression) {
    std::vector<std::uint8_t> header = GlyphLikeBmp();
    header[14] = 64;  // OS/2 2.x header
    ExpectRejected(header, "info header size 64");

    TBmpSpec s;
    s.Width = 1;
    s.Height = 1;
    s.Rows = {0, 0, 0, 0};
    std::vector<std::uint8_t> planes = BuildBmp(s);
    planes[26] = 2;
    ExpectRejected(planes, "2 planes");

    TBmpSpec depth = s;
    depth.Bits = 7;
    ExpectRejected(BuildBmp(depth), "depth of 7 bits");

    TBmpSpec rle = s;
    rle.Bits = 8;
    rle.Compression = 1;
    rle.Palette = {0};
    ExpectRejected(BuildBmp(rle), "RLE");

    TBmpSpec jpeg = s;
    jpeg.Compression = 4;
    ExpectRejected(BuildBmp(jpeg), "compression 4");

    TBmpSpec fields24 = s;
    fields24.Compression = 3;
    fields24.Masks = {0xFF0000, 0xFF00, 0xFF};
    ExpectRejected(BuildBmp(fields24), "BI_BITFIELDS");
}

TEST(BmpCodec, RejectsImpossibleAndHugeSizes) {
    TBmpSpec s;
    s.Rows = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    TBmpSpec zeroWidth = s;
    zeroWidth.Width = 0;
    ExpectRejected(BuildBmp(zeroWidth), "width 0");
    TBmpSpec negativeWidth = s;
    negativeWidth.Width = -2;
    ExpectRejected(BuildBmp(negativeWidth), "width -2");
    TBmpSpec zeroHeight = s;
    zeroHeight.Height = 0;
    ExpectRejected(BuildBmp(zeroHeight), "height is 0");
    TBmpSpec huge = s;
    huge.Width = 100000;
    huge.Height = 100000;
    ExpectRejected(BuildBmp(huge), "too large");
    TBmpSpec lowest = s;
    lowest.Height = INT32_MIN;
    ExpectRejected(BuildBmp(lowest), "too large");
    TBmpSpec manyPixels = s;
    manyPixels.Width = 30000;
    manyPixels.Height = 30000;  // each side allowed, the total is not
    ExpectRejected(BuildBmp(manyPixels), "too large");
}

TEST(BmpCodec, RejectsBadPalettesAndOffsets) {
    TBmpSpec big;
    big.Width = 1;
    big.Height = 1;
    big.Bits = 1;
    big.ColorsUsed = 3;  // more than 2^1
    big.Palette = {0, 0, 0};
    big.Rows = {0, 0, 0, 0};
    ExpectRejected(BuildBmp(big), "palette of 3 colours");

    TBmpSpec shortPalette;
    shortPalette.Width = 1;
    shortPalette.Height = 1;
    shortPalette.Bits = 8;
    shortPalette.ColorsUsed = 200;
    shortPalette.Palette = {0};
    std::vector<std::uint8_t> file = BuildBmp(shortPalette);  // no pixel rows: the palette runs off the end
    ExpectRejected(file, "the palette");

    TBmpSpec index;
    index.Width = 1;
    index.Height = 1;
    index.Bits = 4;
    index.ColorsUsed = 2;
    index.Palette = {0, 0};
    index.Rows = {0x50, 0, 0, 0};  // colour 5 of 2
    ExpectRejected(BuildBmp(index), "uses colour 5");

    TBmpSpec s;
    s.Width = 1;
    s.Height = 1;
    s.Rows = {0, 0, 0, 0};
    std::vector<std::uint8_t> beyond = BuildBmp(s);
    beyond[10] = 0xF0;
    beyond[11] = 0xFF;  // pixel data far past the end
    ExpectRejected(beyond, "truncated");
    std::vector<std::uint8_t> into = BuildBmp(s);
    into[10] = 20;
    into[11] = 0;
    ExpectRejected(into, "points into the headers");
}

TEST(BmpCodec, RejectsTruncatedPixelData) {
    TBmpSpec s;
    s.Width = 4;
    s.Height = 4;
    s.Bits = 24;
    s.Rows.assign(4 * 12 - 1, 0);  // one byte short
    ExpectRejected(BuildBmp(s), "pixel data");
    s.Rows.push_back(0);
    EXPECT_NO_THROW(DecodeBmp(BuildBmp(s)));
}

// A loaded file is written back byte for byte. Plain 24- and 32-bit files
// keep only their headers (the rows come again from the picture); any file
// whose rows the picture would not give back exactly is kept whole.
TEST(BmpCodec, OriginalFilesComeBackByteForByteAndPlainRowsAreNotKeptTwice) {
    // 3 x 2 pixels: 9 bytes a 24-bit row, padded to 12; 12 bytes a 32-bit row.
    const std::vector<std::uint8_t> rows24 = {1, 2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0,
                                              10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
    const std::vector<std::uint8_t> rows32 = {1,  2,  3,  0, 4,  5,  6,  0, 7,  8,  9,  0,
                                              10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0};
    auto spec = [](int height, int bits, std::vector<std::uint8_t> rows) {
        TBmpSpec s;
        s.Width = 3;
        s.Height = height;
        s.Bits = bits;
        s.Rows = std::move(rows);
        return s;
    };
    auto withByte = [](std::vector<std::uint8_t> rows, std::size_t at, std::uint8_t value) {
        rows[at] = value;
        return rows;
    };
    struct TCase {
        const char* Name;
        std::vector<std::uint8_t> File;
        bool RowsFromPicture;
    };
    std::vector<std::uint8_t> trailing = BuildBmp(spec(2, 24, rows24));
    trailing.push_back(0);
    std::vector<std::uint8_t> otherResolution = BuildBmp(spec(2, 24, rows24));
    otherResolution[38] = 0x13;  // 72 dpi, as many painting programs write
    otherResolution[39] = 0x0B;
    const TCase cases[] = {
        {"24 bits, bottom-up", BuildBmp(spec(2, 24, rows24)), true},
        {"24 bits, another resolution", otherResolution, true},
        {"32 bits, reserved bytes 0", BuildBmp(spec(2, 32, rows32)), true},
        {"32 bits, a reserved byte set", BuildBmp(spec(2, 32, withByte(rows32, 3, 0xFF))), false},
        {"24 bits, padding not 0", BuildBmp(spec(2, 24, withByte(rows24, 10, 7))), false},
        {"24 bits, top-down", BuildBmp(spec(-2, 24, rows24)), false},
        {"24 bits, a byte after the rows", trailing, false},
        {"4 bits with a palette", GlyphLikeBmp(), false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TBmpImage decoded = DecodeBmp(c.File);
        const TBmpOriginal original(c.File, decoded);
        EXPECT_EQ(original.RowsFromPicture(), c.RowsFromPicture);
        // The picture is handed over as the bitmap holds it: a fourth byte
        // that is not 0, and a longer line than the pixels need.
        const int bytesPerLine = decoded.Width * 4 + 8;
        std::vector<std::uint8_t> picture(std::size_t(bytesPerLine) * std::size_t(decoded.Height), 0xEE);
        for (int y = 0; y < decoded.Height; ++y)
            for (int x = 0; x < decoded.Width; ++x) {
                const std::uint8_t* from = decoded.Pixels.data() + (std::size_t(y) * std::size_t(decoded.Width) + std::size_t(x)) * 4;
                std::copy(from, from + 3, picture.data() + std::size_t(y) * std::size_t(bytesPerLine) + std::size_t(x) * 4);
            }
        EXPECT_EQ(original.File(picture.data(), bytesPerLine), c.File);
    }
    EXPECT_TRUE(TBmpOriginal().Empty());
}
