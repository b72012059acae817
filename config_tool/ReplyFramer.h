#pragma once
// Turns the byte stream of the serial link into reply lines, or in binary mode into single
// bytes. It is the line buffer of the Port1Comms reader; it knows nothing of Windows.

namespace korvan {

// The last reply handed to the window thread: up to 64 characters and a terminating NUL.
// In binary mode only bytes[0] is meaningful and length is 1.
struct ReplyBuffer {
    static constexpr int kMaxLine = 64;
    char bytes[kMaxLine + 1] = {};
    int length = 0;  // characters of the line, its CR LF included
};

class ReplyFramer {
public:
    // Takes one received byte. Returns true when `reply` now holds a complete reply to hand
    // over. A line that reaches 64 characters without CR LF is dropped together with the byte
    // that follows it (reply.length is then set to 0).
    bool Feed(unsigned char byte, bool binaryMode, ReplyBuffer& reply);

    // Characters of the partial line collected so far (0 to 64).
    int FillPosition() const { return fill_; }

private:
    char line_[ReplyBuffer::kMaxLine + 1] = {};
    int fill_ = 0;
};

}  // namespace korvan
