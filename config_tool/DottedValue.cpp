#include "DottedValue.h"

namespace korvan {

namespace {

constexpr int kMaxPartCharacters = 5;

}  // namespace

DottedParts ParseDottedValue(const std::string& text) {
    DottedParts parts = {0, 0, 0, 0};
    size_t pos = 0;
    for (int k = 0; k < 3; ++k) {
        for (int examined = 0; examined < kMaxPartCharacters && pos < text.size(); ++examined) {
            char c = text[pos++];
            if (c == '.') break;
            parts[k] = parts[k] * 10 + (c - '0');
        }
    }
    for (int examined = 0; examined < kMaxPartCharacters && pos < text.size(); ++examined, ++pos) {
        char c = text[pos];
        if (c < '0' || c > '9') break;
        parts[3] = parts[3] * 10 + (c - '0');
    }
    return parts;
}

std::string JoinDotted(const std::array<std::string, 4>& parts) {
    return parts[0] + "." + parts[1] + "." + parts[2] + "." + parts[3];
}

}  // namespace korvan
