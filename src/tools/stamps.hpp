#pragma once
#include <optional>

#include "platform/bitmap.hpp"
#include "platform/tcolor.hpp"
#include "tools/brush_masks.hpp"

namespace corvanth {

// Each channel (p * (255 - w) + q * w) div 255: weight 0 keeps p, 255 gives q.
constexpr TColor BlendWeighted(TColor p, TColor q, int w) {
    const auto channel = [w](int a, int b) { return (a * (255 - w) + b * w) / 255; };
    return RGB(channel(Red(p), Red(q)), channel(Green(p), Green(q)), channel(Blue(p), Blue(q)));
}
static_assert(BlendWeighted(clWhite, clBlack, 128) == 0x7F7F7F);
static_assert(BlendWeighted(clBlack, clWhite, 128) == 0x808080);

enum class StampInk {
    Set,    // entries of 1 set the colour, the others are left alone
    Blend,  // every entry blends the colour in with its weight, 0 included
};

// The mask's top-left reaches side div 2 to the left of and above the centre.
constexpr int MaskOrigin(int centre, int side) {
    return centre - side / 2;
}

// One dab of the mask centred on (x, y); positions outside the plane are skipped. Calls
// touched(px, py, colour) for every pixel written, so the caller can repaint its view cell.
template <class Touched>
void ApplyMask(Bitmap& plane, int x, int y, const BrushMask& mask, TColor color, StampInk ink,
               Touched&& touched) {
    const int left = MaskOrigin(x, mask.side), top = MaskOrigin(y, mask.side);
    for (int r = 0; r < mask.side; ++r) {
        const int py = top + r;
        if (py < 0 || py >= plane.height()) continue;
        for (int c = 0; c < mask.side; ++c) {
            const int px = left + c;
            if (px < 0 || px >= plane.width()) continue;
            const int w = mask.at(c, r);
            if (ink == StampInk::Set) {
                if (w != 1) continue;
                plane.at(px, py) = color;
                touched(px, py, color);
            } else {
                const TColor blended = BlendWeighted(plane.at(px, py), color, w);
                plane.at(px, py) = blended;
                touched(px, py, blended);
            }
        }
    }
}

// The mask of a brush size, or nothing for a size outside 1..8.
inline std::optional<BrushMask> MaskForSize(const std::array<BrushMask, 8>& masks, int size) {
    if (size < kMinBrushSize || size > kMaxBrushSize) return std::nullopt;
    return masks[static_cast<std::size_t>(size - 1)];
}

}  // namespace corvanth
