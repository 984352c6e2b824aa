#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

namespace corvanth {

inline constexpr int kPanelWidth = 97;
inline constexpr int kPanelHeight = 32;
inline constexpr TColor kPanelEdgeLight = 0x7F7F7F;
inline constexpr TColor kPanelInside = 0x282828;

// Frame masks are 20 by 20 rings; cell (c, r) lands at (left + c, top + r).
inline constexpr int kFrameSide = 20;
inline constexpr TPoint kPrimaryFrameOrigin{19, 6};
inline constexpr TPoint kSecondaryFrameOrigin{57, 6};

// 0 not drawn, 1 black, 2 white.
using FrameMask = std::array<std::uint8_t, kFrameSide * kFrameSide>;

// White, white, black along each edge from the upper-left corner; corners white.
constexpr FrameMask MakeActiveFrameMask() {
    FrameMask m{};
    for (int r = 0; r < kFrameSide; ++r)
        for (int c = 0; c < kFrameSide; ++c) {
            const bool horizontal = r == 0 || r == kFrameSide - 1;
            const bool vertical = c == 0 || c == kFrameSide - 1;
            if (!horizontal && !vertical) continue;
            const int along = horizontal ? c : r;
            m[static_cast<std::size_t>(r * kFrameSide + c)] = along % 3 == 2 ? 1 : 2;
        }
    return m;
}
constexpr FrameMask MakeInactiveFrameMask() {
    FrameMask m{};
    for (int r = 0; r < kFrameSide; ++r)
        for (int c = 0; c < kFrameSide; ++c)
            if (r == 0 || c == 0 || r == kFrameSide - 1 || c == kFrameSide - 1)
                m[static_cast<std::size_t>(r * kFrameSide + c)] = 1;
    return m;
}
inline constexpr FrameMask kActiveFrameMask = MakeActiveFrameMask();
inline constexpr FrameMask kInactiveFrameMask = MakeInactiveFrameMask();
static_assert(kActiveFrameMask[0] == 2 && kActiveFrameMask[2] == 1 && kActiveFrameMask[19] == 2);
static_assert(kActiveFrameMask[19 * kFrameSide] == 2 && kActiveFrameMask[21] == 0);

// The exchange arrow, drawn black at (44 + c, 13 + r).
inline constexpr TPoint kSwapArrowOrigin{44, 13};
inline constexpr std::array<std::string_view, 5> kSwapArrowMask{
    "..#..#..", ".##..##.", "########", ".##..##.", "..#..#..",
};

// Where the two swatches are painted; the same rectangles, edges included, are their hit areas.
inline constexpr TRect kPrimarySwatchRect{20, 7, 38, 25};
inline constexpr TRect kSecondarySwatchRect{58, 7, 76, 25};
inline constexpr TRect kSwapHitArea{43, 13, 53, 20};

enum class SwatchHit { None, Primary, Secondary, Swap };
SwatchHit HitSwatchPanel(int X, int Y);

// Background, edges and the exchange arrow.
void PaintSwatchPanel(TCanvas panel);

// Both rings, the active one dotted; then the two swatches in their colours.
void PaintSwatches(TCanvas panel, int activeSwatch, const TRect& primaryRect, const TRect& secondaryRect,
                   TColor primary, TColor secondary);

}  // namespace corvanth
