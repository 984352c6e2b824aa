#pragma once
#include <QWidget>
#include <memory>
#include <vector>

#include "app/intro_window.hpp"

namespace corvanth::qt {

class ImageSurface;

// One borderless splash window on top of the others, bound to its model window.
class IntroWindow : public QWidget {
    Q_OBJECT
  public:
    explicit IntroWindow(TfrmIntro& model);
    void sync();
    TfrmIntro& model() const { return model_; }

  private:
    TfrmIntro& model_;
    ImageSurface* surface_;
};

// A Qt window for every model intro window, made when the model window appears.
class IntroWindowSet {
  public:
    explicit IntroWindowSet(IntroWindows& model) : model_(model) {}
    void sync();
    const std::vector<std::unique_ptr<IntroWindow>>& windows() const { return windows_; }

  private:
    IntroWindows& model_;
    std::vector<std::unique_ptr<IntroWindow>> windows_;
};

}  // namespace corvanth::qt
