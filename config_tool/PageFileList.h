#pragma once
// The web-page file list: full page paths, sorted ignoring letter case, no duplicates.
#include <string>

#include "StringList.h"

namespace korvan {

// Replaces `list` with the file's paths; blank lines are not paths and are skipped. When the
// file cannot be read, false and `list` is untouched.
bool LoadPageListFile(const std::string& path, ui::SortedStringList& list);

// Removes the first entry equal to `path` byte for byte (letter case counts, as a grid row
// gives it back); false when there is none.
bool RemovePagePath(ui::SortedStringList& list, const std::string& path);

}  // namespace korvan
