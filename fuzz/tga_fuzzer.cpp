// Feeds arbitrary bytes to the decoders. Besides memory errors it checks what a load promises: a full
// image on Loaded, nothing otherwise, and that saving a loaded image and loading it again gives it back.
// The decoder of any size reads no byte past what the header promised, gives a whole picture, and agrees
// with the 64 by 64 one on the files both read.
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

// Small enough that the fuzzer stays fast, large enough for odd sizes of a few hundred pixels a side.
constexpr std::size_t kFuzzMostPixels = std::size_t{1} << 18;

void CheckAnySize(std::span<const std::uint8_t> bytes, const corvanth::TgaPixels& image) {
    using namespace corvanth;
    const auto picture = DecodeTgaPicture(bytes, kFuzzMostPixels);
    const auto promised = TgaPictureBytes(bytes, kFuzzMostPixels);
    Require((promised || !picture) && (picture || image.result != TgaLoadResult::Loaded));
    if (promised && *promised < bytes.size())
        Require(DecodeTgaPicture(bytes.first(*promised), kFuzzMostPixels) == picture);
    if (!picture) return;
    Require(picture->width > 0 && picture->height > 0 &&
            picture->rgba.size() == std::size_t{4} * picture->width * picture->height);
    if (image.result != TgaLoadResult::Loaded) return;
    for (std::size_t p = 0; p < kTgaPixelCount; ++p) {
        const std::uint8_t* q = &picture->rgba[p * 4];
        Require(RGB(q[0], q[1], q[2]) == image.rgb[p] && q[3] == (image.depth == 32 ? image.alpha[p] : 255));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvanth;
    const TgaPixels image = DecodeTgaImage(std::span<const std::uint8_t>(data, size));
    CheckAnySize(std::span<const std::uint8_t>(data, size), image);
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
