// TGA files exchanged with ImageMagick 6.9.11 (/usr/bin/convert) and Pillow 9.4 (/usr/bin/python3).
//
// Pillow reads and writes rows in the order the descriptor gives, so it is the reference for which way up
// an image is. ImageMagick 6.9.11 stores and reads the rows of a bottom-left file top row first, against
// the format: for such files its pixels are compared after a vertical flip. Its top-left files are right.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../fileio/temp_dir.hpp"
#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::ReadBytes;
using testing::TempDir;

constexpr const char* kConvert = "/usr/bin/convert";
constexpr const char* kPython = "/usr/bin/python3";

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

// Runs a peer program; its output goes to the test log only when it fails.
void RunPeer(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    ASSERT_EQ(status, 0) << command;
}

void Pillow(const std::string& args) {
    RunPeer(std::string(kPython) + " " + Quote(CORVANTH_PEER_PILLOW) + " " + args);
}

// RGBA bytes, row by row from the top, as each peer reads a file.
Bytes PillowPixels(const std::string& tga) {
    Pillow("dump " + Quote(tga) + " " + Quote(tga + ".pil.rgba"));
    return ReadBytes(tga + ".pil.rgba");
}

Bytes MagickPixels(const std::string& tga) {
    RunPeer(std::string(kConvert) + " " + Quote(tga) + " -depth 8 " + Quote("rgba:" + tga + ".im.rgba"));
    return ReadBytes(tga + ".im.rgba");
}

Bytes FlipRows(const Bytes& rgba) {
    Bytes out(rgba.size());
    for (std::size_t y = 0; y < 64; ++y)
        std::copy_n(rgba.begin() + static_cast<std::ptrdiff_t>((63 - y) * 256), 256,
                    out.begin() + static_cast<std::ptrdiff_t>(y * 256));
    return out;
}

// With no alpha in the file the editor's alpha plane is black; the peers report it opaque.
Bytes WithAlpha(Bytes rgba, std::uint8_t alpha) {
    for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = alpha;
    return rgba;
}

Bytes PlanesAsRgba(const TMain& main) {
    Bytes out;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const TColor c = main.imgRGB.Picture.GetPixel(x, y);
            out.insert(out.end(), {static_cast<std::uint8_t>(Red(c)), static_cast<std::uint8_t>(Green(c)),
                                   static_cast<std::uint8_t>(Blue(c)),
                                   static_cast<std::uint8_t>(Red(main.imgA.Picture.GetPixel(x, y)))});
        }
    }
    return out;
}

// Names the first few pixels that differ.
::testing::AssertionResult SamePixels(const Bytes& got, const Bytes& expected) {
    if (got.size() != 64 * 64 * 4 || expected.size() != got.size())
        return ::testing::AssertionFailure() << "sizes " << got.size() << " and " << expected.size();
    auto failure = ::testing::AssertionFailure();
    int wrong = 0;
    for (std::size_t p = 0; p < 4096 && wrong < 4; ++p) {
        if (!std::equal(got.begin() + p * 4, got.begin() + p * 4 + 4, expected.begin() + p * 4)) {
            failure << "(" << p % 64 << ", " << p / 64 << "): got " << int(got[p * 4]) << ","
                    << int(got[p * 4 + 1]) << "," << int(got[p * 4 + 2]) << "," << int(got[p * 4 + 3])
                    << " expected " << int(expected[p * 4]) << "," << int(expected[p * 4 + 1]) << ","
                    << int(expected[p * 4 + 2]) << "," << int(expected[p * 4 + 3]) << "; ";
            ++wrong;
        }
    }
    return wrong ? failure : ::testing::AssertionSuccess();
}

struct PeerFile {
    std::string name;
    bool magick;  // written by ImageMagick, else by Pillow
    bool alpha, rle, topLeft, id;
};

void PrintTo(const PeerFile& f, std::ostream* os) { *os << f.name; }

class PeerFiles : public ::testing::TestWithParam<PeerFile> {};

