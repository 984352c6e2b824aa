#include "app/tmain.hpp"

// File commands: filled in with the file work.
namespace corvanth {

std::vector<std::uint8_t> TMain::EncodeTga() { return {}; }
TgaLoadResult TMain::DecodeTga(std::span<const std::uint8_t>) { return TgaLoadResult::WrongSize; }
bool TMain::WriteTgaFile(const std::string&) { return false; }
void TMain::Open1Click() { RedrawView(); }
void TMain::Save1Click() {}
void TMain::SaveAs1Click() {}

}  // namespace corvanth
