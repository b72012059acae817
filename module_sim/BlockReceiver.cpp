#include "BlockReceiver.h"

namespace sim {

void BlockReceiver::Start() {
    image_.clear();
    block_.clear();
    blocks_ = 0;
}

BlockReceiver::Event BlockReceiver::Receive(uint8_t byte) {
    if (block_.empty()) {
        if (byte == kEot) return Event::Finished;
        // Anything but the start of a block between blocks is line noise.
        if (byte == kSoh) block_.push_back(static_cast<char>(byte));
        return Event::None;
    }
    block_.push_back(static_cast<char>(byte));
    if (block_.size() < kBlockSize) return Event::None;
    Event event = CheckBlock();
    block_.clear();
    return event;
}

BlockReceiver::Event BlockReceiver::CheckBlock() {
    auto at = [this](size_t i) { return static_cast<uint8_t>(block_[i]); };
    uint8_t sum = 0;
    for (size_t i = 3; i < 3 + kBlockDataSize; ++i) sum = static_cast<uint8_t>(sum + at(i));
    if (at(2) != static_cast<uint8_t>(~at(1)) || sum != at(kBlockSize - 1))
        return Event::BlockRejected;

    const uint8_t expected = static_cast<uint8_t>(blocks_ + 1);
    if (blocks_ > 0 && at(1) == static_cast<uint8_t>(expected - 1)) return Event::BlockRepeated;
    if (at(1) != expected || image_.size() + kBlockDataSize > kMaxImageSize)
        return Event::BlockRejected;

    image_.append(block_, 3, kBlockDataSize);
    ++blocks_;
    return Event::BlockAccepted;
}

}  // namespace sim
