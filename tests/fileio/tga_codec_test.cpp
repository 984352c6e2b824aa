#include <gtest/gtest.h>

#include <string>

#include "file_fixture.hpp"
#include "fileio/tga_decode.hpp"
#include "fileio/tga_encode.hpp"

namespace corvanth {
namespace {

using namespace testing;  // the fixture helpers in corvanth::testing
using R = TgaLoadResult;

// Names the first wrong pixel rather than a bare "differs".
void ExpectSample(const TgaPixels& got, int depth) {
    ASSERT_EQ(got.result, R::Loaded);
    ASSERT_EQ(got.depth, depth);
    ASSERT_EQ(got.rgb.size(), 4096u);
    for (std::size_t p = 0; p < 4096; ++p) {
        const int x = static_cast<int>(p % 64), y = static_cast<int>(p / 64);
        ASSERT_TRUE(got.rgb[p] == SampleColor(x, y) && got.alpha[p] == (depth == 32 ? SampleAlpha(x, y) : 0))
            << "pixel (" << x << ", " << y << ")";
    }
}

TEST(TgaEncode, ClearedDocumentAndCornerPixels) {
    Bytes expected{0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                   0x00, 0x00, 0x00, 0x40, 0x00, 0x40, 0x00, 0x20, 0x00};
    expected = Concat(expected, Repeat(4096, {0xFF, 0xFF, 0xFF, 0x00}));
    ASSERT_EQ(expected.size(), 16402u);
    Bitmap rgb(64, 64, clWhite), alpha(64, 64, clBlack);
    EXPECT_EQ(EncodeTgaImage(rgb, alpha), expected);

    rgb.at(0, 63) = RGB(0x11, 0x22, 0x33);  // stored first
    alpha.at(0, 63) = Grey(0x44);
    rgb.at(63, 0) = RGB(0x55, 0x66, 0x77);  // stored last
    alpha.at(63, 0) = 0xFFFF80;             // not a grey: only the red byte counts
    std::copy_n(Bytes{0x33, 0x22, 0x11, 0x44}.begin(), 4, expected.begin() + 18);
    std::copy_n(Bytes{0x77, 0x66, 0x55, 0x80}.begin(), 4, expected.end() - 4);
    EXPECT_EQ(EncodeTgaImage(rgb, alpha), expected);
}

TEST(TgaCodec, RoundTripRestoresBothPlanes) {
    ExpectSample(DecodeTgaImage(EncodeTgaImage(SamplePlane(false), SamplePlane(true))), 32);
}

// A header and what follows it, padded to a length with 0xFF: as run-length data, 32 runs of 128 white
// pixels.
struct CheckCase {
    std::string name;
    TgaHeaderFields header;
    std::size_t length;
    R expected;
    Bytes body = {};
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class TgaChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TgaChecks, GiveTheResultOfTheFirstFailingCheck) {
    Bytes file = Concat(TgaHeader(GetParam().header), GetParam().body);
    if (file.size() < GetParam().length) file.resize(GetParam().length, 0xFF);
    EXPECT_EQ(DecodeTgaImage(file).result, GetParam().expected);
}

constexpr TgaHeaderFields kRle{.imageType = 10}, kRle16{.imageType = 10, .depth = 16};
constexpr TgaHeaderFields kMap{.colorMapType = 1, .colorMapLength = 300, .colorMapEntryBits = 24};
constexpr TgaHeaderFields kMap15{.colorMapType = 1, .colorMapLength = 10, .colorMapEntryBits = 15};
using C = CheckCase;

INSTANTIATE_TEST_SUITE_P(
    Lengths, TgaChecks,
    ::testing::Values(
        C{"HeaderCut", {}, 17, R::WrongSize}, C{"Bits24", {.depth = 24}, 12306, R::Loaded},
        C{"Bits24OneShort", {.depth = 24}, 12305, R::WrongSize}, C{"Bits32", {}, 16402, R::Loaded},
        C{"Bits32OneShort", {}, 16401, R::WrongSize}, C{"Bits32WithFooter", {}, 16402 + 26, R::Loaded},
        C{"Width320", {.width = 0x140}, 100000, R::WrongSize},
        C{"Height320", {.height = 0x140}, 100000, R::WrongSize},
        C{"Bits16", {.depth = 16}, 8210, R::WrongDepth},
        C{"Bits16OneShort", {.depth = 16}, 8209, R::WrongSize}, C{"Bits8", {.depth = 8}, 4114, R::WrongDepth},
        C{"Bits8OneShort", {.depth = 8}, 4113, R::WrongSize}, C{"Bits0", {.depth = 0}, 18, R::WrongDepth},
        C{"Bits33", {.depth = 33}, 16402, R::WrongDepth}, C{"Id", {.idLength = 255}, 16402 + 255, R::Loaded},
        C{"IdLongerThanFile", {.idLength = 255}, 16402 + 254, R::WrongSize},
        C{"ColorMap", kMap, 16402 + 900, R::Loaded},
        C{"ColorMapLongerThanFile", kMap, 16402 + 899, R::WrongSize},
        C{"ColorMap15BitsTakeTwoBytes", kMap15, 16402 + 19, R::WrongSize},
        C{"ColorMapFieldsWithoutMap", {.colorMapLength = 65535, .colorMapEntryBits = 32}, 16402, R::Loaded},
        C{"RleShortestStream", kRle, 18 + 32 * 5, R::Loaded},
        C{"RleOneShort", kRle, 18 + 32 * 5 - 1, R::WrongSize},
        C{"RleBits16", kRle16, 18 + 32 * 3, R::WrongDepth},
        C{"RleBits16OneShort", kRle16, 18 + 32 * 3 - 1, R::WrongSize},
        // Streams long enough for the length check that still cannot fill the image safely.
        C{"RleTooFewPixels", kRle, 0, R::CorruptData, Repeat(200, {0x00, 1, 2, 3, 4})},
        C{"RleRunPastImage", kRle, 0, R::CorruptData,
          Concat(Repeat(31, {0xFF, 1, 2, 3, 4}), {0xFE, 1, 2, 3, 4, 0x81, 1, 2, 3, 4})},
        C{"RleRunPixelCut", kRle, 0, R::CorruptData,
          Concat(Repeat(31, {0xFF, 1, 2, 3, 4}), {0x00, 1, 2, 3, 4, 0xFE, 1, 2})},
        C{"RleRawPacketCut", kRle, 0, R::CorruptData, Concat({0x7F}, Bytes(199, 0))}),  // 128 pixels need 512
    [](const auto& info) { return info.param.name; });

// A plain reference packer: runs of equal pixels, raw packets otherwise, crossing row ends.
Bytes PackRle(const Bytes& pixels, std::size_t p) {
    Bytes out;
    const std::size_t n = pixels.size() / p;
    auto pixel = [&](std::size_t k) { return pixels.begin() + static_cast<std::ptrdiff_t>(k * p); };
    auto same = [&](std::size_t a, std::size_t b) { return std::equal(pixel(a), pixel(a) + p, pixel(b)); };
    for (std::size_t i = 0, run = 1; i < n; i += run, run = 1) {
        while (i + run < n && run < 128 && same(i, i + run)) ++run;
        if (run > 1) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            out.insert(out.end(), pixel(i), pixel(i) + p);
            continue;
        }
        while (i + run < n && run < 128 && !(i + run + 1 < n && same(i + run, i + run + 1))) ++run;
        out.push_back(static_cast<std::uint8_t>(run - 1));
        out.insert(out.end(), pixel(i), pixel(i + run));
    }
    return out;
}

// Where the pixels start, which way they run and whether they are packed: the sample must come out upright.
struct LayoutCase {
    std::string name;
    TgaHeaderFields header;
    Bytes beforePixels;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class TgaLayouts : public ::testing::TestWithParam<std::tuple<LayoutCase, int, bool>> {};

TEST_P(TgaLayouts, LoadTheSampleUpright) {
    auto [c, depth, rle] = GetParam();
    c.header.depth = static_cast<std::uint8_t>(depth);
    c.header.imageType = rle ? 10 : 2;
    Bytes pixels = SamplePixels(depth, c.header.descriptor);
    if (rle) pixels = PackRle(pixels, static_cast<std::size_t>(depth / 8));
    const Bytes file = Concat(Concat(Concat(TgaHeader(c.header), c.beforePixels), pixels), Bytes(26, 0xEE));
    ExpectSample(DecodeTgaImage(file), depth);
}

using L = LayoutCase;
INSTANTIATE_TEST_SUITE_P(
    Origins, TgaLayouts,
    ::testing::Combine(
        ::testing::Values(
            L{"BottomLeftAlphaBits", {.descriptor = 0x08}, {}}, L{"TopLeft", {.descriptor = 0x20}, {}},
            L{"BottomRight", {.descriptor = 0x10}, {}}, L{"TopRight", {.descriptor = 0x30}, {}},
            L{"InterleaveBitsIgnored", {.descriptor = 0xC0}, {}},
            L{"IdField", {.idLength = 5}, {'l', 'o', 'g', 'o', 0}},
            L{"ColorMap", {.colorMapType = 1, .colorMapLength = 3, .colorMapEntryBits = 24}, Bytes(9, 0x77)}),
        ::testing::Values(24, 32), ::testing::Bool()),
    [](const auto& info) {
        return std::get<0>(info.param).name + "Bits" + std::to_string(std::get<1>(info.param)) +
               (std::get<2>(info.param) ? "Rle" : "");
    });

}  // namespace
}  // namespace corvanth
