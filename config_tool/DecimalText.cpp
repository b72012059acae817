#include "DecimalText.h"

#include <climits>

namespace korvan {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads [sign] digits from text[pos]; `digits` counts the digits taken.
long long ReadSignedDigits(const std::string& text, size_t& pos, int& digits) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    long long value = 0;
    digits = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
        if (value <= LLONG_MAX / 100) value = value * 10 + (text[pos] - '0');
    }
    if (negative) value = -value;
    return value;
}

int ClampToInt(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

size_t SkipSpaces(const std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    return pos;
}

}  // namespace

int LeadingDecimal(const std::string& text) {
    size_t pos = SkipSpaces(text);
    int digits = 0;
    return ClampToInt(ReadSignedDigits(text, pos, digits));
}

std::optional<int> IntegerValue(const std::string& text) {
    size_t pos = SkipSpaces(text);
    int digits = 0;
    long long value = ReadSignedDigits(text, pos, digits);
    if (digits == 0 || pos != text.size() || digits > 10) return std::nullopt;
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace korvan
