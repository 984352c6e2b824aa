#include "app/tmain.hpp"
#include "app/tool_steps.hpp"

// The text tool: a press opens an entry at a pixel, every key release redraws the whole line there.
namespace corvanth {

namespace {
constexpr int kEnter = 13;
}  // namespace

void TextPress(TMain& f, TPoint p) {
    f.state.TextOrigin = p;
    f.edtText.SetTextBuf("");
    f.ShowTextEdit();  // the user clicks into it to type
}

void TMain::PreviewText(int x, int y, const std::string& text) {
    DrawOverSnapshot(*this, textBase, [&](TCanvas plane, const Bitmap&) {
        plane.Font() = state.TextFont;
        plane.Font().color = PrimaryColor();  // the font's own colour never shows
        plane.Pen().color = SecondaryColor();
        plane.Brush() = {SecondaryColor(), TBrushStyle::bsSolid};
        plane.TextOut(x, y, text, platform.Glyphs());
    });
    RedrawView();
}

void TMain::edtTextKeyDown(int key) {
    if (key == kEnter) EndTextEntry();
}

// Every other key, Backspace, arrows and Shift alone included, redraws the whole text.
void TMain::edtTextKeyUp(int key) {
    if (key != kEnter) PreviewText(state.TextOrigin.x, state.TextOrigin.y, edtText.Text());
}

// Typing a text changes no colour. The alpha box's handler would recompose the active colour from the
// sliders, which need not show it after a change of plane or swatch.
void TMain::edtTextChange() {}

void TMain::EndTextEntry() {
    HideTextEdit();
    textBase.Drop();
    shapeBase.Drop();
    moveBase.Drop();
}

void TMain::Font1Click() {
    // The dialog opens with its own font, the last one confirmed in it.
    if (dFontDialog.Execute()) state.TextFont = dFontDialog.Font;
}

}  // namespace corvanth
