#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "app/artwork_inks.hpp"
#include "app/editor_state.hpp"
#include "document/plane_snapshot.hpp"
#include "fileio/tga_load_result.hpp"
#include "platform/controls.hpp"
#include "platform/dialogs.hpp"

namespace corvanth {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The main form: every component of the window and every command as a handler.
class TMain {
  public:
    explicit TMain(Platform& host);
    TMain(const TMain&) = delete;
    TMain& operator=(const TMain&) = delete;

    EditorState state;
    Platform& platform;

    // Images. The two planes are also the previews; the view shows the active one at four times.
    TImage imgToolbar, imgColors, imgMain, imgRGB, imgA, iOutImage, imgUndoRGB, imgUndoA;
    TArtwork Image1, Image2, Image3, Image4, Image5, Image6;  // frame artwork
    TImage imgComposite;  // the logo as it will be used: RGB over a backdrop through the alpha
    TLabel lblBrushSize, lblR, lblG, lblB, lblA;
    TEdit edtBrushSize, edtText, edtR, edtG, edtB, edtA;
    TTrackBar trbBrushSize, trbR, trbG, trbB, trbA;
    TCheckBox chkFilled;
    TMenuItem mniGrid;
    TOpenDialog oOpenDialog;
    TSaveDialog sSaveDialog;
    TSaveDialog sExportDialog;  // File > Export PNG, apart from the TGA file's own dialog
    TFontDialog dFontDialog;
    TColorDialog cldColorDialog;
    // The active plane as it was at the press, one per preview, each knowing its plane. The filters keep
    // iOutImage to themselves.
    PlaneSnapshot shapeBase, moveBase, textBase;

    // Document and view.
    TImage& ActivePlane() { return state.AlphaMode ? imgA : imgRGB; }
    TColor& PrimaryColor() { return state.AlphaMode ? state.PrimaryAlpha : state.PrimaryRGB; }
    TColor& SecondaryColor() { return state.AlphaMode ? state.SecondaryAlpha : state.SecondaryRGB; }
    TColor& ActiveColor() { return state.ActiveSwatch ? SecondaryColor() : PrimaryColor(); }
    void RedrawView();
    void PaintCell(int x, int y, TColor color);
    void SaveUndo();
    void RestoreUndo();
    void ClearImage();
    void New1Click();
    void Undo1Click();
    void mniGridClick();
    void imgRGBClick();
    void imgAClick();

    // Colours.
    void UpdateColorFromSliders();
    void ShowColorInSliders();
    void ShowSlidersInEdits();
    void DrawSwatches();
    void DrawSwatchPanel();
    void trbRChange();
    void trbGChange();
    void trbBChange();
    void trbAChange();
    void edtRChange();
    void edtGChange();
    void edtBChange();
    void edtAChange();
    void trbBrushSizeChange();
    void edtBrushSizeChange();
    void imgColorsMouseDown(TMouseButton button, int X, int Y);
    void imgColorsDblClick();

    // Tool palette.
    void imgToolbarMouseDown(TMouseButton button, int X, int Y);
    void DrawToolIcons();
    void DrawToolFrames();
    void ShowBrushSizeControls();
    void HideBrushSizeControls();
    void ShowFilledOption();
    void HideFilledOption();
    void ShowTextEdit();
    void HideTextEdit();

    // Brush stamps and the view's mouse handlers.
    void StampSolid(int x, int y, TImage& plane, TColor color);
    void StampSoft(int x, int y, TImage& plane, TColor color);
    void StampScatter(int x, int y, TImage& plane, TColor color);
    void imgMainMouseDown(TMouseButton button, int X, int Y);
    void imgMainMouseMove(int X, int Y);
    void imgMainMouseUp(TMouseButton button, int X, int Y);

    // Shapes: each restores the active plane from the press snapshot, draws, repaints the view.
    void PreviewLine(int x1, int y1, int x2, int y2);
    void PreviewRectangle(int x1, int y1, int x2, int y2);
    void PreviewEllipse(int x1, int y1, int x2, int y2);

    // Selection. PreviewMove leaves the repaint to its caller.
    void DrawSelectionFrame();
    void PreviewMove(int dx, int dy);
    void Selectall1Click();
    void Deselect1Click();

    // Text.
    void PreviewText(int x, int y, const std::string& text);
    void edtTextKeyDown(int key);
    void edtTextKeyUp(int key);
    void edtTextChange();
    void Font1Click();
    // Ends an open text entry, keeping the text drawn so far, and drops any shape or move preview in
    // progress. Every command that changes a plane or the active plane calls it first, so no preview
    // later writes a stale copy back.
    void EndTextEntry();

    // Files.
    std::vector<std::uint8_t> EncodeTga();
    TgaLoadResult DecodeTga(std::span<const std::uint8_t> bytes);
    bool WriteTgaFile(const std::string& name);
    void Open1Click();
    // Open's work once a name is chosen: the file's message, or both planes loaded and FileName emptied.
    void LoadTgaFile(const std::string& name);
    // A file named on the command line or dropped on the window: a .tga takes Open's way, any other
    // picture is imported into the planes.
    void OpenNamedFile(const std::string& name);
    void ImportPicture(const std::string& name);
    // Fits a picture into the box of both planes, after ending a text entry and taking the undo copy.
    void PutPicture(const RgbaPicture& picture, const TRect& box);
    void Save1Click();
    void SaveAs1Click();

    // Exchange with other programs. Copy puts the selection's block (or the whole logo) on the clipboard;
    // Paste fits a picture from it into the selection's box (or the whole logo), or opens a copied file as
    // a dropped one. Export PNG writes the logo as a PNG, leaving FileName alone.
    void Copy1Click();
    void Paste1Click();
    void ExportPNG1Click();

    // The composite preview and the active plane's marker follow the planes: run after every command.
    void RefreshPreviews();
    void imgCompositeClick();
    // The readout below the view for the pointer at view pixel (X, Y), and with the pointer gone.
    void ShowReadout(int X, int Y);
    void HideReadout();
    const std::string& Readout() const { return readout_; }

    // Filters and transforms. The common steps of every command that changes planes: the undo copy
    // when it keeps one, the RGB plane (and the alpha plane too) through the change, the view repainted.
    enum class UndoCopy { Skip, Take };
    enum class Planes { RgbOnly, Both };
    void ChangePlanes(UndoCopy undo, Planes planes, const std::function<Bitmap(const Bitmap&)>& change);
    void Blur101Click();
    void Blur251Click();
    void Blur501Click();
    void Blur1001Click();
    void N901Click();
    void N4Click();
    void N5Click();
    void FlipHorizontal1Click();
    void FlipVertical1Click();
    void Emboss1Click();
    // Filter > Fill Hidden Colours: transparent pixels take the colour of the visible ones nearest them.
    void FillHiddenColours1Click();

    // Help, contact, about and exit: none of them touches the document.
    void Exit1Click();
    void Contents1Click();
    void Contactinfo1Click();
    void About1Click();

  private:
    void placeComponents();
    // What the composite preview and the panel artwork were last drawn with.
    Backdrop composedBackdrop_ = Backdrop::Checkerboard;
    int markedAlphaMode_ = -1;
    std::string readout_;
    // What the view was last drawn from, and the selection frame drawn over it since, so that a redraw can
    // pass over the plane rows that did not change.
    struct Magnified {
        const Bitmap* plane = nullptr;
        bool grid = false;
        std::uint64_t viewChanges = 0;
        std::optional<TRect> frame;
    } magnified_;
    void setReadout(std::string text);
    void bindHandlers();
    void showChannelControls(bool alpha);
};

}  // namespace corvanth
