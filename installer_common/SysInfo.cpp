#include "SysInfo.h"

#include <windows.h>

#include <memory>

#include "Utils.h"

namespace {

std::unique_ptr<OsVersionInfo> versionForTest;

OsVersionInfo SystemVersion() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    OsVersionInfo version;
    if (!GetVersionExA(&info)) return version;
    version.platform = info.dwPlatformId;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.servicePack = info.szCSDVersion;
    return version;
}

BOOL CALLBACK StopAtFirstResource(HMODULE, LPCSTR, LPSTR, LONG_PTR found) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

}  // namespace

bool HasManifestResource() {
    static const bool hasManifest = [] {
        bool found = false;
        EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(24), StopAtFirstResource,
                           reinterpret_cast<LONG_PTR>(&found));
        return found;
    }();
    return hasManifest;
}

namespace {

bool UxthemeSaysThemed() {
    HMODULE uxtheme = LoadLibraryA("Uxtheme.dll");
    if (!uxtheme) return false;
    using IsAppThemedFn = BOOL(WINAPI*)();
    auto isAppThemed = reinterpret_cast<IsAppThemedFn>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
    const bool themed = isAppThemed && isAppThemed();
    FreeLibrary(uxtheme);
    return themed;
}

class TokenHandle {
public:
    explicit TokenHandle(HANDLE handle) : handle_(handle) {}
    ~TokenHandle() { CloseHandle(handle_); }
    TokenHandle(const TokenHandle&) = delete;
    TokenHandle& operator=(const TokenHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

bool EnableShutdownPrivilege() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) {
        return false;
    }
    TokenHandle token(raw);
    TOKEN_PRIVILEGES privileges = {};
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        return false;
    }
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    return GetLastError() == ERROR_SUCCESS;
}

}  // namespace

OsVersionInfo CurrentOsVersion() { return versionForTest ? *versionForTest : SystemVersion(); }

void SetOsVersionForTest(const OsVersionInfo* version) {
    versionForTest.reset(version ? new OsVersionInfo(*version) : nullptr);
}

bool IsWin9x() { return CurrentOsVersion().platform == OsVersionInfo::kWin9x; }

bool IsWinNT() { return CurrentOsVersion().platform == OsVersionInfo::kWinNT; }

bool IsWinXP() { return IsWinNT() && VersionText(CurrentOsVersion()) == "5.1"; }

std::string OsShortName() { return OsShortNameFor(CurrentOsVersion()); }

std::string OsDescription() { return OsDescriptionFor(CurrentOsVersion()); }

bool ThemesActive() {
    enum class State { kNotAsked, kComputing, kAnswered };
    static State state = State::kNotAsked;
    static bool active = false;
    // A call made while the answer is being computed (from a message handled meanwhile)
    // sees "not themed" rather than starting a second computation.
    if (state == State::kNotAsked) {
        state = State::kComputing;
        active = HasManifestResource() && IsWinXP() && UxthemeSaysThemed();
        state = State::kAnswered;
    }
    return active;
}

bool DeveloperSwitch() {
    static const bool on = [] {
        char value[20] = {};
        const DWORD length = GetEnvironmentVariableA("DVX", value, sizeof value);
        return length > 0 && length < sizeof value && EqualText(value, "739");
    }();
    return on;
}

void RebootWindows() {
    if (IsWinNT() && !EnableShutdownPrivilege()) return;
    ExitWindowsEx(EWX_REBOOT, 0);
}
