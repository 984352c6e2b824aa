#include "document/readout.hpp"

#include <charconv>
#include <string_view>

namespace corvanth {

namespace {

// Small appenders instead of printf: the readout is rebuilt on every pointer move.
void Put(std::string& out, std::string_view s) {
    out += s;
}
void Put(std::string& out, int n) {
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}
template <class... Parts>
void Append(std::string& out, const Parts&... parts) {
    (Put(out, parts), ...);
}

std::string Hex(TColor c) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    for (const int byte : {Red(c), Green(c), Blue(c)}) s += {kDigits[byte >> 4], kDigits[byte & 15]};
    return s;
}

}  // namespace

std::string ReadoutText(std::optional<TPoint> pixel, TColor rgb, int alpha, bool alphaMode,
                        std::optional<DragSize> drag) {
    std::string out;
    out.reserve(64);  // the longest readout, in one allocation
    if (pixel) {
        Append(out, pixel->x, ", ", pixel->y, "  ");
        if (!alphaMode) Append(out, Red(rgb), " ", Green(rgb), " ", Blue(rgb), " #", Hex(rgb), "  ");
        Append(out, "A ", alpha, "  ");
    }
    if (drag) Append(out, drag->width, " X ", drag->height, "  ");
    if (!out.empty()) out.resize(out.size() - 2);
    return out;
}

}  // namespace corvanth
