#pragma once
#include <string_view>

namespace corvanth {

// The box every failed file command shows, and its one text for a file that cannot be read or written.
inline constexpr std::string_view kErrorCaption = "Error Message";
inline constexpr std::string_view kIoError = "Error: File I/O Error.";

}  // namespace corvanth
