// The Qt front end on the offscreen platform: the main window's frame, menu, layout, shortcuts and real
// widget input, the real file dialogs and message boxes answered the way a user would, the glyphs and the
// intro windows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "app/components.hpp"
#include "app/control_tips.hpp"
#include "app/intro_window.hpp"
#include "app/tmain.hpp"
#include "document/composite.hpp"
#include "document/plane.hpp"
#include "fileio/picture_fit.hpp"
#include "qt/help_window.hpp"
#include "qt/image_surface.hpp"
#include "qt/intro_window.hpp"
#include "qt/main_window.hpp"
#include "qt/picture_reader.hpp"
#include "qt/qt_colors.hpp"
#include "qt/qt_platform.hpp"
#include "qt/window_setup.hpp"
#include "scripted_platform.hpp"
#include "tools/tool_tips.hpp"

namespace corvanth::qt {
namespace {

constexpr QRgb kBlack = 0xff000000, kWhite = 0xffffffff;

// A shown main window; runs counts the handlers it ran.
struct WindowTest : ::testing::Test {
    corvanth::testing::ScriptedPlatform platform;
    TMain form{platform};
    MainWindow window{form};
    int runs = 0;
    void SetUp() override {
        window.afterHandler = [this] { ++runs; };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));  // for the shortcuts
    }
    template <class W = QWidget>
    W* widget(const char* name) const {
        return window.client()->findChild<W*>(name);
    }
    // A point of an image control, on the surface the mouse lands on.
    QPoint at(const TImage& image, QPoint p) const { return window.view(image)->geometry().topLeft() + p; }
    void click(const TImage& image, QPoint p) const {
        QTest::mouseClick(window.surface(), Qt::LeftButton, {}, at(image, p));
    }
    QImage shown(const TControl& image) const {
        return window.surface()->grab(window.view(image)->geometry()).toImage();
    }
    QRgb viewPixel(const TControl& image, QPoint p) const { return shown(image).pixel(p); }
};

TEST_F(WindowTest, ClientAreaIsFixedBlackAndBelowTheMenuBar) {
    const int bar = window.menuBar()->height();
    EXPECT_EQ(window.windowTitle(), "Corvanth Logo Editor");
    EXPECT_EQ(window.client()->geometry(), QRect(0, bar, 700, 353));
    EXPECT_EQ(window.size(), QSize(700, 353 + bar));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const auto buttons = Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint;
    EXPECT_EQ(window.windowFlags() & buttons, Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.client()->grab().toImage().pixel(245, 5), kBlack);  // between the panels
}

// An item as "caption@shortcut", "-" for a separator, its submenu's items in brackets.
std::string Describe(const QAction& a) {
    std::string s = a.isSeparator() ? "-" : a.text().toStdString();
    if (!a.shortcut().isEmpty()) s += "@" + a.shortcut().toString().toStdString();
    if (!a.menu()) return s;
    for (const QAction* item : a.menu()->actions())
        s += (item == a.menu()->actions()[0] ? "[" : "|") + Describe(*item);
    return s + "]";
}

TEST_F(WindowTest, MenuBarHoldsEveryItemInOrder) {
    std::vector<std::string> menus;
    for (const QAction* a : window.menuBar()->actions()) menus.push_back(Describe(*a));
    EXPECT_EQ(
        menus,
        (std::vector<std::string>{
            "&File[&New...@Ctrl+N|-|&Open...@Ctrl+O|-|&Save@Ctrl+S|Save &As...|&Export PNG...|-|E&xit]",
            "&Edit[&Undo@Ctrl+Z|-|Rotate[90°|180°|270°|-|Flip Horizontal|Flip Vertical]|-|&Copy@Ctrl+C|"
            "&Paste@Ctrl+V]",
            "&Image[F&ont]",
            "&View[&Grid@Ctrl+G]",
            "&Select[&All@Ctrl+A|&Deselect@Ctrl+D]",
            "Fil&ter[&Blur@Ctrl+B[Blur &10%|Blur &25%|Blur &50%|Blur 1&00%]|&Emboss|Fill &Hidden Colours]",
            "&Help[&Contents|-|Contact info...|&About...]",
        }));
}

// Images lie on the surface in the table's order, every other control as a widget above it; the pointer
// reaches each where it shows.
TEST_F(WindowTest, EveryComponentStandsAtItsPlaceAboveTheImages) {
    for (const ComponentEntry& entry : kComponents) {
        const TControl* c = &ComponentOf(form, entry);
        const Bounds& b = c->bounds;
        const QRect place(b.left, b.top, b.width, b.height);
        if (entry.kind == ComponentKind::Image || entry.kind == ComponentKind::Artwork) {
            const BitmapView* v = window.view(*c);
            ASSERT_NE(v, nullptr) << c->Name;
            EXPECT_EQ(v->geometry(), place) << c->Name;
            EXPECT_EQ(v->shown(), c->Visible) << c->Name;
            if (entry.kind == ComponentKind::Image && c->Visible) {
                EXPECT_EQ(window.client()->childAt(place.center()), window.surface()) << c->Name;
            }
            continue;
        }
        QWidget* w = widget(c->Name.c_str());
        ASSERT_NE(w, nullptr) << c->Name;
        EXPECT_EQ(w->geometry(), place) << c->Name;
        EXPECT_EQ(w->isVisible(), c->Visible) << c->Name;
        // The pointer at its place reaches it, not the surface below.
        if (c->Visible) {
            EXPECT_EQ(window.client()->childAt(place.center()), w) << c->Name;
        }
    }
}

