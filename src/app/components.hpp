#pragma once
#include <array>
#include <string_view>
#include <variant>

#include "app/tmain.hpp"

namespace corvanth {

// Artwork is a decoration image: it lies below everything else, and its see-through ink shows the
// form behind it.
enum class ComponentKind { Artwork, Image, Label, Edit, TrackBar, CheckBox };

using ComponentMember = std::variant<TArtwork TMain::*, TImage TMain::*, TLabel TMain::*, TEdit TMain::*,
                                     TTrackBar TMain::*, TCheckBox TMain::*>;

// One row per component of the main form, in stacking order from the bottom: name, kind, place and
// start visibility, and the tab order (-1 for none).
struct ComponentEntry {
    std::string_view name;
    ComponentKind kind;
    ComponentMember member;
    Bounds bounds;
    bool visible;
    int tabOrder;
};

inline constexpr std::array<ComponentEntry, 32> kComponents{{
    {"Image1", ComponentKind::Artwork, &TMain::Image1, {0, 0, 241, 355}, true, -1},
    {"Image2", ComponentKind::Artwork, &TMain::Image2, {538, 0, 161, 353}, true, -1},
    {"Image3", ComponentKind::Artwork, &TMain::Image3, {248, 14, 297, 40}, true, -1},
    {"Image4", ComponentKind::Artwork, &TMain::Image4, {248, 310, 297, 40}, true, -1},
    {"Image5", ComponentKind::Artwork, &TMain::Image5, {248, 54, 14, 256}, true, -1},
    {"Image6", ComponentKind::Artwork, &TMain::Image6, {518, 54, 23, 256}, true, -1},
    {"imgToolbar", ComponentKind::Image, &TMain::imgToolbar, {30, 30, 144, 44}, true, -1},
    {"imgColors", ComponentKind::Image, &TMain::imgColors, {56, 200, 97, 32}, true, -1},
    {"imgMain", ComponentKind::Image, &TMain::imgMain, {262, 54, 256, 256}, true, -1},
    {"imgRGB", ComponentKind::Image, &TMain::imgRGB, {571, 29, 64, 64}, true, -1},
    {"imgA", ComponentKind::Image, &TMain::imgA, {571, 146, 64, 64}, true, -1},
    {"imgComposite", ComponentKind::Image, &TMain::imgComposite, {571, 236, 64, 64}, true, -1},
    {"iOutImage", ComponentKind::Image, &TMain::iOutImage, {558, 288, 64, 64}, false, -1},
    {"imgUndoRGB", ComponentKind::Image, &TMain::imgUndoRGB, {630, 283, 64, 64}, false, -1},
    {"imgUndoA", ComponentKind::Image, &TMain::imgUndoA, {628, 233, 64, 64}, false, -1},
    {"lblBrushSize", ComponentKind::Label, &TMain::lblBrushSize, {56, 176, 17, 16}, true, -1},
    {"edtBrushSize", ComponentKind::Edit, &TMain::edtBrushSize, {72, 176, 25, 16}, true, 9},
    {"trbBrushSize", ComponentKind::TrackBar, &TMain::trbBrushSize, {96, 176, 57, 16}, true, 8},
    {"chkFilled", ComponentKind::CheckBox, &TMain::chkFilled, {53, 176, 97, 17}, false, 10},
    {"edtText", ComponentKind::Edit, &TMain::edtText, {53, 176, 97, 16}, false, 11},
    {"lblR", ComponentKind::Label, &TMain::lblR, {56, 240, 16, 16}, true, -1},
    {"edtR", ComponentKind::Edit, &TMain::edtR, {72, 240, 25, 16}, true, 0},
    {"trbR", ComponentKind::TrackBar, &TMain::trbR, {96, 240, 57, 16}, true, 3},
    {"lblG", ComponentKind::Label, &TMain::lblG, {56, 256, 16, 16}, true, -1},
    {"edtG", ComponentKind::Edit, &TMain::edtG, {72, 256, 25, 16}, true, 1},
    {"trbG", ComponentKind::TrackBar, &TMain::trbG, {96, 256, 57, 16}, true, 4},
    {"lblB", ComponentKind::Label, &TMain::lblB, {56, 272, 16, 16}, true, -1},
    {"edtB", ComponentKind::Edit, &TMain::edtB, {72, 272, 25, 16}, true, 2},
    {"trbB", ComponentKind::TrackBar, &TMain::trbB, {96, 272, 57, 16}, true, 5},
    {"lblA", ComponentKind::Label, &TMain::lblA, {56, 240, 17, 16}, false, -1},
    {"edtA", ComponentKind::Edit, &TMain::edtA, {72, 240, 25, 16}, false, 7},
    {"trbA", ComponentKind::TrackBar, &TMain::trbA, {96, 240, 57, 16}, false, 6},
}};

static_assert(kComponents[8].name == "imgMain" && kComponents[8].bounds == Bounds{262, 54, 256, 256});
static_assert(kComponents[19].name == "edtText" && kComponents[19].tabOrder == 11);

// The component of a row, as the control all components are, or as its own type.
inline TControl& ComponentOf(TMain& form, const ComponentEntry& entry) {
    return std::visit([&form](auto member) -> TControl& { return form.*member; }, entry.member);
}
template <class T>
T& ComponentOf(TMain& form, const ComponentEntry& entry) {
    return form.*std::get<T TMain::*>(entry.member);
}

}  // namespace corvanth
