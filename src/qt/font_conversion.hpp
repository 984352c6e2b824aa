#pragma once
#include <QFont>

#include "platform/font.hpp"

namespace corvanth::qt {

// Negative heights are character heights in pixels; positive ones are cell heights, taken as pixels too.
QFont ToQFont(const TFont& font);
TFont FromQFont(const QFont& font, TColor color);

}  // namespace corvanth::qt
