#include "platform/canvas.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "scripted_platform.hpp"

namespace corvanth {
namespace {

constexpr TColor kInk = 0x0000FF;  // red
constexpr TColor kPaper = 0xFFFFFF;

// '#' where the pixel is kInk, '.' elsewhere; one line per row.
std::string Art(const Bitmap& b) {
    std::string s;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) s += b.at(x, y) == kInk ? '#' : '.';
        s += '\n';
    }
    return s;
}

struct Fixture {
    Bitmap bitmap;
    CanvasState state;
    TCanvas canvas{bitmap, state};
    explicit Fixture(int w = 8, int h = 8) : bitmap(w, h, kPaper) {
        state.pen.color = kInk;
        state.brush.color = kInk;
    }
};

TEST(Canvas, WritesOutsideAreDropped) {
    Fixture f(4, 4);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}, {-100, 100}})
        f.canvas.SetPixel(x, y, kInk);
    EXPECT_EQ(f.bitmap, Bitmap(4, 4, kPaper));
    EXPECT_EQ(f.canvas.GetPixel(4, 0), clBlack);
}

TEST(Canvas, FillRectExcludesRightAndBottomAndClips) {
    Fixture f(6, 4);
    f.canvas.FillRect({-2, 1, 3, 3});
    EXPECT_EQ(Art(f.bitmap),
              "......\n"
              "###...\n"
              "###...\n"
              "......\n");
    const std::string before = Art(f.bitmap);
    f.canvas.FillRect({4, 0, 4, 4});  // empty boxes paint nothing
    f.canvas.FrameRect({2, 2, 2, 9});
    EXPECT_EQ(Art(f.bitmap), before);
}

TEST(Canvas, FrameRectDrawsOnlyTheBorder) {
    Fixture f(6, 5);
    f.canvas.FrameRect({1, 0, 5, 4});
    EXPECT_EQ(Art(f.bitmap),
              ".####.\n"
              ".#..#.\n"
              ".#..#.\n"
              ".####.\n"
              "......\n");
}

TEST(Canvas, HatchLeavesItsGapsAlone) {
    Fixture f(16, 16);
    constexpr TColor kOld = 0x123456;
    f.bitmap = Bitmap(16, 16, kOld);
    f.state.brush.style = TBrushStyle::bsDiagCross;
    f.canvas.FillRect({0, 0, 16, 16});
    int inked = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const TColor c = f.bitmap.at(x, y);
            ASSERT_TRUE(c == kInk || c == kOld);
            inked += c == kInk;
            // A regular pattern: the same every eight pixels both ways.
            EXPECT_EQ(c, f.bitmap.at(x % 8, y % 8));
        }
    }
    EXPECT_GT(inked, 0);
    EXPECT_LT(inked, 16 * 16 / 3);
}

// Every line starts on its first point, stops one short of the end, and steps by one pixel along
// the longer axis without gaps.
TEST(Canvas, LineToExcludesTheEndPointInEveryDirection) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            Fixture f(21, 21);
            f.canvas.MoveTo(10, 10);
            f.canvas.LineTo(10 + dx, 10 + dy);
            SCOPED_TRACE(::testing::Message() << "to offset " << dx << "," << dy);
            const int steps = std::max(std::abs(dx), std::abs(dy));
            int painted = 0;
            for (TColor c : f.bitmap.pixels()) painted += c == kInk;
            EXPECT_EQ(painted, steps);
            if (steps == 0) continue;
            EXPECT_EQ(f.bitmap.at(10, 10), kInk);
            EXPECT_EQ(f.bitmap.at(10 + dx, 10 + dy), kPaper);
            // The pixel before the end is a neighbour of the end.
            bool touches = false;
            for (int ny = -1; ny <= 1; ++ny)
                for (int nx = -1; nx <= 1; ++nx)
                    touches |= (nx || ny) && f.bitmap.GetPixel(10 + dx + nx, 10 + dy + ny) == kInk;
            EXPECT_TRUE(touches);
        }
    }
}

TEST(Canvas, LineRunsFromThePressPointNotReordered) {
    Fixture f(12, 1);
    f.canvas.MoveTo(10, 0);
    f.canvas.LineTo(0, 0);
    EXPECT_EQ(Art(f.bitmap), ".##########.\n");
    EXPECT_EQ(f.state.penPos, (TPoint{0, 0}));
}

