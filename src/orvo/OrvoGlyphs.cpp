#include "orvo/OrvoGlyphs.h"

#include <array>
#include <cstddef>

#include "host/services/Resources.h"

namespace Orvo {

namespace {

// The pixel maps. They are constant data (initialised at compile time), so
// registering them during static initialisation depends on no other static
// object except the resource table, which lives in a function-local static.

constexpr std::string_view kCbCheck[] = {
    "...............R",
    ".............RRR",
    "............RRR.",
    "...........RRR..",
    "..........RRR...",
    ".........RRRR...",
    "...RR....RRR....",
    "...RRRR.RRRR....",
    "....RRRRRRR.....",
    ".....RRRRRR.....",
    "......RRRR......",
    "......RRRR......",
    ".......RR.......",
    "................",
    "................",
    "................",
};

constexpr std::string_view kCbCross[] = {
    "................",
    "..RRR........RR.",
    "..RRRR......RR..",
    "..RRRRR....RRR..",
    "...RRRRR..RRR...",
    "....RRRRRRRR....",
    ".....RRRRRR.....",
    "......RRRRR.....",
    ".....RRRRRR.....",
    "....RRRRRRRR....",
    "...RRRRR..RRR...",
    "..RRRRR....RRR..",
    ".RRRRR......RRR.",
    ".RRRR........RRR",
    ".RRR..........RR",
    "................",
};

constexpr std::string_view kCbCircle[] = {
    "................",
    "................",
    "................",
    "................",
    "......RRRR......",
    ".....RRRRRR.....",
    "....RRRRRRRR....",
    "....RRRRRRRR....",
    "....RRRRRRRR....",
    "....RRRRRRRR....",
    ".....RRRRRR.....",
    "......RRRR......",
    "................",
    "................",
    "................",
    "................",
};

constexpr std::string_view kCb3DCheck[] = {
    "...............R",
    ".............yRm",
    "............yRm.",
    "...........yRm..",
    "..........yRm...",
    ".........yRRm...",
    "...ym....RRm....",
    "...RRRm.yRRm....",
    "....RRRRRRm.....",
    ".....RRRRRm.....",
    "......RRRm......",
    "......RRRm......",
    ".......Rm.......",
    "................",
    "................",
    "................",
};

constexpr std::string_view kCb3DCross[] = {
    "................",
    "..yym........yR.",
    "..RRRm......ym..",
    "..RRRRm....yRm..",
    "...RRRRm..yRm...",
    "....RRRRmyRm....",
    ".....RRRRRm.....",
    "......RRRRm.....",
    ".....yRRRRm.....",
    "....yRRRmmRm....",
    "...yRRRm..RRm...",
    "..yRRRm....RRm..",
    ".yRRRm......RRm.",
    ".RRRm........RRm",
    ".RRm..........RR",
    "................",
};

constexpr std::string_view kCb3DCircle[] = {
    "................",
    "................",
    "................",
    "................",
    "......RRRR......",
    ".....RRRyRR.....",
    "....RRyyRRRm....",
    "....RRyRRRRm....",
    "....RyyRRRRm....",
    "....RRRRRRmm....",
    ".....RRRRmm.....",
    "......mmmm......",
    "................",
    "................",
    "................",
    "................",
};

constexpr std::string_view kCbGlossyCheck[] = {
    ".............mmm",
    "............mRRm",
    "...........mwRym",
    "..........mwRym.",
    ".........mwRymm.",
    "...mm...mwmRym..",
    "..mwRmm.mmRymm..",
    "..mRwRmmmRRym...",
    "...mmRRmRRymm...",
    "....mmRRRymm....",
    ".....mRRyym.....",
    ".....mmyymm.....",
    "......mmmm......",
    ".......mm.......",
    "................",
    "................",
};

constexpr std::string_view kCbGlossyCross[] = {
    ".mmm.........mm.",
    ".mRwmm......mwmm",
    ".mwRmmm....mwRRm",
    "..mRRRmm..mwmRy.",
    "..mmmRRmmmmmRym.",
    "...mmmRRmmmRym..",
    "....mmmRRmRym...",
    ".....mmRRRRm....",
    "....mmmmRRRm....",
    "...mwmmRRRRRm...",
    "..mwRmRymmRRmm..",
    ".mwRmRym..mmRmm.",
    ".mmmRym....mmRRm",
    "mmmRym......mRyR",
    "mRyRm........mRm",
    ".mm...........mm",
};

constexpr std::string_view kCbGlossyCircle[] = {
    "................",
    "................",
    "................",
    "......mmmm......",
    "....mmmmmmmm....",
    "....mRwmmmmR....",
    "...mmwRmmmRRm...",
    "...mmmmmmmRRm...",
    "...mmmmmmRyRm...",
    "...mmmmmRyyRm...",
    "....mmRRyyRm....",
    "....mRRRRRmm....",
    "......mmmm......",
    "................",
    "................",
    "................",
};

constexpr std::string_view kRbCircle[] = {
    "..RRR..",
    ".RRRRR.",
    "RRRRRRR",
    "RRRRRRR",
    "RRRRRRR",
    ".RRRRR.",
    "..RRR..",
};

constexpr std::string_view kRb3DCircle[] = {
    "..RRR..",
    ".RyyyR.",
    "RyyRRRR",
    "RyRRRRm",
    "RyRRRRm",
    ".RRRRm.",
    "..Rmm..",
};

constexpr std::string_view kRbGlossyCircle[] = {
    "...mmm...",
    ".mmmmmmm.",
    ".mRwmmmR.",
    "mmwRmmRRm",
    "mmmmmRyRm",
    "mmmmRyyRm",
    ".mmRyyRm.",
    ".mRRRRmm.",
    "...mmm...",
};

constexpr TGlyphPicture kGlyphs[] = {
    {"CB_CHECK", kCbCheck},
    {"CB_CROSS", kCbCross},
    {"CB_CIRCLE", kCbCircle},
    {"CB_3D_CHECK", kCb3DCheck},
    {"CB_3D_CROSS", kCb3DCross},
    {"CB_3D_CIRCLE", kCb3DCircle},
    {"CB_GLOSSY_CHECK", kCbGlossyCheck},
    {"CB_GLOSSY_CROSS", kCbGlossyCross},
    {"CB_GLOSSY_CIRCLE", kCbGlossyCircle},
    {"RB_CIRCLE", kRbCircle},
    {"RB_3D_CIRCLE", kRb3DCircle},
    {"RB_GLOSSY_CIRCLE", kRbGlossyCircle},
};

// Indices into the standard 16-colour palette below.
constexpr std::uint8_t kMaroonIndex = 1;
constexpr std::uint8_t kRedIndex = 9;
constexpr std::uint8_t kYellowIndex = 11;
constexpr std::uint8_t kFuchsiaIndex = 13;
constexpr std::uint8_t kWhiteIndex = 15;
constexpr std::uint8_t kNoIndex = 0xFF;

constexpr std::uint8_t PaletteIndexOf(char letter) {
    switch (letter) {
        case '.': return kFuchsiaIndex;
        case 'R': return kRedIndex;
        case 'm': return kMaroonIndex;
        case 'y': return kYellowIndex;
        case 'w': return kWhiteIndex;
        default: return kNoIndex;
    }
}

// A typo in a pixel map (a short row, an unknown letter, a coloured
// bottom-left pixel that would break the transparent key) stops the build.
constexpr bool WellFormed(const TGlyphPicture& g) {
    if (g.Height() == 0 || g.Width() == 0) return false;
    for (std::string_view row : g.Rows) {
        if (int(row.size()) != g.Width()) return false;
        for (char c : row)
            if (PaletteIndexOf(c) == kNoIndex) return false;
    }
    return g.Rows.back().front() == '.';
}

constexpr bool AllWellFormed() {
    for (const TGlyphPicture& g : kGlyphs)
        if (!WellFormed(g)) return false;
    return true;
}
static_assert(AllWellFormed(), "a glyph pixel map is malformed");

struct TRgbQuad {
    std::uint8_t Blue, Green, Red;
};

// The standard 16-colour palette, in its usual order.
constexpr std::array<TRgbQuad, 16> kPalette = {{
    {0, 0, 0},        // black
    {0, 0, 128},      // maroon
    {0, 128, 0},      // green
    {0, 128, 128},    // olive
    {128, 0, 0},      // navy
    {128, 0, 128},    // purple
    {128, 128, 0},    // teal
    {192, 192, 192},  // silver
    {128, 128, 128},  // gray
    {0, 0, 255},      // red
    {0, 255, 0},      // lime
    {0, 255, 255},    // yellow
    {255, 0, 0},      // blue
    {255, 0, 255},    // fuchsia
    {255, 255, 0},    // aqua
    {255, 255, 255},  // white
}};

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t((v >> shift) & 0xFF));
}

