#include "platform/bitmap.hpp"

namespace corvanth {

Bitmap::Bitmap(int width, int height, TColor fill)
    : width_(width > 0 && height > 0 ? width : 0),
      height_(width > 0 && height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

}  // namespace corvanth
