#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "platform/geometry.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

// A block of TColor pixels, row by row from the top. Reads and writes outside it are dropped.
// Every write goes through a member that counts it and widens the changed rectangles, so whoever shows
// the bitmap, or makes another picture from it, redoes only what changed instead of comparing copies.
class Bitmap {
  public:
    // Each keeps its own changed rectangle, so one taking it hides nothing from the other.
    enum class Watcher { Shown, Derived };

    Bitmap() = default;
    Bitmap(int width, int height, TColor fill = clBlack);
    Bitmap(const Bitmap&) = default;
    Bitmap(Bitmap&&) noexcept = default;
    // Taking other pixels is a change of the whole bitmap; the counter goes on from its own value.
    Bitmap& operator=(const Bitmap& other);
    Bitmap& operator=(Bitmap&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    TColor GetPixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : clBlack; }
    void SetPixel(int x, int y, TColor c) {
        if (contains(x, y)) at(x, y) = c;
    }
    // Unchecked access for loops that stay inside. The writable one counts the pixel as changed.
    TColor at(int x, int y) const { return pixels_[index(x, y)]; }
    TColor& at(int x, int y) {
        widen({x, y, x + 1, y + 1});
        return pixels_[index(x, y)];
    }
    // Columns left..right-1 of row y, inside the bitmap; they count as changed.
    std::span<TColor> row(int y, int left, int right) {
        widen({left, y, right, y + 1});
        return std::span<TColor>(pixels_).subspan(index(left, y), static_cast<std::size_t>(right - left));
    }

    std::span<const TColor> pixels() const { return pixels_; }
    // Every pixel counts as changed.
    std::span<TColor> pixels() { return pixels({0, 0, width_, height_}); }
    // For writes inside the given rectangle, which counts as changed.
    std::span<TColor> pixels(const TRect& changed) {
        widen(changed);
        return pixels_;
    }

    // Goes up with every write.
    std::uint64_t changes() const { return changes_; }
    // The rectangle written since the watcher last took it (the whole bitmap for a new one), and
    // from now on nothing.
    TRect TakeChanged(Watcher w = Watcher::Shown) {
        return std::exchange(changed_[static_cast<std::size_t>(w)], TRect{});
    }

    // The pixels only: two bitmaps are equal whatever their history.
    friend bool operator==(const Bitmap& a, const Bitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    void widen(const TRect& r) {
        ++changes_;
        for (TRect& c : changed_) c = Union(c, r);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
    std::uint64_t changes_ = 0;
    std::array<TRect, 2> changed_;
};

}  // namespace corvanth
