#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"
#include "tools/stamps.hpp"

namespace corvanth {
namespace {

using Pixels = std::map<std::pair<int, int>, TColor>;
using Tally = std::map<TColor, int>;
using Stamp = void (TMain::*)(int, int, TImage&, TColor);
constexpr Stamp kStamps[] = {&TMain::StampSolid, &TMain::StampSoft, &TMain::StampScatter};

Tally Colours(const Pixels& p) {
    Tally t;
    for (const auto& [xy, c] : p) ++t[c];
    return t;
}

// Leftmost, rightmost, top and bottom offset of the pixels from (30, 30).
std::array<int, 4> Reach(const Pixels& p) {
    std::array<int, 4> r{99, -99, 99, -99};
    for (const auto& [xy, c] : p)
        r = {std::min(r[0], xy.first - 30), std::max(r[1], xy.first - 30), std::min(r[2], xy.second - 30),
             std::max(r[3], xy.second - 30)};
    return r;
}

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
    // One black dab on a new picture.
    Pixels Dab(Stamp stamp, int size, int x, int y) {
        form.New1Click();
        form.state.BrushSize = size;
        (form.*stamp)(x, y, form.imgRGB, clBlack);
        return Changed();
    }
};

TEST(BlendWeighted, EachChannelRoundsDown) {
    EXPECT_EQ(BlendWeighted(RGB(10, 200, 30), RGB(250, 0, 100), 64), RGB(70, 149, 47));
}

// Per brush size: the solid dab's count, reaching -(size / 2) to (size - 1) / 2; the soft dab's pixels at
// weights 255, 128, 32 (black, grey 127, grey 223 over white) and the scatter dab's at 255, 128, both one
// pixel further every way. Each dab is the same at any pixel, cut off at the borders without wrapping.
TEST_F(Stamps, EverySizeOfEveryStamp) {
    const int counts[8][6] = {{1, 1, 4, 4, 3, 2},     {4, 4, 8, 4, 4, 3},      {6, 5, 8, 8, 5, 5},
                              {12, 12, 12, 8, 6, 6},  {21, 13, 12, 12, 8, 7},  {32, 24, 16, 12, 8, 8},
                              {37, 37, 20, 12, 9, 8}, {52, 40, 20, 16, 11, 11}};
    for (int size = 1; size <= 8; ++size) {
        const auto& [solid, soft255, soft128, soft32, scatter255, scatter128] = counts[size - 1];
        const Tally tallies[] = {{{clBlack, solid}},
                                 {{clBlack, soft255}, {Grey(127), soft128}, {Grey(223), soft32}},
                                 {{clBlack, scatter255}, {0x7F7F7Fu, scatter128}}};
        const int lo = -size / 2, hi = (size - 1) / 2;
        for (int s = 0; s < 3; ++s) {
            SCOPED_TRACE(::testing::Message() << "size " << size << " stamp " << s);
            const Pixels p = Dab(kStamps[s], size, 30, 30);
            EXPECT_EQ(Colours(p), tallies[s]);
            const int out = s > 0;  // soft and scatter dabs reach one pixel further
            EXPECT_EQ(Reach(p), (std::array{lo - out, hi + out, lo - out, hi + out}));
            const int mirror = 60 + lo + hi;  // a column plus its mirror image about the dab's centre
            for (const auto& [xy, c] : p) {
                const auto [x, y] = xy;
                EXPECT_EQ(form.imgMain.Picture.at(4 * x + 3, 4 * y + 3), c);
                EXPECT_TRUE(s != 1 || (rgb().at(mirror - x, y) == c && rgb().at(x, mirror - y) == c &&
                                       rgb().at(y, x) == c))
                    << x << "," << y;
            }
            for (int d : {-30, 11, 33}) {
                Pixels moved;
                for (const auto& [xy, c] : p)
                    if (std::min(xy.first, xy.second) + d >= 0 && std::max(xy.first, xy.second) + d < 64)
                        moved[{xy.first + d, xy.second + d}] = c;
                EXPECT_EQ(Dab(kStamps[s], size, 30 + d, 30 + d), moved) << d;
            }
        }
    }
}

// One black dab of each kind at (10, 10), pixel for pixel: k black, m grey 127 (weight 128 over white for
// soft, 0x7F7F7F for scatter), l grey 223 (weight 32); the picture's top-left is (10 - side / 2) each way.
TEST_F(Stamps, DabsPixelForPixel) {
    const std::tuple<Stamp, int, std::vector<const char*>> dabs[] = {
        {&TMain::StampSolid, 3, {".k.", "kkk", ".kk"}},
        {&TMain::StampSolid,
         7,
         {"..kkk..", ".kkkkk.", "kkkkkkk", "kkkkkkk", "kkkkkkk", ".kkkkk.", "..kkk.."}},
        {&TMain::StampSoft, 2, {"lmml", "mkkm", "mkkm", "lmml"}},
        {&TMain::StampScatter, 1, {".k.", "m.k", ".km"}},  // nothing at the centre
        {&TMain::StampScatter, 3, {".k.m.", "m..k.", ".k..m", "m.k..", ".k.m."}},
        {&TMain::StampScatter,
         6,
         {"..k.m...", "......k.", "m.k.m...", ".....k.m", "k...m...", "..k....m", ".k..m...", "...k.m.."}}};
    for (const auto& [stamp, size, picture] : dabs) {
        Pixels expected;
        const int side = static_cast<int>(picture.size()), origin = 10 - side / 2;
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c)
                if (const char p = picture[r][c]; p != '.')
                    expected[{origin + c, origin + r}] = p == 'k'   ? clBlack
                                                         : p == 'm' ? Grey(127)
                                                                    : Grey(223);
        EXPECT_EQ(Dab(stamp, size, 10, 10), expected) << "size " << size;
    }
}

