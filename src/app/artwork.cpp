#include "app/artwork.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "app/tmain.hpp"
#include "platform/geometry.hpp"

namespace corvanth {

namespace {

// A 5 by 7 capital font, one byte per row from the top, bit 4 the leftmost column.
struct Glyph {
    char c;
    std::array<std::uint8_t, 7> rows;
};
constexpr Glyph kFont[] = {
    {'A', {0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'B', {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110}},
    {'C', {0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110}},
    {'D', {0b11110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b11110}},
    {'E', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b11111}},
    {'F', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'G', {0b01110, 0b10001, 0b10000, 0b10111, 0b10001, 0b10001, 0b01111}},
    {'H', {0b10001, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'I', {0b01110, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'J', {0b00111, 0b00010, 0b00010, 0b00010, 0b00010, 0b10010, 0b01100}},
    {'K', {0b10001, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010, 0b10001}},
    {'L', {0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b11111}},
    {'M', {0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001}},
    {'N', {0b10001, 0b10001, 0b11001, 0b10101, 0b10011, 0b10001, 0b10001}},
    {'O', {0b01110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'P', {0b11110, 0b10001, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'Q', {0b01110, 0b10001, 0b10001, 0b10001, 0b10101, 0b10010, 0b01101}},
    {'R', {0b11110, 0b10001, 0b10001, 0b11110, 0b10100, 0b10010, 0b10001}},
    {'S', {0b01111, 0b10000, 0b10000, 0b01110, 0b00001, 0b00001, 0b11110}},
    {'T', {0b11111, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100}},
    {'U', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'V', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01010, 0b00100}},
    {'W', {0b10001, 0b10001, 0b10001, 0b10101, 0b10101, 0b10101, 0b01010}},
    {'X', {0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001}},
    {'Y', {0b10001, 0b10001, 0b10001, 0b01010, 0b00100, 0b00100, 0b00100}},
    {'Z', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b11111}},
    {'0', {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110}},
    {'1', {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'2', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111}},
    {'3', {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110}},
    {'4', {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010}},
    {'5', {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110}},
    {'6', {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110}},
    {'7', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000}},
    {'8', {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110}},
    {'9', {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100}},
    {'.', {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b01100, 0b01100}},
    {'-', {0b00000, 0b00000, 0b00000, 0b11111, 0b00000, 0b00000, 0b00000}},
    {',', {0b00000, 0b00000, 0b00000, 0b00000, 0b01100, 0b00100, 0b01000}},
    {'#', {0b01010, 0b01010, 0b11111, 0b01010, 0b11111, 0b01010, 0b01010}},
    {'/', {0b00001, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b10000}},
};
constexpr int kGlyphWidth = 5, kGlyphHeight = 7, kAdvance = 6;

// Each character's glyph, or none for a space or a character the font lacks.
constexpr std::array<const Glyph*, 128> kGlyphOf = [] {
    std::array<const Glyph*, 128> of{};
    for (const Glyph& g : kFont) of[static_cast<unsigned char>(g.c)] = &g;
    return of;
}();
constexpr const Glyph* FindGlyph(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < kGlyphOf.size() ? kGlyphOf[u] : nullptr;
}
static_assert(FindGlyph('A')->rows[3] == 0b11111);
static_assert(FindGlyph('T')->rows[0] == 0b11111 && FindGlyph('T')->rows[6] == 0b00100);
static_assert(FindGlyph(' ') == nullptr);

constexpr int TextWidth(std::string_view s, int scale) {
    return s.empty() ? 0 : (static_cast<int>(s.size()) * kAdvance - 1) * scale;
}

// The part of r inside the picture.
TRect Inside(const InkBitmap& b, const TRect& r) {
    return Intersect(r, {0, 0, b.width(), b.height()});
}

void FillBox(InkBitmap& b, TRect r, Ink c) {
    r = Inside(b, r);
    if (r.empty()) return;
    const std::span<Ink> pixels = b.pixels(r);
    for (int y = r.top; y < r.bottom; ++y)
        std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * b.width() + r.left, r.width(), c);
}

void HLine(InkBitmap& b, int x1, int x2, int y, Ink c) {
    FillBox(b, {x1, y, x2, y + 1}, c);
}
void VLine(InkBitmap& b, int x, int y1, int y2, Ink c) {
    FillBox(b, {x, y1, x + 1, y2}, c);
}

// A one-pixel ring: light on top and left, shaded on the bottom and right (swapped for a well).
void Bevel(InkBitmap& b, TRect r, Ink topLeft, Ink bottomRight) {
    HLine(b, r.left, r.right - 1, r.top, topLeft);
    VLine(b, r.left, r.top, r.bottom - 1, topLeft);
    HLine(b, r.left + 1, r.right, r.bottom - 1, bottomRight);
    VLine(b, r.right - 1, r.top + 1, r.bottom, bottomRight);
}

// A raised panel with a black rim and clipped corners.
void Panel(InkBitmap& b, TRect r) {
    FillBox(b, r, Ink::Face);
    Bevel(b, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Ink::Light, Ink::Shade);
    Bevel(b, r, Ink::Black, Ink::Black);
    for (auto [x, y] : {TPoint{r.left, r.top}, TPoint{r.right - 1, r.top}, TPoint{r.left, r.bottom - 1},
                        TPoint{r.right - 1, r.bottom - 1}})
        b.SetPixel(x, y, Ink::SeeThrough);
}

// A sunken black well around a control; r is the ring itself.
void Well(InkBitmap& b, TRect r) {
    FillBox(b, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Ink::Black);
    Bevel(b, r, Ink::Shade, Ink::Light);
}

// The text counts as changed once, not pixel by pixel.
void PutText(InkBitmap& b, int x, int y, std::string_view s, Ink c, int scale = 1) {
    const TRect area = Inside(b, {x, y, x + TextWidth(s, scale), y + kGlyphHeight * scale});
    if (area.empty()) return;
    const std::span<Ink> pixels = b.pixels(area);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Glyph* g = FindGlyph(s[i]);
        const int gx = x + static_cast<int>(i) * kAdvance * scale;
        for (int row = 0; g && row < kGlyphHeight * scale; ++row) {
            if (y + row < area.top || y + row >= area.bottom) continue;
            const auto line = pixels.begin() + static_cast<std::ptrdiff_t>(y + row) * b.width();
            const unsigned lit = g->rows[row / scale];
            for (int col = 0; col < kGlyphWidth; ++col) {
                if (((lit >> (kGlyphWidth - 1 - col)) & 1U) == 0) continue;
                const int from = std::max(gx + col * scale, area.left),
                          to = std::min(gx + (col + 1) * scale, area.right);
                if (scale == 1 && from < to)
                    line[from] = c;  // one store, where a fill is a library call
                else
                    for (int px = from; px < to; ++px) line[px] = c;
            }
        }
    }
}

// One character's cell, ink on paper, in one pass: the readout redraws a few of them on every move.
void PutCell(InkBitmap& b, int x, int y, char c, Ink ink, Ink paper) {
    const TRect area = Inside(b, {x, y, x + kGlyphWidth, y + kGlyphHeight});
    if (area.empty()) return;
    const std::span<Ink> pixels = b.pixels(area);
    const Glyph* g = FindGlyph(c);
    for (int row = area.top; row < area.bottom; ++row) {
        const unsigned lit = g ? g->rows[row - y] : 0U;
        const auto line = pixels.begin() + static_cast<std::ptrdiff_t>(row) * b.width();
        for (int px = area.left; px < area.right; ++px)
            line[px] = ((lit >> (kGlyphWidth - 1 - (px - x))) & 1U) != 0 ? ink : paper;
    }
}

// A caption followed by a rule to the given right edge, as a group's title.
void Title(InkBitmap& b, int x, int y, int right, std::string_view s, Ink colour = Ink::Caption) {
    PutText(b, x, y, s, colour);
    HLine(b, x + TextWidth(s, 1) + 4, right, y + 3, Ink::Rule);
}

void CenteredText(InkBitmap& b, int centre, int y, std::string_view s, Ink c, int scale = 1) {
    PutText(b, centre - TextWidth(s, scale) / 2, y, s, c, scale);
}

// The left panel: palette, tool options and colour controls, with the program's name between them.
InkBitmap LeftPanel(int w, int h) {
    InkBitmap b(w, h, Ink::SeeThrough);
    Panel(b, {6, 6, 236, 347});
    Title(b, 30, 15, 176, "TOOLS");
    Well(b, {28, 28, 176, 76});
    CenteredText(b, 118, 104, "CORVANTH", Ink::Accent, 2);
    HLine(b, 72, 165, 123, Ink::AccentDark);
    CenteredText(b, 118, 129, "LOGO EDITOR", Ink::Dim);
    Title(b, 51, 160, 159, "PAINT");
    Well(b, {49, 172, 159, 293});
    HLine(b, 54, 155, 196, Ink::Rule);
    HLine(b, 54, 155, 236, Ink::Rule);
    return b;
}

// The right panel: the two planes and the composite at their true size. The plane being edited has its
// title, well and an arrow in the accent colour.
InkBitmap RightPanel(int w, int h, bool alphaActive) {
    InkBitmap b(w, h, Ink::SeeThrough);
    Panel(b, {10, 6, 155, 347});
    const auto plane = [&b](int top, std::string_view title, bool active) {
        Title(b, 31, top, 135, title, active ? Ink::Accent : Ink::Caption);
        const TRect well{31, top + 12, 99, top + 80};
        Well(b, well);
        if (!active) return;
        Bevel(b, well, Ink::Accent, Ink::Accent);
        for (int i = 0; i < 4; ++i) VLine(b, 22 + i, top + 42 + i, top + 50 - i, Ink::Accent);
    };
    plane(15, "RGB", !alphaActive);
    plane(132, "ALPHA", alphaActive);
    Title(b, 31, 222, 135, "PREVIEW");
    Well(b, {31, 234, 99, 302});
    PutText(b, 31, 314, "64 X 64", Ink::Caption);
    PutText(b, 31, 326, "32-BIT TGA", Ink::Dim);
    return b;
}

// The frame around the view, drawn whole; the four strips are cut from it.
constexpr int kFrameLeft = 248, kFrameTop = 14;
InkBitmap ViewFrame(const TImage& view) {
    const int vx = view.bounds.left - kFrameLeft, vy = view.bounds.top - kFrameTop;
    const int vw = view.bounds.width, vh = view.bounds.height;
    InkBitmap b(vx * 2 + vw, vy * 2 + vh, Ink::SeeThrough);
    Panel(b, {0, 0, b.width(), b.height()});
    Well(b, {vx - 1, vy - 1, vx + vw + 1, vy + vh + 1});
    // Rulers in plane pixels: a long tick every 16, a short one every 4.
    for (int p = 0; p <= vw / 4; p += 4) {
        const int len = p % 16 == 0 ? 5 : 2;
        const int x = vx + p * 4 - (p == vw / 4 ? 1 : 0);
        VLine(b, x, vy - 2 - len, vy - 2, p % 16 == 0 ? Ink::Caption : Ink::Dim);
        VLine(b, x, vy + vh + 2, vy + vh + 2 + len, p % 16 == 0 ? Ink::Caption : Ink::Dim);
        if (p % 16 == 0) {
            const std::string_view labels[] = {"0", "16", "32", "48", "64"};
            CenteredText(b, x + 1, vy - 19, labels[p / 16], Ink::Caption);
        }
    }
    for (int p = 0; p <= vh / 4; p += 4) {
        const int len = p % 16 == 0 ? 5 : 2;
        const int y = vy + p * 4 - (p == vh / 4 ? 1 : 0);
        HLine(b, vx - 2 - len, vx - 2, y, p % 16 == 0 ? Ink::Caption : Ink::Dim);
        HLine(b, vx + vw + 2, vx + vw + 2 + len, y, p % 16 == 0 ? Ink::Caption : Ink::Dim);
    }
    return b;
}

InkBitmap Cut(const InkBitmap& from, const Bounds& place) {
    InkBitmap b(place.width, place.height, Ink::SeeThrough);
    const int ox = place.left - kFrameLeft, oy = place.top - kFrameTop;
    const int left = std::max(0, -ox), right = std::min(place.width, from.width() - ox);
    for (int y = std::max(0, -oy); left < right && y < std::min(place.height, from.height() - oy); ++y) {
        const auto start = static_cast<std::size_t>(oy + y) * from.width() + ox + left;
        std::ranges::copy(from.pixels().subspan(start, right - left), b.row(y, left, right).begin());
    }
    return b;
}

}  // namespace

