#include "qt/intro_window.hpp"

#include "app/artwork.hpp"
#include "qt/image_surface.hpp"
#include "qt/window_setup.hpp"

namespace corvanth::qt {

IntroWindow::IntroWindow(TfrmIntro& model)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), model_(model) {
    setObjectName("frmIntro");
    setWindowTitle("frmIntro");
    // Only the main window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(model.client.width, model.client.height);
    if (model.Image1.Picture.empty()) model.Image1.Picture = SplashPicture();
    surface_ = new ImageSurface(this);
    surface_->setGeometry(rect());
    surface_->add(model.Image1, false).onClick = [this] {
        model_.FormClick();
        sync();
    };
    CenterOnScreen(*this);
    ShareScreenColormap(*this);
}

void IntroWindow::sync() {
    surface_->sync();
    if (isVisible() != model_.Visible) setVisible(model_.Visible);
}

void IntroWindowSet::sync() {
    for (std::size_t i = windows_.size(); i < model_.all().size(); ++i)
        windows_.push_back(std::make_unique<IntroWindow>(*model_.all()[i]));
    for (const auto& w : windows_) w->sync();
}

}  // namespace corvanth::qt
