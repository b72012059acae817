#include "FileSystem.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <memory>

namespace voka {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// Windows matches "*.*" against every name, with or without a dot, and ignores case.
bool MatchesMask(const std::string& mask, const char* name) {
    if (mask == "*.*" || mask == "*") return true;
    return fnmatch(mask.c_str(), name, FNM_CASEFOLD) == 0;
}

}  // namespace

char PathSeparator() { return '/'; }

bool ListOrdinaryFiles(const std::string& directory, const std::string& mask,
                       std::vector<std::string>& names) {
    std::string folder = directory.empty() ? "/" : directory;
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) return false;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.') continue;
        if (!MatchesMask(mask, entry->d_name)) continue;
        struct stat info;
        std::string path = directory + PathSeparator() + entry->d_name;
        if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        names.emplace_back(entry->d_name);
    }
    return true;
}

bool IsSameFile(const std::string& first, const std::string& second) {
    struct stat a;
    struct stat b;
    if (stat(first.c_str(), &a) != 0 || stat(second.c_str(), &b) != 0) return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace voka
