#include "DownloadTransfer.h"

#include <algorithm>

namespace korvan {

std::string BuildDownloadBlock(const std::string& image, int blockNumber) {
    size_t offset = static_cast<size_t>(blockNumber - 1) * kBlockDataSize;
    std::string block(kBlockSize, '\xFF');
    block[0] = kSoh;
    block[1] = static_cast<char>(blockNumber & 0xFF);
    block[2] = static_cast<char>(~blockNumber & 0xFF);
    if (offset < image.size()) {
        size_t count = std::min(kBlockDataSize, image.size() - offset);
        block.replace(3, count, image, offset, count);
    }
    unsigned sum = 0;
    for (size_t i = 3; i < 3 + kBlockDataSize; ++i) sum += static_cast<unsigned char>(block[i]);
    block[kBlockSize - 1] = static_cast<char>(sum & 0xFF);
    return block;
}

int ProgressPercent(size_t offset, size_t imageSize) {
    if (imageSize == 0) return 0;
    return static_cast<int>(offset * 100 / imageSize);
}

bool IsPastLastBlock(int nextBlockNumber, size_t imageSize) {
    return static_cast<size_t>(nextBlockNumber) * kBlockDataSize - kBlockDataSize > imageSize;
}

void DownloadTransfer::Begin(std::string image) {
    image_ = std::move(image);
    blockNumber_ = 1;
    step_ = 2;
}

void DownloadTransfer::Reset() {
    image_.clear();
    image_.shrink_to_fit();
    blockNumber_ = 1;
    step_ = 0;
}

DownloadOutput DownloadTransfer::SendNextBlock() {
    size_t offset = static_cast<size_t>(blockNumber_ - 1) * kBlockDataSize;
    DownloadOutput out{DownloadAction::Block, BuildDownloadBlock(image_, blockNumber_),
                       ProgressPercent(offset, image_.size())};
    ++blockNumber_;
    step_ = IsPastLastBlock(blockNumber_, image_.size()) ? 4 : 3;
    return out;
}

DownloadOutput DownloadTransfer::OnByte(char byte) {
    switch (step_) {
        case 2:
            if (byte == kNak) return SendNextBlock();
            break;
        case 3:
            if (byte == kAck) return SendNextBlock();
            break;
        case 4:
            if (byte == kAck) {
                step_ = 5;
                return {DownloadAction::Eot, std::string(1, kEot)};
            }
            break;
        case 5:
            if (byte == kAck) {
                Reset();
                return {DownloadAction::Complete, ""};
            }
            break;
        default:
            break;
    }
    return {};
}

}  // namespace korvan
