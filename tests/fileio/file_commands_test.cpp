#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <optional>

#include "app/tmain.hpp"
#include "document/plane.hpp"
#include "file_fixture.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

namespace fs = std::filesystem;
using namespace testing;  // the fixture helpers in corvanth::testing

constexpr const char* kIoError = "Error: File I/O Error.";

class FileCommands : public ::testing::Test {
  protected:
    FileCommands() { Reset(); }
    // A painted document, a distinct undo copy, a remembered file name and a stale view, so every command
    // shows what it touched.
    void Reset() {
        main.imgRGB.Picture = Bitmap(64, 64, RGB(10, 20, 30));
        main.imgA.Picture = Bitmap(64, 64, Grey(77));
        main.imgUndoRGB.Picture = Bitmap(64, 64, RGB(1, 2, 3));
        main.imgUndoA.Picture = Bitmap(64, 64, Grey(9));
        main.imgMain.Picture = Bitmap(256, 256, RGB(0x12, 0x34, 0x56));
        main.state.FileName = dir / "current.tga";
        host.messages.clear();
    }

    struct Snapshot {
        Bitmap rgb, alpha, undoRgb, undoA;
        std::string fileName;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot Take() const {
        return {main.imgRGB.Picture, main.imgA.Picture, main.imgUndoRGB.Picture, main.imgUndoA.Picture,
                main.state.FileName};
    }
    bool OnlyMessage(const char* text) const {
        return host.messages.size() == 1 && host.messages[0].text == text &&
               host.messages[0].caption == "Error Message";
    }

