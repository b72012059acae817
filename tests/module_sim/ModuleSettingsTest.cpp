// The module's settings: what a command line stores and the reply that shows it.
#include <gtest/gtest.h>

#include "ModuleSettings.h"

namespace {

struct ApplyCase {
    const char* command;
    const char* value;
    const char* reply;  // after applying the value to fresh settings
    bool changed;
};

class ModuleSettingsApply : public testing::TestWithParam<ApplyCase> {};

TEST_P(ModuleSettingsApply, RepliesWithTheValueNowHeld) {
    const ApplyCase& c = GetParam();
    sim::ModuleSettings settings;
    bool changed = !c.changed;
    EXPECT_EQ(settings.Apply(c.command, c.value, false, changed), c.reply);
    EXPECT_EQ(changed, c.changed);
    EXPECT_EQ(settings.Report(c.command), c.reply);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModuleSettingsApply,
    testing::Values(
        // Requests report the defaults.
        ApplyCase{"ba", "", "BA3012", false}, ApplyCase{"bb", "", "BB15", false},
        ApplyCase{"bh", "", "BH60", false}, ApplyCase{"bj", "", "BJ30", false},
        ApplyCase{"bt", "", "BT2", false}, ApplyCase{"eo", "", "EO0001100000000000", false},
        ApplyCase{"ni", "", "NI192.168.0.20", false}, ApplyCase{"ma", "", "MA0,4,163,0,0,1,", false},
        // Accepted values, normalised as a module holding numbers would show them.
        ApplyCase{"ni", "10.0.0.1", "NI10.0.0.1", true},
        ApplyCase{"ng", "010.000.000.001", "NG10.0.0.1", true},
        ApplyCase{"ns", "255.255.0.0", "NS255.255.0.0", true},
        ApplyCase{"nc", "0.0.0.0", "NC0.0.0.0", true},
        ApplyCase{"ba", "65535", "BA65535", true}, ApplyCase{"ba", "1", "BA1", true},
        ApplyCase{"bb", "129", "BB129", true}, ApplyCase{"bb", "7", "BB7", true},
        ApplyCase{"bt", "200", "BT200", true}, ApplyCase{"bh", "1000", "BH1000", true},
        ApplyCase{"eo", "1111100010000000", "EO1111100010000000", true},
        ApplyCase{"ma", "2815", "MA0,4,163,0,10,255,", true},
        ApplyCase{"ma", "0", "MA0,4,163,0,0,0,", true},
        // Refused values keep the old one, so the read-back shows the difference.
        ApplyCase{"ni", "300.1.1.1", "NI192.168.0.20", false},
        ApplyCase{"ni", "1.2.3", "NI192.168.0.20", false},
        ApplyCase{"ni", "1.2.3.4.5", "NI192.168.0.20", false},
        ApplyCase{"ni", "1.5.x.4", "NI192.168.0.20", false},
        ApplyCase{"ni", "1..3.4", "NI192.168.0.20", false},
        ApplyCase{"ba", "0", "BA3012", false}, ApplyCase{"ba", "65536", "BA3012", false},
        ApplyCase{"ba", "-5", "BA3012", false}, ApplyCase{"ba", "99999999999", "BA3012", false},
        ApplyCase{"bb", "99", "BB15", false}, ApplyCase{"bt", "1", "BT2", false},
        ApplyCase{"bh", "1001", "BH60", false},
        ApplyCase{"eo", "000110000000000", "EO0001100000000000", false},
        ApplyCase{"eo", "0001100000000002", "EO0001100000000000", false},
        ApplyCase{"ma", "65536", "MA0,4,163,0,0,1,", false}));

TEST(ModuleSettings, CorruptedWritesKeepAValueThatDiffersFromTheOneSent) {
    struct Case {
        const char* command;
        const char* value;
        const char* reply;
    } cases[] = {
        {"ba", "3012", "BA3013"},  {"ba", "65535", "BA65534"},
        {"bb", "15", "BB7"},       {"bb", "7", "BB129"},
        {"ni", "10.0.0.255", "NI10.0.0.0"},
        {"eo", "0001100000000000", "EO0001100010000000"},
        {"ma", "2815", "MA0,4,163,0,10,254,"},
    };
    for (const Case& c : cases) {
        sim::ModuleSettings settings;
        bool changed = false;
        EXPECT_EQ(settings.Apply(c.command, c.value, true, changed), c.reply) << c.command;
        EXPECT_TRUE(changed);
    }
}

TEST(ModuleSettings, ReportsEverySettingInCommandOrder) {
    sim::ModuleSettings settings;
    bool changed = false;
    settings.Apply("nc", "1.2.3.4", false, changed);
    std::vector<std::string> expected = {
        "BA3012", "BB15", "BH60", "BJ30", "BT2", "EO0001100000000000", "MA0,4,163,0,0,1,",
        "NC1.2.3.4", "NG192.168.0.1", "NI192.168.0.20", "NS255.255.255.0"};
    EXPECT_EQ(settings.ReportAll(), expected);
}

TEST(ModuleSettings, KnowsTheCommandSet) {
    for (const char* known : {"sv", "ni", "ng", "ns", "nc", "eo", "eh", "el", "bb", "bt", "bh",
                              "bj", "ba", "ma", "zc", "zp"}) {
        EXPECT_TRUE(sim::ModuleSettings::IsKnownCommand(known)) << known;
    }
    for (const char* unknown : {"xx", "", "n", "NI", "sw"}) {
        EXPECT_FALSE(sim::ModuleSettings::IsKnownCommand(unknown)) << unknown;
    }
    EXPECT_TRUE(sim::ModuleSettings::IsSetting("eo"));
    EXPECT_FALSE(sim::ModuleSettings::IsSetting("ma"));
    EXPECT_FALSE(sim::ModuleSettings::IsSetting("zc"));
}

}  // namespace
