#include "Global.h"

#include <functional>

#include "Files.h"
#include "RegIni.h"
#include "SysPaths.h"
#include "Utils.h"

namespace {

std::string applicationFolder;
std::string commonFolder;
std::string auxiliaryFolder;

const char kCurrentVersion[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kShellFolders[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kDynData[] = "HKEY_CURRENT_USER\\Software\\Tarsel_Dyn_Data";

std::string WithSlash(const std::string& dir) { return dir + "\\"; }

// Replaces `macro` (ignoring case) by value(); the value is only asked for when the macro
// occurs, so a lookup is made only for a macro that is used.
void Replace(std::string& text, const char* macro, const std::function<std::string()>& value) {
    if (PosText(macro, text) > 0) text = ReplaceAllText(text, macro, value());
}

void ReplaceRunTimeDir(std::string& text, int number) {
    const std::string macro = "<RunTimeDir_" + std::to_string(number) + ">";
    if (text.find(macro) != std::string::npos) {
        text = ReplaceAllText(text, macro, WithSlash(RunTimeDir(number)));
    }
}

std::string FileInExeDir(const char* name, bool withDir) {
    return withDir ? ExeDir(true) + name : name;
}

}  // namespace

void SetApplicationFolder(const std::string& folder) { applicationFolder = folder; }
void SetCommonFolder(const std::string& folder) { commonFolder = folder; }
void SetAuxiliaryFolder(const std::string& folder) { auxiliaryFolder = folder; }

void SetInstallDirs(const std::string& application, const std::string& common,
                    const std::string& auxiliary) {
    SetApplicationFolder(application);
    SetCommonFolder(common);
    SetAuxiliaryFolder(auxiliary);
}

std::string ApplicationFolder() { return applicationFolder; }
std::string CommonFolder() { return commonFolder; }
std::string AuxiliaryFolder() { return auxiliaryFolder; }

std::string ExpandPathMacros(const std::string& text) {
    std::string result = text;
    for (int number = 1; number <= 3; ++number) ReplaceRunTimeDir(result, number);
    Replace(result, "<Application Folder>", [] { return WithSlash(applicationFolder); });
    Replace(result, "<Common Folder>", [] { return WithSlash(commonFolder); });
    Replace(result, "<Auxiliary Folder>", [] { return WithSlash(auxiliaryFolder); });
    Replace(result, "<Windows Directory>", [] { return WindowsDir(true); });
    Replace(result, "<System Directory>", [] { return SystemDir(true); });
    Replace(result, "<System16 Directory>", [] { return WithSlash(System16Dir()); });
    // A folder named by one of the macros above wins over the default prefix.
    if (result != text) Replace(result, "<InstallDir>", [] { return std::string(); });
    Replace(result, "<AbsoluteDir>", [] { return std::string(); });
    Replace(result, "<InstallDir>", [] { return WithSlash(applicationFolder); });
    Replace(result, "<InstallCommonDir>", [] { return WithSlash(commonFolder); });
    Replace(result, "<InstallAuxDir>", [] { return WithSlash(auxiliaryFolder); });
    Replace(result, "<WinDir>", [] { return WindowsDir(true); });
    Replace(result, "<WinSysDir>", [] { return SystemDir(true); });
    Replace(result, "<WinDisk>", [] { return WithSlash(WindowsDir(false).substr(0, 2)); });
    Replace(result, "<WinSysDisk>", [] { return WithSlash(SystemDir(false).substr(0, 2)); });
    Replace(result, "<WinSys16Dir>", [] { return WithSlash(System16Dir()); });
    Replace(result, "<ProgramFilesDir>", [] { return WithSlash(ProgramFilesDir()); });
    Replace(result, "<CommonFilesDir>", [] { return WithSlash(CommonFilesDir()); });
    Replace(result, "<FontDir>", [] { return WithSlash(FontsDir()); });
    Replace(result, "<SrcDir>", [] { return ExeDir(true); });
    Replace(result, "<OriginDir>", [] { return WithSlash(OriginDir()); });
    Replace(result, "<TempDir>", [] { return TempDir(true); });
    return result == text ? result : CollapseBackslashes(result);
}

std::string System16Dir() {
    const std::string system = SystemDir(false);
    const int at = LastPos("32", system);
    if (at > 0) {
        const std::string without32 = system.substr(0, static_cast<size_t>(at - 1)) +
                                      system.substr(static_cast<size_t>(at + 1));
        if (DirectoryExists(without32)) return without32;
    }
    const std::string windowsSystem = WindowsDir(true) + "System";
    return DirectoryExists(windowsSystem) ? windowsSystem : system;
}

std::string FontsDir() {
    const std::string fonts = RegReadValue(kShellFolders, "Fonts", "");
    return !fonts.empty() && DirectoryExists(fonts) ? fonts : WindowsDir(true) + "Fonts";
}

std::string OriginDir() {
    const std::string origin = RegReadValue(kDynData, "OriginDir", "");
    return origin.empty() ? ExeDir(false) : origin;
}

std::string ProgramFilesDir() { return RegReadValue(kCurrentVersion, "ProgramFilesDir", ""); }

std::string CommonFilesDir() { return RegReadValue(kCurrentVersion, "CommonFilesDir", ""); }

std::string ScriptFileName(bool withDir) { return FileInExeDir("Setup.txt", withDir); }
std::string UninstallFileName(bool withDir) { return FileInExeDir("UnInstall.txt", withDir); }
std::string LogFileName(bool withDir) { return FileInExeDir("Setup.log", withDir); }
