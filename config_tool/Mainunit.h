#pragma once
// TMainForm: KorvanConfig's one window. It owns all state of the program: the port, the
// command exchange with the module, the settings controls, the log and the file lists; its
// methods hold the logic, the text-level rules live in the units without windows.h.
#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "Button.h"
#include "ComboBox.h"
#include "DeviceSettings.h"
#include "DownloadTransfer.h"
#include "Edit.h"
#include "FileDialogs.h"
#include "Form.h"
#include "Label.h"
#include "PageControl.h"
#include "Port1commsunit.h"
#include "ProgressBar.h"
#include "ReplyFramer.h"
#include "SerialDevice.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "StringList.h"
#include "Timer.h"

namespace korvan {

// Who receives the module's replies.
enum Operation { kNoOperation = 0, kDownload = 1, kRead = 2, kWrite = 3 };

// Where the window finds its world; the defaults are those of the shipped program.
struct MainFormOptions {
    std::shared_ptr<SerialDevice> device;  // null: the real COM device
    std::string appDir;                    // empty: the program's folder
    std::string macFilePath = "C:\\KorvanSetMACAddress\\SetMACAddress.txt";
};

class TMainForm : public ui::Form {
public:
    static constexpr const char* kCaption = "Korvan Vadudodod Version ";
    static constexpr const char* kVersion = "1.01";
    static constexpr int kReplyTimeoutTicks = 20;  // of Timer1's 100 ms

    explicit TMainForm(MainFormOptions options = {});
    ~TMainForm() override;

    // Creates the window (hidden) with every page and control, then runs FormCreate.
    bool CreateMainWindow();

    // --- event handlers
    void FormCreate();
    void FormCloseQuery(bool& canClose);
    void Timer1Timer();
    void ClearButtonClick();
    void HelpButtonClick();
    void ExitButtonClick();
    void ReadButtonClick();
    void WriteButtonClick();
    void SavePageListButtonClick();
    void SaveButtonClick();
    void LoadButtonClick();
    void LoadPageListButtonClick();
    void AddButtonClick();
    void RemoveButtonClick();
    void DownloadButtonClick();
    void SendNewMACButtonClick();
    void DHCPEnabledxfCheckBoxClick();
    void ClientEnabledxfCheckBoxClick();
    void SerialTimeddxfCheckBoxClick();

    // --- serial link
    bool OpenPort();
    void WritePort(const std::string& bytes);
    void ClosePort();

    // --- command exchange
    void DispatchReply();
    int CheckErrorReply(const std::string& reply);
    int CheckVersionReply(const std::string& reply);
    bool SendNextCommand();

    // --- settings
    void ApplyReplyLine(const std::string& line);
    void BuildCommandQueue(bool all);
    bool ValidateSettings();
    void HandleReadReply();
    void HandleWriteReply();
    DeviceSettings SettingsFromControls() const;
    void ShowSettings(const DeviceSettings& settings);

    // --- files
    void LoadSettingsFile(const std::string& path);
    void ShowFileList();

    // --- web-page download
    bool CopyPagesToTemp();
    bool BuildImage();
    void StartDownload();
    void HandleDownloadReply();
    bool LoadImageFile();
    void SendNextBlock(const DownloadOutput& block);
    void DeleteTempFiles();

    void Log(const std::string& line);
    std::vector<std::string> LogLines() const { return LogMemo.Lines(); }

    // --- state (read by tests as the window's own fields)
    bool PortOpen = false;
    bool ReaderStarted = false;
    char Reply[ReplyBuffer::kMaxLine + 1] = {};
    int ReplyLength = 0;
    std::atomic<bool> BinaryMode{false};
    int ReplyCountdown = 0;
    int Operation = kNoOperation;
    bool AwaitingVersion = false;
    std::string LastCommand;
    int RetryCount = 0;
    bool WriteFailed = false;
    ui::SortedStringList CommandQueue;
    ui::SortedStringList FileList;
    bool FileListChanged = false;
    std::vector<std::string> MacFileLines;
    std::string AppDir;
    int ImageFileSize = 0;
    int DownloadStep = 0;
    DownloadTransfer Transfer;  // the image and the number of the next block while sending

