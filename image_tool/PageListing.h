#pragma once
// The files one image packs, in the order both passes visit them.
#include <string>
#include <vector>

#include "PageName.h"

namespace voka {

struct PageFile {
    std::string OpenPath;   // folder, separator, the name as the file system spells it
    std::string ShownPath;  // folder, separator, the name upper-cased: what progress lines show
    std::string ShownName;  // the name upper-cased
    EntryName Name;         // the name stored in the FAT
};

// Lists the ordinary files named by inputDir: a folder (every file in it) or, when it holds
// "*", a pattern whose folder part is where the files are opened from (the current folder
// when it has none). The result is sorted by name, so images are reproducible. Returns false
// when the folder cannot be read.
bool ListPages(const std::string& inputDir, std::vector<PageFile>& pages);

// Drops the page that is the file at path, if any: an output file inside the input folder
// must not be packed into itself.
void DropFile(std::vector<PageFile>& pages, const std::string& path);

}  // namespace voka
