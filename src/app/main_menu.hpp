#pragma once
#include <array>
#include <string_view>

#include "app/tmain.hpp"

namespace corvanth {

// One row per menu item in the order of the menu bar; level 0 is the bar, 1 its menus, 2 a submenu.
// A caption of "-" is a separator; ctrlKey 0 means no shortcut.
struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    char ctrlKey;
    int level;
    void (TMain::*onClick)();
    TMenuItem TMain::*checkState = nullptr;
};

inline constexpr std::array<MenuEntry, 43> kMainMenu{{
    {"File1", "&File", 0, 0, nullptr},
    {"New1", "&New...", 'N', 1, &TMain::New1Click},
    {"N1", "-", 0, 1, nullptr},
    {"Open1", "&Open...", 'O', 1, &TMain::Open1Click},
    {"N2", "-", 0, 1, nullptr},
    {"Save1", "&Save", 'S', 1, &TMain::Save1Click},
    {"SaveAs1", "Save &As...", 0, 1, &TMain::SaveAs1Click},
    {"ExportPNG1", "&Export PNG...", 0, 1, &TMain::ExportPNG1Click},
    {"N8", "-", 0, 1, nullptr},
    {"Exit1", "E&xit", 0, 1, &TMain::Exit1Click},
    {"Edit1", "&Edit", 0, 0, nullptr},
    {"Undo1", "&Undo", 'Z', 1, &TMain::Undo1Click},
    {"N3", "-", 0, 1, nullptr},
    {"Rotate1", "Rotate", 0, 1, nullptr},
    {"N901", "90°", 0, 2, &TMain::N901Click},
    {"N4", "180°", 0, 2, &TMain::N4Click},
    {"N5", "270°", 0, 2, &TMain::N5Click},
    {"N6", "-", 0, 2, nullptr},
    {"FlipHorizontal1", "Flip Horizontal", 0, 2, &TMain::FlipHorizontal1Click},
    {"FlipVertical1", "Flip Vertical", 0, 2, &TMain::FlipVertical1Click},
    {"N9", "-", 0, 1, nullptr},
    {"Copy1", "&Copy", 'C', 1, &TMain::Copy1Click},
    {"Paste1", "&Paste", 'V', 1, &TMain::Paste1Click},
    {"Image7", "&Image", 0, 0, nullptr},
    {"Font1", "F&ont", 0, 1, &TMain::Font1Click},
    {"View1", "&View", 0, 0, nullptr},
    {"mniGrid", "&Grid", 'G', 1, &TMain::mniGridClick, &TMain::mniGrid},
    {"Select1", "&Select", 0, 0, nullptr},
    {"Selectall1", "&All", 'A', 1, &TMain::Selectall1Click},
    {"Deselect1", "&Deselect", 'D', 1, &TMain::Deselect1Click},
    {"Filter1", "Fil&ter", 0, 0, nullptr},
    {"Blur1", "&Blur", 'B', 1, nullptr},
    {"Blur101", "Blur &10%", 0, 2, &TMain::Blur101Click},
    {"Blur251", "Blur &25%", 0, 2, &TMain::Blur251Click},
    {"Blur501", "Blur &50%", 0, 2, &TMain::Blur501Click},
    {"Blur1001", "Blur 1&00%", 0, 2, &TMain::Blur1001Click},
    {"Emboss1", "&Emboss", 0, 1, &TMain::Emboss1Click},
    {"FillHiddenColours1", "Fill &Hidden Colours", 0, 1, &TMain::FillHiddenColours1Click},
    {"Help1", "&Help", 0, 0, nullptr},
    {"Contents1", "&Contents", 0, 1, &TMain::Contents1Click},
    {"N7", "-", 0, 1, nullptr},
    {"Contactinfo1", "Contact info...", 0, 1, &TMain::Contactinfo1Click},
    {"About1", "&About...", 0, 1, &TMain::About1Click},
}};

}  // namespace corvanth
