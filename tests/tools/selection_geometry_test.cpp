#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/selection.hpp"

namespace corvanth {
namespace {

// Corners as dragged, the selected box and the frame in view pixels.
TEST(SelectionGeometry, BoxAndFrameFromEitherCorner) {
    const std::tuple<SelectionCorners, TRect, TRect> rows[] = {
        {{2, 3, 2, 3}, {2, 3, 3, 4}, {7, 11, 12, 16}},
        {{5, 6, 2, 3}, {2, 3, 6, 7}, {7, 11, 24, 28}},
        {{2, 6, 5, 3}, {2, 3, 6, 7}, {7, 11, 24, 28}},
        {{0, 0, 63, 63}, {0, 0, 64, 64}, {-1, -1, 256, 256}},
        {{10, 10, 73, 73}, {10, 10, 74, 74}, {39, 39, 296, 296}},
    };
    for (auto [corners, box, frame] : rows) {
        EXPECT_EQ(SelectionBox(corners), box);
        EXPECT_EQ(SelectionFrame(corners), frame);
    }
}

// Letters for colours; '.' is the hole. Only pixels inside the plane carry or take part.
Bitmap Picture(const std::vector<std::string>& rows) {
    Bitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) b.at(x, y) = static_cast<TColor>(rows[y][x]);
    return b;
}
std::vector<std::string> Rows(const Bitmap& b) {
    std::vector<std::string> rows(static_cast<std::size_t>(b.height()));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) rows[y] += static_cast<char>(b.at(x, y));
    return rows;
}

TEST(SelectionGeometry, MovedBlockLeavesAHoleAndClips) {
    const Bitmap snapshot = Picture({"abcdef", "ghijkl", "mnopqr", "stuvwx"});
    const std::tuple<SelectionCorners, int, int, std::vector<std::string>> rows[] = {
        {{1, 1, 2, 2}, 1, 0, {"abcdef", "g.hikl", "m.noqr", "stuvwx"}},
        {{2, 2, 1, 1}, 0, 0, {"abcdef", "ghijkl", "mnopqr", "stuvwx"}},
        {{1, 1, 2, 2}, 4, 2, {"abcdef", "g..jkl", "m..pqr", "stuvwh"}},
        {{1, 1, 2, 2}, -2, -2, {"obcdef", "g..jkl", "m..pqr", "stuvwx"}},
        {{-1, -1, 1, 1}, 1, 1, {"..cdef", ".abjkl", "mghpqr", "stuvwx"}},
    };
    for (auto [corners, dx, dy, want] : rows) {
        Bitmap plane = snapshot;
        CanvasState state;
        DrawMovedBlock(TCanvas(plane, state), snapshot, SelectionBox(corners), dx, dy, '.');
        EXPECT_EQ(Rows(plane), want) << dx << "," << dy;
    }
}

}  // namespace
}  // namespace corvanth
