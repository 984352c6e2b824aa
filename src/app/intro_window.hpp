#pragma once
#include <memory>
#include <vector>

#include "app/artwork_inks.hpp"
#include "platform/controls.hpp"

namespace corvanth {

// The borderless splash window that stays on top until it is clicked.
class TfrmIntro {
  public:
    TfrmIntro();
    TArtwork Image1;
    Bounds client{0, 0, 381, 232};
    bool Visible = true;
    // A click closes the window that was clicked; closing only hides it.
    void FormClick() { Visible = false; }
};

// Every intro window ever opened; they stay in memory until the program ends.
class IntroWindows {
  public:
    TfrmIntro& Create();
    TfrmIntro* frmIntro() const { return windows_.empty() ? nullptr : windows_.back().get(); }
    const std::vector<std::unique_ptr<TfrmIntro>>& all() const { return windows_; }

  private:
    std::vector<std::unique_ptr<TfrmIntro>> windows_;
};

}  // namespace corvanth
