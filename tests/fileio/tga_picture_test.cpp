#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "file_fixture.hpp"
#include "fileio/import_name.hpp"
#include "fileio/tga_decode.hpp"

namespace corvanth {
namespace {

using namespace testing;  // the fixture helpers in corvanth::testing

// A w by h picture stored as the descriptor says: pixel (x, y) is B = x, G = y, R = 7, A = x + y.
Bytes Pixels(int w, int h, int depth, int descriptor) {
    Bytes out;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int x = (descriptor & 0x10) ? w - 1 - i : i, y = (descriptor & 0x20) ? j : h - 1 - j;
            out.insert(out.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
            if (depth == 32) out.push_back(static_cast<std::uint8_t>(x + y));
        }
    return out;
}

// The RGBA bytes the decoder must give for Pixels(w, h, depth, ...).
Bytes Expected(int w, int h, int depth) {
    Bytes out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.insert(out.end(), {7, static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x),
                                   static_cast<std::uint8_t>(depth == 32 ? x + y : 255)});
    return out;
}

// Every size and stored order comes out top row first; a 24-bit file is opaque. The run-length file is one
// raw packet per pixel, the longest a stream can be, so it also checks the bytes the header promises.
TEST(TgaPicture, AnySizeInEveryStoredOrder) {
    const std::tuple<int, int, int, int, bool> cases[] = {
        {1, 1, 32, 0, false},   {3, 2, 24, 0, false},  {3, 2, 32, 0x20, false}, {5, 4, 32, 0x10, false},
        {5, 4, 24, 0x30, true}, {130, 2, 32, 0, true}, {64, 64, 32, 0, false}};
    for (const auto& [w, h, depth, descriptor, rle] : cases) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h << " depth " << depth << " descriptor "
                                          << descriptor << (rle ? " rle" : ""));
        Bytes pixels = Pixels(w, h, depth, descriptor);
        if (rle) {
            Bytes packets;
            const std::size_t size = static_cast<std::size_t>(depth / 8);
            for (std::size_t p = 0; p < pixels.size(); p += size) {
                packets.push_back(0);
                packets.insert(packets.end(), pixels.begin() + p, pixels.begin() + p + size);
            }
            pixels = packets;
        }
        const Bytes file = Concat({TgaHeader({.idLength = 2,
                                              .imageType = rle ? 10 : 2,
                                              .width = w,
                                              .height = h,
                                              .depth = depth,
                                              .descriptor = descriptor}),
                                   {9, 9},
                                   pixels});
        EXPECT_EQ(TgaPictureBytes(file), file.size());
        const auto picture = DecodeTgaPicture(file);
        ASSERT_TRUE(picture);
        EXPECT_TRUE(picture->width == w && picture->height == h);
        EXPECT_EQ(picture->rgba, Expected(w, h, depth));
        Bytes cut = file;
        cut.pop_back();
        EXPECT_FALSE(DecodeTgaPicture(cut)) << "one byte short";
    }
}

// Refused from the header alone: no pixels, a depth it does not read, or more pixels than allowed, however
// short the file (a run-length stream of a few bytes could claim millions).
TEST(TgaPicture, RefusedHeaders) {
    const Bytes run = Repeat(100, {0xFF, 1, 2, 3, 4});
    const std::tuple<const char*, TgaHeaderFields> rows[] = {
        {"no width", {.width = 0}},
        {"no height", {.height = 0}},
        {"16 bits", {.depth = 16}},
        {"8193 x 8192", {.imageType = 10, .width = 8193, .height = 8192}},
    };
    for (const auto& [name, fields] : rows) {
        SCOPED_TRACE(name);
        const Bytes file = Concat({TgaHeader(fields), run});
        EXPECT_FALSE(TgaPictureBytes(file));
        EXPECT_FALSE(DecodeTgaPicture(file));
    }
    EXPECT_FALSE(DecodeTgaPicture(Bytes(17, 0)));
    EXPECT_EQ(TgaPictureBytes(TgaHeader({.imageType = 10, .width = 8192, .height = 8192})),
              18u + 8192u * 8192u * 5u);
    EXPECT_FALSE(DecodeTgaPicture(Concat({TgaHeader({.imageType = 10, .width = 300, .height = 1}), run})))
        << "a packet running past the last pixel";
}

TEST(ImportName, TgaBesideThePicture) {
    const std::pair<const char*, const char*> names[] = {
        {"/home/a/photo.png", "/home/a/photo.tga"},       {"photo.JPEG", "photo.tga"},
        {"/a.b/archive.tar.png", "/a.b/archive.tar.tga"}, {"/a.b/noextension", "/a.b/noextension.tga"},
        {"/home/a/.hidden", "/home/a/.hidden.tga"},       {"wide.tga", "wide.tga"}};
    for (const auto& [picture, offered] : names) EXPECT_EQ(TgaNameFor(picture), offered);
    EXPECT_EQ(LastComponent("/home/a/photo.png"), "photo.png");
    EXPECT_EQ(LastComponent("photo.png"), "photo.png");
}

}  // namespace
}  // namespace corvanth
