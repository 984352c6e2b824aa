#include <QApplication>
#include <QTimer>
#include <string>

#include "app/intro_window.hpp"
#include "app/tmain.hpp"
#include "qt/intro_window.hpp"
#include "qt/main_window.hpp"
#include "qt/qt_platform.hpp"
#include "qt/window_setup.hpp"

int main(int argc, char** argv) {
    using namespace corvanth;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("corvanth-logo-editor");
    qt::SetUpApplication(app);
    qt::QtPlatform platform;
    TMain form(platform);
    qt::MainWindow window(form);
    platform.setParentWindow(&window);
    IntroWindows intros;
    intros.Create();
    qt::IntroWindowSet introWindows(intros, window);
    introWindows.sync();
    platform.newIntroWindow = [&intros] { intros.Create(); };
    window.afterHandler = [&introWindows] { introWindows.sync(); };
    window.show();
    // A file named on the command line opens once the window is up, as a dropped file would.
    if (app.arguments().size() > 1) {
        const std::string file = app.arguments()[1].toStdString();
        QTimer::singleShot(0, &window, [&window, file] { window.openNamedFile(file); });
    }
    app.exec();
    return 0;
}
