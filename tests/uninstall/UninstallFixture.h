#pragma once
// Files and folders laid out for the uninstaller's tests in a scratch folder.
#include <windows.h>

#include <string>

#include "scratch_dir.h"

namespace untest {

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Creates the folders on the way and the file with a line of text.
inline std::string Touch(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    testsupport::WriteFileBytes(path, "installed\r\n");
    return path;
}

inline std::string MakeDir(const std::string& path) {
    Touch(path + "\\x");
    DeleteFileA((path + "\\x").c_str());
    return path;
}

}  // namespace untest
