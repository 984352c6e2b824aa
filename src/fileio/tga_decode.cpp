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

// The least stream that can hold 4096 pixels: 32 repeat packets of 128.
constexpr std::size_t ShortestRleStream(std::size_t bytesPerPixel) {
    return (kTgaPixelCount / 128) * (1 + bytesPerPixel);
}

TgaPixels Fail(TgaLoadResult why) {
    TgaPixels out;
    out.result = why;
    return out;
}

}  // namespace

TgaPixels DecodeTgaImage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kTgaHeaderSize) return Fail(TgaLoadResult::WrongSize);
    if (bytes[tga_field::Width] != kTgaSide || bytes[tga_field::Width + 1] != 0 ||
        bytes[tga_field::Height] != kTgaSide || bytes[tga_field::Height + 1] != 0)
        return Fail(TgaLoadResult::WrongSize);

    // The length test uses whatever depth byte the file holds and comes before the depth test.
    const int depth = bytes[tga_field::Depth];
    const std::size_t pixelBytes = static_cast<std::size_t>(depth) / 8;
    const bool rle = bytes[tga_field::ImageType] == kTgaTypeRle;
    const std::size_t start = kTgaHeaderSize + BytesBeforePixels(bytes);
    const std::size_t least = start + (rle ? ShortestRleStream(pixelBytes) : kTgaPixelCount * pixelBytes);
    if (bytes.size() < least) return Fail(TgaLoadResult::WrongSize);
    if (depth != 24 && depth != 32) return Fail(TgaLoadResult::WrongDepth);

    std::optional<std::vector<std::uint8_t>> expanded;
    std::span<const std::uint8_t> stored = bytes.subspan(start);
    if (rle) {
        expanded = ExpandTgaRle(stored, static_cast<int>(pixelBytes), kTgaPixelCount);
        if (!expanded) return Fail(TgaLoadResult::CorruptData);
        stored = *expanded;
    }

    const std::uint8_t descriptor = bytes[tga_field::Descriptor];
    const bool topFirst = (descriptor & kTgaTopFirst) != 0;
    const bool rightToLeft = (descriptor & kTgaRightToLeft) != 0;
    TgaPixels out;
    out.result = TgaLoadResult::Loaded;
    out.depth = depth;
    out.rgb.resize(kTgaPixelCount);
    out.alpha.assign(kTgaPixelCount, 0);
    for (int j = 0; j < kTgaSide; ++j) {
        const int y = topFirst ? j : kTgaSide - 1 - j;
        for (int i = 0; i < kTgaSide; ++i) {
            const int x = rightToLeft ? kTgaSide - 1 - i : i;
            const std::size_t p = static_cast<std::size_t>(j * kTgaSide + i) * pixelBytes;
            const auto at = static_cast<std::size_t>(y * kTgaSide + x);
            out.rgb[at] = RGB(stored[p + 2], stored[p + 1], stored[p]);
            if (depth == 32) out.alpha[at] = stored[p + 3];
        }
    }
    return out;
}

}  // namespace corvanth
