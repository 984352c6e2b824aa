#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/canvas.hpp"
#include "tools/tool_id.hpp"

namespace corvanth {

inline constexpr int kToolCellWidth = 24;
inline constexpr int kToolCellHeight = 22;

struct ToolCell {
    int id;
    int column;
    int row;
    constexpr int originX() const { return kToolCellWidth * column; }
    constexpr int originY() const { return kToolCellHeight * row; }
};

// The palette's cells; ids 6 and 7 stand in the upper row's fifth and fourth cells.
inline constexpr std::array<ToolCell, kToolCount> kToolCells{{
    {Pencil, 0, 0},
    {Brush, 1, 0},
    {Spray, 2, 0},
    {ColorPicker, 0, 1},
    {Fill, 1, 1},
    {Eraser, 2, 1},
    {Rectangle, 3, 0},
    {Ellipse, 4, 0},
    {Text, 5, 0},
    {Select, 3, 1},
    {Move, 4, 1},
    {Line, 5, 1},
}};

// The tool whose cell holds the press; a cell's first column and first row belong to none.
std::optional<int> ToolAt(int X, int Y);

// A button frame, one digit per pixel: 0 black, 1 dark grey, 2 light grey, 3 the icon shows through.
using FrameTable = std::array<std::string_view, kToolCellHeight>;

// clang-format off
inline constexpr FrameTable kFrameRaised{
    // columns 0 to 23                row
    "000000000000000000000000",  // 0
    "000000000022220000000000",  // 1
    "000000022233332220000000",  // 2
    "000002233333333332200000",  // 3
    "000023333333333333320000",  // 4
    "000233333333333333332000",  // 5
    "000233333333333333331000",  // 6
    "002333333333333333333100",  // 7
    "002333333333333333333100",  // 8
    "002333333333333333333100",  // 9
    "023333333333333333333310",  // 10
    "023333333333333333333310",  // 11
    "002333333333333333333100",  // 12
    "002333333333333333333100",  // 13
    "002333333333333333333100",  // 14
    "000233333333333333331000",  // 15
    "000233333333333333331000",  // 16
    "000023333333333333310000",  // 17
    "000002133333333331100000",  // 18
    "000000011133331110000000",  // 19
    "000000000011110000000000",  // 20
    "000000000000000000000000",  // 21
};
// clang-format on

// The pressed-in button: the raised one lit from the other side.
struct SunkenFrame {
    std::array<std::array<char, kToolCellWidth>, kToolCellHeight> rows{};
    constexpr int at(int c, int r) const { return rows[r][c] - '0'; }
};
constexpr SunkenFrame MakeSunken(const FrameTable& raised) {
    SunkenFrame sunken;
    for (int r = 0; r < kToolCellHeight; ++r)
        for (int c = 0; c < kToolCellWidth; ++c) {
            const char v = raised[r][c];
            sunken.rows[r][c] = v == '1' ? '2' : v == '2' ? '1' : v;
        }
    return sunken;
}
inline constexpr SunkenFrame kFrameSunken = MakeSunken(kFrameRaised);

constexpr int FrameRaisedAt(int c, int r) {
    return kFrameRaised[r][c] - '0';
}
static_assert(FrameRaisedAt(10, 1) == 2 && FrameRaisedAt(20, 6) == 1 && FrameRaisedAt(1, 10) == 2);
static_assert(kFrameSunken.at(10, 1) == 1 && kFrameSunken.at(22, 10) == 2 && kFrameSunken.at(11, 11) == 3);

inline constexpr int kFrameKeep = 3;
inline constexpr std::array<TColor, 3> kFrameColors{0x000000, 0x202020, 0x5C5C5C};

// Frames over all twelve cells: sunken for the current tool, raised for the others.
void PaintToolFrames(TCanvas palette, int currentTool);

}  // namespace corvanth
