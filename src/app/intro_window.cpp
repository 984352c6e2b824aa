#include "app/intro_window.hpp"

namespace corvanth {

TfrmIntro::TfrmIntro() {
    Image1.Name = "Image1";
    Image1.bounds = {0, 0, 383, 233};
}

TfrmIntro& IntroWindows::Create() {
    return *windows_.emplace_back(std::make_unique<TfrmIntro>());
}

}  // namespace corvanth
