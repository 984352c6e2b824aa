#pragma once
#include <optional>
#include <string_view>

#include "platform/geometry.hpp"

namespace corvanth {

// A tooltip and the part of its control it belongs to, in the control's pixels (right and bottom
// exclusive): the tip goes when the pointer leaves that part.
struct ControlTip {
    std::string_view text;
    TRect area;
    friend bool operator==(const ControlTip&, const ControlTip&) = default;
};

// The tooltip of the form's picture `control` (a component name) at its pixel (x, y); nothing where it
// has none.
std::optional<ControlTip> TipAt(std::string_view control, int x, int y);

}  // namespace corvanth
