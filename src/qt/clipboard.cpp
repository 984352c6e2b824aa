#include "qt/clipboard.hpp"

#include <QBuffer>
#include <QImage>
#include <QUrl>

#include "qt/picture_reader.hpp"

namespace corvanth::qt {

namespace {
const QString kPng = QStringLiteral("image/png");
}  // namespace

std::unique_ptr<QMimeData> PictureMimeData(const RgbaPicture& picture) {
    auto data = std::make_unique<QMimeData>();
    const QImage image = ImageOf(picture);
    QByteArray png;
    QBuffer buffer(&png);
    if (buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG")) data->setData(kPng, png);
    data->setImageData(image);
    return data;
}

ClipboardContent ContentOf(const QMimeData* data) {
    ClipboardContent content;
    if (!data) return content;
    // The PNG bytes as they are, through the readers' memory limit; Qt's image only where there are none.
    if (data->hasFormat(kPng)) content.picture = ReadPictureBytes(data->data(kPng));
    if (!content.picture && data->hasImage()) {
        const auto image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull()) content.picture = PictureOf(image);
    }
    if (data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) content.files.push_back(url.toLocalFile().toStdString());
    return content;
}

}  // namespace corvanth::qt
