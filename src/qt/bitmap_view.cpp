#include "qt/bitmap_view.hpp"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "qt/qt_colors.hpp"

namespace corvanth::qt {

namespace {

std::optional<TMouseButton> ToMouseButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return TMouseButton::mbLeft;
        case Qt::RightButton:
            return TMouseButton::mbRight;
        case Qt::MiddleButton:
            return TMouseButton::mbMiddle;
        default:
            return std::nullopt;
    }
}

// Floor, not truncation: a pointer just left of the widget is at -1, not 0.
int Pixel(qreal v) {
    return static_cast<int>(std::floor(v));
}

}  // namespace

BitmapView::BitmapView(TImage& model, QWidget* parent, std::optional<TColor> seeThrough)
    : QWidget(parent), model_(model), seeThrough_(seeThrough) {
    setObjectName(QString::fromStdString(model.Name));
    setGeometry(model.bounds.left, model.bounds.top, model.bounds.width, model.bounds.height);
    setFocusPolicy(Qt::NoFocus);
    // A picture without a see-through colour covers every pixel: nothing behind it needs painting.
    setAttribute(seeThrough ? Qt::WA_TransparentForMouseEvents : Qt::WA_OpaquePaintEvent);
    sync();
}

void BitmapView::sync() {
    if (isVisibleTo(parentWidget()) != model_.Visible) setVisible(model_.Visible);
    // A hidden view converts nothing; the changes wait in the bitmap until it is shown.
    Bitmap& picture = model_.Picture;
    if (!model_.Visible || picture.changes() == shownChanges_) return;
    shownChanges_ = picture.changes();
    const TRect taken = picture.TakeChanged();
    TRect changed{std::max(taken.left, 0), std::max(taken.top, 0), std::min(taken.right, picture.width()),
                  std::min(taken.bottom, picture.height())};
    if (image_.width() != picture.width() || image_.height() != picture.height()) {
        image_ = picture.empty() ? QImage()
                                 : QImage(picture.width(), picture.height(),
                                          seeThrough_ ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        changed = {0, 0, picture.width(), picture.height()};
    }
    if (changed.empty()) return;
    CopyToQImage(picture, changed, image_, seeThrough_);
    update(changed.left, changed.top, changed.width(), changed.height());
}

void BitmapView::paintEvent(QPaintEvent* e) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(e->rect(), image_, e->rect());
}

void BitmapView::mousePressEvent(QMouseEvent* e) {
    clickArmed_ = e->button() == Qt::LeftButton;
    const auto button = ToMouseButton(e->button());
    if (button && onPress) onPress(*button, Pixel(e->position().x()), Pixel(e->position().y()));
}

void BitmapView::mouseMoveEvent(QMouseEvent* e) {
    if (onMove) onMove(Pixel(e->position().x()), Pixel(e->position().y()));
}

void BitmapView::mouseReleaseEvent(QMouseEvent* e) {
    const int x = Pixel(e->position().x()), y = Pixel(e->position().y());
    const auto button = ToMouseButton(e->button());
    if (button && onRelease) onRelease(*button, x, y);
    if (e->button() == Qt::LeftButton && clickArmed_) {
        clickArmed_ = false;
        if (rect().contains(x, y) && onClick) onClick();
    }
}

// Qt replaces the second press of a double click with this event. The double-click handler runs
// first, then the second press, as the form's own platform delivers them.
void BitmapView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
    mousePressEvent(e);
}

}  // namespace corvanth::qt
