// The checks on each received block.
#include <gtest/gtest.h>

#include "BlockReceiver.h"
#include "TransferFixtures.h"

namespace {

using Event = sim::BlockReceiver::Event;

Event Feed(sim::BlockReceiver& receiver, const std::string& bytes) {
    Event last = Event::None;
    for (char byte : bytes) {
        Event event = receiver.Receive(static_cast<uint8_t>(byte));
        if (event != Event::None) last = event;
    }
    return last;
}

TEST(BlockReceiver, RejectsABlockWithAnyCheckWrong) {
    const std::string image(200, 'a');
    struct Case {
        const char* name;
        size_t index;  // byte of block 1 to change
        char value;
    } cases[] = {
        {"number", 1, 2},
        {"complement", 2, 0x00},
        {"checksum", 131, 0x00},
        {"data", 60, 'b'},
    };
    for (const Case& c : cases) {
        sim::BlockReceiver receiver;
        receiver.Start();
        std::string block = fixtures::MakeBlock(1, image);
        block[c.index] = c.value;
        EXPECT_EQ(Feed(receiver, block), Event::BlockRejected) << c.name;
        EXPECT_EQ(receiver.BlockCount(), 0u) << c.name;
        // The sender may try the same block again.
        EXPECT_EQ(Feed(receiver, fixtures::MakeBlock(1, image)), Event::BlockAccepted) << c.name;
    }
}

TEST(BlockReceiver, IgnoresNoiseBetweenBlocksAndKeepsARepeatedBlockOnce) {
    const std::string image(256, 'q');
    sim::BlockReceiver receiver;
    receiver.Start();
    EXPECT_EQ(Feed(receiver, "\x15\x06zz"), Event::None);
    EXPECT_EQ(Feed(receiver, fixtures::MakeBlock(1, image)), Event::BlockAccepted);
    EXPECT_EQ(Feed(receiver, fixtures::MakeBlock(1, image)), Event::BlockRepeated);
    EXPECT_EQ(Feed(receiver, fixtures::MakeBlock(3, image)), Event::BlockRejected);
    EXPECT_EQ(Feed(receiver, fixtures::MakeBlock(2, image)), Event::BlockAccepted);
    EXPECT_EQ(Feed(receiver, "\x04"), Event::Finished);
    EXPECT_EQ(receiver.Image(), image);
}

TEST(BlockReceiver, BlockNumbersWrapAfter255) {
    std::string image;
    for (size_t i = 0; i < 32700; ++i) image.push_back(static_cast<char>(i * 7));
    sim::BlockReceiver receiver;
    receiver.Start();
    for (size_t n = 1; n <= fixtures::BlockCount(image); ++n) {
        ASSERT_EQ(Feed(receiver, fixtures::MakeBlock(n, image)), Event::BlockAccepted) << n;
    }
    EXPECT_EQ(receiver.BlockCount(), 256u);
    EXPECT_EQ(receiver.Image().substr(0, image.size()), image);
}

TEST(BlockReceiver, RefusesBlocksBeyondTheLargestImage) {
    const std::string filler(sim::BlockReceiver::kMaxImageSize, 'f');
    sim::BlockReceiver receiver;
    receiver.Start();
    const size_t fitting = sim::BlockReceiver::kMaxImageSize / 128;
    for (size_t n = 1; n <= fitting; ++n) Feed(receiver, fixtures::MakeBlock(n, filler));
    EXPECT_EQ(receiver.BlockCount(), fitting);
    EXPECT_EQ(Feed(receiver, fixtures::MakeBlock(fitting + 1, filler)), Event::BlockRejected);
    EXPECT_EQ(receiver.Image().size(), sim::BlockReceiver::kMaxImageSize);
}

TEST(BlockReceiver, StartForgetsTheEarlierImage) {
    sim::BlockReceiver receiver;
    receiver.Start();
    Feed(receiver, fixtures::MakeBlock(1, "old"));
    receiver.Start();
    EXPECT_EQ(receiver.BlockCount(), 0u);
    EXPECT_TRUE(receiver.Image().empty());
    EXPECT_EQ(Feed(receiver, fixtures::MakeBlock(1, "new")), Event::BlockAccepted);
}

}  // namespace
