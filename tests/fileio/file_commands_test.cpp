#include <gtest/gtest.h>

#include <optional>

#include "document/plane.hpp"
#include "file_commands_fixture.hpp"

namespace corvanth {
namespace {

namespace fs = std::filesystem;
using namespace testing;  // the fixture helpers in corvanth::testing

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
    fs::create_directory(dir.path / "folder.tga");
    const std::vector<std::string> nonFiles = MakeNonFiles();
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
    for (const char* name : {"rle.tga", "missing.tga", "folder.tga"})
        cases.emplace_back(name, kIoError, &before);
    for (const std::string& name : nonFiles) cases.emplace_back(name.c_str(), kIoError, &before);
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

// Save As adds the extension to a name typed without one, also in a folder with a dot in its name and for a
// name outside ASCII; Save then writes the file again without asking, and Open reads the same picture back.
TEST_F(FileCommands, SaveAsThenSaveWriteTheEncodedImage) {
    fs::create_directory(dir.path / "logos.v2");
    const std::pair<const char*, const char*> names[] = {
        {"logo", "logo.tga"}, {"logos.v2/logo", "logos.v2/logo.tga"}, {"Логотип ü", "Логотип ü.tga"}};
    for (const auto& [typed, saved] : names) {
        SCOPED_TRACE(typed);
        Reset();
        host.fileDialogsShown.clear();
        host.saveAnswers.push_back(dir / typed);
        main.SaveAs1Click();
        EXPECT_EQ(ReadBytes(dir / saved), main.EncodeTga());
        main.imgRGB.GetCanvas().SetPixel(3, 4, RGB(9, 8, 7));
        main.Save1Click();
        EXPECT_EQ(ReadBytes(dir / saved), main.EncodeTga());
        const Snapshot written = Take();
        Reset();
        host.openAnswers.push_back(dir / saved);
        main.Open1Click();
        EXPECT_TRUE(main.imgRGB.Picture == written.rgb && main.imgA.Picture == written.alpha);
        EXPECT_EQ(host.fileDialogsShown.size(), 2u);
        EXPECT_TRUE(host.messages.empty());
    }
    EXPECT_EQ(DiskContents(dir.path).size(), 4u) << "a temporary file was left";
}

}  // namespace
}  // namespace corvanth
