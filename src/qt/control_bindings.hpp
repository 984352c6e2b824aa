#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLine>
#include <QLineEdit>
#include <QSlider>
#include <QStyleOptionSlider>
#include <cstdint>
#include <functional>
#include <tuple>
#include <vector>

#include "platform/controls.hpp"

namespace corvanth::qt {

// Each binding owns one widget for one model control. User input goes widget -> model once; sync()
// copies the model back under a signal blocker so that program-side updates never re-enter.
// afterInput runs once the model has taken the user's input (the window syncs everything there).

class TrackBarBinding : public QSlider {
    Q_OBJECT
  public:
    TrackBarBinding(TTrackBar& model, QWidget* parent, std::function<void()> afterInput);
    void sync();

  protected:
    // Groove and handle as the style draws them, a tick below for every position, and the focus as a
    // dotted frame, all inside the bar's own box.
    void paintEvent(QPaintEvent*) override;

  private:
    // One line per tick position, worked out again only when the range or the size changes: a colour
    // bar has 256 positions, and repaints with every change of colour.
    const std::vector<QLine>& ticks(const QStyleOptionSlider& opt);

    TTrackBar& model_;
    std::uint64_t seen_ = ~std::uint64_t{0};  // the model's change count last shown
    std::tuple<int, int, QSize> ticksFor_;
    std::vector<QLine> ticks_;
};

class EditBinding : public QLineEdit {
    Q_OBJECT
  public:
    EditBinding(TEdit& model, QWidget* parent, std::function<void()> afterInput);
    // Key codes go to these before the box handles a press and after it handles a release.
    std::function<void(int)> onKeyDown, onKeyUp;
    void sync();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

  private:
    TEdit& model_;
    std::uint64_t seen_ = ~std::uint64_t{0};  // the model's change count last shown
};

class LabelBinding : public QLabel {
    Q_OBJECT
  public:
    LabelBinding(TLabel& model, QWidget* parent);
    void sync();

  private:
    TLabel& model_;
    std::uint64_t seen_ = ~std::uint64_t{0};  // the model's change count last shown
};

class CheckBoxBinding : public QCheckBox {
    Q_OBJECT
  public:
    CheckBoxBinding(TCheckBox& model, QWidget* parent, std::function<void()> afterInput);
    void sync();

  private:
    TCheckBox& model_;
    std::uint64_t seen_ = ~std::uint64_t{0};  // the model's change count last shown
};

}  // namespace corvanth::qt
