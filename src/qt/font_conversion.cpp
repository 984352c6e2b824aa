#include "qt/font_conversion.hpp"

#include <cmath>
#include <cstdlib>

namespace corvanth::qt {

QFont ToQFont(const TFont& font) {
    QFont f(QString::fromStdString(font.name));
    f.setPixelSize(std::max(1, std::abs(font.height)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

TFont FromQFont(const QFont& font, TColor color) {
    TFont f;
    f.name = font.family().toStdString();
    const int pixels = font.pixelSize() > 0 ? font.pixelSize()
                                            : static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    f.height = -pixels;
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeOut = font.strikeOut();
    f.color = color;
    return f;
}

}  // namespace corvanth::qt
