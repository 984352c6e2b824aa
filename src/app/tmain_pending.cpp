#include "app/tmain.hpp"

// Menu commands whose work comes later; each does nothing for now.
namespace corvanth {

void TMain::Font1Click() {}
void TMain::Selectall1Click() {}
void TMain::Deselect1Click() {}
void TMain::edtTextKeyDown(int) {}
void TMain::edtTextKeyUp(int) {}

}  // namespace corvanth
