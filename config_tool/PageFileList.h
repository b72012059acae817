#pragma once
// The web-page file list: full page paths, sorted ignoring letter case, no duplicates.
#include <string>

#include "SortedTextList.h"

namespace korvan {

// One grid row: the name with its extension, and the drive and folder with the trailing
// separator ("C:\Pages\" for "C:\Pages\index.htm"). folder + name is the path again.
struct PagePathParts {
    std::string name;
    std::string folder;
};

PagePathParts SplitPagePath(const std::string& path);

// Replaces `list` with the file's paths; blank lines are not paths and are skipped. When the
// file cannot be read, false and `list` is untouched.
bool LoadPageListFile(const std::string& path, SortedTextList& list);

// Writes one path per line (CR LF), replacing the file; false when it cannot be written.
bool SavePageListFile(const std::string& path, const SortedTextList& list);

}  // namespace korvan
