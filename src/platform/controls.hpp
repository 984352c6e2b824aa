#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/bitmap.hpp"
#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

namespace corvanth {

// A property that counts its real changes; it reads and assigns like the value it holds.
template <class T>
class Tracked {
  public:
    Tracked() = default;
    Tracked(T value) : value_(std::move(value)) {}
    Tracked(const Tracked&) = default;
    Tracked& operator=(const Tracked& other) { return *this = other.value_; }
    Tracked& operator=(T value) {
        if (!(value == value_)) {
            value_ = std::move(value);
            ++changes_;
        }
        return *this;
    }
    operator const T&() const { return value_; }
    const T& get() const { return value_; }
    std::uint64_t changes() const { return changes_; }

  private:
    T value_{};
    std::uint64_t changes_ = 0;
};

// Changes() of every control goes up whenever something a window shows of it changes, so the window
// updates only the controls whose count moved.
struct TControl {
    std::string Name;
    Bounds bounds;
    Tracked<bool> Visible = true;
    int TabOrder = -1;
    void SetVisible(bool visible) { Visible = visible; }
    std::uint64_t Changes() const { return Visible.changes(); }
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
    std::uint64_t Changes() const { return TControl::Changes() + position_.changes(); }

  private:
    Tracked<int> position_ = 0;
};

// Runs its change handler on every text set, even to the text it already holds.
struct TEdit : TControl {
    std::function<void()> OnChange;
    const std::string& Text() const { return text_; }
    int GetTextLen() const { return static_cast<int>(text_.get().size()); }
    void SetTextBuf(std::string_view text) {
        text_ = std::string(text);
        if (OnChange) OnChange();
    }
    std::uint64_t Changes() const { return TControl::Changes() + text_.changes(); }

  private:
    Tracked<std::string> text_;
};

struct TLabel : TControl {
    Tracked<std::string> Caption;
    std::uint64_t Changes() const { return TControl::Changes() + Caption.changes(); }
};

struct TCheckBox : TControl {
    Tracked<std::string> Caption;
    Tracked<bool> Checked = false;
    std::uint64_t Changes() const { return TControl::Changes() + Caption.changes() + Checked.changes(); }
};

struct TMenuItem {
    bool Checked = false;
};

}  // namespace corvanth
