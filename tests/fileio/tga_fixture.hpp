#pragma once
#include <cstdint>
#include <vector>

#include "platform/tcolor.hpp"

namespace corvanth::testing {

// Every pixel differs, red follows x and green follows y, so flips, shifts and red/blue swaps all show.
inline TColor SampleColor(int x, int y) {
    return RGB(4 * x + 1, 4 * y + 2, 200 - x - y);
}
inline std::uint8_t SampleAlpha(int x, int y) {
    return static_cast<std::uint8_t>(x * 3 + y * 5 + 7);
}

struct TgaHeaderFields {
    std::uint8_t idLength = 0, colorMapType = 0, imageType = 2;
    std::uint16_t colorMapLength = 0;
    std::uint8_t colorMapEntryBits = 0;
    std::uint16_t width = 64, height = 64;
    std::uint8_t depth = 32, descriptor = 0;
};

inline std::vector<std::uint8_t> TgaHeader(const TgaHeaderFields& f) {
    return {f.idLength,
            f.colorMapType,
            f.imageType,
            0,
            0,
            static_cast<std::uint8_t>(f.colorMapLength & 0xFF),
            static_cast<std::uint8_t>(f.colorMapLength >> 8),
            f.colorMapEntryBits,
            0,
            0,
            0,
            0,
            static_cast<std::uint8_t>(f.width & 0xFF),
            static_cast<std::uint8_t>(f.width >> 8),
            static_cast<std::uint8_t>(f.height & 0xFF),
            static_cast<std::uint8_t>(f.height >> 8),
            f.depth,
            f.descriptor};
}

// The sample image's pixels in the stored order the descriptor asks for, uncompressed.
inline std::vector<std::uint8_t> SamplePixels(int depth, std::uint8_t descriptor) {
    std::vector<std::uint8_t> out;
    for (int j = 0; j < 64; ++j) {
        const int y = (descriptor & 0x20) ? j : 63 - j;
        for (int i = 0; i < 64; ++i) {
            const int x = (descriptor & 0x10) ? 63 - i : i;
            const TColor c = SampleColor(x, y);
            out.insert(out.end(), {static_cast<std::uint8_t>(Blue(c)), static_cast<std::uint8_t>(Green(c)),
                                   static_cast<std::uint8_t>(Red(c))});
            if (depth == 32) out.push_back(SampleAlpha(x, y));
        }
    }
    return out;
}

inline std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace corvanth::testing
