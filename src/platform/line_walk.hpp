#pragma once
#include <algorithm>
#include <cstdlib>

#include "platform/geometry.hpp"

namespace corvanth {

// Bresenham from `from` toward `to`, one call per pixel; `to` itself is left out, as a canvas line
// leaves out its end point.
template <class Visit>
void WalkLine(TPoint from, TPoint to, Visit&& visit) {
    int x = from.x, y = from.y;
    const int dx = std::abs(to.x - x), dy = -std::abs(to.y - y);
    const int sx = x < to.x ? 1 : -1, sy = y < to.y ? 1 : -1;
    int err = dx + dy;
    while (x != to.x || y != to.y) {
        visit(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// The box of the pixels a line from `from` to `to` paints, right and bottom exclusive; empty when
// the two points are one.
inline TRect LinePixelBox(TPoint from, TPoint to) {
    TRect box{from.x, from.y, from.x, from.y};
    WalkLine(from, to, [&box](int x, int y) {
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
    });
    return box;
}

}  // namespace corvanth
