// The uninstaller's window under Wine: a hand-written script beside a stand-in program path,
// real files, keys and INI entries, and the run driven phase by phase without its pauses.
#include "UnMain.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ExecItem.h"
#include "Global.h"
#include "MsgBoxText.h"
#include "RegIni.h"
#include "RegOp.h"
#include "ScriptedInteraction.h"
#include "UninstallFixture.h"

namespace {

using testsupport::ScratchDir;
using uninstall::TMainForm;
using uninstall::UninstallOptions;
using untest::Exists;
using untest::MakeDir;
using untest::Touch;

const char* const kSandboxKey = "Software\\KorvanUninstallTest";

class UninstallRunTest : public ::testing::Test {
protected:
    ~UninstallRunTest() override { DeleteRegKey(std::string("HKEY_CURRENT_USER\\") + kSandboxKey); }

    std::vector<std::string> Header() const {
        return {"Version=1.0", "PROG_NAME=Korvan Suite", "TargetDir=" + app_,
                "S1=UnInstall will remove the software <b>PROG_NAME</b> from your computer.",
                "S2=UnInstall completed successfully !", "BUTTON_CLOSE=Close",
                "LABEL1=Shared program files...", "LABEL6=Program registry entries..."};
    }

    // The script beside the uninstaller's path, with the header above its command lines.
    TMainForm& Open(const std::vector<std::string>& commands,
                    std::vector<std::string> header = {}) {
        if (header.empty()) header = Header();
        std::string text;
        for (const std::string& line : header) text += line + "\r\n";
        for (const std::string& line : commands) text += line + "\r\n";
        Touch(script_);
        testsupport::WriteFileBytes(script_, text);
        UninstallOptions options;
        options.exePath = exePath_;
        options.testModeMarker = scratch_ / "Setup.tst";
        options.phasePauseMs = pauseMs_;
        form_ = std::make_unique<TMainForm>(options);
        EXPECT_TRUE(form_->CreateMainWindow());
        return *form_;
    }

    TMainForm& Run(const std::vector<std::string>& commands) {
        Open(commands);
        form_->ParseCommands();
        form_->RunUninstall();
        return *form_;
    }

    // The entries the run wrote to its log, in the order it handled them.
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (const std::string& line : form_->LogLines())
            if (!line.empty() && (line[0] == '\t' || line[0] == '*')) entries.push_back(line);
        return entries;
    }

    std::vector<ui::InteractionCall> Boxes() const { return interaction_.CallsOf("MessageBox"); }

    ScratchDir scratch_;
    ui::ScriptedInteraction interaction_;
    std::string app_ = scratch_ / "App";
    std::string exePath_ = app_ + "\\UnInstall.exe";
    std::string script_ = app_ + "\\UnInstall.txt";
    unsigned pauseMs_ = 0;
    std::unique_ptr<TMainForm> form_;
};

std::string Line(const std::string& keyword, const std::string& argument) {
    return keyword + "(" + argument + ");";
}

TEST_F(UninstallRunTest, ScriptWithoutCommandsShowsEveryTickAndCompletes) {
    TMainForm& form = Run({});
    for (int phase = 1; phase <= 6; ++phase) EXPECT_TRUE(form.TickVisible(phase)) << phase;
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(form.UninstallCompleted);
    EXPECT_TRUE(form.CompletedLabel.Visible());
    EXPECT_TRUE(form.CloseButton.Enabled());
    const std::vector<std::string> expected = {
        "", "PERFORM EXECUTE OP ", "", "REMOVE SHARED FILES ", "", "REMOVE FILES ",
        "", "REMOVE FOLDERS ", "", "REMOVE PROGRAM FOLDERS ", "", "REMOVE PROGRAM DIRECTORIES ",
        "", "REMOVE REGISTRY KEYS ", "", "PERFORM EXECUTE OP "};
    EXPECT_EQ(form.LogLines(), expected);
}

