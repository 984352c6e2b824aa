#include "qt/bundled_font.hpp"

#include <QFontDatabase>

// The resource lives in a static library: nothing would pull it in unless asked for by name, which
// cannot be done inside a namespace.
static void InitFontResource() {
    static bool done = false;
    if (done) return;
    Q_INIT_RESOURCE(bundled_font);
    done = true;
}

namespace corvanth::qt {

QStringList AddBundledFont() {
    InitFontResource();
    const int id = QFontDatabase::addApplicationFont(":/fonts/DejaVuSans.ttf");
    return id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
}

bool AddBundledFontWhenMissing() {
    if (QFontDatabase::hasFamily(kWindowFamily)) return false;
    return AddBundledFont().contains(kWindowFamily);
}

}  // namespace corvanth::qt