// Registers every glyph before main runs.
struct TGlyphRegistrar {
    TGlyphRegistrar() {
        for (const TGlyphPicture& g : kGlyphs) {
            const std::vector<std::uint8_t> bytes = EncodeGlyphBitmap(g);
            RegisterResource(TResourceType::Bitmap, g.Name, bytes);
        }
    }
};
const TGlyphRegistrar kRegistrar;

}  // namespace

std::span<const TGlyphPicture> GlyphPictures() { return kGlyphs; }

const TGlyphPicture* FindGlyphPicture(std::string_view name) {
    for (const TGlyphPicture& g : kGlyphs)
        if (g.Name == name) return &g;
    return nullptr;
}

std::vector<std::uint8_t> EncodeGlyphBitmap(const TGlyphPicture& picture) {
    const std::uint32_t width = std::uint32_t(picture.Width());
    const std::uint32_t height = std::uint32_t(picture.Height());
    const std::uint32_t stride = ((width * 4 + 31) / 32) * 4;  // 4 bits a pixel, rows padded to 4 bytes
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    const std::uint32_t imageSize = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);

    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    PutU32(out, pixelOffset + imageSize);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, pixelOffset);

    // BITMAPINFOHEADER; a positive height means bottom-up rows.
    PutU32(out, kInfoHeaderSize);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);   // planes
    PutU16(out, 4);   // bits per pixel
    PutU32(out, 0);   // BI_RGB: uncompressed
    PutU32(out, imageSize);
    PutU32(out, 0);   // horizontal resolution: unspecified
    PutU32(out, 0);   // vertical resolution: unspecified
    PutU32(out, 16);  // colours used
    PutU32(out, 0);   // colours important: all

    for (const TRgbQuad& q : kPalette) {
        out.push_back(q.Blue);
        out.push_back(q.Green);
        out.push_back(q.Red);
        out.push_back(0);
    }

    // Two pixels a byte, the left one in the high nibble.
    for (std::uint32_t y = height; y-- > 0;) {
        const std::string_view row = picture.Rows[y];
        std::vector<std::uint8_t> packed(stride, 0);
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t index = PaletteIndexOf(row[x]);
            packed[x / 2] |= (x % 2 == 0) ? std::uint8_t(index << 4) : index;
        }
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
}

}  // namespace Orvo
