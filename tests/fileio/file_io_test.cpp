#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_size_cap.hpp"
#include "fileio/file_name.hpp"
#include "fileio/file_read.hpp"
#include "fileio/safe_write.hpp"
#include "temp_dir.hpp"

namespace corvanth {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

// Binary bytes a text-mode reader or writer would mangle.
const Bytes kPayload{0x0A, 0x0D, 0x1A, 0x00, 0xFF, 0x0D, 0x0A};

// Files left in the folder besides the given one: a failed save must not leave its temporary file.
std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadFileBytes, ReadsARegularFileExactly) {
    TempDir dir;
    WriteBytes(dir / "a.tga", kPayload);
    EXPECT_EQ(ReadFileBytes(dir / "a.tga", 100), kPayload);
    EXPECT_EQ(ReadFileBytes(dir / "a.tga", kPayload.size()), kPayload);
    WriteBytes(dir / "empty.tga", Bytes{});
    EXPECT_EQ(ReadFileBytes(dir / "empty.tga", 100), Bytes{});
}

TEST(ReadFileBytes, RefusesWhatIsNotASmallRegularFile) {
    TempDir dir;
    WriteBytes(dir / "big.tga", kPayload);
    EXPECT_FALSE(ReadFileBytes(dir / "big.tga", kPayload.size() - 1)) << "over the limit";
    EXPECT_FALSE(ReadFileBytes(dir / "missing.tga", 100));
    EXPECT_FALSE(ReadFileBytes(dir.path().string(), 100)) << "a directory";
    EXPECT_FALSE(ReadFileBytes("", 100));
    ASSERT_EQ(::mkfifo((dir / "pipe.tga").c_str(), 0600), 0);
    EXPECT_FALSE(ReadFileBytes(dir / "pipe.tga", 100)) << "a FIFO, refused without waiting for a writer";
    EXPECT_FALSE(ReadFileBytes("/dev/zero", kMaxTgaFileBytes)) << "a device";
    // 2 GiB that take no disk space: refused from its length alone.
    const int fd = ::open((dir / "huge.tga").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{2} << 30), 0);
    ::close(fd);
    EXPECT_FALSE(ReadFileBytes(dir / "huge.tga", kMaxTgaFileBytes));
}

TEST(SafeWriteFile, CreatesAndReplacesKeepingPermissions) {
    TempDir dir;
    const std::string target = dir / "logo.tga";
    ASSERT_TRUE(SafeWriteFile(target, kPayload));
    EXPECT_EQ(ReadBytes(target), kPayload);
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(SafeWriteFile(target, Bytes{1, 2, 3}));
    EXPECT_EQ(ReadBytes(target), (Bytes{1, 2, 3}));
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"logo.tga"});
}

TEST(SafeWriteFile, WritesThroughASymbolicLink) {
    TempDir dir;
    WriteBytes(dir / "real.tga", Bytes{9});
    fs::create_symlink("real.tga", dir / "link.tga");
    ASSERT_TRUE(SafeWriteFile(dir / "link.tga", kPayload));
    EXPECT_TRUE(fs::is_symlink(dir / "link.tga"));
    EXPECT_EQ(ReadBytes(dir / "real.tga"), kPayload);
}

TEST(SafeWriteFile, FailuresLeaveTheOldFileAndNoTemporary) {
    TempDir dir;
    fs::create_directory(dir / "folder.tga");
    WriteBytes(dir / "plain", Bytes{7});
    const std::string old = dir / "old.tga";
    WriteBytes(old, kPayload);
    const auto before = Entries(dir.path());

    EXPECT_FALSE(SafeWriteFile(dir / "folder.tga", kPayload)) << "the target is a directory";
    EXPECT_FALSE(SafeWriteFile(dir / "plain/inside.tga", kPayload)) << "the parent is a regular file";
    EXPECT_FALSE(SafeWriteFile(dir / "nowhere/x.tga", kPayload)) << "the parent does not exist";
    EXPECT_FALSE(SafeWriteFile(dir / "folder.tga/", kPayload)) << "a name ending in a slash";
    EXPECT_FALSE(SafeWriteFile("/proc/corvanth.tga", kPayload)) << "a folder even root cannot write to";
    {
        const testing::FileSizeCap cap(4);  // the disk fills up after four bytes
        EXPECT_FALSE(SafeWriteFile(old, Bytes(16402, 0x42)));
    }
    EXPECT_EQ(ReadBytes(old), kPayload);
    EXPECT_EQ(Entries(dir.path()), before);
}

// Permission bits do not stop root, so as root the save runs in a child that has given up root first.
TEST(SafeWriteFile, ReadOnlyFolder) {
    TempDir dir;
    fs::create_directory(dir / "ro");
    WriteBytes(dir / "ro/old.tga", kPayload);
    ::chmod(dir.path().c_str(), 0755);
    ::chmod((dir / "ro").c_str(), 0555);
    const std::string target = dir / "ro/old.tga";
    bool wrote = true;
    if (::geteuid() != 0) {
        wrote = SafeWriteFile(target, Bytes{1});
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool unprivileged = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(!unprivileged ? 2 : SafeWriteFile(target, Bytes{1}) ? 1 : 0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 2) << "could not drop root";
        wrote = WEXITSTATUS(status) == 1;
    }
    EXPECT_FALSE(wrote);
    EXPECT_EQ(ReadBytes(target), kPayload);
    EXPECT_EQ(Entries(dir / "ro"), std::vector<std::string>{"old.tga"});
    ::chmod((dir / "ro").c_str(), 0755);
}

TEST(WithDefaultExtension, AppendsOnlyWhenTheLastPartHasNone) {
    const std::pair<const char*, const char*> cases[] = {{"logo", "logo.tga"},
                                                         {"logo.tga", "logo.tga"},
                                                         {"logo.TGA", "logo.TGA"},
                                                         {"my.logos/logo", "my.logos/logo.tga"},
                                                         {"dir/.hidden", "dir/.hidden.tga"},
                                                         {"a.b.c", "a.b.c"},
                                                         {"dir/", "dir/"},
                                                         {"", ""}};
    for (const auto& [in, out] : cases) EXPECT_EQ(WithDefaultExtension(in, "tga"), out) << in;
    EXPECT_EQ(WithDefaultExtension("logo", ""), "logo");
}

}  // namespace
}  // namespace corvanth