TEST_F(WindowTest, CtrlBRunsNothingAndCtrlGTogglesTheGrid) {
    QAction* grid = window.menuAction("mniGrid");
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(grid->isChecked());
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(grid->isChecked());
    EXPECT_EQ(viewPixel(form.imgMain, {3, 0}), kBlack);
    EXPECT_EQ(viewPixel(form.imgMain, {2, 2}), kWhite);
    EXPECT_EQ(shown(form.imgMain).pixel(3, 10), kBlack);  // and on screen
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    EXPECT_FALSE(grid->isChecked());
    EXPECT_EQ(viewPixel(form.imgMain, {3, 0}), kWhite);
}

// The keyboard goes where the user is: to the window at first and after a click on the pictures, so every
// shortcut acts; to a box clicked into, which keeps the keys of text editing and gives the keyboard back on
// Enter or Escape; to the text box after a text press.
TEST_F(WindowTest, TheKeyboardGoesWhereTheUserIs) {
    const auto focus = [] { return QApplication::focusWidget(); };
    EXPECT_EQ(focus(), &window);
    auto* edit = widget<QLineEdit>("edtB");
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_EQ(focus(), edit);
    for (const auto key : {Qt::Key_1, Qt::Key_2, Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace,
                           Qt::Key_9, Qt::Key_Left, Qt::Key_3})
        QTest::keyClick(edit, key);
    EXPECT_EQ(form.edtB.Text(), "39");
    int before = runs;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // the box's text, not Select > All
    QTest::keyClick(edit, Qt::Key_7);
    EXPECT_EQ(form.edtB.Text(), "7");
    EXPECT_FALSE(form.state.SelectionActive);
    QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier);  // Blur's submenu: nothing
    QTest::keyClick(edit, Qt::Key_G, Qt::ControlModifier);  // no text key: the menu's
    EXPECT_EQ(runs, before + 2);
    EXPECT_TRUE(window.menuAction("mniGrid")->isChecked());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(focus(), &window);

    QTest::mouseClick(edit, Qt::LeftButton);
    click(form.imgMain, {10, 10});  // takes the keyboard back
    EXPECT_EQ(focus(), &window);
    ASSERT_EQ(form.imgRGB.Picture.GetPixel(2, 2), RGB(0, 0, 7));
    QTest::keyClick(focus(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(2, 2), clWhite) << "the stroke was not undone";
    EXPECT_EQ(edit->text(), "7");
    before = runs;
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(runs, before + 1);
    EXPECT_EQ(form.state.SelectionRect, (SelectionCorners{0, 0, 63, 63}));

    form.state.CurrentTool = Text;
    click(form.imgMain, {40, 40});
    auto* text = widget<QLineEdit>("edtText");
    ASSERT_EQ(focus(), text);
    QTest::keyClicks(focus(), "Hi");
    EXPECT_EQ(form.edtText.Text(), "Hi");
    EXPECT_EQ(form.edtB.Text(), "7");
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_FALSE(text->isVisible());
    EXPECT_EQ(focus(), &window);
}

