#pragma once
#include <cstddef>
#include <span>
#include <vector>

#include "platform/tcolor.hpp"

namespace corvanth {

// A block of TColor pixels, row by row from the top. Reads and writes outside it are dropped.
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, TColor fill = clBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    TColor GetPixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : clBlack; }
    void SetPixel(int x, int y, TColor c) {
        if (contains(x, y)) pixels_[index(x, y)] = c;
    }
    // Unchecked access for loops that stay inside.
    TColor at(int x, int y) const { return pixels_[index(x, y)]; }
    TColor& at(int x, int y) { return pixels_[index(x, y)]; }

    std::span<const TColor> pixels() const { return pixels_; }
    std::span<TColor> pixels() { return pixels_; }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
};

}  // namespace corvanth
