#include "fileio/safe_write.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "fileio/file_descriptor.hpp"

namespace corvanth {

namespace fs = std::filesystem;

namespace {

// An old file larger than this is not held in memory to be saved over in place.
constexpr off_t kMostBytesKept = off_t{64} << 20;

// The file the bytes really belong in: a link is followed, so the link itself survives.
fs::path ResolveTarget(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) return resolved;
    }
    return fs::path(path);
}

fs::path FolderOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

bool WriteAllAt(int fd, std::span<const std::uint8_t> bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAllAt(int fd, std::span<std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
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
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
        tempPath = FolderOf(target) / ("." + target.filename().string() + suffix);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo a finished save.
void SyncFolder(const fs::path& target) {
    Fd fd(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

enum class Outcome { Saved, Failed, NeedsInPlace };

// The bytes as a new file renamed over the target. An existing target's owner and permissions go to the new
// file first; where that, or making the file at all, is not allowed, the target must be written in place.
Outcome ReplaceThroughTemporary(const fs::path& target, std::span<const std::uint8_t> bytes,
                                const struct stat* old) {
    fs::path tempPath;
    Fd fd(CreateTemporary(target, tempPath));
    if (fd.get() < 0) return old ? Outcome::NeedsInPlace : Outcome::Failed;
    // Owner before mode: a change of owner clears the set-id bits.
    if (old && (::fchown(fd.get(), old->st_uid, old->st_gid) != 0 ||
                ::fchmod(fd.get(), old->st_mode & 07777) != 0)) {
        fd.close();
        ::unlink(tempPath.c_str());
        return Outcome::NeedsInPlace;
    }
    bool ok = WriteAllAt(fd.get(), bytes, 0) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return Outcome::Failed;
    }
    SyncFolder(target);
    return Outcome::Saved;
}

// The bytes over the target itself, which keeps its links, owner and permissions. Its old bytes stay in
// memory until the new ones are on disk, and go back if anything fails on the way.
bool WriteInPlace(const fs::path& target, std::span<const std::uint8_t> bytes) {
    Fd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMostBytesKept)
        return false;
    std::vector<std::uint8_t> old(static_cast<std::size_t>(st.st_size));
    if (!ReadAllAt(fd.get(), old)) return false;
    if (WriteAllAt(fd.get(), bytes, 0) && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0 &&
        ::fsync(fd.get()) == 0)
        return true;
    const bool restored = WriteAllAt(fd.get(), old, 0) && ::ftruncate(fd.get(), st.st_size) == 0;
    ::fsync(fd.get());
    (void)restored;  // false either way: the save failed
    return false;
}

}  // namespace

bool SafeWriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty()) return false;
    const fs::path target = ResolveTarget(path);
    if (target.filename().empty()) return false;  // "dir/" names no file

    struct stat old {};
    if (::stat(target.c_str(), &old) != 0)
        return errno == ENOENT && ReplaceThroughTemporary(target, bytes, nullptr) == Outcome::Saved;
    if (!S_ISREG(old.st_mode)) return false;
    // Whoever may not truncate the file may not replace it either.
    if (Fd probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY)); probe.get() < 0) return false;
    // A rename would leave the other names of a hard-linked file with the old picture.
    if (old.st_nlink == 1) {
        const Outcome outcome = ReplaceThroughTemporary(target, bytes, &old);
        if (outcome != Outcome::NeedsInPlace) return outcome == Outcome::Saved;
    }
    return WriteInPlace(target, bytes);
}

}  // namespace corvanth
