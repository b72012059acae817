#pragma once
// Path macros and the directories they stand for: the three installation directories that the
// wizard sets, Windows' special folders, and the names of the installer's own files. The
// file-flag tests and InstalledFileName live in FileNames.h, the run-time directories in
// RunTimeDir.h.
#include <string>

#include "FileNames.h"
#include "RunTimeDir.h"

// The installation directories, stored as given (normally without a trailing backslash) and
// empty until set.
void SetApplicationFolder(const std::string& folder);
void SetCommonFolder(const std::string& folder);
void SetAuxiliaryFolder(const std::string& folder);
void SetInstallDirs(const std::string& application, const std::string& common,
                    const std::string& auxiliary);
std::string ApplicationFolder();
std::string CommonFolder();
std::string AuxiliaryFolder();

// Replaces every path macro ("<Application Folder>", "<WinSysDir>", "<RunTimeDir_1>", ...,
// ignoring case) by its directory; when anything was replaced, runs of backslashes are then
// collapsed. "<InstallDir>" is a default prefix that a folder macro of its own overrides, and
// "<AbsoluteDir>" disappears. "<RunTimeDir_n>" is looked up only when written exactly so.
// A text without macros comes back unchanged.
std::string ExpandPathMacros(const std::string& text);

// Directories without a trailing backslash.
std::string System16Dir();
std::string FontsDir();
// The folder the package came from (HKCU\Software\Tarsel_Dyn_Data, value OriginDir), else
// the program's own folder.
std::string OriginDir();
std::string ProgramFilesDir();   // "" when Windows does not say
std::string CommonFilesDir();    // "" when Windows does not say

// "Setup.txt", "UnInstall.txt", "Setup.log"; with `withDir` in the program's folder.
std::string ScriptFileName(bool withDir);
std::string UninstallFileName(bool withDir);
std::string LogFileName(bool withDir);
