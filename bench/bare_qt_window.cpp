// The floor for start-up and memory: an empty Qt window of the editor's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare Qt window");
    window.resize(700, 375);
    window.show();
    return app.exec();
}
