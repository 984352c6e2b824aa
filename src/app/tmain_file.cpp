#include <optional>
#include <string>
#include <string_view>

#include "app/file_messages.hpp"
#include "app/tmain.hpp"
#include "document/plane.hpp"
#include "fileio/file_name.hpp"
#include "fileio/file_read.hpp"
#include "fileio/import_name.hpp"
#include "fileio/picture_fit.hpp"
#include "fileio/safe_write.hpp"
#include "fileio/tga_decode.hpp"
#include "fileio/tga_encode.hpp"
#include "fileio/tga_layout.hpp"

// File commands: the TGA image of the planes, and Open, Save and Save As.
namespace corvanth {

namespace {
constexpr std::string_view kNotSquare = "Error: Image not 64x64 pixels.";
constexpr std::string_view kNotDepth = "Error: Image not in 24-bit or 32-bit.";

std::string NotAPicture(const std::string& name) {
    return "Error: " + std::string(LastComponent(name)) + " is not a picture this program can read.";
}

// Whether the file starts with a TGA header of another size than 64 by 64: such a file is imported like any
// other picture.
bool IsOtherSizeTga(const std::string& name) {
    const auto header = ReadFileBytes(name, kTgaHeaderSize);
    if (!header || header->size() < kTgaHeaderSize) return false;
    const auto side = [&](std::size_t at) { return (*header)[at] | (*header)[at + 1] << 8; };
    return side(tga_field::Width) != kTgaSide || side(tga_field::Height) != kTgaSide;
}

// A TGA of any size, reading no more of the file than its header says the pixels can take.
std::optional<RgbaPicture> ReadTgaPicture(const std::string& name) {
    const auto header = ReadFileBytes(name, kTgaHeaderSize);
    const auto most = header ? TgaPictureBytes(*header) : std::nullopt;
    const auto bytes = most ? ReadFileBytes(name, *most) : std::nullopt;
    return bytes ? DecodeTgaPicture(*bytes) : std::nullopt;
}

}  // namespace

std::vector<std::uint8_t> TMain::EncodeTga() {
    return EncodeTgaImage(imgRGB.GetCanvas().bitmap(), imgA.GetCanvas().bitmap());
}

TgaLoadResult TMain::DecodeTga(std::span<const std::uint8_t> bytes) {
    const TgaPixels image = DecodeTgaImage(bytes);
    if (image.result != TgaLoadResult::Loaded) return image.result;
    // A 24-bit file has no alpha: clearing first leaves the alpha plane black, and empties the file name.
    if (image.depth == 24) ClearImage();
    Bitmap& rgb = imgRGB.GetCanvas().bitmap();
    Bitmap& alpha = imgA.GetCanvas().bitmap();
    for (int y = 0; y < kTgaSide; ++y) {
        for (int x = 0; x < kTgaSide; ++x) {
            const auto at = static_cast<std::size_t>(y * kTgaSide + x);
            rgb.SetPixel(x, y, image.rgb[at]);
            if (image.depth == 32) alpha.SetPixel(x, y, Grey(image.alpha[at]));
        }
    }
    return TgaLoadResult::Loaded;
}

bool TMain::WriteTgaFile(const std::string& name) {
    const std::vector<std::uint8_t> bytes = EncodeTga();
    if (SafeWriteFile(name, bytes)) return true;
    platform.MessageBox(kIoError, kErrorCaption);
    return false;
}

void TMain::Open1Click() {
    if (oOpenDialog.Execute()) LoadTgaFile(oOpenDialog.FileName);
    RedrawView();
}

void TMain::LoadTgaFile(const std::string& name) {
    EndTextEntry();
    const auto bytes = ReadFileBytes(name, kTgaMostBytesUsed);
    if (!bytes) {
        platform.MessageBox(kIoError, kErrorCaption);
        return;
    }
    switch (DecodeTga(*bytes)) {
        case TgaLoadResult::Loaded:
            state.FileName.clear();
            state.OfferedSaveName.clear();
            break;
        case TgaLoadResult::WrongSize:
            platform.MessageBox(kNotSquare, kErrorCaption);
            break;
        case TgaLoadResult::WrongDepth:
            platform.MessageBox(kNotDepth, kErrorCaption);
            break;
        case TgaLoadResult::CorruptData:
            platform.MessageBox(kIoError, kErrorCaption);
            break;
    }
}

void TMain::OpenNamedFile(const std::string& name) {
    // File > Open refuses a TGA of another size; named or dropped, it is fitted like any other picture.
    if (!HasExtension(name, "tga") || IsOtherSizeTga(name)) return ImportPicture(name);
    LoadTgaFile(name);
    RedrawView();
}

void TMain::ImportPicture(const std::string& name) {
    const auto picture = HasExtension(name, "tga") ? ReadTgaPicture(name) : platform.ReadPicture(name);
    if (!picture) {
        platform.MessageBox(NotAPicture(name), kErrorCaption);
        return;
    }
    PutPicture(*picture, {0, 0, kPlaneSize, kPlaneSize});
    // Not a TGA file of ours: Save must ask for a name rather than overwrite the picture, and offers a
    // .tga beside it.
    state.FileName.clear();
    state.OfferedSaveName = TgaNameFor(name);
    RedrawView();
}

void TMain::PutPicture(const RgbaPicture& picture, const TRect& box) {
    EndTextEntry();
    SaveUndo();
    const FittedPlanes fitted = FitPicture(picture, box.width(), box.height());
    imgRGB.GetCanvas().Draw(box.left, box.top, fitted.rgb);
    imgA.GetCanvas().Draw(box.left, box.top, fitted.alpha);
}

void TMain::SaveAs1Click() {
    if (!sSaveDialog.Execute(state.FileName.empty() ? state.OfferedSaveName : std::string())) return;
    const std::string name = WithDefaultExtension(sSaveDialog.FileName, sSaveDialog.options().defaultExt);
    WriteTgaFile(name);
    // Recorded whatever the outcome, so a failed save is retried under the same name.
    state.FileName = name;
    state.OfferedSaveName.clear();
}

void TMain::Save1Click() {
    if (state.FileName.empty()) {
        SaveAs1Click();
        return;
    }
    WriteTgaFile(state.FileName);
}

}  // namespace corvanth
