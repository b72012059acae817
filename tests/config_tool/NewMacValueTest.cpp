#include "NewMacValue.h"

#include <gtest/gtest.h>

namespace {

struct MacCase {
    const char* high;
    const char* low;
    int value;  // -1: "MAC Error"
};

TEST(NewMacValue, HexadecimalRules) {
    const MacCase cases[] = {
        {"0A", "ff", 2815}, {"00", "00", 0},     {"FF", "FF", 65535}, {"0A1", "FFx", 2815},
        {"a0", "9b", 0xA09B}, {"0G", "00", -1},  {"A", "00", -1},     {"", "00", -1},
        {"00", "F", -1},    {"00", "g0", -1},    {" 0", "00", -1},    {"0a", "Ff", 0x0AFF},
    };
    for (const auto& c : cases) {
        auto value = korvan::ParseNewMacValue(c.high, c.low);
        if (c.value < 0) {
            EXPECT_FALSE(value.has_value()) << c.high << " " << c.low;
        } else {
            ASSERT_TRUE(value.has_value()) << c.high << " " << c.low;
            EXPECT_EQ(*value, c.value) << c.high << " " << c.low;
        }
    }
}

TEST(NewMacValue, CommandLines) {
    EXPECT_EQ(korvan::NewMacCommandLines(2815),
              (std::vector<std::string>{"ma2815\r\n", "zc\r\n"}));
    EXPECT_EQ(korvan::NewMacCommandLines(0), (std::vector<std::string>{"ma0\r\n", "zc\r\n"}));
}

}  // namespace
