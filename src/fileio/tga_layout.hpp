#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace corvanth {

inline constexpr int kTgaSide = 64;
inline constexpr int kTgaPixelCount = kTgaSide * kTgaSide;
inline constexpr std::size_t kTgaHeaderSize = 18;
inline constexpr std::size_t kTgaWrittenSize = kTgaHeaderSize + kTgaPixelCount * 4;

// The header every saved file starts with: uncompressed true colour, 64 by 64, 32 bits, descriptor 0.
inline constexpr std::array<std::uint8_t, kTgaHeaderSize> kTgaWrittenHeader{
    0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x40, 0x00, 0x40, 0x00, 0x20, 0x00};

// Header offsets the reader looks at.
namespace tga_field {
inline constexpr std::size_t IdLength = 0;
inline constexpr std::size_t ColorMapType = 1;
inline constexpr std::size_t ImageType = 2;
inline constexpr std::size_t ColorMapLength = 5;
inline constexpr std::size_t ColorMapEntryBits = 7;
inline constexpr std::size_t Width = 12;
inline constexpr std::size_t Height = 14;
inline constexpr std::size_t Depth = 16;
inline constexpr std::size_t Descriptor = 17;
}  // namespace tga_field

inline constexpr std::uint8_t kTgaTypeRle = 10;
inline constexpr std::uint8_t kTgaRightToLeft = 0x10;
inline constexpr std::uint8_t kTgaTopFirst = 0x20;

}  // namespace corvanth