// Every position has a tick below the handle; the focus frame stays inside the bar's 57 by 16 box.
TEST_F(WindowTest, TrackBarTicksAndFocusStayInTheirBox) {
    const QImage bar = widget("trbBrushSize")->grab().toImage();
    int ticks = 0;
    for (int x = 1; x < bar.width(); ++x)
        ticks += bar.pixel(x, 13) != bar.pixel(x - 1, 13) && bar.pixel(x, 13) != kBlack;
    EXPECT_EQ(ticks, 8);
    const QRect around(86, 230, 77, 36);  // the R bar and ten pixels on every side
    const QImage unfocused = window.client()->grab(around).toImage();
    widget("trbR")->setFocus();
    const QImage focused = window.client()->grab(around).toImage();
    int changed = 0;
    for (int y = 0; y < around.height(); ++y)
        for (int x = 0; x < around.width(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                ++changed;
                EXPECT_TRUE(QRect(96, 240, 57, 16).contains(around.topLeft() + QPoint(x, y)))
                    << x << "," << y;
            }
    EXPECT_GT(changed, 0) << "no focus shown";
}

TEST_F(WindowTest, TypingAndSlidingKeepBoxSliderAndColourTogether) {
    auto* edit = widget<QLineEdit>("edtR");
    edit->selectAll();
    QTest::keyClicks(edit, "300");
    EXPECT_EQ(edit->text(), "255");
    EXPECT_EQ(widget<QSlider>("trbR")->value(), 255);
    EXPECT_EQ(runs, 3);  // one per key: setting box and slider from the model fires nothing
    EXPECT_EQ(viewPixel(form.imgColors, {25, 12}), qRgb(255, 0, 0));  // the primary swatch
    auto* slider = widget<QSlider>("trbB");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(widget<QLineEdit>("edtB")->text(), "254");
    EXPECT_EQ(form.state.PrimaryRGB, RGB(255, 0, 254));
    EXPECT_EQ(runs, 5);
}

TEST_F(WindowTest, DoubleClickOnTheSecondarySwatch) {
    const QPoint p = at(form.imgColors, {60, 10});
    platform.colorAnswers.push_back(RGB(10, 20, 30));
    // What the widget receives of a double click: press, release, double click, release.
    QTest::mouseClick(window.surface(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(window.surface(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(window.surface(), Qt::LeftButton, {}, p);
    // One dialog, and the first press chose the secondary swatch before it opened for it.
    EXPECT_EQ(platform.colorDialogStarts, std::vector<TColor>{clBlack});
    EXPECT_EQ(form.state.SecondaryRGB, RGB(10, 20, 30));
    EXPECT_EQ(widget<QLineEdit>("edtG")->text(), "20");
}

// The pointer resting on a palette cell shows that tool's tip after the platform's delay, and one resting
// on the composite preview its own; the tip goes once the pointer leaves the part it belongs to.
TEST_F(WindowTest, RestingThePointerShowsATooltip) {
    const auto tipOf = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    QTest::mouseMove(window.surface(), at(form.imgToolbar, {72 + 12, 11}));  // the rectangle's cell
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), tipOf(kToolTips[Rectangle]));
    QTest::mouseMove(window.surface(), at(form.imgComposite, {30, 30}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QToolTip::text() == tipOf(TipAt("imgComposite", 30, 30)->text); }, 5000));
    QTest::mouseMove(window.surface(), at(form.imgMain, {30, 30}));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
    QToolTip::hideText();
}

// Every command of the Filter and Rotate menus through its menu item: the item does what its handler does
// on a twin form, so an item wired to the wrong handler shows. The Help items and Exit are tried with the
// real dialogs below; the random-input case checks that the view follows.
TEST_F(WindowTest, MenuItemsReachTheirHandlers) {
    std::mt19937 rng(9);
    for (TColor& c : form.imgRGB.Picture.pixels()) c = rng() & 0xFFFFFF;
    for (TColor& c : form.imgA.Picture.pixels()) c = Grey(rng() & 0xFF);
    corvanth::testing::ScriptedPlatform twinHost;
    TMain twin{twinHost};
    // clang-format off
    const std::pair<const char*, void (TMain::*)()> items[] = {
        {"Blur101", &TMain::Blur101Click}, {"Blur251", &TMain::Blur251Click}, {"Blur501", &TMain::Blur501Click},
        {"Blur1001", &TMain::Blur1001Click}, {"Emboss1", &TMain::Emboss1Click}, {"N901", &TMain::N901Click},
        {"N4", &TMain::N4Click}, {"N5", &TMain::N5Click}, {"FlipHorizontal1", &TMain::FlipHorizontal1Click},
        {"FlipVertical1", &TMain::FlipVertical1Click}, {"FillHiddenColours1", &TMain::FillHiddenColours1Click}};
    // clang-format on
    for (const auto& [item, handler] : items) {
        twin.imgRGB.Picture = form.imgRGB.Picture;
        twin.imgA.Picture = form.imgA.Picture;
        window.menuAction(item)->trigger();
        (twin.*handler)();
        EXPECT_EQ(form.imgRGB.Picture, twin.imgRGB.Picture) << item;
        EXPECT_EQ(form.imgA.Picture, twin.imgA.Picture) << item;
    }
}

// The text box is shown by a press on the view, clicked into, typed into with Backspace and Enter: the
// plane keeps the text as it stood, the colours stay as they were.
TEST_F(WindowTest, TypedTextLandsInThePlane) {
    form.state.SecondaryRGB = RGB(0, 0, 255);
    click(form.imgToolbar, {130, 10});
    click(form.imgMain, {21, 161});  // Text at (5, 40)
    auto* edit = widget<QLineEdit>("edtText");
    ASSERT_TRUE(edit->isVisible());
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, "Hi");
    EXPECT_EQ(form.imgRGB.Picture.at(9, 40), clBlack);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->isVisible());
    for (auto [x, y, colour] : {std::tuple{5, 40, clBlack},
                                {7, 44, clBlack},
                                {8, 40, RGB(0, 0, 255)},
                                {9, 40, clWhite},
                                {5, 45, clWhite}})
        EXPECT_EQ(form.imgRGB.Picture.at(x, y), colour) << x << "," << y;
    EXPECT_TRUE(form.state.PrimaryRGB == clBlack && form.state.SecondaryRGB == RGB(0, 0, 255));
    EXPECT_EQ(viewPixel(form.imgMain, {4 * 8 + 1, 4 * 40 + 1}), qRgb(0, 0, 255));
}

// The view hears the pointer hover and leave; a press on it keeps every event until the button is up,
// wherever the pointer goes, as a person dragging out of the view and back expects.
TEST_F(WindowTest, TheViewKeepsTheMouseFromPressToRelease) {
    ImageSurface* surface = window.surface();
    const TColor ink = form.state.PrimaryRGB;
    QTest::mouseMove(surface, at(form.imgMain, {9, 13}));
    EXPECT_EQ(form.Readout().substr(0, 6), "2, 3  ");
    QTest::mouseMove(surface, at(form.imgMain, {-3, 13}));  // onto the frame beside the view
    EXPECT_EQ(form.Readout(), "");
    QTest::mousePress(surface, Qt::LeftButton, {}, at(form.imgMain, {9, 13}));
    QTest::mouseMove(surface, at(form.imgMain, {-40, 13}));  // out over the frame and back in
    QTest::mouseMove(surface, at(form.imgMain, {41, 13}));
    EXPECT_EQ(form.imgRGB.Picture.at(10, 3), ink);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, at(form.imgMain, {300, 13}));  // up outside
    EXPECT_EQ(form.Readout(), "");
    QTest::mouseMove(surface, at(form.imgMain, {81, 13}));  // a hover paints nothing
    EXPECT_NE(form.imgRGB.Picture.at(20, 3), ink);
    EXPECT_EQ(form.Readout().substr(0, 7), "20, 3  ");
}

