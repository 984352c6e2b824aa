#include <gtest/gtest.h>

#include <algorithm>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

class ViewTools : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    const Bitmap& rgb() { return form.imgRGB.Picture; }
    void Use(int tool) { form.state.CurrentTool = tool; }
    // A press and release at a plane pixel, through its view position.
    void Click(int x, int y, TMouseButton b = TMouseButton::mbLeft) {
        form.imgMainMouseDown(b, 4 * x + 1, 4 * y + 2);
        form.imgMainMouseUp(b, 4 * x + 1, 4 * y + 2);
    }
};

// The same tools on the RGB plane (false) and the alpha plane (true); the other plane never changes.
class EitherPlane : public ViewTools, public ::testing::WithParamInterface<bool> {
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
    TColor view(int x, int y) { return form.imgMain.Picture.at(4 * x, 4 * y); }
};

TEST_P(EitherPlane, EveryButtonPaintsThePrimaryColour) {
    primary() = Grey(100);
    secondary() = Grey(30);
    for (TMouseButton b : {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle})
        Click(5 + static_cast<int>(b), 5, b);
    for (int x : {5, 6, 7}) {
        EXPECT_EQ(plane().at(x, 5), Grey(100));
        EXPECT_EQ(view(x, 5), Grey(100));
    }
    Use(Brush);
    Click(20, 20);
    EXPECT_EQ(plane().at(20, 20), Grey(100));
    Use(Spray);
    Click(30, 30);
    EXPECT_EQ(plane().at(30, 29), Grey(100));
    EXPECT_EQ(plane().at(30, 30), base());
}

TEST_P(EitherPlane, EraserPaintsTheSecondaryColourUpToTheBorders) {
    Use(Eraser);
    form.state.BrushSize = 2;
    secondary() = Grey(40);
    Click(63, 63);
    Click(0, 0);
    for (auto [x, y] : {std::pair{62, 62}, {63, 62}, {62, 63}, {63, 63}, {0, 0}})
        EXPECT_EQ(plane().at(x, y), Grey(40));
    EXPECT_EQ(std::count(plane().pixels().begin(), plane().pixels().end(), Grey(40)), 5);
    EXPECT_EQ(view(63, 63), Grey(40));
}

// Two regions that touch only at a corner, split by a diagonal wall; one bit off stops the fill.
TEST_P(EitherPlane, FillIsFourConnectedAndExact) {
    for (int i = 0; i < 64; ++i) plane().at(i, i) = Grey(100);
    plane().at(40, 10) = base() ^ 1u;
    Bitmap want = plane();
    for (int y = 0; y < 64; ++y)
        for (int x = y + 1; x < 64; ++x)
            if (x != 40 || y != 10) want.at(x, y) = Grey(200);
    primary() = Grey(200);
    Use(Fill);
    Click(50, 5);
    EXPECT_EQ(plane(), want);
    EXPECT_EQ(view(63, 0), Grey(200));
    Click(50, 5);  // already that colour
    EXPECT_EQ(plane(), want);
}

TEST_P(EitherPlane, PickerStoresIntoTheActiveSwatchAndSkipsOutside) {
    const TColor ink = alpha() ? Grey(77) : RGB(200, 100, 50);
    plane().at(0, 0) = ink;
    form.state.ActiveSwatch = 1;
    Use(ColorPicker);
    form.imgMainMouseDown(TMouseButton::mbRight, 1, 1);
    EXPECT_EQ(secondary(), ink);
    EXPECT_EQ(primary(), alpha() ? clWhite : clBlack);
    EXPECT_EQ((alpha() ? form.trbA : form.trbG).Position(), Green(ink));
    EXPECT_EQ(form.imgColors.Picture.at(60, 10), ink);
    form.imgMainMouseMove(-9, 1);
    form.imgMainMouseMove(1, 300);
    EXPECT_EQ(secondary(), ink);
    form.imgMainMouseMove(4, 1);
    EXPECT_EQ(secondary(), base());
    EXPECT_EQ(plane().at(0, 0), ink);  // the plane is not painted
}

INSTANTIATE_TEST_SUITE_P(Planes, EitherPlane, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Alpha" : "Rgb"; });

// Each move while held stamps at its own pixel only; X = -3 is still column 0, X = -4 column -1.
TEST_F(ViewTools, MovesStampOnlyWhileHeld) {
    form.imgMainMouseDown(TMouseButton::mbLeft, 2, 20);
    EXPECT_EQ(form.state.ButtonHeld, 1);
    for (auto [X, Y] : {std::pair{-3, 24}, {-4, 28}, {-40, 32}, {80, 40}}) form.imgMainMouseMove(X, Y);
    form.imgMainMouseUp(TMouseButton::mbLeft, 80, 40);
    EXPECT_EQ(form.state.ButtonHeld, 0);
    form.imgMainMouseMove(120, 40);  // hover
    Bitmap want(64, 64, clWhite);
    for (auto [x, y] : {std::pair{0, 5}, {0, 6}, {20, 10}}) want.at(x, y) = clBlack;
    EXPECT_EQ(rgb(), want);
}

// Paint a stroke, press and drag with a tool, undo: the stroke stays and the press's work is gone.
TEST_F(ViewTools, EveryPressTakesTheUndoCopy) {
    for (int tool = 0; tool < 12; ++tool) {
        form.New1Click();
        form.state.PrimaryRGB = clBlack;  // the picker of the round before took white
        Use(Pencil);
        Click(20, 20);
        const Bitmap stroke = rgb();
        Use(tool);
        form.imgMainMouseDown(TMouseButton::mbLeft, 200, 200);
        form.imgMainMouseMove(204, 200);
        form.imgMainMouseUp(TMouseButton::mbLeft, 204, 200);
        form.Undo1Click();
        EXPECT_EQ(rgb(), stroke) << tool;
        EXPECT_EQ(form.imgMain.Picture.at(200, 200), clWhite) << tool;
    }
}

}  // namespace
}  // namespace corvanth
