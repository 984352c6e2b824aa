#pragma once
#include <string>
#include <string_view>

namespace corvanth {

// The name with "." + extension appended when its last component has no extension of its own,
// so a save lands in a .tga file even when the dialog did not add one.
std::string WithDefaultExtension(std::string_view name, std::string_view extension);

// Whether the last component of the name ends in "." + extension, in any case ("LOGO.TGA").
bool HasExtension(std::string_view name, std::string_view extension);

}  // namespace corvanth
