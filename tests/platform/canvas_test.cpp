#include "platform/canvas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "scripted_platform.hpp"

namespace corvanth {
namespace {

constexpr TColor kInk = 0x0000FF;
constexpr TColor kPaper = 0xFFFFFF;

// '#' where the pixel is kInk, 'o' for black, '.' elsewhere; one line per row.
std::string Art(const Bitmap& b) {
    std::string s;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) s += b.at(x, y) == kInk ? '#' : b.at(x, y) == clBlack ? 'o' : '.';
        s += '\n';
    }
    return s;
}

struct Fixture {
    Bitmap bitmap;
    CanvasState state;
    TCanvas canvas{bitmap, state};
    Fixture(int w, int h) : bitmap(w, h, kPaper) {
        state.pen.color = kInk;
        state.brush.color = kInk;
    }
};

struct ArtCase {
    const char* name;
    int width, height;
    std::function<void(Fixture&)> draw;
    const char* expected;
};

class CanvasArt : public ::testing::TestWithParam<ArtCase> {};

TEST_P(CanvasArt, DrawsExactly) {
    const ArtCase& c = GetParam();
    Fixture f(c.width, c.height);
    f.bitmap.TakeChanged();
    const auto changes = f.bitmap.changes();
    c.draw(f);
    EXPECT_EQ(Art(f.bitmap), c.expected);
    // Nothing changes unseen: every pixel that left the paper colour lies in the changed area.
    const TRect changed = f.bitmap.TakeChanged();
    EXPECT_GT(f.bitmap.changes(), changes);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const bool inside =
                x >= changed.left && x < changed.right && y >= changed.top && y < changed.bottom;
            EXPECT_TRUE(inside || f.bitmap.at(x, y) == kPaper) << x << "," << y;
        }
}

void Put(Bitmap& b, std::initializer_list<std::pair<int, int>> points, TColor c) {
    for (auto [x, y] : points) b.SetPixel(x, y, c);
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, CanvasArt,
    ::testing::Values(
        ArtCase{"FillExcludesRightAndBottomAndClips", 6, 3,
                [](Fixture& f) {
                    f.canvas.FillRect({-2, 1, 3, 3});
                    f.canvas.FillRect({4, 0, 4, 4});
                    f.canvas.FrameRect({2, 2, 2, 9});
                    f.canvas.SetPixel(6, 0, kInk);
                },
                "......\n###...\n###...\n"},
        ArtCase{"FrameDrawsOnlyTheBorder", 6, 5,
                [](Fixture& f) {
                    f.canvas.FrameRect({1, 0, 5, 4});
                },
                ".####.\n.#..#.\n.#..#.\n.####.\n......\n"},
        ArtCase{"EllipseFilledWithTheBrush", 9, 7,
                [](Fixture& f) {
                    f.state.brush.color = clBlack;
                    f.canvas.Ellipse(0, 0, 9, 7);
                },
                "..#####..\n.#ooooo#.\n#ooooooo#\n#ooooooo#\n#ooooooo#\n.#ooooo#.\n..#####..\n"},
        // Two paper regions that touch only at a corner: the fill stays in the one it starts in.
        ArtCase{"FloodFillSpreadsThroughEdgesOnly", 5, 4,
                [](Fixture& f) {
                    Put(f.bitmap, {{2, 0}, {1, 1}, {0, 2}, {3, 1}, {2, 2}, {1, 3}}, clBlack);
                    f.canvas.FloodFill(0, 0, kPaper, TFillStyle::fsSurface);
                    f.canvas.FloodFill(0, 0, kInk, TFillStyle::fsSurface);      // already that colour
                    f.canvas.FloodFill(4, 3, 0x010101, TFillStyle::fsSurface);  // start of another colour
                },
                "##o..\n#o.o.\no.o..\n.o...\n"},
        ArtCase{"CopyRectCarriesNothingFromOutsideTheSource", 6, 3,
                [](Fixture& f) {
                    f.canvas.CopyRect({0, 0, 6, 3}, Bitmap(4, 4, kInk), {-2, 2, 4, 5});
                },
                "..####\n..####\n......\n"},
        ArtCase{"TextBoxInTheBrushGlyphsInTheFontColour", 9, 7,
                [](Fixture& f) {
                    f.state.brush.color = clBlack;
                    f.state.font.color = kInk;
                    f.canvas.TextOut(1, 1, "ab", testing::BlockGlyphs{});
                },
                ".........\n.###o###o\n.###o###o\n.###o###o\n.###o###o\n.###o###o\n.........\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Canvas, HatchIsARegularPatternThatLeavesItsGapsAlone) {
    Fixture f(16, 16);
    f.bitmap = Bitmap(16, 16, 0x123456);
    f.state.brush.style = TBrushStyle::bsDiagCross;
    f.canvas.FillRect({0, 0, 16, 16});
    int inked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const TColor c = f.bitmap.at(x, y);
            ASSERT_TRUE(c == kInk || c == 0x123456u);
            EXPECT_EQ(c, f.bitmap.at(x % 8, y % 8));
            inked += c == kInk;
        }
    EXPECT_GT(inked, 0);
    EXPECT_LT(inked, 16 * 16 / 3);
}

// In every direction a line paints its start, stops one short of its end, and steps one pixel at a
// time along the longer axis, each within its box and half a pixel of the true line across that axis.
TEST(Canvas, LineToExcludesTheEndPointInEveryDirection) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            Fixture f(21, 21);
            f.bitmap.TakeChanged();
            f.canvas.MoveTo(10, 10);
            f.canvas.LineTo(10 + dx, 10 + dy);
            const TRect changed = f.bitmap.TakeChanged();
            const int steps = std::max(std::abs(dx), std::abs(dy));
            int painted = 0, besideEnd = 0, unseen = 0, astray = 0;
            for (int y = 0; y < 21; ++y)
                for (int x = 0; x < 21; ++x) {
                    if (f.bitmap.GetPixel(x, y) != kInk) continue;
                    ++painted;
                    besideEnd += std::max(std::abs(x - 10 - dx), std::abs(y - 10 - dy)) == 1;
                    unseen +=
                        x < changed.left || x >= changed.right || y < changed.top || y >= changed.bottom;
                    const int u = x - 10, v = y - 10;
                    astray += u < std::min(0, dx) || u > std::max(0, dx) || v < std::min(0, dy) ||
                              v > std::max(0, dy) || 2 * std::abs(u * dy - v * dx) > steps;
                }
            SCOPED_TRACE(::testing::Message() << "offset " << dx << "," << dy);
            EXPECT_EQ(painted, steps);
            EXPECT_EQ(unseen, 0);
            EXPECT_EQ(astray, 0);
            EXPECT_EQ(f.bitmap.at(10 + dx, 10 + dy), kPaper);
            if (steps == 0) continue;
            EXPECT_EQ(f.bitmap.at(10, 10), kInk);
            EXPECT_GE(besideEnd, 1);
        }
    }
    // One that runs off the edges counts only what lies inside as changed.
    Fixture f(21, 21);
    f.bitmap.TakeChanged();
    f.canvas.MoveTo(-5, 30);
    f.canvas.LineTo(30, -4);
    EXPECT_EQ(f.bitmap.TakeChanged(), (TRect{0, 0, 21, 21}));
}

