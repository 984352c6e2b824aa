#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tcolor.hpp"

namespace corvanth {

// The character set a font is asked for when none is named.
inline constexpr int kDefaultCharset = 1;

struct TFont {
    std::string name = "DejaVu Sans";
    int height = -11;  // negative: character height in pixels, as the form's fonts give it
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = kDefaultCharset;
    TColor color = clBlack;
    friend bool operator==(const TFont&, const TFont&) = default;
};

// One line of text as a coverage mask: 1 where a glyph pixel is set.
struct GlyphRun {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;  // width * height entries, row by row
};

// Draws text without smoothing; the front end provides the real one.
class GlyphRenderer {
  public:
    virtual ~GlyphRenderer() = default;
    virtual GlyphRun Render(const TFont& font, std::string_view text) const = 0;
};

}  // namespace corvanth
