#include "UnStartup.h"

#include <windows.h>

#include <fstream>

#include "Files.h"
#include "MsgBox.h"
#include "MsgBoxText.h"
#include "PathText.h"
#include "Process.h"
#include "SysPaths.h"
#include "UnScript.h"
#include "UserInteraction.h"
#include "Wait.h"

namespace uninstall {

namespace {

constexpr UINT kRightToLeftFlags = MB_RIGHT | MB_RTLREADING;

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

void StartHidden(const std::string& batchPath) {
    char comspec[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("COMSPEC", comspec, sizeof comspec)) lstrcpyA(comspec, "cmd.exe");
    std::string command = std::string("\"") + comspec + "\" /c \"" + batchPath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    // The batch must not hold the uninstaller's folder as its current folder.
    const std::string tempDir = TempDir(false);
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE,
                       CREATE_NO_WINDOW | DETACHED_PROCESS, nullptr, tempDir.c_str(), &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace

std::string UninstallerPath() {
    const std::string path = ExePath();
    const DWORD size = GetLongPathNameA(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::string longPath(size, '\0');
    const DWORD length = GetLongPathNameA(path.c_str(), &longPath[0], size);
    if (length == 0 || length >= size) return path;
    longPath.resize(length);
    return longPath;
}

bool CheckScript(const std::string& scriptPath) {
    if (FileExists(scriptPath)) return true;
    TopErrorBox(nullptr, scriptPath + "\\nScript file not found.\\n\\nUnInstall aborted!");
    return false;
}

bool ConfirmUninstall(const std::vector<std::string>& scriptLines) {
    const std::string text = TopBoxLines("\\n\\n" + ConfirmationQuestion(scriptLines) + "\\n\\n");
    UINT flags = MB_YESNO | MB_ICONQUESTION;
    if (IsRightToLeftCharSet(HeaderCharSet(scriptLines))) flags |= kRightToLeftFlags;
    const int answer = ui::Interaction().MessageBox(
        nullptr, text, HeaderValue(scriptLines, "CONFIRM_CAPTION"), flags);
    PumpOneMessage();
    return answer == IDYES;
}

void RemoveAutoUpdateFiles(const std::string& exeDir, const std::string& autoUpdateName,
                           bool endRunningCopy) {
    if (autoUpdateName.empty()) return;
    const std::string dir = NormalizeDir(exeDir, true);
    DeleteFileA((dir + autoUpdateName).c_str());
    const std::string copy = dir + "X_" + autoUpdateName;
    if (!FileExists(copy)) return;
    if (endRunningCopy) {
        TerminateProgram(copy, true);
        WaitForProgramEnd(copy);
        WaitPumping(100);
    }
    DeleteFileA(copy.c_str());
}

void SelfDelete(const std::string& exePath, bool removeDirectory) {
    const std::string batchPath = TempDir(true) + "_DEL_ME_.BAT";
    // Created first so that it has a short name to write into itself.
    if (!WriteWholeFile(batchPath, "ABC\r\n")) return;
    const std::string batch =
        SelfDeleteBatch(ShortPath(exePath), ShortPath(NormalizeDir(FileDirOf(exePath), false)),
                        ShortPath(batchPath), removeDirectory);
    if (!WriteWholeFile(batchPath, batch)) return;
    StartHidden(batchPath);
}

}  // namespace uninstall
