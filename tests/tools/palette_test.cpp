#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"
#include "tools/tool_palette.hpp"

namespace corvanth {
namespace {

struct Press {
    int X, Y;
    std::optional<int> tool;
};
class PaletteHits : public ::testing::TestWithParam<Press> {};

TEST_P(PaletteHits, PressSelects) {
    const Press p = GetParam();
    testing::ScriptedPlatform host;
    TMain form(host);
    form.state.CurrentTool = Move;
    form.imgToolbarMouseDown(TMouseButton::mbRight, p.X, p.Y);
    EXPECT_EQ(form.state.CurrentTool, p.tool.value_or(Move));
}

INSTANTIATE_TEST_SUITE_P(Cells, PaletteHits,
                         ::testing::Values(Press{23, 21, Pencil}, Press{1, 1, Pencil},
                                           Press{24, 10, std::nullopt}, Press{10, 22, std::nullopt},
                                           Press{0, 5, std::nullopt}, Press{143, 43, Line},
                                           Press{80, 10, Rectangle}, Press{100, 10, Ellipse},
                                           Press{30, 10, Brush}, Press{60, 10, Spray}, Press{130, 10, Text},
                                           Press{10, 30, ColorPicker}, Press{30, 30, Fill},
                                           Press{60, 30, Eraser}, Press{80, 30, Select}, Press{100, 30, Move},
                                           Press{144, 30, std::nullopt}, Press{-1, 10, std::nullopt}));

TEST(Palette, OptionControlsFollowTheTool) {
    testing::ScriptedPlatform host;
    TMain form(host);
    const std::set<int> brushTools{Pencil, Brush, Spray, Eraser};
    for (const ToolCell& cell : kToolCells) {
        form.edtText.SetVisible(true);
        form.imgToolbarMouseDown(TMouseButton::mbLeft, cell.originX() + 12, cell.originY() + 11);
        ASSERT_EQ(form.state.CurrentTool, cell.id);
        const bool brush = brushTools.count(cell.id) > 0;
        EXPECT_EQ(form.trbBrushSize.Visible, brush) << cell.id;
        EXPECT_EQ(form.edtBrushSize.Visible, brush) << cell.id;
        EXPECT_EQ(form.lblBrushSize.Visible, brush) << cell.id;
        EXPECT_EQ(form.chkFilled.Visible, cell.id == Rectangle) << cell.id;
        EXPECT_FALSE(form.edtText.Visible);
    }
}

TEST(Palette, MissKeepsOptionsButHidesTextAndRepaints) {
    testing::ScriptedPlatform host;
    TMain form(host);
    form.imgToolbarMouseDown(TMouseButton::mbLeft, 80, 10);
    form.edtText.SetVisible(true);
    form.imgToolbarMouseDown(TMouseButton::mbMiddle, 72, 10);
    EXPECT_EQ(form.state.CurrentTool, Rectangle);
    EXPECT_TRUE(form.chkFilled.Visible);
    EXPECT_FALSE(form.edtText.Visible);
}

// Ring pixels: light to the upper left and dark to the lower right on a raised button, the other
// way round on the pressed one.
TEST(Palette, FramesShowTheCurrentToolPressedIn) {
    testing::ScriptedPlatform host;
    TMain form(host);
    const Bitmap& p = form.imgToolbar.Picture;
    const auto check = [&](int tool, bool sunken) {
        const ToolCell& cell = *std::find_if(kToolCells.begin(), kToolCells.end(),
                                             [tool](const ToolCell& c) { return c.id == tool; });
        const TColor light = 0x5C5C5C, dark = 0x202020;
        const int x = cell.originX(), y = cell.originY();
        EXPECT_EQ(p.at(x + 11, y + 1), sunken ? dark : light) << tool;
        EXPECT_EQ(p.at(x + 1, y + 10), sunken ? dark : light) << tool;
        EXPECT_EQ(p.at(x + 22, y + 10), sunken ? light : dark) << tool;
        EXPECT_EQ(p.at(x + 11, y + 20), sunken ? light : dark) << tool;
        EXPECT_EQ(p.at(x + 20, y + 6), sunken ? light : dark) << tool;
        EXPECT_EQ(p.at(x + 5, y + 18), sunken ? dark : light) << tool;
        EXPECT_EQ(p.at(x + 6, y + 18), sunken ? light : dark) << tool;
        for (int i = 0; i < kToolCellWidth; ++i) EXPECT_EQ(p.at(x + i, y), clBlack);
        for (int i = 0; i < kToolCellHeight; ++i) EXPECT_EQ(p.at(x + 23, y + i), clBlack);
        EXPECT_EQ(p.at(x + 1, y + 1), clBlack);  // outside the ring
    };
    for (const ToolCell& cell : kToolCells) check(cell.id, cell.id == Pencil);
    form.imgToolbarMouseDown(TMouseButton::mbLeft, 143, 43);
    for (const ToolCell& cell : kToolCells) check(cell.id, cell.id == Line);
}

TEST(Palette, IconsShowInsideTheRingsAndDifferFromEachOther) {
    testing::ScriptedPlatform host;
    TMain form(host);
    const Bitmap& p = form.imgToolbar.Picture;
    const std::set<TColor> iconColours{0x282828, 0x000000, 0x7F7F7F};
    std::set<std::vector<TColor>> seen;
    for (const ToolCell& cell : kToolCells) {
        std::vector<TColor> inside;
        int ink = 0;
        for (int r = 0; r < kToolCellHeight; ++r)
            for (int c = 0; c < kToolCellWidth; ++c) {
                if (FrameRaisedAt(c, r) != kFrameKeep) continue;
                const TColor v = p.at(cell.originX() + c, cell.originY() + r);
                EXPECT_TRUE(iconColours.count(v)) << cell.id;
                ink += v != 0x282828;
                inside.push_back(v);
            }
        EXPECT_GT(ink, 20) << cell.id;
        seen.insert(inside);
    }
    EXPECT_EQ(seen.size(), kToolCells.size());
}

}  // namespace
}  // namespace corvanth