TEST_F(UninstallRunTest, CommandLinesAreRecognisedAsSetupWritesThem) {
    const std::string withSemicolon = Touch(scratch_ / "Prog\\a.txt");
    const std::string without = Touch(scratch_ / "Prog\\b.txt");
    const std::string indented = Touch(scratch_ / "Prog\\c.txt");
    const std::string lowerCase = Touch(scratch_ / "Prog\\d.txt");
    const std::string parentheses = Touch(scratch_ / "Prog\\x (1)\\e(2).txt");
    TMainForm& form = Run({
        Line("REMOVE_FILE", withSemicolon),
        "REMOVE_FILE(" + without + ")",
        "   " + Line("REMOVE_FILE", indented),
        Line("remove_file", lowerCase),
        Line("REMOVE_FILE", parentheses),
        "REMOVE_FILE;",
    });
    for (const std::string& gone : {withSemicolon, without, indented, parentheses})
        EXPECT_FALSE(Exists(gone)) << gone;
    EXPECT_TRUE(Exists(lowerCase));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Entries().size(), 5u);  // the empty entry is a missing file: done
    EXPECT_TRUE(form.UninstallCompleted);
}

TEST_F(UninstallRunTest, DirectoryNamedPlainAndForcedIsRemovedOnceByTheForcedStep) {
    Touch(scratch_ / "Tree\\Sub\\left.txt");
    std::string lower = scratch_ / "Tree";
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    Run({Line("REMOVE_DIR", scratch_ / "Tree"), Line("FORCE_REMOVE_DIR", lower)});
    EXPECT_FALSE(Exists(scratch_ / "Tree"));
    EXPECT_EQ(Entries(), std::vector<std::string>{"\t" + lower + " "});
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(UninstallRunTest, ProtectedDirectoryKeepsItsEntriesOutOfTheRunAndTheLog) {
    const std::string data = Touch(scratch_ / "Prog\\Data\\a.dat");
    const std::string other = Touch(scratch_ / "Prog\\b.txt");
    MakeDir(scratch_ / "Pr");
    Run({Line("DONT_REMOVE_DIR", scratch_ / "Prog\\Data"), Line("REMOVE_FILE", data),
         Line("REMOVE_FILE", other), Line("REMOVE_DIR", scratch_ / "Prog"),
         Line("REMOVE_DIR", scratch_ / "Pr")});
    EXPECT_TRUE(Exists(data));
    EXPECT_TRUE(Exists(scratch_ / "Pr"));
    EXPECT_FALSE(Exists(other));
    EXPECT_EQ(Entries(), std::vector<std::string>{"\t" + other + " "});
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(UninstallRunTest, ToleratedDirectoryDecidesWhetherALeftFileIsReported) {
    struct Case {
        bool tolerated;
        size_t boxes;
    } cases[] = {{true, 0}, {false, 1}};
    for (const Case& c : cases) {
        interaction_.ClearCalls();
        Touch(scratch_ / "Prog\\Data\\permanent.dat");
        std::vector<std::string> lines = {Line("REMOVE_DIR", scratch_ / "Prog\\Data"),
                                          Line("REMOVE_DIR", scratch_ / "Prog")};
        if (c.tolerated) lines.push_back(Line("AVOID_ERR_REMOVE_DIR", scratch_ / "Prog\\Data"));
        Run(lines);
        EXPECT_EQ(Boxes().size(), c.boxes) << c.tolerated;
        EXPECT_TRUE(Exists(scratch_ / "Prog\\Data\\permanent.dat"));
    }
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].text.find("unable to remove one or more Directories"), std::string::npos);
}

TEST_F(UninstallRunTest, LongestEntriesComeFirstThenReverseAlphabetical) {
    const std::string prog = scratch_ / "Prog";
    for (const char* name : {"Sub\\x.dll", "x.dll", "b.txt", "A.txt", "c.txt"})
        Touch(prog + "\\" + name);
    Run({Line("REMOVE_FILE", prog + "\\x.dll"), Line("REMOVE_FILE", prog + "\\b.txt"),
         Line("REMOVE_FILE", prog + "\\Sub\\x.dll"), Line("REMOVE_FILE", prog + "\\A.txt"),
         Line("REMOVE_FILE", prog + "\\c.txt"), Line("REMOVE_DIR", prog),
         Line("REMOVE_DIR", prog + "\\Sub")});
    const std::vector<std::string> expected = {
        "\t" + prog + "\\Sub\\x.dll ", "\t" + prog + "\\x.dll ", "\t" + prog + "\\c.txt ",
        "\t" + prog + "\\b.txt ",      "\t" + prog + "\\A.txt ", "\t" + prog + "\\Sub ",
        "\t" + prog + " "};
    EXPECT_EQ(Entries(), expected);
    EXPECT_FALSE(Exists(prog));
}

