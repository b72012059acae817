#pragma once
// What the uninstaller does with one entry of its script: the steps for shared, read-only and
// plain files and for forced and plain directories. Each looks at the disk at the moment it
// runs and never throws.
#include <string>
#include <vector>

// How a step ended. A skipped entry (under a protected directory) counts as done but is not
// written to the operation log.
enum class StepResult { Done, Failed, Skipped };

// What the steps of one run need to know besides the entry itself.
struct TEntryRules {
    std::vector<std::string> protectedDirectories;  // DONT_REMOVE_DIR
    std::vector<std::string> toleratedDirectories;  // AVOID_ERR_REMOVE_DIR
    std::vector<std::string> readOnlyFiles;         // REMOVE_READONLY_FILE
    std::vector<std::string> systemDirectories;     // never removed
    std::vector<std::string> guardedDirectories;    // a forced removal stays out of these and above
    std::string exePath;                            // the running uninstaller
    std::string exeDir;                             // its folder, without trailing backslash
    // Shared files whose use count stayed above zero: their plain entries keep them too.
    std::vector<std::string> keptSharedFiles;
};

// The rules of the running program: the system folders, the guarded folders (those and the
// user's profile folder), and its own path and folder. The lists of the script are left empty.
TEntryRules SystemEntryRules(const std::string& exePath);

// The path without one trailing backslash equals a system folder (temporary, fonts, system,
// Windows, program files, common files), ignoring case.
bool IsSystemDir(const TEntryRules& rules, const std::string& path);

StepResult RemoveSharedFileStep(TEntryRules& rules, const std::string& path);
StepResult RemoveReadOnlyFileStep(const TEntryRules& rules, const std::string& path);
StepResult RemoveFileStep(const TEntryRules& rules, const std::string& path);
StepResult RemoveForcedDirStep(const TEntryRules& rules, const std::string& path);
StepResult RemoveDirStep(const TEntryRules& rules, const std::string& path);
