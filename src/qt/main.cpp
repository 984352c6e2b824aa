#include <QApplication>
#include <QTimer>
#include <string>

#include "app/intro_window.hpp"
#include "app/tmain.hpp"
#include "qt/font_config_load.hpp"
#include "qt/intro_window.hpp"
#include "qt/main_window.hpp"
#include "qt/qt_platform.hpp"
#include "qt/window_setup.hpp"

int main(int argc, char** argv) {
    using namespace corvanth;
    // Our repaints are a few small cells per event. Through shared memory, Qt waits for the X server
    // whenever a repaint touches what it handed over last time, which the pointer readout does on every
    // move; plain image requests never wait.
    qputenv("QT_XCB_NO_MITSHM", "1");
    // Qt's own event loop rather than glib's, which costs about five thousand instructions more for every
    // mouse move. Nothing here needs glib's: the file, colour and font dialogs are Qt's own.
    qputenv("QT_NO_GLIB", "1");
    // The font configuration is read on a second thread while the display is reached and the splash goes up.
    qt::FontConfigLoad fonts;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("corvanth-logo-editor");
    qt::SetUpApplication(app);
    qt::QtPlatform platform;
    TMain form(platform);
    // The splash goes up before the main window is built: it is what the user sees while waiting.
    IntroWindows intros;
    intros.Create();
    qt::IntroWindowSet introWindows(intros);
    introWindows.sync();

    fonts.wait();
    qt::MainWindow window(form);
    platform.setParentWindow(&window);
    platform.newIntroWindow = [&intros] { intros.Create(); };
    window.afterHandler = [&introWindows] { introWindows.sync(); };
    window.show();
    // Without a window manager nothing keeps the splash on top of a window mapped after it.
    for (const auto& intro : introWindows.windows()) intro->raise();
    // A file named on the command line opens once the window is up, as a dropped file would.
    if (app.arguments().size() > 1) {
        const std::string file = app.arguments()[1].toStdString();
        QTimer::singleShot(0, &window, [&window, file] { window.openNamedFile(file); });
    }
    app.exec();
    return 0;
}
