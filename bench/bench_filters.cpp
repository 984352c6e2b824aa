// Each filter beside a plain loop that does the same work pixel by pixel through GetPixel/SetPixel,
// so one run gives the ratio.
#include <benchmark/benchmark.h>

#include <random>

#include "filters/blur.hpp"
#include "filters/emboss.hpp"
#include "filters/transform.hpp"

namespace corvanth {
namespace {

Bitmap Noise() {
    std::mt19937 rng(7);
    Bitmap b(64, 64);
    for (TColor& c : b.pixels()) c = rng() & 0xFFFFFF;
    return b;
}

Bitmap PlainBlur(const Bitmap& p, const BlurWeights& w) {
    Bitmap out(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            int r = 0, g = 0, b = 0, sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!p.contains(x + dx, y + dy)) continue;
                    const int k = dx == 0 && dy == 0 ? w.C : dx == 0 || dy == 0 ? w.S : w.D;
                    const TColor c = p.GetPixel(x + dx, y + dy);
                    r += k * Red(c);
                    g += k * Green(c);
                    b += k * Blue(c);
                    sum += k;
                }
            out.SetPixel(x, y, RGB(r / sum, g / sum, b / sum));
        }
    return out;
}

Bitmap PlainConvolve(const Bitmap& p, const Kernel& k) {
    Bitmap out(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            int r = 0, g = 0, b = 0;
            for (int i = 0; i < 9; ++i) {
                const int px = x + i % 3 - 1, py = y + i / 3 - 1;
                if (!p.contains(px, py)) continue;
                const TColor c = p.GetPixel(px, py);
                r += k[i] * Red(c);
                g += k[i] * Green(c);
                b += k[i] * Blue(c);
            }
            out.SetPixel(x, y, RGB(r, g, b));
        }
    return out;
}

Bitmap PlainRemap(const Bitmap& p, Transform t) {
    Bitmap out(64, 64);
    const SourceMap f = kTransforms[static_cast<int>(t)].source;
    for (int x = 0; x < 64; ++x)
        for (int y = 0; y < 64; ++y) {
            const PixelPos s = f(x, y, 63);
            out.SetPixel(x, y, p.GetPixel(s.x, s.y));
        }
    return out;
}

void BM_Blur(benchmark::State& s) {
    const Bitmap p = Noise();
    const BlurWeights& w = kBlurWeights[s.range(0)];
    for (auto _ : s) benchmark::DoNotOptimize(BlurPlane(p, w));
}
void BM_BlurPlainLoop(benchmark::State& s) {
    const Bitmap p = Noise();
    const BlurWeights& w = kBlurWeights[s.range(0)];
    for (auto _ : s) benchmark::DoNotOptimize(PlainBlur(p, w));
}
BENCHMARK(BM_Blur)->DenseRange(0, 3)->ArgName("row");
BENCHMARK(BM_BlurPlainLoop)->DenseRange(0, 3)->ArgName("row");

void BM_Emboss(benchmark::State& s) {
    const Bitmap p = Noise();
    for (auto _ : s) benchmark::DoNotOptimize(EmbossPlane(p));
}
void BM_EmbossPlainLoop(benchmark::State& s) {
    const Bitmap p = Noise();
    for (auto _ : s) benchmark::DoNotOptimize(PlainConvolve(p, kEmbossKernel));
}
BENCHMARK(BM_Emboss);
BENCHMARK(BM_EmbossPlainLoop);

void BM_Remap(benchmark::State& s) {
    const Bitmap p = Noise();
    const auto t = static_cast<Transform>(s.range(0));
    for (auto _ : s) benchmark::DoNotOptimize(RemapPlane(p, t));
}
void BM_RemapPlainLoop(benchmark::State& s) {
    const Bitmap p = Noise();
    const auto t = static_cast<Transform>(s.range(0));
    for (auto _ : s) benchmark::DoNotOptimize(PlainRemap(p, t));
}
// 0 90°, 1 180°, 2 270°, 3 flip horizontal, 4 flip vertical.
BENCHMARK(BM_Remap)->DenseRange(0, 4)->ArgName("op");
BENCHMARK(BM_RemapPlainLoop)->DenseRange(0, 4)->ArgName("op");

}  // namespace
}  // namespace corvanth
