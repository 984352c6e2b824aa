#pragma once
#include <array>
#include <string_view>

#include "platform/bitmap.hpp"

namespace corvanth {

enum class Transform { Rotate90, Rotate180, Rotate270, FlipHorizontal, FlipVertical };

struct PixelPos {
    int x, y;
    friend bool operator==(const PixelPos&, const PixelPos&) = default;
};

// Where new pixel (x, y) of a square plane comes from; m is the last index (63 for a plane).
using SourceMap = PixelPos (*)(int x, int y, int m);

struct TransformRow {
    std::string_view caption;
    Transform operation;
    SourceMap source;
};

// clang-format off
// The menu's angles are clockwise: 90 takes the top row to the right-hand column.
inline constexpr std::array<TransformRow, 5> kTransforms{{
    {"90°",             Transform::Rotate90,       [](int x, int y, int m) { return PixelPos{y,     m - x}; }},
    {"180°",            Transform::Rotate180,      [](int x, int y, int m) { return PixelPos{m - x, m - y}; }},
    {"270°",            Transform::Rotate270,      [](int x, int y, int m) { return PixelPos{m - y, x}; }},
    {"Flip Horizontal", Transform::FlipHorizontal, [](int x, int y, int m) { return PixelPos{m - x, y}; }},
    {"Flip Vertical",   Transform::FlipVertical,   [](int x, int y, int m) { return PixelPos{x,     m - y}; }},
}};
// clang-format on
static_assert(kTransforms[0].source(0, 0, 63) == PixelPos{0, 63});  // 90°: (0, 63) moves to the top left
static_assert(kTransforms[2].source(0, 63, 63) == PixelPos{0, 0});  // 270°: (0, 0) ends at the bottom left

// The square plane turned or mirrored: every pixel moved, none changed.
Bitmap RemapPlane(const Bitmap& plane, Transform t);

}  // namespace corvanth
