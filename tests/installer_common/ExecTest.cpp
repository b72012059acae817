// What each row of the condition and execution tables does on the running system.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include "Exec.h"
#include "ExecOp.h"
#include "Files.h"
#include "OpsFixtures.h"
#include "RegOp.h"
#include "ScriptedInteraction.h"
#include "SysInfo.h"
#include "Utils.h"
#include "scratch_dir.h"

namespace {

const char kSandbox[] = "HKEY_CURRENT_USER\\Software\\KorvanTests\\Exec";
const char kAppName[] = "korvanexectest.exe";
const char kDisplayName[] = "Korvan Exec Test";

class ExecTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::WriteFileBytes(scratch_ / "file.txt", "x");
        CreateDirectoryA((scratch_ / "dir").c_str(), nullptr);
    }
    void TearDown() override {
        SetOsVersionForTest(nullptr);
        SetSetupType("Typical");
        SetGroupNames("");
        DeleteRegKey(kSandbox);
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\KorvanTests");
        DeleteRegKey(std::string("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion"
                                 "\\App Paths\\") + kAppName);
        DeleteRegKey(std::string("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"
                                 "CurrentVersion\\UnInstall\\") + kDisplayName);
    }
    bool Perform(int code, const std::string& p1 = "", const std::string& p2 = "") {
        bool abort = false;
        bool done = PerformExecutionRow(code, p1, p2, abort);
        EXPECT_FALSE(abort) << code;
        return done;
    }
    testsupport::ScratchDir scratch_;
    ui::ScriptedInteraction script_;
};

struct ConditionCase {
    int code;
    std::string p1, relation, value;
    bool expected;
};

void ExpectConditions(const std::vector<ConditionCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateConditionRow(c.code, c.p1, c.relation, c.value), c.expected)
            << c.code << " " << c.p1 << " " << c.relation << " " << c.value;
}

TEST_F(ExecTest, FilesDirectoriesAndDrives) {
    ExpectConditions({{11, scratch_ / "file.txt", "", "", true},
                      {11, scratch_ / "absent.txt", "", "", false},
                      {11, scratch_ / "dir", "", "", false},
                      {12, scratch_ / "dir", "", "", true},
                      {12, scratch_ / "file.txt", "", "", false},
                      {13, "C", "", "", true},
                      {13, "c:\\whatever", "", "", true},
                      {13, "", "", "", false}});
}

TEST_F(ExecTest, ApplicationsAndVersions) {
    std::string program = scratch_ / kAppName;
    ASSERT_FALSE(RegisterAppPath(program).empty());
    std::string versioned = opstest::Fixture("korvan_version_library.dll");
    std::string unversioned = opstest::Fixture("korvan_process_helper.exe");
    ExpectConditions({{21, kAppName, "", "", true},
                      {21, "korvan-absent.exe", "", "", false},
                      {22, kAppName, "", "", true},
                      {22, "korvan-absent.exe", "", "", false},
                      {34, versioned, "=", "1.2.0.7", true},
                      {34, versioned, ">=", "1.2", true},
                      {34, versioned, "<", "1.10", true},
                      {34, versioned, ">", "1.2.0.10", false},
                      {23, versioned, "!=", "1.2.0.7", false},
                      {34, unversioned, "<", "0", true},
                      {34, versioned, "~", "1.2.0.7", false}});
}

TEST_F(ExecTest, RunningProgramsAndServices) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ExpectConditions({{31, self, "", "", true},
                      {31, scratch_ / "absent.exe", "", "", false},
                      {32, "Korvan No Such Service", "", "", false}});
}

TEST_F(ExecTest, OperatingSystemList) {
    OsVersionInfo win98;
    win98.platform = OsVersionInfo::kWin9x;
    win98.major = 4;
    win98.minor = 10;
    SetOsVersionForTest(&win98);
    ExpectConditions({{33, "95,98,ME", "", "", true}, {33, "95, 98", "", "", false}});
}

TEST_F(ExecTest, RegistryAndEnvironment) {
    std::string key = std::string(kSandbox) + "\\Values";
    ASSERT_TRUE(WriteRegValue(key, "Number", "9", "Integer"));
    ASSERT_TRUE(WriteRegValue(key, "Text", "9", "String"));
    SetEnvironmentVariableA("KORVAN_EXEC_VAR", "abc");
    ExpectConditions({{41, key, "", "", true},
                      {41, key + "\\Absent", "", "", false},
                      {42, key + "\\Number", ">", "10", false},
                      {42, key + "\\Text", ">", "10", true},
                      {42, key + "\\Number", "=", "9", true},
                      {42, "NoBackslash", "=", "", false},
                      {43, "KORVAN_EXEC_VAR", "=", "abc", true},
                      {43, "KORVAN_EXEC_VAR", "=", "ABC", false},
                      {43, "KORVAN_EXEC_UNSET", "=", "", true}});
    SetEnvironmentVariableA("KORVAN_EXEC_VAR", nullptr);
}

