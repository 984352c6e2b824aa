#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

class Palette : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    const Bitmap& picture() { return form.imgToolbar.Picture; }
};

// A press on the palette, starting from Rectangle with the text box shown; a miss keeps the tool.
struct Press {
    const char* name;
    int X, Y;
    std::optional<int> tool;
    TMouseButton button = TMouseButton::mbLeft;
};
class PaletteHits : public Palette, public ::testing::WithParamInterface<Press> {};

TEST_P(PaletteHits, SelectsTheCellsToolAndItsOptions) {
    const Press p = GetParam();
    form.imgToolbarMouseDown(TMouseButton::mbLeft, 80, 10);
    form.edtText.SetVisible(true);
    form.imgToolbarMouseDown(p.button, p.X, p.Y);
    const int tool = p.tool.value_or(Rectangle);
    EXPECT_EQ(form.state.CurrentTool, tool);
    const bool brush = tool == Pencil || tool == Brush || tool == Spray || tool == Eraser;
    EXPECT_TRUE(form.trbBrushSize.Visible == brush && form.edtBrushSize.Visible == brush &&
                form.lblBrushSize.Visible == brush);
    EXPECT_EQ(form.chkFilled.Visible, tool == Rectangle);
    EXPECT_FALSE(form.edtText.Visible);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PaletteHits,
    ::testing::Values(Press{"PencilFarCorner", 23, 21, Pencil, TMouseButton::mbRight},
                      Press{"PencilNear", 1, 1, Pencil}, Press{"CellBorderX24", 24, 10, std::nullopt},
                      Press{"CellBorderY22", 10, 22, std::nullopt}, Press{"CellBorderX0", 0, 5, std::nullopt},
                      Press{"LeftOfPalette", -1, 10, std::nullopt},
                      Press{"RightOfPalette", 144, 30, std::nullopt}, Press{"LineFarCorner", 143, 43, Line},
                      Press{"Rectangle", 80, 10, Rectangle}, Press{"Ellipse", 100, 10, Ellipse},
                      Press{"Brush", 30, 10, Brush, TMouseButton::mbMiddle}, Press{"Spray", 60, 10, Spray},
                      Press{"Text", 130, 10, Text}, Press{"ColorPicker", 10, 30, ColorPicker},
                      Press{"Fill", 30, 30, Fill}, Press{"Eraser", 60, 30, Eraser},
                      Press{"Select", 80, 30, Select}, Press{"Move", 100, 30, Move}),
    [](const auto& info) { return std::string(info.param.name); });

// Per cell: sample ring pixels, light grey (lit) or dark grey on a raised button and the other way
// round on the pressed one; the top row, right column and corner outside the ring black; and inside
// the ring (columns 5 to 18, rows 4 to 17) an icon in the three icon colours, different for each tool.
TEST_F(Palette, ButtonsShowTheirIconsAndTheCurrentToolPressedIn) {
    const std::tuple<int, int, bool> ring[] = {{11, 1, true},   {1, 10, true},   {5, 18, true},
                                               {22, 10, false}, {11, 20, false}, {20, 6, false},
                                               {6, 18, false}};
    const auto check = [&](int sunkenX, int sunkenY) {
        std::set<std::vector<TColor>> icons;
        for (int x = 0; x < 144; x += 24)
            for (int y = 0; y < 44; y += 22) {
                for (auto [c, r, lit] : ring)
                    EXPECT_EQ(picture().at(x + c, y + r),
                              lit != (x == sunkenX && y == sunkenY) ? 0x5C5C5Cu : 0x202020u)
                        << x << "," << y << " ring " << c << "," << r;
                for (int i = 0; i < 24; ++i) EXPECT_EQ(picture().at(x + i, y), clBlack);
                for (int i = 0; i < 22; ++i) EXPECT_EQ(picture().at(x + 23, y + i), clBlack);
                EXPECT_EQ(picture().at(x + 1, y + 1), clBlack);
                std::vector<TColor> icon;
                for (int r = 4; r <= 17; ++r)
                    for (int c = 5; c <= 18; ++c) icon.push_back(picture().at(x + c, y + r));
                EXPECT_TRUE(
                    std::all_of(icon.begin(), icon.end(),
                                [](TColor v) { return v == 0x282828u || v == clBlack || v == 0x7F7F7Fu; }))
                    << x << "," << y;
                EXPECT_GT(std::count(icon.begin(), icon.end(), clBlack), 10) << x << "," << y;
                icons.insert(icon);
            }
        EXPECT_EQ(icons.size(), 12u);
    };
    check(0, 0);  // Pencil at start
    form.imgToolbarMouseDown(TMouseButton::mbLeft, 143, 43);
    check(120, 22);
}

}  // namespace
}  // namespace corvanth
