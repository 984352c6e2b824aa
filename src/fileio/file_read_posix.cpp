#include "fileio/file_read.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "fileio/file_descriptor.hpp"

namespace corvanth {

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    // Non-blocking so that opening a FIFO does not wait for a writer; it is refused just below.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return std::nullopt;
    const auto length = std::min(static_cast<std::size_t>(st.st_size), maxBytes);

    std::vector<std::uint8_t> bytes(length);
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, length - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;  // an error, or the file shrank under us
        got += static_cast<std::size_t>(n);
    }
    return bytes;
}

}  // namespace corvanth
