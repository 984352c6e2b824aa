#include "qt/picture_reader.hpp"

#include <QBuffer>
#include <QImageReader>
#include <cstring>

namespace corvanth::qt {

namespace {

std::optional<RgbaPicture> Read(QImageReader& reader) {
    reader.setAutoTransform(true);
    // A picture larger than the reader's memory limit is refused from its header, before any decoding.
    const QSize size = reader.size();
    const qint64 limit = qint64{QImageReader::allocationLimit()} << 20;
    if (size.isValid() && limit > 0 && qint64{size.width()} * size.height() * 4 > limit) return std::nullopt;
    const QImage read = reader.read();
    if (read.isNull()) return std::nullopt;
    return PictureOf(read);
}

}  // namespace

std::optional<RgbaPicture> ReadPictureFile(const QString& path) {
    QImageReader reader(path);
    return Read(reader);
}

std::optional<RgbaPicture> ReadPictureBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return std::nullopt;
    QImageReader reader(&buffer);
    return Read(reader);
}

RgbaPicture PictureOf(const QImage& image) {
    // Straight alpha, 255 where the picture has none.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    RgbaPicture out{rgba.width(), rgba.height(), {}};
    const auto row = static_cast<std::size_t>(out.width) * 4;
    out.rgba.resize(row * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.rgba.data() + row * static_cast<std::size_t>(y), rgba.constScanLine(y), row);
    return out;
}

QImage ImageOf(const RgbaPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGBA8888);
    const auto row = static_cast<std::size_t>(picture.width) * 4;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.rgba.data() + row * static_cast<std::size_t>(y), row);
    return image;
}

}  // namespace corvanth::qt
