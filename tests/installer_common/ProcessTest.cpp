// Starting, finding, waiting for and ending programs, with a helper program of our own.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "OpsFixtures.h"
#include "Process.h"
#include "SysInfo.h"
#include "UserInteraction.h"
#include "ScriptedInteraction.h"
#include "scratch_dir.h"

namespace {

const char kHelperName[] = "KorvanProcHelper.exe";

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        helper_ = opstest::CopyFixture("korvan_process_helper.exe", scratch_.Path(), kHelperName);
    }
    void TearDown() override {
        SetOsVersionForTest(nullptr);
        DeleteFileA(Hold().c_str());
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }
    std::string Hold() const { return scratch_ / "hold"; }
    std::string Args() const { return testsupport::ReadFileBytes(scratch_ / "args.txt"); }
    // The helper's command line once it has written it (a started program may still be loading
    // when the process search first looks for it).
    std::string AwaitArgs() const {
        for (int i = 0; i < 100 && Args().empty(); ++i) Sleep(50);
        return Args();
    }

    // Starts the helper and keeps it running until the hold file goes.
    void StartHeld() {
        ASSERT_TRUE(testsupport::WriteFileBytes(Hold(), "x"));
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + helper_ + "\"";
        ASSERT_TRUE(CreateProcessA(helper_.c_str(), &command[0], nullptr, nullptr, FALSE, 0,
                                   nullptr, nullptr, &startup, &process_));
        AwaitArgs();
    }
    bool Ended(DWORD ms) const {
        return WaitForSingleObject(process_.hProcess, ms) == WAIT_OBJECT_0;
    }

    testsupport::ScratchDir scratch_;
    std::string helper_;
    PROCESS_INFORMATION process_ = {};
};

TEST_F(ProcessTest, MatchRules) {
    const struct {
        const char* program;
        bool pathOnly;
        bool expected;
    } cases[] = {{"C:\\Apps\\Tool.exe", false, true},  {"c:\\apps\\tool.EXE", true, true},
                 {"tool.exe", false, true},            {"tool.exe", true, false},
                 {"C:\\Other\\Tool.exe", false, false}, {"", false, false}};
    for (const auto& c : cases)
        EXPECT_EQ(ProcessMatches(c.program, "C:\\Apps\\Tool.exe", "Tool.exe", c.pathOnly),
                  c.expected)
            << c.program << " pathOnly=" << c.pathOnly;
}

TEST_F(ProcessTest, FindsARunningProgramByPathAndBareName) {
    StartHeld();
    DWORD id = process_.dwProcessId;
    EXPECT_EQ(FindProcessByPath(helper_, true), id);
    EXPECT_EQ(FindProcessByPath(kHelperName, false), id);
    EXPECT_EQ(FindProcessByPath(kHelperName, true), 0u);
    EXPECT_TRUE(IsProgramRunning(kHelperName));
    bool listed = false;
    for (DWORD each : ProcessIdList()) listed = listed || each == id;
    EXPECT_TRUE(listed);
}

TEST_F(ProcessTest, ToolHelpSearchOnTheOlderFamily) {
    StartHeld();
    OsVersionInfo win98;
    win98.platform = OsVersionInfo::kWin9x;
    win98.major = 4;
    win98.minor = 10;
    SetOsVersionForTest(&win98);
    // Wine's snapshot names processes by file name only, so only the bare name is looked at.
    EXPECT_EQ(FindProcessByPath(kHelperName, false), process_.dwProcessId);
    EXPECT_TRUE(IsProgramRunning(kHelperName));
    EXPECT_FALSE(IsProgramRunning("KorvanNotRunning.exe"));
}

TEST_F(ProcessTest, TerminateNeedsThePathWhenPathOnly) {
    StartHeld();
    EXPECT_FALSE(TerminateProgram(kHelperName, true));
    EXPECT_FALSE(Ended(0));
    EXPECT_TRUE(TerminateProgram(helper_, true));
    EXPECT_TRUE(Ended(5000));
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(TerminateProgram(helper_, true));
}

TEST_F(ProcessTest, WaitForProgramEndReturnsWhenTheProgramEnds) {
    StartHeld();
    std::thread release([this] {
        Sleep(1500);
        DeleteFileA(Hold().c_str());
    });
    WaitForProgramEnd(helper_);
    release.join();
    EXPECT_TRUE(Ended(0));
    EXPECT_FALSE(IsProgramRunning(helper_));
}

TEST_F(ProcessTest, WaitForProgramEndGivesUpAtItsLimit) {
    StartHeld();
    WaitForProgramEnd(helper_, 1500);
    EXPECT_TRUE(IsProgramRunning(helper_));
}

TEST_F(ProcessTest, WaitForAProgramThatIsNotRunning) {
    DWORD start = GetTickCount();
    WaitForProgramEnd(scratch_ / "absent.exe");
    EXPECT_LT(GetTickCount() - start, 1000u);
}

TEST_F(ProcessTest, WaitOnTheOlderFamilyLastsAtLeastOneSecond) {
    OsVersionInfo win98;
    win98.platform = OsVersionInfo::kWin9x;
    win98.major = 4;
    win98.minor = 10;
    SetOsVersionForTest(&win98);
    DWORD start = GetTickCount();
    WaitForProgramEnd(scratch_ / "absent.exe");
    EXPECT_GE(GetTickCount() - start, 1000u);
}

TEST_F(ProcessTest, RunProgramQuotesParametersWithBlanks) {
    const struct {
        const char* params;
        const char* expectedTail;
    } cases[] = {{"/S /D=C:\\x", " \"/S /D=C:\\x\""},
                 {"\"C:\\a b\" /q", " \"C:\\a b\" /q"},
                 {"/quiet", " /quiet"},
                 {"", ""}};
    for (const auto& c : cases) {
        DeleteFileA((scratch_ / "args.txt").c_str());
        ASSERT_TRUE(RunProgram(helper_, c.params, true, SW_HIDE)) << c.params;
        EXPECT_EQ(AwaitArgs(), "\"" + helper_ + "\"" + c.expectedTail) << c.params;
    }
    EXPECT_FALSE(RunProgram(scratch_ / "absent.exe", "", false, SW_HIDE));
}

TEST_F(ProcessTest, RunProgramWithWaitReturnsAfterTheProgramEnded) {
    ASSERT_TRUE(testsupport::WriteFileBytes(Hold(), "x"));
    std::thread release([this] {
        Sleep(1500);
        DeleteFileA(Hold().c_str());
    });
    EXPECT_TRUE(RunProgram(helper_, "", true, SW_HIDE));
    EXPECT_FALSE(IsProgramRunning(helper_));
    release.join();
    EXPECT_FALSE(Args().empty());
}

TEST_F(ProcessTest, RunProgramKeepsTheCurrentDirectory) {
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    ASSERT_TRUE(RunProgram(helper_, "", true, SW_HIDE));
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

TEST_F(ProcessTest, ShellOpenGoesThroughTheInteractionSeam) {
    ui::ScriptedInteraction script;
    script.QueueShellResult(true);
    EXPECT_TRUE(ShellOpen("http://korvan.example", "", SW_SHOW));
    EXPECT_FALSE(ShellOpen("C:\\readme.txt", "/x", SW_HIDE));
    auto calls = script.CallsOf("ShellOpen");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "http://korvan.example");
    EXPECT_EQ(calls[1].text, "C:\\readme.txt");
}

TEST_F(ProcessTest, IsAdministratorAnswersFromTheToken) {
    // Wine gives its user the Administrators group.
    EXPECT_TRUE(IsAdministrator());
}

}  // namespace
