#pragma once
// Decimal numbers in the texts of scripts and language files.
#include <string>

// A whole text that is a decimal integer (optional sign, blanks around it allowed) in `value`;
// false for anything else, an overflow included.
bool ParseDecimal(const std::string& text, int& value);
// The decimal value of `text`, or `fallback` when it is not one.
int DecimalOr(const std::string& text, int fallback);
