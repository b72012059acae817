#include "Port1commsunit.h"

namespace korvan {

Port1Comms::Port1Comms(std::shared_ptr<SerialDevice> device, const std::atomic<bool>& binaryMode,
                       ReplyHandler onReply)
    : device_(std::move(device)),
      session_(device_->Session()),
      binaryMode_(binaryMode),
      onReply_(std::move(onReply)) {}

Port1Comms::~Port1Comms() { Stop(); }

void Port1Comms::Execute() {
    // The reader only waits on the device; the lowest priority keeps the window responsive.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
    unsigned char byte = 0;
    while (!Terminated()) {
        if (!device_->ReadByte(session_, byte)) continue;
        if (!framer_.Feed(byte, binaryMode_, reply_)) continue;
        Synchronize([this] {
            // A close on the window thread may have come between the read and this call.
            if (!Terminated()) onReply_(reply_);
        });
    }
}

}  // namespace korvan
