#pragma once
#include <cstdint>

namespace corvanth {

// 0x00BBGGRR: red in the low byte, the top byte always 0.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}
constexpr int Red(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int Green(TColor c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int Blue(TColor c) {
    return static_cast<int>(c >> 16 & 0xFF);
}

// Alpha values live in the alpha plane as greys; readers take the red byte.
constexpr TColor Grey(int a) {
    return RGB(a, a, a);
}

}  // namespace corvanth
