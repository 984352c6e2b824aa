#include "qt/window_setup.hpp"

#include <QGuiApplication>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>

#include "app/artwork.hpp"
#include "qt/bundled_font.hpp"
#include "qt/qt_colors.hpp"

namespace corvanth::qt {

namespace {

// Fusion, without the menu bar's overflow arrow: a window of fixed size never needs it, and loading its
// icon file probes every image plug-in installed, which costs start-up time and a third of a megabyte.
class EditorStyle : public QProxyStyle {
  public:
    EditorStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

QFont SansOfPixels(int pixels) {
    QFont font(kWindowFamily);
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

void SetUpApplication(QApplication& app) {
    app.setStyle(new EditorStyle);
    app.setApplicationName("Corvanth Logo Editor");
    // The layout was drawn for DejaVu Sans; where the system has none, the program brings its own.
    AddBundledFontWhenMissing();
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(ToQImage(ProgramIcon(size))));
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
    const QRect room = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(room.center());
    // A window larger than the screen (a scaled one) keeps its title bar and left edge on the screen.
    window.move(std::max(frame.left(), room.left()), std::max(frame.top(), room.top()));
}

}  // namespace corvanth::qt