// On a screen scaled by s, device pixel d of the view is at view position d / s; Qt hands the widget that
// position rounded, the window position exact. The first and the last device pixel of a cell belong to it.
TEST_F(WindowTest, EveryDevicePixelOfACellLandsInThatCell) {
    ImageSurface* surface = window.surface();
    const QPointF origin = surface->mapTo(&window, QPoint(0, 0));
    const QPointF view = window.view(form.imgMain)->geometry().topLeft();
    QPoint got;
    window.view(form.imgMain)->onPress = [&got](TMouseButton, int x, int y) { got = {x / 4, y / 4}; };
    for (const double s : {1.0, 1.5, 2.0}) {
        for (const int cell : {0, 5, 63}) {
            const int first = static_cast<int>(std::ceil(4 * cell * s));
            const int last = static_cast<int>(std::ceil(4 * (cell + 1) * s)) - 1;
            for (const int d : {first, last}) {
                const QPointF exact = view + QPointF(d / s, d / s);
                QMouseEvent press(QEvent::MouseButtonPress, QPointF(exact.toPoint()), origin + exact,
                                  surface->mapToGlobal(exact.toPoint()), Qt::LeftButton, Qt::LeftButton, {});
                QApplication::sendEvent(surface, &press);
                QMouseEvent release(QEvent::MouseButtonRelease, QPointF(exact.toPoint()), origin + exact,
                                    surface->mapToGlobal(exact.toPoint()), Qt::LeftButton, Qt::NoButton, {});
                QApplication::sendEvent(surface, &release);
                EXPECT_EQ(got, QPoint(cell, cell)) << "scale " << s << ", device pixel " << d;
            }
        }
    }
}

// After a long random run of what a user does, every working view shows exactly its model: when it
// paints, and on the screen, where only the changed rectangles were repainted.
TEST_F(WindowTest, ViewsShowTheirModelsAfterRandomInput) {
    std::mt19937 random(11);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const TImage* working[] = {&form.imgToolbar, &form.imgColors, &form.imgMain,
                               &form.imgRGB,     &form.imgA,      &form.imgComposite};
    ImageSurface* surface = window.surface();
    bool down = false;
    for (int step = 0; step < 300; ++step) {
        const QPoint p = at(form.imgMain, {pick(272) - 8, pick(272) - 8});
        switch (pick(9)) {
            case 0:
                if (!std::exchange(down, true)) QTest::mousePress(surface, Qt::LeftButton, {}, p);
                break;
            case 1:
            case 2:
                QTest::mouseMove(surface, p);
                break;
            case 3:
                if (std::exchange(down, false)) QTest::mouseRelease(surface, Qt::LeftButton, {}, p);
                break;
            case 4:
                if (!down) click(form.imgToolbar, {pick(144), pick(44)});
                break;
            case 5:
                if (!down) click(form.imgColors, {pick(97), pick(32)});
                break;
            case 6:
                if (!down) click(pick(2) ? form.imgA : form.imgRGB, {5, 5});
                break;
            case 7:
                widget<QSlider>("trbBrushSize")->setValue(1 + pick(8));
                break;
            default:
                window
                    .menuAction(std::array{"New1", "Undo1", "mniGrid", "Blur501", "Emboss1", "N901",
                                           "FlipVertical1"}[pick(7)])
                    ->trigger();
        }
        QApplication::processEvents();
        Bitmap composite;
        Compose(composite, form.imgRGB.Picture, form.imgA.Picture, form.state.CompositeBackdrop,
                {0, 0, 64, 64});
        ASSERT_EQ(form.imgComposite.Picture, composite) << "composite after step " << step;
        // Redraws pass over the plane rows they know unchanged; the view must still be the whole redraw.
        if (!form.state.SelectionActive) {
            Bitmap view(256, 256);
            CanvasState pen;
            RedrawView(TCanvas(view, pen), form.ActivePlane().Picture, form.state.GridVisible != 0);
            ASSERT_EQ(form.imgMain.Picture, view) << "view after step " << step;
        }
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
        for (const TImage* image : working) {
            const QImage model = ToQImage(image->Picture);
            ASSERT_EQ(shown(*image).convertToFormat(model.format()), model)
                << image->Name << " after step " << step;
            const QRect place(surface->mapTo(&window, window.view(*image)->geometry().topLeft()),
                              window.view(*image)->geometry().size());
            ASSERT_EQ(screen.copy(place).convertToFormat(model.format()), model)
                << image->Name << " on screen";
        }
        // The readout below the view, in inks, changes with every move as well.
        const QImage strip = screen.copy(
            QRect(surface->mapTo(&window, window.view(form.Image4)->geometry().topLeft()), QSize(297, 40)));
        for (int y = 0; y < strip.height(); ++y) {
            for (int x = 0; x < strip.width(); ++x) {
                const Ink ink = form.Image4.Picture.at(x, y);
                if (ink == Ink::SeeThrough) continue;
                ASSERT_EQ(strip.pixel(x, y), ToQRgb(ColourOf(ink))) << "readout after step " << step;
            }
        }
    }
}

