#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

#include "app/tmain.hpp"
#include "filters/blur.hpp"
#include "filters/emboss.hpp"
#include "filters/transform.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

Bitmap RandomPlane(unsigned seed) {
    std::mt19937 rng(seed);
    Bitmap b(64, 64);
    for (TColor& c : b.pixels()) c = rng() & 0xFFFFFF;
    return b;
}

// One white pixel in a black plane, blurred: (dx, dy, value) around it, every channel alike.
struct Spread {
    int dx, dy, value;
};
struct BlurCase {
    int row;
    int x, y;
    std::vector<Spread> expect;
};

// clang-format off
const BlurCase kBlurCases[] = {
    // inside: centre, a side and a diagonal neighbour, and one beyond the 3 by 3 block
    {0, 30, 30, {{0, 0, 177}, {1, 0, 17}, {0, -1, 17}, {1, 1, 1}, {-1, 1, 1}, {2, 0, 0}}},
    {1, 30, 30, {{0, 0, 131}, {-1, 0, 17}, {0, 1, 17}, {1, -1, 13}, {-1, -1, 13}}},
    {2, 30, 30, {{0, 0, 115}, {1, 0, 23}, {0, 1, 23}, {1, 1, 11}, {-1, 1, 11}}},
    {3, 30, 30, {{0, 0, 28}, {1, 0, 28}, {0, -1, 28}, {1, 1, 28}, {-1, -1, 28}, {0, 2, 0}}},
    // top edge: the neighbours along the edge divide by the edge sum, the ones below by the inside sum
    {0, 30, 0, {{0, 0, 193}, {-1, 0, 19}, {1, 0, 19}, {0, 1, 17}, {1, 1, 1}}},
    {1, 30, 0, {{0, 0, 159}, {-1, 0, 21}, {0, 1, 17}, {-1, 1, 13}}},
    {2, 30, 0, {{0, 0, 141}, {1, 0, 28}, {0, 1, 23}, {1, 1, 11}}},
    {3, 30, 0, {{0, 0, 42}, {1, 0, 42}, {0, 1, 28}, {-1, 1, 28}}},
    // corners: the two side neighbours lie on edges, the diagonal one inside
    {0, 0, 0, {{0, 0, 210}, {1, 0, 19}, {0, 1, 19}, {1, 1, 1}}},
    {1, 63, 63, {{0, 0, 186}, {-1, 0, 21}, {0, -1, 21}, {-1, -1, 13}}},
    {2, 0, 63, {{0, 0, 170}, {1, 0, 28}, {0, -1, 28}, {1, -1, 11}}},
    {3, 63, 63, {{0, 0, 64}, {-1, 0, 42}, {0, -1, 42}, {-1, -1, 28}}},
};
// clang-format on

TEST(Blur, OneWhitePixelSpreadsByTheWeights) {
    for (const BlurCase& c : kBlurCases) {
        Bitmap plane(64, 64, clBlack);
        plane.at(c.x, c.y) = clWhite;
        const Bitmap out = BlurPlane(plane, kBlurWeights[c.row]);
        for (const Spread& s : c.expect)
            EXPECT_EQ(out.at(c.x + s.dx, c.y + s.dy), Grey(s.value))
                << kBlurWeights[c.row].strength << "% at " << c.x + s.dx << "," << c.y + s.dy;
    }
}

// Straight from the definition: each channel of each pixel on its own, positions tried one by one.
TColor ReferenceBlur(const Bitmap& p, int x, int y, const BlurWeights& w) {
    int out[3] = {};
    for (int channel = 0; channel < 3; ++channel) {
        long sum = 0, weights = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                if (!p.contains(x + dx, y + dy)) continue;
                const int weight = dx == 0 && dy == 0 ? w.C : dx == 0 || dy == 0 ? w.S : w.D;
                sum += weight * (p.at(x + dx, y + dy) >> (8 * channel) & 0xFF);
                weights += weight;
            }
        out[channel] = static_cast<int>(sum / weights);
    }
    return RGB(out[0], out[1], out[2]);
}

TEST(Blur, RandomPlanesMatchThePlainDefinition) {
    for (unsigned seed : {1u, 2u}) {
        const Bitmap plane = RandomPlane(seed);
        for (const BlurWeights& w : kBlurWeights) {
            const Bitmap out = BlurPlane(plane, w);
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    ASSERT_EQ(out.at(x, y), ReferenceBlur(plane, x, y, w))
                        << w.strength << "% " << x << "," << y;
        }
    }
}

