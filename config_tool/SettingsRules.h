#pragma once
// What reading, checking and writing do with the settings, without a window: applying one
// reply (or settings-file) line, validating before a write, the command lines of a write, and
// comparing a write's read-back replies with what was sent.
#include <string>
#include <vector>

#include "DeviceSettings.h"

namespace korvan {

// The line as ApplyReplyLine and the read-back see it: cut at the first CR from the third
// character on.
std::string CutAtLineEnd(const std::string& line);

// Applies one reply or settings-file line; lines it does not know are ignored. Values go in
// unclamped: the window's spin edits keep them within their ranges.
void ApplyReplyLine(const std::string& line, DeviceSettings& settings);

// Every failed check's log line, in check order; empty when the settings may be written.
std::vector<std::string> ValidateSettings(const DeviceSettings& settings);

// The command lines of a write, each ending in CR LF, in the order they are added (the
// queue sorts them). `all` adds the lines a write normally leaves out.
std::vector<std::string> BuildCommandLines(const DeviceSettings& settings, bool all);

// The log lines for every value of one read-back reply that differs from the settings.
std::vector<std::string> ReadBackMismatches(const std::string& reply,
                                            const DeviceSettings& settings);

}  // namespace korvan
