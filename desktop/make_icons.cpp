// Build step: writes the program icon as PNG files for the desktop's icon theme.
#include <QImage>
#include <QString>
#include <cstdlib>
#include <iostream>

#include "app/artwork.hpp"
#include "qt/qt_colors.hpp"

// make_icons OUT_DIR SIZE...: writes OUT_DIR/SIZExSIZE/apps/corvanth-logo-editor.png for each size.
int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_icons OUT_DIR SIZE...\n";
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QImage icon = corvanth::qt::ToQImage(corvanth::ProgramIcon(size));
        const QString path = QString("%1/%2x%2/apps/corvanth-logo-editor.png").arg(argv[1]).arg(size);
        if (!icon.save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
