// TMainForm created for real (hidden) with the scripted interaction seam and a fake module
// behind its serial device; replies travel through the real Port1Comms reader.
#include "Mainunit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Application.h"
#include "FakeModule.h"
#include "ScriptedInteraction.h"
#include "scratch_dir.h"

namespace {

using korvan::TMainForm;
using Lines = std::vector<std::string>;

class MainunitTest : public testing::Test {
protected:
    void SetUp() override { CreateForm(); }

    void CreateForm() {
        korvan::MainFormOptions options;
        options.device = module;
        options.appDir = dir.Path();
        options.macFilePath = dir / "SetMACAddress.txt";
        form = std::make_unique<TMainForm>(options);
        ASSERT_TRUE(form->CreateMainWindow());
    }

    // Runs the window thread's messages until `done` holds; false after three seconds.
    bool PumpUntil(const std::function<bool()>& done) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 3000;) {
            ui::Application::ProcessMessages();
            if (done()) return true;
            Sleep(2);
        }
        return false;
    }
    bool RunToIdle() { return PumpUntil([this] { return form->Operation == 0; }); }

    bool Logged(const std::string& prefix) const {
        Lines log = form->LogLines();
        return std::any_of(log.begin(), log.end(),
                           [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    }
    Lines Dialogs() const {
        Lines texts;
        for (const auto& call : script.CallsOf("MessageBox")) texts.push_back(call.text);
        return texts;
    }
    // The command letters the window sent, in order.
    Lines SentLetters() const {
        Lines letters;
        for (const auto& line : module->Sent()) letters.push_back(line.substr(0, 2));
        return letters;
    }
    void SetAddress(std::initializer_list<ui::Edit*> edits, std::initializer_list<const char*> texts) {
        auto text = texts.begin();
        for (ui::Edit* edit : edits) edit->SetText(*text++);
    }
    // A Data page that passes validation.
    void FillValidSettings() {
        SetAddress({&form->IPAddr1Edit, &form->IPAddr2Edit, &form->IPAddr3Edit, &form->IPAddr4Edit},
                   {"10", "1", "2", "3"});
        SetAddress({&form->GateWayAddr1Edit, &form->GateWayAddr2Edit, &form->GateWayAddr3Edit,
                    &form->GateWayAddr4Edit},
                   {"10", "1", "2", "254"});
        SetAddress({&form->SubMaskAddr1Edit, &form->SubMaskAddr2Edit, &form->SubMaskAddr3Edit,
                    &form->SubMaskAddr4Edit},
                   {"255", "255", "0", "0"});
        SetAddress({&form->ClientAddr1Edit, &form->ClientAddr2Edit, &form->ClientAddr3Edit,
                    &form->ClientAddr4Edit},
                   {"10", "1", "2", "9"});
        form->UpdatePeriodCSpinEdit.SetValue(20);
        form->ServerTimeoutCSpinEdit.SetValue(90);
        form->BaudRateComboBox.SetItemIndex(4);
        form->SerialCRLFdxfCheckBox.SetChecked(true);
    }

    testsupport::ScratchDir dir;
    ui::ScriptedInteraction script;
    std::shared_ptr<FakeModule> module = std::make_shared<FakeModule>();
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainunitTest, WindowAsCreated) {
    EXPECT_EQ(form->Caption(), "Korvan Vadudodod Version 1.01");
    EXPECT_EQ(form->ClientWidth(), 688);
    EXPECT_EQ(form->ClientHeight(), 446);
    EXPECT_EQ(form->MainPageControl.TabCaptions(), (Lines{"General", "Data"}));
    EXPECT_EQ(form->MainPageControl.ActivePage(), &form->IntroTabSheet);
    EXPECT_EQ(form->FileListStringGrid.Cell(0, 0), "Name");
    EXPECT_EQ(form->FileListStringGrid.Cell(1, 0), "Location");
    EXPECT_FALSE(form->WebPagedxfProgressBar.Visible());
    EXPECT_FALSE(form->ProgressLabel.Visible());
    EXPECT_FALSE(form->SendNewMACButton.Visible());
    EXPECT_EQ(form->LogLines(), (Lines{"DefaultConfig.txt Not Found", "DefaultFileList.txt Not Found"}));
    // Initial values and the enabling rules they imply.
    EXPECT_EQ(form->SerialPortCSpinEdit.Value(), 1);
    EXPECT_EQ(form->BaudRateComboBox.ItemIndex(), -1);
    EXPECT_EQ(form->SerialTimedCSpinEdit.Value(), 20);
    EXPECT_EQ(form->UpdatePeriodCSpinEdit.Value(), 60);
    EXPECT_EQ(form->ClientPortCSpinEdit.Value(), 3012);
    EXPECT_EQ(form->ServerTimeoutCSpinEdit.Value(), 60);
    EXPECT_TRUE(form->ClientEnabledxfCheckBox.Checked());
    EXPECT_TRUE(form->UseBroadcastdxfCheckBox.Checked());
    EXPECT_FALSE(form->SerialCRLFdxfCheckBox.Checked());
    EXPECT_FALSE(form->SerialTimeddxfCheckBox.Checked());
    EXPECT_FALSE(form->SerialTimedCSpinEdit.Enabled());
    EXPECT_FALSE(form->ClientAddr1Edit.Enabled());
    EXPECT_TRUE(form->IPAddr1Edit.Enabled());
}

TEST_F(MainunitTest, DefaultFilesAndMacFileAreLoadedAtStart) {
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "DefaultConfig.txt", "bh120\r\nma7\r\nNI10.0.0.1\r\n"));
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "DefaultFileList.txt",
                                            "C:\\Pages\\index.htm\r\nc:\\pages\\INDEX.HTM\r\n"));
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "SetMACAddress.txt", "0A\r\nFF\r\n"));
    form.reset();
    CreateForm();
    EXPECT_EQ(form->LogLines(), (Lines{"Default Data Loaded", "Default Web Page File List Loaded"}));
    EXPECT_EQ(form->ServerTimeoutCSpinEdit.Value(), 120);
    EXPECT_EQ(form->IPAddr1Edit.Text(), "10");
    EXPECT_EQ(form->MACAddressEdit.Text(), "");
    EXPECT_EQ(form->FileListStringGrid.RowCount(), 2);
    EXPECT_EQ(form->FileListStringGrid.Cell(1, 1), "C:\\Pages\\");
    EXPECT_TRUE(form->SendNewMACButton.Visible());
    EXPECT_EQ(form->NewMAC2Edit.Text(), "FF");

    // Closing writes the edits back, whatever they hold.
    form->NewMAC1Edit.SetText("zz");
    EXPECT_TRUE(form->Close());
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "SetMACAddress.txt"), "zz\r\nFF\r\n");
}

