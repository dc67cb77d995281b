#pragma once
// Builds BMP files byte by byte for the codec and bitmap tests, so each test
// can make exactly the file (or the broken file) it needs.

#include <cstdint>
#include <vector>

struct TBmpSpec {
    int Width = 2;
    int Height = 2;  // negative: top-down
    int Bits = 24;
    std::uint32_t Compression = 0;
    std::vector<std::uint32_t> Palette;  // $00RRGGBB entries
    std::uint32_t ColorsUsed = 0;
    std::vector<std::uint32_t> Masks;    // BI_BITFIELDS masks after a 40-byte header
    std::vector<std::uint8_t> Rows;      // pixel data as stored (rows padded)
};

inline void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
inline void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

inline std::vector<std::uint8_t> BuildBmp(const TBmpSpec& s) {
    std::vector<std::uint8_t> b;
    const std::uint32_t offBits = 14 + 40 + 4 * std::uint32_t(s.Masks.size() + s.Palette.size());
    b.push_back('B');
    b.push_back('M');
    Put32(b, offBits + std::uint32_t(s.Rows.size()));
    Put32(b, 0);
    Put32(b, offBits);
    Put32(b, 40);
    Put32(b, std::uint32_t(s.Width));
    Put32(b, std::uint32_t(s.Height));
    Put16(b, 1);
    Put16(b, std::uint32_t(s.Bits));
    Put32(b, s.Compression);
    Put32(b, std::uint32_t(s.Rows.size()));
    Put32(b, 3780);
    Put32(b, 3780);
    Put32(b, s.ColorsUsed);
    Put32(b, 0);
    for (std::uint32_t m : s.Masks) Put32(b, m);
    for (std::uint32_t c : s.Palette) Put32(b, c);
    b.insert(b.end(), s.Rows.begin(), s.Rows.end());
    return b;
}

// A 16 x 16 4-bit picture with the 16-colour palette: magenta background, a
// red diagonal, a yellow top-right pixel (like the check glyphs).
inline std::vector<std::uint8_t> GlyphLikeBmp() {
    TBmpSpec s;
    s.Width = 16;
    s.Height = 16;
    s.Bits = 4;
    s.Palette = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    // Palette indices: 13 magenta, 9 red, 11 yellow. Rows are stored bottom-up.
    for (int fileRow = 0; fileRow < 16; ++fileRow) {
        const int y = 15 - fileRow;
        for (int x = 0; x < 16; x += 2) {
            auto index = [&](int px) -> std::uint8_t {
                if (px == 15 && y == 0) return 11;
                return px == y ? 9 : 13;
            };
            s.Rows.push_back(std::uint8_t((index(x) << 4) | index(x + 1)));
        }
    }
    return BuildBmp(s);
}
