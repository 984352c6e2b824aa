#include "qt/bitmap_view.hpp"

#include <algorithm>

#include "qt/qt_colors.hpp"

namespace corvanth::qt {

BitmapView::BitmapView(TImage& model, std::optional<TColor> seeThrough)
    : model_(model),
      seeThrough_(seeThrough),
      geometry_(model.bounds.left, model.bounds.top, model.bounds.width, model.bounds.height) {}

QRect BitmapView::pictureRect() const {
    return QRect(geometry_.topLeft(), QSize(model_.Picture.width(), model_.Picture.height())) & geometry_;
}

// The surface asks this of every control for every rectangle it paints, so it compares plain coordinates.
bool BitmapView::covers(const QRect& r) const {
    return !seeThrough_ && shown_ && geometry_.left() <= r.left() && geometry_.top() <= r.top() &&
           r.right() < geometry_.left() + std::min(geometry_.width(), model_.Picture.width()) &&
           r.bottom() < geometry_.top() + std::min(geometry_.height(), model_.Picture.height());
}

QRect BitmapView::takeChanges() {
    Bitmap& picture = model_.Picture;
    const bool flipped = shown_ != model_.Visible;
    shown_ = model_.Visible;
    // A hidden control's changes wait in its bitmap until it is shown; hiding it repaints what is below.
    if (!shown_) return flipped ? geometry_ : QRect();
    if (!flipped && picture.changes() == shownChanges_) return {};
    shownChanges_ = picture.changes();
    const TRect changed = picture.TakeChanged();
    const QSize size(picture.width(), picture.height());
    const bool resized = size != shownSize_;
    shownSize_ = size;
    if (flipped || resized) return geometry_;
    return QRect(changed.left, changed.top, changed.width(), changed.height())
               .translated(geometry_.topLeft()) &
           geometry_;
}

void BitmapView::compose(const QRect& part, QRgb* to, qsizetype stride) const {
    const QRect shown = part & pictureRect();
    if (shown.isEmpty()) return;
    const QRect from = shown.translated(-geometry_.topLeft());
    const QPoint skip = shown.topLeft() - part.topLeft();
    CopyPixels(model_.Picture, {from.left(), from.top(), from.right() + 1, from.bottom() + 1},
               to + skip.y() * stride + skip.x(), stride, seeThrough_);
}

}  // namespace corvanth::qt
