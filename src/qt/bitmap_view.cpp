#include "qt/bitmap_view.hpp"

#include <algorithm>

#include "qt/qt_colors.hpp"

namespace corvanth::qt {

BitmapView::BitmapView(TImage& model)
    : model_(model),
      picture_(&model.Picture),
      geometry_(model.bounds.left, model.bounds.top, model.bounds.width, model.bounds.height) {}

BitmapView::BitmapView(TArtwork& model, bool seeThrough)
    : model_(model),
      picture_(&model.Picture),
      seeThrough_(seeThrough),
      geometry_(model.bounds.left, model.bounds.top, model.bounds.width, model.bounds.height) {}

QSize BitmapView::pictureSize() const {
    return std::visit([](const auto* p) { return QSize(p->width(), p->height()); }, picture_);
}

QRect BitmapView::pictureRect() const {
    return QRect(geometry_.topLeft(), pictureSize()) & geometry_;
}

// The surface asks this of every control for every rectangle it paints, so it compares plain coordinates.
bool BitmapView::covers(const QRect& r) const {
    return !seeThrough_ && shown_ && geometry_.left() <= r.left() && geometry_.top() <= r.top() &&
           r.right() < geometry_.left() + std::min(geometry_.width(), pictureSize().width()) &&
           r.bottom() < geometry_.top() + std::min(geometry_.height(), pictureSize().height());
}

void BitmapView::takeChanges(std::vector<QRect>& changed) {
    const bool flipped = shown_ != model_.Visible;
    shown_ = model_.Visible;
    // A hidden control's changes wait in its bitmap until it is shown; hiding it repaints what is below.
    if (!shown_) {
        if (flipped) changed.push_back(geometry_);
        return;
    }
    const std::uint64_t changes = std::visit([](const auto* p) { return p->changes(); }, picture_);
    if (!flipped && changes == shownChanges_) return;
    shownChanges_ = changes;
    const TRect r = std::visit([](auto* p) { return p->TakeChanged(); }, picture_);
    const QSize size = pictureSize();
    const bool resized = size != shownSize_;
    shownSize_ = size;
    if (flipped || resized) {
        changed.push_back(geometry_);
        return;
    }
    const QPoint origin = geometry_.topLeft();
    const QRect part = QRect(r.left, r.top, r.width(), r.height()).translated(origin) & geometry_;
    if (!part.isEmpty()) changed.push_back(part);
}

void BitmapView::compose(const QRect& part, QRgb* to, qsizetype stride) const {
    const QRect shown = part & pictureRect();
    if (shown.isEmpty()) return;
    const QRect from = shown.translated(-geometry_.topLeft());
    const QPoint skip = shown.topLeft() - part.topLeft();
    const TRect area{from.left(), from.top(), from.right() + 1, from.bottom() + 1};
    QRgb* const at = to + skip.y() * stride + skip.x();
    if (const auto* bitmap = std::get_if<Bitmap*>(&picture_))
        CopyPixels(**bitmap, area, at, stride);
    else
        CopyPixels(*std::get<InkBitmap*>(picture_), area, at, stride, seeThrough_);
}

}  // namespace corvanth::qt
