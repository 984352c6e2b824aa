#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/bitmap.hpp"

namespace corvanth::testing {

using Bytes = std::vector<std::uint8_t>;

// The program's names are UTF-8 on every system; these turn them into the system's own and back.
inline std::filesystem::path Native(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).make_preferred();
}
inline std::string Utf8(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempDir {
    TempDir() {
        std::mt19937_64 random(std::random_device{}());
        do path = std::filesystem::temp_directory_path() / ("corvanth-file-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path));
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    // A UTF-8 name inside the folder, with the system's separators.
    std::string operator/(const std::string& name) const { return Utf8(path / Native(name)); }
    std::filesystem::path path;
};

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(Native(path), std::ios::binary) << std::string(bytes.begin(), bytes.end());
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(Native(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every path under a folder, with the bytes of each regular file: a failed save changes none and adds none.
inline std::map<std::string, Bytes> DiskContents(const std::filesystem::path& folder) {
    std::map<std::string, Bytes> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        out[Utf8(e.path())] = e.is_regular_file() ? ReadBytes(Utf8(e.path())) : Bytes{};
    return out;
}

// The sample's colour and alpha. Red follows x and green follows y, so flips, shifts and red/blue swaps all
// show. The 300 pixels after (35, 1) repeat it, so a run-length file of the sample has runs across row ends.
inline std::pair<TColor, std::uint8_t> Sample(int x, int y) {
    if (y * 64 + x > 99 && y * 64 + x < 400) x = 35, y = 1;
    return {RGB(4 * x + 1, 4 * y + 2, 200 - x - y), static_cast<std::uint8_t>(x * 3 + y * 5 + 7)};
}

// The sample as the RGB plane, or as the alpha plane of greys.
inline Bitmap SamplePlane(bool alpha) {
    Bitmap b(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) b.at(x, y) = alpha ? Grey(Sample(x, y).second) : Sample(x, y).first;
    return b;
}

struct TgaHeaderFields {
    int idLength = 0, colorMapType = 0, imageType = 2, colorMapLength = 0, colorMapEntryBits = 0, width = 64,
        height = 64, depth = 32, descriptor = 0;
};

// The 18 header bytes in file order, 16-bit fields low byte first.
inline Bytes TgaHeader(const TgaHeaderFields& f) {
    auto lo = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
    auto hi = [](int v) { return static_cast<std::uint8_t>(v >> 8); };
    // clang-format off
    return {lo(f.idLength), lo(f.colorMapType), lo(f.imageType), 0, 0, lo(f.colorMapLength),
            hi(f.colorMapLength), lo(f.colorMapEntryBits), 0, 0, 0, 0, lo(f.width), hi(f.width), lo(f.height),
            hi(f.height), lo(f.depth), lo(f.descriptor)};
    // clang-format on
}

// The sample's pixels in the stored order the descriptor asks for, uncompressed.
inline Bytes SamplePixels(int depth, int descriptor) {
    Bytes out;
    for (int j = 0; j < 64; ++j)
        for (int i = 0; i < 64; ++i) {
            const auto [c, a] = Sample((descriptor & 0x10) ? 63 - i : i, (descriptor & 0x20) ? j : 63 - j);
            for (const int shift : {16, 8, 0})
                out.push_back(static_cast<std::uint8_t>(c >> shift));  // B, G, R
            if (depth == 32) out.push_back(a);
        }
    return out;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline Bytes Repeat(int n, const Bytes& part) {
    Bytes out;
    while (n-- > 0) out.insert(out.end(), part.begin(), part.end());
    return out;
}

}  // namespace corvanth::testing
