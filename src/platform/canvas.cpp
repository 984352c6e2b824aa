#include "platform/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/line_walk.hpp"

namespace corvanth {

namespace {
// Rounds down, for odd negative numbers too.
std::int64_t FloorHalf(std::int64_t n) {
    return n >= 0 ? n / 2 : -((-n + 1) / 2);
}
}  // namespace

bool TCanvas::brushCovers(int x, int y) const {
    switch (state_.brush.style) {
        case TBrushStyle::bsSolid:
            return true;
        case TBrushStyle::bsClear:
            return false;
        case TBrushStyle::bsDiagCross:  // the two diagonals of an 8 by 8 cell
            return ((x - y) & 7) == 0 || ((x + y) & 7) == 7;
    }
    return false;
}

void TCanvas::FillRect(const TRect& r) {
    const int left = std::max(r.left, 0), right = std::min(r.right, bitmap_.width());
    const int top = std::max(r.top, 0), bottom = std::min(r.bottom, bitmap_.height());
    if (left >= right || top >= bottom) return;
    if (state_.brush.style == TBrushStyle::bsSolid) {
        // One change for the whole rectangle: a view cell is filled on every brush move.
        const std::span<TColor> pixels = bitmap_.pixels({left, top, right, bottom});
        for (int y = top; y < bottom; ++y)
            std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * bitmap_.width() + left,
                        right - left, state_.brush.color);
        return;
    }
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (brushCovers(x, y)) bitmap_.at(x, y) = state_.brush.color;
}

void TCanvas::FrameRect(const TRect& r) {
    if (r.empty() || state_.brush.style == TBrushStyle::bsClear) return;
    // Edge by edge, each counting as changed once: the selection frame is drawn on every move, and only
    // its edges change.
    const bool solid = state_.brush.style == TBrushStyle::bsSolid;
    for (TRect e : Edges(r)) {
        e = Intersect(e, {0, 0, bitmap_.width(), bitmap_.height()});
        if (e.empty()) continue;
        const auto pixels = bitmap_.pixels(e);
        for (int y = e.top; y < e.bottom; ++y) {
            const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * bitmap_.width();
            for (int x = e.left; x < e.right; ++x)
                if (solid || brushCovers(x, y)) row[x] = state_.brush.color;
        }
    }
}

void TCanvas::LineTo(int x, int y) {
    int cx = state_.penPos.x, cy = state_.penPos.y;
    state_.penPos = {x, y};
    if (cy == y && y >= 0 && y < bitmap_.height()) {  // horizontal: the grid draws 64 of these
        const int from = std::max(cx < x ? cx : x + 1, 0),
                  to = std::min(cx < x ? x : cx + 1, bitmap_.width());
        if (from < to) std::ranges::fill(bitmap_.row(y, from, to), state_.pen.color);
        return;
    }
    if (cx == x && x >= 0 && x < bitmap_.width()) {  // vertical, likewise
        const int from = std::max(cy < y ? cy : y + 1, 0),
                  to = std::min(cy < y ? y : cy + 1, bitmap_.height());
        if (from >= to) return;
        const auto pixels = bitmap_.pixels({x, from, x + 1, to});
        for (int py = from; py < to; ++py)
            pixels[static_cast<std::size_t>(py) * bitmap_.width() + x] = state_.pen.color;
        return;
    }
    // Bresenham from the current point; the end point itself is left out. The line's box counts as changed
    // once, not pixel by pixel: a line preview is drawn again on every move.
    const TRect box = Intersect({std::min(cx, x), std::min(cy, y), std::max(cx, x) + 1, std::max(cy, y) + 1},
                                {0, 0, bitmap_.width(), bitmap_.height()});
    if (box.empty()) return;
    const auto pixels = bitmap_.pixels(box);
    WalkLine({cx, cy}, {x, y}, [&](int px, int py) {
        if (bitmap_.contains(px, py))
            pixels[static_cast<std::size_t>(py) * bitmap_.width() + px] = state_.pen.color;
    });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const std::int64_t w = x2 - x1, h = y2 - y1;
    if (w == 0 || h == 0) return;
    // A pixel belongs to the ellipse when its centre lies inside: with doubled coordinates u and v from
    // the centre, u*u*h*h + v*v*w*w <= w*w*h*h. In each row that is one run of pixels, found here as the
    // largest |u| that fits; the pen takes the pixels of the run with a neighbour outside.
    const auto run = [&](int y) -> std::pair<int, int> {  // first and last x; first > last when none
        if (y < y1 || y >= y2) return {1, 0};
        const std::int64_t v = 2 * std::int64_t{y} + 1 - y1 - y2, room = w * w * h * h - v * v * w * w;
        if (room < 0) return {1, 0};
        auto u = static_cast<std::int64_t>(std::sqrt(static_cast<double>(room) / static_cast<double>(h * h)));
        while (u > 0 && u * u * h * h > room) --u;
        while ((u + 1) * (u + 1) * h * h <= room) ++u;
        // 2x + 1 - x1 - x2 in -u..u, and x in x1..x2-1.
        const std::int64_t twice = std::int64_t{x1} + x2 - 1;
        const auto first = std::max<std::int64_t>(x1, FloorHalf(twice - u + 1));
        const auto last = std::min<std::int64_t>(x2 - 1, FloorHalf(twice + u));
        return {static_cast<int>(first), static_cast<int>(last)};
    };
    const int top = std::max(y1, 0), bottom = std::min(y2, bitmap_.height());
    const auto paint = [&](int y, int from, int to, TColor c) {  // from..to-1, cut to the bitmap
        from = std::max(from, 0), to = std::min(to, bitmap_.width());
        if (from < to) std::ranges::fill(bitmap_.row(y, from, to), c);
    };
    std::pair<int, int> above = run(top - 1), here = run(top);
    for (int y = top; y < bottom; ++y) {
        const std::pair<int, int> below = run(y + 1);
        const auto [first, last] = here;
        if (first <= last) {
            // Inside: the pixels whose four neighbours are all in the ellipse.
            const int in = std::max({first + 1, above.first, below.first});
            const int out = std::min({last - 1, above.second, below.second}) + 1;
            if (in < out) {
                paint(y, first, in, state_.pen.color);
                paint(y, out, last + 1, state_.pen.color);
                if (state_.brush.style == TBrushStyle::bsSolid)
                    paint(y, in, out, state_.brush.color);
                else if (state_.brush.style != TBrushStyle::bsClear)  // an outline leaves the inside be
                    for (int x = std::max(in, 0); x < std::min(out, bitmap_.width()); ++x)
                        if (brushCovers(x, y)) bitmap_.at(x, y) = state_.brush.color;
            } else {
                paint(y, first, last + 1, state_.pen.color);
            }
        }
        above = here, here = below;
    }
}

