// Build step: writes the program icon as PNG files for the desktop's icon theme, and as one Windows
// icon file holding several sizes.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "app/artwork.hpp"
#include "qt/qt_colors.hpp"

namespace {

QImage Icon(int size) {
    return corvanth::qt::ToQImage(corvanth::ProgramIcon(size)).convertToFormat(QImage::Format_ARGB32);
}

void Put16(QByteArray& out, std::uint16_t v) {
    out.append(char(v & 0xFF)).append(char(v >> 8));
}
void Put32(QByteArray& out, std::uint32_t v) {
    Put16(out, std::uint16_t(v & 0xFFFF));
    Put16(out, std::uint16_t(v >> 16));
}

// A 32-bit bitmap as an icon entry stores it: a header of twice the height (colours, then mask), the
// rows bottom up in BGRA, then the 1-bit mask, set where the pixel is fully see-through, for programs that
// ignore the alpha byte.
QByteArray BitmapEntry(const QImage& icon) {
    const int w = icon.width(), h = icon.height();
    const int maskStride = (w + 31) / 32 * 4;
    QByteArray out;
    Put32(out, 40);
    Put32(out, std::uint32_t(w));
    Put32(out, std::uint32_t(2 * h));
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, 0);   // uncompressed
    Put32(out, std::uint32_t(w * h * 4 + maskStride * h));
    for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution and palette: unused
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) Put32(out, icon.pixel(x, y));  // 0xAARRGGBB: B, G, R, A in the file
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(icon.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | 0x80 >> x % 8);
        out.append(row);
    }
    return out;
}

// Windows takes PNG data for the large sizes; it is a fraction of the bitmap's size.
QByteArray PngEntry(const QImage& icon) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
    return out;
}

// An .ico file: a directory of the entries, then their data.
QByteArray IcoFile(const std::vector<int>& sizes) {
    std::vector<QByteArray> entries;
    for (int size : sizes) entries.push_back(size >= 256 ? PngEntry(Icon(size)) : BitmapEntry(Icon(size)));
    QByteArray out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // an icon, not a cursor
    Put16(out, std::uint16_t(sizes.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const char side = char(sizes[i] >= 256 ? 0 : sizes[i]);   // 0 stands for 256
        out.append(side).append(side).append('\0').append('\0');  // no palette, reserved
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, std::uint32_t(entries[i].size()));
        Put32(out, offset);
        offset += std::uint32_t(entries[i].size());
    }
    for (const QByteArray& entry : entries) out.append(entry);
    return out;
}

bool Fail(const QString& path) {
    std::cerr << "cannot write " << path.toStdString() << "\n";
    return false;
}

bool WritePngs(const QString& dir, const std::vector<int>& sizes) {
    for (int size : sizes) {
        const QString path = QString("%1/%2x%2/apps/corvanth-logo-editor.png").arg(dir).arg(size);
        if (!Icon(size).save(path, "PNG")) return Fail(path);
    }
    return true;
}

bool WriteIco(const QString& path, const std::vector<int>& sizes) {
    QFile file(path);
    const QByteArray data = IcoFile(sizes);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) return Fail(path);
    return true;
}

}  // namespace

// make_icons OUT_DIR SIZE...: writes OUT_DIR/SIZExSIZE/apps/corvanth-logo-editor.png for each size.
// make_icons --ico FILE SIZE...: writes the sizes, 1 to 256, into one Windows icon file.
int main(int argc, char** argv) {
    const bool ico = argc > 1 && QString(argv[1]) == "--ico";
    const int first = ico ? 3 : 2;
    std::vector<int> sizes;
    for (int i = first; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    bool sane = !sizes.empty();
    for (int size : sizes) sane = sane && size >= 1 && size <= 256;
    if (!sane) {
        std::cerr << "usage: make_icons OUT_DIR SIZE...\n       make_icons --ico FILE SIZE...\n";
        return 2;
    }
    const QString out = argv[first - 1];
    return (ico ? WriteIco(out, sizes) : WritePngs(out, sizes)) ? 0 : 1;
}
