#include "PageFileList.h"

#include "TextLines.h"

namespace korvan {

PagePathParts SplitPagePath(const std::string& path) {
    size_t cut = path.find_last_of("\\/:");
    if (cut == std::string::npos) return {path, ""};
    return {path.substr(cut + 1), path.substr(0, cut + 1)};
}

bool LoadPageListFile(const std::string& path, SortedTextList& list) {
    auto lines = ReadTextLines(path);
    if (!lines) return false;
    list.Clear();
    for (const auto& line : *lines) {
        if (!line.empty()) list.Add(line);
    }
    return true;
}

bool SavePageListFile(const std::string& path, const SortedTextList& list) {
    return WriteTextLines(path, list.Lines());
}

}  // namespace korvan
