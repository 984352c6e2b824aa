// Real widgets driven like a user: input reaches the handlers once and the window follows the model.
#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

#include "window_fixture.hpp"

namespace corvanth::qt::testing {
namespace {

TEST_F(WindowTest, TypedNumbersAreClampedIntoSliderAndBox) {
    auto* edit = widget<QLineEdit>("edtR");
    edit->selectAll();
    QTest::keyClicks(edit, "300");
    EXPECT_EQ(edit->text(), "255");
    EXPECT_EQ(widget<QSlider>("trbR")->value(), 255);
    EXPECT_EQ(Red(form.state.PrimaryRGB), 255);
    // The primary swatch repainted in red.
    EXPECT_EQ(viewPixel(form.imgColors, 25, 12), qRgb(255, 0, 0));
}

TEST_F(WindowTest, SliderMovesWriteTheirBox) {
    auto* slider = widget<QSlider>("trbB");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(form.trbB.Position(), 255);
    EXPECT_EQ(widget<QLineEdit>("edtB")->text(), "255");
    EXPECT_EQ(Blue(form.state.PrimaryRGB), 255);
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(form.edtB.Text(), "254");
}

TEST_F(WindowTest, SwapArrowAndSwatchPresses) {
    QTest::mouseClick(window.view(form.imgColors), Qt::LeftButton, {}, QPoint(48, 15));
    EXPECT_EQ(form.state.PrimaryRGB, clWhite);
    EXPECT_EQ(form.state.SecondaryRGB, clBlack);
    EXPECT_EQ(widget<QLineEdit>("edtG")->text(), "255");
    QTest::mouseClick(window.view(form.imgColors), Qt::RightButton, {}, QPoint(60, 10));
    EXPECT_EQ(form.state.ActiveSwatch, 1);
    EXPECT_EQ(widget<QSlider>("trbR")->value(), 0);
}

TEST_F(WindowTest, DoubleClickOnTheSwatchesOpensTheColourDialogOnce) {
    platform.colorAnswers.push_back(RGB(10, 20, 30));
    // What the widget receives of a double click: press, release, double click, release.
    BitmapView* panel = window.view(form.imgColors);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(60, 10));
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(60, 10));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(60, 10));
    ASSERT_EQ(platform.colorDialogStarts.size(), 1u);
    // The first press chose the secondary swatch before the dialog opened for it.
    EXPECT_EQ(form.state.ActiveSwatch, 1);
    EXPECT_EQ(form.state.SecondaryRGB, RGB(10, 20, 30));
    EXPECT_EQ(widget<QLineEdit>("edtG")->text(), "20");
}

TEST_F(WindowTest, PaletteChoosesToolsAndTheirOptions) {
    QTest::mouseClick(window.view(form.imgToolbar), Qt::MiddleButton, {}, QPoint(80, 10));
    EXPECT_EQ(form.state.CurrentTool, Rectangle);
    EXPECT_TRUE(widget<QCheckBox>("chkFilled")->isVisible());
    EXPECT_FALSE(widget<QWidget>("trbBrushSize")->isVisible());
    QTest::mouseClick(widget<QCheckBox>("chkFilled"), Qt::LeftButton);
    EXPECT_TRUE(form.chkFilled.Checked);
    QTest::mouseClick(window.view(form.imgToolbar), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form.state.CurrentTool, Pencil);
    EXPECT_TRUE(widget<QWidget>("edtBrushSize")->isVisible());
}

TEST_F(WindowTest, PencilDragPaintsThePlaneAndTheView) {
    QWidget* view = window.view(form.imgMain);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(view, QPoint(50, 10));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(2, 2), clBlack);
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(12, 2), clBlack);
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(7, 2), clWhite);  // one stamp per event, no line between
    EXPECT_EQ(viewPixel(form.imgMain, 48, 8), qRgb(0, 0, 0));
    EXPECT_EQ(viewPixel(form.imgRGB, 12, 2), qRgb(0, 0, 0));
    EXPECT_EQ(form.state.ButtonHeld, 0);
    // Hovering afterwards paints nothing.
    QTest::mouseMove(view, QPoint(100, 100));
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(25, 25), clWhite);
}

TEST_F(WindowTest, DragPastTheEdgeGivesNegativeViewPixels) {
    QWidget* view = window.view(form.imgMain);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(2, 40));
    QTest::mouseMove(view, QPoint(-3, 40));  // still column 0
    QTest::mouseMove(view, QPoint(-5, 80));  // plane x -1: clipped
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(-5, 80));
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(0, 10), clBlack);
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(0, 20), clWhite);
}

}  // namespace
}  // namespace corvanth::qt::testing
