#include "fileio/tga_rle.hpp"

#include <algorithm>
#include <cstddef>

namespace corvanth {

std::optional<std::vector<std::uint8_t>> ExpandTgaRle(std::span<const std::uint8_t> stream, int bytesPerPixel,
                                                      int pixelCount) {
    const auto pixelBytes = static_cast<std::size_t>(bytesPerPixel);
    const auto total = static_cast<std::size_t>(pixelCount);
    std::vector<std::uint8_t> out(total * pixelBytes);
    std::size_t pos = 0, done = 0;
    while (done < total) {
        if (pos >= stream.size()) return std::nullopt;
        const std::uint8_t packet = stream[pos++];
        const std::size_t count = (packet & 0x7Fu) + 1u;
        if (count > total - done) return std::nullopt;
        const bool repeat = (packet & 0x80u) != 0;
        const std::size_t need = repeat ? pixelBytes : count * pixelBytes;
        if (need > stream.size() - pos) return std::nullopt;
        auto dest = out.begin() + static_cast<std::ptrdiff_t>(done * pixelBytes);
        const auto src = stream.begin() + static_cast<std::ptrdiff_t>(pos);
        if (repeat) {
            for (std::size_t k = 0; k < count; ++k, dest += static_cast<std::ptrdiff_t>(pixelBytes))
                std::copy_n(src, pixelBytes, dest);
        } else {
            std::copy_n(src, need, dest);
        }
        pos += need;
        done += count;
    }
    return out;
}

}  // namespace corvanth