TEST_F(MainunitTest, ReadFillsTheControls) {
    form->ReadButtonClick();
    ASSERT_TRUE(RunToIdle());
    EXPECT_EQ(SentLetters(), (Lines{"sv", "ba", "bb", "bh", "bj", "bt", "eh", "el", "eo", "ma",
                                    "nc", "ng", "ni", "ns"}));
    EXPECT_EQ(form->IPAddr4Edit.Text(), "20");
    EXPECT_EQ(form->GateWayAddr4Edit.Text(), "1");
    EXPECT_EQ(form->SubMaskAddr1Edit.Text(), "255");
    EXPECT_EQ(form->ClientAddr4Edit.Text(), "5");
    EXPECT_EQ(form->BaudRateComboBox.ItemIndex(), 2);
    EXPECT_TRUE(form->SerialTimeddxfCheckBox.Checked());
    EXPECT_FALSE(form->SerialCRLFdxfCheckBox.Checked());
    EXPECT_TRUE(form->SerialTimedCSpinEdit.Enabled());
    EXPECT_EQ(form->SerialTimedCSpinEdit.Value(), 50);
    EXPECT_EQ(form->UpdatePeriodCSpinEdit.Value(), 30);
    EXPECT_EQ(form->ClientPortCSpinEdit.Value(), 4000);
    EXPECT_TRUE(form->EnableWatchdogdxfCheckBox.Checked());
    EXPECT_FALSE(form->UseBroadcastdxfCheckBox.Checked());
    EXPECT_TRUE(form->ClientAddr1Edit.Enabled());
    EXPECT_EQ(form->MACAddressEdit.Text(), "00:04:A3:01:02:03");
    EXPECT_TRUE(Logged("Korvan Version: 1.0.7-LNK"));
    EXPECT_TRUE(Logged("Data Read - OK "));
    EXPECT_EQ(Dialogs(), Lines{"Data read OK"});
    EXPECT_EQ(script.CallsOf("MessageBox")[0].caption, "Warning");
    EXPECT_FALSE(form->PortOpen);
    EXPECT_EQ(module->openedNames, Lines{"\\\\.\\COM1"});
}

