#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/tmain.hpp"
#include "scripted_platform.hpp"

namespace corvanth {
namespace {

class ColourPanel : public ::testing::Test {
  protected:
    testing::ScriptedPlatform host;
    TMain form{host};
    TColor panel(int x, int y) { return form.imgColors.Picture.at(x, y); }
    std::array<TColor, 4> colours() {
        return {form.state.PrimaryRGB, form.state.SecondaryRGB, form.state.PrimaryAlpha,
                form.state.SecondaryAlpha};
    }
};

// Text typed into the red, green, blue or brush size ('S') box with its slider at `before`; the slider's
// position and the text it ends with.
using Typed = std::tuple<char, int, int, const char*, const char*>;
const Typed kTyped[] = {{'R', 0, 255, "300", "255"}, {'R', 255, 255, "2555", "255"},
                        {'R', 0, 42, "  +42", "42"}, {'R', 0, 255, "99999999999999999999", "255"},
                        {'G', 0, 0, "-5", "-5"},     {'G', 40, 0, "-5", "0"},
                        {'B', 0, 12, "12abc", "12"}, {'B', 12, 12, "12abc", "12abc"},
                        {'B', 7, 0, "", "0"},        {'S', 4, 1, "0", "1"},
                        {'S', 1, 8, "9", "8"},       {'S', 8, 8, "123", "8"}};
class EditCascade : public ColourPanel, public ::testing::WithParamInterface<Typed> {};

TEST_P(EditCascade, SliderColourAndTextFollow) {
    const auto [box, before, position, text, shown] = GetParam();
    const std::size_t i = std::string_view("RGBS").find(box);
    TEdit& edit = *std::array{&form.edtR, &form.edtG, &form.edtB, &form.edtBrushSize}[i];
    TTrackBar& bar = *std::array{&form.trbR, &form.trbG, &form.trbB, &form.trbBrushSize}[i];
    bar.SetPosition(before);
    edit.SetTextBuf(text);
    EXPECT_EQ(bar.Position(), position);
    EXPECT_EQ(edit.Text(), shown);
    EXPECT_EQ(form.state.PrimaryRGB, i < 3 ? static_cast<TColor>(position) << (8 * i) : clBlack);
    EXPECT_EQ(panel(25, 10), form.state.PrimaryRGB);
    EXPECT_EQ(form.state.BrushSize, box == 'S' ? position : 1);
}

INSTANTIATE_TEST_SUITE_P(Examples, EditCascade, ::testing::ValuesIn(kTyped));

// The panel's edges and arrow; a slider moved by hand updates its text box and the swatch.
TEST_F(ColourPanel, EdgesArrowAndSliderMove) {
    const std::tuple<int, int, TColor> pixels[] = {{0, 0, 0x7F7F7F}, {96, 0, 0x7F7F7F}, {0, 31, 0x7F7F7F},
                                                   {1, 31, clBlack}, {96, 31, clBlack}, {96, 1, clBlack},
                                                   {1, 1, 0x282828}, {95, 30, 0x282828}};
    for (auto [x, y, c] : pixels) EXPECT_EQ(panel(x, y), c) << x << "," << y;
    // The arrow at (44, 13), with a cell of background around it.
    const char* arrow[] = {"..........", "...#..#...", "..##..##..", ".########.",
                           "..##..##..", "...#..#...", ".........."};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 10; ++c)
            EXPECT_EQ(panel(43 + c, 12 + r), arrow[r][c] == '#' ? clBlack : 0x282828) << c << "," << r;
    form.trbB.SetPosition(200);
    EXPECT_TRUE(form.edtB.Text() == "200" && panel(37, 24) == RGB(0, 0, 200));
}

// The active swatch's ring reads white, white, black from its corner; the other one's is all black.
TEST_F(ColourPanel, SwatchHitAreasMoveTheFrames) {
    const auto framed = [&](int active, int other) {
        for (int i = 0; i < 20; ++i)
            for (auto [left, c] : {std::pair{active, i % 3 == 2 ? clBlack : clWhite}, {other, clBlack}})
                EXPECT_TRUE(panel(left + i, 6) == c && panel(left + i, 25) == c && panel(left, 6 + i) == c &&
                            panel(left + 19, 6 + i) == c)
                    << left << " cell " << i;
    };
    framed(19, 57);
    for (auto [x, y] :
         {std::pair{57, 10}, {77, 10}, {60, 6}, {60, 26}, {42, 15}, {54, 15}, {48, 12}, {48, 21}}) {
        form.imgColorsMouseDown(TMouseButton::mbLeft, x, y);
        EXPECT_TRUE(form.state.ActiveSwatch == 0 &&
                    colours() == (std::array{clBlack, clWhite, clWhite, clBlack}))
            << x << "," << y;
    }
    form.imgColorsMouseDown(TMouseButton::mbRight, 76, 25);  // the hit area's far corner
    EXPECT_TRUE(form.state.ActiveSwatch == 1 && form.trbR.Position() == 255 && form.edtG.Text() == "255");
    framed(57, 19);
    form.imgColorsMouseDown(TMouseButton::mbLeft, 38, 25);
    EXPECT_TRUE(form.state.ActiveSwatch == 0 && form.trbR.Position() == 0);
    framed(19, 57);
}

TEST_F(ColourPanel, ArrowExchangesTheActivePlanesPairOnly) {
    form.imgColorsMouseDown(TMouseButton::mbLeft, 43, 13);
    EXPECT_EQ(colours(), (std::array{clWhite, clBlack, clWhite, clBlack}));
    EXPECT_TRUE(form.edtB.Text() == "255" && panel(20, 7) == clWhite);
    form.imgAClick();
    form.trbA.SetPosition(90);
    form.imgColorsMouseDown(TMouseButton::mbLeft, 53, 20);
    EXPECT_EQ(colours(), (std::array{clWhite, clBlack, clBlack, Grey(90)}));
    EXPECT_EQ(form.trbA.Position(), 0);
    EXPECT_TRUE(panel(25, 10) == clBlack && panel(60, 10) == Grey(90));  // the swatches show the alpha pair
}

// A change of plane shows that plane's active colour in its sliders and boxes, on either plane with
// either swatch active, and changes no colour. The colours are set behind the sliders' back, so every
// slider has to move.
TEST(PlaneSwitch, ShowsTheActiveColourAndChangesNone) {
    for (const bool toAlpha : {true, false})
        for (const int swatch : {0, 1}) {
            SCOPED_TRACE(::testing::Message() << (toAlpha ? "alpha" : "RGB") << " swatch " << swatch);
            testing::ScriptedPlatform host;
            TMain form(host);
            if (!toAlpha) form.imgAClick();
            form.state.ActiveSwatch = swatch;
            const std::array<TColor, 4> set{RGB(1, 2, 3), RGB(40, 50, 60), Grey(70), Grey(80)};
            std::tie(form.state.PrimaryRGB, form.state.SecondaryRGB, form.state.PrimaryAlpha,
                     form.state.SecondaryAlpha) = std::tuple{set[0], set[1], set[2], set[3]};
            toAlpha ? form.imgAClick() : form.imgRGBClick();
            EXPECT_EQ((std::array{form.state.PrimaryRGB, form.state.SecondaryRGB, form.state.PrimaryAlpha,
                                  form.state.SecondaryAlpha}),
                      set);
            const TColor c = set[(toAlpha ? 2 : 0) + static_cast<std::size_t>(swatch)];
            const std::vector<std::pair<TTrackBar*, TEdit*>> shown =
                toAlpha ? std::vector{std::pair{&form.trbA, &form.edtA}}
                        : std::vector{std::pair{&form.trbR, &form.edtR},
                                      {&form.trbG, &form.edtG},
                                      {&form.trbB, &form.edtB}};
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const int expected = static_cast<int>(c >> (8 * i) & 0xFF);
                EXPECT_EQ(shown[i].first->Position(), expected) << i;
                EXPECT_EQ(shown[i].second->Text(), std::to_string(expected)) << i;
            }
            EXPECT_EQ(form.imgColors.Picture.at(swatch ? 60 : 25, 10), c);
        }
}

