#include "filters/fill_hidden.hpp"

#include <vector>

namespace corvanth {

Bitmap FillHiddenColours(const Bitmap& rgb, const Bitmap& alpha) {
    Bitmap out = rgb;
    const int w = rgb.width(), h = rgb.height();
    std::vector<char> coloured(static_cast<std::size_t>(w) * h);
    const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
    std::size_t left = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            coloured[at(x, y)] = Red(alpha.GetPixel(x, y)) != 0;
            left += !coloured[at(x, y)];
        }
    if (left == coloured.size()) return out;
    while (left > 0) {
        // One ring: decide every pixel from the colours before the ring, then mark them all.
        std::vector<std::size_t> ring;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (coloured[at(x, y)]) continue;
                int n = 0, r = 0, g = 0, b = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (!out.contains(nx, ny) || !coloured[at(nx, ny)]) continue;
                        const TColor c = out.at(nx, ny);
                        ++n, r += Red(c), g += Green(c), b += Blue(c);
                    }
                if (n == 0) continue;
                out.at(x, y) = RGB((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n);
                ring.push_back(at(x, y));
            }
        }
        for (const std::size_t i : ring) coloured[i] = 1;
        left -= ring.size();
    }
    return out;
}

}  // namespace corvanth
