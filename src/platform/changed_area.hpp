#pragma once
#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <utility>

#include "platform/geometry.hpp"

namespace corvanth {

// What a bitmap's watcher has yet to see, as a few rectangles rather than the box around everything: a
// selection frame redrawn on every move changes its four edges, not the inside.
class ChangedArea {
  public:
    static constexpr std::size_t kMost = 4;

    // slack: the pixels two rectangles may waste by joining before they are kept apart. It weighs what
    // redoing a pixel costs the watcher against what one more rectangle does.
    explicit constexpr ChangedArea(long slack) : slack_(slack) {}

    void Add(const TRect& r) {
        if (r.empty()) return;
        // Most writes lie inside or beside the one before: the rectangle that took it is tried first.
        if (count_ > 0 && Contains(rects_[last_], r)) return;
        if (count_ > 0 && Waste(last_, r) <= slack_) {
            rects_[last_] = Union(rects_[last_], r);
            return;
        }
        // Otherwise it joins the one it wastes the fewest pixels with; only a far one takes a place of its
        // own.
        std::size_t best = 0;
        long waste = std::numeric_limits<long>::max();
        for (std::size_t i = 0; i < count_; ++i)
            if (const long w = Waste(i, r); w < waste) best = i, waste = w;
        if (count_ < kMost && waste > slack_) best = count_++;
        rects_[best] = Union(rects_[best], r);
        last_ = best;
    }
    std::span<const TRect> Rects() const { return {rects_.data(), count_}; }
    TRect Bounds() const {
        TRect all;
        for (const TRect& r : Rects()) all = Union(all, r);
        return all;
    }
    // What was here, leaving nothing.
    ChangedArea Take() { return std::exchange(*this, ChangedArea(slack_)); }

  private:
    static constexpr bool Contains(const TRect& a, const TRect& b) {
        return a.left <= b.left && a.top <= b.top && a.right >= b.right && a.bottom >= b.bottom;
    }
    static constexpr long Area(const TRect& r) { return static_cast<long>(r.width()) * r.height(); }
    long Waste(std::size_t i, const TRect& r) const {
        return Area(Union(rects_[i], r)) - Area(rects_[i]) - Area(r);
    }
    long slack_;
    std::array<TRect, kMost> rects_{};
    std::size_t count_ = 0;
    std::size_t last_ = 0;
};

}  // namespace corvanth
