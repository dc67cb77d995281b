// Icon files: which picture is read, its transparency, PNG pictures, and
// broken files.
#include <gtest/gtest.h>

#include <string>

#include "bmp_test_files.h"
#include "host/services/IconCodec.h"

using namespace Orvo;

namespace {

// A stored bitmap of `width` x `height`: the info header with the height
// doubled, `palette`, the colour rows and the mask rows (both bottom-up).
std::vector<std::uint8_t> StoredBitmap(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                                       const std::vector<std::uint8_t>& colourRows, const std::vector<std::uint8_t>& maskRows) {
    std::vector<std::uint8_t> b;
    Put32(b, 40);
    Put32(b, std::uint32_t(width));
    Put32(b, std::uint32_t(height * 2));
    Put16(b, 1);
    Put16(b, std::uint32_t(bits));
    for (int i = 0; i < 6; ++i) Put32(b, 0);
    for (std::uint32_t c : palette) Put32(b, c);
    b.insert(b.end(), colourRows.begin(), colourRows.end());
    b.insert(b.end(), maskRows.begin(), maskRows.end());
    return b;
}

struct TEntry {
    int Width, Height, Bits;
    std::vector<std::uint8_t> Data;
};

std::vector<std::uint8_t> IconFile(const std::vector<TEntry>& entries) {
    std::vector<std::uint8_t> b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, std::uint32_t(entries.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * entries.size());
    for (const TEntry& e : entries) {
        b.push_back(std::uint8_t(e.Width));
        b.push_back(std::uint8_t(e.Height));
        b.push_back(0);
        b.push_back(0);
        Put16(b, 1);
        Put16(b, std::uint32_t(e.Bits));
        Put32(b, std::uint32_t(e.Data.size()));
        Put32(b, offset);
        offset += std::uint32_t(e.Data.size());
    }
    for (const TEntry& e : entries) b.insert(b.end(), e.Data.begin(), e.Data.end());
    return b;
}

// $AARRGGBB of a decoded pixel.
std::uint32_t Pixel(const TIconImage& icon, int x, int y) {
    const std::uint8_t* p = icon.Pixels.data() + (std::size_t(y) * std::size_t(icon.Width) + std::size_t(x)) * 4;
    return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}

// 2 x 2, 4 bits: top row red and blue, bottom row white and black; the mask
// clears the top-left pixel. Rows of 4 bytes (colours) and 4 bytes (mask).
std::vector<std::uint8_t> FourBitPicture() {
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x0000FF, 0xFFFFFF};
    const std::vector<std::uint8_t> colours = {0x30, 0, 0, 0,   // bottom: white, black
                                               0x12, 0, 0, 0};  // top: red, blue
    const std::vector<std::uint8_t> mask = {0x00, 0, 0, 0,   // bottom: both shown
                                            0x80, 0, 0, 0};  // top: the left one clear
    std::vector<std::uint32_t> full(palette);
    full.resize(16, 0);
    return StoredBitmap(2, 2, 4, full, colours, mask);
}

}  // namespace