TEST_F(ExecTest, MachineMeasures) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    std::string screen = std::to_string(width) + "x" + std::to_string(height);
    std::string wider = std::to_string(width + 1) + "x" + std::to_string(height);
    EXPECT_GT(CpuSpeedMHz(), 0);
    ExpectConditions({{51, "", ">", "0", true},
                      {51, "", "<", "0", false},
                      {52, "", ">", "0", true},
                      {52, "", "=", "fast", false},
                      {53, "", "=", screen, true},
                      {53, "", "<", wider, true},
                      {53, "", ">", wider, false},
                      {54, "", "<=", "True Color (32 bit)", true},
                      {54, "", ">=", "256 (8 bit)", true}});
}

TEST_F(ExecTest, QuestionsGoThroughTheInteractionSeam) {
    script_.QueueButton(IDYES);
    script_.QueueButton(IDNO);
    script_.QueueButton(IDOK);
    script_.QueueButton(IDCANCEL);
    ExpectConditions({{61, "Install the drivers?", "", "", true},
                      {61, "Install the drivers?", "", "", false},
                      {62, "Go on?", "", "", true},
                      {62, "Go on?", "", "", false}});
    auto boxes = script_.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].caption, "Confirm");
    EXPECT_NE(boxes[0].text.find("Install the drivers?"), std::string::npos);
    EXPECT_EQ(boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(boxes[2].flags & MB_TYPEMASK, static_cast<UINT>(MB_OKCANCEL));
}

TEST_F(ExecTest, SetupTypeAndGroups) {
    ExpectConditions({{63, "", "=", "typical", true}, {63, "", ">", "Typical", false}});
    SetSetupType("Custom");
    SetGroupNames("|Program|Help Files|");
    ExpectConditions({{63, "", ">", "Typical", true},
                      {63, "", "=", "CUSTOM", true},
                      {64, "Help Files", "", "", true},
                      {64, "Help", "", "", false},
                      {64, "program", "", "", false},
                      {99, "", "", "", false}});
}

TEST_F(ExecTest, FileExecutions) {
    std::string src = scratch_ / "src";
    CreateDirectoryA(src.c_str(), nullptr);
    testsupport::WriteFileBytes(src + "\\a.txt", "a");
    testsupport::WriteFileBytes(src + "\\b.txt", "b");

    EXPECT_TRUE(Perform(12, src + "\\*.txt", scratch_ / "copy\\"));
    EXPECT_TRUE(FileExists(scratch_ / "copy\\a.txt"));
    EXPECT_FALSE(Perform(12, src + "\\*.none", scratch_ / "copy\\"));
    EXPECT_TRUE(Perform(14, scratch_ / "copy\\*.txt", scratch_ / "copy\\*.bak"));
    EXPECT_TRUE(FileExists(scratch_ / "copy\\b.bak"));
    EXPECT_FALSE(Perform(14, scratch_ / "copy\\*.txt", scratch_ / "copy\\*.old"));
    EXPECT_TRUE(Perform(13, src + "\\*.txt", scratch_ / "moved\\"));
    EXPECT_TRUE(FileExists(scratch_ / "moved\\a.txt"));
    EXPECT_FALSE(FileExists(src + "\\a.txt"));
    EXPECT_TRUE(Perform(11, scratch_ / "moved\\*.txt"));
    EXPECT_FALSE(FileExists(scratch_ / "moved\\a.txt"));
    EXPECT_TRUE(Perform(11, scratch_ / "moved\\*.txt"));
}

