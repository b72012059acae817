#pragma once
// The byte rules of a page's data block, shared by the binary and the C writer.
#include <cstddef>

namespace voka {

// A byte 0x03 or 0x04 in a page is written as 0x03 and the byte, so that the module reads an
// unescaped 0x04 as the end of the page.
constexpr unsigned char kEscapeByte = 0x03;
constexpr unsigned char kEndByte = 0x04;

inline bool NeedsEscape(unsigned char byte) { return byte == kEscapeByte || byte == kEndByte; }

// Text pages lose their line breaks.
inline bool IsDropped(unsigned char byte, bool textPage) {
    return textPage && (byte == '\r' || byte == '\n');
}

// Writes the data of count page bytes to out (which holds at least 2 * count bytes): line
// breaks dropped from text pages, 0x03 and 0x04 escaped. Returns the number of bytes written.
std::size_t EncodePageBytes(const char* in, std::size_t count, bool textPage, char* out);

}  // namespace voka
