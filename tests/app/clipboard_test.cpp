// Edit > Copy and Paste through a scripted clipboard, and File > Export PNG.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "../fileio/file_fixture.hpp"
#include "app/tmain.hpp"
#include "fileio/png_encode.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

using testing::TempDir;

constexpr TColor kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A picture of one colour and alpha.
RgbaPicture Solid(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    RgbaPicture p{w, h, {}};
    for (int i = 0; i < w * h; ++i) p.rgba.insert(p.rgba.end(), {r, g, b, a});
    return p;
}

// A picture of two colours side by side: opaque red on the left, blue at alpha 100 on the right.
RgbaPicture RedBlue(int w, int h) {
    RgbaPicture p{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x < w / 2)
                p.rgba.insert(p.rgba.end(), {255, 0, 0, 255});
            else
                p.rgba.insert(p.rgba.end(), {0, 0, 255, 100});
    return p;
}

class Clipboard : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    // Every pixel of both planes different, alpha included.
    static TColor RgbAt(int x, int y) { return RGB(4 * x + 1, 255 - 4 * y, (x * y) & 255); }
    static int AlphaAt(int x, int y) { return (3 * x + 5 * y + 7) & 255; }
    void SetUp() override {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                form.imgRGB.Picture.at(x, y) = RgbAt(x, y);
                form.imgA.Picture.at(x, y) = Grey(AlphaAt(x, y));
            }
    }
    void Select(SelectionCorners s) {
        form.state.SelectionRect = s;
        form.state.SelectionActive = true;
    }
    // The copied picture holds the planes' pixels of the box, row by row.
    void ExpectCopyOf(const TRect& box) {
        ASSERT_TRUE(host.clipboard.picture);
        const RgbaPicture& p = *host.clipboard.picture;
        ASSERT_EQ(p.width, box.width());
        ASSERT_EQ(p.height, box.height());
        ASSERT_EQ(p.rgba.size(), static_cast<std::size_t>(p.width * p.height * 4));
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const std::uint8_t* px = &p.rgba[static_cast<std::size_t>((y * p.width + x) * 4)];
                const TColor c = RgbAt(box.left + x, box.top + y);
                ASSERT_EQ(RGB(px[0], px[1], px[2]), c) << x << "," << y;
                ASSERT_EQ(px[3], AlphaAt(box.left + x, box.top + y)) << x << "," << y;
            }
    }
    bool PlanesUntouched(const TRect& except = {}) const {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                if (x >= except.left && x < except.right && y >= except.top && y < except.bottom) continue;
                if (form.imgRGB.Picture.GetPixel(x, y) != RgbAt(x, y)) return false;
                if (form.imgA.Picture.GetPixel(x, y) != Grey(AlphaAt(x, y))) return false;
            }
        return true;
    }
};

TEST_F(Clipboard, CopyTakesTheWholeLogoOrTheSelectedBlockInsideThePlane) {
    form.Copy1Click();
    ExpectCopyOf({0, 0, 64, 64});
    Select({40, 30, 20, 10});  // corners in any order, both inside
    form.Copy1Click();
    ExpectCopyOf({20, 10, 41, 31});
    Select({60, 62, 70, -3});  // dragged past the edges
    form.Copy1Click();
    ExpectCopyOf({60, 0, 64, 63});
    EXPECT_TRUE(PlanesUntouched());
    EXPECT_TRUE(form.Readout().empty());
    // Moved off the plane, it holds nothing: the clipboard keeps what it had.
    Select({70, 70, 80, 80});
    form.Copy1Click();
    ExpectCopyOf({60, 0, 64, 63});
    EXPECT_EQ(form.Readout(), "NOTHING TO COPY");
}

// Copy then Paste of the same block gives back the same pixels, but for the colour under alpha 0, which a
// paste makes white as an import does.
TEST_F(Clipboard, CopyThenPasteOfABlockGivesItBack) {
    Select({5, 7, 25, 40});
    form.Copy1Click();
    form.Paste1Click();
    int hidden = 0;
    for (int y = 7; y <= 40; ++y)
        for (int x = 5; x <= 25; ++x) {
            const bool shown = AlphaAt(x, y) != 0;
            hidden += shown ? 0 : 1;
            ASSERT_EQ(form.imgRGB.Picture.GetPixel(x, y), shown ? RgbAt(x, y) : clWhite) << x << "," << y;
            form.imgRGB.Picture.at(x, y) = RgbAt(x, y);
        }
    EXPECT_GT(hidden, 0);
    EXPECT_TRUE(PlanesUntouched());
}

TEST_F(Clipboard, PasteFitsIntoTheSelectionBoxAndUndoTakesItBack) {
    Select({29, 29, 10, 20});                  // 20 by 10 pixels at (10, 20)
    host.clipboard.picture = RedBlue(40, 20);  // halved exactly
    form.state.FileName = "logo.tga";
    form.Paste1Click();
    const TRect box{10, 20, 30, 30};
    EXPECT_TRUE(PlanesUntouched(box));
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const bool left = x < 20;
            ASSERT_EQ(form.imgRGB.Picture.GetPixel(x, y), left ? kRed : kBlue) << x << "," << y;
            ASSERT_EQ(form.imgA.Picture.GetPixel(x, y), Grey(left ? 255 : 100)) << x << "," << y;
        }
    EXPECT_EQ(form.state.FileName, "logo.tga") << "a paste edits the logo, it is not another file";
    EXPECT_TRUE(form.state.SelectionActive);
    form.Undo1Click();
    EXPECT_TRUE(PlanesUntouched());
}