TEST_F(ExecTest, DirectoryExecutions) {
    EXPECT_TRUE(Perform(21, scratch_ / "dir"));
    EXPECT_FALSE(DirectoryExists(scratch_ / "dir"));
    EXPECT_FALSE(Perform(21, scratch_ / "dir"));

    ASSERT_TRUE(ForceDirectories(scratch_ / "tree\\sub"));
    testsupport::WriteFileBytes(scratch_ / "tree\\sub\\f.txt", "f");
    EXPECT_TRUE(Perform(24, scratch_ / "tree", scratch_ / "tree2"));
    EXPECT_TRUE(FileExists(scratch_ / "tree2\\sub\\f.txt"));
    EXPECT_TRUE(Perform(25, scratch_ / "tree2", "tree3"));
    EXPECT_TRUE(DirectoryExists(scratch_ / "tree3"));
    EXPECT_FALSE(Perform(21, scratch_ / "tree"));
    EXPECT_TRUE(Perform(22, scratch_ / "tree"));
    EXPECT_FALSE(DirectoryExists(scratch_ / "tree"));

    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    EXPECT_TRUE(Perform(23, scratch_ / "tree3"));
    char now[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_TRUE(EqualText(now, scratch_ / "tree3")) << now;
    SetCurrentDirectoryA(before);
    EXPECT_FALSE(Perform(23, scratch_ / "absent"));
}

TEST_F(ExecTest, ApplicationExecutions) {
    std::string appDir = scratch_ / "app";
    ASSERT_TRUE(ForceDirectories(appDir));
    std::string program = opstest::CopyFixture("korvan_process_helper.exe", appDir, kAppName);
    ASSERT_FALSE(RegisterAppPath(program).empty());

    EXPECT_TRUE(Perform(35, kAppName, "/from app"));
    EXPECT_EQ(testsupport::ReadFileBytes(appDir + "\\args.txt"),
              "\"" + program + "\" \"/from app\"");
    EXPECT_TRUE(Perform(42, program, "/direct"));
    EXPECT_EQ(testsupport::ReadFileBytes(appDir + "\\args.txt"), "\"" + program + "\" /direct");
    EXPECT_FALSE(Perform(41, scratch_ / "absent.exe"));

    ASSERT_FALSE(RegisterUninstall(kDisplayName, program, "1", "Korvan").empty());
    DeleteFileA((appDir + "\\args.txt").c_str());
    EXPECT_TRUE(Perform(33, kDisplayName));
    EXPECT_EQ(testsupport::ReadFileBytes(appDir + "\\args.txt"), "\"" + program + "\"");
    EXPECT_FALSE(Perform(33, "Korvan Not Installed"));

    EXPECT_TRUE(Perform(31, kAppName));
    EXPECT_FALSE(FileExists(program));
    EXPECT_FALSE(Perform(31, kAppName));
    EXPECT_TRUE(Perform(32, kAppName));
    EXPECT_FALSE(DirectoryExists(appDir));
    EXPECT_FALSE(Perform(32, kAppName));
}

TEST_F(ExecTest, ShellExecutionsGoThroughTheSeam) {
    script_.QueueShellResult(true);
    EXPECT_TRUE(Perform(43, "http://korvan.example", "a b"));
    EXPECT_FALSE(Perform(44, "C:\\hidden.txt"));
    auto calls = script_.CallsOf("ShellOpen");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "http://korvan.example");
    EXPECT_NE(calls[0].detail.find("a b"), std::string::npos);
    EXPECT_EQ(calls[1].text, "C:\\hidden.txt");
}

TEST_F(ExecTest, RegistryServiceAndServerExecutions) {
    std::string key = std::string(kSandbox) + "\\Created";
    EXPECT_TRUE(Perform(53, key));
    EXPECT_TRUE(RegKeyExists(key));
    bool isInteger = false;
    EXPECT_EQ(ReadRegValueText(key, "", isInteger), "");
    EXPECT_TRUE(Perform(54, key));
    EXPECT_FALSE(RegKeyExists(key));

    EXPECT_FALSE(Perform(51, "Korvan No Such Service"));
    EXPECT_FALSE(Perform(52, "Korvan No Such Service"));

    std::string server =
        opstest::CopyFixture("korvan_com_server.dll", scratch_.Path(), "server.ocx");
    EXPECT_TRUE(Perform(55, server));
    EXPECT_TRUE(opstest::HkcuKeyExists("Software\\KorvanTests\\ComServer"));
    EXPECT_FALSE(Perform(56, server));  // our server answers S_FALSE
    EXPECT_FALSE(opstest::HkcuKeyExists("Software\\KorvanTests\\ComServer"));
}

TEST_F(ExecTest, TextAndMessageExecutions) {
    std::string file = scratch_ / "notes.txt";
    EXPECT_TRUE(Perform(60, file, "one\\\\ntwo\\\\tthree \\n four"));
    EXPECT_EQ(testsupport::ReadFileBytes(file), "one\r\ntwo\tthree \\n four");
    EXPECT_TRUE(Perform(60, file, "!"));
    EXPECT_EQ(testsupport::ReadFileBytes(file), "one\r\ntwo\tthree \\n four!");
    EXPECT_FALSE(Perform(60, scratch_ / "absent\\notes.txt", "x"));

    EXPECT_TRUE(Perform(61, "Please restart"));
    auto boxes = script_.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Attention");

    bool abort = false;
    EXPECT_TRUE(PerformExecutionRow(62, "", "", abort));
    EXPECT_TRUE(abort);
    EXPECT_TRUE(Perform(99));
}

}  // namespace