struct WriteCase {
    const char* name;
    bool dhcp;
    bool client;
    bool macShown;
    Lines letters;
};

TEST_F(MainunitTest, WriteSendsTheQueueForTheSettings) {
    const WriteCase cases[] = {
        {"static, client", false, true, false,
         {"sv", "ba", "bb", "bh", "bj", "eo", "nc", "ng", "ni", "ns", "zc"}},
        {"dhcp", true, true, false, {"sv", "ba", "bb", "bh", "bj", "eo", "nc", "zc"}},
        {"dhcp, mac shown", true, true, true,
         {"sv", "ba", "bb", "bh", "bj", "bt", "eo", "nc", "ng", "ni", "ns", "zc"}},
        {"no client", false, false, false, {"sv", "bb", "bh", "bj", "eo", "ng", "ni", "ns", "zc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        module = std::make_shared<FakeModule>();
        form.reset();
        CreateForm();
        script.ClearCalls();
        FillValidSettings();
        form->DHCPEnabledxfCheckBox.SetChecked(c.dhcp);
        form->ClientEnabledxfCheckBox.SetChecked(c.client);
        form->SendNewMACButton.SetVisible(c.macShown);
        form->WriteButtonClick();
        ASSERT_TRUE(RunToIdle());
        EXPECT_EQ(SentLetters(), c.letters);
        EXPECT_TRUE(Logged("Data Checked - OK"));
        EXPECT_TRUE(Logged("Data Sent - OK "));
        EXPECT_EQ(Dialogs(), Lines{"Data sent OK"});
        EXPECT_EQ(script.CallsOf("MessageBox")[0].caption, "Confirm");
        EXPECT_FALSE(form->PortOpen);
    }
    // The last write's values are what the module now holds.
    EXPECT_EQ(module->values["bb"], "7");
    EXPECT_EQ(module->values["ni"], "10.1.2.3");
    EXPECT_EQ(module->values["eo"], "0001000000000000");
}

TEST_F(MainunitTest, ValidationStopsTheWriteWithEveryMessage) {
    FillValidSettings();
    form->IPAddr2Edit.SetText("1.5");
    form->SubMaskAddr4Edit.SetText("");
    form->UpdatePeriodCSpinEdit.SetValue(90);
    form->WriteButtonClick();
    EXPECT_EQ(Dialogs(), Lines{"There are errors"});
    EXPECT_TRUE(Logged("Invalid IP Address"));
    EXPECT_TRUE(Logged("Invalid Submask"));
    EXPECT_TRUE(Logged("Connect Timeout must be greater than Connect Update Period"));
    EXPECT_FALSE(Logged("Invalid Gateway Address"));
    EXPECT_FALSE(Logged("Data Checked - OK"));
    EXPECT_TRUE(module->Sent().empty());
    EXPECT_TRUE(module->openedNames.empty());
}

TEST_F(MainunitTest, ReadBackMismatchesEndInError6) {
    FillValidSettings();
    form->SerialTimeddxfCheckBox.SetChecked(true);
    form->SerialTimedCSpinEdit.SetValue(25);  // sent as bt2, read back as 20
    module->altered["bh"] = "61";
    module->altered["ni"] = "10.1.9.3";
    form->WriteButtonClick();
    ASSERT_TRUE(RunToIdle());
    EXPECT_EQ(Dialogs(), Lines{"Errors occurred during the write operation\rCheck all values\rError 6"});
    EXPECT_TRUE(Logged("Timeout Write Error "));
    EXPECT_TRUE(Logged("Serial Time Write Error "));
    EXPECT_TRUE(Logged("IP Address (3) Write Error "));
    EXPECT_FALSE(Logged("IP Address (1) Write Error "));
    EXPECT_TRUE(Logged("Data Write Errors - Fail "));
    EXPECT_FALSE(Logged("Data Sent - OK"));
    // Every command still went out.
    EXPECT_EQ(SentLetters().back(), "zc");
}

struct VersionFailureCase {
    const char* name;
    std::function<std::optional<std::string>(const std::string&)> fault;
    const char* dialog;
    const char* log;
    size_t versionRequests;
};

TEST_F(MainunitTest, VersionStageFailures) {
    const VersionFailureCase cases[] = {
        {"five Error replies",
         [](const std::string&) { return std::optional<std::string>("Error\r\n"); },
         "KORVAN not found\rError 4", "KORVAN not found", 5},
        {"unsupported",
         [](const std::string&) { return std::optional<std::string>("SV1.1.0-LNK\r\n"); },
         "KORVAN version not supported\rPlease download the latest version of this application",
         "KORVAN version not supported", 1},
        {"no LNK", [](const std::string&) { return std::optional<std::string>("SV1.0.7-ABC\r\n"); },
         "KORVAN not found\rError 2", "KORVAN not found", 1},
        {"version 0", [](const std::string&) { return std::optional<std::string>("SV0.0.0-LNK\r\n"); },
         "KORVAN not found\rError 2", "KORVAN not found", 1},
        {"no digits", [](const std::string&) { return std::optional<std::string>("SVSW-x\r\n"); },
         "KORVAN not found\rError 2", "KORVAN not found", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        script.ClearCalls();
        form->ClearButtonClick();
        module->fault = c.fault;
        size_t before = module->Sent().size();
        form->ReadButtonClick();
        ASSERT_TRUE(RunToIdle());
        EXPECT_EQ(Dialogs(), Lines{c.dialog});
        EXPECT_EQ(script.CallsOf("MessageBox")[0].caption, "Error");
        EXPECT_EQ(form->LogLines().back(), c.log);
        EXPECT_EQ(module->Sent().size() - before, c.versionRequests);
        EXPECT_FALSE(form->PortOpen);
        EXPECT_FALSE(form->AwaitingVersion);
    }
    EXPECT_TRUE(Logged("Korvan Version: UW-x"));
}

TEST_F(MainunitTest, ErrorRepliesBelowTheLimitAreResentAndTheReadGoesOn) {
    int errors = 0;
    module->fault = [&errors](const std::string& line) -> std::optional<std::string> {
        if (line == "sv" && errors < 4) {
            ++errors;
            return std::string("Error\r\n");
        }
        return std::nullopt;
    };
    form->ReadButtonClick();
    ASSERT_TRUE(RunToIdle());
    EXPECT_EQ(Dialogs(), Lines{"Data read OK"});
    // A later exchange has its own four resends.
    errors = 0;
    script.ClearCalls();
    form->ReadButtonClick();
    ASSERT_TRUE(RunToIdle());
    EXPECT_EQ(Dialogs(), Lines{"Data read OK"});
}

TEST_F(MainunitTest, SilenceGivesOneError7AndALateReplyStillContinues) {
    module->fault = [](const std::string& line) -> std::optional<std::string> {
        if (line == "sv") return std::string();
        return std::nullopt;
    };
    form->ReadButtonClick();
    for (int tick = 1; tick < TMainForm::kReplyTimeoutTicks; ++tick) form->Timer1Timer();
    EXPECT_TRUE(Dialogs().empty());
    for (int tick = 0; tick < 3 * TMainForm::kReplyTimeoutTicks; ++tick) form->Timer1Timer();
    EXPECT_EQ(Dialogs(), Lines{"Cannot communicate with KORVAN\nError 7"});
    EXPECT_EQ(form->LogLines().back(), "Cannot communicate with KORVAN");
    EXPECT_EQ(form->Operation, korvan::kRead);
    EXPECT_TRUE(form->PortOpen);

    module->Inject("SV1.0.7-LNK\r\n");
    ASSERT_TRUE(RunToIdle());
    EXPECT_TRUE(Logged("Data Read - OK "));
    EXPECT_EQ(form->IPAddr1Edit.Text(), "192");
}

TEST_F(MainunitTest, TimerIsSilentWhileNothingWasSent) {
    for (int tick = 0; tick < 100; ++tick) form->Timer1Timer();
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(MainunitTest, PortFailures) {
    form->SerialPortCSpinEdit.SetValue(255);
    module->openResult = FakeModule::OpenResult::CannotOpen;
    form->ReadButtonClick();
    EXPECT_EQ(module->openedNames, Lines{"\\\\.\\COM1"});
    // The read goes on: its write fails and is reported.
    EXPECT_EQ(Dialogs(), (Lines{"Unable to open serial port 255", "Serial port write error"}));
    EXPECT_EQ(form->ReplyCountdown, TMainForm::kReplyTimeoutTicks);
    EXPECT_EQ(script.CallsOf("MessageBox")[0].caption, "Error");

    script.ClearCalls();
    module->openResult = FakeModule::OpenResult::SettingsRejected;
    FillValidSettings();
    form->WriteButtonClick();
    EXPECT_EQ(Dialogs(), Lines{"SetCommState port error"});
    EXPECT_FALSE(form->PortOpen);
    EXPECT_TRUE(module->Sent().empty());
}

TEST_F(MainunitTest, RepliesWhileIdleAreIgnored) {
    form->ReadButtonClick();
    ASSERT_TRUE(RunToIdle());
    script.ClearCalls();
    // Open the port without an operation and let the module talk.
    ASSERT_TRUE(form->OpenPort());
    module->Inject("NI1.1.1.1\r\nBA7\r\n");
    Sleep(200);
    ui::Application::ProcessMessages();
    EXPECT_EQ(form->IPAddr1Edit.Text(), "192");
    EXPECT_EQ(form->ClientPortCSpinEdit.Value(), 4000);
    EXPECT_TRUE(Dialogs().empty());
    form->ClosePort();
    form->ClosePort();  // harmless when closed
    EXPECT_FALSE(form->PortOpen);
}

TEST_F(MainunitTest, EnablingRules) {
    form->DHCPEnabledxfCheckBox.SetChecked(true);
    EXPECT_FALSE(form->IPAddr1Edit.Enabled());
    EXPECT_FALSE(form->GateWayAddr3Edit.Enabled());
    EXPECT_FALSE(form->SubMaskAddr4Edit.Enabled());
    form->DHCPEnabledxfCheckBox.SetChecked(false);
    EXPECT_TRUE(form->SubMaskAddr4Edit.Enabled());

    form->UseBroadcastdxfCheckBox.SetChecked(false);
    EXPECT_TRUE(form->ClientAddr2Edit.Enabled());
    form->ClientEnabledxfCheckBox.SetChecked(false);
    EXPECT_FALSE(form->UseBroadcastdxfCheckBox.Enabled());
    EXPECT_FALSE(form->ClientAddr2Edit.Enabled());

    // "Use CR/LF" and "Timed" form one group; a checked box stays checked when clicked.
    SendMessageA(form->SerialTimeddxfCheckBox.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->SerialTimeddxfCheckBox.Checked());
    EXPECT_TRUE(form->SerialTimedCSpinEdit.Enabled());
    SendMessageA(form->SerialTimeddxfCheckBox.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->SerialTimeddxfCheckBox.Checked());
    SendMessageA(form->SerialCRLFdxfCheckBox.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->SerialCRLFdxfCheckBox.Checked());
    EXPECT_FALSE(form->SerialTimeddxfCheckBox.Checked());
    EXPECT_FALSE(form->SerialTimedCSpinEdit.Enabled());

    // A reply changes boxes with the same rules.
    form->ApplyReplyLine("EO0010110000000000\r\n");
    EXPECT_FALSE(form->IPAddr1Edit.Enabled());
    EXPECT_TRUE(form->UseBroadcastdxfCheckBox.Enabled());
    EXPECT_TRUE(form->ClientAddr1Edit.Enabled());
    EXPECT_TRUE(form->SerialTimedCSpinEdit.Enabled());
    form->ApplyReplyLine("BT1\r\n");  // 10 ms is below the spin edit's range
    EXPECT_EQ(form->SerialTimedCSpinEdit.Value(), 20);
}

TEST_F(MainunitTest, CloseQueryAndHelp) {
    form->FileListChanged = true;
    script.QueueButton(IDCANCEL);
    bool canClose = true;
    form->FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_EQ(Dialogs(),
              Lines{"The Web Page File List has changed\nDo you want to save the new list?"});

    script.QueueButton(IDYES);
    script.QueueFiles({dir / "list.txt"});
    form->FileList.Add("C:\\Pages\\a.htm");
    form->FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "list.txt"), "C:\\Pages\\a.htm\r\n");

    ui::Application::SetHelpFile("KORVAN-DORI VOZEREDAD.htm");
    script.QueueShellResult(true);
    form->HelpButtonClick();
    auto shell = script.CallsOf("ShellOpen");
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_NE(shell[0].text.find("KORVAN-DORI VOZEREDAD.htm"), std::string::npos);
}

}  // namespace
