#pragma once
// The page image's block transfer into the module, once "zp" has gone out: 132-byte blocks
// (SOH, number, its complement, 128 data bytes, checksum), one in flight at a time, each sent
// on the module's ACK (the first on its NAK), then EOT.
#include <cstddef>
#include <string>

namespace korvan {

constexpr size_t kMaxImageSize = 32700;
constexpr size_t kBlockDataSize = 128;
constexpr size_t kBlockSize = 132;
constexpr char kSoh = 0x01;
constexpr char kEot = 0x04;
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;

// Block `blockNumber` (1-based, unlimited) of the image: data from (blockNumber - 1) * 128,
// 0xFF past the end; only the number byte wraps after 255.
std::string BuildDownloadBlock(const std::string& image, int blockNumber);

// Percentage of the image before `offset`; 0 for an empty image.
int ProgressPercent(size_t offset, size_t imageSize);

// True when the block before `nextBlockNumber` was the last: the next would start past the
// end. An image whose size is a multiple of 128 therefore ends with one all-0xFF block.
bool IsPastLastBlock(int nextBlockNumber, size_t imageSize);

enum class DownloadAction {
    None,      // the byte is not what this step waits for; nothing to send
    Block,     // send `bytes` (one block) and show `progress`
    Eot,       // send `bytes` (EOT)
    Complete,  // the module accepted the end
};

struct DownloadOutput {
    DownloadAction action = DownloadAction::None;
    std::string bytes;
    int progress = 0;  // only for Block: where the block began, in percent
};

// Steps 2 to 5 of a download: 2 waits for NAK, 3 for the ACK of a block, 4 for the ACK of
// the last block, 5 for the ACK of EOT; 0 when idle or done.
class DownloadTransfer {
public:
    // Takes the image and waits for the module's NAK (step 2), block number 1.
    void Begin(std::string image);
    // One byte from the module. Anything a step does not wait for is ignored, so no block is
    // ever sent twice.
    DownloadOutput OnByte(char byte);
    // Back to idle, releasing the image.
    void Reset();

    int Step() const { return step_; }
    int BlockNumber() const { return blockNumber_; }
    size_t ImageSize() const { return image_.size(); }

private:
    DownloadOutput SendNextBlock();

    std::string image_;
    int blockNumber_ = 1;
    int step_ = 0;
};

}  // namespace korvan
