#pragma once
#include <array>
#include <cstddef>
#include <limits>
#include <span>

#include "platform/geometry.hpp"

namespace corvanth {

// What a bitmap's watcher has yet to see, as a few rectangles rather than the box around everything: a
// selection frame redrawn on every move changes its four edges, not the inside.
class ChangedArea {
  public:
    static constexpr std::size_t kMost = 4;

    void Add(const TRect& r) {
        if (r.empty()) return;
        // A rectangle joins the one it wastes the fewest pixels with; only a far one takes a place of its
        // own.
        std::size_t best = 0;
        long waste = std::numeric_limits<long>::max();
        for (std::size_t i = 0; i < count_; ++i) {
            const long w = Area(Union(rects_[i], r)) - Area(rects_[i]) - Area(r);
            if (w < waste) best = i, waste = w;
        }
        if (count_ < kMost && waste > kSlack)
            rects_[count_++] = r;
        else
            rects_[best] = Union(rects_[best], r);
    }
    std::span<const TRect> Rects() const { return {rects_.data(), count_}; }
    TRect Bounds() const {
        TRect all;
        for (const TRect& r : Rects()) all = Union(all, r);
        return all;
    }

  private:
    // Pixels two rectangles may waste by joining before they are kept apart.
    static constexpr long kSlack = 256;
    static constexpr long Area(const TRect& r) { return static_cast<long>(r.width()) * r.height(); }
    std::array<TRect, kMost> rects_{};
    std::size_t count_ = 0;
};

}  // namespace corvanth
