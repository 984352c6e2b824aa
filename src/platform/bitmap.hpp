#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "platform/changed_area.hpp"
#include "platform/geometry.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

// A block of pixels, row by row from the top. Reads and writes outside it are dropped.
// Every write goes through a member that counts it and widens the changed rectangles, so whoever shows
// the bitmap, or makes another picture from it, redoes only what changed instead of comparing copies.
// A Bitmap holds TColor pixels; a picture drawn in a few fixed colours may hold one byte per pixel.
template <class Pixel>
class BasicBitmap {
  public:
    // Each keeps its own changed area, so one taking it hides nothing from the others: the window
    // showing the bitmap, pictures made from it, and the magnified view drawn from it.
    enum class Watcher { Shown, Derived, Magnified };

    BasicBitmap() = default;
    BasicBitmap(int width, int height, Pixel fill = Pixel{})
        : width_(width > 0 && height > 0 ? width : 0),
          height_(width > 0 && height > 0 ? height : 0),
          pixels_(static_cast<std::size_t>(width_) * height_, fill) {
        for (ChangedArea& w : watched_) w.Add({0, 0, width_, height_});
    }
    BasicBitmap(const BasicBitmap&) = default;
    BasicBitmap(BasicBitmap&&) noexcept = default;
    // Taking other pixels is a change of the whole bitmap; the counter goes on from its own value.
    BasicBitmap& operator=(const BasicBitmap& other) {
        if (this != &other) *this = BasicBitmap(other);
        return *this;
    }
    BasicBitmap& operator=(BasicBitmap&& other) noexcept {
        if (this == &other) return *this;
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        pixels_ = std::move(other.pixels_);
        other.pixels_.clear();
        ++changes_;
        watching_ = {};  // all of it is new to every watcher
        for (ChangedArea& w : watched_) {
            w.Take();
            w.Add({0, 0, width_, height_});
        }
        return *this;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel GetPixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : Pixel{}; }
    void SetPixel(int x, int y, Pixel c) {
        if (contains(x, y)) at(x, y) = c;
    }
    // Unchecked access for loops that stay inside. The writable one counts the pixel as changed.
    Pixel at(int x, int y) const { return pixels_[index(x, y)]; }
    Pixel& at(int x, int y) {
        widen({x, y, x + 1, y + 1});
        return pixels_[index(x, y)];
    }
    // Columns left..right-1 of row y, inside the bitmap; they count as changed.
    std::span<Pixel> row(int y, int left, int right) {
        widen({left, y, right, y + 1});
        return std::span<Pixel>(pixels_).subspan(index(left, y), static_cast<std::size_t>(right - left));
    }

    // Writes `from` into row y from column left, inside the bitmap. Only the columns whose pixels differ
    // count as changed: a picture redrawn where little changed repaints little.
    void PutRow(int y, int left, std::span<const Pixel> from) {
        PutRows(y, y + 1, left, [from](int) { return from; });
    }
    // Rows top..bottom-1 from column left, each the span rowOf(y) gives, written as PutRow writes one. A
    // change right below one in the row above, and as wide, joins it: the side of a frame counts as one
    // rectangle.
    template <class RowOf>
    void PutRows(int top, int bottom, int left, RowOf&& rowOf) {
        TRect held;
        for (int y = top; y < bottom; ++y) putRow(y, left, rowOf(y), held);
        if (!held.empty()) widen(held);
    }

    std::span<const Pixel> pixels() const { return pixels_; }
    // Every pixel counts as changed.
    std::span<Pixel> pixels() { return pixels({0, 0, width_, height_}); }
    // For writes inside the given rectangle, which counts as changed.
    std::span<Pixel> pixels(const TRect& changed) {
        widen(changed);
        return pixels_;
    }

    // Goes up with every write.
    std::uint64_t changes() const { return changes_; }
    // What was written since the watcher last took it (the whole bitmap for a new one), and from now on
    // nothing.
    ChangedArea TakeChanged(Watcher w = Watcher::Shown) {
        const auto i = static_cast<std::size_t>(w);
        watching_[i] = true;
        return watched_[i].Take();
    }

    // The pixels only: two bitmaps are equal whatever their history.
    friend bool operator==(const BasicBitmap& a, const BasicBitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    // PutRow's work. A change right below `held` and as wide joins it; any other sends it on.
    void putRow(int y, int left, std::span<const Pixel> from, TRect& held) {
        Pixel* to = pixels_.data() + index(left, y);
        const Pixel* source = from.data();
        const std::size_t size = from.size();
        const auto put = [&](std::size_t first, std::size_t last) {  // blocks that hold a change, cut to it
            while (to[first] == source[first]) ++first;
            while (to[last - 1] == source[last - 1]) --last;
            const TRect run{left + static_cast<int>(first), y, left + static_cast<int>(last), y + 1};
            if (run.left == held.left && run.right == held.right && run.top == held.bottom) {
                held.bottom = run.bottom;
            } else {
                if (!held.empty()) widen(held);
                held = run;
            }
            std::copy(source + first, source + last, to + first);
        };
        if (size == 1) {  // a column, like the side of a frame, goes a pixel a row
            if (*to != *source) put(0, 1);
            return;
        }
        // Compared 32 bytes at a time, as most of a row redrawn has not changed. Runs of change far apart,
        // like the two sides of a frame, count apart.
        constexpr std::size_t kBlock = 32 / sizeof(Pixel), kGap = 32;
        std::size_t run = size, end = 0;
        for (std::size_t at = 0; at < size; at += kBlock) {
            const std::size_t n = std::min(kBlock, size - at);
            if (n == kBlock ? std::memcmp(to + at, source + at, sizeof(Pixel) * kBlock) == 0
                            : std::equal(source + at, source + size, to + at))
                continue;
            if (run == size) {
                run = at;
            } else if (at - end >= kGap) {
                put(run, end);
                run = at;
            }
            end = at + n;
        }
        if (run != size) put(run, end);
    }
    void widen(const TRect& r) {
        ++changes_;
        // A watcher that has not taken its area yet holds the whole bitmap: it needs no more.
        for (std::size_t i = 0; i < watched_.size(); ++i)
            if (watching_[i]) watched_[i].Add(r);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
    std::uint64_t changes_ = 0;
    // A pixel costs the window little to repaint; one plane pixel costs the magnified view sixteen and the
    // previews a blend, while a rectangle costs them only a loop.
    std::array<ChangedArea, 3> watched_{ChangedArea(256), ChangedArea(16), ChangedArea(16)};
    std::array<bool, 3> watching_{};
};

// Outside reads give black, which is TColor 0.
using Bitmap = BasicBitmap<TColor>;

}  // namespace corvanth
