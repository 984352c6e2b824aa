#pragma once
#include <optional>
#include <utility>

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
// touched(px, py, colour) for every pixel that changed, so the caller can repaint its view cell; a pixel
// that keeps its colour (painted over in the same colour, or blended with weight 0) is not written.
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
            if (ink == StampInk::Set && w != 1) continue;
            const TColor was = std::as_const(plane).at(px, py);
            const TColor now = ink == StampInk::Set ? color : BlendWeighted(was, color, w);
            if (now == was) continue;
            plane.at(px, py) = now;
            touched(px, py, now);
        }
    }
}

// The mask of a brush size, or nothing for a size outside 1..8.
inline std::optional<BrushMask> MaskForSize(const std::array<BrushMask, 8>& masks, int size) {
    if (size < kMinBrushSize || size > kMaxBrushSize) return std::nullopt;
    return masks[static_cast<std::size_t>(size - 1)];
}

}  // namespace corvanth
