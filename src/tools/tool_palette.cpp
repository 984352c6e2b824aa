#include "tools/tool_palette.hpp"

namespace corvanth {

std::optional<int> ToolAt(int X, int Y) {
    for (const ToolCell& cell : kToolCells) {
        const int x0 = cell.originX(), y0 = cell.originY();
        if (X >= x0 + 1 && X <= x0 + kToolCellWidth - 1 && Y >= y0 + 1 && Y <= y0 + kToolCellHeight - 1)
            return cell.id;
    }
    return std::nullopt;
}

void PaintToolFrames(TCanvas palette, int currentTool) {
    for (const ToolCell& cell : kToolCells) {
        const bool sunken = cell.id == currentTool;
        for (int r = 0; r < kToolCellHeight; ++r) {
            for (int c = 0; c < kToolCellWidth; ++c) {
                const int v = sunken ? kFrameSunken.at(c, r) : FrameRaisedAt(c, r);
                if (v == kFrameKeep) continue;
                palette.SetPixel(cell.originX() + c, cell.originY() + r,
                                 kFrameColors[static_cast<std::size_t>(v)]);
            }
        }
    }
}

}  // namespace corvanth
