#include "RegKey.h"

#include "RegIni.h"

void RegKey::Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool RegKey::Open(const std::string& path, REGSAM access) {
    Close();
    std::string subKey;
    HKEY root = SplitRootKey(path, subKey);
    error_ = RegOpenKeyExA(root, subKey.c_str(), 0, access, &key_);
    if (error_ != ERROR_SUCCESS) key_ = nullptr;
    return key_ != nullptr;
}

bool RegKey::Create(const std::string& path) {
    Close();
    std::string subKey;
    HKEY root = SplitRootKey(path, subKey);
    error_ = RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    if (error_ != ERROR_SUCCESS) key_ = nullptr;
    return key_ != nullptr;
}

bool RegKey::WriteString(const std::string& name, const std::string& text) {
    error_ = RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
    return error_ == ERROR_SUCCESS;
}

bool RegKey::WriteInteger(const std::string& name, DWORD value) {
    error_ = RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof value);
    return error_ == ERROR_SUCCESS;
}

bool RegKey::WriteBinary(const std::string& name, const std::string& bytes) {
    error_ = RegSetValueExA(key_, name.c_str(), 0, REG_BINARY,
                            reinterpret_cast<const BYTE*>(bytes.data()),
                            static_cast<DWORD>(bytes.size()));
    return error_ == ERROR_SUCCESS;
}

bool RegKey::ReadRaw(const std::string& name, DWORD& type, std::string& bytes) {
    DWORD size = 0;
    error_ = RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size);
    if (error_ != ERROR_SUCCESS) return false;
    bytes.assign(size, '\0');
    error_ = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(&bytes[0]), &size);
    if (error_ != ERROR_SUCCESS) return false;
    bytes.resize(size);
    return true;
}

bool RegKey::DeleteValue(const std::string& name) {
    error_ = RegDeleteValueA(key_, name.c_str());
    return error_ == ERROR_SUCCESS;
}
