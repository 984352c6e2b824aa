#include "qt/window_setup.hpp"

#include <QScreen>
#include <QStyleFactory>

#include "app/artwork.hpp"
#include "qt/qt_colors.hpp"

namespace corvanth::qt {

namespace {

QFont SansOfPixels(int pixels) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

void SetUpApplication(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    app.setApplicationName("Corvanth Logo Editor");
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(ToQImage(ProgramIcon(size), kSeeThrough)));
    app.setWindowIcon(icon);
}

QFont WindowFont() {
    return SansOfPixels(11);
}

QFont EditFont() {
    return SansOfPixels(10);
}

void CenterOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace corvanth::qt
