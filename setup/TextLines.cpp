#include "TextLines.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Utils.h"

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    const size_t size = text.size();
    while (start < size) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

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
