#include "UnSteps.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cctype>

#include "Files.h"
#include "Global.h"
#include "PathText.h"
#include "RegOp.h"
#include "SysPaths.h"
#include "UnScript.h"
#include "Utils.h"

namespace {

bool ContainsText(const std::vector<std::string>& list, const std::string& text) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& entry) { return EqualText(entry, text); });
}

std::string ProfileDir() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, path)))
        return "";
    return path;
}

// A drive letter and a backslash, or a network path: the only forms that do not depend on
// the current folder.
bool IsAbsolutePath(const std::string& path) {
    const bool drive = path.size() >= 3 && isalpha(static_cast<unsigned char>(path[0])) &&
                       path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return drive || path.compare(0, 2, "\\\\") == 0;
}

// The absolute form Windows itself would use for an absolute path ("." and ".." resolved);
// "" for a relative path, whose meaning depends on where the program was started.
std::string FullPath(const std::string& path) {
    if (!IsAbsolutePath(path)) return "";
    DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return "";
    std::string full(size, '\0');
    DWORD written = GetFullPathNameA(path.c_str(), size, &full[0], nullptr);
    if (written == 0 || written >= size) return "";
    full.resize(written);
    return full;
}

bool DeleteOneFile(const std::string& path) {
    try {
        return DeleteFileA(path.c_str()) != FALSE || !FileExists(path);
    } catch (...) {
        return false;
    }
}

bool ClearAttributesAndDelete(const std::string& path) {
    try {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    } catch (...) {
        // A file whose attributes cannot be cleared may still be deletable.
    }
    return DeleteOneFile(path);
}

}  // namespace

TEntryRules SystemEntryRules(const std::string& exePath) {
    TEntryRules rules;
    for (const std::string& dir : {TempDir(false), FontsDir(), SystemDir(false), WindowsDir(false),
                                   ProgramFilesDir(), CommonFilesDir()}) {
        if (!dir.empty()) rules.systemDirectories.push_back(dir);
    }
    rules.guardedDirectories = rules.systemDirectories;
    const std::string profile = ProfileDir();
    if (!profile.empty()) rules.guardedDirectories.push_back(profile);
    rules.exePath = exePath;
    rules.exeDir = NormalizeDir(FileDirOf(exePath), false);
    return rules;
}

bool IsSystemDir(const TEntryRules& rules, const std::string& path) {
    return IsAmongSystemDirs(path, rules.systemDirectories);
}

StepResult RemoveSharedFileStep(TEntryRules& rules, const std::string& path) {
    if (!FileExists(path)) return StepResult::Done;
    if (ReleaseSharedDll(path) != 0) {
        // Other products still count on the file; its plain entry must keep it as well.
        rules.keptSharedFiles.push_back(path);
        return StepResult::Done;
    }
    // A file installed shared and read-only would refuse the plain delete.
    const bool deleted = ContainsText(rules.readOnlyFiles, path) ? ClearAttributesAndDelete(path)
                                                                 : DeleteOneFile(path);
    return deleted ? StepResult::Done : StepResult::Failed;
}

StepResult RemoveReadOnlyFileStep(const TEntryRules&, const std::string& path) {
    if (!FileExists(path)) return StepResult::Done;
    return ClearAttributesAndDelete(path) ? StepResult::Done : StepResult::Failed;
}

StepResult RemoveFileStep(const TEntryRules& rules, const std::string& path) {
    if (BeginsWithAny(path, rules.protectedDirectories)) return StepResult::Skipped;
    // The running uninstaller is left to the batch that runs after it.
    if (EqualText(path, rules.exePath)) return StepResult::Done;
    if (ContainsText(rules.keptSharedFiles, path)) return StepResult::Done;
    // Deleting first and asking afterwards saves a look at the disk per file; a missing file
    // (or a folder of that name) still counts as done.
    return DeleteOneFile(path) ? StepResult::Done : StepResult::Failed;
}

StepResult RemoveForcedDirStep(const TEntryRules& rules, const std::string& path) {
    if (IsSystemDir(rules, path)) return StepResult::Done;
    if (EqualText(NormalizeDir(path, false), rules.exeDir)) return StepResult::Done;
    if (!DirectoryExists(path)) return StepResult::Done;
    // A script is a file anybody may have edited: a whole tree is deleted only when it cannot
    // hold a drive, the system folders or the user's profile.
    const std::string full = FullPath(path);
    if (full.empty() || !IsSafeForForcedRemoval(full, rules.guardedDirectories))
        return StepResult::Failed;
    if (EqualText(NormalizeDir(full, false), rules.exeDir)) return StepResult::Done;
    try {
        DeleteTree(full, true);
    } catch (...) {
        // Whatever is left shows in the test below.
    }
    return DirectoryExists(full) ? StepResult::Failed : StepResult::Done;
}

StepResult RemoveDirStep(const TEntryRules& rules, const std::string& path) {
    if (BeginsWithAny(path, rules.protectedDirectories) ||
        AnyBeginsWith(rules.protectedDirectories, path))
        return StepResult::Skipped;
    if (IsSystemDir(rules, path)) return StepResult::Done;
    if (EqualText(NormalizeDir(path, false), rules.exeDir)) return StepResult::Done;
    if (!DirectoryExists(path)) return StepResult::Done;
    try {
        RemoveDirectoryA(path.c_str());
    } catch (...) {
        // Whatever is left shows in the test below.
    }
    if (!DirectoryExists(path)) return StepResult::Done;
    return AnyBeginsWith(rules.toleratedDirectories, path) ? StepResult::Done
                                                           : StepResult::Failed;
}
