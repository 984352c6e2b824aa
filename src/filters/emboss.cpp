#include "filters/emboss.hpp"

#include "filters/channel_lanes.hpp"

namespace corvanth {

Bitmap ConvolvePlane(const Bitmap& plane, const Kernel& k) {
    const PaddedLanes in(plane);
    const int s = in.stride;
    // Nine products of a byte and a byte stay below 2^20, inside one lane.
    const int offsets[9] = {-s - 1, -s, -s + 1, -1, 0, 1, s - 1, s, s + 1};
    Bitmap out(plane.width(), plane.height());
    for (int y = 0; y < plane.height(); ++y) {
        for (int x = 0; x < plane.width(); ++x) {
            const Lanes* p = in.at(x, y);
            Lanes sum = 0;
            for (int i = 0; i < 9; ++i) sum += Lanes{k[i]} * p[offsets[i]];
            out.at(x, y) = RGB(Lane(sum, 0), Lane(sum, 1), Lane(sum, 2));  // RGB keeps the low byte
        }
    }
    return out;
}

}  // namespace corvanth
