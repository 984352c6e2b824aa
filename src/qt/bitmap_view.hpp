#pragma once
#include <QRect>
#include <QRgb>
#include <QSize>
#include <cstdint>
#include <functional>
#include <variant>
#include <vector>

#include "app/tmain.hpp"
#include "platform/controls.hpp"

namespace corvanth::qt {

// One image control of a form: where its picture shows on the form's surface, and the handlers its mouse
// events run, in the control's own pixels. It is no widget of its own: the surface it sits on paints it
// and hands it the mouse, the way a form paints its graphic controls.
class BitmapView {
  public:
    explicit BitmapView(TImage& model);
    // Artwork that is see-through lets the mouse through to what lies below it.
    BitmapView(TArtwork& model, bool seeThrough);

    std::function<void(TMouseButton, int, int)> onPress, onRelease;
    std::function<void(int, int)> onMove;
    std::function<void()> onClick, onDoubleClick, onLeave;
    // Moves with no button down reach onMove too.
    bool tracksHover = false;

    const TControl& model() const { return model_; }
    // The control's place on the surface.
    QRect geometry() const { return geometry_; }
    bool shown() const { return shown_; }
    bool takesMouse() const { return shown_ && !seeThrough_; }
    // Whether the picture hides everything below it in r.
    bool covers(const QRect& r) const;

    // Takes the visibility from the model; adds to `changed` the parts of the surface to repaint for what
    // changed since the last call.
    void takeChanges(std::vector<QRect>& changed);
    // Writes the control's pixels in the part of the surface given to `to`, which holds the part's top-left
    // pixel and has rows stride pixels apart. See-through pixels leave what is below them.
    void compose(const QRect& part, QRgb* to, qsizetype stride) const;

  private:
    QRect pictureRect() const;
    QSize pictureSize() const;

    TControl& model_;
    std::variant<Bitmap*, InkBitmap*> picture_;
    bool seeThrough_ = false;
    QRect geometry_;
    bool shown_ = false;
    std::uint64_t shownChanges_ = ~std::uint64_t{0};
    QSize shownSize_;
};

}  // namespace corvanth::qt
