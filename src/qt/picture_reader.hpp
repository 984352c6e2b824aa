#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "platform/rgba_picture.hpp"

namespace corvanth::qt {

// Decodes a picture with Qt's own image readers (PNG, JPEG, BMP, GIF, and whatever plugins are
// installed), turned as its orientation tag says; nothing when no reader can decode it or its size, read
// from its header, is past the readers' memory limit.
std::optional<RgbaPicture> ReadPictureFile(const QString& path);
// The same from the bytes of a file, as the clipboard holds them.
std::optional<RgbaPicture> ReadPictureBytes(const QByteArray& bytes);

// Between Qt's images and the core's pictures, in straight alpha.
RgbaPicture PictureOf(const QImage& image);
QImage ImageOf(const RgbaPicture& picture);

}  // namespace corvanth::qt
