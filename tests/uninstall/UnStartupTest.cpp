// What the uninstaller does before its window: the script check, the confirmation question and
// the clean-up of the product's auto-update program (a running copy is ended first).
#include "UnStartup.h"

#include <gtest/gtest.h>

#include "ScriptedInteraction.h"
#include "UninstallFixture.h"

namespace {

using testsupport::ScratchDir;
using untest::Exists;
using untest::Touch;

const std::string kPad(20, ' ');

TEST(StartupTest, MissingScriptIsNamedInAnErrorBox) {
    ScratchDir scratch;
    ui::ScriptedInteraction interaction;
    const std::string script = scratch / "UnInstall.txt";
    EXPECT_FALSE(uninstall::CheckScript(script));
    auto boxes = interaction.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "\r\n\r\n" + script + kPad + "\r\nScript file not found." + kPad +
                                 "\r\n" + kPad + "\r\nUnInstall aborted!" + kPad + "\r\n\r\n");
    EXPECT_TRUE(boxes[0].flags & MB_ICONERROR);

    Touch(script);
    interaction.ClearCalls();
    EXPECT_TRUE(uninstall::CheckScript(script));
    EXPECT_TRUE(interaction.Calls().empty());
}

TEST(StartupTest, ConfirmationAsksAboutTheProductAndOnlyYesGoesOn) {
    struct Case {
        const char* charSet;
        int answer;
        bool goesOn;
        UINT readingFlags;
    } cases[] = {
        {"0", IDYES, true, 0},
        {"0", IDNO, false, 0},
        {"", IDCANCEL, false, 0},
        {"177", IDYES, true, MB_RIGHT | MB_RTLREADING},
        {"178", IDNO, false, MB_RIGHT | MB_RTLREADING},
    };
    for (const Case& c : cases) {
        ui::ScriptedInteraction interaction;
        interaction.QueueButton(c.answer);
        const std::vector<std::string> script = {
            std::string("CHAR_SET=") + c.charSet, "CONFIRM_CAPTION=Please confirm",
            "CONFIRM_TEXT=Are you sure you want to uninstall the program",
            "PROG_NAME=Korvan Suite"};
        EXPECT_EQ(uninstall::ConfirmUninstall(script), c.goesOn) << c.charSet << " " << c.answer;
        auto boxes = interaction.CallsOf("MessageBox");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "Please confirm");
        EXPECT_EQ(boxes[0].flags, MB_YESNO | MB_ICONQUESTION | c.readingFlags) << c.charSet;
        EXPECT_EQ(boxes[0].text,
                  kPad + "\r\n" + kPad +
                      "\r\nAre you sure you want to uninstall the program \"Korvan Suite\" ?" +
                      kPad + "\r\n" + kPad + "\r\n" + kPad + "\r\n");
    }
}

TEST(StartupTest, AutoUpdateProgramAndItsRunningCopyAreRemoved) {
    ScratchDir scratch;
    const std::string helper = testsupport::BinaryPath(
        "tests/installer_common/fixtures/korvan_process_helper.exe");
    const std::string program = Touch(scratch / "Update.exe");
    const std::string copy = scratch / "X_Update.exe";
    ASSERT_TRUE(CopyFileA(helper.c_str(), copy.c_str(), FALSE));
    Touch(scratch / "hold");  // keeps the copy running until it is ended
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + copy + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    CloseHandle(process.hThread);
    for (int i = 0; i < 100 && !Exists(scratch / "args.txt"); ++i) Sleep(50);

    uninstall::RemoveAutoUpdateFiles(scratch.Path(), "Update.exe", true);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), WAIT_OBJECT_0);
    CloseHandle(process.hProcess);
    EXPECT_FALSE(Exists(program));
    EXPECT_FALSE(Exists(copy));
    EXPECT_TRUE(Exists(scratch / "hold"));
}

TEST(StartupTest, NoAutoUpdateNameTouchesNothing) {
    ScratchDir scratch;
    const std::string bare = Touch(scratch / "X_");
    uninstall::RemoveAutoUpdateFiles(scratch.Path(), "", true);
    EXPECT_TRUE(Exists(bare));
}

}  // namespace
