// Feeds arbitrary bytes to the BMP decoder (and the icon decoder, which
// reads the pictures of an icon file through it). A refused file must be refused
// with EBmpError and nothing else; an accepted one must describe a picture
// within the decoder's limits whose pixel buffer matches its size, and
// writing it out (24 and 32 bits) and decoding it again must give the same
// pixels, and the file kept as loaded must come back byte for byte.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "host/services/BmpCodec.h"
#include "host/services/IconCodec.h"

using namespace Orvo;

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail) {
    std::fprintf(stderr, "BMP decoder: %s\n%s\n", what, detail.c_str());
    std::abort();
}

void CheckRewrite(const TBmpImage& image, int bitsPerPixel) {
    const auto file = EncodeBmp(image.Width, image.Height, image.Pixels.data(), image.Width * 4, bitsPerPixel);
    TBmpImage again;
    try {
        again = DecodeBmp(file);
    } catch (const EBmpError& e) {
        Broken("a picture the encoder wrote cannot be decoded", e.what());
    }
    if (again.Width != image.Width || again.Height != image.Height || again.BitsPerPixel != bitsPerPixel)
        Broken("the rewritten picture changed its size or depth",
               std::to_string(again.Width) + " x " + std::to_string(again.Height) + " at " +
                   std::to_string(again.BitsPerPixel) + " bits");
    if (again.Pixels != image.Pixels) Broken("the rewritten picture changed its pixels", std::to_string(bitsPerPixel) + " bits");
}

}  // namespace

// An accepted icon is a PNG picture inside the input or pixels of its size.
void CheckIcon(std::span<const std::uint8_t> bytes) {
    TIconImage icon;
    try {
        icon = DecodeIcon(bytes);
    } catch (const EBmpError&) {
        return;
    }
    if (!icon.Png.empty()) {
        if (icon.Png.data() < bytes.data() || icon.Png.data() + icon.Png.size() > bytes.data() + bytes.size())
            Broken("an icon's PNG picture lies outside the input", std::to_string(icon.Png.size()) + " bytes");
        return;
    }
    if (icon.Width <= 0 || icon.Height <= 0 || icon.Pixels.size() != std::size_t(icon.Width) * std::size_t(icon.Height) * 4)
        Broken("an accepted icon's pixels do not match its size",
               std::to_string(icon.Width) + " x " + std::to_string(icon.Height) + ", " + std::to_string(icon.Pixels.size()) + " bytes");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckIcon(std::span<const std::uint8_t>(data, size));
    TBmpImage image;
    try {
        image = DecodeBmp(std::span<const std::uint8_t>(data, size));
    } catch (const EBmpError&) {
        return 0;  // refusing is fine; any other exception escapes and is reported
    }
    if (image.Width <= 0 || image.Height <= 0 || image.Width > kBmpMaxSide || image.Height > kBmpMaxSide)
        Broken("an accepted picture has an impossible size", std::to_string(image.Width) + " x " + std::to_string(image.Height));
    if (image.Pixels.size() != std::size_t(image.Width) * std::size_t(image.Height) * 4)
        Broken("the pixel buffer does not match the size", std::to_string(image.Pixels.size()) + " bytes");
    for (std::size_t i = 3; i < image.Pixels.size(); i += 4)
        if (image.Pixels[i] != 0) Broken("a pixel's fourth byte is not 0", std::to_string(i));
    CheckRewrite(image, 24);
    CheckRewrite(image, 32);
    // Kept as loaded, the file comes back byte for byte, whether its rows
    // are kept or made again from the picture.
    const std::span<const std::uint8_t> file(data, size);
    const TBmpOriginal original(file, image);
    const std::vector<std::uint8_t> back = original.File(image.Pixels.data(), image.Width * 4);
    if (back.size() != size || !std::equal(back.begin(), back.end(), data))
        Broken("a loaded file does not come back byte for byte", original.RowsFromPicture() ? "rows from the picture" : "kept whole");
    return 0;
}
