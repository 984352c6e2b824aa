#include <benchmark/benchmark.h>

#include "app/tmain.hpp"
#include "fileio/picture_fit.hpp"
#include "filters/fill_hidden.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

// After every command: nothing changed, one pixel changed, or the whole plane changed.
void BM_RefreshPreviews(benchmark::State& s) {
    testing::ScriptedPlatform host;
    TMain main(host);
    int i = 0;
    for (auto _ : s) {
        if (s.range(0) == 1) main.imgRGB.Picture.at(i & 63, i >> 6 & 63) = static_cast<TColor>(i);
        if (s.range(0) == 2) main.imgRGB.Picture = Bitmap(64, 64, static_cast<TColor>(i));
        ++i;
        main.RefreshPreviews();
        benchmark::DoNotOptimize(main.imgComposite.Picture.pixels().data());
    }
}
BENCHMARK(BM_RefreshPreviews)->Arg(0)->Arg(1)->Arg(2)->ArgName("changed");

// One visible pixel in a corner: the most rings there can be.
void BM_FillHiddenColours(benchmark::State& s) {
    Bitmap rgb(64, 64, clWhite), alpha(64, 64, clBlack);
    alpha.at(0, 0) = Grey(255);
    for (auto _ : s) benchmark::DoNotOptimize(FillHiddenColours(rgb, alpha).pixels().data());
}
BENCHMARK(BM_FillHiddenColours);

void BM_FitPicture(benchmark::State& s) {
    const int side = static_cast<int>(s.range(0));
    RgbaPicture p{side, side, std::vector<std::uint8_t>(static_cast<std::size_t>(side) * side * 4, 128)};
    for (auto _ : s) benchmark::DoNotOptimize(FitPicture(p).rgb.pixels().data());
}
BENCHMARK(BM_FitPicture)->Arg(64)->Arg(1024)->ArgName("side");

}  // namespace
}  // namespace corvanth
