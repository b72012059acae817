#pragma once
// Registry and INI values through one-string registry paths (RegPath.h). Nothing here raises
// or reports an error: reads give their default, writes and deletes give false. An empty
// path is HKEY_CURRENT_USER itself; an empty value name is the key's default value.
#include <windows.h>

#include <string>

#include "RegPath.h"

// The root key named `name` ignoring case; HKEY_CURRENT_USER for any other name.
HKEY RootKeyFromName(const std::string& name);
// Root key of `path`; its sub-key goes to `subKey`.
HKEY SplitRootKey(const std::string& path, std::string& subKey);

// Creates or opens the key and writes `text` as a string value.
bool RegWriteString(const std::string& path, const std::string& name, const std::string& text);
// The value as text: a DWORD as unsigned decimal, any other type as its text up to the first
// zero. `fallback` when the key or value is missing or larger than 2048 bytes. The empty
// name reads the key's default value.
std::string RegReadValue(const std::string& path, const std::string& name,
                         const std::string& fallback);
// Deletes one value. (windows.h maps the name to RegDeleteValueA; the string arguments keep
// this overload apart from the Win32 function.)
bool RegDeleteValue(const std::string& path, const std::string& name);

// Through the Windows profile functions; values up to 2047 characters.
std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback);
bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& text);
