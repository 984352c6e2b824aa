#pragma once
#include <cstdint>
#include <vector>

namespace corvanth {

// A decoded picture of any size: four bytes per pixel (red, green, blue, straight alpha), row by row
// from the top.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    friend bool operator==(const RgbaPicture&, const RgbaPicture&) = default;
};

}  // namespace corvanth
