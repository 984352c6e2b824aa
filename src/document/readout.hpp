#pragma once
#include <optional>
#include <string>

#include "platform/geometry.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

struct DragSize {
    int width = 0, height = 0;
};

// The strip below the view: the plane pixel under the pointer and its exact value, "12, 34  255 128 0
// #FF8000  A 128" in RGB mode (the alpha too, so a hidden colour is no surprise), "12, 34  A 128" in alpha
// mode; then the size of a shape or selection drag, "40 X 20". Empty with neither.
std::string ReadoutText(std::optional<TPoint> pixel, TColor rgb, int alpha, bool alphaMode,
                        std::optional<DragSize> drag);

}  // namespace corvanth