void PaintDecorations(TMain& form) {
    form.Image1.Picture = LeftPanel(form.Image1.bounds.width, form.Image1.bounds.height);
    MarkActivePlane(form);
    const InkBitmap frame = ViewFrame(form.imgMain);
    for (TArtwork* strip : {&form.Image3, &form.Image4, &form.Image5, &form.Image6})
        strip->Picture = Cut(frame, strip->bounds);
}

void MarkActivePlane(TMain& form) {
    form.Image2.Picture =
        RightPanel(form.Image2.bounds.width, form.Image2.bounds.height, form.state.AlphaMode != 0);
}

void PaintReadout(TMain& form, std::string_view shown, std::string_view text) {
    InkBitmap& strip = form.Image4.Picture;
    // The band between the ruler's ticks and the panel's lower edge; the panel ends before the strip does.
    const int panelWidth = (form.imgMain.bounds.left - kFrameLeft) * 2 + form.imgMain.bounds.width;
    const int centre = panelWidth / 2, top = 18;
    const auto box = [&](std::string_view s) {
        const int left = centre - TextWidth(s, 1) / 2;
        return TRect{left, top, left + TextWidth(s, 1), top + kGlyphHeight};
    };
    if (strip.empty()) {
        strip = Cut(ViewFrame(form.imgMain), form.Image4.bounds);
        FillBox(strip, {8, 12, panelWidth - 8, 32}, Ink::Face);
        shown = {};
    }
    // Every character takes the same width, so a text as long as the shown one stands in the same cells:
    // only the cells whose character changed are drawn again. Otherwise only the old and new text's boxes
    // are cleared. A pointer move repaints a few characters, not the band.
    const TRect at = box(text);
    if (shown.size() != text.size()) {
        FillBox(strip, Union(box(shown), at), Ink::Face);
        PutText(strip, at.left, top, text, Ink::Text);
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (shown[i] == text[i]) continue;
        const int left = at.left + static_cast<int>(i) * kAdvance;
        PutCell(strip, left, top, text[i], Ink::Text, Ink::Face);
    }
}

