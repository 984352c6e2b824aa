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

}  // namespace corvanth::qt
