#include "ReplyFramer.h"

#include <cstring>

namespace korvan {

bool ReplyFramer::Feed(unsigned char byte, bool binaryMode, ReplyBuffer& reply) {
    if (binaryMode) {
        // The partial line, if any, stays buffered for when line mode returns.
        reply.bytes[0] = static_cast<char>(byte);
        reply.bytes[1] = '\0';
        reply.length = 1;
        return true;
    }
    if (fill_ == ReplyBuffer::kMaxLine) {
        fill_ = 0;
        reply.length = 0;
        return false;
    }
    if (fill_ > 0 && line_[fill_ - 1] == '\r' && byte == '\n') {
        line_[fill_] = '\n';
        line_[fill_ + 1] = '\0';
        std::memcpy(reply.bytes, line_, static_cast<size_t>(fill_) + 2);
        reply.length = fill_ + 1;
        std::memset(line_, 0, sizeof line_);
        fill_ = 0;
        return true;
    }
    line_[fill_++] = static_cast<char>(byte);
    return false;
}

}  // namespace korvan
