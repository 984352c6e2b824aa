#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/file_messages.hpp"
#include "app/tmain.hpp"
#include "document/plane.hpp"
#include "fileio/file_name.hpp"
#include "fileio/plane_picture.hpp"
#include "fileio/png_encode.hpp"
#include "fileio/safe_write.hpp"

// Exchange with other programs: Edit > Copy and Paste through the clipboard, and File > Export PNG.
namespace corvanth {

namespace {
// Shown in the readout strip, which has capitals only, until the pointer next moves over the view.
constexpr std::string_view kNothingToCopy = "NOTHING TO COPY";
constexpr std::string_view kNothingToPaste = "NOTHING TO PASTE";

// The pixels the selection holds inside the plane, or the whole plane when nothing is selected. A
// selection moved off the plane holds none.
TRect WorkingBox(const EditorState& state) {
    const TRect plane{0, 0, kPlaneSize, kPlaneSize};
    return state.SelectionActive ? Intersect(SelectionBox(state.SelectionRect), plane) : plane;
}

// The name Export offers: the TGA file's own name with .png, so the picture lands beside it. An imported
// picture's name is not offered: it may be the very PNG it came from.
std::string PngNameFor(const EditorState& state) {
    if (state.FileName.empty()) return {};
    return std::filesystem::path(state.FileName).replace_extension(".png").string();
}
}  // namespace

void TMain::Copy1Click() {
    const TRect box = WorkingBox(state);
    if (box.empty()) return setReadout(std::string(kNothingToCopy));
    platform.PutClipboardPicture(PlanesPicture(imgRGB.GetCanvas().bitmap(), imgA.GetCanvas().bitmap(), box));
}

void TMain::Paste1Click() {
    const ClipboardContent content = platform.GetClipboard();
    const bool picture = content.picture && content.picture->width > 0 && content.picture->height > 0;
    // A file copied in a file manager comes in as if it were dropped.
    if (!picture && content.files.size() == 1) return OpenNamedFile(content.files.front());
    const TRect box = WorkingBox(state);
    if (!picture || box.empty()) return setReadout(std::string(kNothingToPaste));
    PutPicture(*content.picture, box);
    RedrawView();
    DrawSelectionFrame();
}

void TMain::ExportPNG1Click() {
    if (!sExportDialog.Execute(PngNameFor(state))) return;
    const std::string name = WithDefaultExtension(sExportDialog.FileName, sExportDialog.options().defaultExt);
    const TRect whole{0, 0, kPlaneSize, kPlaneSize};
    const auto bytes =
        EncodePng(PlanesPicture(imgRGB.GetCanvas().bitmap(), imgA.GetCanvas().bitmap(), whole));
    if (!SafeWriteFile(name, bytes)) platform.MessageBox(kIoError, kErrorCaption);
}

}  // namespace corvanth
