#include "Exec.h"

#include <windows.h>

#include "ExecCompare.h"
#include "ExecOp.h"
#include "Files.h"
#include "MsgBox.h"
#include "Process.h"
#include "RegOp.h"
#include "RegSvr.h"
#include "Services.h"
#include "SysInfo.h"
#include "Utils.h"
#include "VerInfo.h"
#include "VerText.h"

namespace {

std::string setupType = "Typical";
std::string groupNames;

constexpr int kVersionWidth = 5;

bool CompareVersion(const std::string& file, const std::string& relation,
                    const std::string& version) {
    return CompareText(FileVersionText(file, kVersionWidth), relation,
                       PadVersion(version, kVersionWidth));
}

bool CompareRegistryValue(const std::string& p1, const std::string& relation,
                          const std::string& value) {
    size_t slash = p1.rfind('\\');
    if (slash == std::string::npos) return false;
    bool isInteger = false;
    std::string stored = ReadRegValueText(p1.substr(0, slash), p1.substr(slash + 1), isInteger);
    return CompareRegistryText(stored, isInteger, relation, value);
}

std::string EnvironmentValue(const std::string& name) {
    char buffer[4096];
    DWORD length = GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : "";
}

long long MemoryMegabytes() {
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return static_cast<long long>(status.dwTotalPhys >> 20);
}

int ScreenColorDepth() {
    HDC screen = GetDC(nullptr);
    int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return depth;
}

bool CopyExecution(const std::string& mask, const std::string& target, bool move) {
    bool copied = CopyFiles(mask, target, true) > 0;
    if (copied && move) DeleteFiles(mask, false);
    return copied;
}

bool DeleteApplicationExecutable(const std::string& fileName) {
    std::string path = AppPathOf(fileName);
    return !path.empty() && FileExists(path) && DeleteFileA(path.c_str());
}

bool RemoveApplicationDirectory(const std::string& fileName) {
    std::string directory = AppDirOf(fileName);
    if (directory.empty() || !DirectoryExists(directory)) return false;
    DeleteTree(directory, false);
    return !DirectoryExists(directory);
}

bool UninstallApplication(const std::string& displayName) {
    std::string uninstaller = UninstallStringOf(displayName, "");
    return !uninstaller.empty() && FileExists(uninstaller) &&
           RunProgram(uninstaller, "", true, SW_SHOW);
}

}  // namespace

void SetSetupType(const std::string& type) { setupType = type; }
void SetGroupNames(const std::string& names) { groupNames = names; }
const std::string& StoredSetupType() { return setupType; }
const std::string& StoredGroupNames() { return groupNames; }

bool EvaluateConditionRow(int code, const std::string& p1, const std::string& relation,
                          const std::string& value) {
    switch (code) {
        case 11: return FileExists(p1);
        case 12: return DirectoryExists(p1);
        case 13: return !p1.empty() && DirectoryExists(std::string(1, p1[0]) + ":\\");
        case 21: return !AppPathOf(p1).empty();
        case 22: return !AppDirOf(p1).empty();
        case 23:
        case 34: return CompareVersion(p1, relation, value);
        case 31: return IsProgramRunning(p1);
        case 32: return NtServiceRunning(p1);
        case 33: return OsInList(OsShortName(), p1);
        case 41: return RegKeyExists(p1);
        case 42: return CompareRegistryValue(p1, relation, value);
        case 43: return CompareText(EnvironmentValue(p1), relation, value);
        case 51: return CompareNumber(MemoryMegabytes(), relation, NumberOf(value));
        case 52: return CompareNumber(CpuSpeedMHz(), relation, NumberOf(value));
        case 53:
            return CompareScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                 relation, value);
        case 54: return CompareColorDepth(ScreenColorDepth(), relation, value);
        case 61: return ConfirmYesNo(p1);
        case 62: return ConfirmOkCancel(p1);
        case 63: return CompareSetupType(setupType, relation, value);
        case 64: return GroupSelected(groupNames, p1);
        default: return false;
    }
}

bool PerformExecutionRow(int code, const std::string& p1, const std::string& p2, bool& abort) {
    switch (code) {
        case 11: DeleteFiles(p1, false); return true;
        case 12: return CopyExecution(p1, p2, false);
        case 13: return CopyExecution(p1, p2, true);
        case 14: return RenameFiles(p1, p2) > 0;
        case 21: return RemoveDirectoryA(p1.c_str()) != FALSE;
        case 22: DeleteTree(p1, false); return true;
        case 23: return SetCurrentDirectoryA(p1.c_str()) != FALSE;
        case 24: CopyTree(p1, p2); return true;
        case 25: RenameDir(p1, p2); return true;
        case 31: return DeleteApplicationExecutable(p1);
        case 32: return RemoveApplicationDirectory(p1);
        case 33: return UninstallApplication(p1);
        case 34: return RunApplication(p1, p2, false, SW_SHOW);
        case 35: return RunApplication(p1, p2, true, SW_SHOW);
        case 41: return RunProgram(p1, p2, false, SW_SHOW);
        case 42: return RunProgram(p1, p2, true, SW_SHOW);
        case 43: return ShellOpen(p1, p2, SW_SHOW);
        case 44: return ShellOpen(p1, p2, SW_HIDE);
        case 51: return StartNtService(p1, true);
        case 52: return StopNtService(p1, true);
        case 53: return WriteRegValue(p1, "", "", "String");
        case 54: return DeleteRegKey(p1);
        case 55: return RegisterServer(p1, true);
        case 56: return RegisterServer(p1, false);
        case 60: return AppendToFile(p1, ExpandAppendEscapes(p2), 0);
        case 61: AttentionBox(p1); return true;
        case 62: abort = true; return true;
        default: return true;
    }
}
