#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include "MsgBoxText.h"
#include "RegIni.h"
#include "RunTimeDir.h"
#include "ScriptedInteraction.h"
#include "scratch_dir.h"

namespace {

// A specification with every switch off and the given fields set.
std::string Spec(std::initializer_list<std::pair<int, std::string>> fields) {
    std::vector<std::string> values(18, "0");
    for (const auto& field : fields) values[static_cast<size_t>(field.first)] = field.second;
    std::string spec = "|";
    for (const std::string& value : values) spec += value + "|";
    return spec;
}

class RunTimeDirTest : public ::testing::Test {
protected:
    testsupport::ScratchDir dir;
    const std::string pid = std::to_string(GetCurrentProcessId());
    const std::string program = "KorvanTestTool" + pid + ".exe";
    const std::string appPathKey =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + program;
    const std::string sandbox = "Software\\KorvanTests\\RunTimeDir" + pid;
    ui::ScriptedInteraction script;

    void SetUp() override {
        ResetRunTimeDirsForTest();
        for (const char* folder : {"fixed", "fixed\\Vendor", "fixed\\Vendor\\Tool", "net",
                                   "net\\Shared"}) {
            CreateDirectoryA((dir / folder).c_str(), nullptr);
        }
        testsupport::WriteFileBytes(dir / "fixed\\Vendor\\Tool\\tool.ini", "x");
        testsupport::WriteFileBytes(dir / "net\\Shared\\remote.ini", "x");
        const std::vector<SearchDrive> drives = {{dir / "fixed", DRIVE_FIXED},
                                                 {dir / "net", DRIVE_REMOTE}};
        SetSearchDrivesForTest(&drives);
    }
    void TearDown() override {
        SetSearchDrivesForTest(nullptr);
        ResetRunTimeDirsForTest();
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, appPathKey.c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, sandbox.c_str());
    }
};

TEST_F(RunTimeDirTest, EachMethodFindsItsDirectory) {
    ASSERT_TRUE(RegWriteString("HKEY_LOCAL_MACHINE\\" + appPathKey, "",
                               "\"C:\\Tools\\Korvan\\tool.exe\""));
    ASSERT_TRUE(RegWriteString("HKEY_CURRENT_USER\\" + sandbox, "InstallPath", "D:\\Vendor\\"));
    ASSERT_TRUE(RegWriteString("HKEY_CURRENT_USER\\" + sandbox + "\\Keyed", "", "E:\\Keyed"));

    const struct {
        std::string spec;
        std::string expected;
    } cases[] = {
        {Spec({{0, "1"}, {1, program}}), "C:\\Tools\\Korvan"},
        {Spec({{2, "1"}, {3, "HKEY_CURRENT_USER\\" + sandbox + "\\InstallPath"}}), "D:\\Vendor"},
        {Spec({{2, "1"}, {3, "HKEY_CURRENT_USER\\" + sandbox + "\\Keyed"}}), "E:\\Keyed"},
        {Spec({{4, "1"}, {5, "tool.ini"}, {6, "1"}}), dir / "fixed\\Vendor\\Tool"},
        {Spec({{4, "1"}, {5, "remote.ini"}, {6, "1"}, {7, "1"}}), dir / "net\\Shared"},
        {Spec({{4, "1"}, {5, "remote.ini"}, {6, "1"}}), ""},
        {Spec({{8, "1"}, {9, "\\Tool"}, {10, "1"}}), dir / "fixed\\Vendor\\Tool"},
        {Spec({{8, "1"}, {9, "\\shared"}, {10, "1"}, {11, "1"}}), dir / "net\\Shared"},
        {Spec({{12, "1"}, {13, "F:\\Default"}}), "F:\\Default"},
        // A registry answer, even an empty one, replaces what App Paths found.
        {Spec({{0, "1"}, {1, program}, {2, "1"}, {3, "HKEY_CURRENT_USER\\" + sandbox + "\\No"}}),
         ""},
        // App Paths found it: no file search, so the directory stays.
        {Spec({{0, "1"}, {1, program}, {4, "1"}, {5, "tool.ini"}, {6, "1"}}), "C:\\Tools\\Korvan"},
        {Spec({{4, "1"}, {5, ""}, {6, "1"}, {8, "1"}, {9, ""}, {10, "1"}}), ""},
        {Spec({}), ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        ResetRunTimeDirsForTest();
        SetRunTimeDirSpec(2, c.spec);
        EXPECT_EQ(RunTimeDir(2), c.expected) << c.spec;
    }
    EXPECT_TRUE(script.Calls().empty());
    EXPECT_FALSE(InstallStopped());
}

TEST_F(RunTimeDirTest, TheFirstAnswerIsKept) {
    ASSERT_TRUE(RegWriteString("HKEY_CURRENT_USER\\" + sandbox, "Path", "C:\\First"));
    SetRunTimeDirSpec(1, Spec({{2, "1"}, {3, "HKEY_CURRENT_USER\\" + sandbox + "\\Path"}}));
    EXPECT_EQ(RunTimeDir(1), "C:\\First");
    ASSERT_TRUE(RegWriteString("HKEY_CURRENT_USER\\" + sandbox, "Path", "C:\\Second"));
    EXPECT_EQ(RunTimeDir(1), "C:\\First");
    EXPECT_EQ(RunTimeDir(0), "");
    EXPECT_EQ(RunTimeDir(4), "");
}

TEST_F(RunTimeDirTest, MissingDirectoryReportsAndStopsAsAsked) {
    const struct {
        std::string spec;
        size_t boxes;
        bool stops;
    } cases[] = {
        {Spec({{4, "1"}, {5, "none.ini"}, {6, "1"}, {16, "1"}}), 1, false},
        {Spec({{4, "1"}, {5, "none.ini"}, {6, "1"}, {17, "1"}}), 0, true},
        {Spec({{4, "1"}, {5, "none.ini"}, {6, "1"}, {16, "1"}, {17, "1"}}), 1, true},
        {Spec({{12, "1"}, {13, "C:\\Def"}, {16, "1"}, {17, "1"}}), 0, false},
    };
    for (const auto& c : cases) {
        ResetRunTimeDirsForTest();
        script.ClearCalls();
        SetRunTimeDirSpec(3, c.spec);
        RunTimeDir(3);
        ASSERT_EQ(script.Calls().size(), c.boxes) << c.spec;
        EXPECT_EQ(InstallStopped(), c.stops) << c.spec;
        if (c.boxes) {
            EXPECT_EQ(script.Calls()[0].caption, "Error");
            EXPECT_EQ(script.Calls()[0].text, TopBoxBody("RunTimeDir(none.ini)\\n\\nNot Found!"));
        }
    }
}

TEST_F(RunTimeDirTest, SearchProgressCanStopTheLookup) {
    int visited = 0;
    SetRunTimeSearchProgress([&](const std::string&) { return ++visited < 2; });
    SetRunTimeDirSpec(1, Spec({{4, "1"}, {5, "tool.ini"}, {6, "1"}}));
    EXPECT_EQ(RunTimeDir(1), "");
    EXPECT_EQ(visited, 2);
    SetRunTimeSearchProgress(nullptr);
}

}  // namespace