TEST_F(WindowTest, DroppingATgaOpensIt) {
    QTemporaryDir dir;
    form.imgRGB.Picture.SetPixel(5, 6, RGB(1, 2, 3));
    const QString file = dir.filePath("drop.tga");
    ASSERT_TRUE(form.WriteTgaFile(file.toStdString()));
    form.imgRGB.Picture.SetPixel(5, 6, clWhite);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter({100, 100}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(5, 6), RGB(1, 2, 3));
    EXPECT_EQ(viewPixel(form.imgMain, {20, 24}), qRgb(1, 2, 3));
}

// The window's clipboard through QClipboard: Ctrl+C and Ctrl+V copy and paste the picture while the
// window has the keyboard, and a box's text while a box has it.
struct ClipboardWindow : ::testing::Test {
    QtPlatform platform;
    TMain form{platform};
    MainWindow window{form};
    QClipboard& clipboard = *QGuiApplication::clipboard();
    void SetUp() override {
        platform.setParentWindow(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        clipboard.clear();
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                form.imgRGB.Picture.at(x, y) = RGB(4 * x, 4 * y, 7);
                form.imgA.Picture.at(x, y) = Grey((x + 3 * y) & 255);
            }
    }
    // The planes' box as the clipboard should hold it, in straight alpha.
    QImage Planes(const QRect& box) const {
        QImage image(box.size(), QImage::Format_RGBA8888);
        for (int y = 0; y < box.height(); ++y)
            for (int x = 0; x < box.width(); ++x) {
                const TColor c = form.imgRGB.Picture.at(box.x() + x, box.y() + y);
                const int alpha = Red(form.imgA.Picture.at(box.x() + x, box.y() + y));
                image.setPixelColor(x, y, QColor(Red(c), Green(c), Blue(c), alpha));
            }
        return image;
    }
};

TEST_F(ClipboardWindow, CtrlCAndCtrlVGoToTheWindowOrToTheBoxWithTheKeyboard) {
    ASSERT_EQ(QApplication::focusWidget(), &window);
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = clipboard.mimeData();
    ASSERT_TRUE(copied);
    ASSERT_TRUE(copied->hasFormat("image/png"));
    EXPECT_EQ(QImage::fromData(copied->data("image/png")).convertToFormat(QImage::Format_RGBA8888),
              Planes({0, 0, 64, 64}));
    EXPECT_EQ(clipboard.image().convertToFormat(QImage::Format_RGBA8888), Planes({0, 0, 64, 64}));

    // A box with the keyboard copies and pastes its own text; the planes stay.
    auto* edit = window.client()->findChild<QLineEdit*>("edtG");
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_2);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), "2");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "22");
    EXPECT_EQ(form.edtG.Text(), "22");
    EXPECT_EQ(form.imgRGB.Picture.at(0, 0), RGB(0, 0, 7));
    QTest::keyClick(edit, Qt::Key_Escape);
    ASSERT_EQ(QApplication::focusWidget(), &window);

    // Text on the clipboard is nothing to paste for the window: the readout says so.
    form.Selectall1Click();
    form.state.SelectionRect = {8, 8, 15, 11};  // 8 by 4
    const QImage before = Planes({0, 0, 64, 64});
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Readout(), "NOTHING TO PASTE");
    EXPECT_EQ(Planes({0, 0, 64, 64}), before);

    // A picture another program put there fills the selection's box, alpha and all.
    QImage other(16, 8, QImage::Format_ARGB32);
    other.fill(QColor(10, 20, 30, 40));
    clipboard.setImage(other);
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.imgRGB.Picture.at(8, 8), RGB(10, 20, 30));
    EXPECT_EQ(form.imgA.Picture.at(15, 11), Grey(40));
    EXPECT_EQ(form.imgA.Picture.at(16, 11), Grey((16 + 33) & 255));
    EXPECT_EQ(window.surface()->grab(window.view(form.imgMain)->geometry()).toImage().pixel(33, 33),
              qRgb(10, 20, 30));

    // The selected block is copied alone.
    form.state.SelectionRect = {20, 30, 5, 9};
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    const QImage block = QImage::fromData(clipboard.mimeData()->data("image/png"));
    EXPECT_EQ(block.convertToFormat(QImage::Format_RGBA8888), Planes({5, 9, 16, 22}));
}

// A file copied in a file manager is pasted as a dropped one.
TEST_F(ClipboardWindow, ACopiedFileIsPastedAsADroppedOne) {
    QTemporaryDir dir;
    QImage png(64, 64, QImage::Format_ARGB32);
    png.fill(QColor(1, 2, 3, 4));
    ASSERT_TRUE(png.save(dir.filePath("copied.png")));
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(dir.filePath("copied.png"))});
    clipboard.setMimeData(data);
    window.menuAction("Paste1")->trigger();
    EXPECT_EQ(form.imgRGB.Picture.at(63, 0), RGB(1, 2, 3));
    EXPECT_EQ(form.imgA.Picture.at(0, 63), Grey(4));
}

