// The composite preview, the active plane's marker and the readout below the view.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

#include "app/artwork.hpp"
#include "app/tmain.hpp"
#include "document/composite.hpp"
#include "document/readout.hpp"
#include "scripted_platform.hpp"
#include "tools/selection.hpp"

namespace corvanth {
namespace {

// Pixel (0, 0) is (200, 100, 0) at alpha 128 on a light checker square, (4, 0) is (10, 250, 0) at alpha 30
// on a dark one, (8, 0) is opaque and (16, 0) fully transparent on a light square.
TEST(Composite, StraightAlphaOverEachBackdropRoundedToNearest) {
    Bitmap rgb(64, 64, RGB(9, 9, 9)), alpha(64, 64, Grey(255));
    rgb.at(0, 0) = RGB(200, 100, 0), alpha.at(0, 0) = Grey(128);
    rgb.at(4, 0) = RGB(10, 250, 0), alpha.at(4, 0) = Grey(30);
    alpha.at(16, 0) = Grey(0);
    const std::tuple<Backdrop, TColor, TColor, TColor> cases[] = {
        {Backdrop::Checkerboard, RGB(200, 150, 100), RGB(135, 164, 134), RGB(200, 200, 200)},
        {Backdrop::Black, RGB(100, 50, 0), RGB(1, 29, 0), clBlack},
        {Backdrop::White, RGB(227, 177, 127), RGB(226, 254, 225), clWhite},
    };
    for (const auto& [backdrop, half, faint, clear] : cases) {
        Bitmap preview;
        Compose(preview, rgb, alpha, backdrop, {0, 0, 64, 64});
        EXPECT_EQ(preview.at(0, 0), half) << static_cast<int>(backdrop);
        EXPECT_EQ(preview.at(4, 0), faint) << static_cast<int>(backdrop);
        EXPECT_EQ(preview.at(8, 0), RGB(9, 9, 9)) << static_cast<int>(backdrop);
        EXPECT_EQ(preview.at(16, 0), clear) << static_cast<int>(backdrop);
    }
    // The tile halves the logo: preview (0, 0) and its three copies average plane pixels (0..1, 0..1).
    rgb = Bitmap(64, 64, RGB(255, 0, 0)), alpha = Bitmap(64, 64, Grey(255));
    rgb.at(1, 1) = RGB(0, 0, 255);
    Bitmap tile;
    Compose(tile, rgb, alpha, Backdrop::Tile, {0, 0, 64, 64});
    for (const auto& [x, y] : {std::pair{0, 0}, {32, 0}, {0, 32}, {32, 32}})
        EXPECT_EQ(tile.at(x, y), RGB(191, 0, 64));
    EXPECT_EQ(tile.at(1, 1), RGB(255, 0, 0));
}

TEST(Composite, FollowsThePlanesAndCyclesItsBackdropOnClicks) {
    testing::ScriptedPlatform host;
    TMain main(host);
    EXPECT_EQ(main.imgComposite.Picture.at(0, 0), RGB(200, 200, 200));  // a new document is transparent
    main.imgA.Picture.at(10, 20) = Grey(255);
    main.imgRGB.Picture.at(10, 20) = RGB(1, 2, 3);
    main.imgA.Picture.at(63, 63) = Grey(255);
    main.RefreshPreviews();
    EXPECT_EQ(main.imgComposite.Picture.at(10, 20), RGB(1, 2, 3));
    EXPECT_EQ(main.imgComposite.Picture.at(63, 63), clWhite);
    const std::pair<Backdrop, TColor> clicks[] = {{Backdrop::Black, clBlack},
                                                  {Backdrop::White, clWhite},
                                                  {Backdrop::Tile, RGB(200, 200, 200)},
                                                  {Backdrop::Checkerboard, RGB(200, 200, 200)}};
    for (const auto& [backdrop, corner] : clicks) {
        main.imgCompositeClick();
        EXPECT_EQ(main.state.CompositeBackdrop, backdrop);
        EXPECT_EQ(main.imgComposite.Picture.at(0, 0), corner);
    }
    // The marker moves with the active plane: the ring of the alpha preview's well turns accent.
    const Ink ringBefore = main.Image2.Picture.at(31, 170);
    main.imgAClick();
    main.RefreshPreviews();
    EXPECT_NE(main.Image2.Picture.at(31, 170), ringBefore);
    EXPECT_EQ(main.Image2.Picture.at(31, 60), ringBefore);
}

TEST(Readout, TextForEachModeAndDrag) {
    const TColor orange = RGB(255, 128, 0);
    const std::tuple<std::optional<TPoint>, bool, std::optional<DragSize>, const char*> cases[] = {
        {TPoint{12, 34}, false, std::nullopt, "12, 34  255 128 0 #FF8000  A 128"},
        {TPoint{12, 34}, true, std::nullopt, "12, 34  A 128"},
        {TPoint{0, 63}, false, DragSize{40, 20}, "0, 63  255 128 0 #FF8000  A 128  40 X 20"},
        {std::nullopt, false, DragSize{1, 64}, "1 X 64"},  // dragged off the view
        {std::nullopt, false, std::nullopt, ""},
    };
    for (const auto& [pixel, alphaMode, drag, text] : cases)
        EXPECT_EQ(ReadoutText(pixel, orange, 128, alphaMode, drag), text);
}

TEST(Readout, FollowsThePointerAndMeasuresShapeAndSelectionDrags) {
    testing::ScriptedPlatform host;
    TMain main(host);
    main.imgA.Picture.at(2, 3) = Grey(77);
    main.ShowReadout(2 * 4 + 3, 3 * 4);
    EXPECT_EQ(main.Readout(), "2, 3  255 255 255 #FFFFFF  A 77");
    main.ShowReadout(256, 10);
    EXPECT_EQ(main.Readout(), "");
    main.state.CurrentTool = Rectangle;  // dragged from plane pixel (5, 6) to (1, 15): columns 1-4, rows 6-14
    main.imgMainMouseDown(TMouseButton::mbLeft, 5 * 4, 6 * 4);
    main.imgMainMouseMove(4, 60);
    main.ShowReadout(4, 60);
    EXPECT_EQ(main.Readout(), "1, 15  255 255 255 #FFFFFF  A 0  4 X 9");
    main.imgMainMouseUp(TMouseButton::mbLeft, 4, 60);
    main.imgAClick();
    main.state.CurrentTool = Select;  // from (1, 15) to (3, 15) on the alpha plane
    main.imgMainMouseDown(TMouseButton::mbLeft, 4, 60);
    main.imgMainMouseMove(12, 60);
    main.ShowReadout(12, 60);
    EXPECT_EQ(main.Readout(), "3, 15  A 0  3 X 1");
    main.imgMainMouseUp(TMouseButton::mbLeft, 12, 60);
    main.ShowReadout(4, 60);  // no drag once released
    EXPECT_EQ(main.Readout(), "1, 15  A 0");
    main.HideReadout();
    EXPECT_EQ(main.Readout(), "");
}

// The size read out while dragging is the box of the pixels the release leaves on the plane.
TEST(Readout, DragSizeIsWhatTheReleaseDraws) {
    const std::tuple<ToolId, TPoint, TPoint> drags[] = {
        {Rectangle, {20, 20}, {40, 40}}, {Rectangle, {40, 30}, {10, 5}}, {Ellipse, {5, 50}, {45, 10}},
        {Line, {2, 10}, {62, 34}},       {Line, {30, 60}, {28, 1}},      {Line, {9, 9}, {30, 30}},
        {Select, {8, 50}, {3, 40}},
    };
    for (const auto& [tool, from, to] : drags) {
        testing::ScriptedPlatform host;
        TMain main(host);
        main.state.CurrentTool = tool;
        main.imgMainMouseDown(TMouseButton::mbLeft, from.x * 4, from.y * 4);
        main.imgMainMouseMove(to.x * 4, to.y * 4);
        main.ShowReadout(to.x * 4, to.y * 4);
        main.imgMainMouseUp(TMouseButton::mbLeft, to.x * 4, to.y * 4);
        TRect drawn{64, 64, 0, 0};
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                if (main.imgRGB.Picture.GetPixel(x, y) != clWhite)
                    drawn = {std::min(drawn.left, x), std::min(drawn.top, y), std::max(drawn.right, x + 1),
                             std::max(drawn.bottom, y + 1)};
        if (tool == Select)
            drawn = SelectionBox(main.state.SelectionRect);  // a frame is drawn on the view only
        const std::string size = std::to_string(drawn.width()) + " X " + std::to_string(drawn.height());
        EXPECT_TRUE(main.Readout().ends_with("  " + size))
            << tool << ": " << main.Readout() << ", drew " << size;
    }
}

// Texts of one length redraw only the cells that differ; whatever came before, the strip is the one a
// fresh form paints for the last text.
TEST(Readout, StripMatchesAFreshPaintAfterAnySequence) {
    testing::ScriptedPlatform host;
    TMain main(host);
    std::string shown;
    for (const std::string_view text :
         {"2, 3  A 77", "2, 4  A 77", "9, 4  A 70", "9, 4  A 70", "19, 4  A 7", "", "63, 63  A 255",
          "6, 63  A 255", "6, 63  A 255  5 X 10", "6, 6  A 2"}) {
        PaintReadout(main, shown, text);
        shown = text;
        TMain fresh(host);
        PaintReadout(fresh, "", text);
        ASSERT_EQ(main.Image4.Picture, fresh.Image4.Picture) << text;
    }
}

}  // namespace
}  // namespace corvanth
