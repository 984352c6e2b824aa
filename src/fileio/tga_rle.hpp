#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvanth {

// Expands a run-length stream into exactly pixelCount pixels of bytesPerPixel bytes each, in stored order.
// Nothing when a packet needs bytes the stream does not have or runs past the last pixel.
// Packets may cross row ends, as older writers do; bytes after the last pixel are ignored.
std::optional<std::vector<std::uint8_t>> ExpandTgaRle(std::span<const std::uint8_t> stream, int bytesPerPixel,
                                                      int pixelCount);

}  // namespace corvanth
