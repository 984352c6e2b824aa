#pragma once
#include <QMimeData>
#include <memory>

#include "platform/dialogs.hpp"

namespace corvanth::qt {

// A picture as other programs take it from the clipboard: PNG bytes, which keep its alpha everywhere,
// and Qt's image, which each system offers in its own formats besides.
std::unique_ptr<QMimeData> PictureMimeData(const RgbaPicture& picture);

// What of the clipboard's data the editor can use: PNG bytes first, then any image Qt can read, then the
// local files of a URI list.
ClipboardContent ContentOf(const QMimeData* data);

}  // namespace corvanth::qt
