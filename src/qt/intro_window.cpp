#include "qt/intro_window.hpp"

#include <QKeyEvent>

#include "app/artwork.hpp"
#include "qt/image_surface.hpp"

namespace corvanth::qt {

IntroWindow::IntroWindow(TfrmIntro& model, QWidget& host) : QWidget(&host), model_(model) {
    setObjectName("frmIntro");
    setFixedSize(model.client.width, model.client.height);
    if (model.Image1.Picture.empty()) model.Image1.Picture = SplashPicture();
    surface_ = new ImageSurface(this);
    surface_->setGeometry(rect());
    surface_->add(model.Image1, false).onClick = [this] { onClose(); };
    move((host.width() - width()) / 2, (host.height() - height()) / 2);
    raise();
}

void IntroWindow::sync() {
    surface_->sync();
    if (isVisible() != model_.Visible) setVisible(model_.Visible);
}

void IntroWindow::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
                onClose();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(e);
}

void IntroWindowSet::sync() {
    const std::size_t known = windows_.size();
    for (std::size_t i = known; i < model_.all().size(); ++i) {
        windows_.push_back(std::make_unique<IntroWindow>(*model_.all()[i], host_));
        windows_.back()->onClose = [this, &model = *model_.all()[i]] {
            model.FormClick();
            sync();
        };
    }
    bool focusLost = false;
    for (const auto& w : windows_) {
        // Hiding the focused widget would hand the keyboard to the next box in the tab order.
        if (w->hasFocus() && !w->model().Visible) {
            host_.setFocus(Qt::OtherFocusReason);
            focusLost = true;
        }
        w->sync();
    }
    if (windows_.size() == known && !focusLost) return;
    // A new splash takes the keyboard; a closed one hands it to the newest one still shown.
    for (auto w = windows_.rbegin(); w != windows_.rend(); ++w) {
        if ((*w)->model().Visible) {
            (*w)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

}  // namespace corvanth::qt
