#include <gtest/gtest.h>

#include <optional>

#include "file_commands_fixture.hpp"
#include "system_files.hpp"

namespace corvanth {

namespace fs = std::filesystem;
using namespace testing;  // the fixture helpers in corvanth::testing

// A pipe with nobody writing, and the null device.
std::vector<std::string> testing::FileCommands::MakeNonFiles() {
    const std::string pipe = R"(\\.\pipe\corvanth-test-)" + std::to_string(std::random_device{}());
    nonFiles = ListeningPipe(pipe);
    return {pipe, R"(\\.\NUL)"};
}

namespace {

// A save refused shows the one message, keeps the name it was given and changes nothing on disk: a folder, a
// name under a file, a file with the read-only attribute, and one another program holds open without letting
// others write.
TEST_F(FileCommands, SavesThatWriteNothing) {
    fs::create_directory(dir.path / "folder.tga");
    WriteBytes(dir / "plain", Bytes{4});
    WriteBytes(dir / "read-only.tga", Bytes{5});
    SetAttribute(dir / "read-only.tga", Attribute::ReadOnly, true);
    WriteBytes(dir / "locked.tga", Bytes{6});
    const auto disk = DiskContents(dir.path);
    main.state.FileName.clear();  // so Save asks
    const Snapshot before = Take();
    const std::optional<std::string> targets[] = {std::nullopt, dir / "folder.tga", dir / "plain/x.tga",
                                                  dir / "read-only.tga", dir / "locked.tga"};
    for (const auto& target : targets) {
        SCOPED_TRACE(target.value_or("cancelled"));
        host.saveAnswers = {target};
        host.messages.clear();
        main.state.FileName.clear();
        const Bitmap view = main.imgMain.Picture;
        {
            const auto lock = HoldOpen(dir / "locked.tga", false);
            main.Save1Click();
        }
        Snapshot expected = before;
        expected.fileName = target.value_or("");
        EXPECT_EQ(Take(), expected);
        EXPECT_EQ(main.imgMain.Picture, view);
        EXPECT_TRUE(target ? OnlyMessage(kIoError) : host.messages.empty());
        EXPECT_EQ(DiskContents(dir.path), disk);
    }
    SetAttribute(dir / "read-only.tga", Attribute::ReadOnly, false);  // so it can be removed
}

// A file with another hard link, and one another program holds open letting others read and write but not
// rename, cannot be replaced: each is written in place, so every name shows the new picture. A file that is
// replaced keeps its attributes.
TEST_F(FileCommands, SavesThatCannotReplaceTheFile) {
    const Bytes old = {7, 7, 7};
    for (const char* name : {"linked.tga", "shared.tga", "hidden.tga"}) WriteBytes(dir / name, old);
    fs::create_hard_link(Native(dir / "linked.tga"), Native(dir / "other-name.tga"));
    SetAttribute(dir / "hidden.tga", Attribute::Hidden, true);
    const Bytes encoded = main.EncodeTga();
    const std::pair<const char*, std::vector<const char*>> cases[] = {
        {"linked.tga", {"linked.tga", "other-name.tga"}},
        {"shared.tga", {"shared.tga"}},
        {"hidden.tga", {"hidden.tga"}}};
    for (const auto& [target, saved] : cases) {
        SCOPED_TRACE(target);
        auto disk = DiskContents(dir.path);
        for (const char* name : saved) disk[dir / name] = encoded;
        main.state.FileName = dir / target;
        {
            const auto held = HoldOpen(dir / "shared.tga", true);
            main.Save1Click();
        }
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(DiskContents(dir.path), disk);
    }
    EXPECT_TRUE(HasAttribute(dir / "hidden.tga", Attribute::Hidden));
}

}  // namespace
}  // namespace corvanth
