#pragma once
#include <QStringList>

namespace corvanth::qt {

// The family the window's layout and the text tool's default were drawn with.
inline constexpr char kWindowFamily[] = "DejaVu Sans";

// Adds the copy of DejaVu Sans built into the program to the application's fonts; the families it
// provides, none when it cannot be read.
QStringList AddBundledFont();
// The same, only when the system has no DejaVu Sans (Windows, macOS): a desktop that has it keeps its
// own, and start-up reads nothing more. True when the built-in copy was added.
bool AddBundledFontWhenMissing();

}  // namespace corvanth::qt
