#include "orvo/OrvoBlendKernel.h"

#include <algorithm>

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>
#define ORVO_BLEND_X86 1
#endif

namespace Orvo {

TBlendRowKernel::TBlendRowKernel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, int percent)
    : FColour{blue, green, red, 0}, FPercent(std::clamp(percent, 0, 100)) {}

std::uint8_t TBlendRowKernel::BlendChannel(int colour, int pixel, int percent) {
    // The amount taken from the colour is truncated toward zero, so odd
    // differences round toward the colour being laid over.
    const int difference = colour - pixel;
    const int amount = difference >= 0 ? int(DivideBy100(unsigned(percent * difference)))
                                       : -int(DivideBy100(unsigned(percent * -difference)));
    return std::uint8_t(colour - amount);
}

void TBlendRowKernel::ApplyScalar(std::uint8_t* pixels, int count) const {
    for (int i = 0; i < count; ++i, pixels += 4) {
        pixels[0] = BlendChannel(FColour[0], pixels[0], FPercent);
        pixels[1] = BlendChannel(FColour[1], pixels[1], FPercent);
        pixels[2] = BlendChannel(FColour[2], pixels[2], FPercent);
        pixels[3] = 0;
    }
}

#ifdef ORVO_BLEND_X86
namespace {

// Per byte: |C - P| times the percentage, divided by 100 with the multiply
// and shift of DivideBy100 in 16-bit lanes (mulhi gives the product's top
// 16 bits, three more bits of shift make 19), then added to or taken from C
// depending on which of C and P is larger. The reserved bytes are cleared.
struct TBlendLanes {
    __m128i Colour, Percent, Magic, Zero, KeepColour;
    TBlendLanes(const std::uint8_t colour[4], int percent) {
        std::uint32_t c;
        __builtin_memcpy(&c, colour, 4);
        Colour = _mm_set1_epi32(int(c));
        Percent = _mm_set1_epi16(short(percent));
        Magic = _mm_set1_epi16(short(5243));
        Zero = _mm_setzero_si128();
        KeepColour = _mm_set1_epi32(0x00FFFFFF);
    }
    __m128i Blend(__m128i p) const {
        const __m128i below = _mm_subs_epu8(Colour, p);  // C - P where C > P
        const __m128i above = _mm_subs_epu8(p, Colour);  // P - C where P > C
        const __m128i distance = _mm_or_si128(below, above);
        __m128i lo = _mm_mullo_epi16(_mm_unpacklo_epi8(distance, Zero), Percent);
        __m128i hi = _mm_mullo_epi16(_mm_unpackhi_epi8(distance, Zero), Percent);
        lo = _mm_srli_epi16(_mm_mulhi_epu16(lo, Magic), 3);
        hi = _mm_srli_epi16(_mm_mulhi_epu16(hi, Magic), 3);
        const __m128i amount = _mm_packus_epi16(lo, hi);
        const __m128i towardLower = _mm_cmpeq_epi8(above, Zero);  // P <= C: the result is C - amount
        const __m128i result = _mm_or_si128(_mm_and_si128(towardLower, _mm_sub_epi8(Colour, amount)),
                                            _mm_andnot_si128(towardLower, _mm_add_epi8(Colour, amount)));
        return _mm_and_si128(result, KeepColour);
    }
};

// The same eight pixels at a time in AVX2's 256-bit registers. Unpacking
// and packing both work within each 128-bit half, so the bytes come back in
// their places. Besides doing twice the work an instruction, the VEX-encoded
// instructions do not slow down when a library routine (the C library's
// string functions on AVX-512 machines) has left the upper halves of the
// vector registers in use, which SSE2 code does on some processors.
__attribute__((target("avx2"))) int BlendWide(const std::uint8_t colourBytes[4], int percent, std::uint8_t* pixels,
                                              int count) {
    std::uint32_t c;
    __builtin_memcpy(&c, colourBytes, 4);
    const __m256i colour = _mm256_set1_epi32(int(c));
    const __m256i percentLanes = _mm256_set1_epi16(short(percent));
    const __m256i magic = _mm256_set1_epi16(short(5243));
    const __m256i zero = _mm256_setzero_si256();
    const __m256i keepColour = _mm256_set1_epi32(0x00FFFFFF);
    const int wide = count & ~7;
    for (int i = 0; i < wide; i += 8) {
        auto* at = reinterpret_cast<__m256i*>(pixels + 4 * i);
        const __m256i p = _mm256_loadu_si256(at);
        const __m256i below = _mm256_subs_epu8(colour, p);
        const __m256i above = _mm256_subs_epu8(p, colour);
        const __m256i distance = _mm256_or_si256(below, above);
        __m256i lo = _mm256_mullo_epi16(_mm256_unpacklo_epi8(distance, zero), percentLanes);
        __m256i hi = _mm256_mullo_epi16(_mm256_unpackhi_epi8(distance, zero), percentLanes);
        lo = _mm256_srli_epi16(_mm256_mulhi_epu16(lo, magic), 3);
        hi = _mm256_srli_epi16(_mm256_mulhi_epu16(hi, magic), 3);
        const __m256i amount = _mm256_packus_epi16(lo, hi);
        const __m256i towardLower = _mm256_cmpeq_epi8(above, zero);
        const __m256i result = _mm256_blendv_epi8(_mm256_add_epi8(colour, amount), _mm256_sub_epi8(colour, amount), towardLower);
        _mm256_storeu_si256(at, _mm256_and_si256(result, keepColour));
    }
    if (count - wide < 4) return wide;
    // Four more in one 128-bit half, also VEX-encoded (a 60-pixel row ends so).
    auto* at = reinterpret_cast<__m128i*>(pixels + 4 * wide);
    const __m128i p = _mm_loadu_si128(at);
    const __m128i colourHalf = _mm256_castsi256_si128(colour), zeroHalf = _mm_setzero_si128();
    const __m128i below = _mm_subs_epu8(colourHalf, p);
    const __m128i above = _mm_subs_epu8(p, colourHalf);
    const __m128i distance = _mm_or_si128(below, above);
    __m128i lo = _mm_mullo_epi16(_mm_unpacklo_epi8(distance, zeroHalf), _mm256_castsi256_si128(percentLanes));
    __m128i hi = _mm_mullo_epi16(_mm_unpackhi_epi8(distance, zeroHalf), _mm256_castsi256_si128(percentLanes));
    lo = _mm_srli_epi16(_mm_mulhi_epu16(lo, _mm256_castsi256_si128(magic)), 3);
    hi = _mm_srli_epi16(_mm_mulhi_epu16(hi, _mm256_castsi256_si128(magic)), 3);
    const __m128i amount = _mm_packus_epi16(lo, hi);
    const __m128i result = _mm_blendv_epi8(_mm_add_epi8(colourHalf, amount), _mm_sub_epi8(colourHalf, amount),
                                           _mm_cmpeq_epi8(above, zeroHalf));
    _mm_storeu_si128(at, _mm_and_si128(result, _mm256_castsi256_si128(keepColour)));
    return wide + 4;
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

}  // namespace
#endif

bool TBlendRowKernel::Supports(TPath path) {
#ifdef ORVO_BLEND_X86
    return path != TPath::Wide || HasAvx2();  // every x86-64 processor has SSE2
#else
    return path == TPath::Scalar;
#endif
}

void TBlendRowKernel::Apply(std::uint8_t* pixels, int count) const {
    ApplyOn(Supports(TPath::Wide) ? TPath::Wide : Supports(TPath::Vector) ? TPath::Vector : TPath::Scalar, pixels, count);
}

void TBlendRowKernel::ApplyOn(TPath path, std::uint8_t* pixels, int count) const {
    if (count <= 0) return;
    if (!Supports(path)) path = TPath::Scalar;
    int vectored = 0;
#ifdef ORVO_BLEND_X86
    // The vector paths cover whole groups of eight or four pixels; the
    // scalar path the rest.
    if (path == TPath::Wide) vectored = BlendWide(FColour, FPercent, pixels, count);
    if (path == TPath::Vector) {
        vectored = count & ~3;
        const TBlendLanes lanes(FColour, FPercent);
        for (int i = 0; i < vectored; i += 4) {
            auto* at = reinterpret_cast<__m128i*>(pixels + 4 * i);
            _mm_storeu_si128(at, lanes.Blend(_mm_loadu_si128(at)));
        }
    }
#endif
    ApplyScalar(pixels + 4 * vectored, count - vectored);
}

}  // namespace Orvo
