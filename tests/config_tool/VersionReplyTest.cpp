#include "VersionReply.h"

#include <gtest/gtest.h>

namespace {

using korvan::VersionNumber;
using korvan::VersionText;

struct VersionCase {
    const char* reply;
    int number;
};

TEST(VersionReply, NumberFromReply) {
    const VersionCase cases[] = {
        {"SV1.0.7-LNK\r\n", 10007},
        {"SV1.1.0-LNK\r\n", 10100},
        {"SV1.0.99-LNK\r\n", 10099},
        {"SV1.0.7-LNKextra text\r\n", 10007},
        {"SV1.0.7-ABC\r\n", 0},
        {"SV0.0.0-LNK\r\n", 0},
        {"SV1.0.7-LN", 0},       // "LNK" cut short by the end of the reply
        {"SV1.0.7\r\n", 0},      // no "-"
        {"SV107-LNK\r\n", 0},    // no "."
        {"SV1.0.7-lnk\r\n", 0},  // the letters are upper case
        // No digit check: ":" counts as ten.
        {"SV1.:.0-LNK\r\n", 11000},
        // Accumulation that would go negative is not a version (never a resend code).
        {"SV0.0.!-LNK\r\n", 0},
        {"SV0.0.0/-LNK\r\n", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionNumber(VersionText(c.reply)), c.number) << c.reply;
    }
}

// Long garbage wraps instead of overflowing; a non-positive result is no version.
TEST(VersionReply, HugeNumbersNeverComeOutNegative) {
    for (const char* reply : {"SV4294967295.0.0-LNK\r\n", "SV214748.36.47-LNK\r\n",
                              "SV999999999999.99.99-LNK\r\n"}) {
        EXPECT_GE(VersionNumber(VersionText(reply)), 0) << reply;
    }
}

struct TextCase {
    const char* reply;
    const char* text;
    bool digit;
};

TEST(VersionReply, TextFromTheThirdCharacterWithTheSwQuirk) {
    const TextCase cases[] = {
        {"SV1.0.7-LNK\r\n", "1.0.7-LNK\r\n", true},
        {"SVSW-boot\r\n", "UW-boot\r\n", false},
        {"SWSW\r\n", "UW\r\n", false},
        {"SW1.0.7-LNK\r\n", "1.0.7-LNK\r\n", true},  // only the examined text is changed
        {"Error\r\n", "ror\r\n", false},
        {"SV", "", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionText(c.reply), c.text) << c.reply;
        EXPECT_EQ(korvan::StartsWithDigit(VersionText(c.reply)), c.digit) << c.reply;
    }
}

}  // namespace
