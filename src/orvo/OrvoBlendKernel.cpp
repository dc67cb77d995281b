#include "orvo/OrvoBlendKernel.h"

#include <algorithm>

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>
#define ORVO_BLEND_X86 1
#endif

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

}  // namespace
#endif

bool TBlendRowKernel::Supports(TPath path) {
#ifdef ORVO_BLEND_X86
    return true;  // every x86-64 processor has SSE2
#else
    return path == TPath::Scalar;
#endif
}

void TBlendRowKernel::Apply(std::uint8_t* pixels, int count) const {
    ApplyOn(Supports(TPath::Vector) ? TPath::Vector : TPath::Scalar, pixels, count);
}

void TBlendRowKernel::ApplyOn(TPath path, std::uint8_t* pixels, int count) const {
    if (count <= 0) return;
    if (!Supports(path)) path = TPath::Scalar;
    int vectored = 0;
#ifdef ORVO_BLEND_X86
    // The vector path covers whole groups of four pixels; the scalar path the rest.
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
