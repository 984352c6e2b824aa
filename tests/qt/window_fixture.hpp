#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/tmain.hpp"
#include "qt/bitmap_view.hpp"
#include "qt/main_window.hpp"
#include "scripted_platform.hpp"

namespace corvanth::qt::testing {

// A shown main window on a scripted platform.
struct WindowTest : ::testing::Test {
    corvanth::testing::ScriptedPlatform platform;
    TMain form{platform};
    MainWindow window{form};
    void SetUp() override {
        window.show();
        QApplication::processEvents();
    }
    template <class W>
    W* widget(const char* name) const {
        return window.client()->findChild<W*>(name, Qt::FindDirectChildrenOnly);
    }
    QRgb viewPixel(const TImage& image, int x, int y) const {
        return window.view(image)->image().pixel(x, y);
    }
};

// Answers the next visible top-level window of type W once it opens (modal dialogs block the caller).
template <class W>
void WhenShown(std::function<void(W*)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<W*>(w); found && found->isVisible()) {
                timer->stop();
                timer->deleteLater();
                answer(found);
                return;
            }
        }
    });
    timer->start(10);
}

// Types the name into a file dialog's name box and confirms, as a user would.
inline void ChooseFile(QFileDialog* dialog, const QString& name) {
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
}

}  // namespace corvanth::qt::testing
