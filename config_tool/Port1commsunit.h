#pragma once
// Port1Comms: the serial reader thread. It takes bytes from the device, frames them into
// reply lines (or single bytes in binary mode) and hands each reply to the window thread with
// a synchronous call, waiting until the window has dealt with it. It never touches a control.
#include <atomic>
#include <functional>
#include <memory>

#include "ReplyFramer.h"
#include "SerialDevice.h"
#include "Thread.h"

namespace korvan {

class Port1Comms : public ui::Thread {
public:
    // Runs on the window thread with each reply; the buffer belongs to the reader and is only
    // valid during the call.
    using ReplyHandler = std::function<void(const ReplyBuffer& reply)>;

    // Create on the window thread, then Start(). The reader serves the device's current
    // session; `binaryMode` is read before every byte and must outlive the reader.
    Port1Comms(std::shared_ptr<SerialDevice> device, const std::atomic<bool>& binaryMode,
               ReplyHandler onReply);
    ~Port1Comms() override;

protected:
    void Execute() override;

private:
    std::shared_ptr<SerialDevice> device_;
    unsigned session_;
    const std::atomic<bool>& binaryMode_;
    ReplyHandler onReply_;
    ReplyFramer framer_;
    ReplyBuffer reply_;
};

}  // namespace korvan
