#pragma once
#include <QString>
#include <optional>

#include "platform/rgba_picture.hpp"

namespace corvanth::qt {

// Decodes a picture with Qt's own image readers (PNG, JPEG, BMP, GIF, and whatever plugins are
// installed), turned as its orientation tag says; nothing when no reader can decode it or its size, read
// from its header, is past the readers' memory limit.
std::optional<RgbaPicture> ReadPictureFile(const QString& path);

}  // namespace corvanth::qt
