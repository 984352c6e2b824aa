#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/bitmap.hpp"
#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

namespace corvanth {

struct TControl {
    std::string Name;
    Bounds bounds;
    bool Visible = true;
    int TabOrder = -1;
    void SetVisible(bool visible) { Visible = visible; }
};

// An image control; its bitmap comes into being at the control's size on first use of the canvas.
struct TImage : TControl {
    Bitmap Picture;
    CanvasState canvasState;
    TCanvas GetCanvas() {
        if (Picture.empty()) Picture = Bitmap(bounds.width, bounds.height, clWhite);
        return TCanvas(Picture, canvasState);
    }
};

// Keeps its position in Min..Max and reports only real changes, so cascades end.
struct TTrackBar : TControl {
    int Min = 0;
    int Max = 10;
    std::function<void()> OnChange;
    int Position() const { return position_; }
    void SetPosition(int value) {
        const int clamped = value < Min ? Min : value > Max ? Max : value;
        if (clamped == position_) return;
        position_ = clamped;
        if (OnChange) OnChange();
    }

  private:
    int position_ = 0;
};

// Runs its change handler on every text set, even to the text it already holds.
struct TEdit : TControl {
    std::function<void()> OnChange;
    const std::string& Text() const { return text_; }
    int GetTextLen() const { return static_cast<int>(text_.size()); }
    void SetTextBuf(std::string_view text) {
        text_ = text;
        if (OnChange) OnChange();
    }

  private:
    std::string text_;
};

struct TLabel : TControl {
    std::string Caption;
};

struct TCheckBox : TControl {
    std::string Caption;
    bool Checked = false;
};

struct TMenuItem {
    bool Checked = false;
};

}  // namespace corvanth
