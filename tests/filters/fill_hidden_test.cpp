#include "filters/fill_hidden.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

// R red and B blue visible pixels, M their average (128, 0, 128); '.' is transparent (shown white).
TColor Colour(char c) {
    switch (c) {
        case 'R':
            return RGB(255, 0, 0);
        case 'B':
            return RGB(0, 0, 255);
        case 'M':
            return RGB(128, 0, 128);
        default:
            return clWhite;
    }
}

Bitmap Rgb(const std::vector<std::string_view>& rows) {
    Bitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) b.at(x, y) = Colour(rows[y][x]);
    return b;
}

Bitmap Alpha(const std::vector<std::string_view>& rows) {
    Bitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) b.at(x, y) = Grey(rows[y][x] == '.' ? 0 : 1);
    return b;
}

TEST(FillHiddenColours, GrowsRingByRingAveragingTheNearest) {
    using Picture = std::vector<std::string_view>;
    const std::pair<Picture, Picture> cases[] = {
        {{".....", "..R..", "....."}, {"RRRRR", "RRRRR", "RRRRR"}},
        {{"R...B."}, {"RRMBBB"}},  // the third pixel lies two from red and two from blue
        {{"R..", "...", "..B"}, {"RRM", "RMB", "MBB"}},  // the corners take R, M and B of the ring before
        {{"R..", "..B"}, {"RMB", "RMB"}},                // the diagonal neighbours count too
        {{"...", "..."}, {"...", "..."}},                // nothing visible: left alone
    };
    for (const auto& [before, after] : cases)
        EXPECT_EQ(FillHiddenColours(Rgb(before), Alpha(before)), Rgb(after)) << before[0];
}

TEST(FillHiddenColours, MenuCommandChangesOnlyTheRgbPlaneAfterAnUndoCopy) {
    testing::ScriptedPlatform host;
    TMain main(host);
    main.imgRGB.Picture.at(3, 3) = RGB(255, 0, 0);
    main.imgA.Picture.at(3, 3) = Grey(200);
    const Bitmap rgb = main.imgRGB.Picture, alpha = main.imgA.Picture;
    main.FillHiddenColours1Click();
    EXPECT_EQ(main.imgRGB.Picture, Bitmap(64, 64, RGB(255, 0, 0)));
    EXPECT_EQ(main.imgA.Picture, alpha);
    EXPECT_EQ(main.imgUndoRGB.Picture, rgb);
    EXPECT_EQ(main.imgMain.Picture.GetPixel(255, 255), RGB(255, 0, 0));  // the view follows
}

}  // namespace
}  // namespace corvanth