TEST_F(UninstallRunTest, OwnProgramAndFolderAreLeftForTheBatchAndCountAsRemoved) {
    Touch(exePath_);
    TMainForm& form = Run({Line("REMOVE_FILE", exePath_), Line("FORCE_REMOVE_DIR", app_),
                           Line("REMOVE_DIR", app_), Line("REMOVE_FILE", script_)});
    EXPECT_TRUE(Exists(exePath_));
    EXPECT_FALSE(Exists(script_));
    EXPECT_TRUE(Boxes().empty());
    for (const std::string& entry : Entries()) EXPECT_EQ(entry[0], '\t') << entry;
    EXPECT_TRUE(form.UninstallCompleted);
}

TEST_F(UninstallRunTest, SharedFileRecordedTwiceKeepsItsOtherUsers) {
    const std::string shared = Touch(scratch_ / "Common\\shared.dll");
    for (int k = 0; k < 3; ++k) AddSharedDll(shared);
    const std::string lastUse = Touch(scratch_ / "Common\\readonly.dll");
    AddSharedDll(lastUse);
    SetFileAttributesA(lastUse.c_str(), FILE_ATTRIBUTE_READONLY);
    Run({Line("REMOVE_SHARED_FILE", shared), Line("REMOVE_FILE", shared),
         Line("REMOVE_READONLY_FILE", lastUse), Line("REMOVE_SHARED_FILE", lastUse),
         Line("REMOVE_FILE", lastUse)});
    EXPECT_TRUE(Exists(shared));
    EXPECT_EQ(ReleaseSharedDll(shared), 1);  // 3 became 2
    ReleaseSharedDll(shared);
    EXPECT_FALSE(Exists(lastUse));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(UninstallRunTest, ReportNamesTheKindsThatFailedInTwoGroups) {
    Touch(scratch_ / "Prog\\left.txt");
    const std::string key = std::string("HKEY_CURRENT_USER\\") + kSandboxKey;
    Run({Line("SET_PERFORM_REGISTRY_OP", "," + key + ",Level,5,Create,,Integer,"),
         Line("REMOVE_DIR", scratch_ / "Prog")});
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "Error");
    EXPECT_EQ(Boxes()[0].text,
              AppBoxBody("UnInstall was unable to handle one or more Registry keys\\n"
                         "\\nTo complete the UnInstall operation, Please handle them manually."
                         "\\n\\n"
                         "UnInstall was unable to remove one or more Directories\\n"
                         "\\nTo complete the UnInstall operation, Please remove them manually."));
    EXPECT_TRUE(form_->UninstallCompleted);
    EXPECT_EQ(Entries().size(), 2u);
    for (const std::string& entry : Entries()) EXPECT_EQ(entry[0], '*') << entry;
}

