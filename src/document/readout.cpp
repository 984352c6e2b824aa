#include "document/readout.hpp"

#include <cstdio>

namespace corvanth {

std::string ReadoutText(std::optional<TPoint> pixel, TColor rgb, int alpha, bool alphaMode,
                        std::optional<DragSize> drag) {
    std::string out;
    char part[64];
    if (pixel) {
        std::snprintf(part, sizeof part, "%d, %d  ", pixel->x, pixel->y);
        out += part;
        if (!alphaMode) {
            std::snprintf(part, sizeof part, "%d %d %d #%02X%02X%02X  ", Red(rgb), Green(rgb), Blue(rgb),
                          Red(rgb), Green(rgb), Blue(rgb));
            out += part;
        }
        std::snprintf(part, sizeof part, "A %d  ", alpha);
        out += part;
    }
    if (drag) {
        std::snprintf(part, sizeof part, "%d X %d  ", drag->width, drag->height);
        out += part;
    }
    if (!out.empty()) out.resize(out.size() - 2);
    return out;
}

}  // namespace corvanth
