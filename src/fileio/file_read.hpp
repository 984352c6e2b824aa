#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvanth {

// The first maxBytes of a regular file (all of it when shorter), read with the file closed again before
// returning; the rest is never read. Nothing for a file that cannot be opened, is not a regular file
// (directory, FIFO or pipe, device), or gives fewer bytes than its length. A FIFO is refused without waiting.
// Names are UTF-8 on every system.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace corvanth
