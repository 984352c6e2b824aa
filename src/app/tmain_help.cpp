#include "app/tmain.hpp"

// File > Exit and the Help menu.
namespace corvanth {

namespace {
// Looked for in the working directory first, then beside the program and in its installed data folder.
constexpr std::string_view kHelpFile = "kvr_lged.hlp";
constexpr std::string_view kContactInfo =
    "E-Mail:\tlogo-editor@example.org\nURL:\thttps://www.example.org/logo-editor";
}  // namespace

void TMain::Exit1Click() {
    // Nothing is asked and nothing is saved.
    platform.CloseMainWindow();
}

void TMain::Contents1Click() {
    platform.HelpCommand(kHelpFile, HELP_CONTENTS, 0);
}

void TMain::Contactinfo1Click() {
    platform.MessageBox(kContactInfo, "Contact info");
}

void TMain::About1Click() {
    platform.ShowIntroWindow();
}

}  // namespace corvanth
