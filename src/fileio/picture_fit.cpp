#include "fileio/picture_fit.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/plane.hpp"

namespace corvanth {

namespace {

struct Share {
    int source;
    std::int64_t weight;
};

// For each of `to` target pixels along one axis, the source pixels it covers and by how much. Both axes
// are measured in units of 1 / (from * to), so every overlap is a whole number and each list sums to `from`.
std::vector<std::vector<Share>> Shares(int from, int to) {
    std::vector<std::vector<Share>> out(static_cast<std::size_t>(to));
    for (int t = 0; t < to; ++t) {
        const std::int64_t begin = std::int64_t{t} * from, end = begin + from;
        for (int s = static_cast<int>(begin / to); s < from && std::int64_t{s} * to < end; ++s) {
            const std::int64_t lo = std::max(begin, std::int64_t{s} * to);
            const std::int64_t hi = std::min(end, std::int64_t{s + 1} * to);
            if (hi > lo) out[static_cast<std::size_t>(t)].push_back({s, hi - lo});
        }
    }
    return out;
}

std::int64_t RoundedQuotient(std::int64_t n, std::int64_t d) {
    return (n + d / 2) / d;
}

}  // namespace

FittedPlanes FitPicture(const RgbaPicture& picture) {
    return FitPicture(picture, kPlaneSize, kPlaneSize);
}

FittedPlanes FitPicture(const RgbaPicture& picture, int width, int height) {
    FittedPlanes out{Bitmap(width, height, clWhite), Bitmap(width, height, clBlack)};
    const int w = picture.width, h = picture.height;
    if (w <= 0 || h <= 0 || picture.rgba.size() < static_cast<std::size_t>(w) * h * 4) return out;
    // Shrunk by the side that needs it more, the other side in proportion.
    int tw = w, th = h;
    if (w > width || h > height) {
        if (std::int64_t{w} * height >= std::int64_t{h} * width) {
            tw = width;
            th = std::max(1, static_cast<int>(RoundedQuotient(std::int64_t{h} * width, w)));
        } else {
            th = height;
            tw = std::max(1, static_cast<int>(RoundedQuotient(std::int64_t{w} * height, h)));
        }
    }
    const int left = (width - tw) / 2, top = (height - th) / 2;
    const auto columns = Shares(w, tw), rows = Shares(h, th);
    const std::int64_t area = std::int64_t{w} * h;
    for (int ty = 0; ty < th; ++ty) {
        for (int tx = 0; tx < tw; ++tx) {
            std::int64_t alpha = 0, weighted[3] = {};
            for (const Share& row : rows[static_cast<std::size_t>(ty)]) {
                for (const Share& column : columns[static_cast<std::size_t>(tx)]) {
                    const std::uint8_t* p =
                        &picture.rgba[(static_cast<std::size_t>(row.source) * w + column.source) * 4];
                    const std::int64_t weight = row.weight * column.weight;
                    alpha += weight * p[3];
                    for (int c = 0; c < 3; ++c) weighted[c] += weight * p[3] * p[c];
                }
            }
            const int shown = static_cast<int>(RoundedQuotient(alpha, area));
            out.alpha.at(left + tx, top + ty) = Grey(shown);
            // Where nothing shows, the colour plane is white as in a new image, not whatever the file hid
            // there: a see-through background would paint the colour plane black.
            if (shown == 0) continue;
            int rgb[3];
            for (int c = 0; c < 3; ++c) rgb[c] = static_cast<int>(RoundedQuotient(weighted[c], alpha));
            out.rgb.at(left + tx, top + ty) = RGB(rgb[0], rgb[1], rgb[2]);
        }
    }
    return out;
}

}  // namespace corvanth
