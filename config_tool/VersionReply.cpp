#include "VersionReply.h"

#include <cstdint>

namespace korvan {

namespace {

// Accumulates text[pos..] up to `separator` as value * 10 + (c - '0'); false when the text
// ends first. Wraps instead of overflowing: long garbage is not a crash.
bool AccumulateUpTo(const std::string& text, size_t& pos, char separator, uint32_t& value) {
    value = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] == separator) {
            ++pos;
            return true;
        }
        value = value * 10u + static_cast<uint32_t>(static_cast<int32_t>(text[pos] - '0'));
    }
    return false;
}

}  // namespace

std::string VersionText(const std::string& reply) {
    std::string text = reply.size() > 2 ? reply.substr(2) : std::string();
    if (text.compare(0, 2, "SW") == 0) text[0] = 'U';
    return text;
}

bool StartsWithDigit(const std::string& text) {
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

int VersionNumber(const std::string& text) {
    size_t pos = 0;
    uint32_t major = 0, minor = 0, build = 0;
    if (!AccumulateUpTo(text, pos, '.', major) || !AccumulateUpTo(text, pos, '.', minor) ||
        !AccumulateUpTo(text, pos, '-', build)) {
        return 0;
    }
    if (text.compare(pos, 3, "LNK") != 0) return 0;
    auto number = static_cast<int32_t>(major * 10000u + minor * 100u + build);
    return number > 0 ? number : 0;
}

}  // namespace korvan
