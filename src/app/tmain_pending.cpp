#include "app/tmain.hpp"

// Menu commands whose work comes later; each does nothing for now.
namespace corvanth {

void TMain::Exit1Click() {}
void TMain::Contents1Click() {}
void TMain::Contactinfo1Click() {}
void TMain::About1Click() {}
void TMain::Font1Click() {}
void TMain::Selectall1Click() {}
void TMain::Deselect1Click() {}
void TMain::edtTextKeyDown(int) {}
void TMain::edtTextKeyUp(int) {}

}  // namespace corvanth
