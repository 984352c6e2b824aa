// TGA files, and our exported PNG, exchanged with ImageMagick 6.9.11 (/usr/bin/convert) and Pillow 9.4
// (/usr/bin/python3).
//
// Pillow reads and writes rows in the order the descriptor gives, so it is the reference for which way up
// an image is. ImageMagick 6.9.11 stores and reads the rows of a bottom-left file top row first, against
// the format: for such files its pixels are compared after a vertical flip. Its top-left files are right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>

#include "../fileio/file_fixture.hpp"
#include "app/tmain.hpp"
#include "fileio/picture_fit.hpp"
#include "fileio/tga_decode.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

using namespace testing;  // the fixture helpers in corvanth::testing

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

// Runs a peer program, its output discarded.
void Run(const std::string& command) {
    ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0) << command;
}
void Pillow(const std::string& args) {
    Run("/usr/bin/python3 " + Quote(CORVANTH_PEER_PILLOW) + " " + args);
}
void Magick(const std::string& args) {
    Run("/usr/bin/convert " + args);
}

// RGBA bytes row by row from the top, as a peer reads the file (TGA or PNG); flipped turns the rows over.
Bytes PeerPixels(const std::string& tga, bool magick, bool flipped) {
    const std::string out = tga + (magick ? ".im.rgba" : ".pil.rgba");
    if (magick)
        Magick(Quote(tga) + " -depth 8 " + Quote("rgba:" + out));
    else
        Pillow("dump " + Quote(tga) + " " + Quote(out));
    Bytes rgba = ReadBytes(out);
    for (std::size_t y = 0; flipped && rgba.size() == 4 * 4096 && y < 32; ++y)
        std::swap_ranges(rgba.begin() + y * 256, rgba.begin() + y * 256 + 256, rgba.end() - (y + 1) * 256);
    return rgba;
}

// The planes as RGBA bytes, alpha from the red byte of the alpha plane.
Bytes PlanesAsRgba(const TMain& main) {
    Bytes out;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const TColor c = main.imgRGB.Picture.GetPixel(x, y);
            out.insert(out.end(), {static_cast<std::uint8_t>(Red(c)), static_cast<std::uint8_t>(Green(c)),
                                   static_cast<std::uint8_t>(Blue(c)),
                                   static_cast<std::uint8_t>(Red(main.imgA.Picture.GetPixel(x, y)))});
        }
    return out;
}

// Names the first pixel that differs.
::testing::AssertionResult SamePixels(const Bytes& got, const Bytes& expected) {
    if (got.size() != 4 * 4096 || expected.size() != got.size())
        return ::testing::AssertionFailure() << "sizes " << got.size() << " and " << expected.size();
    auto rgba = [](const Bytes& b, std::size_t p) {
        return std::to_string(b[p]) + "," + std::to_string(b[p + 1]) + "," + std::to_string(b[p + 2]) + "," +
               std::to_string(b[p + 3]);
    };
    for (std::size_t p = 0; p < got.size(); p += 4)
        if (!std::equal(got.begin() + p, got.begin() + p + 4, expected.begin() + p))
            return ::testing::AssertionFailure() << "first at (" << p / 4 % 64 << ", " << p / 256 << "): got "
                                                 << rgba(got, p) << " expected " << rgba(expected, p);
    return ::testing::AssertionSuccess();
}

// The case name says which peer wrote the file and how: Rgba has alpha, then Rle, TopLeft, Id (an image ID).
class PeerFiles : public ::testing::TestWithParam<const char*> {};

TEST_P(PeerFiles, OpenWithThePixelsThePeersReport) {
    const std::string name = GetParam();
    const bool magick = name.starts_with("Magick"), alpha = name.find("Rgba") != std::string::npos,
               rle = name.find("Rle") != std::string::npos, top = name.find("TopLeft") != std::string::npos,
               id = name.ends_with("Id");
    TempDir dir;
    const std::string png = dir / "source.png", tga = dir / "peer.tga";
    Pillow("png " + Quote(png) + (alpha ? " RGBA" : " RGB"));
    if (magick)
        Magick(Quote(png) + (alpha ? " -type TrueColorAlpha" : " -alpha off -type TrueColor") +
               (rle ? " -compress RLE" : "") + (top ? " -orient TopLeft" : "") +
               (id ? " -set comment 'Corvanth test logo'" : "") + " " + Quote(tga));
    else
        Pillow("tga " + Quote(png) + " " + Quote(tga) + (rle ? " rle" : "") + (top ? " top" : "") +
               (id ? " id" : ""));
    const Bytes file = ReadBytes(tga);  // the file really is the variant the name says
    ASSERT_GE(file.size(), 18u);
    EXPECT_EQ(file[0] != 0, id);
    EXPECT_EQ(file[2], rle ? 10 : 2);
    EXPECT_EQ(file[16], alpha ? 32 : 24);
    EXPECT_EQ((file[17] & 0x20) != 0, top);

    ScriptedPlatform host;
    TMain main(host);
    main.imgA.Picture = Bitmap(64, 64, Grey(0x99));  // a 24-bit file must clear this
    host.openAnswers.push_back(tga);
    main.Open1Click();
    ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
    Bytes pillow = PeerPixels(tga, false, false), imagick = PeerPixels(tga, true, !top);
    for (std::size_t i = 3; !alpha && i < pillow.size() && i < imagick.size(); i += 4)
        pillow[i] = imagick[i] = 0;  // without alpha in the file our plane is black, the peers say opaque
    EXPECT_TRUE(SamePixels(PlanesAsRgba(main), pillow)) << "against Pillow";
    EXPECT_TRUE(SamePixels(PlanesAsRgba(main), imagick)) << "against ImageMagick";
}

