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

// The last draft's area and this one's, each overlap counted once: a shape that moves a little lies
// mostly where it lay before.
ChangedArea Both(const ChangedArea& a, const ChangedArea& b) {
    ChangedArea both(0);
    for (const ChangedArea* area : {&a, &b})
        for (const TRect& r : area->Rects()) both.Add(r);
    return both;
}

}  // namespace

void PlaneSnapshot::Take(const Bitmap& plane, int alphaMode) {
    pixels_ = plane;
    draft_ = plane;
    draft_.TakeChanged();
    drawn_ = ChangedArea(0);
    plane_ = alphaMode;
    putAt_.reset();
}

Bitmap* PlaneSnapshot::Draft(int alphaMode) {
    if (plane_ != alphaMode) return nullptr;
    // Back to the snapshot where the plane holds the last preview, and where a draft went unput.
    const auto width = static_cast<std::size_t>(pixels_.width());
    const ChangedArea back = Both(drawn_, draft_.TakeChanged());
    for (const TRect& r : back.Rects()) {
        const auto to = draft_.pixels(r);
        const auto n = static_cast<std::size_t>(r.width());
        for (int y = r.top; y < r.bottom; ++y) {
            const std::size_t at = y * width + r.left;
            std::ranges::copy(pixels_.pixels().subspan(at, n), to.subspan(at, n).begin());
        }
    }
    draft_.TakeChanged();  // putting back draws nothing
    return &draft_;
}

void PlaneSnapshot::Put(Bitmap& plane) {
    const ChangedArea drawn = draft_.TakeChanged();
    if (plane.width() != draft_.width() || plane.height() != draft_.height()) return;
    if (putAt_ != plane.changes()) {
        PutRows(plane, draft_, {0, 0, draft_.width(), draft_.height()});
    } else {
        const ChangedArea both = Both(drawn_, drawn);
        for (const TRect& r : both.Rects()) PutRows(plane, draft_, r);
    }
    drawn_ = drawn;
    putAt_ = plane.changes();
}

}  // namespace corvanth
