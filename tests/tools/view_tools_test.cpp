#include <gtest/gtest.h>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

class ViewTools : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    const Bitmap& rgb() { return form.imgRGB.Picture; }
    const Bitmap& alpha() { return form.imgA.Picture; }
    void Use(int tool) { form.state.CurrentTool = tool; }
    // A press and release at a plane pixel, through its view position.
    void Click(int x, int y, TMouseButton b = TMouseButton::mbLeft) {
        form.imgMainMouseDown(b, 4 * x + 1, 4 * y + 2);
        form.imgMainMouseUp(b, 4 * x + 1, 4 * y + 2);
    }
};

TEST_F(ViewTools, EveryButtonPaintsThePrimaryColour) {
    form.state.PrimaryRGB = RGB(10, 20, 30);
    for (TMouseButton b : {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle})
        Click(5 + static_cast<int>(b), 5, b);
    for (int x : {5, 6, 7}) {
        EXPECT_EQ(rgb().at(x, 5), RGB(10, 20, 30));
        EXPECT_EQ(form.imgMain.Picture.at(4 * x, 20), RGB(10, 20, 30));
    }
}

TEST_F(ViewTools, DragStampsOnlyWhileHeld) {
    form.imgMainMouseDown(TMouseButton::mbLeft, 40, 40);
    EXPECT_EQ(form.state.ButtonHeld, 1);
    form.imgMainMouseMove(80, 40);  // a jump: no line between the two dabs
    form.imgMainMouseUp(TMouseButton::mbLeft, 80, 40);
    EXPECT_EQ(form.state.ButtonHeld, 0);
    form.imgMainMouseMove(120, 40);  // hover
    EXPECT_EQ(rgb().at(10, 10), clBlack);
    EXPECT_EQ(rgb().at(20, 10), clBlack);
    EXPECT_EQ(rgb().at(15, 10), clWhite);
    EXPECT_EQ(rgb().at(30, 10), clWhite);
}

TEST_F(ViewTools, DragPastTheLeftEdgeTruncatesTowardZero) {
    form.imgMainMouseDown(TMouseButton::mbLeft, 2, 20);
    form.imgMainMouseMove(-3, 24);  // still column 0
    form.imgMainMouseMove(-4, 28);  // column -1: dropped
    form.imgMainMouseMove(-40, 32);
    EXPECT_EQ(rgb().at(0, 5), clBlack);
    EXPECT_EQ(rgb().at(0, 6), clBlack);
    EXPECT_EQ(rgb().at(0, 7), clWhite);
    EXPECT_EQ(rgb().at(63, 7), clWhite);
}

TEST_F(ViewTools, EraserPaintsTheSecondaryColour) {
    Use(Eraser);
    form.state.BrushSize = 2;
    Click(0, 0);
    EXPECT_EQ(rgb().at(0, 0), clWhite);
    form.state.SecondaryRGB = RGB(1, 2, 3);
    Click(63, 63);
    EXPECT_EQ(rgb().at(62, 62), RGB(1, 2, 3));
    EXPECT_EQ(rgb().at(63, 63), RGB(1, 2, 3));
}

TEST_F(ViewTools, AlphaModeWorksOnTheAlphaPlaneOnly) {
    form.imgAClick();
    for (int tool : {Pencil, Brush, Spray}) {
        Use(tool);
        Click(10 + 10 * tool, 10);
    }
    Use(Eraser);
    form.state.PrimaryAlpha = Grey(100);
    Use(Fill);
    Click(40, 40);
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
    EXPECT_EQ(alpha().at(10, 10), clWhite);
    EXPECT_EQ(alpha().at(40, 40), Grey(100));
    EXPECT_EQ(form.imgMain.Picture.at(160, 160), Grey(100));
}

TEST_F(ViewTools, PickerStoresIntoTheActiveSwatch) {
    form.imgRGB.Picture.SetPixel(3, 4, RGB(200, 100, 50));
    form.state.ActiveSwatch = 1;
    Use(ColorPicker);
    Click(3, 4, TMouseButton::mbRight);
    EXPECT_EQ(form.state.SecondaryRGB, RGB(200, 100, 50));
    EXPECT_EQ(form.state.PrimaryRGB, clBlack);
    EXPECT_EQ(form.trbR.Position(), 200);
    EXPECT_EQ(form.edtG.Text(), "100");
    EXPECT_EQ(form.imgColors.Picture.at(60, 10), RGB(200, 100, 50));
    EXPECT_EQ(rgb().at(3, 4), RGB(200, 100, 50));  // the plane is not painted
}

