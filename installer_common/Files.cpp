#include "Files.h"

#include <iostream>
#include <memory>

#include "FileNames.h"
#include "PathText.h"
#include "Utils.h"

namespace {

// Ordinary files, hidden and system ones included; never directories.
const DWORD kFileAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;  // 39

std::unique_ptr<std::vector<SearchDrive>> drivesForTest;

struct Entry {
    std::string name;
    DWORD attributes;
    bool IsDirectory() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
};

// The entries matching `pattern`, without "." and "..", in the file system's order. The list
// is taken whole before anyone acts on it, so renaming or creating files cannot feed it.
std::vector<Entry> ListEntries(const std::string& pattern) {
    std::vector<Entry> entries;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") entries.push_back({name, found.dwFileAttributes});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

std::vector<std::string> FileNames(const std::string& mask) {
    std::vector<std::string> names;
    for (const Entry& entry : ListEntries(mask)) {
        if (!entry.IsDirectory()) names.push_back(entry.name);
    }
    return names;
}

std::vector<std::string> SubdirectoryNames(const std::string& directory) {
    std::vector<std::string> names;
    for (const Entry& entry : ListEntries(NormalizeDir(directory, true) + "*.*")) {
        if (entry.IsDirectory() && !entry.IsLink()) names.push_back(entry.name);
    }
    return names;
}

// The directory part of a path with its trailing backslash: what a file name is appended to.
std::string FolderPrefix(const std::string& path) {
    const std::string::size_type at = path.find_last_of("\\:");
    return at == std::string::npos ? "" : path.substr(0, at + 1);
}

std::string Child(const std::string& directory, const std::string& name) {
    return NormalizeDir(directory, true) + name;
}

bool Cancelled(const SearchProgress& keepGoing, const std::string& directory) {
    return keepGoing && !keepGoing(directory);
}

// Depth first with an explicit "found" or "stopped" state, so that a stop unwinds at once.
struct SearchState {
    const SearchProgress& keepGoing;
    bool stopped = false;
};

std::string FileBelow(const std::string& directory, const std::string& name, SearchState& state) {
    if (Cancelled(state.keepGoing, directory)) {
        state.stopped = true;
        return "";
    }
    const std::string candidate = Child(directory, name);
    if (FileExists(candidate)) return candidate;
    for (const std::string& sub : SubdirectoryNames(directory)) {
        std::string hit = FileBelow(Child(directory, sub), name, state);
        if (!hit.empty() || state.stopped) return hit;
    }
    return "";
}

std::string DirBelow(const std::string& directory, const std::string& name, SearchState& state) {
    if (Cancelled(state.keepGoing, directory)) {
        state.stopped = true;
        return "";
    }
    if (EndsWithText(directory, name)) return directory;
    for (const std::string& sub : SubdirectoryNames(directory)) {
        std::string hit = DirBelow(Child(directory, sub), name, state);
        if (!hit.empty() || state.stopped) return hit;
    }
    return "";
}

template <typename Search>
std::string SearchDrivesOfType(UINT driveType, Search search) {
    for (const SearchDrive& drive : SearchDrives()) {
        if (drive.second != driveType) continue;
        std::string hit;
        if (search(drive.first, hit)) return hit;
    }
    return "";
}

bool HasWildcard(const std::string& path) { return path.find('*') != std::string::npos; }

}  // namespace

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& path) {
    const std::string dir = NormalizeDir(path, false);
    if (dir.empty()) return false;
    if (DirectoryExists(dir)) return true;
    const std::string parent = FileDirOf(dir);
    if (!parent.empty() && parent != dir) ForceDirectories(parent);
    CreateDirectoryA(dir.c_str(), nullptr);
    return DirectoryExists(dir);
}

bool AppendToFile(const std::string& file, const std::string& text, std::uint64_t fileTime) {
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool complete = SetFilePointer(handle, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written,
                              nullptr) &&
                    written == text.size();
    if (fileTime != 0) {
        FILETIME stamp;
        stamp.dwLowDateTime = static_cast<DWORD>(fileTime & 0xFFFFFFFFu);
        stamp.dwHighDateTime = static_cast<DWORD>(fileTime >> 32);
        SetFileTime(handle, &stamp, &stamp, &stamp);
    }
    CloseHandle(handle);
    return complete;
}

double DiskFreeBytes(const std::string& path) {
    std::string root;
    if (!path.empty()) root = std::string(1, UpperText(path.substr(0, 1))[0]) + ":\\";
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.empty() ? nullptr : root.c_str(), &sectorsPerCluster,
                           &bytesPerSector, &freeClusters, &totalClusters)) {
        return -1;
    }
    return static_cast<double>(sectorsPerCluster) * bytesPerSector * freeClusters;
}

std::string FindFileBelow(const std::string& directory, const std::string& name,
                          const SearchProgress& keepGoing) {
    if (name.empty()) return "";
    SearchState state{keepGoing};
    return FileBelow(directory, name, state);
}

