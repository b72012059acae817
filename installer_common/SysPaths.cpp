#include "SysPaths.h"

#include <windows.h>

#include <vector>

std::string ExePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExeDir(bool withSlash) { return NormalizeDir(FileDirOf(ExePath()), withSlash); }

std::string WindowsDir(bool withSlash) {
    char buffer[256] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return NormalizeDir(length < sizeof buffer ? buffer : "", withSlash);
}

std::string SystemDir(bool withSlash) {
    char buffer[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
    return NormalizeDir(length < sizeof buffer ? buffer : "", withSlash);
}

std::string TempDir(bool withSlash) {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    return NormalizeDir(length < sizeof buffer ? buffer : "", withSlash);
}

std::string CommandTail() { return CommandTailOf(GetCommandLineA(), ExePath()); }

std::string SwitchValue(const std::string& switchText) {
    return SwitchValueIn(CommandTail(), switchText);
}
