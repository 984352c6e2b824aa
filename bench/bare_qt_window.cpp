// The floor for start-up and memory: an empty Qt window of the editor's size, nothing else. With
// --text it shows one line of text, which is the least any window with text pays for Qt's fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare Qt window");
    window.resize(700, 375);
    if (app.arguments().contains("--text"))
        new QLabel("Corvanth Logo Editor", &window);  // the window owns it
    window.show();
    return app.exec();
}
