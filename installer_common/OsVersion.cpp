#include "OsVersion.h"

#include "Utils.h"

std::string VersionText(const OsVersionInfo& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor);
}

std::string OsShortNameFor(const OsVersionInfo& version) {
    const std::string text = VersionText(version);
    switch (version.platform) {
        case OsVersionInfo::kWin32s:
            return "32S";
        case OsVersionInfo::kWin9x:
            if (text == "4.0") return "95";
            if (text == "4.10") return "98";
            if (version.minor == 90) return "ME";
            return text;
        case OsVersionInfo::kWinNT:
            if (text == "4.0") return "NT";
            if (text == "5.0") return "2000";
            if (text == "5.1") return "XP";
            return text;
        default:
            return text;
    }
}

std::string OsDescriptionFor(const OsVersionInfo& version) {
    std::string description = "Win" + OsShortNameFor(version) + "  " + VersionText(version) +
                               "  " + std::to_string(version.build & 0xFFFFu);
    if (!TrimText(version.servicePack).empty()) description += " (" + version.servicePack + ")";
    return description;
}