TEST_F(UninstallRunTest, RegistryIniAndKeysAreUndone) {
    const std::string key = std::string("HKEY_CURRENT_USER\\") + kSandboxKey;
    const std::string ini = scratch_ / "Prog\\app.ini";
    const std::string registryItem =
        "," + key + "\\Item,Path,<Application Folder>,Create,Remove,String,";
    const std::string iniItem = "," + ini + ",Main,Level,7,Create,Remove,";
    ASSERT_TRUE(WriteRegValue(key + "\\Sub\\Deeper", "x", "1", "String"));
    MakeDir(scratch_ / "Prog");
    ASSERT_TRUE(IniFileOp(iniItem, true));
    SetInstallDirs(app_, "", "");
    ASSERT_TRUE(RegistryOp(ExpandPathMacros(registryItem), true));
    Run({Line("REMOVE_REG_KEY", key), Line("REMOVE_REG_KEY", key + "\\Sub"),
         Line("SET_PERFORM_REGISTRY_OP", registryItem), Line("SET_PERFORM_INIFILE_OP", iniItem)});
    EXPECT_FALSE(RegKeyExists(key));
    EXPECT_EQ(IniReadString(ini, "Main", "Level", "none"), "none");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(UninstallRunTest, ExitAtEitherExecutionEventEndsTheRunWithoutCompletion) {
    struct Case {
        const char* event;
        bool filesRemoved;
    } cases[] = {{"UnInstall Start", false}, {"UnInstall End", true}};
    for (const Case& c : cases) {
        const std::string file = Touch(scratch_ / "Prog\\a.txt");
        opstest::ExecItem exitItem("Stop here", c.event);
        exitItem.Always().Do(1, "Exit");
        TMainForm& form = Run({Line("REMOVE_FILE", file), Line("REMOVE_FILE", script_),
                               Line("SET_PERFORM_EXECUTE_OP", exitItem.Text())});
        EXPECT_TRUE(form.Aborted) << c.event;
        EXPECT_FALSE(form.UninstallCompleted) << c.event;
        EXPECT_EQ(Exists(file), !c.filesRemoved) << c.event;
        EXPECT_EQ(Exists(script_), !c.filesRemoved) << c.event;
        EXPECT_EQ(form.TickVisible(1), c.filesRemoved) << c.event;
        EXPECT_TRUE(Boxes().empty()) << c.event;
    }
}

TEST_F(UninstallRunTest, SecondLibraryLineWinsAndItsLibraryIsDeletedLast) {
    const std::string library = testsupport::BinaryPath(
        "tests/installer_common/fixtures/korvan_exec_library.dll");
    MakeDir(app_);
    ASSERT_TRUE(CopyFileA(library.c_str(), (app_ + "\\First.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(library.c_str(), (app_ + "\\Second.dll").c_str(), FALSE));
    const std::string marker = scratch_ / "marker.txt";
    opstest::ExecItem write("Say goodbye", "UnInstall End");
    write.Always().Do(1, "Write Marker", marker, "bye");
    opstest::ExecItem fail("Fail", "UnInstall End");
    fail.Always().Do(1, "Always Fail");
    TMainForm& form = Run({Line("SET_EXECUTION_DLL_NAME", "First.dll"),
                           Line("SET_EXECUTION_DLL_NAME", "Second.dll"),
                           Line("SET_PERFORM_EXECUTE_OP", write.Text()),
                           Line("SET_PERFORM_EXECUTE_OP", fail.Text())});
    EXPECT_EQ(testsupport::ReadFileBytes(marker), "event 6: bye\r\n");
    ASSERT_FALSE(form.ExecDll->Entries().empty());
    EXPECT_NE(form.ExecDll->Entries()[0].find("Second.dll"), std::string::npos);
    EXPECT_TRUE(Exists(app_ + "\\First.dll"));
    EXPECT_FALSE(Exists(app_ + "\\Second.dll"));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              AppBoxBody("UnInstall was unable to execute one or more operations\\n"
                         "\\nTo complete the UnInstall operation, Please perform them manually."));
}

TEST_F(UninstallRunTest, WindowRefusesToCloseWhileTheRunGoesOn) {
    pauseMs_ = 50;
    TMainForm& form = Open({});
    bool closed = false;
    form.OnClose = [&] { closed = true; };
    form.ParseCommands();
    PostMessageA(form.Handle(), WM_CLOSE, 0, 0);  // handled inside the first pause
    form.RunUninstall();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(form.UninstallCompleted);
    form.CloseButtonClick();
    EXPECT_TRUE(closed);
}

TEST_F(UninstallRunTest, ShownWindowCarriesTheScriptsTexts) {
    TMainForm& form = Open({});
    form.FormShow();
    form.StartupTimer.SetTimerEnabled(false);
    EXPECT_EQ(form.Caption(), "UnInstall - Korvan Suite");
    EXPECT_EQ(form.PhaseLabels[0].Caption(), "Shared program files...");
    EXPECT_EQ(form.PhaseLabels[1].Caption(), "");  // a missing key empties its line
    EXPECT_EQ(form.PhaseLabels[5].Caption(), "Program registry entries...");
    EXPECT_EQ(form.CompletedLabel.Caption(), "UnInstall completed successfully !");
    EXPECT_EQ(form.CloseButton.Caption(), "Close");
    EXPECT_FALSE(form.CloseButton.Enabled());
    EXPECT_EQ(form.CompanyUrlLabel.Caption(), uninstall::kDefaultCompanyUrl);
    EXPECT_EQ(form.Panel2.Bevel(), ui::PanelBevel::None);
    EXPECT_EQ(form.DialogImage.PictureWidth(), 138);  // the program's pictures (linked in here)
    EXPECT_EQ(form.Ticks[5].PictureHeight(), 13);
    const std::string intro = "UnInstall will remove the software Korvan Suite from your computer.";
    EXPECT_EQ(form.RichEdit1.Text(), intro);
    EXPECT_TRUE(form.RichEdit1.IsBold(static_cast<int>(intro.find("Korvan")), 12));
    EXPECT_FALSE(form.RichEdit1.IsBold(0, 9));

    form.CompanyUrlLabelClick();
    auto launches = interaction_.CallsOf("ShellOpen");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].text, uninstall::kDefaultCompanyUrl);
}

TEST_F(UninstallRunTest, HeaderChoosesAddressFrameAndReadingOrder) {
    std::vector<std::string> header = Header();
    header.insert(header.begin(), {"CHAR_SET=177", "COMPANY_URL=https://example.org/help",
                                   "GET_DIALOG_BITMAP_3D_FRAME=1"});
    TMainForm& form = Open({}, header);
    form.FormShow();
    form.StartupTimer.SetTimerEnabled(false);
    EXPECT_EQ(form.CompanyUrlLabel.Caption(), "https://example.org/help");
    EXPECT_EQ(form.Panel2.Bevel(), ui::PanelBevel::Lowered);
    EXPECT_TRUE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    EXPECT_TRUE(form.RichEdit1.RightToLeft());
    // The ticks stand at the right edge of their panel.
    RECT panel = {}, tick = {};
    GetWindowRect(form.Panel1.Handle(), &panel);
    GetWindowRect(form.Ticks[0].Handle(), &tick);
    EXPECT_EQ(panel.right - tick.right, 8);
}

TEST_F(UninstallRunTest, TestModeShowsTheLogInsteadOfTheTicks) {
    Touch(scratch_ / "Setup.tst");
    TMainForm& form = Open({});
    EXPECT_TRUE(form.Memo1.Visible());
    EXPECT_FALSE(form.Panel1.Visible());
}

// Records the operation log that Memo1 shows whenever a message box appears.
class LogAtEachBox : public ui::ScriptedInteraction {
public:
    explicit LogAtEachBox(const TMainForm& form) : form_(form) {}
    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT flags) override {
        seen.push_back(form_.Memo1.Lines());
        return ScriptedInteraction::MessageBox(owner, text, caption, flags);
    }
    std::vector<std::vector<std::string>> seen;

private:
    const TMainForm& form_;
};

