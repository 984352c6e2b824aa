#include <gtest/gtest.h>

#include <filesystem>

#include "app/tmain.hpp"
#include "document/plane.hpp"
#include "file_size_cap.hpp"
#include "fileio/tga_encode.hpp"
#include "scripted_platform.hpp"
#include "temp_dir.hpp"
#include "tga_fixture.hpp"

namespace corvanth {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kCaption = "Error Message";
constexpr const char* kIoError = "Error: File I/O Error.";

// An editor with a painted document, a distinct undo copy, a remembered file name and a stale view,
// so every command shows what it touched.
class FileCommands : public ::testing::Test {
  protected:
    FileCommands() {
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                main.imgRGB.GetCanvas().SetPixel(x, y, testing::SampleColor(x, y));
                main.imgA.GetCanvas().SetPixel(x, y, Grey(testing::SampleAlpha(x, y)));
            }
        }
        main.imgUndoRGB.Picture = Bitmap(64, 64, RGB(1, 2, 3));
        main.imgUndoA.Picture = Bitmap(64, 64, Grey(9));
        main.state.FileName = dir / "current.tga";
        StaleView();
    }

    void StaleView() { main.imgMain.Picture = Bitmap(256, 256, RGB(0x12, 0x34, 0x56)); }

    void ExpectViewRedrawn() {
        Bitmap expected(256, 256);
        CanvasState cs;
        RedrawView(TCanvas(expected, cs), main.ActivePlane().Picture, main.state.GridVisible != 0);
        EXPECT_EQ(main.imgMain.Picture, expected) << "the view was not redrawn";
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

    void Open(const std::string& path) {
        host.openAnswers.push_back(path);
        main.Open1Click();
    }

    TempDir dir;
    testing::ScriptedPlatform host;
    TMain main{host};
};

TEST_F(FileCommands, CancelledOpenOnlyRedraws) {
    const Snapshot before = Take();
    main.Open1Click();
    EXPECT_EQ(Take(), before);
    EXPECT_TRUE(host.messages.empty());
    ExpectViewRedrawn();
}

TEST_F(FileCommands, BadFilesShowTheirMessageAndChangeNothing) {
    WriteBytes(dir / "wide.tga", testing::Concat(testing::TgaHeader({.width = 0x140}), Bytes(20000, 0)));
    WriteBytes(dir / "deep.tga", testing::Concat(testing::TgaHeader({.depth = 16}), Bytes(8192, 0)));
    WriteBytes(dir / "short.tga", Bytes(17, 0));
    Bytes rle = testing::TgaHeader({.imageType = 10, .depth = 32});
    for (int k = 0; k < 40; ++k) rle.insert(rle.end(), {0x00, 1, 2, 3, 4});  // far too few pixels
    WriteBytes(dir / "rle.tga", rle);
    fs::create_directory(dir / "folder.tga");
    const std::pair<std::string, std::string> cases[] = {
        {"wide.tga", "Error: Image not 64x64 pixels."},
        {"short.tga", "Error: Image not 64x64 pixels."},
        {"deep.tga", "Error: Image not in 24-bit or 32-bit."},
        {"rle.tga", kIoError},
        {"missing.tga", kIoError},
        {"folder.tga", kIoError}};
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        host.messages.clear();
        StaleView();
        const Snapshot before = Take();
        Open(dir / name);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, message);
        EXPECT_EQ(host.messages[0].caption, kCaption);
        EXPECT_EQ(Take(), before);
        ExpectViewRedrawn();
    }
}

