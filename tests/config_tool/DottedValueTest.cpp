#include "DottedValue.h"

#include <gtest/gtest.h>

namespace {

using korvan::DottedParts;

struct DottedCase {
    const char* text;
    DottedParts parts;
};

TEST(DottedValue, ParseDottedValue) {
    const DottedCase cases[] = {
        {"192.168.0.20", {192, 168, 0, 20}},
        {"10.0.0.1\r\n", {10, 0, 0, 1}},
        {"255.255.255.0", {255, 255, 255, 0}},
        {"1.2.3.45678", {1, 2, 3, 45678}},
        {"1.2.3.456789", {1, 2, 3, 45678}},  // part 4 stops after five characters
        {"1.2.3.4x", {1, 2, 3, 4}},
        {"1.2.3.x4", {1, 2, 3, 0}},          // part 4 checks for digits
        {"1:.2.3.4", {20, 2, 3, 4}},         // parts 1-3 do not (":" counts as ten)
        {"", {0, 0, 0, 0}},
        {"1.2", {1, 2, 0, 0}},
        // Five characters without a "." end the part unchecked; parsing goes on from there.
        {"12345.6.7.8", {12345, 0, 6, 7}},
    };
    for (const auto& c : cases) EXPECT_EQ(korvan::ParseDottedValue(c.text), c.parts) << c.text;
}

TEST(DottedValue, JoinKeepsTheTextsAsTyped) {
    EXPECT_EQ(korvan::JoinDotted({"300", "01", "", "x"}), "300.01..x");
}

}  // namespace
