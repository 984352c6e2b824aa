#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "fileio/safe_write.hpp"
#include "fileio/tga_decode.hpp"
#include "fileio/tga_encode.hpp"
#include "fileio/tga_layout.hpp"

namespace corvanth {
namespace {

// A logo-like picture: flat areas with a few edges, so run-length data has runs and raw stretches.
void Paint(Bitmap& rgb, Bitmap& alpha) {
    rgb = Bitmap(kTgaSide, kTgaSide, clWhite);
    alpha = Bitmap(kTgaSide, kTgaSide, clBlack);
    for (int y = 0; y < kTgaSide; ++y) {
        for (int x = 0; x < kTgaSide; ++x) {
            if ((x - 32) * (x - 32) + (y - 32) * (y - 32) < 400) rgb.at(x, y) = RGB(200, 30, x * 4);
            alpha.at(x, y) = Grey(x < 48 ? 255 : 0);
        }
    }
}

std::vector<std::uint8_t> RleFile() {
    Bitmap rgb, alpha;
    Paint(rgb, alpha);
    const std::vector<std::uint8_t> plain = EncodeTgaImage(rgb, alpha);
    std::vector<std::uint8_t> out(plain.begin(), plain.begin() + kTgaHeaderSize);
    out[tga_field::ImageType] = kTgaTypeRle;
    // One packet per run of equal pixels within a row, raw packets for single pixels.
    for (std::size_t i = kTgaHeaderSize; i < plain.size();) {
        std::size_t run = 1;
        while (run < 64 && i + run * 4 < plain.size() &&
               std::equal(plain.begin() + i, plain.begin() + i + 4, plain.begin() + i + run * 4))
            ++run;
        out.push_back(static_cast<std::uint8_t>(run > 1 ? 0x80 | (run - 1) : 0));
        out.insert(out.end(), plain.begin() + i, plain.begin() + i + 4);
        i += run * 4;
    }
    return out;
}

void BM_EncodeTga(benchmark::State& state) {
    Bitmap rgb, alpha;
    Paint(rgb, alpha);
    for (auto _ : state) benchmark::DoNotOptimize(EncodeTgaImage(rgb, alpha));
}
BENCHMARK(BM_EncodeTga);

void BM_DecodeTga32(benchmark::State& state) {
    Bitmap rgb, alpha;
    Paint(rgb, alpha);
    const std::vector<std::uint8_t> file = EncodeTgaImage(rgb, alpha);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeTgaImage(file));
}
BENCHMARK(BM_DecodeTga32);

void BM_DecodeTgaRle(benchmark::State& state) {
    const std::vector<std::uint8_t> file = RleFile();
    if (DecodeTgaImage(file).result != TgaLoadResult::Loaded) state.SkipWithError("bad RLE fixture");
    state.counters["file_bytes"] = static_cast<double>(file.size());
    for (auto _ : state) benchmark::DoNotOptimize(DecodeTgaImage(file));
}
BENCHMARK(BM_DecodeTgaRle);

// The whole save: encode, temporary file, fsync, rename. Dominated by the disk's flush.
void BM_SaveToDisk(benchmark::State& state) {
    Bitmap rgb, alpha;
    Paint(rgb, alpha);
    std::string folder = (std::filesystem::temp_directory_path() / "corvanth-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string target = folder + "/logo.tga";
    for (auto _ : state) {
        if (!SafeWriteFile(target, EncodeTgaImage(rgb, alpha))) state.SkipWithError("save failed");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveToDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvanth
