#pragma once
// Naming rules for the files an installation handles, and the flags of a script's file
// entry. Pure.
#include <string>

// The name a file matched by a wildcard copy or rename gets under the target's name pattern
// (the file-name part of `target`; "*.*" when it has none): "*.*" keeps the name, "*.bak"
// keeps the base and takes the extension, "new.*" takes the base and keeps the extension,
// any other pattern is the new name itself. A pattern like "new*" (no dot) gives "new" and
// the file's extension: a "*" cannot be part of a real file name.
std::string TargetNameFor(const std::string& fileName, const std::string& target);
// The path with a source-file number ("00012#" in front of the file name) removed:
// "C:\a\00012#readme.txt" -> "C:\a\readme.txt". Any other path comes back as it is.
std::string InstalledFileName(const std::string& path);

// Tests on the 16-bit flags of a file entry.
bool IsSharedFile(unsigned flags);      // bit 0: counted as a shared library
bool IsRegisterFile(unsigned flags);    // bit 1: self-registers
bool IsKeptFile(unsigned flags);        // bit 4: kept at uninstall
bool IsReadOnlyFile(unsigned flags);    // bit 8
// Bits 8 to 15 as Windows file attributes.
unsigned FileAttributesOf(unsigned flags);
