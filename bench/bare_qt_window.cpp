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
    QLabel* label = nullptr;
    if (app.arguments().contains("--text")) label = new QLabel("Corvanth Logo Editor", &window);
    window.show();
    const int result = app.exec();
    delete label;
    return result;
}
