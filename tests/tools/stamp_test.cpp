#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"
#include "tools/stamps.hpp"

namespace corvanth {
namespace {

using Pixels = std::map<std::pair<int, int>, TColor>;
using Tally = std::map<TColor, int>;

class Stamps : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    Bitmap& rgb() { return form.imgRGB.Picture; }

    // The RGB pixels that are no longer white, with their colours.
    Pixels Changed() {
        Pixels out;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                if (rgb().at(x, y) != clWhite) out[{x, y}] = rgb().at(x, y);
        return out;
    }
    // A picture whose top left is (left, top): '#' black, '+' grey 0x7F7F7F, '.' unchanged.
    static Pixels Art(int left, int top, std::initializer_list<std::string_view> rows) {
        Pixels out;
        int y = top;
        for (std::string_view row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                if (row[c] != '.') out[{left + static_cast<int>(c), y}] = row[c] == '#' ? clBlack : 0x7F7F7Fu;
            ++y;
        }
        return out;
    }
    static Tally Colours(const Pixels& p) {
        Tally t;
        for (const auto& [xy, c] : p) ++t[c];
        return t;
    }
    // Leftmost, rightmost, top and bottom offset of the pixels from (cx, cy).
    static std::array<int, 4> Reach(const Pixels& p, int cx, int cy) {
        std::array<int, 4> r{99, -99, 99, -99};
        for (const auto& [xy, c] : p)
            r = {std::min(r[0], xy.first - cx), std::max(r[1], xy.first - cx), std::min(r[2], xy.second - cy),
                 std::max(r[3], xy.second - cy)};
        return r;
    }
    // One black dab on a new picture.
    Pixels Dab(void (TMain::*stamp)(int, int, TImage&, TColor), int size, int x, int y) {
        form.New1Click();
        form.state.BrushSize = size;
        (form.*stamp)(x, y, form.imgRGB, clBlack);
        return Changed();
    }
};

TEST(BlendWeighted, EachChannelRoundsDown) {
    EXPECT_EQ(BlendWeighted(RGB(10, 200, 30), RGB(250, 0, 100), 64), RGB(70, 149, 47));
}

// Per brush size: the solid dab's reach and count; the soft dab's pixels at weights 255, 128, 32
// (black, grey 127, grey 223 over white), one pixel further every way; the scatter dab's at 255, 128.
struct SizeCase {
    int size, lo, hi, solid, soft255, soft128, soft32, scatter255, scatter128;
};
class StampSizes : public Stamps, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(StampSizes, PixelsOfEveryStamp) {
    const SizeCase k = GetParam();
    const std::array wide{k.lo - 1, k.hi + 1, k.lo - 1, k.hi + 1};
    Pixels p = Dab(&TMain::StampSolid, k.size, 30, 30);
    EXPECT_EQ(Colours(p), (Tally{{clBlack, k.solid}}));
    EXPECT_EQ(Reach(p, 30, 30), (std::array{k.lo, k.hi, k.lo, k.hi}));
    for (const auto& [xy, c] : p) EXPECT_EQ(form.imgMain.Picture.at(4 * xy.first + 3, 4 * xy.second + 3), c);

    p = Dab(&TMain::StampSoft, k.size, 30, 30);
    EXPECT_EQ(Colours(p), (Tally{{clBlack, k.soft255}, {Grey(127), k.soft128}, {Grey(223), k.soft32}}));
    EXPECT_EQ(Reach(p, 30, 30), wide);
    const int mirror = 60 + wide[0] + wide[1];  // a column plus its mirror image about the dab's centre
    for (const auto& [xy, c] : p) {
        const auto [x, y] = xy;
        EXPECT_TRUE(rgb().at(mirror - x, y) == c && rgb().at(x, mirror - y) == c && rgb().at(y, x) == c)
            << x << "," << y;
    }

