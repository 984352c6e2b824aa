#pragma once
#include <string>
#include <string_view>

namespace corvanth {

// The name Save offers for an imported picture: the same folder and name with its extension replaced by
// ".tga" (photo.png gives photo.tga, a name without an extension gains one).
std::string TgaNameFor(std::string_view picture);

// The last component of a path, as a message names the file.
std::string_view LastComponent(std::string_view path);

}  // namespace corvanth
