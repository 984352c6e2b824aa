#include <gtest/gtest.h>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

TEST(Document, StartsWhiteAndBlack) {
    testing::ScriptedPlatform host;
    TMain main(host);
    EXPECT_EQ(main.imgRGB.Picture, Bitmap(64, 64, clWhite));
    EXPECT_EQ(main.imgA.Picture, Bitmap(64, 64, clBlack));
    EXPECT_EQ(main.imgMain.Picture, Bitmap(256, 256, clWhite));
}

}  // namespace
}  // namespace corvanth
