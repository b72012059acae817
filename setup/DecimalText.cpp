#include "DecimalText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Utils.h"

bool ParseDecimal(const std::string& text, int& value) {
    std::string trimmed = TrimText(text);
    if (trimmed.empty()) return false;
    const char* begin = trimmed.c_str();
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(begin, &end, 10);
    // The trimmed text has no blanks for strtol to skip, so all of it must be the number.
    if (end == begin || errno != 0 || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

int DecimalOr(const std::string& text, int fallback) {
    int value = 0;
    return ParseDecimal(text, value) ? value : fallback;
}
