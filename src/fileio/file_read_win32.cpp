#include <algorithm>

#include "fileio/file_read.hpp"
#include "fileio/win32_file.hpp"

namespace corvanth {

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    const auto name = NativePath(path);
    if (!name) return std::nullopt;
    // Shared every way, so a file another program has open, even for writing, can still be read.
    Handle file(::CreateFileW(name->c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    // A folder does not open this way; a device (NUL, CON) or a pipe opens but is not a disk file, and is
    // refused before anything is read from it.
    LARGE_INTEGER size{};
    if (!file.ok() || ::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.get(), &size) ||
        size.QuadPart < 0)
        return std::nullopt;
    const auto length = static_cast<std::size_t>(
        std::min<unsigned long long>(static_cast<unsigned long long>(size.QuadPart), maxBytes));

    std::vector<std::uint8_t> bytes(length);
    if (!ReadAll(file.get(), bytes)) return std::nullopt;  // an error, or the file shrank under us
    return bytes;
}

}  // namespace corvanth
