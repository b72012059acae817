#pragma once
// Registry paths written as one string: a root name, a backslash, the sub-key
// ("HKEY_LOCAL_MACHINE\Software\x"). Pure, so the splitting rules are checked anywhere.
#include <string>

struct RegistryPath {
    std::string root;     // one of the six standard root names, upper case
    std::string subKey;
};

// The standard root name equal to `name` ignoring case ("HKEY_CLASSES_ROOT", ...,
// "HKEY_DYN_DATA"); "HKEY_CURRENT_USER" for any other name.
std::string CanonicalRootName(const std::string& name);
// Trims the path. A path that begins with "HKEY_" and holds a backslash splits at its first
// backslash; any other path is a sub-key of HKEY_CURRENT_USER as a whole.
RegistryPath SplitRegistryPath(const std::string& path);
