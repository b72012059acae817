#pragma once
// Where the system-operation tests find the programs and libraries of fixtures/.
#include <windows.h>

#include <string>

#include "scratch_dir.h"

namespace opstest {

inline std::string Fixture(const std::string& fileName) {
    return testsupport::BinaryPath("tests/installer_common/fixtures/" + fileName);
}

// Copies a fixture into the folder under a name of the test's choosing; the copy's path.
inline std::string CopyFixture(const std::string& fileName, const std::string& folder,
                               const std::string& copyName) {
    std::string copy = folder + "\\" + copyName;
    CopyFileA(Fixture(fileName).c_str(), copy.c_str(), FALSE);
    return copy;
}

inline bool HkcuKeyExists(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace opstest
