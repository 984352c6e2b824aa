#include "app/tmain.hpp"

// Tool palette, stamps and the view's mouse handlers: filled in with the painting work.
namespace corvanth {

void TMain::imgToolbarMouseDown(TMouseButton, int, int) {}
void TMain::DrawToolIcons() {}
void TMain::DrawToolFrames() {}
void TMain::ShowBrushSizeControls() {}
void TMain::HideBrushSizeControls() {}
void TMain::ShowFilledOption() {}
void TMain::HideFilledOption() {}
void TMain::ShowTextEdit() {}
void TMain::HideTextEdit() {}
void TMain::StampSolid(int, int, TImage&, TColor) {}
void TMain::StampSoft(int, int, TImage&, TColor) {}
void TMain::StampScatter(int, int, TImage&, TColor) {}
void TMain::imgMainMouseDown(TMouseButton, int, int) {}
void TMain::imgMainMouseMove(int, int) {}
void TMain::imgMainMouseUp(TMouseButton, int, int) {}

}  // namespace corvanth
