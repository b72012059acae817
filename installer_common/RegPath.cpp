#include "RegPath.h"

#include "Utils.h"

namespace {
const char* const kRootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                  "HKEY_USERS",        "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
}

std::string CanonicalRootName(const std::string& name) {
    for (const char* root : kRootNames) {
        if (EqualText(name, root)) return root;
    }
    return "HKEY_CURRENT_USER";
}

RegistryPath SplitRegistryPath(const std::string& path) {
    const std::string trimmed = TrimText(path);
    const std::string::size_type slash = trimmed.find('\\');
    if (PosText("HKEY_", trimmed) == 1 && slash != std::string::npos) {
        return {CanonicalRootName(trimmed.substr(0, slash)), trimmed.substr(slash + 1)};
    }
    return {"HKEY_CURRENT_USER", trimmed};
}
