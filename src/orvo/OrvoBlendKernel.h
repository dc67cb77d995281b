#pragma once
// The per-pixel arithmetic of the transparency blend (BlendColor), on rows of
// 32-bit pixels (bytes blue, green, red, reserved). Each colour channel
// becomes C - trunc(T * (C - P) / 100), with C the colour laid over, P the
// pixel's value and T the percentage (0 to 100), truncating toward zero; the
// reserved byte becomes 0. The integer division is done as a multiply and
// shift, exact over the whole input range, and rows are worked eight pixels
// at a time with AVX2 where the processor has it, else four with SSE2.

#include <cstdint>

namespace Orvo {

// trunc(value / 100) for 0 <= value <= 25500 (100 times a byte): exact on
// that range, which the tests check value by value.
constexpr unsigned DivideBy100(unsigned value) { return (value * 5243u) >> 19; }

class TBlendRowKernel {
public:
    // `red`, `green`, `blue`: the colour laid over; `percent` is capped at 100.
    TBlendRowKernel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, int percent);

    // Blends `count` pixels starting at `pixels` in place, on the fastest
    // path the processor has.
    void Apply(std::uint8_t* pixels, int count) const;

    // The paths, each giving the same bytes; tests run every one the
    // processor supports.
    enum class TPath { Scalar, Vector, Wide };
    static bool Supports(TPath path);
    void ApplyOn(TPath path, std::uint8_t* pixels, int count) const;

    // One channel, the reference the vector paths agree with.
    static std::uint8_t BlendChannel(int colour, int pixel, int percent);

private:
    void ApplyScalar(std::uint8_t* pixels, int count) const;

    std::uint8_t FColour[4];  // blue, green, red, 0: in the pixel's byte order
    int FPercent;
};

}  // namespace Orvo
