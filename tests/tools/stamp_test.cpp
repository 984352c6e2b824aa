#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"
#include "tools/stamps.hpp"

namespace corvanth {
namespace {

using Pixels = std::set<std::pair<int, int>>;

class StampTest : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    Bitmap& rgb() { return form.imgRGB.Picture; }

    // Pixels of the RGB plane that no longer hold white.
    Pixels Changed() {
        Pixels out;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                if (rgb().at(x, y) != clWhite) out.insert({x, y});
        return out;
    }
};

TEST(BlendWeighted, RoundsDownPerChannel) {
    EXPECT_EQ(BlendWeighted(clWhite, clBlack, 128), 0x7F7F7Fu);
    EXPECT_EQ(BlendWeighted(clBlack, clWhite, 128), 0x808080u);
    EXPECT_EQ(BlendWeighted(RGB(10, 200, 30), RGB(250, 0, 100), 0), RGB(10, 200, 30));
    EXPECT_EQ(BlendWeighted(RGB(10, 200, 30), RGB(250, 0, 100), 255), RGB(250, 0, 100));
    // (10*191 + 250*64) / 255 = 70.2, (200*191) / 255 = 149.8, (30*191 + 100*64) / 255 = 47.6
    EXPECT_EQ(BlendWeighted(RGB(10, 200, 30), RGB(250, 0, 100), 64), RGB(70, 149, 47));
}

struct SolidCase {
    int size, pixels, lo, hi;  // count and the offsets the dab reaches from its centre
};
class SolidSizes : public StampTest, public ::testing::WithParamInterface<SolidCase> {};

TEST_P(SolidSizes, CountAndReach) {
    const SolidCase k = GetParam();
    form.state.BrushSize = k.size;
    form.StampSolid(30, 30, form.imgRGB, RGB(1, 2, 3));
    const Pixels p = Changed();
    EXPECT_EQ(static_cast<int>(p.size()), k.pixels);
    int minX = 99, maxX = -99, minY = 99, maxY = -99;
    for (auto [x, y] : p) {
        EXPECT_EQ(rgb().at(x, y), RGB(1, 2, 3));
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y),
        maxY = std::max(maxY, y);
        // Each written pixel shows in its view cell.
        EXPECT_EQ(form.imgMain.Picture.at(4 * x + 3, 4 * y + 3), RGB(1, 2, 3));
    }
    EXPECT_EQ(minX - 30, k.lo);
    EXPECT_EQ(maxX - 30, k.hi);
    EXPECT_EQ(minY - 30, k.lo);
    EXPECT_EQ(maxY - 30, k.hi);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, SolidSizes,
                         ::testing::Values(SolidCase{1, 1, 0, 0}, SolidCase{2, 4, -1, 0},
                                           SolidCase{3, 6, -1, 1}, SolidCase{4, 12, -2, 1},
                                           SolidCase{5, 21, -2, 2}, SolidCase{6, 32, -3, 2},
                                           SolidCase{7, 37, -3, 3}, SolidCase{8, 52, -4, 3}));

TEST_F(StampTest, SolidShapesOfSmallSizes) {
    form.state.BrushSize = 2;
    form.StampSolid(10, 10, form.imgRGB, clBlack);
    EXPECT_EQ(Changed(), (Pixels{{9, 9}, {10, 9}, {9, 10}, {10, 10}}));
    form.New1Click();
    form.state.BrushSize = 3;  // a plus with its lower right corner
    form.StampSolid(10, 10, form.imgRGB, clBlack);
    EXPECT_EQ(Changed(), (Pixels{{10, 9}, {9, 10}, {10, 10}, {11, 10}, {10, 11}, {11, 11}}));
}

TEST_F(StampTest, SolidClipsAtTheBorders) {
    form.state.BrushSize = 8;
    form.StampSolid(0, 0, form.imgRGB, clBlack);
    Pixels corner;
    for (auto [n, y] : {std::pair{4, 0}, {4, 1}, {3, 2}, {2, 3}})
        for (int x = 0; x < n; ++x) corner.insert({x, y});
    EXPECT_EQ(Changed(), corner);
    form.New1Click();
    form.StampSolid(63, 63, form.imgRGB, clBlack);
    EXPECT_EQ(Changed().size(), 22u);
    form.New1Click();
    form.StampSolid(-5, 30, form.imgRGB, clBlack);  // reaches x = -1 at most
    form.StampSolid(200, -200, form.imgRGB, clBlack);
    EXPECT_TRUE(Changed().empty());
}

TEST_F(StampTest, BrushSizeOutsideRangePaintsNothing) {
    for (int size : {0, 9, -1}) {
        form.state.BrushSize = size;
        form.StampSolid(10, 10, form.imgRGB, clBlack);
        form.StampSoft(10, 10, form.imgRGB, clBlack);
        form.StampScatter(10, 10, form.imgRGB, clBlack);
    }
    EXPECT_TRUE(Changed().empty());
}

TEST_F(StampTest, SoftDabBuildsUp) {
    form.StampSoft(10, 10, form.imgRGB, clBlack);
    EXPECT_EQ(rgb().at(10, 10), clBlack);
    for (auto [x, y] : {std::pair{9, 10}, {11, 10}, {10, 9}, {10, 11}}) EXPECT_EQ(rgb().at(x, y), Grey(127));
    for (auto [x, y] : {std::pair{9, 9}, {11, 9}, {9, 11}, {11, 11}}) EXPECT_EQ(rgb().at(x, y), Grey(223));
    EXPECT_EQ(Changed().size(), 9u);
    form.StampSoft(10, 10, form.imgRGB, clBlack);
    EXPECT_EQ(rgb().at(10, 10), clBlack);
    for (auto [x, y] : {std::pair{9, 10}, {11, 10}, {10, 9}, {10, 11}}) EXPECT_EQ(rgb().at(x, y), Grey(63));
    for (auto [x, y] : {std::pair{9, 9}, {11, 9}, {9, 11}, {11, 11}}) EXPECT_EQ(rgb().at(x, y), Grey(195));
    EXPECT_EQ(form.imgMain.Picture.at(4 * 9, 4 * 9), Grey(195));
}

