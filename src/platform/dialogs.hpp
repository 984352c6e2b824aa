#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/font.hpp"
#include "platform/rgba_picture.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

inline constexpr int HELP_CONTENTS = 3;

struct FileDialogOptions {
    std::string filter;      // "description|mask"
    std::string initialDir;  // where the dialog first opens
    std::string defaultExt;  // appended to a name typed without an extension; empty for none
    // The save dialog asks before it gives back the name of an existing file; No returns to the dialog.
    bool confirmOverwrite = false;
    std::string fileName;  // offered in the name box, and its folder opened; empty for none
};

// What the clipboard holds that the editor can take: a picture, else the local files a file manager copied.
struct ClipboardContent {
    std::optional<RgbaPicture> picture;
    std::vector<std::string> files;
};

// What the editor asks of its host: modal dialogs, message boxes, the help viewer and the clipboard. The
// front end implements it with real windows; tests answer from a script.
class Platform {
  public:
    virtual ~Platform() = default;
    // Each returns the chosen value, or nothing when the user cancels.
    virtual std::optional<std::string> RunOpenDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> RunSaveDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<TColor> RunColorDialog(TColor start) = 0;
    virtual std::optional<TFont> RunFontDialog(const TFont& start) = 0;
    // Modal box with an OK button and no icon.
    virtual void MessageBox(std::string_view text, std::string_view caption) = 0;
    // Opens the help file; command HELP_CONTENTS shows its contents.
    virtual void HelpCommand(std::string_view helpFile, int command, int data) = 0;
    // One more intro window (Help > About).
    virtual void ShowIntroWindow() = 0;
    // Closes the main window, which ends the program (File > Exit).
    virtual void CloseMainWindow() = 0;
    virtual const GlyphRenderer& Glyphs() const = 0;
    // Decodes a picture file of any format the host has a reader for; nothing when it cannot.
    virtual std::optional<RgbaPicture> ReadPicture(const std::string& path) {
        (void)path;
        return std::nullopt;
    }
    // Puts the picture on the clipboard for other programs; a host without one drops it.
    virtual void PutClipboardPicture(const RgbaPicture& picture) { (void)picture; }
    virtual ClipboardContent GetClipboard() { return {}; }
};

// Dialog components: they keep their settings and last answer between runs.
class TOpenDialog {
  public:
    TOpenDialog(Platform& platform, FileDialogOptions options)
        : platform_(platform), options_(std::move(options)) {}
    bool Execute() {
        auto name = platform_.RunOpenDialog(options_);
        if (name) FileName = *name;
        return name.has_value();
    }
    const FileDialogOptions& options() const { return options_; }
    std::string FileName;

  protected:
    Platform& platform_;
    FileDialogOptions options_;
};

class TSaveDialog : public TOpenDialog {
  public:
    using TOpenDialog::TOpenDialog;
    // Offers `offered` (none when empty) for this run only.
    bool Execute(const std::string& offered = {}) {
        FileDialogOptions options = options_;
        options.fileName = offered;
        auto name = platform_.RunSaveDialog(options);
        if (name) FileName = *name;
        return name.has_value();
    }
};

class TColorDialog {
  public:
    explicit TColorDialog(Platform& platform) : platform_(platform) {}
    bool Execute() {
        auto c = platform_.RunColorDialog(Color);
        if (c) Color = *c;
        return c.has_value();
    }
    TColor Color = clBlack;

  private:
    Platform& platform_;
};

class TFontDialog {
  public:
    TFontDialog(Platform& platform, TFont font) : Font(std::move(font)), platform_(platform) {}
    bool Execute() {
        auto f = platform_.RunFontDialog(Font);
        if (f) Font = *f;
        return f.has_value();
    }
    TFont Font;

  private:
    Platform& platform_;
};

}  // namespace corvanth
