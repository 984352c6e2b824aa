#pragma once
#include <QApplication>
#include <QFont>
#include <QWidget>

namespace corvanth::qt {

// The same widget style everywhere, so the window looks alike on every desktop and in tests.
void SetUpApplication(QApplication& app);
// The form's font: 11-pixel DejaVu Sans, hinted for crisp small text.
QFont WindowFont();
// Edit boxes are 16 pixels tall and need a smaller face to show three digits.
QFont EditFont();
void CenterOnScreen(QWidget& window);
// On X, gives a top-level window the screen's default colormap instead of the private one Qt makes for it.
// Screen captures that read windows by colormap (xwd, and what some remote desktops do) otherwise show
// overlapping windows of the editor, such as the intro window over the main window, as black.
void ShareScreenColormap(QWidget& window);

}  // namespace corvanth::qt
