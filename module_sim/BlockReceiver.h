#pragma once
// The receiving side of the block transfer that follows "zp": 132-byte blocks (SOH, number,
// its complement, 128 data bytes, 8-bit checksum), each answered by ACK or NAK, ended by EOT.
#include <cstddef>
#include <cstdint>
#include <string>

namespace sim {

constexpr uint8_t kSoh = 0x01;
constexpr uint8_t kEot = 0x04;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
constexpr size_t kBlockSize = 132;
constexpr size_t kBlockDataSize = 128;

class BlockReceiver {
public:
    enum class Event {
        None,          // byte taken, nothing to answer yet
        BlockAccepted, // a new block was appended: answer ACK
        BlockRepeated, // the previous block came again (its ACK was lost): answer ACK, keep once
        BlockRejected, // wrong number, complement or checksum, or the image is full: answer NAK
        Finished,      // EOT: answer ACK; the image is complete
    };

    // Largest image kept; a block beyond it is refused so a runaway sender cannot exhaust memory.
    static constexpr size_t kMaxImageSize = 1 << 20;

    // Starts a transfer: forgets any earlier image. The caller then sends NAK.
    void Start();
    // Takes one received byte.
    Event Receive(uint8_t byte);

    // Blocks accepted so far in this transfer.
    size_t BlockCount() const { return blocks_; }
    // The data of all accepted blocks, padding of the last one included.
    const std::string& Image() const { return image_; }

private:
    Event CheckBlock();

    std::string image_;
    std::string block_;  // the block being collected; empty between blocks
    size_t blocks_ = 0;
};

}  // namespace sim