// Every box up to 14 by 14, whole or cut by the bitmap's edges, in each brush: a pixel is in the ellipse
// when its centre is, the pen takes those with a neighbour outside and the brush the others it covers.
TEST(Canvas, EllipseIsThePixelsWhoseCentresLieInside) {
    constexpr TColor kFill = 0x00FF00;
    for (const TBrushStyle style : {TBrushStyle::bsSolid, TBrushStyle::bsClear, TBrushStyle::bsDiagCross})
        for (int w = 0; w <= 14; ++w)
            for (int h = 0; h <= 14; ++h)
                for (const int at : {-5, 2, 9}) {
                    Fixture f(16, 16);
                    f.state.brush = {kFill, style};
                    const int x1 = at, y1 = at + 1, x2 = x1 + w, y2 = y1 + h;
                    f.canvas.Ellipse(x2, y2, x1, y1);  // corners either way round
                    const auto in = [&](int x, int y) {
                        const long u = 2 * x + 1 - x1 - x2, v = 2 * y + 1 - y1 - y2;
                        return x >= x1 && x < x2 && y >= y1 && y < y2 &&
                               u * u * h * h + v * v * w * w <= long{w} * w * h * h;
                    };
                    for (int y = 0; y < 16; ++y)
                        for (int x = 0; x < 16; ++x) {
                            const bool edge =
                                !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
                            const bool covered =
                                style == TBrushStyle::bsSolid || (style == TBrushStyle::bsDiagCross &&
                                                                  (((x - y) & 7) == 0 || ((x + y) & 7) == 7));
                            const TColor want = !in(x, y) ? kPaper : edge ? kInk : covered ? kFill : kPaper;
                            ASSERT_EQ(f.bitmap.at(x, y), want)
                                << w << "x" << h << " at " << at << ": " << x << "," << y;
                        }
                }
}

TEST(Canvas, StretchByFourMakesBlocksAndWritesOutsideAreDropped) {
    Bitmap src(2, 2);
    src.at(0, 0) = 1, src.at(1, 0) = 2, src.at(0, 1) = 3, src.at(1, 1) = 4;
    Fixture f(8, 8);
    f.canvas.StretchDraw({0, 0, 8, 8}, src);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(f.bitmap.at(x, y), src.at(x / 4, y / 4));
    EXPECT_EQ(f.bitmap.TakeChanged(), (TRect{0, 0, 8, 8}));
    f.canvas.SetPixel(1, 2, kInk);
    EXPECT_EQ(f.bitmap.TakeChanged(), (TRect{1, 2, 2, 3}));
    // The other watcher still has every change since it last looked.
    EXPECT_EQ(f.bitmap.TakeChanged(Bitmap::Watcher::Derived), (TRect{0, 0, 8, 8}));
    const Bitmap before = f.bitmap;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {8, 0}, {0, 8}}) f.canvas.SetPixel(x, y, kInk);
    f.canvas.FloodFill(0, 0, kInk, TFillStyle::fsSurface);  // no pixel of that colour there
    EXPECT_EQ(f.bitmap, before);
    EXPECT_TRUE(f.bitmap.TakeChanged().empty());
    // A watcher that has looked sees only what came after; one that never looked, everything.
    f.canvas.SetPixel(3, 4, kInk);
    EXPECT_EQ(f.bitmap.TakeChanged(Bitmap::Watcher::Derived), (TRect{3, 4, 4, 5}));
    EXPECT_EQ(f.bitmap.TakeChanged(Bitmap::Watcher::Magnified), (TRect{0, 0, 8, 8}));
}

}  // namespace
}  // namespace corvanth
