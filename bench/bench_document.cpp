#include <benchmark/benchmark.h>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

void BM_RedrawView(benchmark::State& s) {
    testing::ScriptedPlatform host;
    TMain main(host);
    if (s.range(0)) main.mniGridClick();
    for (auto _ : s) {
        main.RedrawView();
        benchmark::DoNotOptimize(main.imgMain.Picture.pixels().data());
    }
}
BENCHMARK(BM_RedrawView)->Arg(0)->Arg(1)->ArgName("grid");

void BM_PaintCell(benchmark::State& s) {
    testing::ScriptedPlatform host;
    TMain main(host);
    int i = 0;
    for (auto _ : s) {
        main.PaintCell(i & 63, i >> 6 & 63, static_cast<TColor>(i));
        ++i;
        benchmark::DoNotOptimize(main.imgMain.Picture.pixels().data());
    }
}
BENCHMARK(BM_PaintCell);

void BM_MainFormConstructor(benchmark::State& s) {
    testing::ScriptedPlatform host;
    for (auto _ : s) {
        TMain main(host);
        benchmark::DoNotOptimize(main.imgMain.Picture.pixels().data());
    }
}
BENCHMARK(BM_MainFormConstructor);

}  // namespace
}  // namespace corvanth
