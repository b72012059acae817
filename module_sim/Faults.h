#pragma once
// The faults a simulated module can be told to show, so that the tool's error paths can be
// driven on purpose. Every rule is deterministic: it fires for the first Count matching lines.
#include <set>
#include <string>

namespace sim {

// A rule that fires for a number of command lines. Count < 0 means every matching line;
// an empty command matches every command.
struct FaultRule {
    int count = 0;
    std::string command;

    bool Matches(const std::string& lineCommand) const {
        return count != 0 && (command.empty() || command == lineCommand);
    }
    void Use() {
        if (count > 0) --count;
    }
};

struct Faults {
    FaultRule silence;  // no reply at all
    FaultRule error{0, "sv"};  // "Error" instead of the reply
    FaultRule garbage;  // a line of bytes that is no reply of this module
    FaultRule overlong; // the proper reply, padded beyond 64 characters
    FaultRule late;     // the proper reply, held back for lateMs milliseconds
    int lateMs = 3000;
    std::set<std::string> mismatch;  // setting commands whose values are kept altered
    std::set<size_t> droppedAcks;    // 1-based numbers of the blocks whose ACK is never sent
    bool dropEotAck = false;         // the ACK of the closing EOT is never sent
};

}  // namespace sim
