#include "qt/bitmap_view.hpp"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

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

QPointF ExactPosition(QPointF local, QPointF scene, QPoint origin) {
    const QPointF exact = scene - QPointF(origin);
    const QPointF off = exact - local;
    // An event made by hand may carry no window position; then the widget position is all there is.
    return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1 ? exact : local;
}

QPoint BitmapView::pixelAt(const QMouseEvent& e) const {
    const QPointF p = ExactPosition(e.position(), e.scenePosition(), mapTo(window(), QPoint(0, 0)));
    return {Pixel(p.x()), Pixel(p.y())};
}

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
    // A hidden view repaints nothing; the changes wait in the bitmap until it is shown.
    Bitmap& picture = model_.Picture;
    if (!model_.Visible || picture.changes() == shownChanges_) return;
    shownChanges_ = picture.changes();
    TRect changed = picture.TakeChanged();
    if (picture.width() != shownSize_.width() || picture.height() != shownSize_.height()) {
        shownSize_ = QSize(picture.width(), picture.height());
        changed = {0, 0, width(), height()};
    }
    if (!changed.empty()) update(changed.left, changed.top, changed.width(), changed.height());
}

// Painting converts the asked-for part of the model's picture a band of rows at a time, through a buffer
// on the stack: it allocates nothing, and the window holds no copy of any picture between paints.
void BitmapView::paintEvent(QPaintEvent* e) {
    const Bitmap& picture = model_.Picture;
    const QRect asked = e->rect() & QRect(0, 0, picture.width(), picture.height());
    if (asked.isEmpty()) return;
    constexpr int kBandPixels = 4096;
    std::array<QRgb, kBandPixels> stack;
    std::vector<QRgb> wide(asked.width() > kBandPixels ? asked.width() : 0);
    const int rows = std::clamp(kBandPixels / asked.width(), 1, asked.height());
    QImage band(reinterpret_cast<uchar*>(wide.empty() ? stack.data() : wide.data()), asked.width(), rows,
                asked.width() * static_cast<int>(sizeof(QRgb)),
                seeThrough_ ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QPainter painter(this);
    // On a scaled screen each picture pixel becomes a block of device pixels: never blend them.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int top = asked.top(); top <= asked.bottom(); top += rows) {
        const int height = std::min(rows, asked.bottom() + 1 - top);
        CopyToQImage(picture, {asked.left(), top, asked.right() + 1, top + height}, band, seeThrough_);
        painter.drawImage(QPoint(asked.left(), top), band, QRect(0, 0, asked.width(), height));
    }
}

void BitmapView::mousePressEvent(QMouseEvent* e) {
    clickArmed_ = e->button() == Qt::LeftButton;
    const auto button = ToMouseButton(e->button());
    const QPoint p = pixelAt(*e);
    if (button && onPress) onPress(*button, p.x(), p.y());
}

void BitmapView::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = pixelAt(*e);
    if (onMove) onMove(p.x(), p.y());
}

void BitmapView::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = pixelAt(*e);
    const int x = p.x(), y = p.y();
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

void BitmapView::leaveEvent(QEvent*) {
    if (onLeave) onLeave();
}

}  // namespace corvanth::qt
