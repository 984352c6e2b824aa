#include "tools/tool_icons.hpp"

#include <array>

namespace corvanth {

void PaintToolIcons(TCanvas palette) {
    for (const ToolCell& cell : kToolCells) {
        const ToolIcon& icon = kToolIcons[static_cast<std::size_t>(cell.id)];
        // Row by row, each row counting as changed once, not pixel by pixel.
        std::array<TColor, kToolCellWidth> row{};
        for (int r = 0; r < kToolCellHeight; ++r) {
            for (int c = 0; c < kToolCellWidth; ++c)
                row[c] = kIconColors[static_cast<std::size_t>(IconEntry(icon[r][c]))];
            palette.bitmap().PutRow(cell.originY() + r, cell.originX(), row);
        }
    }
}

}  // namespace corvanth
