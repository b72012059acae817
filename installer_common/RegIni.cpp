#include "RegIni.h"

#include <cstring>

namespace {

const DWORD kValueBufferSize = 2048;

// An open registry key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

HKEY RootKeyFromName(const std::string& name) {
    const std::string root = CanonicalRootName(name);
    if (root == "HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
    if (root == "HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
    if (root == "HKEY_USERS") return HKEY_USERS;
    if (root == "HKEY_CURRENT_CONFIG") return HKEY_CURRENT_CONFIG;
    if (root == "HKEY_DYN_DATA") return HKEY_DYN_DATA;
    return HKEY_CURRENT_USER;
}

HKEY SplitRootKey(const std::string& path, std::string& subKey) {
    const RegistryPath split = SplitRegistryPath(path);
    subKey = split.subKey;
    return RootKeyFromName(split.root);
}

bool RegWriteString(const std::string& path, const std::string& name, const std::string& text) {
    std::string subKey;
    HKEY root = SplitRootKey(path, subKey);
    OpenKey key;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, key.Out(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

std::string RegReadValue(const std::string& path, const std::string& name,
                         const std::string& fallback) {
    std::string subKey;
    HKEY root = SplitRootKey(path, subKey);
    OpenKey key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS) {
        return fallback;
    }
    // One byte more than offered, so that a value without its own terminator still ends.
    char buffer[kValueBufferSize + 1] = {};
    DWORD type = 0;
    DWORD size = kValueBufferSize;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
        return fallback;
    }
    if (type == REG_DWORD && size == 4) {
        DWORD number = 0;
        std::memcpy(&number, buffer, sizeof number);
        return std::to_string(static_cast<unsigned long>(number));
    }
    return buffer;
}

bool RegDeleteValue(const std::string& path, const std::string& name) {
    std::string subKey;
    HKEY root = SplitRootKey(path, subKey);
    OpenKey key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_ALL_ACCESS, key.Out()) != ERROR_SUCCESS) {
        return false;
    }
    return ::RegDeleteValueA(key.Get(), name.c_str()) == ERROR_SUCCESS;
}

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback) {
    char buffer[2048] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                             sizeof buffer, file.c_str());
    return buffer;
}

bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& text) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(), file.c_str()) !=
           FALSE;
}
