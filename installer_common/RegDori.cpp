// Shortcuts in the shell folders: shell links and Internet shortcut files.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <fstream>

#include "RegOp.h"
#include "Files.h"
#include "MsgBox.h"
#include "Utils.h"
#include "VerText.h"

namespace {

const char kShellFoldersKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const kFolderValueNames[] = {"Desktop", "Start Menu", "Programs",
                                         "Startup", "Personal",   "Sendto"};

class ComSession {
public:
    ComSession() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComSession() {
        if (ok_) CoUninitialize();
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool ok_;
};

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return pointer_; }
    T* Get() const { return pointer_; }
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

private:
    T* pointer_ = nullptr;
};

bool ReadFolderValue(HKEY root, const std::string& name, std::string& folder) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, kShellFoldersKey + 1, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[MAX_PATH * 2] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    bool found = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
                 (type == REG_SZ || type == REG_EXPAND_SZ);
    RegCloseKey(key);
    if (found) folder = buffer;
    return found;
}

void WriteInternetShortcut(const std::string& path, const std::string& target,
                           const std::string& workDir, const std::string& iconFile,
                           int iconIndex) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << "[InternetShortcut]\r\n" << "URL=" << target << "\r\n";
    if (!iconFile.empty())
        file << "IconFile=" << iconFile << "\r\n" << "IconIndex=" << iconIndex << "\r\n";
    if (!workDir.empty()) file << "WorkingDirectory=" << workDir << "\r\n";
}

void WriteShellLink(const std::string& path, const std::string& target,
                    const std::string& parameters, const std::string& workDir,
                    const std::string& iconFile, int iconIndex, int show) {
    ComSession com;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.Out())))
        return;
    link->SetArguments(parameters.c_str());
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workDir.c_str());
    link->SetShowCmd(show);
    if (!iconFile.empty()) link->SetIconLocation(iconFile.c_str(), iconIndex);
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return;
    std::wstring widePath(path.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &widePath[0],
                                     static_cast<int>(widePath.size()));
    if (length > 0) file->Save(widePath.c_str(), TRUE);
}

}  // namespace

std::string ShellFolderPath(int kind, bool allUsers) {
    if (kind < kDoriDesktop || kind > kDoriSendTo) return "";
    HKEY root = allUsers ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    std::string name = kFolderValueNames[kind];
    std::string folder;
    if (!ReadFolderValue(root, name, folder)) ReadFolderValue(root, "common " + name, folder);
    return folder;
}

std::string CreateDori(int kind, const std::string& subFolder, bool allUsers,
                       const std::string& name, const std::string& target,
                       const std::string& parameters, const std::string& workDir,
                       const std::string& iconFile, int iconIndex, int show) {
    std::string folder = ShellFolderPath(kind, allUsers);
    if (folder.empty()) return "";
    std::string sub = TrimText(subFolder);
    if (!sub.empty() && sub[0] == '\\') sub.erase(0, 1);
    if (!sub.empty()) folder += "\\" + sub;
    if (!ForceDirectories(folder))
        ErrorBox(folder + "\\n\\nUnable to create Dori Directory!\\n(RegOp.CreateDori)");

    if (IsUrl(target)) {
        std::string path = folder + "\\" + name + ".url";
        WriteInternetShortcut(path, target, workDir, iconFile, iconIndex);
        return path;
    }
    std::string path = folder + "\\" + name + ".lnk";
    WriteShellLink(path, target, parameters, workDir, iconFile, iconIndex, show);
    bool linkIsRecorded = kind == kDoriDesktop || kind == kDoriStartMenu ||
                          kind == kDoriPersonal || sub.empty() ||
                          name.rfind("Check for New Update", 0) == 0;
    return linkIsRecorded ? path : folder;
}
