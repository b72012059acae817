#include <gtest/gtest.h>
#include <windows.h>

#include "SysInfo.h"

namespace {

// Restores the system's version answer whatever the test does.
struct VersionOverride {
    explicit VersionOverride(unsigned platform, unsigned major, unsigned minor) {
        OsVersionInfo version;
        version.platform = platform;
        version.major = major;
        version.minor = minor;
        version.build = 1234;
        SetOsVersionForTest(&version);
    }
    ~VersionOverride() { SetOsVersionForTest(nullptr); }
};

TEST(SysInfo, VersionHelpersFollowTheOverride) {
    const struct {
        unsigned platform, major, minor;
        bool win9x, winNT, winXP;
        const char* shortName;
    } cases[] = {
        {1, 4, 90, true, false, false, "ME"},
        {1, 4, 10, true, false, false, "98"},
        {2, 4, 0, false, true, false, "NT"},
        {2, 5, 1, false, true, true, "XP"},
        {2, 5, 2, false, true, false, "5.2"},
        {0, 3, 11, false, false, false, "32S"},
    };
    for (const auto& c : cases) {
        VersionOverride version(c.platform, c.major, c.minor);
        EXPECT_EQ(IsWin9x(), c.win9x) << c.shortName;
        EXPECT_EQ(IsWinNT(), c.winNT) << c.shortName;
        EXPECT_EQ(IsWinXP(), c.winXP) << c.shortName;
        EXPECT_EQ(OsShortName(), c.shortName);
        EXPECT_EQ(OsDescription().substr(0, 3 + std::string(c.shortName).size()),
                  std::string("Win") + c.shortName);
    }
}

TEST(SysInfo, WithoutOverrideTheSystemAnswers) {
    SetOsVersionForTest(nullptr);
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(IsWinNT(), info.dwPlatformId == VER_PLATFORM_WIN32_NT);
    EXPECT_FALSE(IsWin9x());
}

TEST(SysInfo, TheTestProgramCarriesTheInstallerManifest) {
    EXPECT_TRUE(HasManifestResource());
    const HRSRC manifest = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
    const std::string xml(text, SizeofResource(nullptr, manifest));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

TEST(SysInfo, ThemesNeedXp) {
    // Not XP: never themed, whatever Uxtheme says. The answer then stays for the process.
    VersionOverride version(2, 6, 1);
    EXPECT_FALSE(ThemesActive());
}

TEST(SysInfo, DeveloperSwitchReadsDvxOnce) {
    ASSERT_TRUE(SetEnvironmentVariableA("DVX", "739"));
    EXPECT_TRUE(DeveloperSwitch());
    SetEnvironmentVariableA("DVX", "0");
    EXPECT_TRUE(DeveloperSwitch());
    SetEnvironmentVariableA("DVX", nullptr);
}

}  // namespace
