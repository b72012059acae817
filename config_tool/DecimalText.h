#pragma once
// Decimal numbers in the texts of edits, replies and settings files.
#include <optional>
#include <string>

namespace korvan {

// The number at the start of `text` in the C library's manner: leading spaces and a sign are
// allowed, reading stops at the first non-digit, no digits give 0. Out-of-range values are
// clamped to the int range.
int LeadingDecimal(const std::string& text);

// The whole text as an integer (leading spaces and a sign allowed, nothing after the digits,
// within the int range), or nothing: "12" and " -3" are integers, "1.5", "" and "7 " are not.
std::optional<int> IntegerValue(const std::string& text);

}  // namespace korvan
