#pragma once
// Plain 8-bit text files as lines: settings files, web-page file lists, the MAC file.
#include <optional>
#include <string>
#include <vector>

namespace korvan {

// The file's lines without their line ends (CR LF, LF or CR); a final line end starts no
// line. Nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Writes each line followed by CR LF, replacing the file; false when it cannot be written.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

bool FileExists(const std::string& path);

}  // namespace korvan
