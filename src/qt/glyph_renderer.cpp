#include "qt/glyph_renderer.hpp"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "qt/font_conversion.hpp"

namespace corvanth::qt {

GlyphRun QtGlyphRenderer::Render(const TFont& font, std::string_view text) const {
    QFont f = ToQFont(font);
    f.setStyleStrategy(QFont::NoAntialias);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(f);
    GlyphRun run{metrics.horizontalAdvance(s), metrics.height(), {}};
    if (run.width <= 0 || run.height <= 0) return {0, std::max(run.height, 0), {}};
    QImage image(run.width, run.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(f);
        painter.setPen(Qt::black);
        painter.drawText(0, metrics.ascent(), s);
    }
    run.ink.resize(static_cast<std::size_t>(run.width) * run.height);
    for (int y = 0; y < run.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < run.width; ++x)
            run.ink[static_cast<std::size_t>(y) * run.width + x] = qGray(line[x]) < 128;
    }
    return run;
}

}  // namespace corvanth::qt
