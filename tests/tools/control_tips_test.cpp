#include "app/control_tips.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tools/tool_palette.hpp"

namespace corvanth {
namespace {

// Each palette cell names its tool on the first line, says which colour the buttons paint with, and covers
// the cell a press selects it in: from its second column and row to its last.
TEST(ControlTips, EveryPaletteCellNamesItsTool) {
    const char* names[] = {"Pencil",  "Brush",     "Spray", "Colour picker", "Fill", "Eraser",
                           "Ellipse", "Rectangle", "Text",  "Select",        "Move", "Line"};
    for (const ToolCell& cell : kToolCells) {
        const int x = cell.originX(), y = cell.originY();
        const auto tip = TipAt("imgToolbar", x + 12, y + 11);
        ASSERT_TRUE(tip) << names[cell.id];
        EXPECT_TRUE(tip->text.starts_with(std::string(names[cell.id]) + "\n")) << tip->text;
        EXPECT_NE(tip->text.find("mouse button"), std::string_view::npos) << tip->text;
        EXPECT_EQ(tip->text.find("colour") != std::string_view::npos, cell.id != Select) << tip->text;
        EXPECT_EQ(tip->area, (TRect{x + 1, y + 1, x + 24, y + 22}));
        for (const auto& [px, py] : {std::pair{x + 1, y + 1}, {x + 23, y + 21}})
            EXPECT_EQ(TipAt("imgToolbar", px, py), tip);
        EXPECT_EQ(ToolAt(x + 12, y + 11), cell.id);
    }
    EXPECT_FALSE(TipAt("imgToolbar", 24, 5)) << "a cell's first column belongs to none";
    EXPECT_FALSE(TipAt("imgToolbar", 5, 22));
}

// The swatches, the arrow and the rest of the panel; the three previews all over; nothing elsewhere.
TEST(ControlTips, SwatchesPreviewsAndTheRest) {
    const std::tuple<const char*, int, int, const char*, TRect> rows[] = {
        {"imgColors", 20, 7, "Primary colour\n", {20, 7, 39, 26}},
        {"imgColors", 76, 25, "Secondary colour\n", {58, 7, 77, 26}},
        {"imgColors", 48, 15, "Exchange\n", {43, 13, 54, 21}},
        {"imgColors", 2, 2, "Colours of the plane being edited\n", {0, 0, 97, 32}},
        {"imgRGB", 0, 0, "Colour plane\n", {0, 0, 64, 64}},
        {"imgA", 63, 63, "Alpha plane\n", {0, 0, 64, 64}},
        {"imgComposite", 30, 30, "Preview\n", {0, 0, 64, 64}},
    };
    for (const auto& [control, x, y, first, area] : rows) {
        const auto tip = TipAt(control, x, y);
        ASSERT_TRUE(tip) << control << " " << x << "," << y;
        EXPECT_TRUE(tip->text.starts_with(first)) << tip->text;
        EXPECT_EQ(tip->area, area) << control;
    }
    EXPECT_NE(TipAt("imgColors", 25, 10)->text.find("double-click"), std::string_view::npos);
    EXPECT_NE(TipAt("imgComposite", 1, 1)->text.find("next background"), std::string_view::npos);
    EXPECT_FALSE(TipAt("imgMain", 10, 10));
    EXPECT_FALSE(TipAt("Image1", 10, 10));
}

}  // namespace
}  // namespace corvanth
