#pragma once
#include <QKeyEvent>

namespace corvanth::qt {

// The virtual key code the form's key handlers expect (13 for Enter, 'A' for the A key, ...).
int VirtualKeyCode(const QKeyEvent& e);

}  // namespace corvanth::qt
