#pragma once
#include <cstdint>
#include <vector>

#include "platform/rgba_picture.hpp"

namespace corvanth {

// A PNG file of the picture: 8-bit RGBA, not interlaced, every row unfiltered in stored deflate blocks.
// A logo is small enough that compressing it is not worth an encoder; every reader takes stored blocks.
std::vector<std::uint8_t> EncodePng(const RgbaPicture& picture);

}  // namespace corvanth
