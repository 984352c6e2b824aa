#include <gtest/gtest.h>

#include <string>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

class ColourPanel : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    TColor panel(int x, int y) { return form.imgColors.Picture.at(x, y); }
};

// Text typed into an edit box, and what the box, its slider and the colour end with.
struct Typed {
    char channel;  // 'R', 'G' or 'B'
    int before;    // slider position before typing
    std::string text;
    int position;
    std::string shown;
};
class EditCascade : public ColourPanel, public ::testing::WithParamInterface<Typed> {};

TEST_P(EditCascade, SliderAndColourFollow) {
    const Typed t = GetParam();
    TEdit& edit = t.channel == 'R' ? form.edtR : t.channel == 'G' ? form.edtG : form.edtB;
    TTrackBar& bar = t.channel == 'R' ? form.trbR : t.channel == 'G' ? form.trbG : form.trbB;
    bar.SetPosition(t.before);
    edit.SetTextBuf(t.text);
    EXPECT_EQ(bar.Position(), t.position);
    EXPECT_EQ(edit.Text(), t.shown);
    const int shift = t.channel == 'R' ? 0 : t.channel == 'G' ? 8 : 16;
    EXPECT_EQ(form.state.PrimaryRGB, static_cast<TColor>(t.position) << shift);
    EXPECT_EQ(panel(25, 10), form.state.PrimaryRGB);
}

INSTANTIATE_TEST_SUITE_P(Examples, EditCascade,
                         ::testing::Values(Typed{'R', 0, "300", 255, "255"},
                                           Typed{'R', 255, "2555", 255, "255"},
                                           Typed{'R', 0, "99999999999999999999", 255, "255"},
                                           Typed{'G', 0, "-5", 0, "-5"}, Typed{'G', 40, "-5", 0, "0"},
                                           Typed{'B', 0, "12abc", 12, "12"},
                                           Typed{'B', 12, "12abc", 12, "12abc"}, Typed{'B', 7, "", 0, "0"},
                                           Typed{'B', 0, "abc", 0, "abc"}, Typed{'R', 0, "  +42", 42, "42"}));

TEST_F(ColourPanel, SliderWritesItsEditAndTheSwatch) {
    form.trbB.SetPosition(200);
    EXPECT_EQ(form.edtB.Text(), "200");
    EXPECT_EQ(form.state.PrimaryRGB, RGB(0, 0, 200));
    EXPECT_EQ(panel(37, 24), RGB(0, 0, 200));
}

TEST_F(ColourPanel, BrushSizeClampsAndMendsItsText) {
    form.trbBrushSize.SetPosition(4);
    EXPECT_EQ(form.state.BrushSize, 4);
    form.edtBrushSize.SetTextBuf("0");
    EXPECT_EQ(form.state.BrushSize, 1);
    EXPECT_EQ(form.edtBrushSize.Text(), "1");
    form.edtBrushSize.SetTextBuf("9");
    EXPECT_EQ(form.state.BrushSize, 8);
    EXPECT_EQ(form.edtBrushSize.Text(), "8");
    form.edtBrushSize.SetTextBuf("123");
    EXPECT_EQ(form.edtBrushSize.Text(), "8");
    EXPECT_EQ(form.state.PrimaryRGB, clBlack);  // the brush pair leaves the colours alone
}

TEST_F(ColourPanel, PanelPixels) {
    EXPECT_EQ(panel(0, 0), 0x7F7F7Fu);
    EXPECT_EQ(panel(96, 0), 0x7F7F7Fu);
    EXPECT_EQ(panel(0, 31), 0x7F7F7Fu);
    EXPECT_EQ(panel(1, 31), clBlack);
    EXPECT_EQ(panel(96, 31), clBlack);
    EXPECT_EQ(panel(96, 1), clBlack);
    EXPECT_EQ(panel(1, 1), 0x282828u);
    EXPECT_EQ(panel(95, 30), 0x282828u);
    // The exchange arrow: its middle row is solid, its tips are single pixels.
    for (int x = 44; x < 52; ++x) EXPECT_EQ(panel(x, 15), clBlack);
    EXPECT_EQ(panel(46, 13), clBlack);
    EXPECT_EQ(panel(44, 13), 0x282828u);
    EXPECT_EQ(panel(43, 15), 0x282828u);
    EXPECT_EQ(panel(52, 15), 0x282828u);
}

TEST_F(ColourPanel, FramesFollowTheActiveSwatch) {
    const auto dotted = [&](int left) {
        EXPECT_EQ(panel(left, 6), clWhite);
        EXPECT_EQ(panel(left + 1, 6), clWhite);
        EXPECT_EQ(panel(left + 2, 6), clBlack);
        EXPECT_EQ(panel(left + 19, 6), clWhite);
        EXPECT_EQ(panel(left, 25), clWhite);
        EXPECT_EQ(panel(left + 19, 25), clWhite);
        EXPECT_EQ(panel(left + 19, 14), clBlack);  // r = 8
    };
    const auto solid = [&](int left) {
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(panel(left + i, 6), clBlack);
            EXPECT_EQ(panel(left, 6 + i), clBlack);
        }
    };
    dotted(19);
    solid(57);
    EXPECT_EQ(panel(20, 7), clBlack);  // primary black
    EXPECT_EQ(panel(75, 24), clWhite);
    form.imgColorsMouseDown(TMouseButton::mbRight, 76, 25);  // the hit area's far corner
    EXPECT_EQ(form.state.ActiveSwatch, 1);
    dotted(57);
    solid(19);
    EXPECT_EQ(form.trbR.Position(), 255);
    EXPECT_EQ(form.edtG.Text(), "255");
    form.imgColorsMouseDown(TMouseButton::mbLeft, 38, 25);
    EXPECT_EQ(form.state.ActiveSwatch, 0);
    EXPECT_EQ(form.trbR.Position(), 0);
}

