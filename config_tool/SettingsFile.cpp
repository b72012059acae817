#include "SettingsFile.h"

#include "SettingsRules.h"
#include "TextLines.h"

namespace korvan {

bool SaveSettingsFile(const std::string& path, const DeviceSettings& settings,
                      SortedTextList& queue) {
    queue.Clear();
    for (const auto& line : BuildCommandLines(settings, true)) queue.Add(line);
    // The command lines keep their own CR LF and the writer adds one more: the empty line
    // after each entry is what stored files have always held.
    return WriteTextLines(path, queue.Lines());
}

bool LoadSettingsFile(const std::string& path, DeviceSettings& settings, SortedTextList& queue) {
    auto lines = ReadTextLines(path);
    if (!lines) return false;
    queue.Clear();
    for (const auto& line : *lines) queue.Add(line);
    for (const auto& line : queue.Lines()) {
        if (!line.empty()) ApplyReplyLine(line, settings);
    }
    return true;
}

}  // namespace korvan
