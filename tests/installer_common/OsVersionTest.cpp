#include <gtest/gtest.h>

#include "OsVersion.h"

namespace {

TEST(OsVersion, ShortNamesAndDescriptions) {
    const struct {
        unsigned platform, major, minor, build;
        const char* servicePack;
        const char* shortName;
        const char* description;
    } cases[] = {
        {0, 3, 11, 0, "", "32S", "Win32S  3.11  0"},
        {1, 4, 0, 950, "", "95", "Win95  4.0  950"},
        {1, 4, 10, 0x040A0898, " A ", "98", "Win98  4.10  2200 ( A )"},
        {1, 4, 90, 3000, "", "ME", "WinME  4.90  3000"},
        {2, 4, 0, 1381, "Service Pack 6", "NT", "WinNT  4.0  1381 (Service Pack 6)"},
        {2, 5, 0, 2195, "", "2000", "Win2000  5.0  2195"},
        {2, 5, 1, 2600, "Service Pack 3", "XP", "WinXP  5.1  2600 (Service Pack 3)"},
        {2, 5, 2, 3790, "  ", "5.2", "Win5.2  5.2  3790"},
        {2, 6, 1, 7601, "", "6.1", "Win6.1  6.1  7601"},
    };
    for (const auto& c : cases) {
        OsVersionInfo version;
        version.platform = c.platform;
        version.major = c.major;
        version.minor = c.minor;
        version.build = c.build;
        version.servicePack = c.servicePack;
        EXPECT_EQ(OsShortNameFor(version), c.shortName) << c.description;
        EXPECT_EQ(OsDescriptionFor(version), c.description);
    }
}

}  // namespace
