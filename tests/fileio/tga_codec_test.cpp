#include <gtest/gtest.h>

#include <string>

#include "fileio/tga_decode.hpp"
#include "fileio/tga_encode.hpp"
#include "fileio/tga_rle.hpp"
#include "tga_fixture.hpp"

namespace corvanth {
namespace {

using testing::Concat;
using testing::SampleAlpha;
using testing::SampleColor;
using testing::SamplePixels;
using testing::TgaHeader;
using testing::TgaHeaderFields;
using Bytes = std::vector<std::uint8_t>;

Bitmap SampleRgb() {
    Bitmap b(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) b.at(x, y) = SampleColor(x, y);
    return b;
}

Bitmap SampleAlphaPlane() {
    Bitmap b(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) b.at(x, y) = Grey(SampleAlpha(x, y));
    return b;
}

// Reports the first few wrong pixels rather than a bare "differs".
void ExpectSample(const TgaPixels& got, int depth) {
    ASSERT_EQ(got.result, TgaLoadResult::Loaded);
    ASSERT_EQ(got.depth, depth);
    int wrong = 0;
    for (int y = 0; y < 64 && wrong < 4; ++y) {
        for (int x = 0; x < 64 && wrong < 4; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * 64 + x);
            const int alpha = depth == 32 ? SampleAlpha(x, y) : 0;
            if (got.rgb[at] != SampleColor(x, y) || got.alpha[at] != alpha) {
                ++wrong;
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex << got.rgb[at] << "/"
                              << int(got.alpha[at]) << " instead of " << SampleColor(x, y) << "/" << alpha;
            }
        }
    }
}

TEST(TgaEncode, ClearedDocumentIsHeaderThenWhiteTransparentPixels) {
    Bytes expected{0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                   0x00, 0x00, 0x00, 0x40, 0x00, 0x40, 0x00, 0x20, 0x00};
    for (int i = 0; i < 4096; ++i) expected.insert(expected.end(), {0xFF, 0xFF, 0xFF, 0x00});
    EXPECT_EQ(EncodeTgaImage(Bitmap(64, 64, clWhite), Bitmap(64, 64, clBlack)), expected);
    EXPECT_EQ(expected.size(), 16402u);
}

TEST(TgaEncode, BottomLeftFirstTopRightLastAlphaFromRedByte) {
    Bitmap rgb(64, 64, clWhite), alpha(64, 64, clBlack);
    rgb.at(0, 63) = RGB(0x11, 0x22, 0x33);
    alpha.at(0, 63) = Grey(0x44);
    rgb.at(63, 0) = RGB(0x55, 0x66, 0x77);
    alpha.at(63, 0) = 0xFFFF80;  // not a grey: only the red byte counts
    const Bytes file = EncodeTgaImage(rgb, alpha);
    ASSERT_EQ(file.size(), 16402u);
    EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 22), (Bytes{0x33, 0x22, 0x11, 0x44}));
    EXPECT_EQ(Bytes(file.end() - 4, file.end()), (Bytes{0x77, 0x66, 0x55, 0x80}));
}

TEST(TgaCodec, RoundTripRestoresBothPlanes) {
    const TgaPixels got = DecodeTgaImage(EncodeTgaImage(SampleRgb(), SampleAlphaPlane()));
    ExpectSample(got, 32);
}

// Header checks and their order: each row is a file length with the fields that matter.
struct CheckCase {
    std::string name;
    TgaHeaderFields header;
    std::size_t length;
    TgaLoadResult expected;
};

class TgaChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TgaChecks, GiveTheResultOfTheFirstFailingCheck) {
    const CheckCase& c = GetParam();
    Bytes file = TgaHeader(c.header);
    file.resize(c.length, 0x5A);
    EXPECT_EQ(DecodeTgaImage(file).result, c.expected);
}

TgaHeaderFields Depth(int d) {
    TgaHeaderFields h;
    h.depth = static_cast<std::uint8_t>(d);
    return h;
}

TgaHeaderFields WithWidth(std::uint16_t w) {
    TgaHeaderFields h;
    h.width = w;
    return h;
}

TgaHeaderFields WithHeight(std::uint16_t ht) {
    TgaHeaderFields h;
    h.height = ht;
    return h;
}

TgaHeaderFields WithId(std::uint8_t n, int depth = 32) {
    TgaHeaderFields h = Depth(depth);
    h.idLength = n;
    return h;
}

TgaHeaderFields WithColorMap(std::uint8_t type, std::uint16_t entries, std::uint8_t bits) {
    TgaHeaderFields h;
    h.colorMapType = type;
    h.colorMapLength = entries;
    h.colorMapEntryBits = bits;
    return h;
}

