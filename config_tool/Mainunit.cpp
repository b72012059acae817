// TMainForm: start-up, the log, help, closing and the reply timer.
#include "Mainunit.h"

#include <algorithm>

#include "Application.h"
#include "TextLines.h"
#include "UserInteraction.h"

namespace korvan {

namespace {

constexpr const char* kDefaultConfigFile = "DefaultConfig.txt";
constexpr const char* kDefaultFileListFile = "DefaultFileList.txt";
constexpr const char* kFileListQuestion =
    "The Web Page File List has changed\nDo you want to save the new list?";

// The folder part of a path, without the trailing backslash.
std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// "C:\Pages\index.htm" -> {"index.htm", "C:\Pages\"}.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return {path, ""};
    return {path.substr(slash + 1), path.substr(0, slash + 1)};
}

}  // namespace

std::string NowText() {
    char date[64] = {};
    char time[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
    return std::string(date) + " " + time;
}

TMainForm::TMainForm(MainFormOptions options)
    : options_(std::move(options)),
      device_(options_.device ? options_.device : std::make_shared<Win32SerialDevice>()) {}

TMainForm::~TMainForm() {
    ClosePort();
    endingReaders_.clear();  // each waits for its thread to end
}

void TMainForm::WireEvents() {
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    ReadButton.OnClick = [this] { ReadButtonClick(); };
    WriteButton.OnClick = [this] { WriteButtonClick(); };
    ClearButton.OnClick = [this] { ClearButtonClick(); };
    HelpButton.OnClick = [this] { HelpButtonClick(); };
    ExitButton.OnClick = [this] { ExitButtonClick(); };
    SavePageListButton.OnClick = [this] { SavePageListButtonClick(); };
    WireFileEvents();
    DHCPEnabledxfCheckBox.OnClick = [this] { DHCPEnabledxfCheckBoxClick(); };
    ClientEnabledxfCheckBox.OnClick = [this] { ClientEnabledxfCheckBoxClick(); };
    UseBroadcastdxfCheckBox.OnClick = [this] { ClientEnabledxfCheckBoxClick(); };
    SerialCRLFdxfCheckBox.OnClick = [this] {
        FramingBoxClicked(SerialCRLFdxfCheckBox, SerialTimeddxfCheckBox);
    };
    SerialTimeddxfCheckBox.OnClick = [this] {
        FramingBoxClicked(SerialTimeddxfCheckBox, SerialCRLFdxfCheckBox);
    };
}

void TMainForm::FormCreate() {
    MainPageControl.SetActivePage(IntroTabSheet);
    SetCaption(std::string(kCaption) + kVersion);
    AppDir = options_.appDir.empty() ? FolderOf(ui::Application::ExeName()) : options_.appDir;
    CommandQueue.Clear();
    FileList.Clear();
    MacFileLines.clear();
    FileListStringGrid.SetCell(0, 0, "Name");
    FileListStringGrid.SetCell(1, 0, "Location");
    PortOpen = false;
    Operation = kNoOperation;
    BinaryMode = false;
    ReplyCountdown = 0;
    AwaitingVersion = false;
    LoadDefaultFiles();
    FileListChanged = false;
    CheckMacFile();
    // The boxes start in a consistent state: the enabling rules as if each had been clicked.
    DHCPEnabledxfCheckBoxClick();
    ClientEnabledxfCheckBoxClick();
    SerialTimeddxfCheckBoxClick();
}

void TMainForm::LoadDefaultFiles() {
    std::string config = AppDir + "\\" + kDefaultConfigFile;
    if (FileExists(config)) {
        LoadSettingsFile(config);
        Log("Default Data Loaded");
    } else {
        Log(std::string(kDefaultConfigFile) + " Not Found");
    }
    std::string fileList = AppDir + "\\" + kDefaultFileListFile;
    if (auto lines = ReadTextLines(fileList)) {
        for (const auto& line : *lines) FileList.Add(line);
        Log("Default Web Page File List Loaded");
        ShowFileList();
    } else {
        Log(std::string(kDefaultFileListFile) + " Not Found");
    }
}

void TMainForm::LoadSettingsFile(const std::string& path) {
    CommandQueue.Clear();
    if (auto lines = ReadTextLines(path)) {
        for (const auto& line : *lines) CommandQueue.Add(line);
    }
    for (const auto& line : CommandQueue.Items()) {
        if (!line.empty()) ApplyReplyLine(line);
    }
}

void TMainForm::ShowFileList() {
    FileListStringGrid.SetRowCount(static_cast<int>(FileList.Count()) + 1);
    for (size_t i = 0; i < FileList.Count(); ++i) {
        auto [name, folder] = SplitPath(FileList[i]);
        FileListStringGrid.SetCell(0, static_cast<int>(i) + 1, name);
        FileListStringGrid.SetCell(1, static_cast<int>(i) + 1, folder);
    }
}

void TMainForm::CheckMacFile() {
    bool programming = FileExists(options_.macFilePath);
    NewMAC1Edit.SetVisible(programming);
    NewMAC2Edit.SetVisible(programming);
    SendNewMACButton.SetVisible(programming);
    if (!programming) return;
    if (auto lines = ReadTextLines(options_.macFilePath)) MacFileLines = *lines;
    if (MacFileLines.size() == 2) {
        NewMAC1Edit.SetText(MacFileLines[0]);
        NewMAC2Edit.SetText(MacFileLines[1]);
    }
}

void TMainForm::SaveMacFile() {
    if (!FileExists(options_.macFilePath)) return;
    if (!WriteTextLines(options_.macFilePath, {NewMAC1Edit.Text(), NewMAC2Edit.Text()})) {
        Log("Cannot write " + options_.macFilePath);
    }
}

void TMainForm::Log(const std::string& line) { LogMemo.AddLine(line); }

int TMainForm::ShowDialog(const std::string& text, UINT type) {
    const char* caption = "Information";
    switch (type & MB_ICONMASK) {
        case MB_ICONERROR: caption = "Error"; break;
        case MB_ICONWARNING: caption = "Warning"; break;
        case MB_ICONQUESTION: caption = "Confirm"; break;
        default: break;
    }
    UINT buttons = (type & MB_TYPEMASK) ? (type & MB_TYPEMASK) : MB_OK;
    return ui::Interaction().MessageBox(Handle(), text, caption, (type & ~MB_TYPEMASK) | buttons);
}

void TMainForm::ClearButtonClick() { LogMemo.ClearLines(); }

void TMainForm::HelpButtonClick() {
    if (!ui::Application::HelpContents(Handle())) {
        ShowDialog("Cannot open the help file " + ui::Application::HelpFile(), MB_ICONERROR);
    }
}

void TMainForm::ExitButtonClick() { Close(); }

void TMainForm::FormCloseQuery(bool& canClose) {
    if (FileListChanged) {
        int answer = ShowDialog(kFileListQuestion, MB_ICONWARNING | MB_YESNOCANCEL);
        if (answer == IDCANCEL) {
            canClose = false;
            return;
        }
        if (answer == IDYES) SavePageListButtonClick();
    }
    SaveMacFile();
    canClose = true;
}

void TMainForm::SavePageListButtonClick() {
    if (!FileListSaveDialog.Execute(Handle())) return;
    if (!WriteTextLines(FileListSaveDialog.FileName(), FileList.Items())) {
        ShowDialog("Cannot write " + FileListSaveDialog.FileName(), MB_ICONERROR);
    }
}

void TMainForm::Timer1Timer() {
    // Readers told to end are released here, outside any hand-over of theirs.
    endingReaders_.erase(std::remove_if(endingReaders_.begin(), endingReaders_.end(),
                                        [](const auto& reader) { return !reader->Running(); }),
                         endingReaders_.end());
    if (ReplyCountdown <= 0) return;
    if (--ReplyCountdown > 0) return;
    ShowDialog("Cannot communicate with KORVAN\nError 7", MB_ICONERROR);
    Log("Cannot communicate with KORVAN");
}

}  // namespace korvan
