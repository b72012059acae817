#pragma once
// An owned registry key, opened or created from a "ROOT\sub\key" path.
#include <windows.h>

#include <string>

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens an existing key; false (and the Windows error in Error()) when it cannot.
    bool Open(const std::string& path, REGSAM access);
    // Opens the key, creating it and its missing parents.
    bool Create(const std::string& path);
    HKEY Get() const { return key_; }
    LONG Error() const { return error_; }

    bool WriteString(const std::string& name, const std::string& text);
    bool WriteInteger(const std::string& name, DWORD value);
    bool WriteBinary(const std::string& name, const std::string& bytes);
    // Type and raw bytes of a value; false when it is missing or unreadable.
    bool ReadRaw(const std::string& name, DWORD& type, std::string& bytes);
    bool DeleteValue(const std::string& name);

private:
    void Close();
    HKEY key_ = nullptr;
    LONG error_ = ERROR_SUCCESS;
};
