#include "MacList.h"

#include <gtest/gtest.h>

namespace {

struct MacCase {
    const char* list;
    const char* shown;
};

TEST(MacList, FormatMacList) {
    const MacCase cases[] = {
        {"0,4,163,1,2,3,", "00:04:A3:01:02:03"},
        {"255,255,255,255,255,255,", "FF:FF:FF:FF:FF:FF"},
        {"999,0,0,0,0,0,", "3E7:00:00:00:00:00"},
        {"0,4,163", "00:04:A3:00:00:00"},  // missing numbers are 0
        {"", "00:00:00:00:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(korvan::FormatMacList(c.list), c.shown) << c.list;
}

}  // namespace
