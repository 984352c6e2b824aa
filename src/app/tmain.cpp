#include "app/tmain.hpp"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "app/components.hpp"
#include "document/plane.hpp"

namespace corvanth {

namespace {
const FileDialogOptions kTgaOpen{"*.tga|*.tga", ".", "", false, {}};
const FileDialogOptions kTgaSave{"*.tga|*.tga", ".", "tga", true, {}};
const FileDialogOptions kPngExport{"PNG image|*.png", ".", "png", true, {}};
const TFont kFormFont{};
}  // namespace

TMain::TMain(Platform& host)
    : platform(host),
      oOpenDialog(host, kTgaOpen),
      sSaveDialog(host, kTgaSave),
      sExportDialog(host, kPngExport),
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
    for (const ComponentEntry& entry : kComponents) {
        TControl& control = ComponentOf(*this, entry);
        control.Name = entry.name;
        control.bounds = entry.bounds;
        control.Visible = entry.visible;
        control.TabOrder = entry.tabOrder;
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
    Bitmap& plane = ActivePlane().GetCanvas().bitmap();
    const bool grid = state.GridVisible != 0;
    TCanvas view = imgMain.GetCanvas();
    // While nothing else drew on the view, it still shows this plane but for the cells the plane changed
    // and the selection frame drawn over it.
    const TRect changed = plane.TakeChanged(Bitmap::Watcher::Magnified);
    const bool kept = magnified_.plane == &plane && magnified_.grid == grid &&
                      magnified_.viewChanges == imgMain.Picture.changes();
    if (!kept) {
        corvanth::RedrawView(view, plane, grid);
    } else {
        RedrawChangedCells(view, plane, grid, changed);
        if (magnified_.frame)
            for (const TRect& edge : Edges(*magnified_.frame)) corvanth::RedrawView(view, plane, grid, edge);
    }
    magnified_ = {&plane, grid, imgMain.Picture.changes(), std::nullopt};
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
    state.OfferedSaveName.clear();
    for (auto [plane, colour] : {std::pair{&imgRGB, clWhite}, {&imgA, clBlack}})
        std::ranges::fill(plane->GetCanvas().bitmap().pixels(), colour);
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
    // The sliders of the plane just shown still stand where they were last left; they show its active
    // colour now, or the first touch of a slider or of the panel would change the colour to what they say.
    // The cascade rewrites the active colour on the way, so it is put back as it was.
    const TColor active = ActiveColor();
    ShowColorInSliders();
    ShowSlidersInEdits();
    ActiveColor() = active;
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
