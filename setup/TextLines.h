#pragma once
// Line splitting shared by the readers of scripts and language texts.
#include <string>
#include <vector>

// Splits text at CR LF, LF or a lone CR. A final line break does not start another line;
// "" gives no lines.
std::vector<std::string> SplitLines(const std::string& text);