TEST(Emboss, FourTimesTheCentreLessItsSidesModulo256) {
    Bitmap dot(64, 64, clBlack);
    dot.at(10, 10) = clWhite;
    const Bitmap e = EmbossPlane(dot);
    EXPECT_EQ(e.at(10, 10), Grey(252));  // 1020 mod 256
    for (auto [x, y] : {std::pair{9, 10}, {11, 10}, {10, 9}, {10, 11}}) EXPECT_EQ(e.at(x, y), Grey(1));
    EXPECT_EQ(e.at(9, 9), clBlack);
    EXPECT_EQ(e.at(12, 10), clBlack);

    // A flat plane: black inside, its colour on the edges, twice it at the corners.
    const Bitmap white = EmbossPlane(Bitmap(64, 64, clWhite));
    // clang-format off
    for (auto [x, y, grey] : {std::tuple{30, 30, 0}, {30, 0, 255}, {0, 30, 255}, {63, 30, 255}, {30, 63, 255},
                              {0, 0, 254}, {63, 0, 254}, {0, 63, 254}, {63, 63, 254}})
        // clang-format on
        EXPECT_EQ(white.at(x, y), Grey(grey)) << x << "," << y;
    const Bitmap flat = EmbossPlane(Bitmap(64, 64, RGB(100, 0, 200)));
    EXPECT_EQ(flat.at(0, 0), RGB(200, 0, 144));
    EXPECT_EQ(flat.at(5, 0), RGB(100, 0, 200));
    EXPECT_EQ(EmbossPlane(Bitmap(64, 64, clBlack)), Bitmap(64, 64, clBlack));

    // Channels stay apart: a pixel that differs only in red changes only red values.
    Bitmap red(64, 64, RGB(0, 70, 70));
    red.at(20, 20) = RGB(3, 70, 70);
    EXPECT_EQ(EmbossPlane(red).at(20, 20), RGB(12, 0, 0));
    EXPECT_EQ(EmbossPlane(red).at(21, 20), RGB(253, 0, 0));
}

// Entry k weighs the pixel (k % 3 - 1, k / 3 - 1) away, so a lone dot of 1 comes out as the kernel turned
// half way round.
TEST(Emboss, EachKernelEntryWeighsItsOwnNeighbour) {
    Bitmap dot(3, 3, clBlack);
    dot.at(1, 1) = Grey(1);
    const Bitmap out = ConvolvePlane(dot, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const int want[3][3] = {{9, 8, 7}, {6, 5, 4}, {3, 2, 1}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(out.at(x, y), Grey(want[y][x])) << x << "," << y;
}

// An "F" in two colours: asymmetric every way, so each turn and mirror shows.
Bitmap Picture(std::initializer_list<std::string_view> rows) {
    Bitmap b(static_cast<int>(rows.size()), static_cast<int>(rows.size()));
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < b.width(); ++x) b.at(x, y) = row[x] == '#' ? 0x0000FF : 0xFF0000;
        ++y;
    }
    return b;
}

TEST(Transform, TheFTurnsAndMirrors) {
    const Bitmap f = Picture({"###..", "#....", "##...", "#....", "#...."});
    const std::pair<Transform, Bitmap> cases[] = {
        {Transform::Rotate90, Picture({"#####", "..#.#", "....#", ".....", "....."})},
        {Transform::Rotate180, Picture({"....#", "....#", "...##", "....#", "..###"})},
        {Transform::Rotate270, Picture({".....", ".....", "#....", "#.#..", "#####"})},
        {Transform::FlipHorizontal, Picture({"..###", "....#", "...##", "....#", "....#"})},
        {Transform::FlipVertical, Picture({"#....", "#....", "##...", "#....", "###.."})},
    };
    for (const auto& [t, want] : cases) EXPECT_EQ(RemapPlane(f, t), want) << static_cast<int>(t);
}

