#include "app/tmain.hpp"

#include <initializer_list>

#include "document/plane.hpp"

namespace corvanth {

namespace {
const FileDialogOptions kTgaOpen{"*.tga|*.tga", ".", ""};
const FileDialogOptions kTgaSave{"*.tga|*.tga", ".", "tga"};
const TFont kFormFont{};
}  // namespace

TMain::TMain(Platform& host)
    : platform(host),
      oOpenDialog(host, kTgaOpen),
      sSaveDialog(host, kTgaSave),
      dFontDialog(host, kFormFont),
      cldColorDialog(host) {
    placeComponents();
    bindHandlers();
    state.SelectionActive = false;
    state.TextFont = kFormFont;
    state.PrimarySwatchRect = kPrimarySwatchRect;
    state.SecondarySwatchRect = kSecondarySwatchRect;
    state.PrimaryRGB = clBlack;
    state.SecondaryRGB = clWhite;
    state.PrimaryAlpha = clWhite;
    state.SecondaryAlpha = clBlack;
    ClearImage();
    RedrawView();
    DrawToolIcons();
    DrawToolFrames();
    DrawSwatchPanel();
    DrawSwatches();
    RefreshPreviews();
}

void TMain::placeComponents() {
    struct Place {
        TControl& control;
        const char* name;
        Bounds bounds;
        bool visible;
        int tabOrder;
    };
    const Place places[] = {
        {Image1, "Image1", {0, 0, 241, 355}, true, -1},
        {Image2, "Image2", {538, 0, 161, 353}, true, -1},
        {Image3, "Image3", {248, 14, 297, 40}, true, -1},
        {Image4, "Image4", {248, 310, 297, 40}, true, -1},
        {Image5, "Image5", {248, 54, 14, 256}, true, -1},
        {Image6, "Image6", {518, 54, 23, 256}, true, -1},
        {imgToolbar, "imgToolbar", {30, 30, 144, 44}, true, -1},
        {imgColors, "imgColors", {56, 200, 97, 32}, true, -1},
        {imgMain, "imgMain", {262, 54, 256, 256}, true, -1},
        {imgRGB, "imgRGB", {571, 29, 64, 64}, true, -1},
        {imgA, "imgA", {571, 146, 64, 64}, true, -1},
        {imgComposite, "imgComposite", {571, 236, 64, 64}, true, -1},
        {iOutImage, "iOutImage", {558, 288, 64, 64}, false, -1},
        {imgUndoRGB, "imgUndoRGB", {630, 283, 64, 64}, false, -1},
        {imgUndoA, "imgUndoA", {628, 233, 64, 64}, false, -1},
        {lblBrushSize, "lblBrushSize", {56, 176, 17, 16}, true, -1},
        {edtBrushSize, "edtBrushSize", {72, 176, 25, 16}, true, 9},
        {trbBrushSize, "trbBrushSize", {96, 176, 57, 16}, true, 8},
        {chkFilled, "chkFilled", {53, 176, 97, 17}, false, 10},
        {edtText, "edtText", {53, 176, 97, 16}, false, 11},
        {lblR, "lblR", {56, 240, 16, 16}, true, -1},
        {edtR, "edtR", {72, 240, 25, 16}, true, 0},
        {trbR, "trbR", {96, 240, 57, 16}, true, 3},
        {lblG, "lblG", {56, 256, 16, 16}, true, -1},
        {edtG, "edtG", {72, 256, 25, 16}, true, 1},
        {trbG, "trbG", {96, 256, 57, 16}, true, 4},
        {lblB, "lblB", {56, 272, 16, 16}, true, -1},
        {edtB, "edtB", {72, 272, 25, 16}, true, 2},
        {trbB, "trbB", {96, 272, 57, 16}, true, 5},
        {lblA, "lblA", {56, 240, 17, 16}, false, -1},
        {edtA, "edtA", {72, 240, 25, 16}, false, 7},
        {trbA, "trbA", {96, 240, 57, 16}, false, 6},
    };
    for (const Place& p : places) {
        p.control.Name = p.name;
        p.control.bounds = p.bounds;
        p.control.Visible = p.visible;
        p.control.TabOrder = p.tabOrder;
    }
    lblBrushSize.Caption = "S";
    lblR.Caption = "R";
    lblG.Caption = "G";
    lblB.Caption = "B";
    lblA.Caption = "A";
    chkFilled.Caption = "Filled";
    for (TTrackBar* bar : {&trbR, &trbG, &trbB, &trbA}) {
        bar->Min = 0;
        bar->Max = 255;
    }
    trbBrushSize.Min = 1;
    trbBrushSize.Max = 8;
    trbBrushSize.SetPosition(1);
    // Start texts are properties of the form, set before any handler is bound.
    for (TEdit* edit : {&edtR, &edtG, &edtB, &edtA}) edit->SetTextBuf("0");
    edtBrushSize.SetTextBuf("1");
}

void TMain::bindHandlers() {
    trbR.OnChange = [this] { trbRChange(); };
    trbG.OnChange = [this] { trbGChange(); };
    trbB.OnChange = [this] { trbBChange(); };
    trbA.OnChange = [this] { trbAChange(); };
    edtR.OnChange = [this] { edtRChange(); };
    edtG.OnChange = [this] { edtGChange(); };
    edtB.OnChange = [this] { edtBChange(); };
    edtA.OnChange = [this] { edtAChange(); };
    edtText.OnChange = [this] { edtTextChange(); };
    trbBrushSize.OnChange = [this] { trbBrushSizeChange(); };
    edtBrushSize.OnChange = [this] { edtBrushSizeChange(); };
}

void TMain::RedrawView() {
    corvanth::RedrawView(imgMain.GetCanvas(), ActivePlane().GetCanvas().bitmap(), state.GridVisible != 0);
}

void TMain::PaintCell(int x, int y, TColor color) {
    corvanth::PaintCell(imgMain.GetCanvas(), x, y, color, state.GridVisible != 0);
}

void TMain::SaveUndo() {
    imgUndoRGB.GetCanvas().Draw(0, 0, imgRGB.GetCanvas().bitmap());
    imgUndoA.GetCanvas().Draw(0, 0, imgA.GetCanvas().bitmap());
}

void TMain::RestoreUndo() {
    // Before the first snapshot the undo images have no bitmap, and nothing is copied.
    imgRGB.GetCanvas().Draw(0, 0, imgUndoRGB.Picture);
    imgA.GetCanvas().Draw(0, 0, imgUndoA.Picture);
    state.SelectionActive = false;
}

void TMain::ClearImage() {
    state.FileName.clear();
    TCanvas rgb = imgRGB.GetCanvas(), alpha = imgA.GetCanvas();
    for (int x = 0; x < kPlaneSize; ++x) {
        for (int y = 0; y < kPlaneSize; ++y) {
            rgb.SetPixel(x, y, clWhite);
            alpha.SetPixel(x, y, clBlack);
        }
    }
}

void TMain::New1Click() {
    EndTextEntry();
    ClearImage();
    RedrawView();
}

void TMain::Undo1Click() {
    EndTextEntry();
    RestoreUndo();
    RedrawView();
}

void TMain::mniGridClick() {
    state.GridVisible = state.GridVisible ? 0 : 1;
    mniGrid.Checked = state.GridVisible != 0;
    RedrawView();
}

void TMain::showChannelControls(bool alpha) {
    using Row = std::initializer_list<TControl*>;
    for (TControl* c : Row{&trbA, &edtA, &lblA}) c->SetVisible(alpha);
    for (TControl* c : Row{&trbR, &trbG, &trbB, &edtR, &edtG, &edtB, &lblR, &lblG, &lblB})
        c->SetVisible(!alpha);
    RedrawView();
    DrawSwatches();
}

void TMain::imgRGBClick() {
    if (state.AlphaMode != 1) return;
    EndTextEntry();
    state.AlphaMode = 0;
    showChannelControls(false);
}

void TMain::imgAClick() {
    if (state.AlphaMode != 0) return;
    EndTextEntry();
    state.AlphaMode = 1;
    showChannelControls(true);
}

}  // namespace corvanth
