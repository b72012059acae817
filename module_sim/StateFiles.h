#pragma once
// What the module holds, made visible as files for tests and people watching: the settings as
// reply lines, and each received page image unpacked into a folder.
#include <string>
#include <vector>

namespace sim {

// Writes the lines, each ending in LF, replacing the file in one step (a reader never sees
// half a file). False with a message on failure.
bool WriteStateFile(const std::string& path, const std::vector<std::string>& lines,
                    std::string& error);

// Writes dir/image.bin (the image as received) and one file per page, named as stored in the
// image. Files written by the previous call with the same list are removed first, so the folder
// shows only the latest image. written receives the new names; problems one line per page
// that could not be read or written.
void UnpackToFolder(const std::string& dir, const std::string& image,
                    std::vector<std::string>& written, std::vector<std::string>& problems);

}  // namespace sim
