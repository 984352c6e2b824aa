#pragma once
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/bitmap.hpp"

namespace corvanth::testing {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempDir {
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvanth-file-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path = pattern;
    }
    TempDir(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;
};

inline void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every path under a folder, with the bytes of each regular file: a failed save changes none and adds none.
inline std::map<std::string, Bytes> DiskContents(const std::filesystem::path& folder) {
    std::map<std::string, Bytes> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        out[e.path().string()] = e.is_regular_file() ? ReadBytes(e.path().string()) : Bytes{};
    return out;
}

// Red follows x and green follows y, so flips, shifts and red/blue swaps all show. The 300 pixels after
// (35, 1) repeat it, so a run-length file of the sample has runs across row ends.
inline bool InRun(int x, int y) {
    return y * 64 + x > 99 && y * 64 + x < 400;
}
inline TColor SampleColor(int x, int y) {
    return InRun(x, y) ? SampleColor(35, 1) : RGB(4 * x + 1, 4 * y + 2, 200 - x - y);
}
inline std::uint8_t SampleAlpha(int x, int y) {
    return InRun(x, y) ? SampleAlpha(35, 1) : static_cast<std::uint8_t>(x * 3 + y * 5 + 7);
}

// The sample as the RGB plane, or as the alpha plane of greys.
inline Bitmap SamplePlane(bool alpha) {
    Bitmap b(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) b.at(x, y) = alpha ? Grey(SampleAlpha(x, y)) : SampleColor(x, y);
    return b;
}

struct TgaHeaderFields {
    std::uint8_t idLength = 0, colorMapType = 0, imageType = 2;
    std::uint16_t colorMapLength = 0;
    std::uint8_t colorMapEntryBits = 0;
    std::uint16_t width = 64, height = 64;
    std::uint8_t depth = 32, descriptor = 0;
};

// The 18 header bytes in file order, 16-bit fields low byte first.
inline Bytes TgaHeader(const TgaHeaderFields& f) {
    auto lo = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
    auto hi = [](int v) { return static_cast<std::uint8_t>(v >> 8); };
    // clang-format off
    return {f.idLength, f.colorMapType, f.imageType, 0, 0, lo(f.colorMapLength), hi(f.colorMapLength),
            f.colorMapEntryBits, 0, 0, 0, 0, lo(f.width), hi(f.width), lo(f.height), hi(f.height),
            f.depth, f.descriptor};
    // clang-format on
}

// The sample's pixels in the stored order the descriptor asks for, uncompressed.
inline Bytes SamplePixels(int depth, std::uint8_t descriptor) {
    Bytes out;
    for (int j = 0; j < 64; ++j) {
        const int y = (descriptor & 0x20) ? j : 63 - j;
        for (int i = 0; i < 64; ++i) {
            const int x = (descriptor & 0x10) ? 63 - i : i;
            const TColor c = SampleColor(x, y);
            out.insert(out.end(), {static_cast<std::uint8_t>(Blue(c)), static_cast<std::uint8_t>(Green(c)),
                                   static_cast<std::uint8_t>(Red(c))});
            if (depth == 32) out.push_back(SampleAlpha(x, y));
        }
    }
    return out;
}

inline Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes Repeat(int n, const Bytes& part) {
    Bytes out;
    while (n-- > 0) out = Concat(std::move(out), part);
    return out;
}

}  // namespace corvanth::testing
