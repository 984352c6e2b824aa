#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/bitmap.hpp"
#include "platform/controls.hpp"
#include "platform/tcolor.hpp"

namespace corvanth {

// The colours the frame artwork, the splash and the program icon are drawn in. Their pictures hold one
// ink a pixel, a quarter of a colour picture's memory; the window turns inks into colours as it paints.
enum class Ink : std::uint8_t {
    SeeThrough,  // the window shows beneath it
    Black,
    Face,
    Light,
    Shade,
    Rule,
    Caption,
    Dim,
    Accent,
    AccentDark,
    Text,
    Backdrop,
    Weave,
    CheckDark,
    CheckLight,
    Lead,
    Wood,
    Eraser,
    Ferrule,
};

// In the order of the inks: near-black panels lit from the upper left, teal for the name, the icon's
// checkerboard and pencil.
inline constexpr std::array<TColor, 19> kInkColours{
    0xFF00FF,               // SeeThrough: magenta, should it ever be shown as a colour
    0x000000,               // Black
    0x1C1C1C,               // Face
    0x3C3C3C,               // Light
    0x0A0A0A,               // Shade
    0x2E2E2E,               // Rule
    0x8A8A8A,               // Caption
    0x5C5C5C,               // Dim
    RGB(0x3A, 0xB4, 0xC4),  // Accent
    RGB(0x1E, 0x66, 0x70),  // AccentDark
    0xD8D8D8,               // Text
    0x121212,               // Backdrop
    0x161616,               // Weave
    0x9A9A9A,               // CheckDark
    0xE6E6E6,               // CheckLight
    0x202020,               // Lead
    RGB(0xE8, 0xC8, 0x90),  // Wood
    RGB(0xE0, 0x70, 0x80),  // Eraser
    0xB0B0B0,               // Ferrule
};
static_assert(kInkColours.size() == static_cast<std::size_t>(Ink::Ferrule) + 1);

constexpr TColor ColourOf(Ink ink) {
    return kInkColours[static_cast<std::size_t>(ink)];
}

using InkBitmap = BasicBitmap<Ink>;

// An image of the window's artwork: drawn by the program in inks, never painted on by the user.
struct TArtwork : TControl {
    InkBitmap Picture;
};

}  // namespace corvanth