InkBitmap ProgramIcon(int size) {
    // Drawn on a 16 by 16 grid and scaled by whole steps: a pencil over an alpha checkerboard.
    const int unit = size >= 16 ? size / 16 : 1;
    InkBitmap b(size, size, Ink::SeeThrough);
    const int offset = (size - 16 * unit) / 2;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool corner = (x == 0 || x == 15) && (y == 0 || y == 15);
            Ink c = Ink::SeeThrough;
            if (!corner) {
                const bool rim = x == 0 || x == 15 || y == 0 || y == 15;
                c = rim ? Ink::AccentDark : ((x / 3 + y / 3) % 2 ? Ink::CheckDark : Ink::CheckLight);
                if (x == 1 || y == 1) c = rim ? c : Ink::Accent;
            }
            // The pencil runs along x + y = 15 from its tip at the lower left.
            const int across = x + y - 15;
            if (across >= -1 && across <= 1 && x >= 3 && x <= 13) {
                if (x <= 4)
                    c = x == 3 ? Ink::Lead : Ink::Wood;
                else if (x >= 12)
                    c = Ink::Eraser;
                else if (x == 11)
                    c = Ink::Ferrule;
                else
                    c = across == 0 ? Ink::Accent : Ink::AccentDark;
            }
            for (int dy = 0; dy < unit; ++dy)
                for (int dx = 0; dx < unit; ++dx)
                    b.SetPixel(offset + x * unit + dx, offset + y * unit + dy, c);
        }
    }
    return b;
}

