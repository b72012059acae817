// The UI driver against a real program in another process: finds its window and controls,
// clicks, types, reads back and answers its message box.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "scratch_dir.h"

namespace {

// Unique per run: a window left over from another run is never driven by mistake.
const std::string kWindow = "UI Driver Test " + std::to_string(GetCurrentProcessId());

struct Result {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

// Takes what a pipe holds now without waiting. The driver's end of a pipe may also be held
// by a helper process that Wine starts on the way, so the end of the data is the end of the
// driver process, never the closing of the pipe.
void TakeAvailable(HANDLE pipe, std::string& text) {
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        std::string buffer(available, '\0');
        DWORD got = 0;
        if (!ReadFile(pipe, &buffer[0], available, &got, nullptr) || got == 0) return;
        text.append(buffer, 0, got);
    }
}

std::string Quote(const std::string& argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

class UiDriverTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string program = testsupport::BinaryPath("tests\\ui\\ui_test_form.exe");
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = Quote(program) + " " + kWindow;
        ASSERT_TRUE(CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &form_))
            << program;
    }

    static void TearDownTestSuite() {
        if (WaitForSingleObject(form_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(form_.hProcess, 9);
        CloseHandle(form_.hProcess);
        CloseHandle(form_.hThread);
    }

    static Result Drive(const std::vector<std::string>& arguments) {
        std::string driver = testsupport::BinaryPath("tools\\uidriver\\uidriver.exe");
        std::string command = Quote(driver);
        for (const std::string& argument : arguments) command += " " + Quote(argument);

        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE outRead, outWrite, errRead, errWrite;
        CreatePipe(&outRead, &outWrite, &inherit, 0);
        CreatePipe(&errRead, &errWrite, &inherit, 0);
        SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = outWrite;
        startup.hStdError = errWrite;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        PROCESS_INFORMATION process = {};
        Result result;
        if (CreateProcessA(driver.c_str(), &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &process)) {
            CloseHandle(outWrite);
            CloseHandle(errWrite);
            DWORD deadline = GetTickCount() + 120000;
            bool ended = false;
            while (!ended && GetTickCount() < deadline) {
                ended = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
                TakeAvailable(outRead, result.out);
                TakeAvailable(errRead, result.err);
            }
            if (!ended) TerminateProcess(process.hProcess, 124);
            GetExitCodeProcess(process.hProcess, &result.exitCode);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        } else {
            CloseHandle(outWrite);
            CloseHandle(errWrite);
            result.err = "cannot start " + driver;
        }
        CloseHandle(outRead);
        CloseHandle(errRead);
        return result;
    }

    // Runs the driver, expecting success and, when given, exactly this output.
    static void Expect(const std::vector<std::string>& arguments,
                       const std::optional<std::string>& out = std::nullopt) {
        Result result = Drive(arguments);
        EXPECT_EQ(result.exitCode, 0u) << arguments.front() << ": " << result.err;
        if (out) {
            EXPECT_EQ(result.out, *out) << arguments.front();
        }
    }

    static PROCESS_INFORMATION form_;
};

PROCESS_INFORMATION UiDriverTest::form_ = {};


TEST_F(UiDriverTest, DrivesTheFormAcrossProcesses) {
    Expect({"wait-window", kWindow, "60"});

    Expect({"set-text", kWindow, "NameEdit", "Korvan"});
    Expect({"get-text", kWindow, "NameEdit"}, "Korvan\n");

    Expect({"click", kWindow, "HelloButton"});
    Expect({"wait-box", "Hello", "20"});
    Result text = Drive({"box-text", "Hello"});
    EXPECT_NE(text.out.find("Hello, Korvan!"), std::string::npos) << text.out;
    Expect({"answer-box", "Hello", "yes"});
    Expect({"wait-text", kWindow, "LogMemo", "Answer: Yes", "20"});

    Expect({"get-checked", kWindow, "OptionCheckBox"}, "0\n");
    Expect({"set-checked", kWindow, "OptionCheckBox", "1"});
    Expect({"get-checked", kWindow, "OptionCheckBox"}, "1\n");
    Expect({"select", kWindow, "ChoiceComboBox", "Two"});
    Expect({"get-text", kWindow, "ChoiceComboBox"}, "Two\n");
    Expect({"get-text", kWindow, "LogMemo"}, "Answer: Yes\nOption on\nChose Two\n");

    Expect({"get-state", kWindow, "FileListStringGrid"}, "enabled hidden\n");
    Expect({"select", kWindow, "PageControl", "More"});
    Expect({"get-state", kWindow, "FileListStringGrid"}, "enabled visible\n");
    Expect({"get-text", kWindow, "FileListStringGrid"},
           "Name\tLocation\nindex.htm\tC:\\Web\\\nlogo.gif\tC:\\Web\\img\\\n");
    Expect({"select", kWindow, "FileListStringGrid", "logo.gif"});

    Result listed = Drive({"list-controls", kWindow});
    EXPECT_EQ(listed.exitCode, 0u);
    EXPECT_NE(listed.out.find("HelloButton\tKorvanButton\tenabled\thidden\tSay &Hello\n"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("SecretButton\t"), std::string::npos);
}

struct FailureCase {
    std::vector<std::string> arguments;
    DWORD exitCode;
    std::string message;
};

TEST_F(UiDriverTest, RefusesWhatAUserCouldNotDo) {
    Expect({"wait-window", kWindow, "60"});
    const FailureCase cases[] = {
        {{"click", kWindow, "NoSuchButton"}, 1, "no control NoSuchButton"},
        {{"click", kWindow, "DisabledButton"}, 1, "DisabledButton is disabled"},
        {{"click", kWindow, "SecretButton"}, 1, "SecretButton is not visible"},
        {{"select", kWindow, "PageControl", "Hidden"}, 1, "no entry \"Hidden\""},
        {{"get-text", "No Such Window", "NameEdit"}, 1, "no window \"No Such Window\""},
        {{"wait-window", "No Such Window", "0.3"}, 1, "timed out"},
        {{"wait-box", "Hello", "0.3"}, 1, "timed out waiting for message box"},
        {{"answer-box", "Hello", "Yes"}, 1, "no message box \"Hello\""},
        {{"get-checked", kWindow, "NameEdit"}, 1, "has no check mark"},
        {{"wait-window", kWindow, "soon"}, 2, "not a time-out"},
        {{"click", kWindow}, 2, "wrong number of arguments"},
        {{"frobnicate"}, 2, "unknown command"},
    };
    for (const FailureCase& c : cases) {
        Result result = Drive(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments[0] << " " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

TEST_F(UiDriverTest, ClosingTheWindowEndsTheProgram) {
    Expect({"wait-window", kWindow, "60"});
    Expect({"close", kWindow});
    Expect({"wait-gone", kWindow, "20"});
    ASSERT_EQ(WaitForSingleObject(form_.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(form_.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
