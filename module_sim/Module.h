#pragma once
// The simulated Korvan module's behaviour on its serial line: command lines in, reply lines
// out, and the block transfer after "zp". Bytes in, bytes out: no terminal, no clock, so the
// whole protocol is testable on its own; the program around it does the I/O and the timing.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "BlockReceiver.h"
#include "Faults.h"
#include "ModuleSettings.h"

namespace sim {

// Bytes to send, not before delayMs milliseconds from the moment they were produced.
struct Output {
    std::string bytes;
    int delayMs = 0;
};

class Module {
public:
    static constexpr size_t kMaxLine = 64;  // a command line, CR LF included
    static constexpr const char* kDefaultVersion = "SV1.0.7-LNK";

    Module(std::string version, Faults faults);

    // Takes received bytes and returns what the module answers, in order.
    std::vector<Output> Receive(const std::string& bytes);

    // The line went dead (the peer closed the port, or a transfer stalled): a partial command
    // line and a running transfer are dropped.
    void Reset();

    bool InTransfer() const { return inTransfer_; }
    const ModuleSettings& Settings() const { return settings_; }

    // Called after a command changed a setting or the MAC address.
    std::function<void()> OnSettingsChanged;
    // Called when a transfer ends with EOT, with the received image.
    std::function<void(const std::string& image)> OnImageReceived;
    // One line for each command and reply, for whoever watches the module.
    std::function<void(const std::string& line)> OnTrace;

private:
    void ReceiveLineByte(char byte, std::vector<Output>& out);
    void ReceiveBlockByte(uint8_t byte, std::vector<Output>& out);
    void HandleLine(const std::string& line, std::vector<Output>& out);
    Output Answer(const std::string& command, const std::string& value);
    void Trace(const std::string& line);

    std::string version_;
    Faults faults_;
    ModuleSettings settings_;
    BlockReceiver receiver_;
    std::string line_;
    bool overflowed_ = false;  // the current line passed kMaxLine; it is dropped at its end
    bool inTransfer_ = false;
};

}  // namespace sim
