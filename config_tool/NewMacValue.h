#pragma once
// "Send New MAC": the 16-bit value typed as two hexadecimal bytes, and the programming file
// that keeps the two texts between runs.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvan {

// The value of the first two characters of each text (high byte, then low byte); further
// characters are ignored. Nothing when any of the four is missing or not a hexadecimal digit.
std::optional<int> ParseNewMacValue(const std::string& highText, const std::string& lowText);

// The command lines that program the value and make it take effect: "ma" + decimal, "zc".
std::vector<std::string> NewMacCommandLines(int value);

// The two edit texts held by the programming file's lines; nothing unless it has exactly two.
std::optional<std::pair<std::string, std::string>> MacEditTexts(
    const std::vector<std::string>& fileLines);

}  // namespace korvan
