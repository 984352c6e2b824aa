#include "fileio/file_name.hpp"

#include <cctype>

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

bool HasExtension(std::string_view name, std::string_view extension) {
    if (name.size() <= extension.size() + 1) return false;
    const std::string_view tail = name.substr(name.size() - extension.size() - 1);
    if (tail[0] != '.') return false;
    for (std::size_t i = 0; i < extension.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i + 1])) !=
            std::tolower(static_cast<unsigned char>(extension[i])))
            return false;
    return true;
}

}  // namespace corvanth
