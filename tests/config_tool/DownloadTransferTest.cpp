#include "DownloadTransfer.h"

#include <gtest/gtest.h>

namespace {

using korvan::DownloadAction;
using korvan::DownloadTransfer;

// Bytes whose value depends on their position, so a block from the wrong offset shows.
std::string PatternImage(size_t size) {
    std::string image(size, '\0');
    for (size_t i = 0; i < size; ++i) image[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return image;
}

unsigned char Byte(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

struct Sent {
    std::vector<std::string> blocks;
    std::vector<int> progress;
    bool eot = false;
    bool complete = false;
};

// Runs a whole transfer the way the module answers: NAK, then an ACK for everything.
Sent RunTransfer(const std::string& image) {
    DownloadTransfer transfer;
    transfer.Begin(image);
    Sent sent;
    auto out = transfer.OnByte(korvan::kNak);
    while (out.action == DownloadAction::Block) {
        sent.blocks.push_back(out.bytes);
        sent.progress.push_back(out.progress);
        out = transfer.OnByte(korvan::kAck);
    }
    if (out.action == DownloadAction::Eot && out.bytes == std::string(1, korvan::kEot)) {
        sent.eot = true;
        sent.complete = transfer.OnByte(korvan::kAck).action == DownloadAction::Complete;
    }
    EXPECT_EQ(transfer.Step(), 0);
    return sent;
}

// Each block is SOH, number, complement, data from its offset (0xFF past the end), checksum.
void ExpectWellFormed(const std::vector<std::string>& blocks, const std::string& image) {
    for (size_t b = 0; b < blocks.size(); ++b) {
        const std::string& block = blocks[b];
        ASSERT_EQ(block.size(), korvan::kBlockSize);
        EXPECT_EQ(Byte(block, 0), 0x01);
        EXPECT_EQ(Byte(block, 1), (b + 1) & 0xFF) << "block " << b + 1;
        EXPECT_EQ(Byte(block, 2), 0xFF - ((b + 1) & 0xFF)) << "block " << b + 1;
        unsigned sum = 0;
        for (size_t i = 0; i < 128; ++i) {
            size_t at = b * 128 + i;
            unsigned char expected = at < image.size() ? Byte(image, at) : 0xFF;
            ASSERT_EQ(Byte(block, 3 + i), expected) << "block " << b + 1 << " byte " << i;
            sum += expected;
        }
        EXPECT_EQ(Byte(block, 131), sum & 0xFF) << "block " << b + 1;
    }
}

struct SizeCase {
    size_t size;
    size_t blocks;
    size_t allPaddingBlocks;  // trailing blocks made only of 0xFF data
};

TEST(DownloadTransfer, BlocksForImageSizes) {
    const SizeCase cases[] = {
        {300, 3, 0},    // block 3: bytes 256..299 and 84 bytes 0xFF
        {256, 3, 1},    // a multiple of 128 gets one more block, all 0xFF
        {128, 2, 1},
        {1, 1, 0},
        {32700, 256, 0},
        {32768, 257, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        std::string image = PatternImage(c.size);
        Sent sent = RunTransfer(image);
        ASSERT_EQ(sent.blocks.size(), c.blocks);
        ExpectWellFormed(sent.blocks, image);
        EXPECT_TRUE(sent.eot);
        EXPECT_TRUE(sent.complete);
        const std::string& last = sent.blocks.back();
        bool lastAllPadding = last.substr(3, 128) == std::string(128, '\xFF');
        EXPECT_EQ(lastAllPadding, c.allPaddingBlocks == 1);
    }
}

TEST(DownloadTransfer, NumberByteWrapsAfter255) {
    std::string image = PatternImage(32700);
    Sent sent = RunTransfer(image);
    ASSERT_EQ(sent.blocks.size(), 256u);
    EXPECT_EQ(Byte(sent.blocks[254], 1), 255);
    EXPECT_EQ(Byte(sent.blocks[254], 2), 0x00);
    EXPECT_EQ(Byte(sent.blocks[255], 1), 0x00);
    EXPECT_EQ(Byte(sent.blocks[255], 2), 0xFF);
    EXPECT_EQ(sent.blocks[255].substr(3, 60), image.substr(32640, 60));
    EXPECT_EQ(sent.blocks[255].substr(63, 68), std::string(68, '\xFF'));
}

TEST(DownloadTransfer, ProgressIsWhereEachBlockBegan) {
    Sent sent = RunTransfer(PatternImage(300));
    EXPECT_EQ(sent.progress, (std::vector<int>{0, 42, 85}));
}

TEST(DownloadTransfer, BytesAStepDoesNotWaitForAreIgnored) {
    DownloadTransfer transfer;
    transfer.Begin(PatternImage(300));
    EXPECT_EQ(transfer.OnByte(korvan::kAck).action, DownloadAction::None);  // before NAK
    EXPECT_EQ(transfer.OnByte('x').action, DownloadAction::None);
    ASSERT_EQ(transfer.OnByte(korvan::kNak).action, DownloadAction::Block);
    EXPECT_EQ(transfer.Step(), 3);
    // A NAK after the first block never makes a block go out twice.
    EXPECT_EQ(transfer.OnByte(korvan::kNak).action, DownloadAction::None);
    EXPECT_EQ(transfer.BlockNumber(), 2);
    auto second = transfer.OnByte(korvan::kAck);
    ASSERT_EQ(second.action, DownloadAction::Block);
    EXPECT_EQ(Byte(second.bytes, 1), 2);
    ASSERT_EQ(transfer.OnByte(korvan::kAck).action, DownloadAction::Block);
    EXPECT_EQ(transfer.Step(), 4);
    EXPECT_EQ(transfer.OnByte(korvan::kNak).action, DownloadAction::None);
    EXPECT_EQ(transfer.OnByte(korvan::kAck).action, DownloadAction::Eot);
    EXPECT_EQ(transfer.OnByte(korvan::kNak).action, DownloadAction::None);
    EXPECT_EQ(transfer.Step(), 5);
    EXPECT_EQ(transfer.OnByte(korvan::kAck).action, DownloadAction::Complete);
    EXPECT_EQ(transfer.OnByte(korvan::kAck).action, DownloadAction::None);  // idle again
    EXPECT_EQ(transfer.ImageSize(), 0u);
}

TEST(DownloadTransfer, EmptyImageSendsOnePaddingBlockWithoutDividingByZero) {
    Sent sent = RunTransfer("");
    ASSERT_EQ(sent.blocks.size(), 1u);
    EXPECT_EQ(sent.blocks[0].substr(3, 128), std::string(128, '\xFF'));
    EXPECT_EQ(sent.progress, (std::vector<int>{0}));
    EXPECT_EQ(korvan::ProgressPercent(0, 0), 0);
}

}  // namespace
