#pragma once
#include <string>
#include <string_view>

namespace corvanth {

// Decimal text of a value.
std::string itoa(int value);

// Leading blanks, an optional sign, then digits up to the first other character; 0 when there
// are none. Numbers beyond 32 bits saturate, so every caller still ends at a clamped position.
int atol(std::string_view text);

}  // namespace corvanth
