#pragma once
// The names the installer gives to a Windows version, computed from the version numbers alone
// so that every branch (Win32s, 95, 98, Me, NT 4, 2000, XP, later) can be checked anywhere.
#include <string>

struct OsVersionInfo {
    enum Platform : unsigned { kWin32s = 0, kWin9x = 1, kWinNT = 2 };
    unsigned platform = kWinNT;
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;          // as reported; only its low 16 bits are shown
    std::string servicePack;     // e.g. "Service Pack 3"; may be empty
};

// Major and minor version in decimal joined by ".": "4.10", "5.0".
std::string VersionText(const OsVersionInfo& version);
// "32S", "95", "98", "ME", "NT", "2000", "XP", or the version text for anything else.
std::string OsShortNameFor(const OsVersionInfo& version);
// "WinXP  5.1  2600 (Service Pack 3)"; the part in parentheses only with a service pack.
std::string OsDescriptionFor(const OsVersionInfo& version);
