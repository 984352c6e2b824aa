#include "qt/image_surface.hpp"

#include <QApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "app/control_tips.hpp"

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

// Floor, not truncation: a pointer just left of a control is at -1, not 0.
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

ImageSurface::ImageSurface(QWidget* parent) : QWidget(parent) {
    setObjectName("surface");
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // Every pixel is painted here; nothing behind the surface needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

BitmapView& ImageSurface::add(TImage& model) {
    return add(std::make_unique<BitmapView>(model));
}

BitmapView& ImageSurface::add(TArtwork& model, bool seeThrough) {
    return add(std::make_unique<BitmapView>(model, seeThrough));
}

BitmapView& ImageSurface::add(std::unique_ptr<BitmapView> view) {
    views_.push_back(std::move(view));
    views_.back()->takeChanges(changed_);
    for (const QRect& r : changed_) update(r);
    changed_.clear();
    return *views_.back();
}

BitmapView* ImageSurface::view(const TControl& model) const {
    for (const auto& v : views_)
        if (&v->model() == &model) return v.get();
    return nullptr;
}

// One request for all that changed: Qt's cost is per request, not per pixel.
void ImageSurface::sync() {
    for (const auto& v : views_) v->takeChanges(changed_);
    if (changed_.empty()) return;
    // Top to bottom, then left to right: a rectangle below the region's last band, or beside it in the
    // same band, joins it as an append, where one out of order makes Qt merge bands.
    std::ranges::sort(changed_, [](const QRect& a, const QRect& b) {
        return std::pair(a.top(), a.left()) < std::pair(b.top(), b.left());
    });
    QRegion region;
    for (const QRect& r : changed_) region += r;
    changed_.clear();
    update(region);
}

void ImageSurface::compose(const QRect& r, QRgb* to, qsizetype stride) const {
    // Only the top control that hides everything below it in r, and what lies above it, need composing.
    auto first = views_.size();
    while (first > 0 && !views_[first - 1]->covers(r)) --first;
    if (first == 0) {
        const QRgb form = palette().color(QPalette::Window).rgb();
        for (int y = 0; y < r.height(); ++y) std::fill_n(to + y * stride, r.width(), form);
    } else {
        --first;
    }
    for (auto i = first; i < views_.size(); ++i) {
        // Plain comparisons rather than QRect's out-of-line test: this runs for every control per rectangle.
        const QRect g = views_[i]->geometry();
        if (!views_[i]->shown() || g.left() > r.right() || g.right() < r.left() || g.top() > r.bottom() ||
            g.bottom() < r.top())
            continue;
        const QRect part = r & g;
        views_[i]->compose(part, to + (part.top() - r.top()) * stride + (part.left() - r.left()), stride);
    }
}

// Each changed rectangle is composed into a frame kept in the screen's own format, then copied to the
// window with a painter: a plain copy on a screen that is not scaled, each pixel a block of device pixels
// on one that is, never smoothed.
void ImageSurface::paintEvent(QPaintEvent* e) {
    if (frame_.size() != size()) frame_ = QImage(size(), QImage::Format_RGB32);
    const qsizetype stride = frame_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto* pixels = reinterpret_cast<QRgb*>(frame_.bits());
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : e->region()) {
        const QRect at = r & frame_.rect();
        if (at.isEmpty()) continue;
        compose(at, pixels + at.top() * stride + at.left(), stride);
        painter.drawImage(at.topLeft(), frame_, at);
    }
}

QPoint ImageSurface::pixelAt(const QMouseEvent& e) const {
    const QPointF p = ExactPosition(e.position(), e.scenePosition(), mapTo(window(), QPoint(0, 0)));
    return {Pixel(p.x()), Pixel(p.y())};
}

BitmapView* ImageSurface::viewAt(QPoint p) const {
    const auto top = std::find_if(views_.rbegin(), views_.rend(), [p](const auto& v) {
        return v->takesMouse() && v->geometry().contains(p);
    });
    return top == views_.rend() ? nullptr : top->get();
}

// The control the pointer was over hears that it left before anything else happens.
void ImageSurface::hover(BitmapView* view) {
    if (view == hovered_) return;
    BitmapView* left = std::exchange(hovered_, view);
    if (left && left->onLeave) left->onLeave();
}

void ImageSurface::mousePressEvent(QMouseEvent* e) {
    // A click on the pictures takes the keyboard from any box a click gives it to, so shortcuts act on the
    // picture again.
    if (QWidget* focus = QApplication::focusWidget(); focus && focus != window() &&
                                                      window()->isAncestorOf(focus) &&
                                                      (focus->focusPolicy() & Qt::ClickFocus))
        window()->setFocus(Qt::MouseFocusReason);
    const QPoint p = pixelAt(*e);
    if ((e->buttons() & ~e->button()) == Qt::NoButton) {
        hover(viewAt(p));
        grabbed_ = hovered_;
        clickArmed_ = e->button() == Qt::LeftButton;
    }
    const auto button = ToMouseButton(e->button());
    if (grabbed_ && button && grabbed_->onPress) {
        const QPoint at = p - grabbed_->geometry().topLeft();
        grabbed_->onPress(*button, at.x(), at.y());
    }
}

void ImageSurface::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = pixelAt(*e);
    BitmapView* target = grabbed_;
    if (e->buttons() == Qt::NoButton) {
        hover(viewAt(p));
        target = hovered_ && hovered_->tracksHover ? hovered_ : nullptr;
    }
    if (target && target->onMove) {
        const QPoint at = p - target->geometry().topLeft();
        target->onMove(at.x(), at.y());
    }
}

void ImageSurface::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = pixelAt(*e);
    BitmapView* target = grabbed_;
    if (e->buttons() == Qt::NoButton) grabbed_ = nullptr;
    if (target) {
        const QPoint at = p - target->geometry().topLeft();
        const auto button = ToMouseButton(e->button());
        if (button && target->onRelease) target->onRelease(*button, at.x(), at.y());
        if (e->button() == Qt::LeftButton && std::exchange(clickArmed_, false) &&
            target->geometry().contains(p) && target->onClick)
            target->onClick();
    }
    if (!grabbed_) hover(viewAt(p));
}

// Qt replaces the second press of a double click with this event. The double-click handler runs
// first, then the second press, as the form's own platform delivers them.
void ImageSurface::mouseDoubleClickEvent(QMouseEvent* e) {
    BitmapView* view = viewAt(pixelAt(*e));
    if (e->button() == Qt::LeftButton && view && view->onDoubleClick) view->onDoubleClick();
    mousePressEvent(e);
}

void ImageSurface::leaveEvent(QEvent*) {
    if (!grabbed_) hover(nullptr);
}

// The pictures are no widgets of their own, so the surface shows the tip of the one under the pointer,
// kept while the pointer stays in the part it belongs to.
bool ImageSurface::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    const auto* help = static_cast<QHelpEvent*>(e);
    const BitmapView* view = viewAt(help->pos());
    const QPoint origin = view ? view->geometry().topLeft() : QPoint();
    const QPoint at = help->pos() - origin;
    const auto tip = view ? TipAt(view->model().Name, at.x(), at.y()) : std::nullopt;
    if (!tip) {
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    const QRect area(origin + QPoint(tip->area.left, tip->area.top),
                     QSize(tip->area.width(), tip->area.height()));
    QToolTip::showText(help->globalPos(),
                       QString::fromUtf8(tip->text.data(), static_cast<qsizetype>(tip->text.size())), this,
                       area);
    return true;
}

}  // namespace corvanth::qt