TEST_F(ColourPanel, PressesJustOutsideHitNothing) {
    for (auto [x, y] :
         {std::pair{57, 10}, {77, 10}, {60, 6}, {60, 26}, {42, 15}, {54, 15}, {48, 12}, {48, 21}}) {
        form.imgColorsMouseDown(TMouseButton::mbLeft, x, y);
        EXPECT_EQ(form.state.ActiveSwatch, 0) << x << "," << y;
        EXPECT_EQ(form.state.PrimaryRGB, clBlack) << x << "," << y;
        EXPECT_EQ(form.state.SecondaryRGB, clWhite) << x << "," << y;
    }
}

TEST_F(ColourPanel, ArrowExchangesTheActivePlanesPairOnly) {
    form.imgColorsMouseDown(TMouseButton::mbLeft, 43, 13);
    EXPECT_EQ(form.state.PrimaryRGB, clWhite);
    EXPECT_EQ(form.state.SecondaryRGB, clBlack);
    EXPECT_EQ(form.state.PrimaryAlpha, clWhite);
    EXPECT_EQ(form.state.SecondaryAlpha, clBlack);
    EXPECT_EQ(form.state.ActiveSwatch, 0);
    EXPECT_EQ(form.edtB.Text(), "255");
    EXPECT_EQ(panel(20, 7), clWhite);

    form.imgAClick();
    form.trbA.SetPosition(255);  // sliders agree with PrimaryAlpha
    form.imgColorsMouseDown(TMouseButton::mbLeft, 53, 20);
    EXPECT_EQ(form.state.PrimaryAlpha, clBlack);
    EXPECT_EQ(form.state.SecondaryAlpha, clWhite);
    EXPECT_EQ(form.state.PrimaryRGB, clWhite);
    EXPECT_EQ(form.trbA.Position(), 0);
}

TEST_F(ColourPanel, BackgroundPressMakesTheColourFollowTheSliders) {
    form.imgAClick();
    EXPECT_EQ(form.trbA.Position(), 0);
    EXPECT_EQ(form.state.PrimaryAlpha, clWhite);
    form.imgColorsMouseDown(TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(form.state.PrimaryAlpha, clBlack);
    EXPECT_EQ(panel(20, 7), clBlack);
}

TEST_F(ColourPanel, DialogInAlphaModeTakesTheRedByte) {
    form.imgAClick();
    host.colorAnswers = {RGB(200, 10, 99), RGB(0, 0, 255), std::nullopt};
    form.imgColorsDblClick();
    EXPECT_EQ(form.trbA.Position(), 200);
    EXPECT_EQ(form.state.PrimaryAlpha, Grey(200));
    form.imgColorsDblClick();
    EXPECT_EQ(form.state.PrimaryAlpha, clBlack);
    form.trbA.SetPosition(30);
    form.imgColorsDblClick();  // cancelled: the colour still follows the slider
    EXPECT_EQ(form.state.PrimaryAlpha, Grey(30));
    // The dialog opens black, then with the colour last confirmed in it.
    ASSERT_EQ(host.colorDialogStarts.size(), 3u);
    EXPECT_EQ(host.colorDialogStarts[0], clBlack);
    EXPECT_EQ(host.colorDialogStarts[2], RGB(0, 0, 255));
}

TEST_F(ColourPanel, DialogInRgbModeSetsTheActiveSwatch) {
    form.imgColorsMouseDown(TMouseButton::mbLeft, 60, 10);
    host.colorAnswers = {RGB(1, 2, 3)};
    form.imgColorsDblClick();
    EXPECT_EQ(form.state.SecondaryRGB, RGB(1, 2, 3));
    EXPECT_EQ(form.state.PrimaryRGB, clBlack);
    EXPECT_EQ(form.edtR.Text(), "1");
    EXPECT_EQ(form.edtB.Text(), "3");
    EXPECT_EQ(panel(60, 10), RGB(1, 2, 3));
}

TEST_F(ColourPanel, TextBoxChangeRereadsTheAlphaBox) {
    form.imgAClick();
    form.trbA.SetPosition(5);
    form.state.PrimaryAlpha = clWhite;
    form.edtText.SetTextBuf("hello");
    EXPECT_EQ(form.trbA.Position(), 5);
    EXPECT_EQ(form.state.PrimaryAlpha, Grey(5));
    EXPECT_EQ(panel(20, 7), Grey(5));
}

}  // namespace
}  // namespace corvanth