// Qt decodes, the core fits: a 64 by 64 PNG keeps every pixel and its alpha, a large JPEG shrinks and is
// opaque, and a file no reader knows gives nothing.
TEST(PictureReader, DecodesWithQtsOwnReaders) {
    QTemporaryDir dir;
    QImage exact(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) exact.setPixel(x, y, qRgba(x * 4, y * 4, 9, x + y));
    ASSERT_TRUE(exact.save(dir.filePath("exact.png")));
    QImage photo(200, 100, QImage::Format_RGB32);
    photo.fill(qRgb(0, 128, 255));
    ASSERT_TRUE(photo.save(dir.filePath("photo.jpg"), "JPEG", 100));
    QFile bad(dir.filePath("bad.png"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();

    const auto read = [&](const char* name) { return ReadPictureFile(dir.filePath(name)); };
    ASSERT_TRUE(read("exact.png"));
    const FittedPlanes e = FitPicture(*read("exact.png"));
    EXPECT_EQ(e.rgb.at(10, 20), RGB(40, 80, 9));
    EXPECT_EQ(e.alpha.at(63, 63), Grey(126));
    const FittedPlanes j = FitPicture(*read("photo.jpg"));  // 64 by 32 at rows 16..47
    EXPECT_EQ(j.alpha.at(32, 32), Grey(255));
    EXPECT_EQ(j.alpha.at(0, 15), Grey(0));
    EXPECT_FALSE(read("bad.png"));
    EXPECT_FALSE(read("missing.png"));
    // Past the readers' memory limit (in MiB), refused from the size its header gives.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    EXPECT_TRUE(read("photo.jpg")) << "200 x 100 x 4 bytes fit";
    QImage large(600, 600, QImage::Format_RGB32);
    large.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(large.save(dir.filePath("large.png")));
    EXPECT_FALSE(read("large.png"));
    QImageReader::setAllocationLimit(limit);
    EXPECT_TRUE(read("large.png"));
}

// Answers the next modal window of type W once it opens (the command that opens it blocks till then).
template <class W>
void WhenShown(std::function<void(W*)> answer) {
    QTimer::singleShot(10, [answer] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        w ? answer(w) : WhenShown<W>(answer);
    });
}

// The real dialogs and message boxes of a main window, answered the way a user would.
struct RealDialogs : ::testing::Test {
    QtPlatform platform;
    TMain form{platform};
    MainWindow window{form};
    QTemporaryDir dir;
    QString folder;  // where the last file dialog started, and its filters
    QStringList filters;
    void SetUp() override { platform.setParentWindow(&window); }
    QString path(const char* name) const { return dir.filePath(name); }
    // Runs the menu command and types the name into its file dialog, or cancels it without one.
    void Run(const char* command, const char* name) {
        WhenShown<QFileDialog>([this, name](QFileDialog* d) {
            folder = d->directory().absolutePath();
            filters = d->nameFilters();
            if (!name) return d->reject();
            d->findChild<QLineEdit*>("fileNameEdit")->setText(path(name));
            static_cast<QDialog*>(d)->accept();  // QFileDialog hides accept()
        });
        window.menuAction(command)->trigger();
    }
};

TEST_F(RealDialogs, DialogsStartInTheLastFolderAndBadFilesGetAMessage) {
    Run("Save1", nullptr);  // cancelled: nothing written
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(folder, QDir::current().absolutePath());  // "." the first time
    EXPECT_EQ(filters, QStringList("*.tga (*.tga)"));
    Run("SaveAs1", "logo");
    EXPECT_EQ(QFile(path("logo.tga")).size(), 16402);
    QFile::remove(path("logo.tga"));
    window.menuAction("Save1")->trigger();  // no dialog now
    EXPECT_EQ(QFile(path("logo.tga")).size(), 16402);
    form.imgRGB.Picture.SetPixel(0, 0, clBlack);
    Run("Open1", "logo.tga");
    EXPECT_EQ(folder, dir.path());
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(0, 0), clWhite);

    ASSERT_TRUE(QFile::resize(path("logo.tga"), 10));
    WhenShown<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Error Message");
        EXPECT_EQ(box->text(), "Error: Image not 64x64 pixels.");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        // Room for the caption beside the title bar's buttons.
        EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->windowTitle()) + 150);
        box->accept();
    });
    form.imgRGB.Picture.SetPixel(0, 0, clBlack);
    Run("Open1", "logo.tga");
    EXPECT_EQ(form.imgRGB.Picture.GetPixel(0, 0), clBlack);  // the document stays as it was
    // The name typed last comes back selected, so typing replaces it.
    QString selected;
    WhenShown<QFileDialog>([&selected](QFileDialog* d) {
        selected = d->findChild<QLineEdit*>("fileNameEdit")->selectedText();
        d->reject();
    });
    window.menuAction("Open1")->trigger();
    EXPECT_EQ(selected, path("logo.tga"));
    // One open and one save dialog served every command.
    EXPECT_EQ(window.findChildren<QFileDialog*>().size(), 2);
}

// A PNG with a transparent background imports white under its transparent parts, and Save then offers its
// name as a .tga in its folder.
TEST_F(RealDialogs, ATransparentPngImportsWhiteAndSaveOffersItsName) {
    QImage png(8, 8, QImage::Format_ARGB32);
    png.fill(qRgba(0, 0, 0, 0));
    png.setPixel(3, 4, qRgba(200, 10, 20, 255));
    ASSERT_TRUE(png.save(path("logo.png")));
    form.OpenNamedFile(path("logo.png").toStdString());
    EXPECT_EQ(form.imgRGB.Picture.at(28 + 3, 28 + 4), RGB(200, 10, 20));  // 8 by 8 at columns and rows 28..35
    EXPECT_EQ(form.imgA.Picture.at(28 + 3, 28 + 4), Grey(255));
    for (const auto& [x, y] : {std::pair{28, 28}, {35, 35}, {0, 0}}) {
        EXPECT_EQ(form.imgRGB.Picture.at(x, y), clWhite) << x << "," << y;
        EXPECT_EQ(form.imgA.Picture.at(x, y), Grey(0)) << x << "," << y;
    }
    QStringList offered;
    WhenShown<QFileDialog>([&offered](QFileDialog* d) {
        offered = d->selectedFiles();
        d->reject();
    });
    window.menuAction("Save1")->trigger();
    EXPECT_EQ(offered, QStringList(path("logo.tga")));
}

