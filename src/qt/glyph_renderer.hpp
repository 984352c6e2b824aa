#pragma once
#include "platform/font.hpp"

namespace corvanth::qt {

// Glyphs drawn by Qt with smoothing off and cut to a 0/1 mask.
class QtGlyphRenderer : public GlyphRenderer {
  public:
    GlyphRun Render(const TFont& font, std::string_view text) const override;
};

}  // namespace corvanth::qt
