#pragma once
// Running programs: starting them (and waiting for them), finding them in the process table and
// ending them. The process-status and tool-help functions are bound by name on first use, so
// the installers start on systems that lack either.
#include <windows.h>

#include <string>
#include <vector>

// How long WaitForProgramEnd waits at most: an uninstaller or a product's own setup started
// with "and wait" may ask the user questions, so the limit is generous.
constexpr DWORD kProgramWaitLimitMs = 30 * 60 * 1000;

// Starts "path" in double quotes with the parameters (quoted as a whole when they hold a blank
// and do not begin with a quote), from the installer's own directory. With wait, returns after
// the started program ended (or after kProgramWaitLimitMs). True when the system started it.
bool RunProgram(const std::string& path, const std::string& params, bool wait, int show);
// RunProgram for the program registered under App Paths for the file name.
bool RunApplication(const std::string& fileName, const std::string& params, bool wait, int show);
// Opens the file with its default verb through the shell; true when the shell started it.
bool ShellOpen(const std::string& file, const std::string& params, int show);
// Whether the access token of the thread (or process) holds the Administrators group.
bool IsAdministrator();

// Whether a process whose executable is exePath (file name exeName) matches the program text:
// equal full paths, equal file names (not when pathOnly) or equal short paths, ignoring case.
bool ProcessMatches(const std::string& program, const std::string& exePath,
                    const std::string& exeName, bool pathOnly);
// Id of the first running process that matches the program text; 0 when none.
DWORD FindProcessByPath(const std::string& program, bool pathOnly);
bool IsProgramRunning(const std::string& program);
// Waits, keeping the windows alive, until no process matches the program any more, or until
// limitMs have passed.
void WaitForProgramEnd(const std::string& program, DWORD limitMs = kProgramWaitLimitMs);
// Ends the matching process with exit code 0; false when none matched or it could not be ended.
bool TerminateProgram(const std::string& program, bool pathOnly);
// The ids of all running processes (process-status interface); empty when it is missing.
std::vector<DWORD> ProcessIdList();
