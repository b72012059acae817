#pragma once
// "Send New MAC": the 16-bit value typed as two hexadecimal bytes.
#include <optional>
#include <string>
#include <vector>

namespace korvan {

// The value of the first two characters of each text (high byte, then low byte); further
// characters are ignored. Nothing when any of the four is missing or not a hexadecimal digit.
std::optional<int> ParseNewMacValue(const std::string& highText, const std::string& lowText);

// The command lines that program the value and make it take effect: "ma" + decimal, "zc".
std::vector<std::string> NewMacCommandLines(int value);

}  // namespace korvan
