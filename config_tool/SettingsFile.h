#pragma once
// Settings files: the module's settings kept as the command lines a write would send.
#include <string>

#include "DeviceSettings.h"
#include "SortedTextList.h"

namespace korvan {

// Writes every setting (a write with `all` set) in queue order, each command line followed by
// an empty line, replacing the file. `queue` is cleared and left holding the lines written.
// False when the file cannot be written.
bool SaveSettingsFile(const std::string& path, const DeviceSettings& settings,
                      SortedTextList& queue);

// Reads the file's lines into `queue` (sorted, duplicates dropped) and applies every
// non-empty one to `settings` as a reply line would be. When the file cannot be read, false,
// and neither `queue` nor `settings` is touched.
bool LoadSettingsFile(const std::string& path, DeviceSettings& settings, SortedTextList& queue);

}  // namespace korvan
