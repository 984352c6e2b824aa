#pragma once
#include <QSize>
#include <QMouseEvent>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/tmain.hpp"
#include "platform/controls.hpp"

namespace corvanth::qt {

// The pointer in widget pixels to the fraction. On a scaled screen (1.5, 2) Qt rounds the widget
// position of a mouse event, which puts the last device pixel of a view cell into the next cell; the
// position in the window (scene) keeps the fraction. origin is the widget's top-left in the window.
QPointF ExactPosition(QPointF local, QPointF scene, QPoint origin);

// Shows an image control's picture 1:1 and passes its mouse events on in widget pixels.
class BitmapView : public QWidget {
    Q_OBJECT
  public:
    BitmapView(TImage& model, QWidget* parent, std::optional<TColor> seeThrough = std::nullopt);

    std::function<void(TMouseButton, int, int)> onPress, onRelease;
    std::function<void(int, int)> onMove;
    std::function<void()> onClick, onDoubleClick, onLeave;

    // Takes the visibility from the model and repaints only the rectangle of the picture changed since
    // the last sync.
    void sync();
    TImage& model() const { return model_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    QPoint pixelAt(const QMouseEvent& e) const;

    TImage& model_;
    std::optional<TColor> seeThrough_;
    std::uint64_t shownChanges_ = ~std::uint64_t{0};
    QSize shownSize_;
    bool clickArmed_ = false;
};

}  // namespace corvanth::qt
