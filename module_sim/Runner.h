#pragma once
// Runs a Module on a pseudo-terminal: moves bytes between them, paces them at a baud rate when
// asked, holds back late replies, notices the peer closing and reopening the port, and keeps
// the state file and the unpack folder up to date.
#include <chrono>
#include <csignal>
#include <deque>
#include <string>
#include <vector>

#include "Module.h"
#include "Options.h"
#include "PtyPort.h"

namespace sim {

class Runner {
public:
    Runner(const Options& options, PtyPort& port);

    // Runs until stop becomes non-zero (set by a signal handler). Returns the exit code.
    int Run(const volatile std::sig_atomic_t& stop);

private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        std::string bytes;
        Clock::time_point notBefore;
    };
    struct Incoming {
        char byte;
        Clock::time_point due;
    };

    void ReadFromPeer(Clock::time_point now);
    void DeliverDueInput(Clock::time_point now);
    void Queue(const std::vector<Output>& outputs, Clock::time_point now);
    // Writes what is due; returns false when the terminal is full and must be polled for space.
    bool WriteDueOutput(Clock::time_point now);
    Clock::time_point NextWake(Clock::time_point now) const;
    void PeerClosed();
    void SaveState();
    void SaveImage(const std::string& image);
    void Trace(const std::string& line) const;

    const Options& options_;
    PtyPort& port_;
    Module module_;
    Clock::duration byteTime_{};  // zero without pacing
    std::deque<Incoming> incoming_;
    std::deque<Pending> outgoing_;
    size_t outgoingSent_ = 0;  // bytes of outgoing_.front() already written
    Clock::time_point inLineFree_{};
    Clock::time_point outLineFree_{};
    Clock::time_point lastInput_{};
    bool peerOpen_ = false;
    std::vector<std::string> unpacked_;
};

}  // namespace sim
