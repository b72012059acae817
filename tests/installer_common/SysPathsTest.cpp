#include <gtest/gtest.h>
#include <windows.h>

#include "SysPaths.h"
#include "Utils.h"

namespace {

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(SysPaths, ProgramAndWindowsDirectories) {
    EXPECT_TRUE(EndsWithText(ExePath(), "\\installer_common_test.exe")) << ExePath();
    EXPECT_EQ(ExeDir(true) + "installer_common_test.exe", ExePath());

    const struct {
        const char* name;
        std::string withSlash, without;
    } dirs[] = {
        {"ExeDir", ExeDir(true), ExeDir(false)},
        {"WindowsDir", WindowsDir(true), WindowsDir(false)},
        {"SystemDir", SystemDir(true), SystemDir(false)},
        {"TempDir", TempDir(true), TempDir(false)},
    };
    for (const auto& d : dirs) {
        EXPECT_EQ(d.withSlash, d.without + "\\") << d.name;
        EXPECT_NE(d.without.back(), '\\') << d.name;
        EXPECT_TRUE(IsDirectory(d.without)) << d.name << " " << d.without;
    }
    EXPECT_EQ(PosText(WindowsDir(true), SystemDir(false)), 1) << SystemDir(false);
}

TEST(SysPaths, SwitchesOfThisProcess) {
    // CTest starts every test program with this switch; a run by hand may not.
    const bool fromCTest =
        std::string(GetCommandLineA()).find("--gtest_color=no") != std::string::npos;
    EXPECT_EQ(SwitchValue("--gtest_color="), fromCTest ? "no" : "");
    EXPECT_EQ(SwitchValue("/NoSuchSwitch"), "");
    EXPECT_EQ(PosText("installer_common_test", CommandTail()), 0) << CommandTail();
}

}  // namespace
