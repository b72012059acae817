#include "BaudCodes.h"

#include <gtest/gtest.h>

namespace {

struct BaudCase {
    int item;
    int code;
};

TEST(BaudCodes, EveryItemSendsItsCodeAndReadsBack) {
    const BaudCase cases[] = {{0, 129}, {1, 65}, {2, 32}, {3, 15}, {4, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(korvan::BaudCodeForItem(c.item), c.code) << c.item;
        EXPECT_EQ(korvan::BaudItemForReadCode(c.code), c.item) << c.code;
    }
}

TEST(BaudCodes, NoneSelectedSendsAndUnknownCodesRead19200) {
    EXPECT_EQ(korvan::BaudCodeForItem(-1), 15);
    EXPECT_EQ(korvan::BaudCodeForItem(5), 15);
    for (int code : {99, 0, 1, -1, 130}) EXPECT_EQ(korvan::BaudItemForReadCode(code), 3) << code;
}

}  // namespace
