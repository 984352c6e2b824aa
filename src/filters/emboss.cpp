#include "filters/emboss.hpp"

#include "filters/channel_lanes.hpp"

namespace corvanth {

Bitmap ConvolvePlane(const Bitmap& plane, const Kernel& k) {
    const PaddedLanes in(plane);
    const int s = in.stride;
    // Only the kernel's non-zero entries are visited. Nine products of a byte and a byte stay below
    // 2^20, inside one lane.
    struct Tap {
        int offset;
        Lanes weight;
    };
    Tap taps[9];
    int count = 0;
    for (int i = 0; i < 9; ++i)
        if (k[i]) taps[count++] = {(i / 3 - 1) * s + i % 3 - 1, k[i]};
    Bitmap out(plane.width(), plane.height());
    for (int y = 0; y < plane.height(); ++y) {
        for (int x = 0; x < plane.width(); ++x) {
            const Lanes* p = in.at(x, y);
            Lanes sum = 0;
            for (int i = 0; i < count; ++i) sum += taps[i].weight * p[taps[i].offset];
            out.at(x, y) = RGB(Lane(sum, 0), Lane(sum, 1), Lane(sum, 2));  // RGB keeps the low byte
        }
    }
    return out;
}

}  // namespace corvanth