TEST_F(ViewTools, PickerDragSkipsPositionsOutsideThePlane) {
    form.imgA.Picture.SetPixel(0, 0, Grey(77));
    form.imgAClick();
    Use(ColorPicker);
    form.imgMainMouseDown(TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(form.state.PrimaryAlpha, Grey(77));
    EXPECT_EQ(form.trbA.Position(), 77);
    form.imgMainMouseMove(-9, 1);
    form.imgMainMouseMove(1, 300);
    EXPECT_EQ(form.state.PrimaryAlpha, Grey(77));
    form.imgMainMouseMove(4, 1);
    EXPECT_EQ(form.state.PrimaryAlpha, clBlack);
}

TEST_F(ViewTools, FillIsFourConnectedAndExact) {
    // Two white regions that touch only at a corner, split by a black diagonal wall.
    Bitmap& p = form.imgRGB.Picture;
    for (int i = 0; i < 64; ++i) p.at(i, i) = clBlack;
    p.at(40, 10) = RGB(255, 255, 254);  // one bit off white stops the fill
    form.state.PrimaryRGB = RGB(0, 128, 0);
    Use(Fill);
    Click(50, 5);
    EXPECT_EQ(p.at(63, 0), RGB(0, 128, 0));
    EXPECT_EQ(p.at(1, 0), RGB(0, 128, 0));
    EXPECT_EQ(p.at(0, 1), clWhite);
    EXPECT_EQ(p.at(0, 63), clWhite);
    EXPECT_EQ(p.at(40, 10), RGB(255, 255, 254));
    EXPECT_EQ(form.imgMain.Picture.at(255, 0), RGB(0, 128, 0));
}

TEST_F(ViewTools, FillWithTheSameColourChangesNothing) {
    Use(Fill);
    form.state.PrimaryRGB = clWhite;
    Click(10, 10);
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
}

TEST_F(ViewTools, UndoTakesBackTheLastStroke) {
    Click(1, 1);
    form.imgMainMouseDown(TMouseButton::mbLeft, 40, 40);
    form.imgMainMouseMove(44, 40);
    form.imgMainMouseUp(TMouseButton::mbLeft, 44, 40);
    form.Undo1Click();
    EXPECT_EQ(rgb().at(1, 1), clBlack);
    EXPECT_EQ(rgb().at(10, 10), clWhite);
    EXPECT_EQ(rgb().at(11, 10), clWhite);
    EXPECT_EQ(form.imgMain.Picture.at(40, 40), clWhite);
}

TEST_F(ViewTools, EveryToolPressTakesTheUndoCopy) {
    for (int tool = 0; tool < 12; ++tool) {
        form.New1Click();
        form.state.PrimaryRGB = clBlack;  // the picker of the round before took white
        Use(Pencil);
        Click(20, 20);
        Use(tool);
        form.state.ButtonHeld = 0;
        form.imgMainMouseDown(TMouseButton::mbLeft, 200, 200);
        EXPECT_EQ(form.state.ButtonHeld, 1) << tool;
        form.imgMainMouseUp(TMouseButton::mbLeft, 200, 200);
        form.Undo1Click();
        EXPECT_EQ(rgb().at(20, 20), clBlack) << "undo removed the stroke before a press of tool " << tool;
    }
}

TEST_F(ViewTools, ToolsStillToComeChangeNoPlane) {
    for (int tool : {Ellipse, Rectangle, Text, Select, Move, Line}) {
        Use(tool);
        form.imgMainMouseDown(TMouseButton::mbLeft, 100, 100);
        form.imgMainMouseMove(150, 120);
        form.imgMainMouseUp(TMouseButton::mbLeft, 150, 120);
    }
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
    EXPECT_EQ(alpha(), Bitmap(64, 64, clBlack));
}

}  // namespace
}  // namespace corvanth
