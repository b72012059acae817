#include "Process.h"

#include <tlhelp32.h>

#include "RegOp.h"
#include "UserInteraction.h"
#include "SysInfo.h"
#include "SysPaths.h"
#include "Utils.h"
#include "Wait.h"

namespace {

// The process-status functions of PSAPI.dll, bound once by name.
struct PsapiFunctions {
    using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
    using EnumModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
    using ModuleTextFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
    EnumProcessesFn enumProcesses = nullptr;
    EnumModulesFn enumModules = nullptr;
    ModuleTextFn moduleFileName = nullptr;
    ModuleTextFn moduleBaseName = nullptr;
    bool Complete() const {
        return enumProcesses && enumModules && moduleFileName && moduleBaseName;
    }
};

// The tool-help functions of kernel32.dll, bound once by name.
struct ToolHelpFunctions {
    using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using WalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
    SnapshotFn snapshot = nullptr;
    WalkFn first = nullptr;
    WalkFn next = nullptr;
    bool Complete() const { return snapshot && first && next; }
};

template <typename Fn>
Fn Bind(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                   : nullptr;
}

const PsapiFunctions& Psapi() {
    static const PsapiFunctions functions = [] {
        PsapiFunctions f;
        HMODULE library = LoadLibraryA("PSAPI.dll");
        f.enumProcesses = Bind<PsapiFunctions::EnumProcessesFn>(library, "EnumProcesses");
        f.enumModules = Bind<PsapiFunctions::EnumModulesFn>(library, "EnumProcessModules");
        f.moduleFileName = Bind<PsapiFunctions::ModuleTextFn>(library, "GetModuleFileNameExA");
        f.moduleBaseName = Bind<PsapiFunctions::ModuleTextFn>(library, "GetModuleBaseNameA");
        return f;
    }();
    return functions;
}

const ToolHelpFunctions& ToolHelp() {
    static const ToolHelpFunctions functions = [] {
        ToolHelpFunctions f;
        HMODULE library = GetModuleHandleA("kernel32.dll");
        f.snapshot = Bind<ToolHelpFunctions::SnapshotFn>(library, "CreateToolhelp32Snapshot");
        f.first = Bind<ToolHelpFunctions::WalkFn>(library, "Process32First");
        f.next = Bind<ToolHelpFunctions::WalkFn>(library, "Process32Next");
        return f;
    }();
    return functions;
}

class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedHandle() {
        if (handle_ && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

DWORD PsapiSearch(const std::string& program, bool pathOnly) {
    const PsapiFunctions& psapi = Psapi();
    if (!psapi.Complete()) return 0;
    for (DWORD id : ProcessIdList()) {
        ScopedHandle process(
            OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
        if (!process.Valid()) continue;
        HMODULE module = nullptr;
        DWORD needed = 0;
        if (!psapi.enumModules(process.Get(), &module, sizeof module, &needed)) continue;
        char path[256] = {};
        char name[256] = {};
        psapi.moduleFileName(process.Get(), module, path, sizeof path);
        psapi.moduleBaseName(process.Get(), module, name, sizeof name);
        if (ProcessMatches(program, path, name, pathOnly)) return id;
    }
    return 0;
}

DWORD ToolHelpSearch(const std::string& program, bool pathOnly) {
    const ToolHelpFunctions& toolHelp = ToolHelp();
    if (!toolHelp.Complete()) return 0;
    ScopedHandle snapshot(toolHelp.snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid()) return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = toolHelp.first(snapshot.Get(), &entry); more;
         more = toolHelp.next(snapshot.Get(), &entry)) {
        std::string exe = entry.szExeFile;
        if (ProcessMatches(program, exe, FileNameOf(exe), pathOnly)) return entry.th32ProcessID;
    }
    return 0;
}

bool Contains(const std::vector<DWORD>& ids, DWORD id) {
    for (DWORD each : ids)
        if (each == id) return true;
    return false;
}

bool LimitPassed(DWORD start, DWORD limitMs) { return GetTickCount() - start >= limitMs; }

// Waits for the process to end, keeping the windows alive, for at most limitMs.
void WaitForProcess(HANDLE process, DWORD limitMs) {
    DWORD start = GetTickCount();
    while (!LimitPassed(start, limitMs)) {
        DWORD left = limitMs - (GetTickCount() - start);
        if (MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT) != WAIT_OBJECT_0 + 1)
            return;
        ProcessMessages();
    }
}

// Starts the command line with the show command. The wait holds on to the started process
// itself: a search of the process list right after the start can miss a program that is
// still loading, and the wait would then end at once.
bool StartCommand(std::string command, int show, bool wait) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    if (wait) WaitForProcess(process.hProcess, kProgramWaitLimitMs);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

bool ProcessMatches(const std::string& program, const std::string& exePath,
                    const std::string& exeName, bool pathOnly) {
    if (program.empty()) return false;
    if (EqualText(exePath, program)) return true;
    if (!pathOnly && EqualText(exeName, program)) return true;
    std::string shortExe = ShortPath(exePath);
    return !shortExe.empty() && EqualText(shortExe, ShortPath(program));
}

std::vector<DWORD> ProcessIdList() {
    std::vector<DWORD> ids;
    const PsapiFunctions& psapi = Psapi();
    if (!psapi.enumProcesses) return ids;
    for (DWORD bytes = 1024;; bytes += 1024) {
        ids.assign(bytes / sizeof(DWORD), 0);
        DWORD filled = 0;
        if (!psapi.enumProcesses(ids.data(), bytes, &filled)) return {};
        if (filled < bytes) {
            ids.resize(filled / sizeof(DWORD));
            return ids;
        }
    }
}

DWORD FindProcessByPath(const std::string& program, bool pathOnly) {
    return IsWinNT() ? PsapiSearch(program, pathOnly) : ToolHelpSearch(program, pathOnly);
}

bool IsProgramRunning(const std::string& program) { return FindProcessByPath(program, false) != 0; }

void WaitForProgramEnd(const std::string& program, DWORD limitMs) {
    DWORD start = GetTickCount();
    if (IsWinNT()) {
        DWORD id = PsapiSearch(program, false);
        if (id == 0) return;
        do {
            WaitPumping(1000);
        } while (Contains(ProcessIdList(), id) && !LimitPassed(start, limitMs));
        return;
    }
    do {
        WaitPumping(1000);
    } while (ToolHelpSearch(program, false) != 0 && !LimitPassed(start, limitMs));
}

bool TerminateProgram(const std::string& program, bool pathOnly) {
    DWORD id = FindProcessByPath(program, pathOnly);
    if (id == 0) return false;
    ScopedHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    return process.Valid() && TerminateProcess(process.Get(), 0);
}

bool RunProgram(const std::string& path, const std::string& params, bool wait, int show) {
    char previous[MAX_PATH] = {};
    DWORD previousLength = GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(ExeDir(false).c_str());

    std::string command = "\"" + path + "\"";
    if (!params.empty()) {
        bool quoteWhole = params.find(' ') != std::string::npos && params[0] != '"';
        command += " " + (quoteWhole ? "\"" + params + "\"" : params);
    }
    bool started = StartCommand(command, show, wait);

    if (previousLength > 0 && previousLength < MAX_PATH) SetCurrentDirectoryA(previous);
    return started;
}

bool RunApplication(const std::string& fileName, const std::string& params, bool wait, int show) {
    return RunProgram(AppPathOf(fileName), params, wait, show);
}

bool ShellOpen(const std::string& file, const std::string& params, int show) {
    return ui::Interaction().ShellOpen(GetDesktopWindow(), "", file, params, "", show);
}

bool IsAdministrator() {
    HANDLE token = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token) &&
        !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    alignas(TOKEN_GROUPS) BYTE buffer[1024] = {};
    DWORD size = 0;
    BOOL read = GetTokenInformation(token, TokenGroups, buffer, sizeof buffer, &size);
    CloseHandle(token);
    if (!read) return false;

    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
        return false;
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer);
    bool found = false;
    for (DWORD i = 0; i < groups->GroupCount && !found; ++i)
        found = EqualSid(groups->Groups[i].Sid, administrators) != FALSE;
    FreeSid(administrators);
    return found;
}
