#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvanth {

// No 64 by 64 TGA comes near this, even with the largest ID field and colour map the header can announce.
inline constexpr std::size_t kMaxTgaFileBytes = 4u << 20;

// The whole contents of a regular file of at most maxBytes, read with the file closed again before returning.
// Nothing for a file that cannot be opened, is not a regular file (directory, FIFO, device), is larger than
// maxBytes, or gives fewer bytes than its length. A FIFO is refused without waiting for a writer.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace corvanth
