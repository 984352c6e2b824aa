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
    for (int p = 0; p < 4096; ++p) {
        const auto [c, a] = Sample(p % 64, p / 64);
        ASSERT_TRUE(got.rgb[p] == c && got.alpha[p] == (depth == 32 ? a : 0))
            << "pixel " << p % 64 << ", " << p / 64;
    }
}

TEST(TgaEncode, ClearedDocumentAndCornerPixels) {
    // Type 2, 64 by 64 (40 00 40 00), 32 bits, bottom-left origin; then every pixel white with alpha 0.
    Bytes expected = Concat(
        {{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0x40, 0, 32, 0}, Repeat(4096, {255, 255, 255, 0})});
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

// A header and what follows it, padded to a length with 0xFF (as run-length data, 32 runs of 128 white
// pixels), gives the result of the first check it fails.
TEST(TgaDecode, ChecksInOrder) {
    constexpr TgaHeaderFields kRle{.imageType = 10};
    constexpr TgaHeaderFields kMap{.colorMapType = 1, .colorMapLength = 300, .colorMapEntryBits = 24};
    constexpr TgaHeaderFields kMap15{.colorMapType = 1, .colorMapLength = 10, .colorMapEntryBits = 15};
    // The longest ID field and colour map, and the depth byte that asks for the most pixel bytes.
    constexpr TgaHeaderFields kMost{
        .idLength = 255, .colorMapType = 1, .colorMapLength = 65535, .colorMapEntryBits = 255, .depth = 255};
    const Bytes run = {0xFF, 1, 2, 3, 4};
    const std::tuple<const char*, TgaHeaderFields, std::size_t, R, Bytes> rows[] = {
        {"cut", {}, 17, R::WrongSize, {}},
        {"24", {.depth = 24}, 12306, R::Loaded, {}},
        {"24short", {.depth = 24}, 12305, R::WrongSize, {}},
        {"32", {}, 16402, R::Loaded, {}},
        {"32short", {}, 16401, R::WrongSize, {}},
        {"w320", {.width = 0x140}, 100000, R::WrongSize, {}},
        {"h320", {.height = 0x140}, 100000, R::WrongSize, {}},
        {"16", {.depth = 16}, 8210, R::WrongDepth, {}},
        {"16short", {.depth = 16}, 8209, R::WrongSize, {}},
        {"8", {.depth = 8}, 4114, R::WrongDepth, {}},
        {"8short", {.depth = 8}, 4113, R::WrongSize, {}},
        {"0", {.depth = 0}, 18, R::WrongDepth, {}},
        {"33", {.depth = 33}, 16402, R::WrongDepth, {}},
        {"id", {.idLength = 255}, 16402 + 255, R::Loaded, {}},
        {"idShort", {.idLength = 255}, 16402 + 254, R::WrongSize, {}},
        {"map", kMap, 16402 + 900, R::Loaded, {}},
        {"mapShort", kMap, 16402 + 899, R::WrongSize, {}},
        {"map15", kMap15, 16402 + 19, R::WrongSize, {}},
        {"most", kMost, kTgaMostBytesUsed, R::WrongDepth, {}},
        {"mostShort", kMost, kTgaMostBytesUsed - 1, R::WrongSize, {}},
        {"noMap", {.colorMapLength = 65535, .colorMapEntryBits = 32}, 16402, R::Loaded, {}},
        {"rle", kRle, 18 + 32 * 5, R::Loaded, {}},
        {"rleShort", kRle, 18 + 32 * 5 - 1, R::WrongSize, {}},
        // Streams long enough for the length check that still cannot fill the image safely.
        {"rleFew", kRle, 0, R::CorruptData, Repeat(200, {0x00, 1, 2, 3, 4})},
        {"rlePast", kRle, 0, R::CorruptData, Concat({Repeat(31, run), {0xFE, 1, 2, 3, 4, 0x81, 1, 2, 3, 4}})},
        {"rleRunCut", kRle, 0, R::CorruptData, Concat({Repeat(31, run), {0x00, 1, 2, 3, 4, 0xFE, 1, 2}})},
        {"rleRawCut", kRle, 0, R::CorruptData, Concat({{0x7F}, Bytes(199, 0)})}};  // 128 pixels need 512
    for (const auto& [name, header, length, expected, body] : rows) {
        Bytes file = Concat({TgaHeader(header), body});
        if (file.size() < length) file.resize(length, 0xFF);
        EXPECT_EQ(DecodeTgaImage(file).result, expected) << name;
    }
}

// A plain reference packer: runs of equal pixels, raw packets otherwise, crossing row ends.
Bytes PackRle(const Bytes& pixels, std::size_t p) {
    Bytes out;
    const std::size_t n = pixels.size() / p;
    auto at = [&](std::size_t k) { return pixels.begin() + static_cast<std::ptrdiff_t>(k * p); };
    auto repeats = [&](std::size_t k) { return k + 1 < n && std::equal(at(k), at(k) + p, at(k + 1)); };
    for (std::size_t i = 0, k = 1; i < n; i += k, k = 1) {
        const bool run = repeats(i);
        while (i + k < n && k < 128 && (run ? repeats(i + k - 1) : !repeats(i + k))) ++k;
        out.push_back(static_cast<std::uint8_t>((run ? 0x80 : 0) | (k - 1)));
        out.insert(out.end(), at(i), at(i + (run ? 1 : k)));
    }
    return out;
}

// Where the pixels start, which way they run and whether they are packed: the sample must come out upright.
TEST(TgaDecode, LoadsEveryLayoutUpright) {
    const std::tuple<const char*, TgaHeaderFields, Bytes> layouts[] = {
        {"bottomLeftAlphaBits", {.descriptor = 0x08}, {}},
        {"topLeft", {.descriptor = 0x20}, {}},
        {"bottomRight", {.descriptor = 0x10}, {}},
        {"topRight", {.descriptor = 0x30}, {}},
        {"interleaveBitsIgnored", {.descriptor = 0xC0}, {}},
        {"id", {.idLength = 5}, {'l', 'o', 'g', 'o', 0}},
        {"colorMap", {.colorMapType = 1, .colorMapLength = 3, .colorMapEntryBits = 24}, Bytes(9, 0x77)}};
    for (auto [name, header, prefix] : layouts)
        for (const int depth : {24, 32})
            for (const bool rle : {false, true}) {
                SCOPED_TRACE(::testing::Message() << name << " " << depth << (rle ? " rle" : ""));
                header.depth = depth;
                header.imageType = rle ? 10 : 2;
                Bytes pixels = SamplePixels(depth, header.descriptor);
                if (rle) pixels = PackRle(pixels, static_cast<std::size_t>(depth / 8));
                ExpectSample(DecodeTgaImage(Concat({TgaHeader(header), prefix, pixels, Bytes(26, 0xEE)})),
                             depth);
            }
}

}  // namespace
}  // namespace corvanth