std::string FindDirBelow(const std::string& directory, const std::string& name,
                         const SearchProgress& keepGoing) {
    if (name.empty()) return "";
    SearchState state{keepGoing};
    return DirBelow(directory, name, state);
}

std::string FindFileOnDrives(const std::string& name, UINT driveType,
                             const SearchProgress& keepGoing) {
    if (name.empty()) return "";
    SearchState state{keepGoing};
    return SearchDrivesOfType(driveType, [&](const std::string& root, std::string& hit) {
        hit = FileBelow(root, name, state);
        return !hit.empty() || state.stopped;
    });
}

std::string FindDirOnDrives(const std::string& name, UINT driveType,
                            const SearchProgress& keepGoing) {
    if (name.empty()) return "";
    SearchState state{keepGoing};
    return SearchDrivesOfType(driveType, [&](const std::string& root, std::string& hit) {
        hit = DirBelow(root, name, state);
        return !hit.empty() || state.stopped;
    });
}

std::vector<SearchDrive> SearchDrives() {
    if (drivesForTest) return *drivesForTest;
    std::vector<SearchDrive> drives;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        drives.emplace_back(root, GetDriveTypeA(root.c_str()));
    }
    return drives;
}

void SetSearchDrivesForTest(const std::vector<SearchDrive>* drives) {
    drivesForTest.reset(drives ? new std::vector<SearchDrive>(*drives) : nullptr);
}

void DeleteFiles(const std::string& mask, bool clearAttributes) {
    const std::string folder = FolderPrefix(mask);
    for (const std::string& name : FileNames(mask)) {
        const std::string path = folder + name;
        if (clearAttributes) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

void DeleteTree(const std::string& directory, bool clearAttributes) {
    if (IsRootOrEmptyDir(directory)) return;
    DeleteFiles(Child(directory, "*.*"), clearAttributes);
    for (const Entry& entry : ListEntries(Child(directory, "*.*"))) {
        const std::string path = Child(directory, entry.name);
        if (clearAttributes) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!entry.IsLink()) DeleteTree(path, clearAttributes);
        RemoveDirectoryA(path.c_str());
    }
    RemoveDirectoryA(directory.c_str());
}

void CopyTree(const std::string& source, const std::string& target) {
    const std::string from = NormalizeDir(source, false);
    const std::string to = NormalizeDir(target, false);
    if (EqualText(from, to) || !DirectoryExists(from)) return;
    // Copying a tree into itself would copy its own copy again, level after level.
    if (PosText(NormalizeDir(from, true), to) == 1) return;
    if (!ForceDirectories(to)) return;
    for (const std::string& name : FileNames(Child(from, "*.*"))) {
        CopyFileA(Child(from, name).c_str(), Child(to, name).c_str(), FALSE);
    }
    for (const std::string& name : SubdirectoryNames(from)) {
        CopyTree(Child(from, name), Child(to, name));
    }
}

int CopyFiles(const std::string& mask, const std::string& target, bool createDirs) {
    if (!HasWildcard(mask) && !HasWildcard(target)) {
        return CopyFileA(mask.c_str(), target.c_str(), FALSE) ? 1 : 0;
    }
    const std::string pattern = DirectoryExists(target) ? NormalizeDir(target, true) : target;
    const std::string sourceFolder = FolderPrefix(mask);
    const std::string targetFolder = FolderPrefix(pattern);
    if (createDirs && !targetFolder.empty()) ForceDirectories(targetFolder);
    if (!targetFolder.empty() && !DirectoryExists(NormalizeDir(targetFolder, false))) return 0;
    int copied = 0;
    for (const std::string& name : FileNames(mask)) {
        const std::string to = targetFolder + TargetNameFor(name, pattern);
        if (CopyFileA((sourceFolder + name).c_str(), to.c_str(), FALSE)) ++copied;
    }
    return copied;
}

int RenameFiles(const std::string& mask, const std::string& target) {
    if (!HasWildcard(mask) && !HasWildcard(target)) {
        return MoveFileA(mask.c_str(), target.c_str()) ? 1 : 0;
    }
    const std::string pattern = DirectoryExists(target) ? NormalizeDir(target, true) : target;
    const std::string folder = FolderPrefix(mask);
    int renamed = 0;
    for (const std::string& name : FileNames(mask)) {
        const std::string to = folder + TargetNameFor(name, pattern);
        if (MoveFileA((folder + name).c_str(), to.c_str())) ++renamed;
    }
    return renamed;
}

bool RenameDir(const std::string& source, const std::string& target) {
    if (!DirectoryExists(source)) return false;
    std::string parent = FileDirOf(target);
    if (parent.empty()) parent = FileDirOf(NormalizeDir(source, false));
    const std::string name = FileNameOf(target);
    if (!DirectoryExists(parent) || name.empty()) return false;
    const std::string destination = Child(parent, name);
    std::cout << ">" << source << "<    >" << destination << "<" << std::endl;
    return MoveFileA(source.c_str(), destination.c_str()) != FALSE;
}
