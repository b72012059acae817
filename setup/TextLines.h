#pragma once
// Line splitting and decimal numbers shared by the readers of scripts and language texts.
#include <string>
#include <vector>

// Splits text at CR LF, LF or a lone CR. A final line break does not start another line;
// "" gives no lines.
std::vector<std::string> SplitLines(const std::string& text);

// A whole text that is a decimal integer (optional sign, blanks around it allowed) in `value`;
// false for anything else, an overflow included.
bool ParseDecimal(const std::string& text, int& value);
// The decimal value of `text`, or `fallback` when it is not one.
int DecimalOr(const std::string& text, int fallback);
