#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "file_commands_fixture.hpp"

namespace corvanth {

namespace fs = std::filesystem;
using namespace testing;  // the fixture helpers in corvanth::testing

std::vector<std::string> testing::FileCommands::MakeNonFiles() {
    EXPECT_EQ(::mkfifo((dir / "pipe.tga").c_str(), 0600), 0);
    return {dir / "pipe.tga", "/dev/zero"};
}

namespace {

TEST_F(FileCommands, SaveKeepsTheFilesPermissions) {
    const std::string saved = dir / "logo.tga";
    WriteBytes(saved, {1});
    fs::permissions(saved, fs::perms(0640));
    main.state.FileName = saved;
    main.Save1Click();
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());
    EXPECT_EQ(fs::status(saved).permissions(), fs::perms(0640));
    EXPECT_EQ(DiskContents(dir.path).size(), 1u) << "a temporary file was left";
}

// A cancelled save changes nothing; a failed one shows the one message and still takes the name. Neither
// repaints the view or changes what is on disk. Each save runs in a child, where a full disk is a cap on the
// size of written files and a read-only file in a read-only folder needs a user without root, as permission
// bits do not stop root.
TEST_F(FileCommands, SavesThatWriteNothing) {
    fs::create_directory(dir / "folder.tga");
    WriteBytes(dir / "plain", Bytes{4});
    WriteBytes(dir / "current.tga", Bytes{1, 2, 3});
    fs::create_directory(dir / "ro");
    WriteBytes(dir / "ro/old.tga", Bytes{5});
    fs::permissions(dir.path, fs::perms(0755));
    fs::permissions(dir / "ro/old.tga", fs::perms(0444));
    fs::permissions(dir / "ro", fs::perms(0555));
    const auto disk = DiskContents(dir.path);
    main.state.FileName.clear();  // so Save asks
    const Snapshot before = Take();
    // What to answer, the cap on written bytes, and whether root must be given up.
    const std::tuple<std::optional<std::string>, rlim_t, bool> cases[] = {
        {std::nullopt, RLIM_INFINITY, false},
        {dir / "folder.tga", RLIM_INFINITY, false},
        {dir / "plain/x.tga", RLIM_INFINITY, false},
        {dir / "current.tga", 100, false},
        {dir / "ro/old.tga", RLIM_INFINITY, true}};
    for (const auto& [target, cap, dropRoot] : cases) {
        SCOPED_TRACE(target.value_or("cancelled"));
        host.saveAnswers = {target};
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit capped{cap, cap};
            std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &capped);
            if (dropRoot && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
            Snapshot expected = before;
            expected.fileName = target.value_or("");
            const Bitmap view = main.imgMain.Picture;
            main.Save1Click();
            ::_exit(Take() == expected && main.imgMain.Picture == view &&
                    (target ? OnlyMessage(kIoError) : host.messages.empty()));
        }
        int status = 0;  // left at 0, a failure, if there is no child
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1)
            << "wrong message or name, or the planes or view changed (wait status " << status
            << "; exit code 2: root could not be given up)";
        EXPECT_EQ(DiskContents(dir.path), disk);
    }
    fs::permissions(dir / "ro", fs::perms(0755));
}

// Saves as a user without root (uid 65534 when the suite runs as root), each in a child: a file the user may
// not write is refused like any failed save; one that may not be replaced by a rename (a read-only folder,
// another name linked to it, another owner) is written in place, and a write that fails half way (a full
// disk) puts its old bytes and length back. A save through a symbolic link writes the file it points to.
TEST_F(FileCommands, SavesAsAUserWithoutRoot) {
    const bool root = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    const Bytes old = {7, 7, 7};
    for (const char* folder : {"rw", "ro"}) fs::create_directory(dir / folder);
    for (const char* name :
         {"rw/readonly.tga", "rw/linked.tga", "rw/pointed.tga", "rw/theirs.tga", "ro/mine.tga"})
        WriteBytes(dir / name, old);
    fs::create_hard_link(dir / "rw/linked.tga", dir / "rw/other-name.tga");
    fs::create_symlink("pointed.tga", dir / "rw/link.tga");
    for (const char* name :
         {"rw", "rw/readonly.tga", "rw/linked.tga", "rw/pointed.tga", "rw/link.tga", "ro/mine.tga"}) {
        if (root) {  // all but theirs.tga become the user's
            ASSERT_EQ(::lchown((dir / name).c_str(), kNobody, kNobody), 0);
        }
    }
    fs::permissions(dir.path, fs::perms(0755));
    fs::permissions(dir / "rw/readonly.tga", fs::perms(0444));
    fs::permissions(dir / "rw/theirs.tga", fs::perms(0666));
    fs::permissions(dir / "ro", fs::perms(0555));
    const Bytes encoded = main.EncodeTga();
    // The target, the cap on written bytes, and the names that then hold the new picture.
    std::vector<std::tuple<const char*, rlim_t, std::vector<const char*>>> cases = {
        {"rw/readonly.tga", RLIM_INFINITY, {}},
        {"ro/mine.tga", 100, {}},
        {"ro/mine.tga", RLIM_INFINITY, {"ro/mine.tga"}},
        {"rw/linked.tga", 100, {}},
        {"rw/linked.tga", RLIM_INFINITY, {"rw/linked.tga", "rw/other-name.tga"}},
        {"rw/link.tga", RLIM_INFINITY, {"rw/link.tga", "rw/pointed.tga"}}};
    if (root) cases.push_back({"rw/theirs.tga", RLIM_INFINITY, {"rw/theirs.tga"}});
    for (const auto& [target, cap, saved] : cases) {
        SCOPED_TRACE(::testing::Message() << target << " cap " << cap);
        auto disk = DiskContents(dir.path);
        for (const char* name : saved) disk[dir / name] = encoded;
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit capped{cap, cap};
            std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &capped);
            if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
            main.state.FileName = dir / target;
            main.Save1Click();
            ::_exit(saved.empty() ? OnlyMessage(kIoError) : host.messages.empty());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "wait status " << status;
        EXPECT_EQ(DiskContents(dir.path), disk);
        EXPECT_TRUE(fs::is_symlink(dir / "rw/link.tga"));
        struct stat theirs {};
        ::stat((dir / "rw/theirs.tga").c_str(), &theirs);
        EXPECT_TRUE(theirs.st_uid == ::geteuid() && (theirs.st_mode & 07777) == 0666)
            << "owner or mode changed";
    }
    fs::permissions(dir / "ro", fs::perms(0755));
}

}  // namespace
}  // namespace corvanth
