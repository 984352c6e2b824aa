#include "filters/transform.hpp"

#include <algorithm>
#include <cassert>

namespace corvanth {

namespace {

constexpr const TransformRow& RowOf(Transform t) {
    return kTransforms[static_cast<int>(t)];
}
static_assert(RowOf(Transform::FlipVertical).operation == Transform::FlipVertical);

// One gather per pixel; the map is a template argument so it folds into the loop.
template <Transform T>
Bitmap Gather(const Bitmap& plane) {
    constexpr SourceMap source = RowOf(T).source;
    const int n = plane.width(), m = n - 1;
    const TColor* in = plane.pixels().data();
    Bitmap out(n, n);
    TColor* o = out.pixels().data();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const PixelPos p = source(x, y, m);
            *o++ = in[p.y * n + p.x];
        }
    return out;
}

}  // namespace

Bitmap RemapPlane(const Bitmap& plane, Transform t) {
    assert(plane.width() == plane.height());
    switch (t) {
        case Transform::Rotate90:
            return Gather<Transform::Rotate90>(plane);
        case Transform::Rotate180:
            return Gather<Transform::Rotate180>(plane);
        case Transform::Rotate270:
            return Gather<Transform::Rotate270>(plane);
        case Transform::FlipHorizontal:
            return Gather<Transform::FlipHorizontal>(plane);
        case Transform::FlipVertical:
            return Gather<Transform::FlipVertical>(plane);
    }
    return plane;
}

}  // namespace corvanth
