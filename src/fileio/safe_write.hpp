#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace corvanth {

// Replaces the file at path with bytes so that a failure never loses the old contents: the bytes go to a
// new file in the same folder, are flushed to disk, and only then renamed over the target. On any failure
// the temporary file is removed, the target is left as it was, and the result is false.
// A symbolic link is written through, so the link itself survives.
bool SafeWriteFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace corvanth
