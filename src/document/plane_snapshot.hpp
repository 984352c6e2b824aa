#pragma once
#include <cstdint>
#include <optional>

#include "platform/bitmap.hpp"

namespace corvanth {

// A copy of one plane taken at a press, the base every preview redraws from. It remembers which plane
// it came from, so it is never written into the other one, and is dropped when its preview ends.
class PlaneSnapshot {
  public:
    void Take(const Bitmap& plane, int alphaMode);
    void Drop() { plane_.reset(); }
    // The copy, only while it is the base of a preview on that plane.
    const Bitmap* Of(int alphaMode) const { return plane_ == alphaMode ? &pixels_ : nullptr; }

    // A preview is drawn on a draft, a copy of the snapshot kept between moves so they allocate nothing,
    // and then put into the plane in one piece. Only the pixels it really changes there count as changed:
    // a shape that grows by a pixel repaints that pixel, not all of itself.
    // The draft, just like the snapshot again; none when the snapshot is not of that plane.
    Bitmap* Draft(int alphaMode);
    // Writes the draft into the plane. While the plane is as the last put left it, only what the last
    // draft and this one drew can differ, and only that is compared.
    void Put(Bitmap& plane);

  private:
    Bitmap pixels_, draft_;
    std::optional<int> plane_;
    TRect drawn_;                         // where the last draft put differed from the snapshot
    std::optional<std::uint64_t> putAt_;  // the plane's change count just after that put
};

}  // namespace corvanth
