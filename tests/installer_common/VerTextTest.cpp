// Version texts that order as text, and web addresses.
#include <gtest/gtest.h>

#include "VerText.h"

namespace {

TEST(VerText, PadVersionPadsEveryField) {
    const struct {
        const char* version;
        int width;
        const char* expected;
    } cases[] = {{"1.0.9.4", 5, "00001.00000.00009.00004"},
                 {"2.10", 5, "00002.00010"},
                 {"", 5, "00000"},
                 {"123456", 5, "123456"},
                 {"1..2", 2, "01.00.02"},
                 {"7", 0, "7"}};
    for (const auto& c : cases) EXPECT_EQ(PadVersion(c.version, c.width), c.expected) << c.version;
    EXPECT_GT(PadVersion("2.10", 5), PadVersion("2.9", 5));
    EXPECT_LT(PadVersion("1.2.0.0", 5), PadVersion("1.10.0.0", 5));
}

TEST(VerText, IsUrlLooksAtTheBeginningOnly) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {{"http://korvan.example", true}, {"HTTP://KORVAN.EXAMPLE", true},
                 {"ftp:files", true},             {"www.korvan.example", true},
                 {"MailTo:help@korvan.example", true}, {"https://x", false},
                 {"C:\\App\\app.exe", false},     {"see http://x", false},
                 {"", false}};
    for (const auto& c : cases) EXPECT_EQ(IsUrl(c.text), c.expected) << c.text;
}

}  // namespace
