#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {

class Tools : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    const Bitmap& rgb() { return form.imgRGB.Picture; }
    // A press and release at a plane pixel, through its view position.
    void Click(int x, int y, TMouseButton b = TMouseButton::mbLeft) {
        form.imgMainMouseDown(b, 4 * x + 1, 4 * y + 2);
        form.imgMainMouseUp(b, 4 * x + 1, 4 * y + 2);
    }
    // The view coordinate `inside` pixels into plane pixel v's cell; pixels outside the plane are reached
    // from outside the view.
    static int ViewAt(int v, int inside) { return 4 * v + (v < 0 ? -inside : inside); }
    // Press at the first plane pixel, move through the others, release at the last.
    void Drag(int tool, std::initializer_list<TPoint> path) {
        form.state.CurrentTool = tool;
        const TPoint first = *path.begin(), last = *(path.end() - 1);
        form.imgMainMouseDown(TMouseButton::mbLeft, ViewAt(first.x, 1), ViewAt(first.y, 2));
        for (const TPoint p : path) form.imgMainMouseMove(ViewAt(p.x, 1), ViewAt(p.y, 2));
        form.imgMainMouseUp(TMouseButton::mbLeft, ViewAt(last.x, 1), ViewAt(last.y, 2));
    }
    void Type(const std::string& text, int key) {
        form.edtText.SetTextBuf(text);
        form.edtTextKeyDown(key);
        form.edtTextKeyUp(key);
    }
};

// A picture of part of a bitmap, one line per row: for each pixel the character of `key` at the index of
// its colour in `colours`, '?' for any other.
inline std::string Art(const Bitmap& b, TRect r, std::vector<TColor> colours, std::string_view key = "#o.") {
    std::string s;
    for (int y = r.top; y < r.bottom; ++y, s += '\n')
        for (int x = r.left; x < r.right; ++x) {
            const auto i = std::ranges::find(colours, b.GetPixel(x, y)) - colours.begin();
            s += i < std::ssize(colours) ? key[static_cast<std::size_t>(i)] : '?';
        }
    return s;
}

// The same tools on the RGB plane (false) and the alpha plane (true); the other plane never changes.
class EitherPlane : public Tools, public ::testing::WithParamInterface<bool> {
  protected:
    bool alpha() const { return GetParam(); }
    void SetUp() override {
        if (alpha()) form.imgAClick();
    }
    void TearDown() override {
        EXPECT_EQ(alpha() ? form.imgRGB.Picture : form.imgA.Picture, Bitmap(64, 64, base() ^ 0xFFFFFFu));
    }
    Bitmap& plane() { return alpha() ? form.imgA.Picture : form.imgRGB.Picture; }
    TColor base() const { return alpha() ? clBlack : clWhite; }
    TColor& primary() { return alpha() ? form.state.PrimaryAlpha : form.state.PrimaryRGB; }
    TColor& secondary() { return alpha() ? form.state.SecondaryAlpha : form.state.SecondaryRGB; }
};

}  // namespace corvanth
