#include "fileio/safe_write.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace corvanth {

namespace fs = std::filesystem;

namespace {

// The file the bytes really belong in: a link is followed, so the link itself survives the rename.
fs::path ResolveTarget(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) return resolved;
    }
    return fs::path(path);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Creates a new, unused file next to the target; the random part keeps two saves from meeting.
int CreateTemporary(const fs::path& target, fs::path& tempPath) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
        tempPath = folder / ("." + target.filename().string() + suffix);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo a finished save.
void SyncFolder(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool SafeWriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty()) return false;
    const fs::path target = ResolveTarget(path);
    if (target.filename().empty()) return false;  // "dir/" names no file

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return false;

    fs::path tempPath;
    const int fd = CreateTemporary(target, tempPath);
    if (fd < 0) return false;
    // A replaced file keeps its permissions; a new one gets the usual ones less the umask.
    bool ok = !replacing || ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(target);
    return true;
}

}  // namespace corvanth