using R = TgaLoadResult;
INSTANTIATE_TEST_SUITE_P(
    Lengths, TgaChecks,
    ::testing::Values(
        CheckCase{"Empty", {}, 0, R::WrongSize}, CheckCase{"HeaderCut", {}, 17, R::WrongSize},
        CheckCase{"Bits24Exact", Depth(24), 12306, R::Loaded},
        CheckCase{"Bits24OneShort", Depth(24), 12305, R::WrongSize},
        CheckCase{"Bits32Exact", Depth(32), 16402, R::Loaded},
        CheckCase{"Bits32OneShort", Depth(32), 16401, R::WrongSize},
        CheckCase{"Bits32WithFooter", Depth(32), 16402 + 26, R::Loaded},
        CheckCase{"Width320", WithWidth(0x140), 100000, R::WrongSize},
        CheckCase{"Height320", WithHeight(0x140), 100000, R::WrongSize},
        CheckCase{"Width0", WithWidth(0), 100000, R::WrongSize},
        CheckCase{"Bits16Long", Depth(16), 8210, R::WrongDepth},
        CheckCase{"Bits16Short", Depth(16), 8209, R::WrongSize},
        CheckCase{"Bits8Long", Depth(8), 4114, R::WrongDepth},
        CheckCase{"Bits8Short", Depth(8), 4113, R::WrongSize},
        CheckCase{"Bits0", Depth(0), 18, R::WrongDepth},
        CheckCase{"Bits33Long", Depth(33), 16402, R::WrongDepth},
        CheckCase{"Bits33Short", Depth(33), 16401, R::WrongSize},
        CheckCase{"IdGrowsTheLeast", WithId(255), 16402 + 255, R::Loaded},
        CheckCase{"IdLongerThanFile", WithId(255), 16402 + 254, R::WrongSize},
        CheckCase{"IdBits24", WithId(9, 24), 12306 + 8, R::WrongSize},
        CheckCase{"ColorMapGrowsTheLeast", WithColorMap(1, 300, 24), 16402 + 900, R::Loaded},
        CheckCase{"ColorMapLongerThanFile", WithColorMap(1, 300, 24), 16402 + 899, R::WrongSize},
        CheckCase{"ColorMapBits15TakeTwoBytes", WithColorMap(1, 10, 15), 16402 + 19, R::WrongSize},
        CheckCase{"ColorMapFieldsWithoutMap", WithColorMap(0, 65535, 32), 16402, R::Loaded}),
    [](const auto& info) { return info.param.name; });

// Where the pixels start and which way they run: the sample must come out the right way round.
struct LayoutCase {
    std::string name;
    TgaHeaderFields header;
    Bytes beforePixels;
};

class TgaLayouts : public ::testing::TestWithParam<std::tuple<LayoutCase, int>> {};

TEST_P(TgaLayouts, LoadTheSampleUpright) {
    auto [c, depth] = GetParam();
    c.header.depth = static_cast<std::uint8_t>(depth);
    const Bytes file =
        Concat(Concat(Concat(TgaHeader(c.header), c.beforePixels), SamplePixels(depth, c.header.descriptor)),
               Bytes(26, 0xEE));
    ExpectSample(DecodeTgaImage(file), depth);
}

LayoutCase Descriptor(std::string name, std::uint8_t d) {
    TgaHeaderFields h;
    h.descriptor = d;
    return {std::move(name), h, {}};
}

INSTANTIATE_TEST_SUITE_P(
    Origins, TgaLayouts,
    ::testing::Combine(::testing::Values(Descriptor("BottomLeft", 0x00),
                                         Descriptor("BottomLeftAlphaBits", 0x08), Descriptor("TopLeft", 0x28),
                                         Descriptor("BottomRight", 0x10), Descriptor("TopRight", 0x30),
                                         Descriptor("InterleaveBitsIgnored", 0xC0),
                                         LayoutCase{"IdField", WithId(5), {'l', 'o', 'g', 'o', 0}},
                                         LayoutCase{"ColorMap", WithColorMap(1, 3, 24), Bytes(9, 0x77)}),
                       ::testing::Values(24, 32)),
    [](const auto& info) {
        return std::get<0>(info.param).name + "Bits" + std::to_string(std::get<1>(info.param));
    });

// A plain reference packer: runs of equal pixels, raw packets otherwise, crossing row ends.
Bytes PackRle(const Bytes& pixels, std::size_t p) {
    Bytes out;
    const std::size_t n = pixels.size() / p;
    auto pixel = [&](std::size_t k) { return pixels.begin() + static_cast<std::ptrdiff_t>(k * p); };
    auto same = [&](std::size_t a, std::size_t b) { return std::equal(pixel(a), pixel(a) + p, pixel(b)); };
    std::size_t i = 0;
    while (i < n) {
        std::size_t run = 1;
        while (i + run < n && run < 128 && same(i, i + run)) ++run;
        if (run == 1) {
            while (i + run < n && run < 128 && !(i + run + 1 < n && same(i + run, i + run + 1))) ++run;
            out.push_back(static_cast<std::uint8_t>(run - 1));
            out.insert(out.end(), pixel(i), pixel(i + run));
        } else {
            out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            out.insert(out.end(), pixel(i), pixel(i) + p);
        }
        i += run;
    }
    return out;
}

