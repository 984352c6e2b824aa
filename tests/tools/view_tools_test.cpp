#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "form_fixture.hpp"

namespace corvanth {
namespace {

// A press on the palette, with each button in turn, from Rectangle with the text box shown; -1 is a
// miss, which keeps Rectangle.
TEST_F(Tools, PaletteSelectsTheCellsToolAndItsOptions) {
    const std::tuple<int, int, int> presses[] = {
        {23, 21, Pencil}, {1, 1, Pencil},   {24, 10, -1},    {10, 22, -1},          {0, 5, -1},
        {-1, 10, -1},     {144, 30, -1},    {143, 43, Line}, {80, 10, Rectangle},   {100, 10, Ellipse},
        {30, 10, Brush},  {60, 10, Spray},  {130, 10, Text}, {10, 30, ColorPicker}, {30, 30, Fill},
        {60, 30, Eraser}, {80, 30, Select}, {100, 30, Move}};
    int button = 0;
    for (auto [X, Y, hit] : presses) {
        form.imgToolbarMouseDown(TMouseButton::mbLeft, 80, 10);
        form.edtText.SetVisible(true);
        form.imgToolbarMouseDown(static_cast<TMouseButton>(button++ % 3), X, Y);
        const int tool = hit < 0 ? Rectangle : hit;
        const bool brush = tool == Pencil || tool == Brush || tool == Spray || tool == Eraser;
        EXPECT_EQ(form.state.CurrentTool, tool) << X << "," << Y;
        EXPECT_TRUE(form.trbBrushSize.Visible == brush && form.edtBrushSize.Visible == brush &&
                    form.lblBrushSize.Visible == brush && form.chkFilled.Visible == (tool == Rectangle) &&
                    !form.edtText.Visible)
            << X << "," << Y;
    }
}

// Per cell: ring pixels light grey where lit and dark grey where shaded on a raised button, the other
// way round on the pressed one; the top row, right column and a corner outside the ring black.
TEST_F(Tools, PaletteShowsTheCurrentToolPressedIn) {
    const std::tuple<int, int, bool> ring[] = {{11, 1, true},   {1, 10, true},   {5, 18, true},
                                               {22, 10, false}, {11, 20, false}, {20, 6, false},
                                               {6, 18, false}};
    const Bitmap& picture = form.imgToolbar.Picture;
    // Pencil at start, then Rectangle and Ellipse, whose ids are not their cells' places, then Line.
    for (auto [sunkenX, sunkenY] : {std::pair{0, 0}, {72, 0}, {96, 0}, {120, 22}}) {
        form.imgToolbarMouseDown(TMouseButton::mbLeft, sunkenX + 23, sunkenY + 21);
        for (int x = 0; x < 144; x += 24)
            for (int y = 0; y < 44; y += 22) {
                for (auto [c, r, lit] : ring)
                    EXPECT_EQ(picture.at(x + c, y + r),
                              lit != (x == sunkenX && y == sunkenY) ? 0x5C5C5Cu : 0x202020u)
                        << x << "," << y << " ring " << c << "," << r;
                for (int i = 0; i < 24; ++i) EXPECT_EQ(picture.at(x + i, y), clBlack);
                for (int i = 0; i < 22; ++i) EXPECT_EQ(picture.at(x + 23, y + i), clBlack);
                EXPECT_EQ(picture.at(x + 1, y + 1), clBlack);
            }
    }
}

// Pencil, brush and spray with each button; the size 1 spray leaves its centre and paints above it.
TEST_P(EitherPlane, EveryButtonPaintsThePrimaryColour) {
    primary() = Grey(100);
    secondary() = Grey(30);
    for (int tool : {Pencil, Brush, Spray})
        for (int b = 0; b < 3; ++b) {
            const int x = 10 + 4 * b, y = 10 + 10 * tool, dot = y - (tool == Spray);
            form.state.CurrentTool = tool;
            Click(x, y, static_cast<TMouseButton>(b));
            EXPECT_TRUE(plane().at(x, dot) == Grey(100) &&
                        form.imgMain.Picture.at(4 * x, 4 * dot) == Grey(100))
                << tool << " " << b;
        }
    EXPECT_EQ(plane().at(10, 30), base());
}

TEST_P(EitherPlane, EraserPaintsTheSecondaryColourUpToTheBorders) {
    form.state.CurrentTool = Eraser;
    form.state.BrushSize = 2;
    secondary() = Grey(40);
    Click(63, 63);
    Click(0, 0);
    Bitmap want(64, 64, base());
    for (auto [x, y] : {std::pair{62, 62}, {63, 62}, {62, 63}, {63, 63}, {0, 0}}) want.at(x, y) = Grey(40);
    EXPECT_EQ(plane(), want);
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
    form.state.CurrentTool = Fill;
    Click(50, 5);
    EXPECT_EQ(plane(), want);
    Drag(Fill, {{50, 5}, {5, 50}});  // already that colour; the move fills nothing
    EXPECT_EQ(plane(), want);
}

TEST_P(EitherPlane, PickerStoresIntoTheActiveSwatchAndSkipsOutside) {
    const TColor ink = alpha() ? Grey(77) : RGB(200, 100, 50);
    plane().at(0, 0) = ink;
    form.state.ActiveSwatch = 1;
    form.state.CurrentTool = ColorPicker;
    form.imgMainMouseDown(TMouseButton::mbRight, 1, 1);
    EXPECT_EQ(secondary(), ink);
    EXPECT_EQ(primary(), alpha() ? clWhite : clBlack);
    EXPECT_EQ((alpha() ? form.trbA : form.trbG).Position(), Green(ink));
    EXPECT_EQ(form.imgColors.Picture.at(60, 10), ink);
    for (auto [X, Y] : {std::pair{-9, 1}, {1, 300}}) form.imgMainMouseMove(X, Y);
    EXPECT_EQ(secondary(), ink);
    form.imgMainMouseMove(4, 1);
    EXPECT_EQ(secondary(), base());
    EXPECT_EQ(plane().at(0, 0), ink);  // the plane is not painted
}

INSTANTIATE_TEST_SUITE_P(Planes, EitherPlane, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Alpha" : "Rgb"; });

// Each move while held stamps at its own pixel only; X = -3 is still column 0, X = -4 column -1.
TEST_F(Tools, MovesStampOnlyWhileHeld) {
    form.imgMainMouseDown(TMouseButton::mbLeft, 2, 20);
    for (auto [X, Y] : {std::pair{-3, 24}, {-4, 28}, {-40, 32}, {80, 40}}) form.imgMainMouseMove(X, Y);
    form.imgMainMouseUp(TMouseButton::mbLeft, 80, 40);
    form.imgMainMouseMove(120, 40);  // hover
    Bitmap want(64, 64, clWhite);
    for (auto [x, y] : {std::pair{0, 5}, {0, 6}, {20, 10}}) want.at(x, y) = clBlack;
    EXPECT_EQ(rgb(), want);
}

// Paint a stroke, press and drag with a tool, undo: the stroke stays and the press's work is gone.
TEST_F(Tools, EveryPressTakesTheUndoCopy) {
    for (int tool = 0; tool < 12; ++tool) {
        form.New1Click();
        form.state.PrimaryRGB = clBlack;  // the picker of the round before took white
        form.state.CurrentTool = Pencil;
        Click(20, 20);
        const Bitmap stroke = rgb();
        form.state.CurrentTool = tool;
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
