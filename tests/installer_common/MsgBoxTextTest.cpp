#include <gtest/gtest.h>

#include "MsgBoxText.h"

namespace {

const std::string pad(20, ' ');

TEST(MsgBoxText, BothFamiliesPadEveryLineAndFrameTheBody) {
    const struct {
        const char* text;
        std::string app;
        std::string top;
    } cases[] = {
        {"a\\nb", "\r\n\r\na" + pad + "\r\nb" + pad + "\r\n\r\n",
         "\r\n\r\na" + pad + "\r\nb" + pad + "\r\n\r\n"},
        {"one\r\ntwo", "\r\n\r\none" + pad + "\r\ntwo" + pad + "\r\n\r\n",
         "\r\n\r\none" + pad + "\r\ntwo" + pad + "\r\n\r\n"},
        // Only the application family pads the lines that "<p>" opens.
        {"a<p>b", "\r\n\r\na" + pad + "\r\nb" + pad + "\r\n\r\n",
         "\r\n\r\na\r\nb" + pad + "\r\n\r\n"},
        {"", "\r\n\r\n\r\n", "\r\n\r\n" + pad + "\r\n\r\n"},
        {"tab\\there", "\r\n\r\ntab\there" + pad + "\r\n\r\n",
         "\r\n\r\ntab\there" + pad + "\r\n\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AppBoxBody(c.text), c.app) << c.text;
        EXPECT_EQ(TopBoxBody(c.text), c.top) << c.text;
    }
}

TEST(MsgBoxText, SplitLinesAcceptsEveryLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
