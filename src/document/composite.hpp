#pragma once
#include "platform/bitmap.hpp"
#include "platform/geometry.hpp"

namespace corvanth {

// What the composite preview shows through transparent pixels; a click steps to the next.
enum class Backdrop : int { Checkerboard, Black, White, Tile };
inline constexpr int kBackdropCount = 4;

// One channel over a backdrop channel with straight alpha, rounded to nearest.
constexpr int Over(int colour, int alpha, int backdrop) {
    return (colour * alpha + backdrop * (255 - alpha) + 127) / 255;
}
static_assert(Over(255, 128, 0) == 128 && Over(0, 128, 255) == 127 && Over(10, 255, 200) == 10);

// The backdrop's colour at preview pixel (x, y): two greys in 4 by 4 squares for the checkerboard and
// under the tile.
TColor BackdropAt(Backdrop backdrop, int x, int y);

// Recomposes the preview pixels that show plane pixels inside `changed` (plane coordinates). The
// preview shows the planes at 1:1, or for Tile the logo halved (each preview pixel the average of a
// 2 by 2 block) and repeated 2 by 2.
void Compose(Bitmap& preview, const Bitmap& rgb, const Bitmap& alpha, Backdrop backdrop, TRect changed);

}  // namespace corvanth