    p = Dab(&TMain::StampScatter, k.size, 30, 30);
    EXPECT_EQ(Colours(p), (Tally{{clBlack, k.scatter255}, {0x7F7F7Fu, k.scatter128}}));
    EXPECT_EQ(Reach(p, 30, 30), wide);
    Pixels shifted;  // the same dots at every dab
    for (const auto& [xy, c] : p) shifted[{xy.first + 10, xy.second - 10}] = c;
    EXPECT_EQ(Dab(&TMain::StampScatter, k.size, 40, 20), shifted);
}

INSTANTIATE_TEST_SUITE_P(
    AllSizes, StampSizes,
    ::testing::Values(SizeCase{1, 0, 0, 1, 1, 4, 4, 3, 2}, SizeCase{2, -1, 0, 4, 4, 8, 4, 4, 3},
                      SizeCase{3, -1, 1, 6, 5, 8, 8, 5, 5}, SizeCase{4, -2, 1, 12, 12, 12, 8, 6, 6},
                      SizeCase{5, -2, 2, 21, 13, 12, 12, 8, 7}, SizeCase{6, -3, 2, 32, 24, 16, 12, 8, 8},
                      SizeCase{7, -3, 3, 37, 37, 20, 12, 9, 8}, SizeCase{8, -4, 3, 52, 40, 20, 16, 11, 11}),
    [](const auto& info) { return "Size" + std::to_string(info.param.size); });

TEST_F(Stamps, ShapesAndClippingAtTheBorders) {
    EXPECT_EQ(Dab(&TMain::StampSolid, 3, 10, 10), Art(9, 9, {".#.", "###", ".##"}));
    EXPECT_EQ(Dab(&TMain::StampSolid, 8, 0, 0), Art(0, 0, {"####", "####", "###", "##"}));
    EXPECT_EQ(Dab(&TMain::StampSolid, 8, 63, 63).size(), 22u);
    const Pixels soft = Dab(&TMain::StampSoft, 8, 0, 0);
    EXPECT_EQ(soft.size(), 19u);
    EXPECT_EQ(Reach(soft, 0, 0), (std::array{0, 4, 0, 4}));
    const Pixels scatter = Dab(&TMain::StampScatter, 8, 63, 63);
    EXPECT_EQ(scatter.size(), 7u);
    EXPECT_EQ(Reach(scatter, 63, 63), (std::array{-5, 0, -5, -1}));
    for (auto stamp : {&TMain::StampSolid, &TMain::StampSoft, &TMain::StampScatter})
        for (auto [size, x, y] : {std::tuple{8, -5, 30}, {8, 200, -200}, {0, 10, 10}, {9, 10, 10}})
            EXPECT_TRUE(Dab(stamp, size, x, y).empty()) << size << " at " << x << "," << y;
}

TEST_F(Stamps, SoftDabBuildsUp) {
    for (auto [side, diagonal] : {std::pair{127, 223}, {63, 195}}) {
        form.StampSoft(10, 10, form.imgRGB, clBlack);
        EXPECT_EQ(Colours(Changed()), (Tally{{clBlack, 1}, {Grey(side), 4}, {Grey(diagonal), 4}}));
        EXPECT_EQ(rgb().at(10, 9), Grey(side));
        EXPECT_EQ(rgb().at(11, 11), Grey(diagonal));
        EXPECT_EQ(form.imgMain.Picture.at(4 * 9, 4 * 9), Grey(diagonal));
    }
}

TEST_F(Stamps, ScatterPatternOfSizeOne) {
    form.StampScatter(20, 20, form.imgRGB, clBlack);
    EXPECT_EQ(Changed(), Art(19, 19, {".#.", "+.#", ".#+"}));
}

// White over black rounds down to 128 and 32 at the soft weights; a grey over grey stays grey.
TEST_F(Stamps, SoftDabsOnTheAlphaPlane) {
    form.StampSoft(10, 10, form.imgA, clWhite);
    EXPECT_EQ(form.imgA.Picture.at(11, 10), Grey(128));
    EXPECT_EQ(form.imgA.Picture.at(11, 11), Grey(32));
    form.state.BrushSize = 5;
    form.StampSoft(32, 32, form.imgA, Grey(200));
    form.StampSoft(33, 31, form.imgA, Grey(90));
    for (TColor c : form.imgA.Picture.pixels()) EXPECT_TRUE(Red(c) == Green(c) && Green(c) == Blue(c));
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
}

}  // namespace
}  // namespace corvanth
