#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fileio/tga_layout.hpp"
#include "fileio/tga_load_result.hpp"
#include "platform/rgba_picture.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

// A decoded file: on Loaded, 4096 pixels each row by row from the top left, else both empty.
struct TgaPixels {
    TgaLoadResult result = TgaLoadResult::WrongSize;
    int depth = 0;                    // 24 or 32 when loaded
    std::vector<TColor> rgb;          // 0x00BBGGRR
    std::vector<std::uint8_t> alpha;  // all 0 for a 24-bit file
};

// The decoder never looks past this many bytes, so more need not be read: the header, the longest ID field
// and colour map a header can announce (255 bytes; 65535 entries of up to 32 bytes), then the most pixel
// bytes the length check can ask for (31 bytes a pixel for depth byte 255). Run-length data of a loadable
// depth takes at most 4096 one-pixel raw packets of 5 bytes, which is less.
inline constexpr std::size_t kTgaMostBytesUsed =
    kTgaHeaderSize + 255 + 65535 * ((255 + 7) / 8) + kTgaPixelCount * (255 / 8);
static_assert(kTgaMostBytesUsed == 2'224'369 && kTgaPixelCount * (1 + 4) < kTgaPixelCount * (255 / 8));

// Checks the header in a fixed order (length, 64 by 64, length for the depth, depth), then reads the pixels.
// The ID field and a present colour map are skipped, image type 10 is run-length decoded, and the
// descriptor's top-first and right-to-left bits are honoured. Never throws on bad data.
TgaPixels DecodeTgaImage(std::span<const std::uint8_t> bytes);

// The most pixels a picture of any size may have, as for the other pictures: 256 MiB of RGBA.
inline constexpr std::size_t kMostPicturePixels = std::size_t{8192} * 8192;

// For a TGA of any size: the most bytes of the file its decoding can look at, known from the header alone,
// so no more need be read. Nothing when the header already refuses it: no pixels, more than mostPixels,
// or a depth other than 24 and 32.
std::optional<std::size_t> TgaPictureBytes(std::span<const std::uint8_t> header,
                                           std::size_t mostPixels = kMostPicturePixels);

// A TGA of any size in the formats the 64 by 64 reader takes, as an RGBA picture; a 24-bit one is opaque.
// Nothing when the header refuses it (as above) or the pixels are short or corrupt.
std::optional<RgbaPicture> DecodeTgaPicture(std::span<const std::uint8_t> bytes,
                                            std::size_t mostPixels = kMostPicturePixels);

}  // namespace corvanth
