#pragma once
// The driver's commands. Each takes its arguments (after the command name), prints what it
// reads on stdout, and returns the exit code: 0 success, 1 failure (message on stderr),
// 2 wrong use.
#include <string>
#include <vector>

namespace uidriver {

using Arguments = std::vector<std::string>;

int RunCommand(const std::string& command, const Arguments& arguments);
// The usage text listing every command.
std::string Usage();

}  // namespace uidriver
