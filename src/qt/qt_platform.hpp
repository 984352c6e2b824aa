#pragma once
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/dialogs.hpp"
#include "qt/glyph_renderer.hpp"

namespace corvanth::qt {

// The editor's dialogs, message boxes and glyphs as real Qt windows, modal over the main window. Each dialog
// is made once, on first use, and then shown again for every command, as long as the window lives.
class QtPlatform : public Platform {
  public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;
    void setParentWindow(QWidget* window) { parent_ = window; }

    std::optional<std::string> RunOpenDialog(const FileDialogOptions& options) override;
    std::optional<std::string> RunSaveDialog(const FileDialogOptions& options) override;
    std::optional<TColor> RunColorDialog(TColor start) override;
    std::optional<TFont> RunFontDialog(const TFont& start) override;
    void MessageBox(std::string_view text, std::string_view caption) override;
    // There is no help viewer yet.
    void HelpCommand(std::string_view, int, int) override {}
    const GlyphRenderer& Glyphs() const override { return glyphs_; }

  private:
    std::optional<std::string> runFileDialog(QFileDialog& dialog, const FileDialogOptions& options);
    QFileDialog& fileDialog(bool save);
    QPointer<QWidget> parent_;
    QPointer<QFileDialog> openDialog_, saveDialog_;
    QPointer<QColorDialog> colorDialog_;
    QPointer<QFontDialog> fontDialog_;
    QString lastFolder_;  // where the previous file dialog was confirmed
    QtGlyphRenderer glyphs_;
};

}  // namespace corvanth::qt
