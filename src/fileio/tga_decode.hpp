#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "fileio/tga_load_result.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

// A decoded file: on Loaded, 4096 pixels each row by row from the top left, else both empty.
struct TgaPixels {
    TgaLoadResult result = TgaLoadResult::WrongSize;
    int depth = 0;                    // 24 or 32 when loaded
    std::vector<TColor> rgb;          // 0x00BBGGRR
    std::vector<std::uint8_t> alpha;  // all 0 for a 24-bit file
};

// Checks the header in a fixed order (length, 64 by 64, length for the depth, depth), then reads the pixels.
// The ID field and a present colour map are skipped, image type 10 is run-length decoded, and the
// descriptor's top-first and right-to-left bits are honoured. Never throws on bad data.
TgaPixels DecodeTgaImage(std::span<const std::uint8_t> bytes);

}  // namespace corvanth
