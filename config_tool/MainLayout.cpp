// TMainForm's pages and controls, at their pixel positions.
#include "Mainunit.h"

namespace korvan {

namespace {

using ui::At;

ui::SpinRange Range(int minValue, int maxValue, int value, int increment = 1) {
    ui::SpinRange range;
    range.minValue = minValue;
    range.maxValue = maxValue;
    range.value = value;
    range.increment = increment;
    return range;
}

// A caption label and four edits in a row, 40 pixels wide.
void CreateAddressRow(ui::Window& parent, ui::Label& label, const char* caption, int top,
                      const std::array<ui::Edit*, 4>& edits, const char* const names[4]) {
    label.Create(parent, At("", 10, top + 3, 108, 16, caption));
    for (int k = 0; k < 4; ++k) {
        edits[k]->Create(parent, At(names[k], 120 + k * 48, top, 40, 21));
    }
}

}  // namespace

void TMainForm::CreateIntroPage() {
    SerialPortLabel.Create(IntroTabSheet, At("SerialPortLabel", 16, 16, 90, 16, "Use Comm Port"));
    SerialPortCSpinEdit.Create(IntroTabSheet, At("SerialPortCSpinEdit", 110, 12, 60, 21),
                               Range(1, 255, 1));

    OptionsGroupBox.Create(IntroTabSheet,
                           At("OptionsGroupBox", 8, 44, 662, 64, "Server E-Mail and Client Options"));
    ReadButton.Create(OptionsGroupBox, At("ReadButton", 16, 24, 140, 27, "Read From KORVAN"));
    WriteButton.Create(OptionsGroupBox, At("WriteButton", 176, 24, 140, 27, "Write To KORVAN"));
    SaveButton.Create(OptionsGroupBox, At("SaveButton", 336, 24, 140, 27, "Save File"));
    LoadButton.Create(OptionsGroupBox, At("LoadButton", 496, 24, 140, 27, "Load File"));

    LogsGroupBox.Create(IntroTabSheet, At("LogsGroupBox", 8, 116, 662, 294, "Logs"));
    // A read-only edit already has the system's grey face colour as its background.
    LogMemo.Create(LogsGroupBox, At("LogMemo", 12, 20, 638, 226), ui::ScrollBars::Vertical,
                   /*readOnly=*/true, /*wordWrap=*/false);
    ClearButton.Create(LogsGroupBox, At("ClearButton", 12, 256, 90, 27, "Clear"));
    HelpButton.Create(LogsGroupBox, At("HelpButton", 454, 256, 90, 27, "Help"));
    ExitButton.Create(LogsGroupBox, At("ExitButton", 560, 256, 90, 27, "Exit"));
}

void TMainForm::CreateNetworkGroup() {
    NetworkGroupBox.Create(SetupTabSheet, At("NetworkGroupBox", 8, 4, 330, 136, "General"));
    DHCPEnabledxfCheckBox.Create(
        NetworkGroupBox, At("DHCPEnabledxfCheckBox", 10, 18, 220, 17, "Get Address Automatically"));
    static const char* const ip[4] = {"IPAddr1Edit", "IPAddr2Edit", "IPAddr3Edit", "IPAddr4Edit"};
    static const char* const gateway[4] = {"GateWayAddr1Edit", "GateWayAddr2Edit",
                                           "GateWayAddr3Edit", "GateWayAddr4Edit"};
    static const char* const subnet[4] = {"SubMaskAddr1Edit", "SubMaskAddr2Edit",
                                          "SubMaskAddr3Edit", "SubMaskAddr4Edit"};
    CreateAddressRow(NetworkGroupBox, IPAddrLabel, "IP Address", 42, ipEdits_, ip);
    CreateAddressRow(NetworkGroupBox, GateWayAddrLabel, "Gateway Address", 72, gatewayEdits_,
                     gateway);
    CreateAddressRow(NetworkGroupBox, SubMaskAddrLabel, "Submask", 102, subnetEdits_, subnet);
}

void TMainForm::CreateSerialGroup() {
    SerialGroupBox.Create(SetupTabSheet, At("SerialGroupBox", 346, 4, 326, 136, "Serial Port"));
    BaudRateLabel.Create(SerialGroupBox, At("BaudRateLabel", 10, 25, 70, 16, "Baud Rate"));
    BaudRateComboBox.Create(SerialGroupBox, At("BaudRateComboBox", 90, 21, 100, 150),
                            {"2400", "4800", "9600", "19200", "38400"});
    SerialCRLFdxfCheckBox.Create(SerialGroupBox,
                                 At("SerialCRLFdxfCheckBox", 10, 56, 120, 17, "Use CR/LF"));
    SerialTimeddxfCheckBox.Create(SerialGroupBox,
                                  At("SerialTimeddxfCheckBox", 10, 86, 70, 17, "Timed"));
    SerialTimedCSpinEdit.Create(SerialGroupBox, At("SerialTimedCSpinEdit", 90, 84, 70, 21),
                                Range(20, 2000, 20, 10));
    SerialTimeUnitLabel.Create(SerialGroupBox, At("SerialTimeUnitLabel", 166, 88, 30, 16, "mS"));
}

void TMainForm::CreateConnectGroup() {
    ConnectGroupBox.Create(SetupTabSheet,
                           At("ConnectGroupBox", 8, 146, 330, 150, "Connect Settings"));
    UpdatePeriodLabel.Create(ConnectGroupBox,
                             At("UpdatePeriodLabel", 10, 26, 95, 16, "Update Period"));
    UpdatePeriodCSpinEdit.Create(ConnectGroupBox, At("UpdatePeriodCSpinEdit", 110, 22, 70, 21),
                                 Range(1, 1000, 60));
    UpdatePeriodUnitLabel.Create(ConnectGroupBox,
                                 At("UpdatePeriodUnitLabel", 188, 26, 60, 16, "Seconds"));
    ClientPortLabel.Create(ConnectGroupBox, At("ClientPortLabel", 10, 56, 95, 16, "Port Number"));
    ClientPortCSpinEdit.Create(ConnectGroupBox, At("ClientPortCSpinEdit", 110, 52, 70, 21),
                               Range(1, 65535, 3012));
    ServerTimeoutLabel.Create(ConnectGroupBox, At("ServerTimeoutLabel", 10, 86, 95, 16, "Timeout"));
    ServerTimeoutCSpinEdit.Create(ConnectGroupBox, At("ServerTimeoutCSpinEdit", 110, 82, 70, 21),
                                  Range(1, 1000, 60));
    ServerTimeoutUnitLabel.Create(ConnectGroupBox,
                                  At("ServerTimeoutUnitLabel", 188, 86, 60, 16, "Seconds"));
    EnableWatchdogdxfCheckBox.Create(
        ConnectGroupBox, At("EnableWatchdogdxfCheckBox", 10, 118, 160, 17, "Enable Watchdog"));
}

void TMainForm::CreateConnectionsGroup() {
    ConnectionsGroupBox.Create(SetupTabSheet,
                               At("ConnectionsGroupBox", 346, 146, 326, 150, "Connections"));
    ClientEnabledxfCheckBox.Create(
        ConnectionsGroupBox, At("ClientEnabledxfCheckBox", 10, 22, 160, 17, "Enable Client"),
        /*checked=*/true);
    UseBroadcastdxfCheckBox.Create(
        ConnectionsGroupBox,
        At("UseBroadcastdxfCheckBox", 10, 50, 200, 17, "Use Broadcast Address"), /*checked=*/true);
    static const char* const client[4] = {"ClientAddr1Edit", "ClientAddr2Edit", "ClientAddr3Edit",
                                          "ClientAddr4Edit"};
    CreateAddressRow(ConnectionsGroupBox, ClientAddrLabel, "Target IP Address", 84, clientEdits_,
                     client);
    for (ui::Edit* edit : clientEdits_) edit->SetMaxLength(3);
}

void TMainForm::CreateMacRow() {
    MACAddressLabel.Create(SetupTabSheet, At("MACAddressLabel", 18, 314, 80, 16, "MAC Address"));
    MACAddressEdit.Create(SetupTabSheet, At("MACAddressEdit", 100, 310, 150, 21));
    MACAddressEdit.SetReadOnly(true);
    NewMAC1Edit.Create(SetupTabSheet, At("NewMAC1Edit", 270, 310, 30, 21));
    NewMAC2Edit.Create(SetupTabSheet, At("NewMAC2Edit", 306, 310, 30, 21));
    SendNewMACButton.Create(SetupTabSheet,
                            At("SendNewMACButton", 346, 307, 110, 27, "Send New MAC"));
}

void TMainForm::CreateDataPage() {
    CreateNetworkGroup();
    CreateSerialGroup();
    CreateConnectGroup();
    CreateConnectionsGroup();
    CreateMacRow();
}

void TMainForm::CreateWebPagesPage() {
    FileListStringGrid.Create(WebPagesTabSheet, At("FileListStringGrid", 8, 8, 520, 330), 2, 1,
                              /*multiSelect=*/true);
    FileListStringGrid.SetColWidth(0, 160);
    FileListStringGrid.SetColWidth(1, 340);
    AddButton.Create(WebPagesTabSheet, At("AddButton", 540, 8, 130, 27, "Add"));
    RemoveButton.Create(WebPagesTabSheet, At("RemoveButton", 540, 42, 130, 27, "Remove"));
    LoadPageListButton.Create(WebPagesTabSheet,
                              At("LoadPageListButton", 540, 90, 130, 27, "Load From File"));
    SavePageListButton.Create(WebPagesTabSheet,
                              At("SavePageListButton", 540, 124, 130, 27, "Save To File"));
    DownloadButton.Create(WebPagesTabSheet,
                          At("DownloadButton", 540, 311, 130, 27, "Download To KORVAN"));
    auto progressLabel = At("ProgressLabel", 8, 352, 60, 16, "Progress");
    progressLabel.visible = false;
    ProgressLabel.Create(WebPagesTabSheet, progressLabel);
    ui::ProgressRange percent;
    percent.showPercent = true;
    auto progressBar = At("WebPagedxfProgressBar", 72, 350, 456, 20);
    progressBar.visible = false;
    WebPagedxfProgressBar.Create(WebPagesTabSheet, progressBar, percent);
}

void TMainForm::CreateDialogs() {
    SettingsOpenDialog.Options.filter = "Config Files|*.txt";
    SettingsSaveDialog.Options.filter = "Config Files|*.txt";
    WebPagesOpenDialog.Options.filter = "Web Page Files|*.htm;*.cgi";
    WebPagesOpenDialog.Options.multiSelect = true;
}

bool TMainForm::CreateMainWindow() {
    ui::FormArgs form;
    form.name = "MainForm";
    form.clientWidth = 688;
    form.clientHeight = 446;
    form.border = ui::BorderStyle::Single;
    if (!Create(form)) return false;

    MainPageControl.Create(*this, At("MainPageControl", 0, 0, 688, 446), /*flatButtons=*/true);
    IntroTabSheet.Create(MainPageControl, At("IntroTabSheet", 0, 0, 0, 0, "General"));
    SetupTabSheet.Create(MainPageControl, At("SetupTabSheet", 0, 0, 0, 0, "Data"));
    ClientTabSheet.Create(MainPageControl, At("ClientTabSheet", 0, 0, 0, 0, "Client"));
    WebPagesTabSheet.Create(MainPageControl, At("WebPagesTabSheet", 0, 0, 0, 0, "Web Pages"));
    ClientTabSheet.SetTabVisible(false);
    WebPagesTabSheet.SetTabVisible(false);

    CreateIntroPage();
    CreateDataPage();
    CreateWebPagesPage();
    CreateDialogs();
    WireEvents();
    FormCreate();
    Timer1.SetTimerEnabled(true);
    return true;
}

}  // namespace korvan
