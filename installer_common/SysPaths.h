#pragma once
// Where the program and Windows are, and what the command line says. Every directory comes
// normalised (PathText.h NormalizeDir): with `withSlash` it ends in exactly one backslash,
// without it in none (unless it is two characters or shorter).
#include <string>

#include "PathText.h"

// Full path of the running program.
std::string ExePath();
// The program's folder: the source folder of an installation.
std::string ExeDir(bool withSlash);
std::string WindowsDir(bool withSlash);
std::string SystemDir(bool withSlash);
std::string TempDir(bool withSlash);

// The process's command line without the program path and surrounding quotes.
std::string CommandTail();
// The value of a switch on the command line ("" when absent, "TRUE" when bare); see
// SwitchValueIn in PathText.h.
std::string SwitchValue(const std::string& switchText);
