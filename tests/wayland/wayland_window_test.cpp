// The main window on a Wayland compositor: it comes up with its caption and the splash over it, paints a
// stroke through the form's handlers, and closing it ends the event loop with exit code 0.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/intro_window.hpp"
#include "app/tmain.hpp"
#include "qt/image_surface.hpp"
#include "qt/intro_window.hpp"
#include "qt/main_window.hpp"
#include "qt/qt_platform.hpp"
#include "qt/window_setup.hpp"

namespace corvanth::qt {
namespace {

TEST(Wayland, TheWindowComesUpPaintsAndCloses) {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    QtPlatform platform;
    TMain form(platform);
    MainWindow window(form);
    platform.setParentWindow(&window);
    IntroWindows intros;
    intros.Create();
    IntroWindowSet introWindows(intros, window);
    introWindows.sync();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowHandle()->title(), "Corvanth Logo Editor");
    const QWidget& splash = *introWindows.windows().front();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_LE((splash.geometry().center() - window.rect().center()).manhattanLength(), 1);

    window.run([&form] {  // a pencil stroke along view row 40
        form.imgMainMouseDown(TMouseButton::mbLeft, 40, 40);
        for (int x = 44; x <= 120; x += 4) form.imgMainMouseMove(x, 40);
        form.imgMainMouseUp(TMouseButton::mbLeft, 120, 40);
    });
    const QRect view = window.view(form.imgMain)->geometry();
    const QImage shown = window.surface()->grab(view).toImage();
    EXPECT_EQ(shown.pixel(80, 40), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(80, 60), qRgb(255, 255, 255));

    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer watchdog;  // a loop that does not end fails the test instead of hanging it
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace corvanth::qt

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    corvanth::qt::SetUpApplication(app);
    return RUN_ALL_TESTS();
}