TEST(Canvas, EllipseOutlineAndFill) {
    Fixture f(9, 7);
    f.state.brush.style = TBrushStyle::bsClear;
    f.canvas.Ellipse(0, 0, 9, 7);
    EXPECT_EQ(Art(f.bitmap),
              "..#####..\n"
              ".#.....#.\n"
              "#.......#\n"
              "#.......#\n"
              "#.......#\n"
              ".#.....#.\n"
              "..#####..\n");
    f.state.brush = {kInk, TBrushStyle::bsSolid};
    f.canvas.Ellipse(0, 0, 9, 7);
    EXPECT_EQ(Art(f.bitmap),
              "..#####..\n"
              ".#######.\n"
              "#########\n"
              "#########\n"
              "#########\n"
              ".#######.\n"
              "..#####..\n");
}

TEST(Canvas, EllipseStaysInsideItsBox) {
    for (int w = 0; w <= 12; ++w) {
        for (int h = 0; h <= 12; ++h) {
            Fixture f(16, 16);
            f.canvas.Ellipse(2, 3, 2 + w, 3 + h);
            int painted = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    if (f.bitmap.at(x, y) != kInk) continue;
                    ++painted;
                    EXPECT_TRUE(x >= 2 && x < 2 + w && y >= 3 && y < 3 + h) << w << "x" << h;
                }
            // Only an empty box paints nothing.
            EXPECT_EQ(painted == 0, w == 0 || h == 0) << w << "x" << h;
        }
    }
}

TEST(Canvas, FloodFillSpreadsThroughEdgesOnly) {
    Fixture f(5, 4);
    f.bitmap = Bitmap(5, 4, kPaper);
    // Two paper regions that touch only at a corner, split by a diagonal of black.
    for (auto [x, y] : {std::pair{2, 0}, {1, 1}, {0, 2}, {3, 1}, {2, 2}, {1, 3}}) f.bitmap.at(x, y) = clBlack;
    f.canvas.FloodFill(0, 0, kPaper, TFillStyle::fsSurface);
    EXPECT_EQ(Art(f.bitmap),
              "##...\n"
              "#....\n"
              ".....\n"
              ".....\n");
    // Filling with the colour already there ends and changes nothing.
    const Bitmap before = f.bitmap;
    f.canvas.FloodFill(0, 0, kInk, TFillStyle::fsSurface);
    EXPECT_EQ(f.bitmap, before);
    // A start pixel of another colour fills nothing.
    f.canvas.FloodFill(4, 3, 0x010101, TFillStyle::fsSurface);
    EXPECT_EQ(f.bitmap, before);
}

TEST(Canvas, StretchDrawByFourMakesBlocks) {
    Bitmap src(2, 2);
    src.at(0, 0) = 1, src.at(1, 0) = 2, src.at(0, 1) = 3, src.at(1, 1) = 4;
    Fixture f(8, 8);
    f.canvas.StretchDraw({0, 0, 8, 8}, src);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(f.bitmap.at(x, y), src.at(x / 4, y / 4));
}

TEST(Canvas, CopyRectCarriesNothingFromOutsideTheSource) {
    Bitmap src(4, 4, kInk);
    Fixture f(6, 3);
    f.canvas.CopyRect({0, 0, 6, 3}, src, {-2, 2, 4, 5});
    EXPECT_EQ(Art(f.bitmap),
              "..####\n"
              "..####\n"
              "......\n");
}

TEST(Canvas, TextOutFillsTheBoxThenDrawsGlyphs) {
    Fixture f(10, 7);
    f.state.brush.color = 0x00FF00;
    f.state.font.color = kInk;
    testing::BlockGlyphs glyphs;
    f.canvas.TextOut(1, 1, "ab", glyphs);
    // Two 3x5 blocks with a gap column, over an 8x5 box in the brush colour.
    EXPECT_EQ(f.bitmap.at(1, 1), kInk);
    EXPECT_EQ(f.bitmap.at(4, 1), 0x00FF00u);
    EXPECT_EQ(f.bitmap.at(8, 5), 0x00FF00u);
    EXPECT_EQ(f.bitmap.at(9, 5), kPaper);
    EXPECT_EQ(f.bitmap.at(1, 6), kPaper);
}

}  // namespace
}  // namespace corvanth