INSTANTIATE_TEST_SUITE_P(Peers, PeerFiles,
                         ::testing::Values("PillowRgb", "PillowRgbRle", "PillowRgba", "PillowRgbaRle",
                                           "PillowRgbaTopLeft", "PillowRgbaId", "PillowRgbRleTopLeftId",
                                           "PillowRgbaRleTopLeftId", "MagickRgb", "MagickRgbRle",
                                           "MagickRgba", "MagickRgbaRle", "MagickRgbaTopLeft",
                                           "MagickRgbRleTopLeft", "MagickRgbaId", "MagickRgbaRleTopLeftId"),
                         [](const auto& info) { return std::string(info.param); });

TEST(OurFiles, ReadBackInBothPeers) {
    ScriptedPlatform host;
    TMain main(host);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            main.imgRGB.Picture.at(x, y) = RGB(4 * x + 3, 255 - 4 * y, x * y);
            main.imgA.Picture.at(x, y) = Grey(x < 32 ? 255 - y : y * 2);
        }
    TempDir dir;
    host.saveAnswers.push_back(dir / "ours.tga");
    main.SaveAs1Click();
    ASSERT_TRUE(host.messages.empty());
    EXPECT_TRUE(SamePixels(PeerPixels(dir / "ours.tga", false, false), PlanesAsRgba(main))) << "Pillow";
    EXPECT_TRUE(SamePixels(PeerPixels(dir / "ours.tga", true, true), PlanesAsRgba(main)))
        << "ImageMagick, flipped";
}

// File > Export PNG: both peers read the planes back, alpha included, and the TGA's name stays.
TEST(OurFiles, ExportedPngReadsBackInBothPeers) {
    ScriptedPlatform host;
    TMain main(host);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            main.imgRGB.Picture.at(x, y) = RGB(255 - 4 * x, 4 * y + 1, (x ^ y) * 3);
            main.imgA.Picture.at(x, y) = Grey((x * 5 + y * 3) & 255);
        }
    TempDir dir;
    main.state.FileName = dir / "ours.tga";
    host.saveAnswers.push_back(dir / "ours");
    main.ExportPNG1Click();
    ASSERT_TRUE(host.messages.empty());
    EXPECT_EQ(main.state.FileName, dir / "ours.tga");
    EXPECT_TRUE(SamePixels(PeerPixels(dir / "ours.png", false, false), PlanesAsRgba(main))) << "Pillow";
    EXPECT_TRUE(SamePixels(PeerPixels(dir / "ours.png", true, false), PlanesAsRgba(main))) << "ImageMagick";
}

// Pictures of other sizes written by Pillow, which a named or dropped file is imported from: our decoder
// reads the pixels Pillow reads back, and the form fits them into the planes.
TEST(OddSizes, DecodeAsPillowReadsThem) {
    const std::tuple<int, int, const char*> cases[] = {
        {1, 1, "RGBA"},        {65, 3, "RGBA rle"},        {65, 3, "RGB top"},      {300, 200, "RGBA"},
        {300, 200, "RGB rle"}, {200, 300, "RGBA rle top"}, {3, 130, "RGBA rle top"}};
    for (const auto& [w, h, how] : cases) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h << " " << how);
        const std::string flags = how;
        TempDir dir;
        const std::string tga = dir / "odd.tga", dumped = dir / "odd.rgba";
        Pillow("odd " + std::to_string(w) + " " + std::to_string(h) + " " + Quote(tga) + " " + flags);
        Pillow("dump " + Quote(tga) + " " + Quote(dumped));
        const Bytes file = ReadBytes(tga);
        ASSERT_GE(file.size(), 18u);
        EXPECT_EQ(file[2], flags.find("rle") != std::string::npos ? 10 : 2);
        EXPECT_EQ((file[17] & 0x20) != 0, flags.find("top") != std::string::npos);
        const auto picture = DecodeTgaPicture(file);
        ASSERT_TRUE(picture);
        EXPECT_TRUE(picture->width == w && picture->height == h);
        const Bytes pillow = ReadBytes(dumped);
        ASSERT_EQ(picture->rgba.size(), pillow.size());
        const auto differs = std::ranges::mismatch(picture->rgba, pillow).in1 - picture->rgba.begin();
        EXPECT_EQ(differs, std::ssize(pillow))
            << "first at pixel (" << differs / 4 % w << ", " << differs / 4 / w << ")";
        ScriptedPlatform host;
        TMain main(host);
        main.OpenNamedFile(tga);
        ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
        const FittedPlanes fitted = FitPicture(RgbaPicture{w, h, pillow});
        EXPECT_TRUE(main.imgRGB.Picture == fitted.rgb && main.imgA.Picture == fitted.alpha);
    }
}

}  // namespace
}  // namespace corvanth
