#include <gtest/gtest.h>

#include "FileNames.h"

namespace {

TEST(FileNames, TargetNameFor) {
    const struct {
        const char* name;
        const char* target;
        const char* expected;
    } cases[] = {
        {"a.txt", "C:\\t\\", "a.txt"},
        {"a.txt", "C:\\t\\*.*", "a.txt"},
        {"a.txt", "C:\\t\\*.bak", "a.bak"},
        {"a.b.txt", "C:\\t\\*.bak", "a.b.bak"},
        {"a.txt", "C:\\t\\new.*", "new.txt"},
        {"a.txt", "C:\\t\\new*", "new.txt"},
        {"README", "C:\\t\\new.*", "new"},
        {"a.txt", "C:\\t\\fixed.dat", "fixed.dat"},
        {"a.txt", "*", "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TargetNameFor(c.name, c.target), c.expected) << c.name << " -> " << c.target;
    }
}

TEST(FileNames, InstalledFileName) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"C:\\a\\00012#readme.txt", "C:\\a\\readme.txt"},
        {"C:\\a\\abcde#x", "C:\\a\\abcde#x"},
        {"C:\\00001#x.dll", "C:\\x.dll"},
        {"C:\\a\\0001#x", "C:\\a\\0001#x"},
        {"C:\\a\\00012#", "C:\\a\\"},
        {"C:\\12345#\\x", "C:\\12345#\\x"},
        {"00003#bare.txt", "bare.txt"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(InstalledFileName(c.path), c.expected) << c.path;
}

TEST(FileNames, FlagTests) {
    EXPECT_TRUE(IsSharedFile(0x0001));
    EXPECT_FALSE(IsSharedFile(0xFFFE));
    EXPECT_TRUE(IsRegisterFile(0x0002));
    EXPECT_FALSE(IsRegisterFile(0xFFFD));
    EXPECT_TRUE(IsKeptFile(0x0010));
    EXPECT_FALSE(IsKeptFile(0xFFEF));
    EXPECT_TRUE(IsReadOnlyFile(0x0100));
    EXPECT_FALSE(IsReadOnlyFile(0xFEFF));
    EXPECT_EQ(FileAttributesOf(0x2113), 0x21u);
    EXPECT_EQ(FileAttributesOf(0x00FF), 0u);
}

}  // namespace
