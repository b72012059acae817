#include "ReplyFramer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using korvan::ReplyBuffer;
using korvan::ReplyFramer;

// Feeds bytes in line mode and collects every reply handed over (its bytes up to length).
std::vector<std::string> FeedLine(ReplyFramer& framer, const std::string& bytes) {
    std::vector<std::string> replies;
    ReplyBuffer reply;
    for (char c : bytes) {
        if (framer.Feed(static_cast<unsigned char>(c), false, reply)) {
            EXPECT_EQ(reply.bytes[reply.length], '\0');
            replies.emplace_back(reply.bytes, static_cast<size_t>(reply.length));
        }
    }
    return replies;
}

struct FramingCase {
    const char* name;
    std::string input;
    std::vector<std::string> replies;
};

class Framing : public testing::TestWithParam<FramingCase> {};

TEST_P(Framing, DeliversCompleteLinesOnly) {
    ReplyFramer framer;
    EXPECT_EQ(FeedLine(framer, GetParam().input), GetParam().replies);
}

const std::string k62(62, 'x');
const std::string k64(64, 'y');

INSTANTIATE_TEST_SUITE_P(
    Lines, Framing,
    testing::Values(
        FramingCase{"Ok", "OK\r\n", {"OK\r\n"}},
        FramingCase{"LfAloneIsData", "A\nB\r\n", {"A\nB\r\n"}},
        FramingCase{"CrAloneIsData", "A\rB\r\n", {"A\rB\r\n"}},
        FramingCase{"CrLfFirst", "\r\n", {"\r\n"}},
        FramingCase{"TwoInARow", "NI1.2.3.4\r\nBA7\r\n", {"NI1.2.3.4\r\n", "BA7\r\n"}},
        FramingCase{"Exactly64", k62 + "\r\n", {k62 + "\r\n"}},
        // 64 characters and any 65th byte are lost; collection restarts after them.
        FramingCase{"Over64LosesAll65", k64 + "Z" + "OK\r\n", {"OK\r\n"}},
        FramingCase{"Over64EvenIfNextIsLf", std::string(63, 'q') + "\r" + "\n" + "OK\r\n",
                    {"OK\r\n"}},
        FramingCase{"NoLineEndNoReply", "SV1.0.7-LNK", {}}),
    [](const testing::TestParamInfo<FramingCase>& info) { return info.param.name; });

TEST(Framing, ReplyLengthCountsCrLf) {
    ReplyFramer framer;
    ReplyBuffer reply;
    for (char c : std::string("OK\r")) ASSERT_FALSE(framer.Feed(c, false, reply));
    ASSERT_TRUE(framer.Feed('\n', false, reply));
    EXPECT_EQ(reply.length, 4);
    EXPECT_STREQ(reply.bytes, "OK\r\n");
    EXPECT_EQ(framer.FillPosition(), 0);
}

TEST(Framing, OverlongLineClearsReplyLength) {
    ReplyFramer framer;
    ReplyBuffer reply;
    reply.length = 9;
    for (char c : k64) framer.Feed(c, false, reply);
    EXPECT_FALSE(framer.Feed('\n', false, reply));
    EXPECT_EQ(reply.length, 0);
}

TEST(Framing, BinaryModeHandsOverEveryByteAndKeepsThePartialLine) {
    ReplyFramer framer;
    ReplyBuffer reply;
    EXPECT_EQ(FeedLine(framer, "AB"), std::vector<std::string>{});
    for (unsigned char byte : {0x15, 0x0D, 0x0A, 0x06, 0x00}) {
        ASSERT_TRUE(framer.Feed(byte, true, reply));
        EXPECT_EQ(static_cast<unsigned char>(reply.bytes[0]), byte);
    }
    EXPECT_EQ(framer.FillPosition(), 2);
    EXPECT_EQ(FeedLine(framer, "C\r\n"), std::vector<std::string>{"ABC\r\n"});
}

}  // namespace
