#pragma once
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "platform/dialogs.hpp"
#include "qt/glyph_renderer.hpp"
#include "qt/help_window.hpp"
#include "qt/picture_reader.hpp"

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
    void HelpCommand(std::string_view helpFile, int command, int data) override;
    void ShowIntroWindow() override;
    void CloseMainWindow() override;
    const GlyphRenderer& Glyphs() const override { return glyphs_; }
    std::optional<RgbaPicture> ReadPicture(const std::string& path) override {
        return ReadPictureFile(QString::fromStdString(path));
    }
    void PutClipboardPicture(const RgbaPicture& picture) override;
    ClipboardContent GetClipboard() override;

    // Makes one more intro window; set by whoever owns them.
    std::function<void()> newIntroWindow;
    // Where the help file is looked for; the standard folders unless set.
    std::optional<QStringList> helpFolders;
    HelpWindow* helpWindow() const { return help_.get(); }

  private:
    std::optional<std::string> runFileDialog(QFileDialog& dialog, const FileDialogOptions& options);
    QFileDialog& fileDialog(bool save);
    QPointer<QWidget> parent_;
    QPointer<QFileDialog> openDialog_, saveDialog_;
    QPointer<QColorDialog> colorDialog_;
    QPointer<QFontDialog> fontDialog_;
    QString lastFolder_;  // where the previous file dialog was confirmed
    QtGlyphRenderer glyphs_;
    std::unique_ptr<HelpWindow> help_;
};

}  // namespace corvanth::qt
