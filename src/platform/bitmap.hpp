#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "platform/geometry.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

// A block of pixels, row by row from the top. Reads and writes outside it are dropped.
// Every write goes through a member that counts it and widens the changed rectangle, so whoever shows
// the bitmap, or makes another picture from it, redoes only what changed instead of comparing copies.
// A Bitmap holds TColor pixels; a picture drawn in a few fixed colours may hold one byte per pixel.
template <class Pixel>
class BasicBitmap {
  public:
    // Each keeps its own changed rectangle, so one taking it hides nothing from the others: the window
    // showing the bitmap, pictures made from it, and the magnified view drawn from it.
    enum class Watcher { Shown, Derived, Magnified };

    BasicBitmap() = default;
    BasicBitmap(int width, int height, Pixel fill = Pixel{})
        : width_(width > 0 && height > 0 ? width : 0),
          height_(width > 0 && height > 0 ? height : 0),
          pixels_(static_cast<std::size_t>(width_) * height_, fill) {
        watched_.fill({0, 0, width_, height_});
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
        watched_.fill({0, 0, width_, height_});
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
        Pixel* to = pixels_.data() + index(left, y);
        const Pixel* source = from.data();
        // Compared 32 bytes at a time from each end, as most of a row redrawn has not changed.
        constexpr std::size_t kBlock = 32 / sizeof(Pixel);
        const auto same = [&](std::size_t at, std::size_t n) {
            return std::memcmp(to + at, source + at, sizeof(Pixel) * n) == 0;
        };
        std::size_t first = 0, last = from.size();
        while (last - first >= kBlock && same(first, kBlock)) first += kBlock;
        while (first < last && same(first, 1)) ++first;
        if (first == last) return;
        while (last - first >= kBlock && same(last - kBlock, kBlock)) last -= kBlock;
        while (same(last - 1, 1)) --last;
        widen({left + static_cast<int>(first), y, left + static_cast<int>(last), y + 1});
        std::copy(source + first, source + last, to + first);
    }
    // Rows top..bottom-1 from column left, each the span rowOf(y) gives, written as PutRow writes one.
    template <class RowOf>
    void PutRows(int top, int bottom, int left, RowOf&& rowOf) {
        for (int y = top; y < bottom; ++y) PutRow(y, left, rowOf(y));
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
    TRect TakeChanged(Watcher w = Watcher::Shown) {
        const auto i = static_cast<std::size_t>(w);
        watching_[i] = true;
        return std::exchange(watched_[i], TRect{});
    }

    // The pixels only: two bitmaps are equal whatever their history.
    friend bool operator==(const BasicBitmap& a, const BasicBitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    void widen(const TRect& r) {
        ++changes_;
        // A watcher that has not taken its area yet holds the whole bitmap: it needs no more.
        for (std::size_t i = 0; i < watched_.size(); ++i)
            if (watching_[i]) watched_[i] = Union(watched_[i], r);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
    std::uint64_t changes_ = 0;
    std::array<TRect, 3> watched_{};
    std::array<bool, 3> watching_{};
};

// Outside reads give black, which is TColor 0.
using Bitmap = BasicBitmap<TColor>;

}  // namespace corvanth
