#include "UserInteraction.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace ui {

namespace {

UserInteraction* installed = nullptr;

// Fills an OPENFILENAMEA from the request; `buffer` receives the chosen name(s).
OPENFILENAMEA MakeOpenFileName(const FileDialogRequest& request, const std::string& filter,
                               std::vector<char>& buffer) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    request.fileName.copy(buffer.data(), buffer.size() - 1);
    return dialog;
}

// A multi-select answer is "folder\0name1\0name2\0\0", or one full path when only one was chosen.
std::vector<std::string> SplitMultiSelect(const std::vector<char>& buffer) {
    std::vector<std::string> parts;
    for (const char* p = buffer.data(); *p; p += parts.back().size() + 1) parts.emplace_back(p);
    if (parts.size() <= 1) return parts;
    std::string folder = parts.front();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    std::vector<std::string> paths;
    for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
    return paths;
}

}  // namespace

UserInteraction& Interaction() {
    static Win32Interaction real;
    return installed ? *installed : real;
}

UserInteraction* SetInteraction(UserInteraction* replacement) {
    UserInteraction* previous = installed;
    installed = replacement;
    return previous;
}

std::string DialogFilter(const std::string& barSeparated) {
    if (barSeparated.empty()) return std::string();
    std::string filter = barSeparated;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

int Win32Interaction::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                                 UINT flags) {
    // Qualified: windows.h turns this member's own name into MessageBoxA.
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

std::vector<std::string> Win32Interaction::OpenFileDialog(const FileDialogRequest& request) {
    std::string filter = DialogFilter(request.filter);
    std::vector<char> buffer(request.multiSelect ? 64 * 1024 : MAX_PATH * 2, '\0');
    OPENFILENAMEA dialog = MakeOpenFileName(request, filter, buffer);
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (request.multiSelect) dialog.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameA(&dialog)) return {};
    return SplitMultiSelect(buffer);
}

std::string Win32Interaction::SaveFileDialog(const FileDialogRequest& request) {
    std::string filter = DialogFilter(request.filter);
    std::vector<char> buffer(MAX_PATH * 2, '\0');
    OPENFILENAMEA dialog = MakeOpenFileName(request, filter, buffer);
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetSaveFileNameA(&dialog)) return std::string();
    return std::string(buffer.data());
}

std::string Win32Interaction::BrowseForFolder(HWND owner, const std::string& title) {
    char chosen[MAX_PATH] = {};
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pszDisplayName = chosen;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (!item) return std::string();
    bool ok = SHGetPathFromIDListA(item, chosen);
    CoTaskMemFree(item);
    return ok ? std::string(chosen) : std::string();
}

bool Win32Interaction::ShellOpen(HWND owner, const std::string& verb, const std::string& target,
                                 const std::string& parameters, const std::string& directory,
                                 int showCommand) {
    HINSTANCE result = ShellExecuteA(owner, verb.empty() ? nullptr : verb.c_str(), target.c_str(),
                                     parameters.empty() ? nullptr : parameters.c_str(),
                                     directory.empty() ? nullptr : directory.c_str(), showCommand);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

int Win32Interaction::ShowModal(const std::string&, const std::function<int()>& show) {
    return show();
}

}  // namespace ui
