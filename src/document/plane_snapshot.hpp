#pragma once
#include <optional>

#include "platform/bitmap.hpp"

namespace corvanth {

// A copy of one plane taken at a press, the base every preview redraws from. It remembers which plane
// it came from, so it is never written into the other one, and is dropped when its preview ends.
class PlaneSnapshot {
  public:
    void Take(const Bitmap& plane, int alphaMode) {
        pixels_ = plane;
        plane_ = alphaMode;
    }
    void Drop() { plane_.reset(); }
    // The copy, only while it is the base of a preview on that plane.
    const Bitmap* Of(int alphaMode) const { return plane_ == alphaMode ? &pixels_ : nullptr; }

  private:
    Bitmap pixels_;
    std::optional<int> plane_;
};

}  // namespace corvanth