TEST(IconCodec, StoredBitmapsTakeTheirTransparencyFromTheMaskOrTheFourthBytes) {
    const TIconImage four = DecodeIcon(IconFile({{2, 2, 4, FourBitPicture()}}));
    ASSERT_EQ(four.Width, 2);
    ASSERT_EQ(four.Height, 2);
    EXPECT_TRUE(four.Png.empty());
    EXPECT_EQ(Pixel(four, 0, 0), 0x00FF0000u);  // red, cleared by the mask
    EXPECT_EQ(Pixel(four, 1, 0), 0xFF0000FFu);
    EXPECT_EQ(Pixel(four, 0, 1), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(four, 1, 1), 0xFF000000u);

    // 32 bits: the fourth bytes are the alpha; all of them 0 means the mask
    // says what is clear.
    const std::vector<std::uint8_t> withAlpha = {1, 2, 3, 0x80, 4, 5, 6, 0xFF};  // one row of two
    const std::vector<std::uint8_t> noAlpha = {1, 2, 3, 0, 4, 5, 6, 0};
    const std::vector<std::uint8_t> mask = {0x40, 0, 0, 0};  // the right pixel clear
    const TIconImage alpha = DecodeIcon(IconFile({{2, 1, 32, StoredBitmap(2, 1, 32, {}, withAlpha, mask)}}));
    EXPECT_EQ(Pixel(alpha, 0, 0), 0x80030201u);
    EXPECT_EQ(Pixel(alpha, 1, 0), 0xFF060504u);
    const TIconImage masked = DecodeIcon(IconFile({{2, 1, 32, StoredBitmap(2, 1, 32, {}, noAlpha, mask)}}));
    EXPECT_EQ(Pixel(masked, 0, 0), 0xFF030201u);
    EXPECT_EQ(Pixel(masked, 1, 0), 0x00060504u);
    // Without mask rows every pixel is shown.
    const TIconImage unmasked = DecodeIcon(IconFile({{2, 1, 32, StoredBitmap(2, 1, 32, {}, noAlpha, {})}}));
    EXPECT_EQ(Pixel(unmasked, 1, 0), 0xFF060504u);
}

TEST(IconCodec, TheLargestDeepestPictureIsReadAndPngIsHandedBack) {
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2, 3};
    const std::vector<std::uint8_t> file =
        IconFile({{2, 2, 4, FourBitPicture()}, {0, 0, 32, png}, {16, 16, 32, FourBitPicture()}});
    const TIconImage largest = DecodeIcon(file);  // 0 x 0 in the directory is 256 x 256
    ASSERT_EQ(largest.Png.size(), png.size());
    EXPECT_TRUE(std::equal(png.begin(), png.end(), largest.Png.begin()));
    EXPECT_TRUE(largest.Pixels.empty());
    // Of two of the same size, the deeper.
    const std::vector<std::uint8_t> deep = StoredBitmap(2, 2, 32, {}, std::vector<std::uint8_t>(16, 0x44), {});
    const TIconImage deeper = DecodeIcon(IconFile({{2, 2, 4, FourBitPicture()}, {2, 2, 32, deep}}));
    EXPECT_EQ(Pixel(deeper, 0, 0), 0x44444444u);
}

TEST(IconCodec, BrokenFilesAreRefusedWithWhatIsWrong) {
    std::vector<std::uint8_t> outside = IconFile({{2, 2, 4, FourBitPicture()}});
    outside.resize(outside.size() - 1);
    std::vector<std::uint8_t> oddHeight = FourBitPicture();
    oddHeight[8] = 3;
    std::vector<std::uint8_t> hugePalette = FourBitPicture();
    hugePalette[32] = 0;
    hugePalette[33] = 2;  // 512 colours
    std::vector<std::uint8_t> shortHeader = FourBitPicture();
    shortHeader[0] = 12;
    std::vector<std::uint8_t> truncatedRows = FourBitPicture();
    truncatedRows.resize(40 + 64 + 2);
    struct TCase {
        const char* Name;
        std::vector<std::uint8_t> File;
        const char* Fragment;
    };
    const TCase cases[] = {
        {"empty", {}, "not an icon file"},
        {"a cursor file", {0, 0, 2, 0, 1, 0}, "not an icon file"},
        {"no pictures", {0, 0, 1, 0, 0, 0}, "holds no pictures"},
        {"truncated directory", {0, 0, 1, 0, 2, 0, 1, 2, 3}, "truncated"},
        {"picture past the end", outside, "lies outside the file"},
        {"odd doubled height", IconFile({{2, 2, 4, oddHeight}}), "not a positive even number"},
        {"huge palette", IconFile({{2, 2, 4, hugePalette}}), "palette entries"},
        {"core header", IconFile({{2, 2, 4, shortHeader}}), "header size"},
        {"colour rows cut short", IconFile({{2, 2, 4, truncatedRows}}), "truncated"},
    };
    for (const TCase& c : cases) {
        try {
            DecodeIcon(c.File);
            ADD_FAILURE() << c.Name << ": accepted";
        } catch (const EBmpError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Fragment), std::string::npos) << c.Name << ": " << e.what();
        }
    }
}