// Into the whole logo: a wide picture shrinks to 64 by 32 in the middle rows, with white see-through
// padding above and below; a small one keeps its size in the middle.
TEST_F(Clipboard, PasteFitsIntoTheWholeLogoWithoutASelection) {
    host.clipboard.picture = RedBlue(128, 64);
    form.Paste1Click();
    for (int x = 0; x < 64; ++x) {
        for (const int y : {0, 15, 48, 63}) {
            ASSERT_EQ(form.imgRGB.Picture.GetPixel(x, y), clWhite) << x << "," << y;
            ASSERT_EQ(form.imgA.Picture.GetPixel(x, y), Grey(0)) << x << "," << y;
        }
        for (const int y : {16, 47}) {
            ASSERT_EQ(form.imgRGB.Picture.GetPixel(x, y), x < 32 ? kRed : kBlue) << x << "," << y;
            ASSERT_EQ(form.imgA.Picture.GetPixel(x, y), Grey(x < 32 ? 255 : 100)) << x << "," << y;
        }
    }
    host.clipboard.picture = Solid(2, 2, 1, 2, 3, 4);
    form.Paste1Click();
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(32, 32), RGB(1, 2, 3));
    EXPECT_EQ(form.imgA.Picture.GetPixel(31, 31), Grey(4));
    EXPECT_EQ(form.imgA.Picture.GetPixel(30, 31), Grey(0));
    form.Undo1Click();  // back to the wide picture, the one undo copy
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(32, 32), kBlue);
}

// An empty clipboard, one holding text only (nothing a picture can be made of), an empty picture, several
// files, or a selection off the plane: nothing changes, not even the undo copy, and the readout says so
// until the pointer moves over the view again.
TEST_F(Clipboard, NothingToPasteChangesNothingAndSaysSo) {
    form.SaveUndo();
    const Bitmap undo = form.imgUndoRGB.Picture;
    form.imgRGB.Picture.at(0, 0) = kRed;  // differs from the undo copy
    const auto expectNothing = [&](const char* what) {
        form.Paste1Click();
        EXPECT_EQ(form.Readout(), "NOTHING TO PASTE") << what;
        EXPECT_EQ(form.imgRGB.Picture.GetPixel(0, 0), kRed) << what;
        form.imgRGB.Picture.at(0, 0) = RgbAt(0, 0);
        EXPECT_TRUE(PlanesUntouched()) << what;
        form.imgRGB.Picture.at(0, 0) = kRed;
        EXPECT_TRUE(form.imgUndoRGB.Picture == undo) << what;
        EXPECT_TRUE(host.messages.empty()) << what;
        form.ShowReadout(5, 5);
        EXPECT_EQ(form.Readout().find("NOTHING"), std::string::npos) << what;
    };
    expectNothing("empty");
    host.clipboard.picture = RgbaPicture{};
    expectNothing("empty picture");
    host.clipboard = {std::nullopt, {"/a.png", "/b.png"}};
    expectNothing("two files");
    host.clipboard = {Solid(3, 3, 0, 0, 0, 255), {}};
    Select({70, 70, 90, 90});
    expectNothing("selection off the plane");
}

// A file copied in a file manager comes in as a dropped one: fitted into the whole logo.
TEST_F(Clipboard, ACopiedFileIsPastedAsADroppedOne) {
    host.pictures["/pictures/one.png"] = Solid(64, 64, 9, 8, 7, 6);
    host.clipboard = {std::nullopt, {"/pictures/one.png"}};
    Select({0, 0, 9, 9});
    form.Paste1Click();
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(63, 63), RGB(9, 8, 7));
    EXPECT_EQ(form.imgA.Picture.GetPixel(0, 0), Grey(6));
    EXPECT_EQ(form.state.OfferedSaveName, "/pictures/one.tga");
    host.clipboard.files = {"/pictures/missing.png"};
    form.Paste1Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Error: missing.png is not a picture this program can read.");
}

// The export dialog offers the logo's name with .png and asks before replacing; the file is the planes'
// PNG, and the TGA's name is left as it was.
TEST_F(Clipboard, ExportWritesAPngBesideTheLogoAndKeepsItsName) {
    TempDir dir;
    form.state.FileName = dir / "logo.tga";
    host.saveAnswers = {dir / "logo"};
    form.ExportPNG1Click();
    ASSERT_EQ(host.fileDialogsShown.size(), 1u);
    const FileDialogOptions& shown = host.fileDialogsShown[0];
    EXPECT_EQ(shown.filter, "PNG image|*.png");
    EXPECT_EQ(shown.defaultExt, "png");
    EXPECT_TRUE(shown.confirmOverwrite);
    EXPECT_EQ(shown.fileName, dir / "logo.png");
    EXPECT_EQ(form.state.FileName, dir / "logo.tga");
    const RgbaPicture planes = [&] {
        form.Copy1Click();
        return *host.clipboard.picture;
    }();
    EXPECT_EQ(testing::ReadBytes(dir / "logo.png"), EncodePng(planes));

    // Asked before replacing: No goes back to the dialog, which is then cancelled.
    form.imgRGB.Picture.at(0, 0) = kRed;
    host.saveAnswers = {dir / "logo.png", std::nullopt};
    host.replaceAnswers = {false};
    form.ExportPNG1Click();
    EXPECT_EQ(host.replaceQuestions.size(), 1u);
    EXPECT_EQ(testing::ReadBytes(dir / "logo.png"), EncodePng(planes));
    // A folder that is not there.
    host.saveAnswers = {dir / "missing/logo.png"};
    form.ExportPNG1Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Error: File I/O Error.");
}

}  // namespace
}  // namespace corvanth
