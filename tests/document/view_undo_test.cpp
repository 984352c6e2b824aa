#include <gtest/gtest.h>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

constexpr TColor kRed = 0x0000FF;

struct Editor : ::testing::Test {
    testing::ScriptedPlatform host;
    TMain main{host};
    Bitmap& rgb() { return main.imgRGB.Picture; }
    Bitmap& alpha() { return main.imgA.Picture; }
    Bitmap& view() { return main.imgMain.Picture; }
};

TEST_F(Editor, ViewShowsEachPlanePixelAsAFourByFourCell) {
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
    EXPECT_EQ(alpha(), Bitmap(64, 64, clBlack));
    rgb().at(0, 0) = kRed;
    rgb().at(63, 17) = 0x00FF00;
    main.RedrawView();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) ASSERT_EQ(view().at(x, y), rgb().at(x / 4, y / 4)) << x << "," << y;
}

TEST_F(Editor, GridLinesCloseEveryCellButSpareTheLastPixel) {
    rgb().at(63, 63) = kRed;
    main.mniGridClick();
    EXPECT_TRUE(main.mniGrid.Checked);
    for (int i = 0; i < 256; ++i) {
        const bool line = i % 4 == 3;
        EXPECT_EQ(view().at(i, 1), line ? clBlack : clWhite) << i;
        EXPECT_EQ(view().at(1, i), line ? clBlack : clWhite) << i;
    }
    // The lines stop one short of their end point: (255, 255) keeps its plane colour.
    EXPECT_EQ(view().at(255, 255), kRed);
    EXPECT_EQ(view().at(254, 255), clBlack);
    EXPECT_EQ(view().at(255, 254), clBlack);
    EXPECT_EQ(view().at(252, 252), kRed);

    main.mniGridClick();
    EXPECT_FALSE(main.mniGrid.Checked);
    EXPECT_EQ(view().at(3, 3), clWhite);
    EXPECT_EQ(view().at(255, 254), kRed);
}

TEST_F(Editor, PaintCellSparesTheGrid) {
    for (int grid : {0, 1}) {
        if (grid) main.mniGridClick();
        main.PaintCell(2, 5, kRed);
        for (int dy = 0; dy < 4; ++dy)
            for (int dx = 0; dx < 4; ++dx) {
                const bool onGrid = grid && (dx == 3 || dy == 3);
                EXPECT_EQ(view().at(8 + dx, 20 + dy), onGrid ? clBlack : kRed) << grid << dx << dy;
            }
        EXPECT_EQ(view().at(12, 20), clWhite);  // the next cell is left alone
        EXPECT_EQ(rgb().at(2, 5), clWhite) << "PaintCell changes only the view";
    }
}

TEST_F(Editor, PreviewClicksSwitchPlanesAndTheirControls) {
    alpha().at(1, 1) = Grey(200);
    main.trbR.SetPosition(10);
    const EditorState before = main.state;
    view().at(0, 0) = kRed;  // a click on the plane already shown repaints nothing
    main.imgRGBClick();
    EXPECT_EQ(view().at(0, 0), kRed);
    main.imgAClick();
    EXPECT_EQ(main.state.AlphaMode, 1);
    EXPECT_TRUE(main.trbA.Visible && main.edtA.Visible && main.lblA.Visible);
    EXPECT_FALSE(main.trbR.Visible || main.trbG.Visible || main.trbB.Visible);
    EXPECT_FALSE(main.edtR.Visible || main.lblB.Visible);
    EXPECT_EQ(view().at(4, 4), Grey(200));
    EXPECT_EQ(view().at(0, 0), clBlack);

    view().at(0, 0) = kRed;
    main.imgAClick();
    EXPECT_EQ(view().at(0, 0), kRed);

    main.imgRGBClick();
    EXPECT_EQ(main.state.AlphaMode, 0);
    EXPECT_TRUE(main.trbR.Visible && main.edtG.Visible && main.lblB.Visible);
    EXPECT_FALSE(main.trbA.Visible || main.edtA.Visible || main.lblA.Visible);
    EXPECT_EQ(view().at(0, 0), clWhite);
    EXPECT_EQ(main.trbR.Position(), 10);
    EXPECT_EQ(main.state.PrimaryAlpha, before.PrimaryAlpha);
    EXPECT_EQ(main.state.ActiveSwatch, before.ActiveSwatch);
}

TEST_F(Editor, UndoRestoresBothPlanesFromTheLastSnapshotAndKeepsIt) {
    // Before any snapshot there is nothing to bring back, but the selection still goes.
    rgb().at(1, 2) = kRed;
    main.state.SelectionActive = true;
    main.Undo1Click();
    EXPECT_EQ(rgb().at(1, 2), kRed);
    EXPECT_FALSE(main.state.SelectionActive);
    alpha().at(1, 2) = Grey(9);
    main.SaveUndo();
    const Bitmap rgbSnap = rgb(), alphaSnap = alpha();
    rgb().at(1, 2) = clBlack;
    alpha() = Bitmap(64, 64, Grey(77));
    main.Undo1Click();
    EXPECT_EQ(rgb(), rgbSnap);
    EXPECT_EQ(alpha(), alphaSnap);
    EXPECT_EQ(view().at(4, 8), kRed);
    // The snapshot stays: a second undo after more painting brings it back again.
    rgb().at(0, 0) = 0x00FF00;
    main.Undo1Click();
    EXPECT_EQ(rgb(), rgbSnap);
}

TEST_F(Editor, NewClearsThePlanesAndNameButNothingElse) {
    main.imgAClick();
    main.mniGridClick();
    main.state.SelectionActive = true;
    main.state.FileName = "logo.tga";
    rgb().at(5, 5) = kRed;
    alpha().at(5, 5) = Grey(255);
    main.SaveUndo();
    main.New1Click();
    EXPECT_EQ(rgb(), Bitmap(64, 64, clWhite));
    EXPECT_EQ(alpha(), Bitmap(64, 64, clBlack));
    EXPECT_EQ(main.state.FileName, "");
    EXPECT_EQ(main.state.AlphaMode, 1);
    EXPECT_EQ(main.state.GridVisible, 1);
    EXPECT_TRUE(main.state.SelectionActive);
    EXPECT_EQ(view().at(20, 20), clBlack);  // the alpha plane is shown
    // New takes no snapshot: undo brings back the painted planes.
    main.Undo1Click();
    EXPECT_EQ(rgb().at(5, 5), kRed);
    EXPECT_EQ(alpha().at(5, 5), Grey(255));
}

}  // namespace
}  // namespace corvanth
