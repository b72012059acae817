#include "NewMacValue.h"

namespace korvan {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of the text's first two characters, or -1.
int HexByte(const std::string& text) {
    if (text.size() < 2) return -1;
    int high = HexDigitValue(text[0]);
    int low = HexDigitValue(text[1]);
    if (high < 0 || low < 0) return -1;
    return high * 16 + low;
}

}  // namespace

std::optional<int> ParseNewMacValue(const std::string& highText, const std::string& lowText) {
    int high = HexByte(highText);
    int low = HexByte(lowText);
    if (high < 0 || low < 0) return std::nullopt;
    return high * 256 + low;
}

std::vector<std::string> NewMacCommandLines(int value) {
    return {"ma" + std::to_string(value) + "\r\n", "zc\r\n"};
}

}  // namespace korvan
