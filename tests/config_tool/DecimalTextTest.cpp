#include "DecimalText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct LeadingCase {
    const char* text;
    int value;
};

TEST(DecimalText, LeadingDecimal) {
    const LeadingCase cases[] = {
        {"3012", 3012}, {"  42abc", 42}, {"-7", -7}, {"+8", 8}, {"", 0}, {"x1", 0},
        {"99999999999999999999", INT_MAX}, {"-99999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(korvan::LeadingDecimal(c.text), c.value) << c.text;
}

struct IntegerCase {
    const char* text;
    bool valid;
    int value;
};

TEST(DecimalText, IntegerValue) {
    const IntegerCase cases[] = {
        {"192", true, 192}, {"300", true, 300}, {" -3", true, -3}, {"0", true, 0},
        {"2147483647", true, INT_MAX},
        {"1.5", false, 0}, {"", false, 0}, {"7 ", false, 0}, {"abc", false, 0}, {"-", false, 0},
        {"2147483648", false, 0}, {"00000000000000000001", false, 0},
    };
    for (const auto& c : cases) {
        auto value = korvan::IntegerValue(c.text);
        ASSERT_EQ(value.has_value(), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(*value, c.value) << c.text;
        }
    }
}

}  // namespace
