#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tmain.hpp"
#include "file_fixture.hpp"
#include "scripted_platform.hpp"

namespace corvanth::testing {

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

    // Names of things that are there but are not files, pipes and devices, which Open refuses without
    // waiting for a writer. Each kind of system makes its own.
    std::vector<std::string> MakeNonFiles();

    TempDir dir;
    ScriptedPlatform host;
    TMain main{host};
    std::shared_ptr<void> nonFiles;  // holds what MakeNonFiles keeps open
};

}  // namespace corvanth::testing
