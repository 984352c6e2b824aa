#pragma once
#include <array>
#include <cstdint>
#include <span>

namespace corvanth {

// A square brush mask, row by row: entry (column c, row r) is weights[r * side + c].
struct BrushMask {
    int side;
    std::span<const std::uint8_t> weights;
    constexpr int at(int c, int r) const { return weights[static_cast<std::size_t>(r * side + c)]; }
};

inline constexpr int kMinBrushSize = 1;
inline constexpr int kMaxBrushSize = 8;

// clang-format off
namespace masks {

// Solid masks: 1 sets the pixel, 0 leaves it.
inline constexpr std::array<std::uint8_t, 1> kSolid1{
    1,
};
inline constexpr std::array<std::uint8_t, 4> kSolid2{
    1, 1,
    1, 1,
};
inline constexpr std::array<std::uint8_t, 9> kSolid3{
    0, 1, 0,
    1, 1, 1,
    0, 1, 1,
};
inline constexpr std::array<std::uint8_t, 16> kSolid4{
    0, 1, 1, 0,
    1, 1, 1, 1,
    1, 1, 1, 1,
    0, 1, 1, 0,
};
inline constexpr std::array<std::uint8_t, 25> kSolid5{
    0, 1, 1, 1, 0,
    1, 1, 1, 1, 1,
    1, 1, 1, 1, 1,
    1, 1, 1, 1, 1,
    0, 1, 1, 1, 0,
};
inline constexpr std::array<std::uint8_t, 36> kSolid6{
    0, 1, 1, 1, 1, 0,
    1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1,
    0, 1, 1, 1, 1, 0,
};
inline constexpr std::array<std::uint8_t, 49> kSolid7{
    0, 0, 1, 1, 1, 0, 0,
    0, 1, 1, 1, 1, 1, 0,
    1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1,
    0, 1, 1, 1, 1, 1, 0,
    0, 0, 1, 1, 1, 0, 0,
};
inline constexpr std::array<std::uint8_t, 64> kSolid8{
    0, 0, 1, 1, 1, 1, 0, 0,
    0, 1, 1, 1, 1, 1, 1, 0,
    1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1,
    0, 1, 1, 1, 1, 1, 1, 0,
    0, 0, 1, 1, 1, 1, 0, 0,
};

// Soft masks: blend weights of a round dab, one pixel wider than the brush on every side.
inline constexpr std::array<std::uint8_t, 9> kSoft1{
     32, 128,  32,
    128, 255, 128,
     32, 128,  32,
};
inline constexpr std::array<std::uint8_t, 16> kSoft2{
     32, 128, 128,  32,
    128, 255, 255, 128,
    128, 255, 255, 128,
     32, 128, 128,  32,
};
inline constexpr std::array<std::uint8_t, 25> kSoft3{
      0,  32, 128,  32,   0,
     32, 128, 255, 128,  32,
    128, 255, 255, 255, 128,
     32, 128, 255, 128,  32,
      0,  32, 128,  32,   0,
};
inline constexpr std::array<std::uint8_t, 36> kSoft4{
      0,  32, 128, 128,  32,   0,
     32, 128, 255, 255, 128,  32,
    128, 255, 255, 255, 255, 128,
    128, 255, 255, 255, 255, 128,
     32, 128, 255, 255, 128,  32,
      0,  32, 128, 128,  32,   0,
};
inline constexpr std::array<std::uint8_t, 49> kSoft5{
      0,   0,  32, 128,  32,   0,   0,
      0,  32, 128, 255, 128,  32,   0,
     32, 128, 255, 255, 255, 128,  32,
    128, 255, 255, 255, 255, 255, 128,
     32, 128, 255, 255, 255, 128,  32,
      0,  32, 128, 255, 128,  32,   0,
      0,   0,  32, 128,  32,   0,   0,
};
inline constexpr std::array<std::uint8_t, 64> kSoft6{
      0,   0,  32, 128, 128,  32,   0,   0,
      0,  32, 128, 255, 255, 128,  32,   0,
     32, 128, 255, 255, 255, 255, 128,  32,
    128, 255, 255, 255, 255, 255, 255, 128,
    128, 255, 255, 255, 255, 255, 255, 128,
     32, 128, 255, 255, 255, 255, 128,  32,
      0,  32, 128, 255, 255, 128,  32,   0,
      0,   0,  32, 128, 128,  32,   0,   0,
};
inline constexpr std::array<std::uint8_t, 81> kSoft7{
      0,   0,  32, 128, 128, 128,  32,   0,   0,
      0,  32, 128, 255, 255, 255, 128,  32,   0,
     32, 128, 255, 255, 255, 255, 255, 128,  32,
    128, 255, 255, 255, 255, 255, 255, 255, 128,
    128, 255, 255, 255, 255, 255, 255, 255, 128,
    128, 255, 255, 255, 255, 255, 255, 255, 128,
     32, 128, 255, 255, 255, 255, 255, 128,  32,
      0,  32, 128, 255, 255, 255, 128,  32,   0,
      0,   0,  32, 128, 128, 128,  32,   0,   0,
};
inline constexpr std::array<std::uint8_t, 100> kSoft8{
      0,   0,   0,  32, 128, 128,  32,   0,   0,   0,
      0,   0,  32, 128, 255, 255, 128,  32,   0,   0,
      0,  32, 128, 255, 255, 255, 255, 128,  32,   0,
     32, 128, 255, 255, 255, 255, 255, 255, 128,  32,
    128, 255, 255, 255, 255, 255, 255, 255, 255, 128,
    128, 255, 255, 255, 255, 255, 255, 255, 255, 128,
     32, 128, 255, 255, 255, 255, 255, 255, 128,  32,
      0,  32, 128, 255, 255, 255, 255, 128,  32,   0,
      0,   0,  32, 128, 255, 255, 128,  32,   0,   0,
      0,   0,   0,  32, 128, 128,  32,   0,   0,   0,
};

// Scatter masks: a fixed sparse dot pattern, the same at every dab.
inline constexpr std::array<std::uint8_t, 9> kScatter1{
      0, 255,   0,
    128,   0, 255,
      0, 255, 128,
};
inline constexpr std::array<std::uint8_t, 16> kScatter2{
      0, 255,   0,   0,
    128,   0,   0, 255,
    255,   0, 128,   0,
      0, 128, 255,   0,
};
inline constexpr std::array<std::uint8_t, 25> kScatter3{
      0, 255,   0, 128,   0,
    128,   0,   0, 255,   0,
      0, 255,   0,   0, 128,
    128,   0, 255,   0,   0,
      0, 255,   0, 128,   0,
};
inline constexpr std::array<std::uint8_t, 36> kScatter4{
      0, 255,   0,   0, 128,   0,
      0,   0, 128,   0,   0, 255,
    255,   0,   0,   0, 128,   0,
      0,   0, 128,   0,   0, 255,
    255,   0,   0, 128,   0,   0,
      0, 128,   0,   0, 255,   0,
};
inline constexpr std::array<std::uint8_t, 49> kScatter5{
      0, 255,   0,   0, 128,   0,   0,
      0,   0, 255,   0,   0,   0,   0,
    128,   0,   0,   0, 255,   0, 128,
      0, 255,   0, 128,   0, 255,   0,
    128,   0, 255,   0,   0,   0, 128,
      0,   0,   0,   0, 255,   0,   0,
      0,   0, 128,   0,   0, 255,   0,
};
inline constexpr std::array<std::uint8_t, 64> kScatter6{
      0,   0, 255,   0, 128,   0,   0,   0,
      0,   0,   0,   0,   0,   0, 255,   0,
    128,   0, 255,   0, 128,   0,   0,   0,
      0,   0,   0,   0,   0, 255,   0, 128,
    255,   0,   0,   0, 128,   0,   0,   0,
      0,   0, 255,   0,   0,   0,   0, 128,
      0, 255,   0,   0, 128,   0,   0,   0,
      0,   0,   0, 255,   0, 128,   0,   0,
};
inline constexpr std::array<std::uint8_t, 81> kScatter7{
      0,   0,   0, 255,   0,   0, 128,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0,
    255,   0,   0,   0, 128,   0,   0,   0, 255,
      0,   0, 128,   0,   0,   0, 255,   0,   0,
    128,   0,   0,   0, 255,   0,   0,   0, 128,
      0,   0, 255,   0,   0,   0,   0, 128,   0,
    255,   0,   0,   0, 128,   0,   0,   0, 255,
      0,   0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0, 128,   0,   0, 255,   0,   0,
};
inline constexpr std::array<std::uint8_t, 100> kScatter8{
      0,   0,   0, 255,   0, 128,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0, 255,   0,   0,
      0, 128,   0,   0, 255,   0, 128,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0, 255,
    128,   0, 255,   0, 128,   0, 255,   0, 128,   0,
      0,   0,   0,   0,   0,   0,   0,   0,   0, 255,
    128,   0, 255,   0, 128,   0, 255,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0, 128,   0,
      0,   0, 255,   0,   0, 128,   0,   0,   0,   0,
      0,   0,   0,   0, 255,   0, 128,   0,   0,   0,
};

}  // namespace masks

// Indexed by brush size - 1.
inline constexpr std::array<BrushMask, 8> kSolidMasks{{
    {1, masks::kSolid1}, {2, masks::kSolid2}, {3, masks::kSolid3}, {4, masks::kSolid4},
    {5, masks::kSolid5}, {6, masks::kSolid6}, {7, masks::kSolid7}, {8, masks::kSolid8},
}};
inline constexpr std::array<BrushMask, 8> kSoftMasks{{
    {3, masks::kSoft1}, {4, masks::kSoft2}, {5, masks::kSoft3}, {6, masks::kSoft4},
    {7, masks::kSoft5}, {8, masks::kSoft6}, {9, masks::kSoft7}, {10, masks::kSoft8},
}};
inline constexpr std::array<BrushMask, 8> kScatterMasks{{
    {3, masks::kScatter1}, {4, masks::kScatter2}, {5, masks::kScatter3}, {6, masks::kScatter4},
    {7, masks::kScatter5}, {8, masks::kScatter6}, {9, masks::kScatter7}, {10, masks::kScatter8},
}};

// clang-format on

static_assert(kSolidMasks[2].at(2, 2) == 1 && kSolidMasks[2].at(0, 2) == 0,
              "size 3 keeps its lower right pixel");
static_assert(kSolidMasks[7].at(2, 0) == 1 && kSolidMasks[7].at(1, 0) == 0);
static_assert(kSoftMasks[0].at(1, 1) == 255 && kSoftMasks[0].at(0, 1) == 128 && kSoftMasks[0].at(0, 0) == 32);
static_assert(kSoftMasks[7].at(3, 0) == 32 && kSoftMasks[7].at(4, 4) == 255);
static_assert(kScatterMasks[0].at(1, 1) == 0 && kScatterMasks[0].at(2, 2) == 128);
static_assert(kScatterMasks[6].at(8, 6) == 255 && kScatterMasks[6].at(4, 7) == 0);

}  // namespace corvanth