TEST_F(UninstallRunTest, TestModeLogIsCompleteWheneverABoxShows) {
    Touch(scratch_ / "Setup.tst");
    const std::string file = Touch(scratch_ / "Prog\\a.txt");
    Touch(scratch_ / "Prog\\left.txt");
    const std::string delivery = Touch(app_ + "\\Delivery.dat");
    opstest::ExecItem message("Say goodbye", "UnInstall End");
    message.Always().Do(1, "Display Message", "Goodbye");
    const std::string item = message.Text();
    TMainForm& form = Open({Line("REMOVE_FILE", file), Line("REMOVE_DIR", scratch_ / "Prog"),
                            Line("SET_PERFORM_EXECUTE_OP", item),
                            Line("REMOVE_SERVICE_FILE", delivery)});
    LogAtEachBox boxes(form);
    form.ParseCommands();
    form.RunUninstall();

    const std::vector<std::string> expected = {
        "", "PERFORM EXECUTE OP ", "\t" + item + " ",
        "", "REMOVE SHARED FILES ", "", "REMOVE FILES ", "\t" + file + " ",
        "", "REMOVE FOLDERS ", "", "REMOVE PROGRAM FOLDERS ",
        "", "REMOVE PROGRAM DIRECTORIES ", "*\t" + (scratch_ / "Prog") + " ",
        "", "REMOVE REGISTRY KEYS ", "", "PERFORM EXECUTE OP ", "\t" + item + " ",
        "\t" + delivery + " "};
    EXPECT_EQ(form.LogLines(), expected);
    EXPECT_EQ(form.Memo1.Lines(), expected);
    EXPECT_FALSE(Exists(delivery));
    // The message of the last execution, then the closing report.
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0], std::vector<std::string>(expected.begin(), expected.end() - 2));
    EXPECT_EQ(boxes.seen[1], expected);
    EXPECT_TRUE(form.UninstallCompleted);
}

}  // namespace