TEST(Transform, TurnsAndMirrorsUndoEachOther) {
    const Bitmap p = RandomPlane(4);
    const auto apply = [](Bitmap b, std::initializer_list<Transform> ts) {
        for (Transform t : ts) b = RemapPlane(b, t);
        return b;
    };
    using enum Transform;
    for (auto ts : {std::initializer_list<Transform>{Rotate90, Rotate90, Rotate90, Rotate90},
                    {Rotate90, Rotate270},
                    {Rotate180, Rotate180},
                    {FlipHorizontal, FlipHorizontal},
                    {FlipVertical, FlipVertical}})
        EXPECT_EQ(apply(p, ts), p);
    EXPECT_EQ(apply(p, {FlipHorizontal, FlipVertical}), RemapPlane(p, Rotate180));
}

struct FilterCommands : ::testing::Test {
    testing::ScriptedPlatform host;
    TMain main{host};
    Bitmap& rgb() { return main.imgRGB.Picture; }
    Bitmap& alpha() { return main.imgA.Picture; }
    void SetUp() override {
        rgb() = RandomPlane(5);
        alpha() = RandomPlane(6);
    }
};

TEST_F(FilterCommands, TransformsTurnBothPlanesAndUndoBringsThemBack) {
    main.imgAClick();  // alpha mode: the RGB plane still turns with it
    main.state.SelectionRect = {1, 2, 10, 20};
    main.state.CurrentTool = 4;
    const Bitmap rgb0 = rgb(), alpha0 = alpha();
    const std::pair<void (TMain::*)(), Transform> commands[] = {
        {&TMain::N901Click, Transform::Rotate90},
        {&TMain::N4Click, Transform::Rotate180},
        {&TMain::N5Click, Transform::Rotate270},
        {&TMain::FlipHorizontal1Click, Transform::FlipHorizontal},
        {&TMain::FlipVertical1Click, Transform::FlipVertical},
    };
    for (const auto& [command, t] : commands) {
        main.state.SelectionActive = true;  // undo drops it
        (main.*command)();
        EXPECT_EQ(rgb(), RemapPlane(rgb0, t));
        EXPECT_EQ(alpha(), RemapPlane(alpha0, t));
        EXPECT_EQ(main.imgMain.Picture.at(5, 9), alpha().at(1, 2)) << "the view shows the turned alpha plane";
        EXPECT_EQ(main.state.SelectionRect, (SelectionCorners{1, 2, 10, 20}));
        EXPECT_TRUE(main.state.SelectionActive);
        main.Undo1Click();
        EXPECT_EQ(rgb(), rgb0);
        EXPECT_EQ(alpha(), alpha0);
    }
    EXPECT_EQ(main.state.AlphaMode, 1);
    EXPECT_EQ(main.state.CurrentTool, 4);
}

TEST_F(FilterCommands, BlurAndEmbossChangeOnlyTheRgbPlane) {
    main.imgAClick();
    const Bitmap rgb0 = rgb(), alpha0 = alpha(), view0 = main.imgMain.Picture;
    main.Emboss1Click();
    EXPECT_EQ(rgb(), EmbossPlane(rgb0));
    EXPECT_EQ(alpha(), alpha0);
    EXPECT_EQ(main.imgMain.Picture, view0);
    main.Undo1Click();
    EXPECT_EQ(rgb(), rgb0);

    // Blur keeps no undo copy: undo goes back to the last command that took one, here the emboss.
    main.Emboss1Click();
    const Bitmap embossed = rgb();
    main.N901Click();
    const Bitmap turned = rgb();
    main.Blur101Click();
    EXPECT_EQ(rgb(), BlurPlane(turned, kBlurWeights[0]));
    main.Blur1001Click();
    EXPECT_EQ(alpha(), RemapPlane(alpha0, Transform::Rotate90));
    main.Undo1Click();
    EXPECT_EQ(rgb(), embossed);
    EXPECT_EQ(alpha(), alpha0);
    // Each strength of the menu: a lone white pixel keeps its own share.
    for (auto [command, centre] : {std::pair{&TMain::Blur101Click, 177},
                                   {&TMain::Blur251Click, 131},
                                   {&TMain::Blur501Click, 115},
                                   {&TMain::Blur1001Click, 28}}) {
        rgb() = Bitmap(64, 64, clBlack);
        rgb().at(30, 30) = clWhite;
        (main.*command)();
        EXPECT_EQ(rgb().at(30, 30), Grey(centre));
    }
}

}  // namespace
}  // namespace corvanth
