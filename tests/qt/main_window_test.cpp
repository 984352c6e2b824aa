// The window's frame, menu and layout against the form's components.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>

#include "window_fixture.hpp"

namespace corvanth::qt::testing {
namespace {

TEST_F(WindowTest, ClientAreaIsFixedBlackAndCaptioned) {
    EXPECT_EQ(window.windowTitle(), "Corvanth Logo Editor");
    EXPECT_EQ(window.client()->size(), QSize(700, 353));
    EXPECT_EQ(window.client()->geometry().top(), window.menuBar()->height());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.height(), 353 + window.menuBar()->height());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.client()->grab().toImage().pixel(245, 5), qRgb(0, 0, 0));  // between the panels
}

TEST_F(WindowTest, MenuBarFollowsTheMenuTable) {
    QStringList top;
    for (QAction* a : window.menuBar()->actions()) top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "&Edit", "&Image", "&View", "&Select", "Fil&ter", "&Help"}));

    QStringList file, shortcuts;
    for (QAction* a : window.menuBar()->actions()[0]->menu()->actions()) {
        file << (a->isSeparator() ? "-" : a->text());
        shortcuts << a->shortcut().toString();
    }
    EXPECT_EQ(file, QStringList({"&New...", "-", "&Open...", "-", "&Save", "Save &As...", "-", "E&xit"}));
    EXPECT_EQ(shortcuts, QStringList({"Ctrl+N", "", "Ctrl+O", "", "Ctrl+S", "", "", ""}));

    QMenu* rotate = window.menuAction("Rotate1")->menu();
    ASSERT_NE(rotate, nullptr);
    EXPECT_EQ(rotate->actions()[0]->text(), QString::fromUtf8("90°"));
    EXPECT_TRUE(rotate->actions()[3]->isSeparator());
    QAction* blur = window.menuAction("Blur1");
    EXPECT_EQ(blur->shortcut().toString(), "Ctrl+B");
    EXPECT_EQ(blur->menu()->actions().size(), 4);
    EXPECT_EQ(blur->menu()->actions()[3]->text(), "Blur 1&00%");
    for (const char* key : {"Ctrl+Z", "Ctrl+G", "Ctrl+A", "Ctrl+D"}) {
        int found = 0;
        for (QAction* a : window.findChildren<QAction*>()) found += a->shortcut().toString() == key;
        EXPECT_EQ(found, 1) << key;
    }
    EXPECT_TRUE(window.menuAction("mniGrid")->isCheckable());
    EXPECT_FALSE(window.menuAction("mniGrid")->isChecked());
}

TEST_F(WindowTest, EveryComponentStandsAtItsPlaceAboveTheArtwork) {
    const TControl* controls[] = {
        &form.imgToolbar, &form.imgColors,    &form.imgMain,   &form.imgRGB,       &form.imgA,
        &form.iOutImage,  &form.imgUndoRGB,   &form.imgUndoA,  &form.lblBrushSize, &form.edtBrushSize,
        &form.edtText,    &form.trbBrushSize, &form.chkFilled, &form.lblR,         &form.edtR,
        &form.trbR,       &form.lblG,         &form.edtG,      &form.trbG,         &form.lblB,
        &form.edtB,       &form.trbB,         &form.lblA,      &form.edtA,         &form.trbA,
        &form.Image1,     &form.Image2,       &form.Image3,    &form.Image4,       &form.Image5,
        &form.Image6};
    const QObjectList& stack = window.client()->children();
    const auto depth = [&](const TControl& c) { return stack.indexOf(widget<QWidget>(c.Name.c_str())); };
    for (const TControl* c : controls) {
        auto* w = widget<QWidget>(c->Name.c_str());
        ASSERT_NE(w, nullptr) << c->Name;
        EXPECT_EQ(w->geometry(), QRect(c->bounds.left, c->bounds.top, c->bounds.width, c->bounds.height))
            << c->Name;
        EXPECT_EQ(w->isVisible(), c->Visible) << c->Name;
        if (c->Name.starts_with("Image")) continue;
        for (const TImage* art : {&form.Image1, &form.Image2, &form.Image6})
            EXPECT_LT(depth(*art), depth(*c));
    }
    EXPECT_FALSE(widget<QWidget>("edtA")->isVisible());
    auto* bar = widget<QSlider>("trbR");
    EXPECT_EQ(bar->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(bar->tickInterval(), 1);
    EXPECT_EQ(bar->maximum(), 255);
}

TEST_F(WindowTest, GridShortcutRedrawsTheViewAndTicksTheMenu) {
    EXPECT_EQ(viewPixel(form.imgMain, 3, 0), qRgb(255, 255, 255));
    window.menuAction("mniGrid")->trigger();
    EXPECT_TRUE(window.menuAction("mniGrid")->isChecked());
    EXPECT_EQ(viewPixel(form.imgMain, 3, 0), qRgb(0, 0, 0));
    EXPECT_EQ(viewPixel(form.imgMain, 0, 7), qRgb(0, 0, 0));
    EXPECT_EQ(viewPixel(form.imgMain, 2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(viewPixel(form.imgMain, 255, 255), qRgb(255, 255, 255));
    // What is on screen is the same picture.
    EXPECT_EQ(window.view(form.imgMain)->grab().toImage().pixel(3, 10), qRgb(0, 0, 0));
    window.menuAction("mniGrid")->trigger();
    EXPECT_FALSE(window.menuAction("mniGrid")->isChecked());
    EXPECT_EQ(viewPixel(form.imgMain, 3, 0), qRgb(255, 255, 255));
}

TEST_F(WindowTest, PlaneClicksSwapTheVisibleColourRows) {
    QTest::mouseClick(window.view(form.imgA), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form.state.AlphaMode, 1);
    EXPECT_TRUE(widget<QWidget>("trbA")->isVisible());
    EXPECT_FALSE(widget<QWidget>("trbR")->isVisible());
    EXPECT_EQ(viewPixel(form.imgMain, 0, 0), qRgb(0, 0, 0));  // the black alpha plane
    QTest::mouseClick(window.view(form.imgRGB), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form.state.AlphaMode, 0);
    EXPECT_TRUE(widget<QWidget>("lblR")->isVisible());
}

}  // namespace
}  // namespace corvanth::qt::testing
