#include "fileio/picture_fit.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace corvanth {
namespace {

struct Rgba {
    int r, g, b, a;
};

RgbaPicture Picture(int w, int h, const std::function<Rgba(int, int)>& at) {
    RgbaPicture p{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgba c = at(x, y);
            p.rgba.insert(p.rgba.end(), {static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                                         static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(c.a)});
        }
    return p;
}

// The padding: white and fully transparent.
void ExpectPadding(const FittedPlanes& f, int x, int y) {
    EXPECT_EQ(f.rgb.at(x, y), clWhite) << x << "," << y;
    EXPECT_EQ(f.alpha.at(x, y), Grey(0)) << x << "," << y;
}

// Pixel for pixel, but white in the colour plane wherever the alpha is 0 (at (0, 0), for one).
TEST(FitPicture, ExactSizeIsTakenPixelForPixelWithItsAlpha) {
    const auto at = [](int x, int y) { return Rgba{x * 4, y * 4, 255 - x, (x * 7 + y * 3) % 256}; };
    const FittedPlanes f = FitPicture(Picture(64, 64, at));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Rgba c = at(x, y);
            ASSERT_EQ(f.rgb.at(x, y), c.a ? RGB(c.r, c.g, c.b) : clWhite) << x << "," << y;
            ASSERT_EQ(f.alpha.at(x, y), Grey(c.a)) << x << "," << y;
        }
}

TEST(FitPicture, SmallerIsCentredNotEnlarged) {
    const FittedPlanes f = FitPicture(Picture(3, 2, [](int x, int) { return Rgba{10 * x, 0, 0, 255}; }));
    // 3 by 2 lands at columns 30..32, rows 31..32.
    EXPECT_EQ(f.rgb.at(30, 31), RGB(0, 0, 0));
    EXPECT_EQ(f.rgb.at(32, 32), RGB(20, 0, 0));
    EXPECT_EQ(f.alpha.at(31, 32), Grey(255));
    for (const auto& [x, y] : {std::pair{29, 31}, {33, 31}, {30, 30}, {30, 33}, {0, 0}, {63, 63}})
        ExpectPadding(f, x, y);
}

// 128 by 64 halves to 64 by 32 at rows 16..47: each plane pixel averages a 2 by 2 block. Red opaque columns
// beside blue transparent ones give half alpha, rounded up, and pure red: hidden colours lend nothing.
TEST(FitPicture, LargerIsAreaAveragedWithColoursWeightedByAlpha) {
    const FittedPlanes f = FitPicture(Picture(128, 64, [](int x, int) {
        return x % 2 ? Rgba{0, 0, 255, 0} : Rgba{255, 0, 0, 255};
    }));
    EXPECT_EQ(f.rgb.at(0, 16), RGB(255, 0, 0));
    EXPECT_EQ(f.alpha.at(0, 16), Grey(128));
    EXPECT_EQ(f.alpha.at(63, 47), Grey(128));
    ExpectPadding(f, 0, 15);
    ExpectPadding(f, 63, 48);
}

// Where the fitted alpha is 0 the colour plane is white, whatever colour the picture hid there; alpha that
// rounds to 1 keeps its colour.
TEST(FitPicture, WhiteWhereNothingShows) {
    const FittedPlanes hidden = FitPicture(Picture(4, 1, [](int x, int) { return Rgba{9, 8, 7, x == 3}; }));
    EXPECT_EQ(hidden.rgb.at(30, 31), clWhite);  // 4 by 1 at columns 30..33, row 31
    EXPECT_EQ(hidden.alpha.at(30, 31), Grey(0));
    EXPECT_EQ(hidden.rgb.at(33, 31), RGB(9, 8, 7));
    EXPECT_EQ(hidden.alpha.at(33, 31), Grey(1));
    // Shrunk by 2: a block with alpha 1 in one pixel of four comes out 0.25, so 0 and white; one with 2
    // comes out 0.5, rounded to 1, in the colour of the pixel that shows.
    const FittedPlanes shrunk = FitPicture(Picture(128, 128, [](int x, int y) {
        const bool shows = x % 2 == 0 && y % 2 == 0;
        return shows ? Rgba{200, 100, 50, x < 64 ? 1 : 2} : Rgba{0, 0, 0, 0};
    }));
    EXPECT_EQ(shrunk.rgb.at(5, 5), clWhite);
    EXPECT_EQ(shrunk.alpha.at(5, 5), Grey(0));
    EXPECT_EQ(shrunk.rgb.at(40, 5), RGB(200, 100, 50));
    EXPECT_EQ(shrunk.alpha.at(40, 5), Grey(1));
}

// 96 to 64 is a step of 1.5 source columns: plane column 0 takes all of column 0 and half of column 1,
// plane column 1 the other half of column 1 and all of column 2. Greys of 2 * column: 2/3 and 10/3.
TEST(FitPicture, FractionalStepsWeighByCoveredArea) {
    const FittedPlanes f = FitPicture(Picture(96, 48, [](int x, int) {
        return Rgba{2 * x, 2 * x, 2 * x, 255};
    }));
    EXPECT_EQ(f.rgb.at(0, 16), RGB(1, 1, 1));
    EXPECT_EQ(f.rgb.at(1, 16), RGB(3, 3, 3));
    EXPECT_EQ(f.rgb.at(63, 47), RGB(189, 189, 189));  // columns 94.5..95: (2*94 + 2*95*2) / 3 = 189.33
    ExpectPadding(f, 0, 15);
}

TEST(FitPicture, ThinAndEmptyPictures) {
    const FittedPlanes thin = FitPicture(Picture(1000, 5, [](int, int) { return Rgba{0, 200, 0, 255}; }));
    EXPECT_EQ(thin.rgb.at(0, 31), RGB(0, 200, 0));  // 0.32 rows: one row, never none
    ExpectPadding(thin, 0, 30);
    ExpectPadding(thin, 0, 32);
    const FittedPlanes none = FitPicture(RgbaPicture{});
    EXPECT_EQ(none.rgb, Bitmap(64, 64, clWhite));
    EXPECT_EQ(none.alpha, Bitmap(64, 64, clBlack));
}

// Into a box of another shape the side that needs it more sets the scale: a tall picture in a wide box
// takes the box's height, 40 rows to 10, and 10 columns to 2.5, which rounds to 3, centred at column 8.
TEST(FitPicture, IntoABoxTheTighterSideSetsTheScale) {
    const FittedPlanes f = FitPicture(Picture(10, 40, [](int, int) { return Rgba{9, 9, 9, 255}; }), 20, 10);
    ASSERT_EQ(f.rgb.width(), 20);
    ASSERT_EQ(f.alpha.height(), 10);
    for (int y = 0; y < 10; ++y) {
        ExpectPadding(f, 7, y);
        for (int x = 8; x < 11; ++x) EXPECT_EQ(f.alpha.at(x, y), Grey(255)) << x << "," << y;
        ExpectPadding(f, 11, y);
    }
    const FittedPlanes small = FitPicture(Picture(4, 2, [](int, int) { return Rgba{9, 9, 9, 255}; }), 5, 5);
    // Never enlarged: columns 0 to 3 and rows 1 and 2 (half of the 3 spare rows, rounded down).
    ExpectPadding(small, 0, 0);
    EXPECT_EQ(small.alpha.at(0, 1), Grey(255));
    EXPECT_EQ(small.alpha.at(3, 2), Grey(255));
    ExpectPadding(small, 4, 2);
    ExpectPadding(small, 3, 3);
}

}  // namespace
}  // namespace corvanth
