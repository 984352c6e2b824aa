#include "tools/tool_icons.hpp"

namespace corvanth {

void PaintToolIcons(TCanvas palette) {
    for (const ToolCell& cell : kToolCells) {
        const ToolIcon& icon = kToolIcons[static_cast<std::size_t>(cell.id)];
        for (int r = 0; r < kToolCellHeight; ++r)
            for (int c = 0; c < kToolCellWidth; ++c)
                palette.SetPixel(cell.originX() + c, cell.originY() + r,
                                 kIconColors[static_cast<std::size_t>(IconEntry(icon[r][c]))]);
    }
}

}  // namespace corvanth