InkBitmap SplashPicture() {
    constexpr int kShownW = 381, kShownH = 232;  // the window shows one column pair and one row less
    InkBitmap b(383, 233, Ink::Backdrop);
    // A faint diagonal weave behind everything.
    for (int y = 0; y < b.height(); ++y) {
        const std::span<Ink> row = b.row(y, 0, b.width());
        for (int x = (6 - y % 6) % 6; x < b.width(); x += 6) row[x] = Ink::Weave;
    }
    Bevel(b, {0, 0, kShownW, kShownH}, Ink::Accent, Ink::AccentDark);
    Bevel(b, {1, 1, kShownW - 1, kShownH - 1}, Ink::Light, Ink::Shade);

    // The icon at six times on a framed plate.
    const InkBitmap icon = ProgramIcon(16);
    constexpr int kIconX = 34, kIconY = 56, kZoom = 6;
    Well(b, {kIconX - 3, kIconY - 3, kIconX + 16 * kZoom + 3, kIconY + 16 * kZoom + 3});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (icon.at(x, y) != Ink::SeeThrough)
                FillBox(b,
                        {kIconX + x * kZoom, kIconY + y * kZoom, kIconX + (x + 1) * kZoom,
                         kIconY + (y + 1) * kZoom},
                        icon.at(x, y));

    constexpr int kTextX = 158;
    PutText(b, kTextX + 2, 66, "CORVANTH", Ink::AccentDark, 4);  // a drop shadow under the name
    PutText(b, kTextX, 64, "CORVANTH", Ink::Accent, 4);
    PutText(b, kTextX, 102, "LOGO EDITOR", Ink::Text, 2);
    HLine(b, kTextX, kTextX + TextWidth("CORVANTH", 4), 126, Ink::AccentDark);
    PutText(b, kTextX, 136, "64 X 64 PIXELS WITH ALPHA", Ink::Caption);
    PutText(b, kTextX, 148, "READS AND WRITES TGA", Ink::Caption);
    PutText(b, 16, kShownH - 18, "VERSION 0.1", Ink::Dim);
    const std::string_view hint = "CLICK TO BEGIN";
    PutText(b, kShownW - 16 - TextWidth(hint, 1), kShownH - 18, hint, Ink::Caption);
    return b;
}

}  // namespace corvanth
