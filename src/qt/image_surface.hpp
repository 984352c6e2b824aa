#pragma once
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <memory>
#include <vector>

#include "qt/bitmap_view.hpp"

namespace corvanth::qt {

// The pointer in widget pixels to the fraction. On a scaled screen (1.5, 2) Qt rounds the widget
// position of a mouse event, which puts the last device pixel of a view cell into the next cell; the
// position in the window (scene) keeps the fraction. origin is the widget's top-left in the window.
QPointF ExactPosition(QPointF local, QPointF scene, QPoint origin);

// The form's own surface, below its windowed controls: paints the form's colour and every image control
// on it in stacking order, and hands each mouse event to the image control it belongs to. One widget
// for all of them means one paint per event however many pictures changed.
class ImageSurface : public QWidget {
    Q_OBJECT
  public:
    explicit ImageSurface(QWidget* parent);

    // Adds a control above those added before.
    BitmapView& add(TImage& model);
    BitmapView& add(TArtwork& model, bool seeThrough);
    BitmapView* view(const TControl& model) const;
    // Repaints only what changed in the controls since the last sync.
    void sync();

  protected:
    // Tooltips: the text of the picture part under the pointer.
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    BitmapView& add(std::unique_ptr<BitmapView> view);
    // Writes what the surface shows in r to `to`, which holds r's top-left pixel and has rows stride pixels
    // apart: the form's colour, then every shown control in stacking order, see-through pixels skipped.
    void compose(const QRect& r, QRgb* to, qsizetype stride) const;
    QPoint pixelAt(const QMouseEvent& e) const;
    // The top control under p that takes the mouse.
    BitmapView* viewAt(QPoint p) const;
    void hover(BitmapView* view);

    std::vector<std::unique_ptr<BitmapView>> views_;
    std::vector<QRect> changed_;  // kept between syncs, so a sync allocates nothing
    QImage frame_;                // what the surface shows, composed where it changed
    // A press goes to the control under it, and everything after it to that control until the last
    // button is up, as a widget grabs the mouse.
    BitmapView* grabbed_ = nullptr;
    BitmapView* hovered_ = nullptr;
    bool clickArmed_ = false;
};

}  // namespace corvanth::qt