TEST_F(Stamps, ExamplesAndDabsThatPaintNothing) {
    EXPECT_EQ(Dab(&TMain::StampSolid, 8, 0, 0).size(), 13u);
    EXPECT_EQ(Dab(&TMain::StampSolid, 8, 63, 63).size(), 22u);
    for (Stamp stamp : kStamps)
        for (auto [size, x, y] : {std::tuple{8, -5, 30}, {8, 200, -200}, {0, 10, 10}, {9, 10, 10}})
            EXPECT_TRUE(Dab(stamp, size, x, y).empty()) << size << " at " << x << "," << y;
}

TEST_F(Stamps, SoftDabBuildsUp) {
    for (auto [side, diagonal] : {std::pair{127, 223}, {63, 195}}) {
        form.StampSoft(10, 10, form.imgRGB, clBlack);
        EXPECT_EQ(Colours(Changed()), (Tally{{clBlack, 1}, {Grey(side), 4}, {Grey(diagonal), 4}}));
        EXPECT_TRUE(rgb().at(10, 9) == Grey(side) && rgb().at(11, 11) == Grey(diagonal));
    }
}

// Once the dab's pixels hold its colour, the next dab writes nothing, so nothing is repainted.
TEST_F(Stamps, DabOverItsOwnColourWritesNothing) {
    for (Stamp stamp : kStamps) {
        for (int i = 0; i < 100; ++i) (form.*stamp)(10, 10, form.imgRGB, clBlack);
        const auto plane = rgb().changes(), view = form.imgMain.Picture.changes();
        (form.*stamp)(10, 10, form.imgRGB, clBlack);
        EXPECT_EQ(rgb().changes(), plane);
        EXPECT_EQ(form.imgMain.Picture.changes(), view);
    }
}

// White over black gives 128 and 32 at the soft weights; the RGB plane is untouched.
TEST_F(Stamps, SoftDabOnTheAlphaPlane) {
    form.StampSoft(10, 10, form.imgA, clWhite);
    EXPECT_TRUE(form.imgA.Picture.at(11, 10) == Grey(128) && form.imgA.Picture.at(11, 11) == Grey(32));
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
}

}  // namespace
}  // namespace corvanth
