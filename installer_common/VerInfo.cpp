#include "VerInfo.h"

#include <windows.h>

#include <cstdio>

#include "VerText.h"

TVersionInfo::TVersionInfo(const std::string& file) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0) return;
    data_.assign(size, 0);
    if (!GetFileVersionInfoA(file.c_str(), 0, size, data_.data())) return;
    void* fixed = nullptr;
    UINT fixedSize = 0;
    char root[] = "\\";
    if (!VerQueryValueA(data_.data(), root, &fixed, &fixedSize) || fixedSize == 0) return;
    valid_ = true;

    WORD* pairs = nullptr;
    UINT pairsSize = 0;
    char translation[] = "\\VarFileInfo\\Translation";
    if (!VerQueryValueA(data_.data(), translation, reinterpret_cast<void**>(&pairs), &pairsSize))
        return;
    for (UINT i = 0; i + 1 < pairsSize / sizeof(WORD); i += 2) {
        char key[16];
        std::snprintf(key, sizeof key, "%04X%04X", pairs[i], pairs[i + 1]);
        translations_.push_back(key);
        char language[100] = {};
        VerLanguageNameA(pairs[i], language, sizeof language);
        languageNames_.push_back(language);
    }
}

std::string TVersionInfo::StringValue(const std::string& name) const {
    if (!valid_) return "";
    for (const std::string& key : translations_) {
        std::string query = "\\StringFileInfo\\" + key + "\\" + name;
        char* value = nullptr;
        UINT length = 0;
        if (VerQueryValueA(data_.data(), query.c_str(), reinterpret_cast<void**>(&value),
                           &length) &&
            value && length > 0 && value[0] != '\0')
            return value;
    }
    return "";
}

std::string FileVersionText(const std::string& file, int width) {
    TVersionInfo info(file);
    return info.Valid() ? PadVersion(info.StringValue("FileVersion"), width) : "";
}