// Save As onto an existing file asks before replacing it: No goes back to the dialog and leaves the file as
// it was; Yes replaces it.
TEST_F(RealDialogs, SaveAsAsksBeforeReplacingAFile) {
    QFile old(path("old.tga"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old bytes");
    old.close();
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace ? "Yes" : "No");
        bool confirms = false;
        QString question;
        WhenShown<QFileDialog>([&](QFileDialog* d) {
            confirms = !d->testOption(QFileDialog::DontConfirmOverwrite);
            WhenShown<QMessageBox>([&, d](QMessageBox* box) {
                question = box->text();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                // Back in the file dialog after No: cancel it.
                if (!replace) QTimer::singleShot(10, d, [d] { d->reject(); });
            });
            d->findChild<QLineEdit*>("fileNameEdit")->setText(path("old"));
            static_cast<QDialog*>(d)->accept();
        });
        window.menuAction("SaveAs1")->trigger();
        EXPECT_TRUE(confirms);
        EXPECT_TRUE(question.contains("old.tga")) << question.toStdString();
        EXPECT_EQ(QFile(path("old.tga")).size(), replace ? 16402 : 9);
        EXPECT_EQ(form.state.FileName, replace ? path("old.tga").toStdString() : "");
    }
}

// File > Export PNG through the real dialog: a PNG filter, the extension added, the planes in the file,
// and the TGA's name untouched.
TEST_F(RealDialogs, ExportPngWritesThePlanes) {
    form.imgRGB.Picture.at(2, 3) = RGB(9, 8, 7);
    form.imgA.Picture.at(2, 3) = Grey(77);
    Run("ExportPNG1", "exported");
    EXPECT_EQ(filters, QStringList("PNG image (*.png)"));
    const QImage png(path("exported.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(64, 64));
    EXPECT_EQ(png.pixelColor(2, 3), QColor(9, 8, 7, 77));
    EXPECT_EQ(png.pixelColor(0, 0), QColor(255, 255, 255, 0));
    EXPECT_EQ(form.state.FileName, "");
    // Save As does not offer the PNG's name for the TGA file.
    QString offered = "?";
    WhenShown<QFileDialog>([&offered](QFileDialog* d) {
        offered = d->findChild<QLineEdit*>("fileNameEdit")->text();
        d->reject();
    });
    window.menuAction("SaveAs1")->trigger();
    EXPECT_EQ(offered, "");
}

// The real font dialog opens with its own font, then with the one last confirmed; cancelling keeps it.
TEST_F(RealDialogs, FontDialogChoosesTheTextFont) {
    QFont serif("DejaVu Serif");
    serif.setPointSize(15);
    serif.setBold(true);
    QStringList opened;
    const auto answer = [&](bool confirm) {
        WhenShown<QFontDialog>([&opened, serif, confirm](QFontDialog* d) {
            opened << d->currentFont().family();
            d->setCurrentFont(serif);
            confirm ? d->accept() : d->reject();
        });
        window.menuAction("Font1")->trigger();
    };
    answer(true);
    answer(false);
    EXPECT_EQ(opened, QStringList({"DejaVu Sans", "DejaVu Serif"}));
    const TFont& f = form.state.TextFont;
    EXPECT_TRUE(f.name == "DejaVu Serif" && f.height == -20 && f.bold && !f.italic);
    EXPECT_EQ(f.charset, kDefaultCharset);
}

// OK without a change keeps the font as it was: face, style and size.
TEST_F(RealDialogs, FontDialogConfirmedUnchangedKeepsTheFont) {
    for (const TFont& start :
         {TFont{}, TFont{"DejaVu Sans", -16, true}, TFont{"DejaVu Serif", -13, false, true}}) {
        form.dFontDialog.Font = start;
        QString style;
        WhenShown<QFontDialog>([&style](QFontDialog* d) {
            style = d->currentFont().styleName();
            d->accept();
        });
        window.menuAction("Font1")->trigger();
        EXPECT_EQ(form.state.TextFont, start) << start.name << " " << style.toStdString();
    }
}

TEST(QtGlyphs, TextBecomesAHardMask) {
    QtPlatform platform;
    const GlyphRun run = platform.Glyphs().Render(TFont{"DejaVu Sans", -16}, "HI");
    ASSERT_EQ(run.ink.size(), static_cast<std::size_t>(run.width * run.height));
    EXPECT_TRUE(std::ranges::all_of(run.ink, [](auto v) { return v <= 1; }));
    EXPECT_GT(std::ranges::count(run.ink, 1), 20);
    EXPECT_EQ(platform.Glyphs().Render(TFont{}, "").ink.size(), 0u);
}

// The splash lies over the middle of the main window with the keyboard; a click or Escape, Enter or Space
// closes the one it reaches, and the keyboard passes to the next one shown, then to the window.
TEST_F(WindowTest, IntroWindowsCloseByClickOrKeyAndHandBackTheKeyboard) {
    IntroWindows model;
    IntroWindowSet windows(model, window);
    for (int i = 0; i < 3; ++i) {  // at start, then twice as Help > About does
        model.Create();
        windows.sync();
    }
    ASSERT_EQ(windows.windows().size(), 3u);
    IntroWindow& oldest = *windows.windows()[0];
    EXPECT_EQ(oldest.window(), &window);
    EXPECT_EQ(oldest.geometry(),
              QRect(QPoint((window.width() - 381) / 2, (window.height() - 232) / 2), QSize(381, 232)));
    // The newest lies on top.
    EXPECT_EQ(window.childAt(window.rect().center()), windows.windows()[2]->findChild<ImageSurface*>());
    EXPECT_EQ(QApplication::focusWidget(), windows.windows()[2].get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(windows.windows()[2]->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), windows.windows()[1].get());
    QTest::mouseClick(oldest.findChild<ImageSurface*>(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(oldest.isVisible());
    EXPECT_TRUE(windows.windows()[1]->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(windows.windows()[1]->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &window);
}

TEST(HelpFiles, TheFirstFolderHoldingTheFileWins) {
    QTemporaryDir a, b;
    const QStringList folders{a.path(), b.path()};
    EXPECT_EQ(FindHelpFile("kvr_lged.hlp", folders), "");
    QFile(b.filePath("kvr_lged.hlp")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindHelpFile("kvr_lged.hlp", folders), b.filePath("kvr_lged.hlp"));
    QFile(a.filePath("kvr_lged.hlp")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindHelpFile("kvr_lged.hlp", folders), a.filePath("kvr_lged.hlp"));
}

// The working folder, the program's, its prefix's data folder wherever it was installed, then the desktop's.
TEST(HelpFiles, LookedForBesideTheProgramAndInTheDataFolders) {
    QTemporaryDir data;
    qputenv("XDG_DATA_DIRS", data.path().toUtf8());
    const QStringList folders = HelpFolders();
    qunsetenv("XDG_DATA_DIRS");
    const QString program = QCoreApplication::applicationDirPath();
    QStringList first{QDir::currentPath(), program, QDir::cleanPath(program + "/../share/corvanth-logo-editor")};
    first.removeDuplicates();  // a test run from the program's own folder
    EXPECT_EQ(folders.mid(0, first.size()), first);
    EXPECT_TRUE(folders.contains(data.filePath("corvanth-logo-editor")));
}

TEST_F(RealDialogs, ContentsOpensTheShippedHelpAtItsContents) {
    platform.helpFolders = QStringList{CORVANTH_APP_DIR};
    window.menuAction("Contents1")->trigger();
    ASSERT_NE(platform.helpWindow(), nullptr);
    ASSERT_TRUE(platform.helpWindow()->isVisible());
    QTextBrowser* text = platform.helpWindow()->browser();
    EXPECT_EQ(text->documentTitle(), "Corvanth Logo Editor Help");
    for (const char* topic :
         {"The tools", "The alpha plane", "Colours: swatches and sliders", "The file format"})
        EXPECT_TRUE(text->toPlainText().contains(topic)) << topic;
    // The pictures sit beside the file.
    const QImage icon = QImage::fromData(
        text->loadResource(QTextDocument::ImageResource, QUrl("help_tool_0.png")).toByteArray());
    EXPECT_EQ(icon.size(), QSize(48, 44));
    // Beside the editor where the screen has room, else over its middle; Escape closes it.
    const QRect help = platform.helpWindow()->frameGeometry(), editor = window.frameGeometry();
    // (The frame's margins are known only once the window is shown.)
    EXPECT_TRUE(!help.intersects(editor) || (help.center() - editor.center()).manhattanLength() <= 4);
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(platform.helpWindow()->isVisible());
}

TEST_F(RealDialogs, AMissingHelpFileIsReportedInAMessageBox) {
    QTemporaryDir empty;
    platform.helpFolders = QStringList{empty.path()};
    QString said;
    WhenShown<QMessageBox>([&said](QMessageBox* box) {
        said = box->text();
        box->accept();
    });
    window.menuAction("Contents1")->trigger();
    EXPECT_TRUE(said.startsWith("The help file kvr_lged.hlp cannot be opened.")) << said.toStdString();
    EXPECT_FALSE(platform.helpWindow()->isVisible());
}

TEST_F(RealDialogs, ContactInfoBoxHasItsCaptionTwoLinesAndOnlyOk) {
    WhenShown<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Contact info");
        EXPECT_EQ(box->text(), "E-Mail:\tlogo-editor@example.org\nURL:\thttps://www.example.org/logo-editor");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->accept();
    });
    window.menuAction("Contactinfo1")->trigger();
}

TEST_F(RealDialogs, ExitEndsTheEventLoopWithIntroWindowsStillShown) {
    IntroWindows intros;
    IntroWindowSet introWindows(intros, window);
    platform.newIntroWindow = [&intros] { intros.Create(); };
    window.afterHandler = [&introWindows] { introWindows.sync(); };
    window.show();
    window.menuAction("About1")->trigger();
    window.menuAction("About1")->trigger();
    ASSERT_EQ(introWindows.windows().size(), 2u);
    EXPECT_TRUE(introWindows.windows()[1]->isVisible());
    QTimer::singleShot(0, [this] { window.menuAction("Exit1")->trigger(); });
    QTimer watchdog;  // a loop that does not end fails the test instead of hanging it
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace corvanth::qt

// The widgets need one application object for the whole run.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    corvanth::qt::SetUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
