#pragma once
#include <string_view>

#include "platform/bitmap.hpp"
#include "platform/font.hpp"
#include "platform/geometry.hpp"

namespace corvanth {

enum class TBrushStyle { bsSolid, bsClear, bsDiagCross };
enum class TFillStyle { fsSurface };

struct TPen {
    TColor color = clBlack;
};
struct TBrush {
    TColor color = clWhite;
    TBrushStyle style = TBrushStyle::bsSolid;
};

// Pen, brush, font and current point: they stay with the image between calls.
struct CanvasState {
    TPen pen;
    TBrush brush;
    TFont font;
    TPoint penPos;
};

// Drawing operations on a bitmap, with the image's persistent canvas state.
class TCanvas {
  public:
    TCanvas(Bitmap& bitmap, CanvasState& state) : bitmap_(bitmap), state_(state) {}

    TPen& Pen() { return state_.pen; }
    TBrush& Brush() { return state_.brush; }
    TFont& Font() { return state_.font; }
    Bitmap& bitmap() { return bitmap_; }

    void SetPixel(int x, int y, TColor c) { bitmap_.SetPixel(x, y, c); }
    TColor GetPixel(int x, int y) const { return bitmap_.GetPixel(x, y); }

    // Right and bottom exclusive; a hatch brush leaves the pixels in its gaps.
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);

    void MoveTo(int x, int y) { state_.penPos = {x, y}; }
    // From the current point up to, not including, (x, y); (x, y) becomes the current point.
    void LineTo(int x, int y);

    // Inscribed in the box, right and bottom exclusive: outline in the pen colour, inside in the
    // brush unless it is bsClear.
    void Ellipse(int x1, int y1, int x2, int y2);

    // Every pixel of exactly colour c joined to (x, y) through edge neighbours takes the brush colour.
    void FloodFill(int x, int y, TColor c, TFillStyle style);

    void Draw(int x, int y, const Bitmap& source);
    void StretchDraw(const TRect& dest, const Bitmap& source);
    // Source pixels outside the source bitmap carry nothing.
    void CopyRect(const TRect& dest, const Bitmap& source, const TRect& src);

    // One line, top-left at (x, y), glyphs in the font colour over a box in the brush colour.
    void TextOut(int x, int y, std::string_view text, const GlyphRenderer& glyphs);

  private:
    bool brushCovers(int x, int y) const;
    Bitmap& bitmap_;
    CanvasState& state_;
};

}  // namespace corvanth
