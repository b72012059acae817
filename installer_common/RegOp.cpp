#include "RegOp.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstdlib>

#include "RegKey.h"
#include "RegIni.h"
#include "Utils.h"

namespace {

const char kEnvironmentKey[] =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

enum class Action { None, Create, Remove };

Action ActionOf(const std::string& item, int installField, int uninstallField, bool install) {
    std::string word = DelimItem(item, install ? installField : uninstallField);
    if (EqualText(word, "Create")) return Action::Create;
    if (EqualText(word, "Remove")) return Action::Remove;
    return Action::None;
}

// Decimal text as a 32-bit value; 0 when the text is not a number.
DWORD DecimalValue(const std::string& text) {
    if (text.empty()) return 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || value < INT32_MIN || value > UINT32_MAX) return 0;
    return static_cast<DWORD>(value);
}

}  // namespace

bool RegKeyExists(const std::string& path) {
    RegKey key;
    return key.Open(path, KEY_READ);
}

bool DeleteRegKey(const std::string& path) {
    if (!RegKeyExists(path)) return true;
    std::string subKey;
    HKEY root = SplitRootKey(path, subKey);
    // A path that names only a root ("HKEY_LOCAL_MACHINE\\") would take the whole root with
    // it; it is refused.
    if (subKey.empty()) return false;
    return SHDeleteKeyA(root, subKey.c_str()) == ERROR_SUCCESS;
}

bool WriteRegValue(const std::string& path, const std::string& name, const std::string& data,
                   const std::string& type) {
    RegKey key;
    if (!key.Create(path)) return false;
    if (EqualText(type, "String")) return key.WriteString(name, data);
    if (EqualText(type, "Integer")) return key.WriteInteger(name, DecimalValue(data));
    return true;
}

std::string ReadRegValueText(const std::string& path, const std::string& name, bool& isInteger) {
    RegKey key;
    if (!key.Open(path, KEY_READ)) return "";
    DWORD type = 0;
    std::string bytes;
    if (!key.ReadRaw(name, type, bytes)) {
        isInteger = false;
        return "";
    }
    isInteger = false;
    if (type == REG_SZ || type == REG_EXPAND_SZ) return std::string(bytes.c_str());
    if (type == REG_DWORD && bytes.size() == sizeof(DWORD)) {
        DWORD value = 0;
        memcpy(&value, bytes.data(), sizeof value);
        isInteger = true;
        return std::to_string(value);
    }
    return "";
}

bool RegistryOp(const std::string& item, bool install) {
    switch (ActionOf(item, 3, 4, install)) {
        case Action::Create:
            return WriteRegValue(DelimItem(item, 0), DelimItem(item, 1), DelimItem(item, 2),
                                 DelimItem(item, 5));
        case Action::Remove: return DeleteRegKey(DelimItem(item, 0));
        case Action::None: break;
    }
    return false;
}

bool IniFileOp(const std::string& item, bool install) {
    switch (ActionOf(item, 4, 5, install)) {
        case Action::Create: {
            std::string value = DelimItem(item, 3);
            return WriteIniEntry(DelimItem(item, 0), DelimItem(item, 1), DelimItem(item, 2),
                                 value.c_str());
        }
        case Action::Remove:
            return WriteIniEntry(DelimItem(item, 0), DelimItem(item, 1), DelimItem(item, 2),
                                 nullptr);
        case Action::None: break;
    }
    return false;
}

bool EnvironmentOp(const std::string& item, bool install) {
    switch (ActionOf(item, 2, 3, install)) {
        case Action::Create: return SetEnvironmentVar(DelimItem(item, 0), DelimItem(item, 1), true);
        case Action::Remove: return RemoveEnvironmentVar(DelimItem(item, 0), true);
        case Action::None: break;
    }
    return false;
}

bool WriteIniEntry(const std::string& file, const std::string& section, const std::string& key,
                   const char* value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value, file.c_str()) != FALSE;
}

bool SetEnvironmentVar(const std::string& name, const std::string& value, bool broadcast) {
    bool written = RegWriteString(kEnvironmentKey, name, value);
    if (written && broadcast) BroadcastEnvironmentChange();
    return written;
}

bool RemoveEnvironmentVar(const std::string& name, bool broadcast) {
    bool removed = RegDeleteValue(kEnvironmentKey, name);
    if (removed && broadcast) BroadcastEnvironmentChange();
    return removed;
}

void BroadcastEnvironmentChange() {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>("Environment"), SMTO_NORMAL, 4000, &result);
}
