// The tools that preview from a press snapshot: line, rectangle, ellipse, selection and move, text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "document/composite.hpp"
#include "document/plane.hpp"
#include "form_fixture.hpp"
#include "tools/shapes.hpp"

namespace corvanth {
namespace {

class Shapes : public EitherPlane {
  protected:
    std::string Crop(TRect r) { return Art(plane(), r, {primary(), base()}, "#."); }
    int Count(TColor c) { return static_cast<int>(std::ranges::count(plane().pixels(), c)); }
};

// From every corner to the opposite one, outline and filled; a detour to a larger box first is undone.
TEST_P(Shapes, RectangleFromEveryCornerIsTheSameBox) {
    const TPoint corners[] = {{10, 10}, {20, 10}, {20, 15}, {10, 15}};
    const char* outline =
        "............\n"
        ".##########.\n"
        ".#........#.\n"
        ".#........#.\n"
        ".#........#.\n"
        ".##########.\n"
        "............\n";
    const char* box =
        "............\n"
        ".##########.\n"
        ".##########.\n"
        ".##########.\n"
        ".##########.\n"
        ".##########.\n"
        "............\n";
    primary() = Grey(90);
    for (bool filled : {false, true}) {
        form.chkFilled.Checked = filled;
        for (int i = 0; i < 4; ++i) {
            form.New1Click();
            Drag(Rectangle, {corners[i], {40, 40}, corners[(i + 2) % 4]});
            EXPECT_EQ(Count(Grey(90)), filled ? 50 : 26) << i;
            EXPECT_EQ(Crop({9, 9, 21, 16}), filled ? box : outline) << i;
        }
    }
}

// A press and release in place paints nothing; a two-pixel box paints its one pixel.
TEST_P(Shapes, EmptyBoxesAndZeroLinesPaintNothing) {
    for (int tool : {Line, Rectangle, Ellipse}) {
        Drag(tool, {{30, 30}});
        Drag(tool, {{5, 7}, {9, 7}, {5, 7}});
        EXPECT_EQ(plane(), Bitmap(64, 64, base())) << tool;
    }
    Drag(Rectangle, {{10, 10}, {11, 11}});
    EXPECT_EQ(Crop({9, 9, 12, 12}), "...\n.#.\n...\n");
}

// The line runs from the press pixel toward the pointer and leaves out the pointer's own pixel.
TEST_P(Shapes, LineStartsAtThePressAndStopsShortOfThePointer) {
    Drag(Line, {{20, 10}, {5, 5}, {10, 10}});
    EXPECT_EQ(Crop({9, 9, 22, 12}), ".............\n..##########.\n.............\n");
    Drag(Line, {{30, 10}, {32, 16}});
    EXPECT_EQ(Crop({29, 9, 34, 17}), ".....\n.#...\n.#...\n..#..\n..#..\n..#..\n...#.\n.....\n");
}

// "Filled" left checked under Rectangle fills the ellipse too; unchecked it is an outline.
TEST_P(Shapes, FilledCountsForTheEllipseWhileHidden) {
    form.imgToolbarMouseDown(TMouseButton::mbLeft, 80, 10);
    form.chkFilled.Checked = true;
    form.imgToolbarMouseDown(TMouseButton::mbLeft, 100, 10);
    ASSERT_FALSE(form.chkFilled.Visible);
    Drag(Ellipse, {{10, 10}, {19, 17}});
    EXPECT_EQ(Crop({9, 13, 20, 14}), ".#########.\n");  // the middle row
    form.chkFilled.Checked = false;
    Drag(Ellipse, {{30, 10}, {39, 17}});
    EXPECT_EQ(Crop({29, 13, 40, 14}), ".#.......#.\n");
}

// Past the view's edge the shape is the larger one, cut to the plane.
TEST_P(Shapes, DragsPastTheViewEdgeClip) {
    Drag(Rectangle, {{60, 58}, {70, -3}});
    EXPECT_EQ(Crop({58, 0, 64, 3}), "..#...\n..#...\n..#...\n");
    EXPECT_EQ(Crop({58, 55, 64, 59}), "..#...\n..#...\n..####\n......\n");
    EXPECT_EQ(Count(primary()), 58 + 3);
}

// Each move shows the press snapshot with only the current shape, in the plane, the view (with and
// without the grid) and the composite, wherever the shapes before it lay, even after something else
// wrote the plane or the colour changed under a pointer that stayed on its pixel.
TEST_P(Shapes, EachMoveShowsTheSnapshotWithOnlyTheCurrentShape) {
    std::mt19937 random(11);
    for (TColor& c : plane().pixels()) c = random() % 3 ? base() : Grey(static_cast<int>(random() % 256));
    using Shape = void (*)(TCanvas, TPoint, TPoint, TColor, bool);
    const std::pair<int, Shape> tools[] = {
        {Line, [](TCanvas c, TPoint a, TPoint b, TColor k, bool) { DrawLine(c, a, b, k); }},
        {Rectangle, DrawRectangle},
        {Ellipse, DrawEllipse}};
    for (int run = 0; run < 6; ++run) {
        const auto& [tool, draw] = tools[run % 3];
        const bool grid = run >= 3;
        form.state.GridVisible = grid;
        form.state.CurrentTool = tool;
        form.chkFilled.Checked = tool == Ellipse;
        primary() = Grey(77);
        const Bitmap snapshot = plane();
        const TPoint from{20, 30};
        form.imgMainMouseDown(TMouseButton::mbLeft, ViewAt(from.x, 1), ViewAt(from.y, 1));
        TPoint to = from;
        for (int i = 0; i < 40; ++i) {
            if (i == 20) plane().SetPixel(1, 62, Grey(1));  // behind the preview's back
            if (i == 30) primary() = Grey(78);
            // Some moves stay on the last pixel; now and then one goes just past the corner, so the
            // rectangle covers the last pixel, where the grid lines stop short.
            if (i % 10 != 0 && i % 7 != 3)
                to = i % 8 == 7
                         ? TPoint{64, 64}
                         : TPoint{static_cast<int>(random() % 70) - 3, static_cast<int>(random() % 70) - 3};
            form.imgMainMouseMove(ViewAt(to.x, i % 4), ViewAt(to.y, 3 - i % 4));
            Bitmap expected = snapshot;
            CanvasState pen;
            draw(TCanvas(expected, pen), from, to, primary(), form.chkFilled.Checked);
            ASSERT_EQ(plane(), expected) << tool << " move " << i;
            TImage view, composite;
            view.bounds = {0, 0, kViewSize, kViewSize};
            composite.bounds = {0, 0, kPlaneSize, kPlaneSize};
            RedrawView(view.GetCanvas(), plane(), grid);
            ASSERT_EQ(form.imgMain.Picture, view.Picture) << tool << " move " << i << " grid " << grid;
            form.RefreshPreviews();
            Compose(composite.GetCanvas().bitmap(), form.imgRGB.Picture, form.imgA.Picture,
                    Backdrop::Checkerboard, {0, 0, kPlaneSize, kPlaneSize});
            ASSERT_EQ(form.imgComposite.Picture, composite.Picture) << tool << " move " << i;
        }
        form.imgMainMouseUp(TMouseButton::mbLeft, 0, 0);
        plane() = snapshot;
    }
    plane() = Bitmap(64, 64, base());
}

INSTANTIATE_TEST_SUITE_P(Planes, Shapes, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Alpha" : "Rgb"; });

// Selection and move: a picture with a gradient, so any misplaced pixel shows.
class Selection : public EitherPlane {
  protected:
    void SetUp() override {
        EitherPlane::SetUp();
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) plane().at(x, y) = Grey(2 * x + y);
        secondary() = Grey(255);
        form.RedrawView();
    }
    TColor View(int X, int Y) { return form.imgMain.Picture.GetPixel(X, Y); }
    bool Framed(int X, int Y) { return View(X, Y) == clWhite || View(X, Y) == clBlack; }
};

// A click frames one cell; dragging back from the opposite corner gives the same box. The frame is gone
// after a repaint of the view and back with the next hover.
TEST_P(Selection, SelectFramesTheCellsFromEitherCorner) {
    Drag(Select, {{2, 3}});
    EXPECT_EQ(form.state.SelectionRect, (SelectionCorners{2, 3, 2, 3}));
    EXPECT_TRUE(Framed(7, 12) && Framed(11, 12) && Framed(9, 11) && Framed(9, 15));
    EXPECT_EQ(View(8, 12), plane().at(2, 3));
    Drag(Select, {{5, 6}, {4, 4}, {2, 3}});
    EXPECT_EQ(form.state.SelectionRect, (SelectionCorners{5, 6, 2, 3}));
    EXPECT_TRUE(Framed(7, 27) && Framed(23, 11) && !Framed(6, 11) && !Framed(24, 11));
    EXPECT_FALSE(Framed(11, 12));  // the first frame went with the new press
    form.mniGridClick();
    form.mniGridClick();
    EXPECT_FALSE(Framed(7, 27));
    form.imgMainMouseMove(100, 100);
    EXPECT_TRUE(Framed(7, 27));
    // Further hovers find it standing and write nothing.
    const auto changes = form.imgMain.Picture.changes();
    form.imgMainMouseMove(120, 90);
    EXPECT_EQ(form.imgMain.Picture.changes(), changes);
    // A dab over the frame's left edge: the press frames the cell again.
    primary() = Grey(100);
    Drag(Pencil, {{1, 4}});
    EXPECT_TRUE(Framed(7, 17) && View(6, 17) == Grey(100));
}

// Select All, a drag by (10, 10): the hole in the top rows and left columns, the picture shifted, the
// frame's left and top edges on view column and row 39. A second drag lifts the block from there.
TEST_P(Selection, MoveTheWholePlaneAndLiftItAgain) {
    const Bitmap before = plane();
    form.Selectall1Click();
    EXPECT_TRUE(Framed(255, 100) && !Framed(0, 100));
    Drag(Move, {{30, 30}, {35, 31}, {40, 40}});
    for (auto [x, y] : {std::pair{9, 40}, {40, 9}, {0, 0}}) EXPECT_EQ(plane().at(x, y), Grey(255));
    EXPECT_EQ(plane().at(10, 10), before.at(0, 0));
    EXPECT_EQ(plane().at(63, 63), before.at(53, 53));
    EXPECT_EQ(form.state.SelectionRect, (SelectionCorners{10, 10, 73, 73}));
    EXPECT_TRUE(Framed(39, 100) && Framed(100, 39) && !Framed(40, 100) && !Framed(255, 100));
    Drag(Move, {{0, 0}, {-10, 0}});
    EXPECT_EQ(plane().at(0, 10), before.at(0, 0));
    EXPECT_EQ(plane().at(53, 20), before.at(53, 10));
    EXPECT_EQ(plane().at(54, 20), Grey(255));
}

// Back to the start within one drag restores the plane exactly; half out and back brings back only the
// half that stayed inside.
TEST_P(Selection, MoveBackRestoresOnlyWhatStayedInside) {
    const Bitmap before = plane();
    Drag(Select, {{10, 20}, {19, 29}});
    Drag(Move, {{15, 25}, {3, 1}, {-7, 40}, {15, 25}});
    EXPECT_EQ(plane(), before);
    Drag(Move, {{15, 25}, {-40, 25}, {0, 25}});
    EXPECT_EQ(form.state.SelectionRect, (SelectionCorners{-5, 20, 4, 29}));
    Drag(Move, {{0, 0}, {15, 0}});
    Bitmap want = before;
    for (int y = 20; y < 30; ++y)
        for (int x : {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}) want.at(x, y) = Grey(255);
    EXPECT_EQ(plane(), want);
}

// A switch of plane or a filter before the release ends the move: the selection stays where it was.
TEST_P(Selection, AMoveEndedBeforeTheReleaseLeavesTheSelection) {
    for (auto command : {alpha() ? &TMain::imgRGBClick : &TMain::imgAClick, &TMain::FlipHorizontal1Click}) {
        alpha() ? form.imgAClick() : form.imgRGBClick();
        Drag(Select, {{10, 20}, {19, 29}});
        form.state.CurrentTool = Move;
        form.imgMainMouseDown(TMouseButton::mbLeft, ViewAt(15, 1), ViewAt(25, 1));
        form.imgMainMouseMove(ViewAt(20, 1), ViewAt(25, 1));
        (form.*command)();
        form.imgMainMouseUp(TMouseButton::mbLeft, ViewAt(20, 1), ViewAt(25, 1));
        EXPECT_EQ(form.state.SelectionRect, (SelectionCorners{10, 20, 19, 29}));
    }
}

// Select All, Deselect and Undo set and clear the flag; without a selection a move does nothing.
TEST_P(Selection, DeselectAndUndoEndTheSelection) {
    const Bitmap before = plane();
    for (auto end : {&TMain::Deselect1Click, &TMain::Undo1Click}) {
        form.Selectall1Click();
        EXPECT_TRUE(form.state.SelectionActive);
        (form.*end)();
        EXPECT_FALSE(form.state.SelectionActive);
        EXPECT_FALSE(Framed(255, 100));
        Drag(Move, {{30, 30}, {40, 40}});
        EXPECT_EQ(plane(), before);
        EXPECT_FALSE(Framed(255, 100));
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, Selection, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Alpha" : "Rgb"; });

// Text with blocks of 3 by 5 for glyphs and a one-column gap: primary glyphs on a secondary box.
class TextEntry : public EitherPlane {
  protected:
    // The box's top two rows and bottom two rows (with the rows just outside).
    std::string Crop() {
        return Art(plane(), {9, 19, 19, 21}, {primary(), secondary(), base()}) +
               Art(plane(), {9, 24, 19, 26}, {primary(), secondary(), base()});
    }
    void SetUp() override {
        EitherPlane::SetUp();
        primary() = Grey(10);
        secondary() = Grey(200);
        form.state.CurrentTool = Text;
        Click(10, 20);
    }
};

// H, i, Backspace, Enter leaves the H; the release of Enter draws nothing. The next entry starts with an
// empty box and keeps the H, and Undo takes all of that entry.
TEST_P(TextEntry, TypedTextFollowsTheBoxAndStaysAfterEnter) {
    EXPECT_TRUE(form.edtText.Visible && form.edtText.Text().empty());
    EXPECT_EQ(plane(), Bitmap(64, 64, base()));
    const char* h = "..........\n.###o.....\n.###o.....\n..........\n";
    Type("H", 'H');
    EXPECT_EQ(Crop(), h);
    Type("Hi", 'I');
    EXPECT_EQ(Crop(), "..........\n.###o###o.\n.###o###o.\n..........\n");
    Type("H", 8);
    Type("H", 13);
    EXPECT_FALSE(form.edtText.Visible);
    EXPECT_EQ(Crop(), h);
    const Bitmap first = plane();
    Click(30, 40);
    EXPECT_TRUE(form.edtText.Visible && form.edtText.Text().empty());
    Type("ab", 'B');
    EXPECT_EQ(Crop(), h);
    EXPECT_EQ(plane().at(30, 40), primary());
    form.Undo1Click();
    EXPECT_EQ(plane(), first);
}

// The font confirmed in the dialog draws the text from the next key release on, in the primary colour
// whatever colour the dialog gave it; a cancelled dialog keeps it.
TEST_P(TextEntry, TheChosenFontDrawsTheText) {
    TFont chosen{.name = "Serif", .height = -20, .bold = true, .color = RGB(255, 0, 0)};
    host.fontAnswers = {chosen, std::nullopt};
    form.Font1Click();
    form.Font1Click();
    Type("H", 'H');
    chosen.color = primary();
    EXPECT_EQ(host.glyphs.lastFont, chosen);
}

// While an entry is open a command switches the active plane, undoes, clears, opens, blurs or flips:
// the entry ends with the text drawn so far (gone with the undo, clear or open, changed by the filter),
// and typing on changes neither plane.
TEST_P(TextEntry, CommandsEndAnOpenEntry) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("corvanth_text_entry_" + std::to_string(::getpid()) + ".tga");
    ASSERT_TRUE(form.WriteTgaFile(file.string()));
    host.openAnswers = {file.string()};
    enum After { Kept, Blank, Changed };
    const std::pair<void (TMain::*)(), After> commands[] = {
        {alpha() ? &TMain::imgRGBClick : &TMain::imgAClick, Kept},
        {&TMain::Undo1Click, Blank},
        {&TMain::New1Click, Blank},
        {&TMain::Open1Click, Blank},
        {&TMain::Blur101Click, alpha() ? Kept : Changed},  // blur works on the RGB plane only
        {&TMain::FlipHorizontal1Click, Changed}};
    for (auto [command, after] : commands) {
        form.New1Click();
        alpha() ? form.imgAClick() : form.imgRGBClick();
        Click(10, 20);
        Type("H", 'H');
        const Bitmap typed = plane();
        (form.*command)();
        EXPECT_FALSE(form.edtText.Visible);
        if (after == Changed) {
            EXPECT_NE(plane(), typed);
        } else {
            EXPECT_EQ(plane(), after == Kept ? typed : Bitmap(64, 64, base()));
        }
        const Bitmap rgb = form.imgRGB.Picture, a = form.imgA.Picture;
        Type("Hi", 'I');
        EXPECT_TRUE(form.imgRGB.Picture == rgb && form.imgA.Picture == a);
    }
    form.New1Click();
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Planes, TextEntry, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Alpha" : "Rgb"; });

}  // namespace
}  // namespace corvanth