// Every soft dab is round: symmetric about both axes and the diagonal, black at its heart, and
// only the four levels of its weights appear.
class SoftSizes : public StampTest, public ::testing::WithParamInterface<int> {};
TEST_P(SoftSizes, RoundAndLevelled) {
    const int s = GetParam(), n = s + 2, left = 30 - n / 2;
    form.state.BrushSize = s;
    form.StampSoft(30, 30, form.imgRGB, clBlack);
    const auto at = [&](int c, int r) { return rgb().at(left + c, left + r); };
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            EXPECT_EQ(at(c, r), at(n - 1 - c, r));
            EXPECT_EQ(at(c, r), at(c, n - 1 - r));
            EXPECT_EQ(at(c, r), at(r, c));
            const TColor v = at(c, r);
            EXPECT_TRUE(v == clWhite || v == Grey(223) || v == Grey(127) || v == clBlack) << c << "," << r;
        }
    EXPECT_EQ(rgb().at(30, 30), clBlack);
    EXPECT_EQ(at(n / 2, 0), Grey(127));  // the outer ring of 128 touches the square's edge mid-side
    for (auto [x, y] : Changed()) {
        EXPECT_TRUE(x >= left && x < left + n && y >= left && y < left + n) << x << "," << y;
    }
}
INSTANTIATE_TEST_SUITE_P(AllSizes, SoftSizes, ::testing::Range(1, 9));

TEST_F(StampTest, ScatterPatternOfSizeOne) {
    form.StampScatter(20, 20, form.imgRGB, clBlack);
    for (auto [x, y] : {std::pair{20, 19}, {21, 20}, {20, 21}}) EXPECT_EQ(rgb().at(x, y), clBlack);
    for (auto [x, y] : {std::pair{19, 20}, {21, 21}}) EXPECT_EQ(rgb().at(x, y), 0x7F7F7Fu);
    EXPECT_EQ(Changed().size(), 5u);  // the centre and the other three neighbours keep white
}

class ScatterSizes : public StampTest, public ::testing::WithParamInterface<int> {};
TEST_P(ScatterSizes, SparseDotsInsideTheSquare) {
    const int s = GetParam(), n = s + 2, left = 30 - n / 2;
    form.state.BrushSize = s;
    form.StampScatter(30, 30, form.imgRGB, clBlack);
    const Pixels p = Changed();
    EXPECT_LT(static_cast<int>(p.size()), n * n * 2 / 3);
    EXPECT_GE(static_cast<int>(p.size()), n);
    for (auto [x, y] : p) {
        EXPECT_TRUE(rgb().at(x, y) == clBlack || rgb().at(x, y) == 0x7F7F7Fu);
        EXPECT_TRUE(x >= left && x < left + n && y >= left && y < left + n) << x << "," << y;
    }
    if (s == 7) {  // two empty rows
        for (int c = 0; c < n; ++c)
            EXPECT_EQ(p.count({left + c, left + 1}) + p.count({left + c, left + 7}), 0u);
    }
    // The same pattern at every dab: a second dab elsewhere is the first one shifted.
    form.New1Click();
    form.StampScatter(40, 20, form.imgRGB, clBlack);
    Pixels shifted;
    for (auto [x, y] : p) shifted.insert({x + 10, y - 10});
    EXPECT_EQ(Changed(), shifted);
}
INSTANTIATE_TEST_SUITE_P(AllSizes, ScatterSizes, ::testing::Range(1, 9));

TEST_F(StampTest, BlendingStampsClipWithoutWrapping) {
    form.state.BrushSize = 8;
    form.StampSoft(0, 0, form.imgRGB, clBlack);
    form.StampScatter(63, 63, form.imgRGB, clBlack);
    // Soft reaches -5..4 around (0, 0), scatter 58..67 around (63, 63): nothing lands elsewhere.
    for (auto [x, y] : Changed()) EXPECT_TRUE((x <= 4 && y <= 4) || (x >= 58 && y >= 58)) << x << "," << y;
    EXPECT_EQ(rgb().at(0, 0), clBlack);
    EXPECT_EQ(rgb().at(63, 58), 0x7F7F7Fu);  // the weight 128 of the size 8 scatter's top row
}

TEST_F(StampTest, SoftGreyOnAlphaStaysGrey) {
    form.state.BrushSize = 5;
    form.StampSoft(32, 32, form.imgA, Grey(200));
    form.StampSoft(33, 31, form.imgA, Grey(90));
    for (TColor c : form.imgA.Picture.pixels()) EXPECT_TRUE(Red(c) == Green(c) && Green(c) == Blue(c));
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
}

TEST_F(StampTest, GridKeepsItsLinesUnderACell) {
    form.mniGridClick();
    form.StampSolid(5, 5, form.imgRGB, RGB(9, 8, 7));
    const Bitmap& view = form.imgMain.Picture;
    EXPECT_EQ(view.at(20, 20), RGB(9, 8, 7));
    EXPECT_EQ(view.at(22, 22), RGB(9, 8, 7));
    EXPECT_EQ(view.at(23, 22), clBlack);
    EXPECT_EQ(view.at(22, 23), clBlack);
}

}  // namespace
}  // namespace corvanth
