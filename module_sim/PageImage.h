#pragma once
// Reads a received page image back into its files: the file table of 15-byte entries (flags,
// little-endian address, 12-character name) up to the end entry, then each file's data with
// its 0x03 escapes removed, up to its unescaped 0x04 end marker.
#include <string>
#include <vector>

namespace sim {

struct PageFile {
    std::string name;  // the stored 12-character name without its padding spaces
    std::string data;  // the bytes as stored, escapes removed
};

struct UnpackedImage {
    std::vector<PageFile> files;
    // One line per entry that could not be read (the readable files are still listed), or one
    // line for a table without an end entry (then no file is listed).
    std::vector<std::string> problems;
    // The memory offset the addresses were built with, worked out from the first entry.
    int reserve = 0;
};

// The image may carry padding after the last file (the transfer fills its last block).
UnpackedImage UnpackImage(const std::string& image);

// True for a name that may become a file in a folder of its own: not empty, not "." or "..",
// no "/" and no NUL.
bool IsSafeFileName(const std::string& name);

}  // namespace sim
