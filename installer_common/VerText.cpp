#include "VerText.h"

#include "Utils.h"

std::string PadVersion(const std::string& version, int width) {
    std::string list = "." + version + ".";
    std::string result;
    for (int i = 0, count = DelimCount(list); i < count; ++i) {
        if (i > 0) result += ".";
        result += PadZeros(DelimItem(list, i), width);
    }
    return result;
}

bool IsUrl(const std::string& text) {
    for (const char* prefix : {"http:", "ftp:", "www.", "mailto:"})
        if (PosText(prefix, text) == 1) return true;
    return false;
}
