#include "fileio/file_name.hpp"

#include <cctype>

namespace corvanth {

namespace {

// Where the last component of the name starts.
std::size_t LastComponentStart(std::string_view name) {
#ifdef _WIN32
    // Either slash ends a folder, and so does the colon of a drive letter ("C:logo").
    const std::size_t slash = name.find_last_of("/\\");
    const bool drive = name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
    const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    return drive && start < 2 ? 2 : start;
#else
    const std::size_t slash = name.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
#endif
}

}  // namespace

std::string WithDefaultExtension(std::string_view name, std::string_view extension) {
    std::string out(name);
    const std::string_view last = name.substr(LastComponentStart(name));
    if (extension.empty() || last.empty()) return out;  // "dir/" names a folder
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
