#pragma once
// Dotted values of the "ni", "ng", "ns" and "nc" settings (10.0.0.1).
#include <array>
#include <string>

namespace korvan {

using DottedParts = std::array<int, 4>;

// Parts 1 to 3 are the characters before the next "." (at most five characters examined for
// each, the "." included and consumed); part 4 is the digits that follow, at most five. Parts
// 1 to 3 are accumulated without a digit check, as the module's own firmware does. A part
// that runs out of text is 0.
DottedParts ParseDottedValue(const std::string& text);

// The four texts joined with "." exactly as given.
std::string JoinDotted(const std::array<std::string, 4>& parts);

}  // namespace korvan
