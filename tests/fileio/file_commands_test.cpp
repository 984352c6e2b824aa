#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <optional>

#include "app/tmain.hpp"
#include "document/plane.hpp"
#include "file_fixture.hpp"
#include "fileio/file_name.hpp"
#include "fileio/file_read.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

namespace fs = std::filesystem;
using namespace testing;  // the fixture helpers in corvanth::testing

constexpr const char* kCaption = "Error Message";
constexpr const char* kIoError = "Error: File I/O Error.";

// Runs work with every file this process writes cut at cap bytes, as on a full disk.
template <class Work>
void WithFileSizeCap(rlim_t cap, Work work) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit capped{cap, old.rlim_max};
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &capped);
    work();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
}

// Permission bits do not stop root, so as root the work runs in a child that has given up root first.
// Nothing when root could not be given up.
template <class Work>
std::optional<bool> Unprivileged(Work work) {
    if (::geteuid() != 0) return work();
    const pid_t child = ::fork();
    if (child == 0) ::_exit(::setgid(65534) != 0 || ::setuid(65534) != 0 ? 2 : work() ? 1 : 0);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 1;
}

class FileCommands : public ::testing::Test {
  protected:
    FileCommands() { Reset(); }
    // A painted document, a distinct undo copy and a remembered file name, so every command shows what it
    // touched.
    void Reset() {
        main.imgRGB.Picture = Bitmap(64, 64, RGB(10, 20, 30));
        main.imgA.Picture = Bitmap(64, 64, Grey(77));
        main.imgUndoRGB.Picture = Bitmap(64, 64, RGB(1, 2, 3));
        main.imgUndoA.Picture = Bitmap(64, 64, Grey(9));
        main.state.FileName = dir / "current.tga";
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
               host.messages[0].caption == kCaption;
    }

    TempDir dir;
    ScriptedPlatform host;
    TMain main{host};
};

// Each file gives its message, or none when it loads; a file that does not load changes nothing, one that
// does replaces both planes (a 24-bit one turning alpha black) and the name, but not the undo copy.
TEST_F(FileCommands, OpenGivesTheFilesMessageOrLoadsIt) {
    WriteBytes(dir / "in32.tga", Concat(TgaHeader({.depth = 32}), SamplePixels(32, 0)));
    WriteBytes(dir / "in24.tga", Concat(TgaHeader({.depth = 24}), SamplePixels(24, 0)));
    WriteBytes(dir / "wide.tga", Concat(TgaHeader({.width = 0x140}), Bytes(20000, 0)));
    WriteBytes(dir / "deep.tga", Concat(TgaHeader({.depth = 16}), Bytes(8192, 0)));
    WriteBytes(dir / "rle.tga", Concat(TgaHeader({.imageType = 10}), Repeat(40, {0x00, 1, 2, 3, 4})));
    fs::copy_file(dir / "in32.tga", dir / "big.tga");
    fs::resize_file(dir / "big.tga", kMaxTgaFileBytes + 1);  // a good image with a long tail
    WriteBytes(dir / "huge.tga", {});
    fs::resize_file(dir / "huge.tga", std::uintmax_t{2} << 30);  // 2 GiB that take no disk space
    fs::create_directory(dir / "folder.tga");
    ASSERT_EQ(::mkfifo((dir / "pipe.tga").c_str(), 0600), 0);  // refused without waiting for a writer
    const Snapshot loaded32{SamplePlane(false), SamplePlane(true), Bitmap(64, 64, RGB(1, 2, 3)),
                            Bitmap(64, 64, Grey(9)), ""};
    Snapshot loaded24 = loaded32;
    loaded24.alpha = Bitmap(64, 64, clBlack);
    const std::tuple<const char*, const char*, const Snapshot*> cases[] = {
        {"in32.tga", nullptr, &loaded32},
        {"in24.tga", nullptr, &loaded24},
        {nullptr, nullptr, nullptr},  // cancelled
        {"wide.tga", "Error: Image not 64x64 pixels.", nullptr},
        {"deep.tga", "Error: Image not in 24-bit or 32-bit.", nullptr},
        {"rle.tga", kIoError, nullptr},
        {"big.tga", kIoError, nullptr},
        {"huge.tga", kIoError, nullptr},
        {"missing.tga", kIoError, nullptr},
        {"folder.tga", kIoError, nullptr},
        {"pipe.tga", kIoError, nullptr},
        {"/dev/zero", kIoError, nullptr}};
    main.state.AlphaMode = 1;  // so the view must show the new alpha plane
    for (const auto& [name, message, loaded] : cases) {
        SCOPED_TRACE(name ? name : "cancelled");
        Reset();
        const Snapshot before = Take();
        main.imgMain.Picture = Bitmap(256, 256, RGB(0x12, 0x34, 0x56));  // stale, so the redraw shows
        host.messages.clear();
        host.openAnswers.push_back(name ? std::optional(dir / name) : std::nullopt);
        main.Open1Click();
        Bitmap view(256, 256);
        CanvasState cs;
        RedrawView(TCanvas(view, cs), main.imgA.Picture, main.state.GridVisible != 0);
        EXPECT_EQ(main.imgMain.Picture, view) << "the view was not redrawn from the active plane";
        EXPECT_TRUE(message ? OnlyMessage(message) : host.messages.empty());
        EXPECT_EQ(Take(), loaded ? *loaded : before);
    }
}

