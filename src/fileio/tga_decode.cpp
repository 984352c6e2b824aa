#include "fileio/tga_decode.hpp"

#include <cstddef>
#include <optional>

#include "fileio/tga_layout.hpp"
#include "fileio/tga_rle.hpp"

namespace corvanth {

namespace {

std::size_t ReadU16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::size_t>(b[at]) | static_cast<std::size_t>(b[at + 1]) << 8;
}

// Bytes between the header and the pixels: the ID field, then the colour map when the header says one is
// there.
std::size_t BytesBeforePixels(std::span<const std::uint8_t> b) {
    std::size_t skip = b[tga_field::IdLength];
    if (b[tga_field::ColorMapType] == 1) {
        const std::size_t entryBytes = (static_cast<std::size_t>(b[tga_field::ColorMapEntryBits]) + 7) / 8;
        skip += ReadU16(b, tga_field::ColorMapLength) * entryBytes;
    }
    return skip;
}

// What a header says about the pixels after it. Only for bytes that hold a whole header.
struct Stored {
    explicit Stored(std::span<const std::uint8_t> b)
        : start(kTgaHeaderSize + BytesBeforePixels(b)),
          width(ReadU16(b, tga_field::Width)),
          height(ReadU16(b, tga_field::Height)),
          depth(b[tga_field::Depth]),
          rle(b[tga_field::ImageType] == kTgaTypeRle),
          topFirst((b[tga_field::Descriptor] & kTgaTopFirst) != 0),
          rightToLeft((b[tga_field::Descriptor] & kTgaRightToLeft) != 0) {}
    std::size_t start, width, height, depth;
    bool rle, topFirst, rightToLeft;
    std::size_t pixelBytes() const { return depth / 8; }
    std::size_t count() const { return width * height; }
    // The least stream that can hold every pixel: repeat packets of 128, the last one maybe shorter.
    std::size_t leastBytes() const {
        return rle ? (count() + 127) / 128 * (1 + pixelBytes()) : count() * pixelBytes();
    }
    // The most a well-formed stream can take: one raw packet for every pixel.
    std::size_t mostBytes() const { return count() * (pixelBytes() + (rle ? 1 : 0)); }
};

// Hands every pixel's stored bytes to put(x, y, bytes), x and y counted from the top left. False, with
// nothing handed over, when a compressed stream runs short or past the image.
template <class Put>
bool ForEachPixel(std::span<const std::uint8_t> bytes, const Stored& s, Put put) {
    std::optional<std::vector<std::uint8_t>> expanded;
    std::span<const std::uint8_t> stored = bytes.subspan(s.start);
    if (s.rle) {
        expanded = ExpandTgaRle(stored, static_cast<int>(s.pixelBytes()), static_cast<int>(s.count()));
        if (!expanded) return false;
        stored = *expanded;
    }
    for (std::size_t j = 0; j < s.height; ++j) {
        const std::size_t y = s.topFirst ? j : s.height - 1 - j;
        for (std::size_t i = 0; i < s.width; ++i) {
            const std::size_t x = s.rightToLeft ? s.width - 1 - i : i;
            put(x, y, &stored[(j * s.width + i) * s.pixelBytes()]);
        }
    }
    return true;
}

TgaPixels Fail(TgaLoadResult why) {
    TgaPixels out;
    out.result = why;
    return out;
}

}  // namespace

TgaPixels DecodeTgaImage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kTgaHeaderSize) return Fail(TgaLoadResult::WrongSize);
    const Stored s(bytes);
    constexpr auto kSide = static_cast<std::size_t>(kTgaSide);
    if (s.width != kSide || s.height != kSide) return Fail(TgaLoadResult::WrongSize);
    // The length test uses whatever depth byte the file holds and comes before the depth test.
    if (bytes.size() < s.start + s.leastBytes()) return Fail(TgaLoadResult::WrongSize);
    if (s.depth != 24 && s.depth != 32) return Fail(TgaLoadResult::WrongDepth);

    TgaPixels out;
    out.result = TgaLoadResult::Loaded;
    out.depth = static_cast<int>(s.depth);
    out.rgb.resize(kTgaPixelCount);
    out.alpha.assign(kTgaPixelCount, 0);
    const bool loaded = ForEachPixel(bytes, s, [&](std::size_t x, std::size_t y, const std::uint8_t* p) {
        const std::size_t at = y * kSide + x;
        out.rgb[at] = RGB(p[2], p[1], p[0]);
        if (s.depth == 32) out.alpha[at] = p[3];
    });
    return loaded ? out : Fail(TgaLoadResult::CorruptData);
}

std::optional<std::size_t> TgaPictureBytes(std::span<const std::uint8_t> header, std::size_t mostPixels) {
    if (header.size() < kTgaHeaderSize) return std::nullopt;
    const Stored s(header);
    if (s.count() == 0 || s.count() > mostPixels || (s.depth != 24 && s.depth != 32)) return std::nullopt;
    return s.start + s.mostBytes();
}

std::optional<RgbaPicture> DecodeTgaPicture(std::span<const std::uint8_t> bytes, std::size_t mostPixels) {
    if (!TgaPictureBytes(bytes, mostPixels)) return std::nullopt;
    const Stored s(bytes);
    if (bytes.size() < s.start + s.leastBytes()) return std::nullopt;
    RgbaPicture out{static_cast<int>(s.width), static_cast<int>(s.height), {}};
    out.rgba.resize(s.count() * 4);
    const bool loaded = ForEachPixel(bytes, s, [&](std::size_t x, std::size_t y, const std::uint8_t* p) {
        std::uint8_t* q = &out.rgba[(y * s.width + x) * 4];
        q[0] = p[2];
        q[1] = p[1];
        q[2] = p[0];
        q[3] = s.depth == 32 ? p[3] : 255;
    });
    if (!loaded) return std::nullopt;
    return out;
}

}  // namespace corvanth
