#include "qt/bundled_font.hpp"

#include <QFontDatabase>

// The resource lives in a static library: the linker leaves it out unless it is asked for by name, which
// cannot be done inside a namespace. Asking twice registers it once.
static void InitFontResource() {
    Q_INIT_RESOURCE(bundled_font);
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
