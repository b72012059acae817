#pragma once
// Which Windows is running, whether visual themes are in use, the developer switch and the
// restart of the computer.
#include <string>

#include "OsVersion.h"

bool IsWin9x();
bool IsWinNT();
// NT family with version 5.1.
bool IsWinXP();
// "95", "98", "ME", "NT", "2000", "XP", "32S" or the version text ("5.2", "6.1", ...).
std::string OsShortName();
// "WinXP  5.1  2600 (Service Pack 3)".
std::string OsDescription();
// The version the helpers above report: the system's own, or the one a test set.
OsVersionInfo CurrentOsVersion();
// Makes the version helpers report `version` (copied) instead of the system's; null restores
// the system's answer. For tests of the branches for older systems.
void SetOsVersionForTest(const OsVersionInfo* version);

// True when the running program carries at least one manifest resource (type 24).
bool HasManifestResource();
// True when the program carries a manifest resource, runs on XP and Uxtheme reports the
// application themed. Asked once per process.
bool ThemesActive();

// True when the environment variable DVX holds the developer code. Asked once per process.
bool DeveloperSwitch();

// Asks Windows to restart (no force). On the NT family the shutdown privilege is enabled
// first; without it nothing happens.
void RebootWindows();
