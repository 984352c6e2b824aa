#include "platform/bitmap.hpp"

#include <utility>

namespace corvanth {

Bitmap::Bitmap(int width, int height, TColor fill)
    : width_(width > 0 && height > 0 ? width : 0),
      height_(width > 0 && height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_, fill),
      changed_{TRect{0, 0, width_, height_}, TRect{0, 0, width_, height_}} {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) *this = Bitmap(other);
    return *this;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    other.pixels_.clear();
    changed_ = {};
    widen({0, 0, width_, height_});
    return *this;
}

}  // namespace corvanth
