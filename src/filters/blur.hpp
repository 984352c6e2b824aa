#pragma once
#include <array>
#include <string_view>

#include "platform/bitmap.hpp"

namespace corvanth {

// One row per strength: the centre weight C, each side neighbour's S, each diagonal's D, and the sums of
// the weights that fall inside the plane for a pixel inside it, on an edge and at a corner.
struct BlurWeights {
    std::string_view caption;
    int strength;
    int C, S, D;
    int sumInside, sumEdge, sumCorner;
};

// clang-format off
inline constexpr std::array<BlurWeights, 4> kBlurWeights{{
    // caption        strength     C    S    D   inside  edge  corner
    {"Blur &10%",        10,    1000, 100,  10,   1440, 1320,  1210},
    {"Blur &25%",        25,     750, 100,  75,   1450, 1200,  1025},
    {"Blur &50%",        50,     500, 100,  50,   1100,  900,   750},
    {"Blur 1&00%",      100,     101, 100,  99,    897,  599,   400},
}};
// clang-format on

static_assert(kBlurWeights[3].C == 101 && kBlurWeights[3].D == 99);
static_assert([] {
    for (const BlurWeights& w : kBlurWeights)
        if (w.sumInside != w.C + 4 * w.S + 4 * w.D || w.sumEdge != w.C + 3 * w.S + 2 * w.D ||
            w.sumCorner != w.C + 2 * w.S + w.D)
            return false;
    return true;
}());

// Each channel of every pixel becomes the weighted mean of its 3 by 3 neighbourhood inside the plane,
// rounded down. The plane may be any size of at least 2 by 2.
Bitmap BlurPlane(const Bitmap& plane, const BlurWeights& weights);

}  // namespace corvanth
