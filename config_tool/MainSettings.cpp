// TMainForm's device settings: read, write with read-back, validation and enabling rules.
#include "Mainunit.h"

#include "SettingsRules.h"

namespace korvan {

namespace {

AddressTexts TextsOf(const std::array<ui::Edit*, 4>& edits) {
    return {edits[0]->Text(), edits[1]->Text(), edits[2]->Text(), edits[3]->Text()};
}

void ShowTexts(const std::array<ui::Edit*, 4>& edits, const AddressTexts& texts) {
    for (size_t k = 0; k < edits.size(); ++k) {
        if (edits[k]->Text() != texts[k]) edits[k]->SetText(texts[k]);
    }
}

void EnableAll(const std::array<ui::Edit*, 4>& edits, bool enabled) {
    for (ui::Edit* edit : edits) edit->SetEnabled(enabled);
}

void ShowValue(ui::SpinEdit& spin, int value) {
    if (spin.Value() != spin.Clamp(value) || spin.Text() != std::to_string(spin.Value())) {
        spin.SetValue(value);
    }
}

}  // namespace

void TMainForm::ReadButtonClick() {
    CommandQueue.Clear();
    for (const char* line : {"ng\r\n", "ni\r\n", "ns\r\n", "nc\r\n", "eo\r\n", "eh\r\n", "el\r\n",
                             "bb\r\n", "bt\r\n", "bh\r\n", "bj\r\n", "ba\r\n", "ma\r\n"}) {
        CommandQueue.Add(line);
    }
    StartExchange(kRead);
    // The read goes on without a port: its write then reports the error, and Error 7 follows.
    if (!PortOpen) OpenPort();
    AwaitingVersion = true;
    LastCommand = "sv\r\n";
    WritePort(LastCommand);
}

void TMainForm::WriteButtonClick() {
    if (!ValidateSettings()) {
        ShowDialog("There are errors", MB_ICONERROR);
        return;
    }
    Log("Data Checked - OK");
    BuildCommandQueue(SendNewMACButton.Visible());
    StartExchange(kWrite);
    if (!PortOpen && !OpenPort()) {
        Operation = kNoOperation;
        return;
    }
    AwaitingVersion = true;
    LastCommand = "sv\r\n";
    WritePort(LastCommand);
}

void TMainForm::HandleReadReply() {
    if (AwaitingVersion) {
        VersionStage(ReplyText());
        return;
    }
    ApplyReplyLine(ReplyText());
    if (!SendNextCommand()) FinishRead();
}

void TMainForm::FinishRead() {
    Operation = kNoOperation;
    Log("Data Read - OK " + NowText());
    ShowDialog("Data read OK", MB_ICONWARNING);
}

void TMainForm::HandleWriteReply() {
    if (AwaitingVersion) {
        VersionStage(ReplyText());
        return;
    }
    for (const auto& mismatch : ReadBackMismatches(ReplyText(), SettingsFromControls())) {
        Log(mismatch);
        WriteFailed = true;
    }
    if (!SendNextCommand()) FinishWrite();
}

void TMainForm::FinishWrite() {
    if (WriteFailed) {
        ShowDialog("Errors occurred during the write operation\rCheck all values\rError 6",
                   MB_ICONERROR);
        Log("Data Write Errors - Fail " + NowText());
    } else {
        Log("Data Sent - OK " + NowText());
        ShowDialog("Data sent OK", MB_ICONQUESTION);
    }
    ClosePort();
    Operation = kNoOperation;
}

void TMainForm::ApplyReplyLine(const std::string& line) {
    DeviceSettings settings = SettingsFromControls();
    korvan::ApplyReplyLine(line, settings);
    ShowSettings(settings);
}

void TMainForm::BuildCommandQueue(bool all) {
    CommandQueue.Clear();
    for (const auto& line : BuildCommandLines(SettingsFromControls(), all)) CommandQueue.Add(line);
}

bool TMainForm::ValidateSettings() {
    auto messages = korvan::ValidateSettings(SettingsFromControls());
    for (const auto& message : messages) Log(message);
    return messages.empty();
}

DeviceSettings TMainForm::SettingsFromControls() const {
    DeviceSettings s;
    s.ip = TextsOf(ipEdits_);
    s.gateway = TextsOf(gatewayEdits_);
    s.subnet = TextsOf(subnetEdits_);
    s.client = TextsOf(clientEdits_);
    s.dhcp = DHCPEnabledxfCheckBox.Checked();
    s.baudItem = BaudRateComboBox.ItemIndex();
    s.useCrLf = SerialCRLFdxfCheckBox.Checked();
    s.timed = SerialTimeddxfCheckBox.Checked();
    s.serialTime = SerialTimedCSpinEdit.Value();
    s.updatePeriod = UpdatePeriodCSpinEdit.Value();
    s.clientPort = ClientPortCSpinEdit.Value();
    s.serverTimeout = ServerTimeoutCSpinEdit.Value();
    s.watchdog = EnableWatchdogdxfCheckBox.Checked();
    s.clientEnabled = ClientEnabledxfCheckBox.Checked();
    s.broadcast = UseBroadcastdxfCheckBox.Checked();
    s.mac = MACAddressEdit.Text();
    return s;
}

void TMainForm::ShowSettings(const DeviceSettings& s) {
    ShowTexts(ipEdits_, s.ip);
    ShowTexts(gatewayEdits_, s.gateway);
    ShowTexts(subnetEdits_, s.subnet);
    ShowTexts(clientEdits_, s.client);
    // Setting a box to a new state runs its enabling rules, as a click does.
    DHCPEnabledxfCheckBox.SetChecked(s.dhcp);
    ClientEnabledxfCheckBox.SetChecked(s.clientEnabled);
    UseBroadcastdxfCheckBox.SetChecked(s.broadcast);
    EnableWatchdogdxfCheckBox.SetChecked(s.watchdog);
    if (s.timed) {
        SerialTimeddxfCheckBox.SetChecked(true);
    } else if (s.useCrLf) {
        SerialCRLFdxfCheckBox.SetChecked(true);
    }
    if (BaudRateComboBox.ItemIndex() != s.baudItem) BaudRateComboBox.SetItemIndex(s.baudItem);
    ShowValue(SerialTimedCSpinEdit, s.serialTime);
    ShowValue(UpdatePeriodCSpinEdit, s.updatePeriod);
    ShowValue(ClientPortCSpinEdit, s.clientPort);
    ShowValue(ServerTimeoutCSpinEdit, s.serverTimeout);
    if (MACAddressEdit.Text() != s.mac) MACAddressEdit.SetText(s.mac);
}

void TMainForm::DHCPEnabledxfCheckBoxClick() {
    bool manual = !DHCPEnabledxfCheckBox.Checked();
    EnableAll(ipEdits_, manual);
    EnableAll(gatewayEdits_, manual);
    EnableAll(subnetEdits_, manual);
}

void TMainForm::ClientEnabledxfCheckBoxClick() {
    bool client = ClientEnabledxfCheckBox.Checked();
    UseBroadcastdxfCheckBox.SetEnabled(client);
    EnableAll(clientEdits_, client && !UseBroadcastdxfCheckBox.Checked());
}

void TMainForm::SerialTimeddxfCheckBoxClick() {
    SerialTimedCSpinEdit.SetEnabled(SerialTimeddxfCheckBox.Checked());
}

void TMainForm::FramingBoxClicked(ui::CheckBox& clicked, ui::CheckBox& other) {
    if (settingFramingBoxes_) return;
    settingFramingBoxes_ = true;
    // The two boxes act as one group: a checked box stays checked when clicked again, and
    // checking one clears the other.
    if (!clicked.Checked()) {
        clicked.SetChecked(true);
    } else {
        other.SetChecked(false);
    }
    settingFramingBoxes_ = false;
    SerialTimeddxfCheckBoxClick();
}

}  // namespace korvan
