#pragma once
#include <array>

namespace corvanth {

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// (left, top, right, bottom); when filled, right and bottom are exclusive.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    // Inclusive test, as the hit areas of the panels use it.
    constexpr bool containsInclusive(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
constexpr TRect Union(const TRect& a, const TRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// The part both hold; empty when they do not meet.
constexpr TRect Intersect(const TRect& a, const TRect& b) {
    return {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
            a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

// The one-pixel ring just inside a rectangle, edge by edge: the top and bottom rows whole, the sides
// between them.
constexpr std::array<TRect, 4> Edges(const TRect& r) {
    return {TRect{r.left, r.top, r.right, r.top + 1}, TRect{r.left, r.bottom - 1, r.right, r.bottom},
            TRect{r.left, r.top + 1, r.left + 1, r.bottom - 1},
            TRect{r.right - 1, r.top + 1, r.right, r.bottom - 1}};
}

// A control's place on its form: Left, Top, Width, Height in client pixels.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

}  // namespace corvanth
