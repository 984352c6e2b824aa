#include "tools/plane_tools.hpp"

namespace corvanth {

std::optional<TColor> PickColor(const Bitmap& plane, int x, int y) {
    if (!plane.contains(x, y)) return std::nullopt;
    return plane.at(x, y);
}

bool FillRegion(TCanvas plane, int x, int y, TColor color) {
    if (!plane.bitmap().contains(x, y)) return false;
    const TColor target = plane.GetPixel(x, y);
    if (target == color) return false;
    plane.Brush().color = color;
    plane.Brush().style = TBrushStyle::bsSolid;
    plane.FloodFill(x, y, target, TFillStyle::fsSurface);
    return true;
}

}  // namespace corvanth
