#include "fileio/import_name.hpp"

namespace corvanth {

namespace {
#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif
}  // namespace

std::string_view LastComponent(std::string_view path) {
    const std::size_t separator = path.find_last_of(kSeparators);
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string TgaNameFor(std::string_view picture) {
    const std::string_view last = LastComponent(picture);
    // A leading dot names a hidden file, not an extension.
    const std::size_t dot = last.rfind('.');
    const std::size_t keep =
        picture.size() - last.size() + (dot == std::string_view::npos || dot == 0 ? last.size() : dot);
    return std::string(picture.substr(0, keep)) + ".tga";
}

}  // namespace corvanth
