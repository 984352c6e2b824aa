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
        // Most writes lie beside the one before: the rectangle that took it is tried first.
        if (count_ > 0 && Waste(last_, r) <= kSlack) {
            rects_[last_] = Union(rects_[last_], r);
            return;
        }
        // Otherwise it joins the one it wastes the fewest pixels with; only a far one takes a place of its
        // own.
        std::size_t best = 0;
        long waste = std::numeric_limits<long>::max();
        for (std::size_t i = 0; i < count_; ++i)
            if (const long w = Waste(i, r); w < waste) best = i, waste = w;
        if (count_ < kMost && waste > kSlack) best = count_++;
        rects_[best] = Union(rects_[best], r);
        last_ = best;
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
    long Waste(std::size_t i, const TRect& r) const {
        return Area(Union(rects_[i], r)) - Area(rects_[i]) - Area(r);
    }
    std::array<TRect, kMost> rects_{};
    std::size_t count_ = 0;
    std::size_t last_ = 0;
};

}  // namespace corvanth
