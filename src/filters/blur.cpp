#include "filters/blur.hpp"

#include <cstdint>

#include "filters/channel_lanes.hpp"

namespace corvanth {

namespace {

// n / d for n < 2^19 and d < 2^11 as a multiply and a shift: with m = ceil(2^32 / d) the error stays
// below 1 / d, so the quotient rounds down exactly as the division does.
struct Divider {
    explicit Divider(int d) : m((std::uint64_t{1} << 32) / d + 1) {}
    int operator()(int n) const { return static_cast<int>(n * m >> 32); }
    std::uint64_t m;
};

}  // namespace

Bitmap BlurPlane(const Bitmap& plane, const BlurWeights& w) {
    const int width = plane.width(), height = plane.height();
    const PaddedLanes in(plane);
    // Indexed by how many of the pixel's coordinates lie on the plane's border: inside, edge, corner.
    const Divider divide[3] = {Divider(w.sumInside), Divider(w.sumEdge), Divider(w.sumCorner)};
    const Lanes C = w.C, S = w.S, D = w.D;
    const int s = in.stride;
    Bitmap out(width, height);
    for (int y = 0; y < height; ++y) {
        const int rowBorder = y == 0 || y == height - 1;
        for (int x = 0; x < width; ++x) {
            const Lanes* p = in.at(x, y);
            const Lanes sum = C * p[0] + S * (p[-1] + p[1] + p[-s] + p[s]) +
                              D * (p[-s - 1] + p[-s + 1] + p[s - 1] + p[s + 1]);
            const Divider& div = divide[rowBorder + (x == 0 || x == width - 1)];
            out.at(x, y) = RGB(div(Lane(sum, 0)), div(Lane(sum, 1)), div(Lane(sum, 2)));
        }
    }
    return out;
}

}  // namespace corvanth