    // --- controls
    ui::PageControl MainPageControl;
    ui::TabSheet IntroTabSheet, SetupTabSheet, ClientTabSheet, WebPagesTabSheet;
    // "General"
    ui::Label SerialPortLabel;
    ui::SpinEdit SerialPortCSpinEdit;
    ui::GroupBox OptionsGroupBox;
    ui::Button ReadButton, WriteButton, SaveButton, LoadButton;
    ui::GroupBox LogsGroupBox;
    ui::Memo LogMemo;
    ui::Button ClearButton, HelpButton, ExitButton;
    // "Data"
    ui::GroupBox NetworkGroupBox;
    ui::CheckBox DHCPEnabledxfCheckBox;
    ui::Label IPAddrLabel, GateWayAddrLabel, SubMaskAddrLabel;
    ui::Edit IPAddr1Edit, IPAddr2Edit, IPAddr3Edit, IPAddr4Edit;
    ui::Edit GateWayAddr1Edit, GateWayAddr2Edit, GateWayAddr3Edit, GateWayAddr4Edit;
    ui::Edit SubMaskAddr1Edit, SubMaskAddr2Edit, SubMaskAddr3Edit, SubMaskAddr4Edit;
    ui::GroupBox SerialGroupBox;
    ui::Label BaudRateLabel, SerialTimeUnitLabel;
    ui::ComboBox BaudRateComboBox;
    ui::CheckBox SerialCRLFdxfCheckBox, SerialTimeddxfCheckBox;
    ui::SpinEdit SerialTimedCSpinEdit;
    ui::GroupBox ConnectGroupBox;
    ui::Label UpdatePeriodLabel, UpdatePeriodUnitLabel, ClientPortLabel, ServerTimeoutLabel,
        ServerTimeoutUnitLabel;
    ui::SpinEdit UpdatePeriodCSpinEdit, ClientPortCSpinEdit, ServerTimeoutCSpinEdit;
    ui::CheckBox EnableWatchdogdxfCheckBox;
    ui::GroupBox ConnectionsGroupBox;
    ui::CheckBox ClientEnabledxfCheckBox, UseBroadcastdxfCheckBox;
    ui::Label ClientAddrLabel;
    ui::Edit ClientAddr1Edit, ClientAddr2Edit, ClientAddr3Edit, ClientAddr4Edit;
    ui::Label MACAddressLabel;
    ui::Edit MACAddressEdit, NewMAC1Edit, NewMAC2Edit;
    ui::Button SendNewMACButton;
    // "Web Pages"
    ui::StringGrid FileListStringGrid;
    ui::Button AddButton, RemoveButton, LoadPageListButton, SavePageListButton, DownloadButton;
    ui::ProgressBar WebPagedxfProgressBar;
    ui::Label ProgressLabel;
    // Non-visual
    ui::Timer Timer1{100, false};
    ui::OpenDialog SettingsOpenDialog, WebPagesOpenDialog, FileListOpenDialog;
    ui::SaveDialog SettingsSaveDialog, FileListSaveDialog;

private:
    void CreateIntroPage();
    void CreateDataPage();
    void CreateNetworkGroup();
    void CreateSerialGroup();
    void CreateConnectGroup();
    void CreateConnectionsGroup();
    void CreateMacRow();
    void CreateWebPagesPage();
    void CreateDialogs();
    void WireEvents();
    void WireFileEvents();

    void StartExchange(int operation);
    void VersionStage(const std::string& reply);
    void FailExchange(const std::string& dialog, const std::string& logLine);
    void FinishRead();
    void FinishWrite();
    void OnReply(const ReplyBuffer& reply);
    void FramingBoxClicked(ui::CheckBox& clicked, ui::CheckBox& other);
    void LoadDefaultFiles();
    void CheckMacFile();
    void SaveMacFile();
    void DownloadVersionStage(const std::string& reply);
    bool MeasureImage();
    void FinishDownload();
    void FailDownload();
    std::string TempFolder() const { return AppDir + "\\TempWebPges"; }
    std::string ImageToolFolder() const;

    int ShowDialog(const std::string& text, UINT type);
    std::string ReplyText() const { return std::string(Reply, static_cast<size_t>(ReplyLength)); }

    using AddressEdits = std::array<ui::Edit*, 4>;
    const AddressEdits ipEdits_{&IPAddr1Edit, &IPAddr2Edit, &IPAddr3Edit, &IPAddr4Edit};
    const AddressEdits gatewayEdits_{&GateWayAddr1Edit, &GateWayAddr2Edit, &GateWayAddr3Edit,
                                     &GateWayAddr4Edit};
    const AddressEdits subnetEdits_{&SubMaskAddr1Edit, &SubMaskAddr2Edit, &SubMaskAddr3Edit,
                                    &SubMaskAddr4Edit};
    const AddressEdits clientEdits_{&ClientAddr1Edit, &ClientAddr2Edit, &ClientAddr3Edit,
                                    &ClientAddr4Edit};

    MainFormOptions options_;
    std::shared_ptr<SerialDevice> device_;
    // The running reader, and readers told to end that may still be inside a hand-over; they
    // are released once they have finished (never from inside their own hand-over).
    std::unique_ptr<Port1Comms> reader_;
    std::vector<std::unique_ptr<Port1Comms>> endingReaders_;
    bool settingFramingBoxes_ = false;
};

// The current date and time in the system's short formats ("11/12/2026 14:05:09").
std::string NowText();

}  // namespace korvan
