#include "OptionFlags.h"

#include <gtest/gtest.h>

namespace {

using korvan::DeviceSettings;

struct FlagCase {
    bool dhcp, broadcast, client, timed, watchdog;
    const char* flags;
};

TEST(OptionFlags, FlagStringAndBackAgain) {
    const FlagCase cases[] = {
        {true, true, true, false, false, "0011100000000000"},
        {false, false, false, false, false, "0000000000000000"},
        {false, false, false, true, false, "0000010000000000"},
        {false, false, false, false, true, "0000000010000000"},
        {true, false, true, true, true, "0010110010000000"},
    };
    for (const auto& c : cases) {
        DeviceSettings settings;
        settings.dhcp = c.dhcp;
        settings.broadcast = c.broadcast;
        settings.clientEnabled = c.client;
        settings.timed = c.timed;
        settings.watchdog = c.watchdog;
        EXPECT_EQ(korvan::FlagString(settings), c.flags);

        DeviceSettings read;
        korvan::ApplyFlagString(c.flags, read);
        EXPECT_EQ(read.dhcp, c.dhcp) << c.flags;
        EXPECT_EQ(read.broadcast, c.broadcast) << c.flags;
        EXPECT_EQ(read.clientEnabled, c.client) << c.flags;
        EXPECT_EQ(read.timed, c.timed) << c.flags;
        EXPECT_EQ(read.useCrLf, !c.timed) << c.flags;
        EXPECT_EQ(read.watchdog, c.watchdog) << c.flags;
    }
}

TEST(OptionFlags, ShortFlagStringReadsMissingFlagsAsClear) {
    DeviceSettings read;
    korvan::ApplyFlagString("0011", read);
    EXPECT_TRUE(read.dhcp);
    EXPECT_TRUE(read.broadcast);
    EXPECT_FALSE(read.clientEnabled);
    EXPECT_TRUE(read.useCrLf);
    EXPECT_FALSE(read.watchdog);
}

}  // namespace
