#pragma once
// The uninstall script as the uninstaller reads it, and the rules that decide what one entry
// may touch: pure text work, no windows.h, so the host tree tests it with sanitizers.
// UnMain (the window) does the removals; these functions only parse, order and decide.
#include <functional>
#include <string>
#include <vector>

// Value of the first line whose part before the first "=" equals `name` ignoring case (not
// trimmed); "" when no line matches.
std::string HeaderValue(const std::vector<std::string>& lines, const std::string& name);

// CHAR_SET as a number; 0 when missing or not a decimal number.
int HeaderCharSet(const std::vector<std::string>& lines);

// Hebrew and Arabic character sets switch the windows and boxes to right-to-left.
bool IsRightToLeftCharSet(int charSet);

// The seventeen command lists of one script, in file order, and the library name.
struct TUninstallCommands {
    std::string libraryName;  // the last SET_EXECUTION_DLL_NAME wins
    std::vector<std::string> sharedFiles;
    std::vector<std::string> readOnlyFiles;
    std::vector<std::string> files;
    std::vector<std::string> serviceFiles;
    std::vector<std::string> directories;
    std::vector<std::string> forcedDirectories;
    std::vector<std::string> protectedDirectories;
    std::vector<std::string> toleratedDirectories;
    std::vector<std::string> folders;
    std::vector<std::string> forcedFolders;
    std::vector<std::string> registryKeys;
    std::vector<std::string> registryItems;
    std::vector<std::string> iniItems;
    std::vector<std::string> environmentItems;
    std::vector<std::string> associationItems;
    std::vector<std::string> openWithItems;
    std::vector<std::string> executeItems;
};

// Reads every command line of `lines` into its list. `onLibrary` is called with the library
// name at each SET_EXECUTION_DLL_NAME line (the window loads the library's entry lists then);
// it may be empty. Directories that are also forced directories (ignoring case) are dropped
// from the plain directory list, so each is removed once.
TUninstallCommands ParseCommands(const std::vector<std::string>& lines,
                                 const std::function<void(const std::string&)>& onLibrary);

// Case-insensitive text order of the platform: negative, zero or positive like strcmp.
using TextOrder = std::function<int(const std::string&, const std::string&)>;
// ASCII letters folded to upper case, then byte order: the order used where the platform's
// own comparison is not available.
int AsciiTextOrder(const std::string& a, const std::string& b);

// Sorts `list` so that visiting it from the last entry to the first handles longer entries
// first, and among entries of equal length the reverse of `order`: every entry is keyed by
// its length padded with zeros to four digits followed by the entry itself.
void SortForLongestFirst(std::vector<std::string>& list, const TextOrder& order);

// `path` begins with `prefix`, ignoring case (a textual test: "C:\Ap" begins "C:\App").
bool BeginsWithText(const std::string& path, const std::string& prefix);

// True when `path` begins with one of `directories` (the file and directory steps skip
// entries under a protected directory).
bool BeginsWithAny(const std::string& path, const std::vector<std::string>& directories);

// True when one of `directories` begins with `path`: the directory is, or lies above, one of
// them.
bool AnyBeginsWith(const std::vector<std::string>& directories, const std::string& path);

// `path` without one trailing backslash equals one of `systemDirectories` ignoring case.
bool IsAmongSystemDirs(const std::string& path, const std::vector<std::string>& systemDirectories);

// A forced removal deletes a whole tree, so it must never reach what the installation cannot
// own: a drive or share root, one of `guardedDirectories` (the system directories and the
// user's profile folder), or a directory above one of them. `fullPath` is an absolute path
// already resolved by the platform (no "." or ".." parts); "/" counts as "\".
bool IsSafeForForcedRemoval(const std::string& fullPath,
                            const std::vector<std::string>& guardedDirectories);

// Failure counters of one run.
struct TUninstallFailures {
    int files = 0;
    int directories = 0;
    int registry = 0;
    int ini = 0;
    int associations = 0;
    int executions = 0;
};

// The closing report with "\n" escapes; "" when nothing failed.
std::string ClosingReport(const TUninstallFailures& failures);

// The self-removal batch: retries deleting the uninstaller until it has ended, then removes
// its directory (when asked, and only if empty) and the batch itself. Paths are short (8.3)
// forms. Lines end in CR LF.
std::string SelfDeleteBatch(const std::string& uninstallerPath, const std::string& directoryPath,
                            const std::string& batchPath, bool removeDirectory);

// Lines of the operation log: a phase title, and one entry ("*" marks a failed one).
std::vector<std::string> PhaseLogLines(const std::string& title);
std::string EntryLogLine(const std::string& entry, bool failed);

// The uninstall script of an uninstaller: its path with the extension replaced by ".txt".
std::string ScriptPathFor(const std::string& exePath);

// The confirmation question: CONFIRM_TEXT, then the product name in quotes and " ?".
std::string ConfirmationQuestion(const std::vector<std::string>& lines);

// The lines of the script file (CR LF, LF or CR between them); none when it cannot be read.
std::vector<std::string> LoadScriptLines(const std::string& path);
