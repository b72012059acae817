#include <gtest/gtest.h>

#include "PathText.h"

namespace {

TEST(PathText, NormalizeDir) {
    const struct {
        const char* path;
        bool withSlash;
        const char* expected;
    } cases[] = {
        {"C:\\", false, "C:"},       {"C:\\", true, "C:\\"},     {"\\", false, "\\"},
        {"\\", true, "\\\\"},        {"C:\\a\\", false, "C:\\a"}, {"C:\\a", true, "C:\\a\\"},
        {"C:\\a\\\\", false, "C:\\a\\"}, {"", true, "\\"},       {"", false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormalizeDir(c.path, c.withSlash), c.expected) << c.path << " " << c.withSlash;
    }
}

TEST(PathText, CollapseBackslashesKeepsANetworkPrefix) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"\\\\srv\\a\\\\b\\\\\\c", "\\\\srv\\a\\b\\c"},
        {"C:\\\\x\\\\", "C:\\x\\"},
        {"\\\\\\x", "\\\\x"},
        {"", ""},
        {"plain", "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(CollapseBackslashes(c.path), c.expected) << c.path;
}

TEST(PathText, DirectoryAndNameParts) {
    const struct {
        const char* path;
        const char* dir;
        const char* name;
    } cases[] = {
        {"C:\\a\\b.txt", "C:\\a", "b.txt"}, {"C:\\b.txt", "C:\\", "b.txt"},
        {"b.txt", "", "b.txt"},             {"C:b.txt", "C:", "b.txt"},
        {"\\b", "\\", "b"},                 {"C:\\a\\", "C:\\a", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileDirOf(c.path), c.dir) << c.path;
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
    }
}

TEST(PathText, RootsAndEmptyDirectoriesAreNeverTrees) {
    for (const char* dir : {"", " ", ".", "\\", "\\\\", "C:", "c:\\", "C:\\\\", " D:\\ "}) {
        EXPECT_TRUE(IsRootOrEmptyDir(dir)) << "[" << dir << "]";
    }
    for (const char* dir : {"C:\\a", "\\a", "a", "\\\\srv\\share", "C:a"}) {
        EXPECT_FALSE(IsRootOrEmptyDir(dir)) << dir;
    }
}

TEST(PathText, CommandTailDropsTheProgramAndItsQuotes) {
    const struct {
        const char* commandLine;
        const char* exePath;
        const char* expected;
    } cases[] = {
        {"\"C:\\Pkg\\Setup.exe\" /S", "C:\\Pkg\\Setup.exe", "/S"},
        {"c:\\pkg\\setup.EXE   /a /b  ", "C:\\Pkg\\Setup.exe", "/a /b"},
        {"\"C:\\Pkg\\Setup.exe\"", "C:\\Pkg\\Setup.exe", ""},
        {"Setup /x=\"a b\"", "C:\\Pkg\\Setup.exe", "Setup /x=\"a b"},
        {"", "C:\\Pkg\\Setup.exe", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandTailOf(c.commandLine, c.exePath), c.expected) << c.commandLine;
    }
}

TEST(PathText, SwitchValue) {
    const struct {
        const char* tail;
        const char* switchText;
        const char* expected;
    } cases[] = {
        {"/OriginalInfoFile=C:\\x.info /S", "/OriginalInfoFile=", "C:\\x.info"},
        {"/originalinfofile=\"C:\\My Files\\x.info\" /S", "/OriginalInfoFile=",
         "C:\\My Files\\x.info"},
        {"/OriginalInfoFile=\"C:\\open end", "/OriginalInfoFile=", "C:\\open end"},
        {"/OriginalInfoFile= /S", "/OriginalInfoFile=", ""},
        {"/a /S", "/S", "TRUE"},
        {"/S/x", "/S", ""},
        {"/Lang=German/x", "/Lang=", "German"},
        {"/a", "/S", ""},
        {"/a", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SwitchValueIn(c.tail, c.switchText), c.expected) << c.tail << " " << c.switchText;
    }
}

}  // namespace
