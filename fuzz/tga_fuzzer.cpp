// Feeds arbitrary bytes to the decoder. Besides memory errors it checks what a load promises: a full
// image on Loaded, nothing otherwise, and that saving a loaded image and loading it again gives it back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fileio/tga_decode.hpp"
#include "fileio/tga_encode.hpp"
#include "fileio/tga_layout.hpp"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvanth;
    const TgaPixels image = DecodeTgaImage(std::span<const std::uint8_t>(data, size));
    if (image.result != TgaLoadResult::Loaded) {
        Require(image.rgb.empty() && image.alpha.empty());
        return 0;
    }
    Require(image.depth == 24 || image.depth == 32);
    Require(image.rgb.size() == kTgaPixelCount && image.alpha.size() == kTgaPixelCount);

    Bitmap rgb(kTgaSide, kTgaSide), alpha(kTgaSide, kTgaSide);
    for (int y = 0; y < kTgaSide; ++y) {
        for (int x = 0; x < kTgaSide; ++x) {
            const auto at = static_cast<std::size_t>(y * kTgaSide + x);
            Require(image.rgb[at] <= 0xFFFFFF);
            rgb.at(x, y) = image.rgb[at];
            alpha.at(x, y) = Grey(image.alpha[at]);
        }
    }
    const TgaPixels again = DecodeTgaImage(EncodeTgaImage(rgb, alpha));
    Require(again.result == TgaLoadResult::Loaded && again.rgb == image.rgb && again.alpha == image.alpha);
    return 0;
}
