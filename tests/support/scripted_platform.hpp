#pragma once
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fileio/file_name.hpp"
#include "platform/dialogs.hpp"

namespace corvanth::testing {

// Draws every character as a 3 by 5 block with a one-column gap, so text boxes have known sizes, and
// keeps the font it was last given.
class BlockGlyphs : public GlyphRenderer {
  public:
    mutable std::optional<TFont> lastFont;
    GlyphRun Render(const TFont& font, std::string_view text) const override {
        lastFont = font;
        GlyphRun run{static_cast<int>(text.size()) * 4, 5, {}};
        run.ink.assign(static_cast<std::size_t>(run.width) * run.height, 0);
        for (std::size_t i = 0; i < text.size(); ++i)
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 3; ++x) run.ink[static_cast<std::size_t>(y) * run.width + i * 4 + x] = 1;
        return run;
    }
};

// Answers dialogs from queues filled by the test, and records what was asked and shown.
class ScriptedPlatform : public Platform {
  public:
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::deque<std::optional<TColor>> colorAnswers;
    std::deque<std::optional<TFont>> fontAnswers;
    std::vector<FileDialogOptions> fileDialogsShown;
    std::vector<TColor> colorDialogStarts;
    struct Message {
        std::string text, caption;
    };
    std::vector<Message> messages;
    std::vector<std::string> helpFiles;
    int introWindowsShown = 0;
    int mainWindowCloses = 0;

    std::optional<std::string> RunOpenDialog(const FileDialogOptions& o) override {
        fileDialogsShown.push_back(o);
        return next(openAnswers);
    }
    // The save dialog's question before it gives back an existing file: the answers, Yes where none is
    // scripted, and the files asked about. No goes back to the dialog, which takes the next save answer.
    std::deque<bool> replaceAnswers;
    std::vector<std::string> replaceQuestions;
    std::optional<std::string> RunSaveDialog(const FileDialogOptions& o) override {
        fileDialogsShown.push_back(o);
        for (;;) {
            auto name = next(saveAnswers);
            if (!name || !o.confirmOverwrite) return name;
            const std::filesystem::path file = WithDefaultExtension(*name, o.defaultExt);
            if (!std::filesystem::exists(file) || std::filesystem::is_directory(file)) return name;
            replaceQuestions.push_back(file.string());
            const bool yes = replaceAnswers.empty() || replaceAnswers.front();
            if (!replaceAnswers.empty()) replaceAnswers.pop_front();
            if (yes) return name;
        }
    }
    std::optional<TColor> RunColorDialog(TColor start) override {
        colorDialogStarts.push_back(start);
        return next(colorAnswers);
    }
    std::optional<TFont> RunFontDialog(const TFont&) override { return next(fontAnswers); }
    void MessageBox(std::string_view text, std::string_view caption) override {
        messages.push_back({std::string(text), std::string(caption)});
    }
    void HelpCommand(std::string_view file, int command, int) override {
        if (command == HELP_CONTENTS) helpFiles.emplace_back(file);
    }
    void ShowIntroWindow() override { ++introWindowsShown; }
    void CloseMainWindow() override { ++mainWindowCloses; }
    const GlyphRenderer& Glyphs() const override { return glyphs; }
    // The pictures this host can decode, by path.
    std::map<std::string, RgbaPicture> pictures;
    std::optional<RgbaPicture> ReadPicture(const std::string& path) override {
        const auto found = pictures.find(path);
        return found == pictures.end() ? std::nullopt : std::optional(found->second);
    }

    // A clipboard of its own: what Copy put there, and what Paste finds.
    ClipboardContent clipboard;
    void PutClipboardPicture(const RgbaPicture& picture) override { clipboard = {picture, {}}; }
    ClipboardContent GetClipboard() override { return clipboard; }

    BlockGlyphs glyphs;

  private:
    template <class T>
    static std::optional<T> next(std::deque<std::optional<T>>& q) {
        if (q.empty()) return std::nullopt;  // an unscripted dialog is cancelled
        auto v = q.front();
        q.pop_front();
        return v;
    }
};

}  // namespace corvanth::testing
