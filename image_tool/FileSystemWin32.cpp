#include "FileSystem.h"

#include <windows.h>

namespace voka {

namespace {

constexpr DWORD kSkippedAttributes =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

class FileHandle {
public:
    explicit FileHandle(const std::string& path)
        : handle_(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Identify(BY_HANDLE_FILE_INFORMATION& info) const {
        return handle_ != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle_, &info);
    }

private:
    HANDLE handle_;
};

}  // namespace

char PathSeparator() { return '\\'; }

bool ListOrdinaryFiles(const std::string& directory, const std::string& mask,
                       std::vector<std::string>& names) {
    std::string pattern = directory + PathSeparator() + mask;
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA(pattern.c_str(), &found));
    if (find.Get() == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if ((found.dwFileAttributes & kSkippedAttributes) == 0) names.emplace_back(found.cFileName);
    } while (FindNextFileA(find.Get(), &found));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

bool IsSameFile(const std::string& first, const std::string& second) {
    BY_HANDLE_FILE_INFORMATION a;
    BY_HANDLE_FILE_INFORMATION b;
    if (!FileHandle(first).Identify(a) || !FileHandle(second).Identify(b)) return false;
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace voka