TEST_F(FileCommands, Open32BitReplacesBothPlanesAndForgetsTheName) {
    Bitmap rgb(64, 64, RGB(10, 20, 30)), alpha(64, 64, Grey(77));
    rgb.at(0, 0) = RGB(255, 0, 0);
    alpha.at(63, 63) = Grey(200);
    WriteBytes(dir / "in.tga", EncodeTgaImage(rgb, alpha));
    const Snapshot before = Take();
    main.state.AlphaMode = 1;
    Open(dir / "in.tga");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(main.imgRGB.Picture, rgb);
    EXPECT_EQ(main.imgA.Picture, alpha);
    EXPECT_EQ(main.state.FileName, "");
    EXPECT_EQ(main.imgUndoRGB.Picture, before.undoRgb);
    EXPECT_EQ(main.imgUndoA.Picture, before.undoA);
    ExpectViewRedrawn();  // the alpha plane, since that is the active one
    // Undo brings back the copy taken before the Open.
    main.Undo1Click();
    EXPECT_EQ(main.imgRGB.Picture, before.undoRgb);
    // And the next Save has to ask.
    host.saveAnswers.push_back(dir / "again.tga");
    main.Save1Click();
    EXPECT_EQ(host.fileDialogsShown.size(), 2u);
}

TEST_F(FileCommands, Open24BitTurnsAlphaBlack) {
    WriteBytes(dir / "rgb.tga",
               testing::Concat(testing::TgaHeader({.depth = 24}), testing::SamplePixels(24, 0)));
    Open(dir / "rgb.tga");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(main.imgA.Picture, Bitmap(64, 64, clBlack));
    EXPECT_EQ(main.imgRGB.Picture.at(5, 60), testing::SampleColor(5, 60));
    EXPECT_EQ(main.state.FileName, "");
}

TEST_F(FileCommands, SaveAsThenSaveWriteTheEncodedImage) {
    main.state.FileName.clear();
    host.saveAnswers.push_back(dir / "logo");  // typed without an extension
    main.SaveAs1Click();
    const std::string saved = dir / "logo.tga";
    EXPECT_EQ(main.state.FileName, saved);
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());

    main.imgRGB.GetCanvas().SetPixel(3, 4, RGB(9, 8, 7));
    main.Save1Click();  // no dialog this time
    EXPECT_EQ(host.fileDialogsShown.size(), 1u);
    EXPECT_EQ(ReadBytes(saved), main.EncodeTga());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(fs::directory_iterator(dir.path())->path().string(), saved) << "no temporary file left";
}

TEST_F(FileCommands, CancelledSaveChangesNothing) {
    main.state.FileName.clear();
    const Snapshot before = Take();
    main.Save1Click();
    main.SaveAs1Click();
    EXPECT_EQ(host.fileDialogsShown.size(), 2u);
    EXPECT_EQ(Take(), before);
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_EQ(main.imgMain.Picture, Bitmap(256, 256, RGB(0x12, 0x34, 0x56))) << "saving does not repaint";
}

TEST_F(FileCommands, FailedSaveReportsKeepsOldFileAndStillTakesTheName) {
    const std::string old = dir / "current.tga";
    WriteBytes(old, Bytes{1, 2, 3});
    fs::create_directory(dir / "folder.tga");
    WriteBytes(dir / "plain", Bytes{4});
    for (const std::string& target : {dir / "folder.tga", dir / "plain/x.tga"}) {
        host.messages.clear();
        host.saveAnswers.push_back(target);
        main.SaveAs1Click();
        ASSERT_EQ(host.messages.size(), 1u) << target;
        EXPECT_EQ(host.messages[0].text, kIoError);
        EXPECT_EQ(host.messages[0].caption, kCaption);
        EXPECT_EQ(main.state.FileName, target);
    }
    EXPECT_TRUE(fs::is_directory(dir / "folder.tga"));
    EXPECT_EQ(ReadBytes(dir / "plain"), Bytes{4});
    // A full disk: Save under the old name reports it and keeps the old contents.
    main.state.FileName = old;
    host.messages.clear();
    {
        const testing::FileSizeCap cap(100);
        main.Save1Click();
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kIoError);
    EXPECT_EQ(ReadBytes(old), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace corvanth