// On the first switch to the alpha plane the A pair shows the primary alpha, 255: a press on the panel's
// background or on a swatch keeps every colour. After a colour is changed behind the sliders, a press on
// the active swatch makes it follow them; typing a text changes no colour.
TEST_F(ColourPanel, ColourFollowsTheSlidersButNotTheTextBox) {
    form.imgAClick();
    EXPECT_TRUE(form.trbA.Position() == 255 && form.edtA.Text() == "255");
    form.imgColorsMouseDown(TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(colours(), (std::array{clBlack, clWhite, clWhite, clBlack}));
    form.imgRGBClick();
    form.trbR.SetPosition(10);
    form.state.PrimaryRGB = RGB(0, 99, 0);
    form.imgColorsMouseDown(TMouseButton::mbLeft, 25, 10);  // the active swatch: the sliders stay
    EXPECT_TRUE(form.state.PrimaryRGB == RGB(10, 0, 0) && form.trbG.Position() == 0 &&
                panel(25, 10) == RGB(10, 0, 0));
    form.imgAClick();
    form.edtText.SetTextBuf("hello");
    form.imgColorsMouseDown(TMouseButton::mbLeft, 60, 10);  // the secondary swatch, alpha 0
    EXPECT_EQ(form.trbA.Position(), 0);
    form.imgRGBClick();  // R, G, B show the secondary colour, white
    EXPECT_TRUE(form.trbR.Position() == 255 && form.edtB.Text() == "255");
    form.edtText.SetTextBuf("hello!");
    EXPECT_EQ(colours(), (std::array{RGB(10, 0, 0), clWhite, clWhite, clBlack}));
    EXPECT_EQ(panel(60, 10), clWhite);
    form.imgAClick();
    form.trbA.SetPosition(5);
    form.state.SecondaryAlpha = clWhite;
    form.imgColorsMouseDown(TMouseButton::mbLeft, 5, 5);
    EXPECT_TRUE(form.state.SecondaryAlpha == Grey(5) && panel(60, 10) == Grey(5));
}

TEST_F(ColourPanel, DialogSetsTheActiveSwatch) {
    host.colorAnswers = {RGB(1, 2, 3), RGB(200, 10, 99), RGB(0, 0, 255), std::nullopt};
    form.imgColorsMouseDown(TMouseButton::mbLeft, 60, 10);
    form.imgColorsDblClick();
    EXPECT_TRUE(form.state.SecondaryRGB == RGB(1, 2, 3) && panel(60, 10) == RGB(1, 2, 3));
    form.imgAClick();  // alpha takes the red byte
    form.imgColorsDblClick();
    EXPECT_EQ(form.state.SecondaryAlpha, Grey(200));
    form.imgColorsDblClick();
    EXPECT_EQ(form.state.SecondaryAlpha, clBlack);
    form.trbA.SetPosition(30);
    form.state.SecondaryAlpha = clWhite;
    form.imgColorsDblClick();  // cancelled: the colour follows the slider
    EXPECT_EQ(form.state.SecondaryAlpha, Grey(30));
    EXPECT_EQ(host.colorDialogStarts,
              (std::vector<TColor>{clBlack, RGB(1, 2, 3), RGB(200, 10, 99), RGB(0, 0, 255)}));
}

}  // namespace
}  // namespace corvanth
