#include "SortedTextList.h"

#include <gtest/gtest.h>

namespace {

using korvan::SortedTextList;

TEST(SortedTextList, ReadQueueLeavesInLetterOrderWhateverTheAddOrder) {
    SortedTextList queue;
    for (const char* line : {"ng\r\n", "ni\r\n", "ns\r\n", "nc\r\n", "eo\r\n", "eh\r\n", "el\r\n",
                             "bb\r\n", "bt\r\n", "bh\r\n", "bj\r\n", "ba\r\n", "ma\r\n"}) {
        EXPECT_TRUE(queue.Add(line));
    }
    std::vector<std::string> sent;
    while (!queue.Empty()) sent.push_back(queue.TakeFirst().substr(0, 2));
    EXPECT_EQ(sent, (std::vector<std::string>{"ba", "bb", "bh", "bj", "bt", "eh", "el", "eo",
                                              "ma", "nc", "ng", "ni", "ns"}));
}

TEST(SortedTextList, DuplicatesIgnoringCaseAreDropped) {
    SortedTextList list;
    EXPECT_TRUE(list.Add("C:\\Pages\\index.htm"));
    EXPECT_FALSE(list.Add("c:\\pages\\INDEX.HTM"));
    EXPECT_FALSE(list.Add("C:\\Pages\\index.htm"));
    EXPECT_TRUE(list.Add("C:\\Pages\\index.html"));
    EXPECT_EQ(list.Lines(),
              (std::vector<std::string>{"C:\\Pages\\index.htm", "C:\\Pages\\index.html"}));
}

TEST(SortedTextList, CaseIsFoldedToUpperForOrdering) {
    SortedTextList list;
    for (const char* line : {"b", "_", "A", "a_"}) list.Add(line);
    // "_" (0x5F) sorts after the upper-case letters.
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"A", "a_", "b", "_"}));
}

struct CompareCase {
    const char* a;
    const char* b;
    int sign;
};

TEST(SortedTextList, CompareTextIgnoringCase) {
    const CompareCase cases[] = {
        {"ba", "BA", 0}, {"ab", "b", -1}, {"b", "ab", 1}, {"ni", "nip", -1}, {"", "", 0},
        {"z", "\xE9", -1},  // 8-bit characters sort after ASCII
    };
    for (const auto& c : cases) {
        int result = korvan::CompareTextIgnoringCase(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
    }
}

}  // namespace
