#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include "Files.h"
#include "Global.h"
#include "RegIni.h"
#include "ScriptedInteraction.h"
#include "SysPaths.h"

namespace {

class GlobalTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRunTimeDirsForTest();
        SetInstallDirs("C:\\App", "D:\\Common", "E:\\Aux");
        SetRunTimeDirSpec(1, "|0|0|0|0|0|0|0|0|0|0|0|0|1|R:\\Runtime|0|0|0|0|");
        SetRunTimeDirSpec(2, "|0|0|0|0|0|0|0|0|0|0|0|0|0||0|0|1|0|");  // not found: error box
    }
    void TearDown() override {
        SetInstallDirs("", "", "");
        ResetRunTimeDirsForTest();
    }
    ui::ScriptedInteraction script;
};

TEST_F(GlobalTest, ExpandPathMacros) {
    const std::string win = WindowsDir(true);
    const std::string sys = SystemDir(true);
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"<InstallDir>bin", "C:\\App\\bin"},
        {"<InstallDir><Common Folder>x", "D:\\Common\\x"},
        {"<installdir>\\<AUXILIARY FOLDER>\\x", "\\E:\\Aux\\x"},
        {"<absolutedir>C:\\x", "C:\\x"},
        {"<Application Folder>\\a\\\\b", "C:\\App\\a\\b"},
        {"<InstallCommonDir>c <InstallAuxDir>a", "D:\\Common\\c E:\\Aux\\a"},
        {"<RunTimeDir_1>lib", "R:\\Runtime\\lib"},
        {"<runtimedir_2>lib", "<runtimedir_2>lib"},  // no lookup, so no error box either
        {"<WinDir>Fonts", win + "Fonts"},
        {"<WinDir>\\Fonts", win + "Fonts"},
        {"<Windows Directory>x", win + "x"},
        {"<WinSysDir>x.dll", sys + "x.dll"},
        {"<System Directory>x.dll", sys + "x.dll"},
        {"<WinDisk>", win.substr(0, 2) + "\\"},
        {"<WinSysDisk>", sys.substr(0, 2) + "\\"},
        {"<WinSys16Dir>a", System16Dir() + "\\a"},
        {"<System16 Directory>a", System16Dir() + "\\a"},
        {"<ProgramFilesDir>P", ProgramFilesDir() + "\\P"},
        {"<CommonFilesDir>C", CommonFilesDir() + "\\C"},
        {"<FontDir>f.ttf", FontsDir() + "\\f.ttf"},
        {"<SrcDir>Setup.txt", ExeDir(true) + "Setup.txt"},
        {"<OriginDir>o", OriginDir() + "\\o"},
        {"<TempDir>t", TempDir(true) + "t"},
        {"C:\\no\\\\macros", "C:\\no\\\\macros"},
        {"\\\\server\\<InstallDir>x", "\\\\server\\C:\\App\\x"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExpandPathMacros(c.text), c.expected) << c.text;
    EXPECT_TRUE(script.Calls().empty());
}

TEST_F(GlobalTest, UnsetFoldersAndMissingRunTimeDirsBecomeALoneBackslash) {
    SetInstallDirs("", "", "");
    EXPECT_EQ(ExpandPathMacros("<InstallDir>bin"), "\\bin");
    EXPECT_EQ(ExpandPathMacros("<SrcDir><Common Folder>\\x"), ExeDir(true) + "x");
    // At the very start two backslashes stay: they could be a network path.
    EXPECT_EQ(ExpandPathMacros("<InstallDir>\\bin"), "\\\\bin");
    EXPECT_EQ(ExpandPathMacros("<RunTimeDir_2>lib"), "\\lib");
    EXPECT_EQ(script.CallsOf("MessageBox").size(), 1u);
}

TEST_F(GlobalTest, SpecialDirectoriesExist) {
    for (const std::string& folder : {System16Dir(), FontsDir(), ProgramFilesDir()}) {
        EXPECT_TRUE(DirectoryExists(folder)) << folder;
    }
    const std::string system32 = SystemDir(false);
    const std::string::size_type at = system32.rfind("32");
    if (at != std::string::npos &&
        DirectoryExists(system32.substr(0, at) + system32.substr(at + 2))) {
        EXPECT_EQ(System16Dir(), system32.substr(0, at) + system32.substr(at + 2));
    }
}

TEST_F(GlobalTest, OriginDirComesFromTheDynDataKey) {
    const char key[] = "Software\\Tarsel_Dyn_Data";
    HKEY existing;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &existing) == ERROR_SUCCESS) {
        RegCloseKey(existing);
        GTEST_SKIP() << "a real Tarsel_Dyn_Data key exists; leaving it alone";
    }
    EXPECT_EQ(OriginDir(), ExeDir(false));
    ASSERT_TRUE(RegWriteString(std::string("HKEY_CURRENT_USER\\") + key, "OriginDir", "X:\\Pkg"));
    EXPECT_EQ(OriginDir(), "X:\\Pkg");
    EXPECT_EQ(ExpandPathMacros("<OriginDir>Setup.txt"), "X:\\Pkg\\Setup.txt");
    SHDeleteKeyA(HKEY_CURRENT_USER, key);
}

TEST_F(GlobalTest, OwnFileNames) {
    EXPECT_EQ(ScriptFileName(false), "Setup.txt");
    EXPECT_EQ(UninstallFileName(false), "UnInstall.txt");
    EXPECT_EQ(LogFileName(false), "Setup.log");
    EXPECT_EQ(ScriptFileName(true), ExeDir(true) + "Setup.txt");
    EXPECT_EQ(LogFileName(true), ExeDir(true) + "Setup.log");
}

}  // namespace
