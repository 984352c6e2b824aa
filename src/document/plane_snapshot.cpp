#include "document/plane_snapshot.hpp"

#include <algorithm>
#include <cstddef>

namespace corvanth {

namespace {

// Rectangle r of `from` written into `to`, both bitmaps the same size.
void PutRows(Bitmap& to, const Bitmap& from, const TRect& r) {
    const auto width = static_cast<std::size_t>(from.width());
    to.PutRows(r.top, r.bottom, r.left, [&](int y) {
        return from.pixels().subspan(y * width + r.left, static_cast<std::size_t>(r.width()));
    });
}

}  // namespace

void PlaneSnapshot::Take(const Bitmap& plane, int alphaMode) {
    pixels_ = plane;
    draft_ = plane;
    draft_.TakeChanged();
    drawn_ = {};
    plane_ = alphaMode;
    putAt_.reset();
}

Bitmap* PlaneSnapshot::Draft(int alphaMode) {
    if (plane_ != alphaMode) return nullptr;
    // Back to the snapshot where the plane holds the last preview, and where a draft went unput.
    const auto width = static_cast<std::size_t>(pixels_.width());
    const TRect back = Union(drawn_, draft_.TakeChanged());
    const auto to = draft_.pixels(back);
    const auto n = static_cast<std::size_t>(back.width());
    for (int y = back.top; y < back.bottom; ++y) {
        const std::size_t at = y * width + back.left;
        std::ranges::copy(pixels_.pixels().subspan(at, n), to.subspan(at, n).begin());
    }
    draft_.TakeChanged();  // putting back draws nothing
    return &draft_;
}

void PlaneSnapshot::Put(Bitmap& plane) {
    const TRect drawn = draft_.TakeChanged();
    if (plane.width() != draft_.width() || plane.height() != draft_.height()) return;
    PutRows(plane, draft_,
            putAt_ == plane.changes() ? Union(drawn_, drawn) : TRect{0, 0, draft_.width(), draft_.height()});
    drawn_ = drawn;
    putAt_ = plane.changes();
}

}  // namespace corvanth
