#include "app/tmain.hpp"

// Colour panel handlers: filled in with the colour work.
namespace corvanth {

void TMain::UpdateColorFromSliders() {}
void TMain::ShowColorInSliders() {}
void TMain::ShowSlidersInEdits() {}
void TMain::DrawSwatches() {}
void TMain::DrawSwatchPanel() {}
void TMain::trbRChange() {}
void TMain::trbGChange() {}
void TMain::trbBChange() {}
void TMain::trbAChange() {}
void TMain::edtRChange() {}
void TMain::edtGChange() {}
void TMain::edtBChange() {}
void TMain::edtAChange() {}
void TMain::trbBrushSizeChange() {}
void TMain::edtBrushSizeChange() {}
void TMain::imgColorsMouseDown(TMouseButton, int, int) {}
void TMain::imgColorsDblClick() {}

}  // namespace corvanth
