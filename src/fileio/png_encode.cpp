#include "fileio/png_encode.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace corvanth {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

std::uint32_t Crc(std::span<const std::uint8_t> bytes) {
    std::uint32_t c = 0xffffffffu;
    for (const std::uint8_t b : bytes) c = kCrcTable[(c ^ b) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void PutBigEndian(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, std::string_view type, std::span<const std::uint8_t> data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc(std::span(out).subspan(typeAt)));
}

// A zlib stream of stored blocks, each at most 65,535 bytes.
Bytes Stored(std::span<const std::uint8_t> raw) {
    constexpr std::size_t kMostInBlock = 65535;
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(kMostInBlock, raw.size() - at);
        const bool last = at + n == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(~n));
        out.push_back(static_cast<std::uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbaPicture& picture) {
    const auto rowBytes = static_cast<std::size_t>(picture.width) * 4;
    Bytes raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);  // filter type None
        const auto row =
            picture.rgba.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<std::size_t>(y));
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(picture.width));
    PutBigEndian(header, static_cast<std::uint32_t>(picture.height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, no interlace
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", Stored(raw));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace corvanth
