#include "qt/picture_reader.hpp"

#include <QImage>
#include <QImageReader>
#include <cstring>

namespace corvanth::qt {

std::optional<RgbaPicture> ReadPictureFile(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage read = reader.read();
    if (read.isNull()) return std::nullopt;
    // Straight alpha, 255 where the file has none.
    const QImage image = read.convertToFormat(QImage::Format_RGBA8888);
    RgbaPicture out{image.width(), image.height(), {}};
    const auto row = static_cast<std::size_t>(out.width) * 4;
    out.rgba.resize(row * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.rgba.data() + row * static_cast<std::size_t>(y), image.constScanLine(y), row);
    return out;
}

}  // namespace corvanth::qt
