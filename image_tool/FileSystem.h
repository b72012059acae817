#pragma once
// The few file-system calls the image builder needs that differ between Windows and Linux.
// Windows: FindFirstFile with the hidden and system attributes; Linux: readdir and stat.
#include <string>
#include <vector>

namespace voka {

// The separator the builder puts between a folder and a file name.
char PathSeparator();

// Fills names with the ordinary files of directory that match mask ("*.*" matches every name):
// folders, hidden files (on Linux: names beginning with ".") and system files (on Linux:
// anything but a regular file) are left out. An empty directory means the root folder.
// Returns false when the directory cannot be read; a readable folder with no match is true.
bool ListOrdinaryFiles(const std::string& directory, const std::string& mask,
                       std::vector<std::string>& names);

// True when both paths name the same existing file.
bool IsSameFile(const std::string& first, const std::string& second);

}  // namespace voka