TgaHeaderFields Rle(int depth, std::uint8_t descriptor = 0) {
    TgaHeaderFields h = Depth(depth);
    h.imageType = 10;
    h.descriptor = descriptor;
    return h;
}

class TgaRle : public ::testing::TestWithParam<std::tuple<int, std::uint8_t>> {};

TEST_P(TgaRle, LoadsTheSampleWithRunsAndRawPackets) {
    const auto [depth, descriptor] = GetParam();
    Bytes pixels = SamplePixels(depth, descriptor);
    // Long runs across row ends as well as raw stretches.
    const std::size_t p = static_cast<std::size_t>(depth / 8);
    for (std::size_t k = 100 * p; k < 400 * p; ++k) pixels[k] = pixels[k % p + 100 * p];
    Bytes file = Concat(Concat(TgaHeader(Rle(depth, descriptor)), PackRle(pixels, p)), Bytes(26, 0));
    const TgaPixels got = DecodeTgaImage(file);
    ASSERT_EQ(got.result, TgaLoadResult::Loaded);
    Bytes plain = Concat(TgaHeader(Depth(depth)), pixels);
    plain[17] = descriptor;
    const TgaPixels expected = DecodeTgaImage(plain);
    EXPECT_EQ(got.rgb, expected.rgb);
    EXPECT_EQ(got.alpha, expected.alpha);
}

INSTANTIATE_TEST_SUITE_P(DepthsAndOrigins, TgaRle,
                         ::testing::Combine(::testing::Values(24, 32),
                                            ::testing::Values(std::uint8_t{0x00}, std::uint8_t{0x20},
                                                              std::uint8_t{0x30})));

TEST(TgaRle, ShortestStreamIsTheLeastLength) {
    Bytes stream;
    for (int k = 0; k < 32; ++k) stream.insert(stream.end(), {0xFF, 0x10, 0x20, 0x30, 0x40});
    const Bytes file = Concat(TgaHeader(Rle(32)), stream);
    ASSERT_EQ(file.size(), 18u + 160u);
    const TgaPixels got = DecodeTgaImage(file);
    ASSERT_EQ(got.result, TgaLoadResult::Loaded);
    EXPECT_EQ(got.rgb[0], RGB(0x30, 0x20, 0x10));
    EXPECT_EQ(got.alpha[4095], 0x40);
    EXPECT_EQ(DecodeTgaImage(Bytes(file.begin(), file.end() - 1)).result, TgaLoadResult::WrongSize);
}

// Streams long enough for the length check that still cannot fill the image safely.
TEST(TgaRle, BrokenStreamsAreCorrupt) {
    struct Broken {
        const char* name;
        Bytes stream;
    };
    Bytes rawOnes, runsPastEnd, runCut, rawCut;
    for (int k = 0; k < 200; ++k) rawOnes.insert(rawOnes.end(), {0x00, 1, 2, 3, 4});  // 200 of 4096 pixels
    for (int k = 0; k < 31; ++k) runsPastEnd.insert(runsPastEnd.end(), {0xFF, 1, 2, 3, 4});
    runsPastEnd.insert(runsPastEnd.end(), {0xFE, 1, 2, 3, 4, 0x81, 1, 2, 3, 4});  // 3968 + 127 + 2
    runCut = Bytes(31 * 5, 0);
    for (std::size_t k = 0; k < runCut.size(); k += 5) runCut[k] = 0xFF;
    runCut.insert(runCut.end(), {0x00, 1, 2, 3, 4, 0xFF, 1, 2});  // the last run's pixel is cut short
    rawCut = Bytes(200, 0);
    rawCut[0] = 0x7F;  // 128 raw pixels need 512 bytes
    for (const Broken& b : {Broken{"TooFewPixels", rawOnes}, Broken{"RunPastImage", runsPastEnd},
                            Broken{"RunPixelCut", runCut}, Broken{"RawPacketCut", rawCut}}) {
        EXPECT_EQ(DecodeTgaImage(Concat(TgaHeader(Rle(32)), b.stream)).result, TgaLoadResult::CorruptData)
            << b.name;
    }
    EXPECT_FALSE(ExpandTgaRle(Bytes{0x80, 1, 2, 3}, 3, 2).has_value());
    EXPECT_EQ(ExpandTgaRle(Bytes{0x81, 1, 2, 3, 9}, 3, 2), (Bytes{1, 2, 3, 1, 2, 3}));
}

TEST(TgaRle, DepthChecksStillApply) {
    EXPECT_EQ(DecodeTgaImage(Concat(TgaHeader(Rle(16)), Bytes(96, 0xFF))).result, TgaLoadResult::WrongDepth);
    EXPECT_EQ(DecodeTgaImage(Concat(TgaHeader(Rle(16)), Bytes(95, 0xFF))).result, TgaLoadResult::WrongSize);
}

}  // namespace
}  // namespace corvanth
