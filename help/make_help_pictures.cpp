// Writes the help file's pictures from the editor's own tables: help_tool_<id>.png for each tool's icon
// and help_icon.png for the program icon, all scaled up by whole pixels.
#include <QImage>
#include <QString>
#include <cstdio>

#include "app/artwork.hpp"
#include "tools/tool_icons.hpp"

namespace {

QImage Scaled(const corvanth::Bitmap& b, int factor) {
    QImage image(b.width() * factor, b.height() * factor, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const corvanth::TColor c = b.at(x / factor, y / factor);
            image.setPixel(x, y, qRgb(corvanth::Red(c), corvanth::Green(c), corvanth::Blue(c)));
        }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace corvanth;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int tool = 0; tool < kToolCount; ++tool) {
        Bitmap icon(kToolCellWidth, kToolCellHeight);
        const ToolIcon& rows = kToolIcons[static_cast<std::size_t>(tool)];
        for (int y = 0; y < kToolCellHeight; ++y)
            for (int x = 0; x < kToolCellWidth; ++x) icon.at(x, y) = kIconColors[IconEntry(rows[y][x])];
        ok &= Scaled(icon, 2).save(folder + QString("/help_tool_%1.png").arg(tool));
    }
    const InkBitmap inks = ProgramIcon(32);
    Bitmap programIcon(inks.width(), inks.height());
    for (int y = 0; y < inks.height(); ++y)
        for (int x = 0; x < inks.width(); ++x)
            programIcon.at(x, y) = inks.at(x, y) == Ink::SeeThrough ? clWhite : ColourOf(inks.at(x, y));
    ok &= Scaled(programIcon, 2).save(folder + "/help_icon.png");
    return ok ? 0 : 1;
}
