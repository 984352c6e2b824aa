#include "qt/window_setup.hpp"

#include <QGuiApplication>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>
#include <cstdlib>
#ifdef CORVANTH_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include "app/artwork.hpp"
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
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

void SetUpApplication(QApplication& app) {
    app.setStyle(new EditorStyle);
    app.setApplicationName("Corvanth Logo Editor");
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

void ShareScreenColormap([[maybe_unused]] QWidget& window) {
#ifdef CORVANTH_HAVE_XCB
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr);
    if (!attributes) return;
    // The default colormap only fits a window of the screen's own visual.
    if (attributes->visual == screen->root_visual) {
        const std::uint32_t colormap = screen->default_colormap;
        xcb_change_window_attributes(c, id, XCB_CW_COLORMAP, &colormap);
        xcb_flush(c);
    }
    std::free(attributes);
#endif
}

}  // namespace corvanth::qt
