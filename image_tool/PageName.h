#pragma once
// How a file's name appears in the image: the 12-character FAT name and the text-file rule.
#include <array>
#include <string>

namespace voka {

constexpr std::size_t kEntryNameLength = 12;
using EntryName = std::array<char, kEntryNameLength>;

// ASCII letters folded to upper case; every other byte unchanged.
std::string UpperAscii(std::string text);

// The first 12 characters of the name, upper-cased, padded with spaces; no terminator.
EntryName MakeEntryName(const std::string& fileName);

// A page whose stored name holds "CGI" or "HTM" is text: its CR and LF bytes are dropped.
bool IsTextEntry(const EntryName& name);

}  // namespace voka