    TempDir dir;
    ScriptedPlatform host;
    TMain main{host};
};

// Each file gives its message, or none when it loads; a file that does not load changes nothing, one that
// does replaces both planes (a 24-bit one turning alpha black) and the name, but not the undo copy.
TEST_F(FileCommands, OpenGivesTheFilesMessageOrLoadsIt) {
    WriteBytes(dir / "in32.tga", Concat({TgaHeader({}), SamplePixels(32, 0)}));
    WriteBytes(dir / "in24.tga", Concat({TgaHeader({.depth = 24}), SamplePixels(24, 0)}));
    WriteBytes(dir / "wide.tga", Concat({TgaHeader({.width = 0x140}), Bytes(20000, 0)}));
    WriteBytes(dir / "deep.tga", Concat({TgaHeader({.depth = 16}), Bytes(8192, 0)}));
    WriteBytes(dir / "rle.tga", Concat({TgaHeader({.imageType = 10}), Repeat(40, {0x00, 1, 2, 3, 4})}));
    // Good images with long tails, which are left unread: 5 MiB, and 2 GiB that take no disk space.
    fs::copy_file(dir / "in32.tga", dir / "big.tga");
    fs::resize_file(dir / "big.tga", 16402 + (std::uintmax_t{5} << 20));
    fs::copy_file(dir / "in32.tga", dir / "huge.tga");
    fs::resize_file(dir / "huge.tga", std::uintmax_t{2} << 30);
    fs::create_directory(dir / "folder.tga");
    ASSERT_EQ(::mkfifo((dir / "pipe.tga").c_str(), 0600), 0);  // refused without waiting for a writer
    const Snapshot before = Take();
    const Snapshot loaded32{SamplePlane(false), SamplePlane(true), before.undoRgb, before.undoA, ""};
    const Snapshot loaded24{loaded32.rgb, Bitmap(64, 64, clBlack), before.undoRgb, before.undoA, ""};
    std::vector<std::tuple<const char*, const char*, const Snapshot*>> cases = {
        {"in32.tga", nullptr, &loaded32},
        {"big.tga", nullptr, &loaded32},
        {"huge.tga", nullptr, &loaded32},
        {"in24.tga", nullptr, &loaded24},
        {nullptr, nullptr, &before},  // cancelled
        {"wide.tga", "Error: Image not 64x64 pixels.", &before},
        {"deep.tga", "Error: Image not in 24-bit or 32-bit.", &before}};
    for (const char* name : {"rle.tga", "missing.tga", "folder.tga", "pipe.tga", "/dev/zero"})
        cases.emplace_back(name, kIoError, &before);
    main.state.AlphaMode = 1;  // so the view must show the new alpha plane
    for (const auto& [name, message, after] : cases) {
        SCOPED_TRACE(name ? name : "cancelled");
        Reset();
        host.openAnswers.push_back(name ? std::optional(dir / name) : std::nullopt);
        main.Open1Click();
        Bitmap view(256, 256);
        CanvasState cs;
        RedrawView(TCanvas(view, cs), main.imgA.Picture, main.state.GridVisible != 0);
        EXPECT_EQ(main.imgMain.Picture, view) << "the view was not redrawn from the active plane";
        EXPECT_TRUE(message ? OnlyMessage(message) : host.messages.empty());
        EXPECT_EQ(Take(), *after);
    }
}

// A file named on the command line or dropped: a 64 by 64 .tga in any case of its extension goes Open's way,
// with its messages and no undo copy; any other picture the host decodes, and a TGA of another size, is
// imported after an undo copy and leaves no file name; one that cannot be decoded is named in a message and
// changes nothing.
TEST_F(FileCommands, NamedFileOpensATgaOrImportsAPicture) {
    WriteBytes(dir / "in32.TGA", Concat({TgaHeader({}), SamplePixels(32, 0)}));
    WriteBytes(dir / "short.tga", Concat({TgaHeader({}), Bytes(2000, 0)}));
    WriteBytes(dir / "wide.tga", Concat({TgaHeader({.width = 0x140}), Bytes(20000, 0)}));
    WriteBytes(dir / "dot.tga", Concat({TgaHeader({.width = 1, .height = 1}), {3, 2, 1, 4}}));
    WriteBytes(dir / "bad.png", Bytes{1, 2, 3});
    host.pictures[dir / "dot.png"] = RgbaPicture{1, 1, {1, 2, 3, 4}};
    host.pictures[dir / "clear.png"] = RgbaPicture{1, 1, {1, 2, 3, 0}};
    const Snapshot before = Take();
    Snapshot imported{Bitmap(64, 64, clWhite), Bitmap(64, 64, clBlack), before.rgb, before.alpha, ""};
    const Snapshot clear = imported;  // nothing shows, so the colour plane is white all over
    imported.rgb.at(31, 31) = RGB(1, 2, 3);
    imported.alpha.at(31, 31) = Grey(4);
    const std::tuple<const char*, const char*, Snapshot> cases[] = {
        {"in32.TGA", nullptr, {SamplePlane(false), SamplePlane(true), before.undoRgb, before.undoA, ""}},
        {"short.tga", "Error: Image not 64x64 pixels.", before},
        {"missing.tga", kIoError, before},
        {"dot.tga", nullptr, imported},
        {"wide.tga", "Error: wide.tga is not a picture this program can read.", before},
        {"bad.png", "Error: bad.png is not a picture this program can read.", before},
        {"clear.png", nullptr, clear},
        {"dot.png", nullptr, imported}};
    for (const auto& [name, message, after] : cases) {
        SCOPED_TRACE(name);
        Reset();
        main.OpenNamedFile(dir / name);
        EXPECT_TRUE(message ? OnlyMessage(message) : host.messages.empty());
        EXPECT_EQ(Take(), after);
        EXPECT_TRUE(host.fileDialogsShown.empty());
    }
    EXPECT_EQ(main.imgMain.Picture.GetPixel(31 * 4 + 3, 31 * 4), RGB(1, 2, 3));  // the view shows the import
}

// After an import Save offers the picture's name as a .tga beside it, and asks before it replaces a file;
// No goes back to the dialog and leaves the file as it was. Once saved, Save writes without asking.
TEST_F(FileCommands, SaveAfterAnImportOffersATgaAndAsksBeforeReplacing) {
    host.pictures[dir / "photo.png"] = RgbaPicture{1, 1, {1, 2, 3, 255}};
    const Bytes old = {7, 7, 7};
    WriteBytes(dir / "photo.tga", old);
    main.OpenNamedFile(dir / "photo.png");
    host.saveAnswers = {dir / "photo.tga", std::nullopt};  // No, then cancelled
    host.replaceAnswers = {false};
    main.Save1Click();
    ASSERT_EQ(host.fileDialogsShown.size(), 1u);
    EXPECT_TRUE(host.fileDialogsShown[0].confirmOverwrite);
    EXPECT_EQ(host.fileDialogsShown[0].fileName, dir / "photo.tga");
    EXPECT_EQ(host.replaceQuestions, std::vector{dir / "photo.tga"});
    EXPECT_EQ(ReadBytes(dir / "photo.tga"), old);
    EXPECT_EQ(main.state.FileName, "");

    host.saveAnswers = {dir / "photo.tga", dir / "photo"};  // No, then Yes to the same name typed bare
    host.replaceAnswers = {false, true};
    main.SaveAs1Click();
    EXPECT_EQ(host.replaceQuestions.size(), 3u);
    EXPECT_EQ(ReadBytes(dir / "photo.tga"), main.EncodeTga());
    EXPECT_EQ(main.state.FileName, dir / "photo.tga");
    main.imgRGB.GetCanvas().SetPixel(0, 0, clBlack);
    main.Save1Click();
    EXPECT_EQ(host.replaceQuestions.size(), 3u);
    EXPECT_EQ(ReadBytes(dir / "photo.tga"), main.EncodeTga());
    host.saveAnswers = {std::nullopt};
    main.New1Click();
    main.Save1Click();
    EXPECT_TRUE(host.fileDialogsShown.back().fileName.empty()) << "a name is offered only after an import";
}

TEST_F(FileCommands, SaveAsThenSaveWriteTheEncodedImage) {
    host.saveAnswers.push_back(dir / "logo");  // typed without an extension
    main.SaveAs1Click();
    const std::string saved = dir / "logo.tga";
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());
    fs::permissions(saved, fs::perms(0640));
    main.imgRGB.GetCanvas().SetPixel(3, 4, RGB(9, 8, 7));
    main.Save1Click();  // no dialog this time, and the file keeps its permissions
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());
    EXPECT_EQ(fs::status(saved).permissions(), fs::perms(0640));
    EXPECT_EQ(host.fileDialogsShown.size(), 1u);
    EXPECT_TRUE(host.messages.empty());
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
