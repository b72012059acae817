#include <gtest/gtest.h>

#include "RegPath.h"

namespace {

TEST(RegPath, SplitRootKey) {
    const struct {
        const char* path;
        const char* root;
        const char* subKey;
    } cases[] = {
        {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"},
        {"hkey_users\\x", "HKEY_USERS", "x"},
        {"HKEY_FOO\\x", "HKEY_CURRENT_USER", "x"},
        {"  HKEY_LOCAL_MACHINE\\Software\\A B\\c  ", "HKEY_LOCAL_MACHINE", "Software\\A B\\c"},
        {"Software\\Korvan", "HKEY_CURRENT_USER", "Software\\Korvan"},
        {"HKEY_CLASSES_ROOT\\", "HKEY_CLASSES_ROOT", ""},
        {"HKEY_DYN_DATA\\a", "HKEY_DYN_DATA", "a"},
        {"HKEY_CURRENT_CONFIG\\a", "HKEY_CURRENT_CONFIG", "a"},
        {"", "HKEY_CURRENT_USER", ""},
    };
    for (const auto& c : cases) {
        const RegistryPath split = SplitRegistryPath(c.path);
        EXPECT_EQ(split.root, c.root) << c.path;
        EXPECT_EQ(split.subKey, c.subKey) << c.path;
    }
}

}  // namespace
