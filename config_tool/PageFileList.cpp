#include "PageFileList.h"

#include "TextLines.h"

namespace korvan {

bool LoadPageListFile(const std::string& path, ui::SortedStringList& list) {
    auto lines = ReadTextLines(path);
    if (!lines) return false;
    list.Clear();
    for (const auto& line : *lines) {
        if (!line.empty()) list.Add(line);
    }
    return true;
}

bool RemovePagePath(ui::SortedStringList& list, const std::string& path) {
    for (size_t i = 0; i < list.Count(); ++i) {
        if (list[i] == path) return list.Delete(i);
    }
    return false;
}

}  // namespace korvan