void TCanvas::FloodFill(int x, int y, TColor c, TFillStyle) {
    // Reads go through a const view: only the pixels that are filled count as changed.
    const Bitmap& before = bitmap_;
    if (!before.contains(x, y) || before.at(x, y) != c) return;
    const int w = bitmap_.width();
    std::vector<std::uint8_t> seen(before.pixels().size(), 0);
    std::vector<TPoint> todo{{x, y}};
    seen[static_cast<std::size_t>(y) * w + x] = 1;
    while (!todo.empty()) {
        const TPoint p = todo.back();
        todo.pop_back();
        if (brushCovers(p.x, p.y)) bitmap_.at(p.x, p.y) = state_.brush.color;
        for (const TPoint n : {TPoint{p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}}) {
            if (!bitmap_.contains(n.x, n.y)) continue;
            auto& mark = seen[static_cast<std::size_t>(n.y) * w + n.x];
            // Colours are tested before any change lands on them: `seen` marks are set on push.
            if (mark || before.at(n.x, n.y) != c) continue;
            mark = 1;
            todo.push_back(n);
        }
    }
}

void TCanvas::Draw(int x, int y, const Bitmap& source) {
    const int left = std::max(x, 0), right = std::min(x + source.width(), bitmap_.width());
    const int top = std::max(y, 0), bottom = std::min(y + source.height(), bitmap_.height());
    if (left >= right) return;
    for (int ty = top; ty < bottom; ++ty) {
        const auto from =
            source.pixels().subspan(static_cast<std::size_t>(ty - y) * source.width() + (left - x),
                                    static_cast<std::size_t>(right - left));
        bitmap_.PutRow(ty, left, from);
    }
}

void TCanvas::StretchDraw(const TRect& dest, const Bitmap& source) {
    if (dest.empty() || source.empty()) return;
    const int left = std::max(dest.left, 0), right = std::min(dest.right, bitmap_.width());
    const int top = std::max(dest.top, 0), bottom = std::min(dest.bottom, bitmap_.height());
    if (left >= right || top >= bottom) return;
    std::vector<int> column(static_cast<std::size_t>(right - left));
    for (int x = left; x < right; ++x) column[x - left] = (x - dest.left) * source.width() / dest.width();
    int lastRow = -1;
    for (int y = top; y < bottom; ++y) {
        const int sy = (y - dest.top) * source.height() / dest.height();
        auto row = bitmap_.row(y, left, right);
        if (sy == lastRow) {  // a repeated source row: copy the row just drawn
            const Bitmap& drawn = bitmap_;
            std::ranges::copy(
                drawn.pixels().subspan(static_cast<std::size_t>(y - 1) * drawn.width() + left, row.size()),
                row.begin());
            continue;
        }
        const TColor* from = source.pixels().data() + static_cast<std::size_t>(sy) * source.width();
        TColor* to = row.data();
        for (std::size_t i = 0, n = row.size(); i < n; ++i) to[i] = from[column[i]];
        lastRow = sy;
    }
}

void TCanvas::CopyRect(const TRect& dest, const Bitmap& source, const TRect& src) {
    if (dest.empty() || src.empty()) return;
    for (int y = dest.top; y < dest.bottom; ++y) {
        const int sy = src.top + (y - dest.top) * src.height() / dest.height();
        for (int x = dest.left; x < dest.right; ++x) {
            const int sx = src.left + (x - dest.left) * src.width() / dest.width();
            if (source.contains(sx, sy)) bitmap_.SetPixel(x, y, source.at(sx, sy));
        }
    }
}

void TCanvas::TextOut(int x, int y, std::string_view text, const GlyphRenderer& glyphs) {
    if (text.empty()) return;
    const GlyphRun run = glyphs.Render(state_.font, text);
    if (state_.brush.style != TBrushStyle::bsClear) FillRect({x, y, x + run.width, y + run.height});
    for (int gy = 0; gy < run.height; ++gy)
        for (int gx = 0; gx < run.width; ++gx)
            if (run.ink[static_cast<std::size_t>(gy) * run.width + gx])
                bitmap_.SetPixel(x + gx, y + gy, state_.font.color);
}

}  // namespace corvanth
