#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/intro_window.hpp"

namespace corvanth::qt {

class ImageSurface;

// The splash, bound to its model window. It lies over the middle of the main window as a part of it, so on
// every desktop it is above that window, goes and comes back with it, has no taskbar entry of its own, and
// stays below every dialog and message box the editor opens.
class IntroWindow : public QWidget {
    Q_OBJECT
  public:
    IntroWindow(TfrmIntro& model, QWidget& host);
    void sync();
    TfrmIntro& model() const { return model_; }
    // A click or a closing key; the set that owns the window handles it.
    std::function<void()> onClose;

  protected:
    // Escape, Enter and Space close it like a click.
    void keyPressEvent(QKeyEvent* e) override;

  private:
    TfrmIntro& model_;
    ImageSurface* surface_;
};

// A splash for every model intro window, made when the model window appears; the newest shown one has the
// keyboard, and the main window takes it back when the last one closes.
class IntroWindowSet {
  public:
    IntroWindowSet(IntroWindows& model, QWidget& host) : model_(model), host_(host) {}
    void sync();
    const std::vector<std::unique_ptr<IntroWindow>>& windows() const { return windows_; }

  private:
    IntroWindows& model_;
    QWidget& host_;
    std::vector<std::unique_ptr<IntroWindow>> windows_;
};

}  // namespace corvanth::qt
