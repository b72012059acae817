#pragma once
// Run-time directories: folders of other, already installed software that a setup script
// names as <RunTimeDir_1> to <RunTimeDir_3>. Each is found once per run from its
// specification (a "|" list of 18 fields: App Paths lookup, registry value, disk searches for
// a file or a directory, a default, and what to do when nothing is found) and then cached.
#include <string>

#include "Files.h"

// Stores the setting that describes run-time directory `number` (1 to 3; others are ignored).
void SetRunTimeDirSpec(int number, const std::string& spec);
// The run-time directory `number`, computed on the first call and cached, also when empty.
// "" for a number outside 1 to 3. A failed lookup may show an error box and set the stop
// flag, as its specification asks.
std::string RunTimeDir(int number);
// True once a failed lookup asked to stop the installation; it never goes back to false.
bool InstallStopped();
// Called once per directory visited by the disk searches of the lookup (for example to keep
// windows responsive or to let the user cancel); null for none.
void SetRunTimeSearchProgress(const SearchProgress& progress);
// Forgets specifications, cached directories and the stop flag: a fresh run, for tests.
void ResetRunTimeDirsForTest();
