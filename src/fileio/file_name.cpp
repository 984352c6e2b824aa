#include "fileio/file_name.hpp"

namespace corvanth {

std::string WithDefaultExtension(std::string_view name, std::string_view extension) {
    std::string out(name);
    if (extension.empty() || name.empty() || name.back() == '/') return out;
    const std::size_t slash = name.rfind('/');
    const std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
    // A leading dot names a hidden file, not an extension.
    const std::size_t dot = last.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        out += '.';
        out += extension;
    }
    return out;
}

}  // namespace corvanth
