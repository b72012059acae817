// TMainForm's settings files and web-page list: Save/Load File, the page list's Load From
// File, Add and Remove.
#include "Mainunit.h"

#include <algorithm>

#include "PageFileList.h"
#include "TextLines.h"

namespace korvan {

namespace {

constexpr const char* kFileListQuestion =
    "The Web Page File List has changed\nDo you want to save the new list?";

}  // namespace

void TMainForm::WireFileEvents() {
    SaveButton.OnClick = [this] { SaveButtonClick(); };
    LoadButton.OnClick = [this] { LoadButtonClick(); };
    LoadPageListButton.OnClick = [this] { LoadPageListButtonClick(); };
    AddButton.OnClick = [this] { AddButtonClick(); };
    RemoveButton.OnClick = [this] { RemoveButtonClick(); };
    DownloadButton.OnClick = [this] { DownloadButtonClick(); };
    SendNewMACButton.OnClick = [this] { SendNewMACButtonClick(); };
}

void TMainForm::SaveButtonClick() {
    if (!SettingsSaveDialog.Execute(Handle())) return;
    const std::string& path = SettingsSaveDialog.FileName();
    BuildCommandQueue(true);
    // Each command line keeps its CR LF and the writer adds another, so an empty line follows
    // every entry, as settings files have always been.
    if (!WriteTextLines(path, CommandQueue.Items())) {
        ShowDialog("Cannot write " + path, MB_ICONERROR);
    }
}

void TMainForm::LoadButtonClick() {
    if (!SettingsOpenDialog.Execute(Handle())) return;
    const std::string& path = SettingsOpenDialog.FileName();
    // Checked first, so that a file that cannot be read leaves the queue and the page alone.
    if (!ReadTextLines(path)) {
        ShowDialog("Cannot read " + path, MB_ICONERROR);
        return;
    }
    LoadSettingsFile(path);
}

void TMainForm::LoadPageListButtonClick() {
    if (FileListChanged) {
        int answer = ShowDialog(kFileListQuestion, MB_ICONWARNING | MB_YESNOCANCEL);
        if (answer == IDCANCEL) return;
        if (answer == IDYES) SavePageListButtonClick();
    }
    if (!FileListOpenDialog.Execute(Handle())) return;
    const std::string& path = FileListOpenDialog.FileName();
    if (!LoadPageListFile(path, FileList)) {
        ShowDialog("Cannot read " + path, MB_ICONERROR);
        return;
    }
    ShowFileList();
    FileListChanged = false;
}

void TMainForm::AddButtonClick() {
    if (!WebPagesOpenDialog.Execute(Handle())) return;
    for (const auto& path : WebPagesOpenDialog.Files()) FileList.Add(path);
    ShowFileList();
    FileListChanged = true;
}

void TMainForm::RemoveButtonClick() {
    ui::GridRange rows = FileListStringGrid.Selection();
    bool removed = false;
    for (int row = std::max(rows.top, 1); rows.top >= 0 && row <= rows.bottom; ++row) {
        std::string path = FileListStringGrid.Cell(1, row) + FileListStringGrid.Cell(0, row);
        removed = RemovePagePath(FileList, path) || removed;
    }
    if (!removed) return;
    ShowFileList();
    FileListChanged = true;
}

}  // namespace korvan
