#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace corvanth {

// Writes bytes as the file at path so that a failure never loses the old contents, and never where the user
// could not write by plain create-or-truncate: an existing file the user may not open for writing is
// refused. Usually the bytes go to a new file in the same folder, are flushed to disk, and only then renamed
// over the target, which keeps its owner and permissions. A file with other hard links, one in a folder
// the user may not write to, or one whose owner the new file could not take is written in place instead:
// its old bytes are kept in memory and put back if writing or flushing fails. The result is false on any
// failure, with the target as it was and no file left behind. A symbolic link is written through.
// On Windows the rename is a replacement that keeps the old file's attributes and access rights; a file
// with the read-only attribute is refused, as is one another program holds open without sharing, and one
// held open with sharing is written in place.
bool SafeWriteFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace corvanth
