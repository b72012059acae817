#pragma once
// Small page folders for the image tests, and the expected image pieces written out by hand.
#include <string>
#include <vector>

namespace vokatest {

struct Page {
    std::string Name;  // may hold one folder level: "sub/page.htm"
    std::string Bytes;
};

// Creates every page below folder (creating sub-folders as needed).
void WritePages(const std::string& folder, const std::vector<Page>& pages);

// One 15-byte file entry: flags 0, little-endian address, the 12 name characters as given.
std::string Entry(unsigned address, const std::string& name12);
// The end entry: 0x04, 0xFFFF, "END OF FAT  ".
std::string EndEntry();
// The three bytes that end a data block.
std::string BlockEnd();

// Makes a file hidden the way the platform does: a leading "." on Linux, the hidden attribute
// on Windows. Returns the name the file ends up with.
std::string MakeHiddenPage(const std::string& folder, const std::string& name,
                           const std::string& bytes);

}  // namespace vokatest
