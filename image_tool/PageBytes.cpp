#include "PageBytes.h"

namespace voka {

std::size_t EncodePageBytes(const char* in, std::size_t count, bool textPage, char* out) {
    char* next = out;
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char byte = static_cast<unsigned char>(in[i]);
        if (IsDropped(byte, textPage)) continue;
        if (NeedsEscape(byte)) *next++ = static_cast<char>(kEscapeByte);
        *next++ = static_cast<char>(byte);
    }
    return static_cast<std::size_t>(next - out);
}

}  // namespace voka