TEST_P(PeerFiles, OpenWithThePixelsThePeersReport) {
    const PeerFile& f = GetParam();
    TempDir dir;
    const std::string png = dir / "source.png", tga = dir / "peer.tga";
    Pillow("png " + Quote(png) + (f.alpha ? " RGBA" : " RGB"));
    if (f.magick) {
        std::string options = f.alpha ? " -type TrueColorAlpha" : " -alpha off -type TrueColor";
        if (f.rle) options += " -compress RLE";
        if (f.topLeft) options += " -orient TopLeft";
        if (f.id) options += " -set comment 'Corvanth test logo'";
        RunPeer(std::string(kConvert) + " " + Quote(png) + options + " " + Quote(tga));
    } else {
        Pillow("tga " + Quote(png) + " " + Quote(tga) + (f.rle ? " rle" : "") + (f.topLeft ? " top" : "") +
               (f.id ? " id" : ""));
    }

    // The file really is the variant this case is about.
    const Bytes file = ReadBytes(tga);
    ASSERT_GE(file.size(), 18u);
    EXPECT_EQ(file[2], f.rle ? 10 : 2);
    EXPECT_EQ(file[16], f.alpha ? 32 : 24);
    EXPECT_EQ((file[17] & 0x20) != 0, f.topLeft);
    EXPECT_EQ(file[0] != 0, f.id);

    testing::ScriptedPlatform host;
    TMain main(host);
    main.imgA.Picture = Bitmap(64, 64, Grey(0x99));  // a 24-bit file must clear this
    host.openAnswers.push_back(tga);
    main.Open1Click();
    ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
    const Bytes ours = PlanesAsRgba(main);

    const Bytes pillow = PillowPixels(tga);
    const Bytes magick = f.topLeft ? MagickPixels(tga) : FlipRows(MagickPixels(tga));
    if (f.alpha) {
        EXPECT_TRUE(SamePixels(ours, pillow)) << "against Pillow";
        EXPECT_TRUE(SamePixels(ours, magick)) << "against ImageMagick";
    } else {
        EXPECT_TRUE(SamePixels(ours, WithAlpha(pillow, 0))) << "against Pillow";
        EXPECT_TRUE(SamePixels(ours, WithAlpha(magick, 0))) << "against ImageMagick";
    }
}

INSTANTIATE_TEST_SUITE_P(Peers, PeerFiles,
                         ::testing::Values(PeerFile{"PillowRgb", false, false, false, false, false},
                                           PeerFile{"PillowRgbRle", false, false, true, false, false},
                                           PeerFile{"PillowRgba", false, true, false, false, false},
                                           PeerFile{"PillowRgbaRle", false, true, true, false, false},
                                           PeerFile{"PillowRgbaTopLeft", false, true, false, true, false},
                                           PeerFile{"PillowRgbaId", false, true, false, false, true},
                                           PeerFile{"PillowRgbRleTopLeftId", false, false, true, true, true},
                                           PeerFile{"PillowRgbaRleTopLeftId", false, true, true, true, true},
                                           PeerFile{"MagickRgb", true, false, false, false, false},
                                           PeerFile{"MagickRgbRle", true, false, true, false, false},
                                           PeerFile{"MagickRgba", true, true, false, false, false},
                                           PeerFile{"MagickRgbaRle", true, true, true, false, false},
                                           PeerFile{"MagickRgbaTopLeft", true, true, false, true, false},
                                           PeerFile{"MagickRgbRleTopLeft", true, false, true, true, false},
                                           PeerFile{"MagickRgbaId", true, true, false, false, true},
                                           PeerFile{"MagickRgbaRleTopLeftId", true, true, true, true, true}),
                         [](const auto& info) { return info.param.name; });

TEST(OurFiles, ReadBackInBothPeers) {
    testing::ScriptedPlatform host;
    TMain main(host);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            main.imgRGB.Picture.at(x, y) = RGB(4 * x + 3, 255 - 4 * y, x * y);
            main.imgA.Picture.at(x, y) = Grey(x < 32 ? 255 - y : y * 2);
        }
    }
    TempDir dir;
    host.saveAnswers.push_back(dir / "ours.tga");
    main.SaveAs1Click();
    ASSERT_TRUE(host.messages.empty());
    const Bytes ours = PlanesAsRgba(main);
    EXPECT_TRUE(SamePixels(PillowPixels(dir / "ours.tga"), ours)) << "Pillow, colour and alpha";
    EXPECT_TRUE(SamePixels(FlipRows(MagickPixels(dir / "ours.tga")), ours)) << "ImageMagick, flipped";
}

}  // namespace
}  // namespace corvanth
