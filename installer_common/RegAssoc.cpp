// File associations and open-with verbs.
#include <windows.h>
#include <shlobj.h>

#include "RegOp.h"
#include "Utils.h"

namespace {

bool associationChanged = false;

std::string WithDot(const std::string& extension) {
    return !extension.empty() && extension[0] != '.' ? "." + extension : extension;
}

// The plain key deletion, which keeps a key that has sub-keys on the NT family. An empty name
// (a broken item) would address HKEY_CLASSES_ROOT itself and is skipped, here and below.
void DeleteClassesKey(const std::string& name) {
    if (!name.empty()) RegDeleteKeyA(HKEY_CLASSES_ROOT, name.c_str());
}

void SetClassesDefault(const std::string& name, const std::string& text) {
    if (name.empty()) return;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void ApplyVerb(const std::string& key, bool create, const std::string& menuText,
               const std::string& program) {
    if (!create) {
        DeleteRegKey(key);
    } else if (!menuText.empty() && !program.empty()) {
        WriteRegValue(key, "", menuText, "String");
        WriteRegValue(key + "\\command", "", program + " \"%1\"", "String");
    }
}

}  // namespace

bool CreateAssociation(const std::string& typeKey, const std::string& description,
                       const std::string& extension, const std::string& command) {
    if (command.empty()) return false;
    std::string ext = WithDot(extension);
    DeleteClassesKey(ext);
    DeleteClassesKey(typeKey);
    std::string open = command[0] == '"' ? command : "\"" + command + "\"";
    if (open.find("%1") == std::string::npos) open += " \"%1\"";
    SetClassesDefault(ext, typeKey);
    SetClassesDefault(typeKey, description);
    SetClassesDefault(typeKey + "\\shell\\open\\command", open);
    return true;
}

bool RemoveAssociation(const std::string& typeKey, const std::string& extension) {
    DeleteClassesKey(typeKey);
    DeleteClassesKey(WithDot(extension));
    associationChanged = true;
    return true;
}

bool Associate(const std::string& item, bool install) {
    std::string action = DelimItem(item, install ? 7 : 8);
    bool done = false;
    if (EqualText(action, "Remove"))
        done = RemoveAssociation(DelimItem(item, 0), DelimItem(item, 2));
    else if (EqualText(action, "Create"))
        done = CreateAssociation(DelimItem(item, 0), DelimItem(item, 1), DelimItem(item, 2),
                                 DelimItem(item, 4));
    if (done) associationChanged = true;
    return done;
}

void NotifyAssociationChange() {
    if (!associationChanged) return;
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    associationChanged = false;
}

bool AssociationChanged() { return associationChanged; }

std::string NormalizeExtensionList(const std::string& extensions) {
    std::string list = "," + ReplaceAll(extensions, ";", ",") + ",";
    list = ReplaceAll(list, "*", "");
    std::string result = ";";
    for (int i = 0, count = DelimCount(list); i < count; ++i) {
        std::string field = TrimText(DelimItem(list, i));
        size_t firstKept = field.find_first_not_of('.');
        field = TrimText(firstKept == std::string::npos ? std::string() : field.substr(firstKept));
        result += "." + field + ";";
    }
    return result;
}

bool OpenWith(const std::string& name, const std::string& menuText, const std::string& program,
              bool create, const std::string& extensions) {
    std::string list = NormalizeExtensionList(extensions);
    if (DelimCount(list) == 0 || name.empty()) return false;
    ApplyVerb("HKEY_CLASSES_ROOT\\Folder\\shell\\" + name, create, menuText, program);
    for (int i = 0, count = DelimCount(list); i < count; ++i) {
        bool isInteger = false;
        std::string type = ReadRegValueText("HKEY_CLASSES_ROOT\\" + DelimItem(list, i), "",
                                            isInteger);
        ApplyVerb("HKEY_CLASSES_ROOT\\" + type + "\\Shell\\" + name, create, menuText, program);
    }
    return true;
}