TEST_F(FileCommands, SaveAsThenSaveWriteTheEncodedImage) {
    main.state.FileName.clear();
    host.saveAnswers.push_back(dir / "logo");  // typed without an extension
    main.SaveAs1Click();
    const std::string saved = dir / "logo.tga";
    EXPECT_EQ(main.state.FileName, saved);
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());
    ::chmod(saved.c_str(), 0640);
    main.imgRGB.GetCanvas().SetPixel(3, 4, RGB(9, 8, 7));
    main.Save1Click();  // no dialog this time, and the file keeps its permissions
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());
    struct stat st {};
    ::stat(saved.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    fs::create_symlink("logo.tga", dir / "link.tga");
    main.state.FileName = dir / "link.tga";
    main.imgRGB.GetCanvas().SetPixel(5, 6, RGB(1, 1, 1));
    main.Save1Click();  // written through the link, which stays
    EXPECT_TRUE(fs::is_symlink(dir / "link.tga"));
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());
    EXPECT_EQ(host.fileDialogsShown.size(), 1u);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(DiskContents(dir.path).size(), 2u) << "a temporary file was left";
}

// A cancelled save changes nothing; a failed one shows the one message and still takes the name.
// Neither repaints the view or changes what is on disk.
TEST_F(FileCommands, SavesThatWriteNothing) {
    fs::create_directory(dir / "folder.tga");
    WriteBytes(dir / "plain", Bytes{4});
    WriteBytes(dir / "current.tga", Bytes{1, 2, 3});
    fs::create_directory(dir / "ro");
    WriteBytes(dir / "ro/old.tga", Bytes{5});
    ::chmod(dir.path.c_str(), 0755);
    ::chmod((dir / "ro").c_str(), 0555);
    const auto disk = DiskContents(dir.path);
    main.imgMain.Picture = Bitmap(256, 256, RGB(0x12, 0x34, 0x56));
    const Bitmap view = main.imgMain.Picture;
    struct Case {
        const char* name;
        std::optional<std::string> target;
        rlim_t sizeCap = RLIM_INFINITY;
        bool readOnly = false;
    };
    for (const Case& c :
         {Case{"Cancelled", std::nullopt}, Case{"TargetIsFolder", dir / "folder.tga"},
          Case{"ParentIsFile", dir / "plain/x.tga"}, Case{"DiskFull", dir / "current.tga", 100},
          Case{"ReadOnlyFolder", dir / "ro/old.tga", RLIM_INFINITY, true}}) {
        SCOPED_TRACE(c.name);
        main.state.FileName.clear();  // so Save asks
        Snapshot expected = Take();
        expected.fileName = c.target.value_or("");
        auto save = [&] {
            host.messages.clear();
            host.saveAnswers.push_back(c.target);
            WithFileSizeCap(c.sizeCap, [&] { main.Save1Click(); });
            return Take() == expected && (c.target ? OnlyMessage(kIoError) : host.messages.empty());
        };
        const std::optional<bool> asExpected = c.readOnly ? Unprivileged(save) : save();
        ASSERT_TRUE(asExpected.has_value()) << "could not give up root";
        EXPECT_TRUE(*asExpected) << "wrong message or name, or the planes changed";
        EXPECT_EQ(DiskContents(dir.path), disk);
        EXPECT_EQ(main.imgMain.Picture, view) << "saving does not repaint";
    }
    ::chmod((dir / "ro").c_str(), 0755);
}

TEST(WithDefaultExtension, AppendsOnlyWhenTheLastPartHasNone) {
    const std::pair<const char*, const char*> cases[] = {{"logo.TGA", "logo.TGA"},
                                                         {"my.logos/logo", "my.logos/logo.tga"},
                                                         {"dir/.hidden", "dir/.hidden.tga"},
                                                         {"dir/", "dir/"},
                                                         {"", ""}};
    for (const auto& [in, out] : cases) EXPECT_EQ(WithDefaultExtension(in, "tga"), out) << in;
}

}  // namespace
}  // namespace corvanth
