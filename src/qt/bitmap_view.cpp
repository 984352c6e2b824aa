#include "qt/bitmap_view.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "qt/qt_colors.hpp"

namespace corvanth::qt {

BitmapView::BitmapView(TImage& model, std::optional<TColor> seeThrough)
    : model_(model),
      seeThrough_(seeThrough),
      geometry_(model.bounds.left, model.bounds.top, model.bounds.width, model.bounds.height) {}

QRect BitmapView::pictureRect() const {
    return QRect(geometry_.topLeft(), QSize(model_.Picture.width(), model_.Picture.height())) & geometry_;
}

bool BitmapView::covers(const QRect& r) const {
    return shown_ && !seeThrough_ && pictureRect().contains(r);
}

QRect BitmapView::takeChanges() {
    Bitmap& picture = model_.Picture;
    if (shown_ != model_.Visible) {
        shown_ = model_.Visible;
        return geometry_;
    }
    if (!shown_ || picture.changes() == shownChanges_) return {};
    shownChanges_ = picture.changes();
    const TRect changed = picture.TakeChanged();
    if (picture.width() != shownSize_.width() || picture.height() != shownSize_.height()) {
        shownSize_ = QSize(picture.width(), picture.height());
        return geometry_;
    }
    return QRect(changed.left, changed.top, changed.width(), changed.height())
               .translated(geometry_.topLeft()) &
           geometry_;
}

// The part is converted a band of rows at a time, through a buffer on the stack: painting allocates
// nothing, and the window holds no copy of any picture between paints.
void BitmapView::paint(QPainter& painter, const QRect& part) const {
    const Bitmap& picture = model_.Picture;
    const QRect asked = (part & pictureRect()).translated(-geometry_.topLeft());
    if (asked.isEmpty()) return;
    constexpr int kBandPixels = 4096;
    std::array<QRgb, kBandPixels> stack;
    std::vector<QRgb> wide(asked.width() > kBandPixels ? asked.width() : 0);
    const int rows = std::clamp(kBandPixels / asked.width(), 1, asked.height());
    QImage band(reinterpret_cast<uchar*>(wide.empty() ? stack.data() : wide.data()), asked.width(), rows,
                asked.width() * static_cast<int>(sizeof(QRgb)),
                seeThrough_ ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (int top = asked.top(); top <= asked.bottom(); top += rows) {
        const int height = std::min(rows, asked.bottom() + 1 - top);
        CopyToQImage(picture, {asked.left(), top, asked.right() + 1, top + height}, band, seeThrough_);
        painter.drawImage(geometry_.topLeft() + QPoint(asked.left(), top), band,
                          QRect(0, 0, asked.width(), height));
    }
}

}  // namespace corvanth::qt
